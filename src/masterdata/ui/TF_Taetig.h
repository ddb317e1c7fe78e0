#pragma once

#include "app/ui/FormStorage.h"

#include <QDialog>

class QAction;
class QTextEdit;

namespace tekvora::app {
class ClientDirs;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::masterdata {

class MasterEditor;

/// The activity editor ("Tätigkeiten"): the whole record is edited in the grid; the long text of the
/// current activity is shown below. Duplicating an activity, prefilling long texts and the selection marks
/// for the label sheet are offered here.
class TF_Taetig : public QDialog
{
    Q_OBJECT

public:
    TF_Taetig(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);

    MasterEditor *editor() const { return m_editor; }

    void done(int result) override;

private:
    void buildWindow(const app::ClientDirs &dirs);
    void showGridMenu(const QPoint &position);
    void copyCurrentActivity();
    void copyShortTexts();
    void markAll(bool selected);
    void showLongText();

    app::UserPrompt &m_prompt;
    app::FormStorage m_storage;
    MasterEditor *m_editor;
    QTextEdit *m_longText = nullptr;
};

} // namespace tekvora::masterdata
