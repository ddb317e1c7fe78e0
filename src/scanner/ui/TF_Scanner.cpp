#include "scanner/ui/TF_Scanner.h"

#include "app/Placement.h"
#include "app/UserPrompt.h"
#include "posting/ScanProcessing.h"
#include "scanner/ScanFile.h"
#include "scanner/ScannerRegister.h"
#include "scanner/ScannerRegisterColumns.h"
#include "scanner/StandardNumbers.h"
#include "scanner/ui/ScannerRegisterModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDataWidgetMapper>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tekvora::scanner::ui {

namespace {

const QString StaffFilter = QStringLiteral("P_Aktiv='true' AND P_OptTourplan='true'");
const QString SiteFilter = QStringLiteral("O_Aktiv='True'");

/// Keeps the dialog disabled while processing runs, also when it leaves early.
class DisabledWhileBusy
{
public:
    explicit DisabledWhileBusy(QWidget *widget) : m_widget(widget) { m_widget->setEnabled(false); }
    ~DisabledWhileBusy() { m_widget->setEnabled(true); }
    DisabledWhileBusy(const DisabledWhileBusy &) = delete;
    DisabledWhileBusy &operator=(const DisabledWhileBusy &) = delete;

private:
    QWidget *m_widget;
};

/// The hourglass for as long as an operation runs, also when it leaves early.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QFont boldFont()
{
    QFont font;
    font.setBold(true);
    return font;
}

QLabel *valueLabel(const QString &objectName)
{
    auto *label = new QLabel;
    label->setObjectName(objectName);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(150);
    label->setFont(boldFont());
    return label;
}

} // namespace

TF_Scanner::TF_Scanner(QSqlDatabase db, const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_db(std::move(db)), m_scanDir(dirs.scanDir()), m_settingsFile(dirs.settingsFile()),
      m_prompt(prompt)
{
    setObjectName(QStringLiteral("TF_Scanner"));
    setWindowTitle(QStringLiteral("Scanner-Support"));
    resize(760, 520);
    if (parent)
        setGeometry(app::relativeGeometry(parent->geometry(), 50, 100, -50, -200));
    const QSettings placement(m_settingsFile, QSettings::IniFormat);
    if (placement.contains(QStringLiteral("Scanner/Geometry")))
        restoreGeometry(placement.value(QStringLiteral("Scanner/Geometry")).toByteArray());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    auto *reading = new QWidget;
    reading->setObjectName(QStringLiteral("TabSheet1"));
    auto *registerTab = new QWidget;
    registerTab->setObjectName(QStringLiteral("TabSheet2"));
    m_pages->addTab(reading, QStringLiteral("Opticon-OPN2001 auslesen"));
    m_pages->addTab(registerTab, QStringLiteral("Scannerverwaltung"));
    buildReadingTab(reading);
    buildRegisterTab(registerTab);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    const ScanSettings settings =
        loadScanSettings(scanSettingsPath(m_scanDir),
                         {QString(), QString::number(standardNumbers().site), QString::number(standardNumbers().person)},
                         m_prompt);
    m_port->setText(settings.port);
    m_standardSite->setText(settings.standardSite);
    m_standardPerson->setText(settings.standardPerson);
    takeStandardNumbers(settings);

    connect(m_pages, &QTabWidget::currentChanged, this, &TF_Scanner::tabChanged);
    setButtons();
}

TF_Scanner::~TF_Scanner()
{
    saveSettings();
}

void TF_Scanner::buildReadingTab(QWidget *tab)
{
    m_port = new QLineEdit;
    m_port->setObjectName(QStringLiteral("edPort"));
    m_port->setToolTip(QStringLiteral("Nummer des erkannten Scanner-Anschlusses (1 = erster) oder Gerätepfad"));
    m_autoSync = new QCheckBox(QStringLiteral("Automatisch Zeitsynchronisation durchführen"));
    m_autoSync->setObjectName(QStringLiteral("cbAutoSync"));
    m_autoSync->setChecked(true);
    m_clearAfterRead = new QCheckBox(QStringLiteral("Scannerspeicher nach Auslesen löschen"));
    m_clearAfterRead->setObjectName(QStringLiteral("cbClearAfterRead"));
    m_clearAfterRead->setChecked(true);

    const auto button = [](const QString &name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_read = button(QStringLiteral("btnReadScanner"), QStringLiteral("Scanner lesen"));
    m_process = button(QStringLiteral("btnProcessImport"), QStringLiteral("Import verarbeiten"));
    m_discard = button(QStringLiteral("btnDiscardImport"), QStringLiteral("Importdatei verwerfen"));
    m_clear = button(QStringLiteral("btnClearScan"), QStringLiteral("Scannerspeicher löschen"));
    m_setClock = button(QStringLiteral("btnSetClock"), QStringLiteral("Scanner-Uhrzeit setzen"));
    auto *close = button(QStringLiteral("btnClose"), QStringLiteral("Schließen"));

    m_count = valueLabel(QStringLiteral("lblBarcodes"));
    m_deviceId = valueLabel(QStringLiteral("lblDeviceId"));
    m_clock = valueLabel(QStringLiteral("lblClock"));
    m_records = valueLabel(QStringLiteral("lblRecords"));
    m_listing = new QListWidget;
    m_listing->setObjectName(QStringLiteral("lbListing"));
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    m_listing->setFont(mono);

    auto *portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(QStringLiteral("Port")));
    portRow->addWidget(m_port);
    auto *left = new QVBoxLayout;
    left->addLayout(portRow);
    left->addWidget(m_read);
    left->addWidget(m_process);
    left->addWidget(m_discard);
    left->addSpacing(12);
    left->addWidget(m_clear);
    left->addWidget(m_setClock);
    left->addSpacing(12);
    left->addWidget(m_autoSync);
    left->addWidget(m_clearAfterRead);
    left->addStretch();
    left->addWidget(close);

    auto *labels = new QFormLayout;
    labels->addRow(QStringLiteral("Barcodes"), m_count);
    labels->addRow(QStringLiteral("Geräte-ID"), m_deviceId);
    labels->addRow(QStringLiteral("Uhrzeit"), m_clock);
    labels->addRow(QStringLiteral("Datensätze"), m_records);
    auto *right = new QVBoxLayout;
    right->addLayout(labels);
    right->addWidget(m_listing, 1);

    auto *layout = new QHBoxLayout(tab);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(m_read, &QPushButton::clicked, this, &TF_Scanner::btnReadScannerClick);
    connect(m_process, &QPushButton::clicked, this, &TF_Scanner::btnProcessImportClick);
    connect(m_discard, &QPushButton::clicked, this, &TF_Scanner::btnDiscardImportClick);
    connect(m_clear, &QPushButton::clicked, this, &TF_Scanner::btnClearScanClick);
    connect(m_setClock, &QPushButton::clicked, this, &TF_Scanner::btnSetClockClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_Scanner::buildRegisterTab(QWidget *tab)
{
    m_model = new ScannerRegisterModel(m_db, this);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("grdScanner"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                            | QAbstractItemView::SelectedClicked);
    // Only the register's columns in their order; the comment has its own edit below.
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_grid->setColumnHidden(column, true);
    int visual = 0;
    for (const RegisterColumn &column : registerColumns()) {
        const int logical = m_model->fieldIndex(column.field);
        m_grid->setColumnHidden(logical, false);
        m_grid->horizontalHeader()->moveSection(m_grid->horizontalHeader()->visualIndex(logical), visual++);
    }
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto *navigator = new QHBoxLayout;
    navigator->setSpacing(2);
    const auto navButton = [&](const QString &name, const QString &text, const QString &tip, auto slot) {
        auto *b = new QToolButton;
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tip);
        b->setMinimumWidth(28);
        navigator->addWidget(b);
        connect(b, &QToolButton::clicked, this, slot);
    };
    const auto moveTo = [this](int row) {
        if (m_model->rowCount() == 0)
            return;
        const int column = qMax(0, m_grid->currentIndex().column());
        m_grid->setCurrentIndex(m_model->index(qBound(0, row, m_model->rowCount() - 1), column));
    };
    const auto current = [this] { return m_grid->currentIndex().row(); };
    navButton(QStringLiteral("navFirst"), QStringLiteral("|◀"), QStringLiteral("Erster Datensatz"),
              [=] { moveTo(0); });
    navButton(QStringLiteral("navPrior"), QStringLiteral("◀"), QStringLiteral("Vorheriger Datensatz"),
              [=] { moveTo(current() - 1); });
    navButton(QStringLiteral("navNext"), QStringLiteral("▶"), QStringLiteral("Nächster Datensatz"),
              [=] { moveTo(current() + 1); });
    navButton(QStringLiteral("navLast"), QStringLiteral("▶|"), QStringLiteral("Letzter Datensatz"),
              [=, this] { moveTo(m_model->rowCount() - 1); });
    navButton(QStringLiteral("navInsert"), QStringLiteral("+"), QStringLiteral("Datensatz einfügen"), [=, this] {
        m_model->submitAll();
        QString error;
        const int id = ScannerRegister(m_db).appendScanner(error);
        if (id < 0) {
            m_prompt.error(QStringLiteral("Fehler ") + error);
            return;
        }
        m_model->select();
        moveTo(m_model->rowCount() - 1);
    });
    navButton(QStringLiteral("navDelete"), QStringLiteral("−"), QStringLiteral("Datensatz löschen"), [=, this] {
        const int row = current();
        if (row < 0 || !m_prompt.confirm(QStringLiteral("Datensatz löschen?")))
            return;
        m_model->removeRow(row);
        m_model->submitAll();
        m_model->select();
        moveTo(row);
    });
    navButton(QStringLiteral("navPost"), QStringLiteral("✓"), QStringLiteral("Daten übernehmen"), [this] {
        if (!m_model->submitAll())
            m_prompt.error(QStringLiteral("Fehler ") + m_model->lastError().text());
    });
    navButton(QStringLiteral("navCancel"), QStringLiteral("✗"), QStringLiteral("Bearbeitung abbrechen"),
              [this] { m_model->revertAll(); });
    navButton(QStringLiteral("navRefresh"), QStringLiteral("↻"), QStringLiteral("Daten aktualisieren"), [this] {
        m_model->submitAll();
        m_model->select();
    });
    navigator->addStretch();

    m_comment = new QLineEdit;
    m_comment->setObjectName(QStringLiteral("edKommentar"));
    m_comment->setMaxLength(40);
    m_comment->installEventFilter(this);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    m_mapper->addMapping(m_comment, m_model->fieldIndex(QStringLiteral("SV_Kommentar")));

    m_hint = new QLabel;
    m_hint->setObjectName(QStringLiteral("lblHinweise"));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *hints = new QGroupBox(QStringLiteral("Hinweise"));
    hints->setObjectName(QStringLiteral("gbHinweise"));
    (new QVBoxLayout(hints))->addWidget(m_hint);

    m_standardSite = new QLineEdit(QStringLiteral("999999"));
    m_standardSite->setObjectName(QStringLiteral("edStandardObjekt"));
    m_standardPerson = new QLineEdit(QStringLiteral("999999"));
    m_standardPerson->setObjectName(QStringLiteral("edStandardPerson"));
    for (QLineEdit *edit : {m_standardSite, m_standardPerson}) {
        edit->setFont(boldFont());
        edit->setReadOnly(true);
        edit->setToolTip(QStringLiteral("Doppelklick wählt aus"));
        edit->installEventFilter(this);
    }

    auto *bottom = new QGridLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Kommentar")), 0, 0);
    bottom->addWidget(m_comment, 0, 1);
    bottom->addWidget(new QLabel(QStringLiteral("Standard-Objekt")), 1, 0);
    bottom->addWidget(m_standardSite, 1, 1);
    bottom->addWidget(new QLabel(QStringLiteral("Standard-Person")), 2, 0);
    bottom->addWidget(m_standardPerson, 2, 1);
    bottom->addWidget(hints, 0, 2, 3, 1);
    bottom->setColumnStretch(1, 1);
    bottom->setColumnStretch(2, 2);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(navigator);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(m_grid, &QTableView::doubleClicked, this, &TF_Scanner::gridDoubleClick);
}

void TF_Scanner::showTab(int index)
{
    m_pages->setCurrentIndex(index);
    tabChanged(index);
}

void TF_Scanner::tabChanged(int index)
{
    // The live register is open only while its tab is shown.
    if (index == 1) {
        m_model->select();
        m_grid->resizeColumnsToContents();
        connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &TF_Scanner::gridCellEntered,
                Qt::UniqueConnection);
        connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, m_mapper,
                &QDataWidgetMapper::setCurrentModelIndex, Qt::UniqueConnection);
        if (m_model->rowCount() > 0)
            m_grid->setCurrentIndex(m_model->index(0, m_model->fieldIndex(QStringLiteral("SV_Type"))));
    } else {
        m_model->submitAll();
        m_model->clear();
        m_model->setTable(QStringLiteral("Scandev"));
    }
}

void TF_Scanner::gridCellEntered(const QModelIndex &current)
{
    m_hint->setText(registerHint(m_model->fieldOf(current.column())));
}

void TF_Scanner::gridDoubleClick(const QModelIndex &index)
{
    const QString field = m_model->fieldOf(index.column());
    if (field == QLatin1String("SV_Pers") && m_choices.chooseStaff) {
        const auto staff = m_choices.chooseStaff(this, StaffFilter);
        if (staff && *staff != 0 && *staff != index.data(Qt::EditRole).toLongLong()) {
            m_model->setData(index, *staff);
            m_model->submitAll();
        }
    } else if (field == QLatin1String("SV_ErhaltenAm") && m_choices.chooseDate) {
        if (const auto date = m_choices.chooseDate(this, index.data(Qt::EditRole).toDate())) {
            m_model->setData(index, *date);
            m_model->submitAll();
        }
    } else {
        m_grid->edit(index);
    }
}

void TF_Scanner::standardSiteDoubleClick()
{
    if (!m_choices.chooseSite)
        return;
    if (const auto site = m_choices.chooseSite(this, SiteFilter)) {
        standardNumbers().site = *site;
        m_standardSite->setText(QString::number(*site));
    }
}

void TF_Scanner::standardPersonDoubleClick()
{
    if (!m_choices.chooseStaff)
        return;
    if (const auto person = m_choices.chooseStaff(this, StaffFilter)) {
        standardNumbers().person = *person;
        m_standardPerson->setText(QString::number(*person));
    }
}

bool TF_Scanner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_standardSite)
            standardSiteDoubleClick();
        else if (watched == m_standardPerson)
            standardPersonDoubleClick();
    } else if (event->type() == QEvent::FocusIn && watched == m_comment) {
        m_hint->setText(registerHint(QStringLiteral("SV_Kommentar")));
    }
    return QDialog::eventFilter(watched, event);
}

ScannerSetup TF_Scanner::setup() const
{
    return {m_port->text(), scanFilePath(m_scanDir), {}};
}

void TF_Scanner::setButtons()
{
    const bool fileExists = QFile::exists(scanFilePath(m_scanDir));
    m_process->setEnabled(fileExists);
    m_discard->setEnabled(fileExists);
    m_read->setEnabled(!fileExists);
    (fileExists ? m_process : m_read)->setFocus();
}

void TF_Scanner::btnReadScannerClick()
{
    {
        WaitCursor wait;
        ScannerRegister scanners(m_db);
        ScannerOperations operations(m_link, scanners, m_prompt, *this);
        operations.readScanner(setup(), {m_autoSync->isChecked(), m_clearAfterRead->isChecked()});
    }
    setButtons();
}

void TF_Scanner::btnClearScanClick()
{
    WaitCursor wait;
    ScannerRegister scanners(m_db);
    ScannerOperations(m_link, scanners, m_prompt, *this).clearMemory(setup());
}

void TF_Scanner::btnSetClockClick()
{
    WaitCursor wait;
    ScannerRegister scanners(m_db);
    ScannerOperations(m_link, scanners, m_prompt, *this).setClock(setup());
}

void TF_Scanner::btnDiscardImportClick()
{
    discardScanFile(scanFilePath(m_scanDir), m_prompt);
    setButtons();
}

void TF_Scanner::btnProcessImportClick()
{
    {
        WaitCursor wait;
        DisabledWhileBusy busy(this);
        const posting::ScanProcessingRequest request{
            m_db, scanFilePath(m_scanDir),
            {int(standardNumbers().site), int(standardNumbers().person)}, QDateTime::currentDateTime()};
        const posting::ScanProcessingResult result = posting::processScanFile(request, m_prompt);
        m_listing->clear();
        m_listing->addItems(result.listing);
        m_deviceId->setText(result.deviceId);
        m_count->setText(QString::number(result.barcodeCount));
        m_records->setText(QString::number(result.recordCount));
    }
    setButtons();
}

void TF_Scanner::saveSettings()
{
    if (m_settingsSaved)
        return;
    m_settingsSaved = true;
    saveScanSettings(scanSettingsPath(m_scanDir),
                     {m_port->text(), m_standardSite->text(), m_standardPerson->text()}, m_prompt);
    if (m_model)
        m_model->submitAll();
    QSettings placement(m_settingsFile, QSettings::IniFormat);
    placement.setValue(QStringLiteral("Scanner/Geometry"), saveGeometry());
}

void TF_Scanner::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QDialog::closeEvent(event);
}

void TF_Scanner::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

void TF_Scanner::clearListing()
{
    m_listing->clear();
}

void TF_Scanner::addListingLine(const QString &line)
{
    m_listing->addItem(line);
    m_listing->scrollToBottom();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TF_Scanner::showBarcodeCount(const QString &text)
{
    m_count->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TF_Scanner::showDeviceId(const QString &text)
{
    m_deviceId->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TF_Scanner::showClock(const QString &text)
{
    m_clock->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tekvora::scanner::ui
