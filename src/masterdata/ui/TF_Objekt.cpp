#include "masterdata/ui/TF_Objekt.h"

#include "app/ClientDirs.h"
#include "app/UserPrompt.h"
#include "app/ui/LinkOpening.h"
#include "db/Numbers.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/MasterDataTexts.h"
#include "masterdata/SiteFilter.h"
#include "masterdata/SiteRecords.h"
#include "masterdata/ui/EditorWindow.h"
#include "masterdata/ui/MasterEditor.h"
#include "masterdata/ui/TableChoices.h"
#include "app/ui/RecordNavigator.h"
#include "stats/ui/TF_Kalender.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tekvora::masterdata
{

namespace
{

const QString SiteKey = QStringLiteral("O_ID");
const QString SiteNumber = QStringLiteral("O_Nr");
const QString MarkField = QStringLiteral("O_Selected");
const QString ActivityNumber = QStringLiteral("TS_Taetigkeit");
const QString ActivityName = QStringLiteral("T_Match");
const QString Interval = QStringLiteral("TS_Modus");
const QString IntervalName = QStringLiteral("AI_Text");
const QString StartDate = QStringLiteral("TS_StartDatum");
const QString GridColumnsKey = QStringLiteral("GridObjekte.Columns");

db::GridColumns siteColumns()
{
    return {
        {SiteNumber, QStringLiteral("Obj.-Nr."), 60, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Match"), QStringLiteral("Suchbegriff"), 140, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Name1"), QStringLiteral("Name 1"), 170, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Strasse"), QStringLiteral("Strasse"), 150, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Plz"), QStringLiteral("Plz"), 55, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Ort"), QStringLiteral("Ort"), 130, db::GridDisplay::Plain, true},
        {QStringLiteral("O_Aktiv"), QStringLiteral("Aktiv"), 45, db::GridDisplay::YesNoNullYes, true},
        {MarkField, QStringLiteral("Wahl"), 45, db::GridDisplay::YesNo},
    };
}

db::GridColumns activityColumns()
{
    return {
        {QStringLiteral("TS_Abschnitt"), QStringLiteral("Abschnitt"), 90, db::GridDisplay::Plain, true},
        {ActivityNumber, QStringLiteral("T.-Nr."), 55, db::GridDisplay::Plain, true},
        {ActivityName,
         QStringLiteral("Bezeichnung der Tätigkeit"),
         170,
         db::GridDisplay::Plain,
         false,
         {QStringLiteral("Taetig"), QStringLiteral("T_Nr"), ActivityNumber}},
        {StartDate, QStringLiteral("Ersttermin"), 80, db::GridDisplay::Plain, true},
        {IntervalName,
         QStringLiteral("Ausf.-Intervall"),
         100,
         db::GridDisplay::Plain,
         false,
         {QStringLiteral("AusfIV"), QStringLiteral("AI_ID"), Interval}},
        {QStringLiteral("TS_Wtag"), QStringLiteral("W-Tage"), 65, db::GridDisplay::Plain, true},
        {QStringLiteral("TS_Dauer"), QStringLiteral("Dauer (Min.)"), 85, db::GridDisplay::TwoDecimals, true},
    };
}

MasterTable siteActivityTable()
{
    return {QStringLiteral("OTaetNeu"), QStringLiteral("TS_ID"), {}, MasterDataTexts::DeleteActivity, {}};
}

constexpr app::RecordNavigator::Buttons NavigatorButtons =
    app::RecordNavigator::First | app::RecordNavigator::Prior | app::RecordNavigator::Next |
    app::RecordNavigator::Last | app::RecordNavigator::Insert | app::RecordNavigator::Delete |
    app::RecordNavigator::Cancel | app::RecordNavigator::Refresh;

void useInfoColour(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    widget->setPalette(palette);
}

} // namespace

TF_Objekt::TF_Objekt(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
    : MasterDataDialog(dirs, QStringLiteral("Objekt"), app::PlacementKind::WithState, siteTable(), siteColumns(),
                       prompt, parent),
      m_sites(editor())
{
    setObjectName(QStringLiteral("TF_Objekt"));
    setWindowTitle(QStringLiteral("Objekte"));
    buildWindow(dirs);
    buildMenus();
    resize(900, 680);
    placeWindow();
    restoreColumnWidths(*m_sites->grid(), storage(), GridColumnsKey);

    m_sites->setMarkColumn(MarkField);
    m_sites->onDoubleClick(MarkField, [this] { m_sites->invertMark(MarkField, false); });
    m_sites->onDoubleClick(SiteNumber, [this] { m_sites->proposeNumber(); });
    m_sites->onDoubleClick(QStringLiteral("O_Email"),
                           [this] { app::sendMail(m_sites->record().value(QStringLiteral("O_Email")).toString()); });
    m_sites->onDoubleClick(QStringLiteral("O_Website"), [this] {
        app::openWebSite(m_sites->record().value(QStringLiteral("O_Website")).toString());
    });
    m_activities->onDoubleClick(ActivityNumber, [this] { chooseActivity(); });
    m_activities->onDoubleClick(ActivityName, [this] { chooseActivity(); });
    m_activities->onDoubleClick(IntervalName, [this] { chooseInterval(); });
    m_activities->onDoubleClick(StartDate, [this] { pickStartDate(); });
    m_activities->setNewRecordValues([this] {
        QVariantMap values =
            newSiteActivityValues(m_sites->record().value(SiteKey).toInt(), m_sites->record().value(SiteNumber).toInt(),
                                  QDate::currentDate(), m_sites->record().database());
        values.remove(QStringLiteral("TS_ID"));
        return values;
    });
    m_activities->linkToMaster(*m_sites, SiteKey, QStringLiteral("TS_ObjID"));
    connect(m_activities, &MasterEditor::currentChanged, this, &TF_Objekt::showLongText);

    m_pages->setCurrentIndex(0);
    // The activities open empty and follow the current site from then on.
    if (m_activities->open(db::SqlFilter{QStringLiteral("0")}) && m_sites->open(siteFilter(filterMode()))) {
        m_sites->sortBy(SiteNumber);
        m_activities->grid()->sortGridByField(QStringLiteral("TS_Abschnitt"));
    }
}

void TF_Objekt::buildWindow(const app::ClientDirs &dirs)
{
    const EditorTopBar top = makeEditorTopBar(*m_sites, dirs.manualPage(QLatin1String(app::ManualPage::Sites)), this);
    m_active = new QCheckBox(QStringLiteral("Aktive"), this);
    m_active->setObjectName(QStringLiteral("cbAktive"));
    m_active->setChecked(true);
    m_inactive = new QCheckBox(QStringLiteral("Inaktive"), this);
    m_inactive->setObjectName(QStringLiteral("cbInaktive"));
    connect(m_active, &QCheckBox::clicked, this, &TF_Objekt::applyFilter);
    connect(m_inactive, &QCheckBox::clicked, this, &TF_Objekt::applyFilter);
    auto *post = new QPushButton(QStringLiteral("Übernehmen"), this);
    post->setObjectName(QStringLiteral("btnUebernehmen"));
    post->setToolTip(QStringLiteral("F10"));
    post->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("btnAbbrechen"));
    cancel->setToolTip(QStringLiteral("Alt+Rücktaste"));
    cancel->setAutoDefault(false);
    for (QWidget *control : {static_cast<QWidget *>(m_active), static_cast<QWidget *>(m_inactive),
                             static_cast<QWidget *>(post), static_cast<QWidget *>(cancel)})
        top.layout->insertWidget(top.layout->count() - 1, control);

    db::SortGridView *grid = m_sites->grid();
    grid->setObjectName(QStringLiteral("GridObjekte"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildSitePage(), QStringLiteral("Grunddaten"));
    m_pages->addTab(buildActivityPage(), QStringLiteral("Tätigkeiten"));

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(grid);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(0, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top.layout);
    layout->addWidget(splitter, 1);

    m_sites->attachPostCancel(post, cancel);
    // Ctrl+PageDown goes to the page shown below, Ctrl+PageUp from there back to the list.
    QWidget *firstField = m_pageFields.first();
    m_pages->setFocusProxy(firstField);
    connect(m_pages, &QTabWidget::currentChanged, this,
            [this, firstField](int page) { m_pages->setFocusProxy(page == 0 ? firstField : m_activities->grid()); });
    m_sites->addFocusJump(grid, Qt::Key_PageDown, m_pages);
    m_sites->addFocusJump(top.searchBox, Qt::Key_PageDown, m_pages);
    for (QWidget *field : std::as_const(m_pageFields))
        m_sites->addFocusJump(field, Qt::Key_PageUp, grid);
}

QWidget *TF_Objekt::buildSitePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *layout = new QGridLayout(page);
    struct Item {
        const char *label;
        const char *name;
        const char *field;
        int row;
        int column;
        int span;
    };
    // Number and contact on the left, the address on the right; Plz and Ort share a row.
    static const Item items[] = {
        {"Obj-Nr.", "edObjNr", "O_Nr", 0, 0, 3},
        {"Suchbegriff", "edMatch", "O_Match", 1, 0, 3},
        {"Telefon", "edTelefon", "O_Telefon", 2, 0, 3},
        {"Handy", "edHandy", "O_Handy", 3, 0, 3},
        {"Fax", "edFax", "O_Fax", 4, 0, 3},
        {"Email", "edEmail", "O_Email", 5, 0, 3},
        {"Website", "edWebsite", "O_Website", 6, 0, 3},
        {"Name 1", "edName1", "O_Name1", 0, 4, 3},
        {"Name 2", "edName2", "O_Name2", 1, 4, 3},
        {"Name 3", "edName3", "O_Name3", 2, 4, 3},
        {"Straße", "edStrasse", "O_Strasse", 3, 4, 3},
        {"Plz/", "edPlz", "O_Plz", 4, 4, 1},
        {"Ort", "edOrt", "O_Ort", 4, 6, 1},
        {"Sachbearbeiter", "edSachbearbeiter", "O_Sachbearbeiter", 5, 4, 3},
    };
    for (const Item &item : items) {
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QLatin1String(item.name));
        m_sites->bindField(edit, QLatin1String(item.field));
        m_pageFields << edit;
        auto *label = new QLabel(QString::fromUtf8(item.label), page);
        label->setBuddy(edit);
        layout->addWidget(label, item.row, item.column);
        layout->addWidget(edit, item.row, item.column + 1, 1, item.span);
    }
    layout->setColumnMinimumWidth(3, 24);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(5, 1);
    layout->setColumnStretch(7, 2);
    layout->setRowStretch(7, 1);
    auto *number = page->findChild<QLineEdit *>(QStringLiteral("edObjNr"));
    number->setToolTip(QStringLiteral("Doppelklick für Nummern-Vorschlag"));
    auto *match = page->findChild<QLineEdit *>(QStringLiteral("edMatch"));
    match->setToolTip(QStringLiteral("Suchbegriff eingeben"));
    useInfoColour(number);
    useInfoColour(match);
    return page;
}

QWidget *TF_Objekt::buildActivityPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *activityGroup = new QGroupBox(QStringLiteral("Tätigkeiten"), page);
    activityGroup->setObjectName(QStringLiteral("GroupTaetigkeiten"));
    // The group is the detail editor's "window": the dialog's F10 and Alt+Backspace stay with the sites.
    m_activities = new MasterEditor(siteActivityTable(), activityColumns(), prompt(), activityGroup);
    db::SortGridView *grid = m_activities->grid();
    grid->setObjectName(QStringLiteral("GridTaetigkeiten"));
    auto *navigator = new app::RecordNavigator(NavigatorButtons, activityGroup);
    navigator->setObjectName(QStringLiteral("DBNavigator2"));
    m_activities->attachNavigator(navigator);
    auto *activityLayout = new QVBoxLayout(activityGroup);
    activityLayout->addWidget(navigator, 0, Qt::AlignLeft);
    activityLayout->addWidget(grid, 1);

    auto *textGroup = new QGroupBox(QStringLiteral("Langtext"), page);
    textGroup->setObjectName(QStringLiteral("GroupLangtext"));
    m_longText = new QTextEdit(textGroup);
    m_longText->setObjectName(QStringLiteral("MemoLangtext"));
    m_longText->setReadOnly(true);
    auto *textLayout = new QVBoxLayout(textGroup);
    textLayout->addWidget(m_longText);

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(activityGroup, 4);
    layout->addWidget(textGroup, 1);
    m_pageFields << grid;
    return page;
}

void TF_Objekt::buildMenus()
{
    db::SortGridView *sites = m_sites->grid();
    m_siteMenu = new QMenu(this);
    m_siteMenu->setObjectName(QStringLiteral("PopupObjekte"));
    m_siteMenu->addAction(QStringLiteral("Alle ein"), this, [this] { markAllSites(true); });
    m_siteMenu->addAction(QStringLiteral("Alle aus"), this, [this] { markAllSites(false); });
    m_siteMenu->addAction(QStringLiteral("Abbrechen"));
    sites->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sites, &QWidget::customContextMenuRequested, this, &TF_Objekt::showSiteMenu);

    db::SortGridView *activities = m_activities->grid();
    m_activityMenu = new QMenu(this);
    m_activityMenu->setObjectName(QStringLiteral("PopupTaetigkeiten"));
    m_activityMenu->addAction(QStringLiteral("Kopieren von Objekt"), this, &TF_Objekt::copyFromSite);
    m_activityMenu->addAction(QStringLiteral("Abbrechen"));
    activities->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(activities, &QWidget::customContextMenuRequested, this, [this, activities](const QPoint &position) {
        m_activityMenu->popup(activities->viewport()->mapToGlobal(position));
    });
}

int TF_Objekt::filterMode() const
{
    return siteFilterMode(m_active->isChecked(), m_inactive->isChecked());
}

void TF_Objekt::applyFilter()
{
    m_sites->setFilter(siteFilter(filterMode()));
}

void TF_Objekt::showSiteMenu(const QPoint &position)
{
    // The menu only serves the selection marks: on any other column it does not open.
    db::SortGridView *grid = m_sites->grid();
    const QModelIndex index = grid->currentIndex();
    if (!index.isValid() || grid->gridModel()->columns()[index.column()].field != MarkField)
        return;
    m_siteMenu->popup(grid->viewport()->mapToGlobal(position));
}

void TF_Objekt::markAllSites(bool selected)
{
    if (!m_sites->commitEdit())
        return;
    setAllSitesSelected(selected, m_sites->record().database()); // a failure shows as unchanged marks
    m_sites->refreshRows();
}

void TF_Objekt::showLongText()
{
    const MasterRecord &row = m_activities->record();
    m_longText->setPlainText(row.hasRecord()
                                 ? activityLongText(row.value(ActivityNumber).toInt(), m_sites->record().database())
                                 : QString());
}

void TF_Objekt::chooseActivity()
{
    if (!m_activities->record().hasRecord())
        return;
    const int current = m_activities->record().value(ActivityNumber).toInt();
    const int chosen =
        masterdata::chooseActivity(current, {440, x() + 50, y() + 50}, m_activitySortField, prompt(), this);
    if (chosen != current)
        m_activities->setFieldValue(ActivityNumber, chosen);
}

void TF_Objekt::chooseInterval()
{
    if (!m_activities->record().hasRecord())
        return;
    const int current = m_activities->record().value(Interval).toInt();
    QString sortField = QStringLiteral("A_Sort");
    const int chosen = chooseExecutionInterval(current, {385, x() + 100, y() + 50}, sortField, prompt(), this);
    if (chosen != current)
        m_activities->setFieldValue(Interval, chosen);
}

void TF_Objekt::pickStartDate()
{
    if (!m_activities->record().hasRecord())
        return;
    db::SortGridView *grid = m_activities->grid();
    const QPoint cell = grid->viewport()->mapTo(this, grid->visualRect(grid->currentIndex()).bottomLeft());
    stats::ui::TF_Kalender::pickAt(cell.x(), cell.y(), m_activities->record().value(StartDate).toDate(),
                                   [this](const QDate &date) { m_activities->setFieldValue(StartDate, date); });
}

void TF_Objekt::copyFromSite()
{
    if (!m_activities->commitEdit() || !m_sites->commitEdit() || !m_sites->record().hasRecord())
        return;
    const int siteId = m_sites->record().value(SiteKey).toInt();
    const int siteNr = m_sites->record().value(SiteNumber).toInt();
    QString sortField = SiteNumber;
    const int chosen = chooseSite(siteNr, {400, x() + 240, y() + 140}, sortField, prompt(), this);
    if (chosen == 0)
        return;
    const int sourceId = db::siteKeyByNumber(chosen, m_sites->record().database());
    if (sourceId == 0)
        return;
    const CopyResult copy =
        copySiteActivities(sourceId, siteId, siteNr, QDate::currentDate(), m_sites->record().database());
    if (!copy.result.ok)
        prompt().error(MasterDataTexts::ActivitiesNotCopied.arg(copy.result.error));
    m_activities->refreshRows();
}

void TF_Objekt::done(int result)
{
    if (m_activities->commitEdit())
        MasterDataDialog::done(result);
}

void TF_Objekt::saveSettings()
{
    saveColumnWidths(*m_sites->grid(), storage(), GridColumnsKey);
}

} // namespace tekvora::masterdata
