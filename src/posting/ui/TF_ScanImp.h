#pragma once

#include <QDialog>
#include <QSqlDatabase>

#include "app/ui/RecordNavigator.h"

class QCheckBox;
class QProgressBar;
class QPushButton;
class QTableView;

namespace tekvora::app {
class ClientDirs;
class FormStorage;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::posting {

class ScanImpModel;

/// "Scanner-Daten verbuchen": shows the raw scan records, checks them against the master data and
/// posts them into the statistics tables.
class TF_ScanImp : public QDialog
{
public:
    /// `prompt` shows the dialog's messages and questions (message boxes over this window).
    TF_ScanImp(QSqlDatabase db, const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);
    ~TF_ScanImp() override;

    ScanImpModel *model() const { return m_model; }

    void btnCheckClick();
    void btnPostClick();
    void btnDeleteAllClick();
    void recalculateDurationClick();

protected:
    void done(int result) override;

private:
    app::FormStorage placementStorage() const;
    void buildControls();
    void navigatorClicked(app::RecordNavigator::Button which);
    void reloadKeeping(int recordId);
    void navigate(int row);
    void deleteCurrent();
    int currentRow() const;

    QSqlDatabase m_db;
    const app::ClientDirs &m_dirs;
    app::UserPrompt &m_prompt;
    ScanImpModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_btnPost = nullptr;
    QCheckBox *m_hourFormat = nullptr;
};

} // namespace tekvora::posting
