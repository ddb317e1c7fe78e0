#pragma once

#include "app/ui/FormStorage.h"
#include "db/ui/GridColumn.h"
#include "masterdata/MasterTable.h"

#include <QDialog>

namespace tekvora::app {
class ClientDirs;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::masterdata {

class MasterEditor;

/// A master-data editor window around its editing grid: placed over the main window, its placement kept in
/// its section of "TV9001.ini"; closing posts the edit in progress (a refused post keeps the window open).
class MasterDataDialog : public QDialog
{
    Q_OBJECT

public:
    MasterEditor *editor() const { return m_editor; }

    void done(int result) override;

protected:
    MasterDataDialog(const app::ClientDirs &dirs, const QString &section, app::PlacementKind kind, MasterTable table,
                     db::GridColumns columns, app::UserPrompt &prompt, QWidget *parent);

    /// Places the window; called by the window once its layout stands.
    void placeWindow();
    const app::FormStorage &storage() const { return m_storage; }
    app::UserPrompt &prompt() const { return m_prompt; }
    /// Extras kept besides the placement ("GridPersonal.Columns", ...), written on closing.
    virtual void saveSettings() {}

private:
    app::FormStorage m_storage;
    app::PlacementKind m_kind;
    app::UserPrompt &m_prompt;
    MasterEditor *m_editor;
};

} // namespace tekvora::masterdata
