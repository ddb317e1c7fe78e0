#pragma once

#include "app/ClientDirs.h"
#include "scanner/Csp2Link.h"
#include "scanner/ScanSettings.h"
#include "scanner/ScannerOperations.h"
#include "scanner/ScannerMonitor.h"

#include <QDate>
#include <QDialog>
#include <QSqlDatabase>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class QDataWidgetMapper;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::scanner::ui {

class ScannerRegisterModel;

/// The choices the register tab offers on double-click; each gives nothing when cancelled.
struct ScannerChoices
{
    std::function<std::optional<qint64>(QWidget *parent, const QString &filter)> chooseStaff;
    std::function<std::optional<qint64>(QWidget *parent, const QString &filter)> chooseSite;
    std::function<std::optional<QDate>(QWidget *parent, const QDate &current)> chooseDate;
};

/// "Scanner-Support": reading the OPN-2001 into the scan file, its clock and memory, and the
/// register of known scanners.
class TF_Scanner : public QDialog, private ScannerMonitor
{
    Q_OBJECT

public:
    /// The scanner directory of `dirs` holds "Scandata.ini" and "Scanimp.txt", its settings file the
    /// window's placement; `db` holds Scandev.
    TF_Scanner(QSqlDatabase db, const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent = nullptr);
    ~TF_Scanner() override;

    void setChoices(ScannerChoices choices) { m_choices = std::move(choices); }
    /// Opens the reading tab (0) or the register tab (1).
    void showTab(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void buildReadingTab(QWidget *tab);
    void buildRegisterTab(QWidget *tab);
    void setButtons();
    ScannerSetup setup() const;

    void btnReadScannerClick();
    void btnClearScanClick();
    void btnSetClockClick();
    void btnDiscardImportClick();
    void btnProcessImportClick();
    void tabChanged(int index);
    void gridCellEntered(const QModelIndex &current);
    void gridDoubleClick(const QModelIndex &index);
    void standardSiteDoubleClick();
    void standardPersonDoubleClick();
    void saveSettings();
    bool eventFilter(QObject *watched, QEvent *event) override;

    // ScannerMonitor
    void clearListing() override;
    void addListingLine(const QString &line) override;
    void showBarcodeCount(const QString &text) override;
    void showDeviceId(const QString &text) override;
    void showClock(const QString &text) override;

    QSqlDatabase m_db;
    QString m_scanDir;
    QString m_settingsFile;
    app::UserPrompt &m_prompt;
    ScannerChoices m_choices;
    Csp2Link m_link;
    bool m_settingsSaved = false;

    QTabWidget *m_pages = nullptr;
    QLineEdit *m_port = nullptr;
    QCheckBox *m_autoSync = nullptr;
    QCheckBox *m_clearAfterRead = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_process = nullptr;
    QPushButton *m_discard = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_setClock = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_deviceId = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_records = nullptr;
    QListWidget *m_listing = nullptr;

    ScannerRegisterModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QDataWidgetMapper *m_mapper = nullptr;
    QLineEdit *m_comment = nullptr;
    QLabel *m_hint = nullptr;
    QLineEdit *m_standardSite = nullptr;
    QLineEdit *m_standardPerson = nullptr;
};

} // namespace tekvora::scanner::ui
