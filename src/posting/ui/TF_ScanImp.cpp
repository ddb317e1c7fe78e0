#include "posting/ui/TF_ScanImp.h"

#include "app/AppState.h"
#include "app/ClientDirs.h"
#include "app/Placement.h"
#include "app/ui/FormStorage.h"
#include "app/ProgressSink.h"
#include "app/UserPrompt.h"
#include "posting/PostingActions.h"
#include "posting/ui/ScanImpModel.h"
#include "app/ui/RecordNavigator.h"
#include "scanner/ScanSettings.h"
#include "scanner/StandardNumbers.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace tekvora::posting {

namespace {

/// Moves the dialog's progress bar and keeps the window alive during long work.
class ProgressBarSink : public app::ProgressSink
{
public:
    explicit ProgressBarSink(QProgressBar &bar) : m_bar(bar) {}
    void setRange(qint64 minimum, qint64 maximum) override
    {
        m_bar.setRange(int(minimum), int(std::max(minimum, maximum)));
        m_bar.setValue(int(minimum));
    }
    void setValue(qint64 value) override
    {
        // Every record would be too often for a large table; a step of the bar is enough.
        if (value == m_bar.maximum() || value - m_bar.value() >= std::max(1, m_bar.maximum() / 100)) {
            m_bar.setValue(int(value));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

private:
    QProgressBar &m_bar;
};

/// Hourglass for the lifetime of the guard, restored on every way out.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TF_ScanImp::TF_ScanImp(QSqlDatabase db, const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_db(std::move(db)), m_dirs(dirs), m_prompt(prompt)
{
    setObjectName(QStringLiteral("TF_ScanImp"));
    setWindowTitle(QStringLiteral("Scanner-Daten verbuchen"));
    buildControls();

    if (parent)
        setGeometry(app::relativeGeometry(parent->window()->geometry(), 100, 64, -75, 100));
    placementStorage().restorePlacement(*this);

    const scanner::ScanSettings current{QString(), QString::number(scanner::standardNumbers().site),
                                        QString::number(scanner::standardNumbers().person)};
    scanner::takeStandardNumbers(scanner::loadScanSettings(
        scanner::scanSettingsPath(m_dirs.scanDir()), current, m_prompt));

    reloadKeeping(0);
}

TF_ScanImp::~TF_ScanImp() = default;

app::FormStorage TF_ScanImp::placementStorage() const
{
    return app::FormStorage(m_dirs.settingsFile(), QStringLiteral("ScanImp"));
}

void TF_ScanImp::done(int result)
{
    placementStorage().savePlacement(*this);
    QDialog::done(result);
}

void TF_ScanImp::navigatorClicked(app::RecordNavigator::Button which)
{
    switch (which) {
    case app::RecordNavigator::First:
        navigate(0);
        break;
    case app::RecordNavigator::Prior:
        navigate(currentRow() - 1);
        break;
    case app::RecordNavigator::Next:
        navigate(currentRow() + 1);
        break;
    case app::RecordNavigator::Last:
        navigate(m_model->rowCount() - 1);
        break;
    case app::RecordNavigator::Delete:
        deleteCurrent();
        break;
    case app::RecordNavigator::Post:
        // An open cell editor hands its value to the model, which saves it, when it loses the focus.
        m_grid->setFocus();
        break;
    case app::RecordNavigator::Cancel:
    case app::RecordNavigator::Refresh:
        reloadKeeping(m_model->recordId(currentRow()));
        break;
    default:
        break;
    }
}

void TF_ScanImp::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *buttons = new QHBoxLayout;
    auto *btnCheck = new QPushButton(QStringLiteral("Daten prüfen"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    m_btnPost = new QPushButton(QStringLiteral("Verbuchen"), this);
    m_btnPost->setObjectName(QStringLiteral("btnPost"));
    m_btnPost->setEnabled(false);
    auto *btnDeleteAll = new QPushButton(QStringLiteral("Alle löschen"), this);
    btnDeleteAll->setObjectName(QStringLiteral("btnDeleteAll"));
    auto *btnPrint = new QPushButton(QStringLiteral("Drucken"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    auto *btnPreview = new QPushButton(QStringLiteral("Vorschau"), this);
    btnPreview->setObjectName(QStringLiteral("btnPreview"));
    m_hourFormat = new QCheckBox(QStringLiteral("Stundenformat hh:mm"), this);
    m_hourFormat->setObjectName(QStringLiteral("chkHourFormat"));
    m_hourFormat->setChecked(app::appState().hourMinuteFormat);
    auto *btnInfo = new QPushButton(QStringLiteral("&?Info?"), this);
    btnInfo->setObjectName(QStringLiteral("btnInfo"));
    for (QWidget *widget : {static_cast<QWidget *>(btnCheck), static_cast<QWidget *>(m_btnPost),
                            static_cast<QWidget *>(btnDeleteAll), static_cast<QWidget *>(btnPrint),
                            static_cast<QWidget *>(btnPreview), static_cast<QWidget *>(m_hourFormat)})
        buttons->addWidget(widget);
    buttons->addStretch();
    buttons->addWidget(btnInfo);
    layout->addLayout(buttons);

    auto *navigator = new app::RecordNavigator(app::RecordNavigator::First | app::RecordNavigator::Prior
                                                     | app::RecordNavigator::Next | app::RecordNavigator::Last
                                                     | app::RecordNavigator::Delete | app::RecordNavigator::Post
                                                     | app::RecordNavigator::Cancel | app::RecordNavigator::Refresh,
                                                 this);
    navigator->setObjectName(QStringLiteral("DBNavigator"));
    layout->addWidget(navigator);

    m_model = new ScanImpModel(m_db, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdScanImp"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuGrid"));
    QAction *recalculate = menu->addAction(QStringLiteral("Dauer neu berechnen"));
    recalculate->setObjectName(QStringLiteral("mnuRecalcDuration"));
    QAction *cancel = menu->addAction(QStringLiteral("Abbrechen"));
    cancel->setObjectName(QStringLiteral("mnuCancel"));

    connect(btnCheck, &QPushButton::clicked, this, &TF_ScanImp::btnCheckClick);
    connect(m_btnPost, &QPushButton::clicked, this, &TF_ScanImp::btnPostClick);
    connect(btnDeleteAll, &QPushButton::clicked, this, &TF_ScanImp::btnDeleteAllClick);
    connect(m_hourFormat, &QCheckBox::toggled, this, [this](bool on) {
        app::appState().hourMinuteFormat = on;
        m_model->refreshDurations();
    });
    connect(btnInfo, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_dirs.manualPage(QLatin1String(app::ManualPage::ScanImport))));
    });
    connect(m_grid, &QTableView::customContextMenuRequested, this,
            [this, menu](const QPoint &pos) { menu->popup(m_grid->viewport()->mapToGlobal(pos)); });
    connect(recalculate, &QAction::triggered, this, &TF_ScanImp::recalculateDurationClick);
    connect(navigator, &app::RecordNavigator::clicked, this, &TF_ScanImp::navigatorClicked);
}

int TF_ScanImp::currentRow() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
}

void TF_ScanImp::navigate(int row)
{
    if (m_model->rowCount() == 0)
        return;
    row = std::clamp(row, 0, m_model->rowCount() - 1);
    const int column = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : 0;
    m_grid->setCurrentIndex(m_model->index(row, column));
}

void TF_ScanImp::reloadKeeping(int recordId)
{
    QString error;
    if (!m_model->reload(&error))
        m_prompt.error(error);
    m_grid->resizeColumnsToContents();
    const int row = m_model->rowOfRecord(recordId);
    navigate(row < 0 ? 0 : row);
}

void TF_ScanImp::deleteCurrent()
{
    const int row = currentRow();
    if (row < 0 || !m_prompt.confirm(QStringLiteral("Datensatz löschen?")))
        return;
    m_model->removeRecord(row);
    navigate(row);
}

void TF_ScanImp::btnCheckClick()
{
    const int remembered = m_model->recordId(currentRow());
    {
        WaitCursor wait;
        ProgressBarSink progress(*m_progress);
        runScanCheck(m_db, m_prompt, progress);
    }
    reloadKeeping(remembered);
    m_btnPost->setEnabled(true);
}

void TF_ScanImp::btnPostClick()
{
    {
        WaitCursor wait;
        ProgressBarSink progress(*m_progress);
        runScanPosting(m_db, m_prompt, progress);
    }
    reloadKeeping(0);
}

void TF_ScanImp::btnDeleteAllClick()
{
    if (deleteAllRawScans(m_db, m_prompt))
        reloadKeeping(0);
}

void TF_ScanImp::recalculateDurationClick()
{
    m_model->recalculateDuration(currentRow());
}

} // namespace tekvora::posting
