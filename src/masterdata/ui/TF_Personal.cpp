#include "masterdata/ui/TF_Personal.h"

#include "app/ClientDirs.h"
#include "app/ui/LinkOpening.h"
#include "db/ui/SortGridView.h"
#include "masterdata/ui/EditorWindow.h"
#include "masterdata/ui/MasterEditor.h"
#include "stats/ui/TF_Kalender.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tekvora::masterdata {

namespace {

const QString NumberField = QStringLiteral("P_Nr");
const QString ActiveField = QStringLiteral("P_Aktiv");
const QString BirthdayField = QStringLiteral("P_Geburtsdatum");
const QString GridColumnsKey = QStringLiteral("GridPersonal.Columns");
const QString ActivePageKey = QStringLiteral("PageControl1.ActivePage");

db::GridColumns staffColumns()
{
    return {
        {NumberField, QStringLiteral("P.-Nr"), 60, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Match"), QStringLiteral("Suchbegriff"), 130, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Name1"), QStringLiteral("Name"), 140, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Vorname"), QStringLiteral("Vorname"), 110, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Plz"), QStringLiteral("Plz"), 55, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Ort"), QStringLiteral("Ort"), 130, db::GridDisplay::Plain, true},
        {QStringLiteral("P_Telefon"), QStringLiteral("Telefon"), 110, db::GridDisplay::Plain, true},
        {ActiveField, QStringLiteral("Aktiv"), 45, db::GridDisplay::YesNo},
    };
}

} // namespace

TF_Personal::TF_Personal(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
    : MasterDataDialog(dirs, QStringLiteral("Personal"), app::PlacementKind::WithState, staffTable(), staffColumns(),
                       prompt, parent)
{
    setObjectName(QStringLiteral("TF_Personal"));
    setWindowTitle(QStringLiteral("Mitarbeiter"));
    buildWindow(dirs);
    resize(860, 600);
    placeWindow();
    restoreColumnWidths(*editor()->grid(), storage(), GridColumnsKey);
    m_pages->setCurrentIndex(std::clamp(storage().value(ActivePageKey, 0).toInt(), 0, m_pages->count() - 1));

    editor()->onDoubleClick(NumberField, [this] { editor()->proposeNumber(); });
    editor()->onDoubleClick(ActiveField, [this] { editor()->invertMark(ActiveField, false); });
    editor()->onDoubleClick(BirthdayField, [this] { pickBirthday(); });
    editor()->onDoubleClick(QStringLiteral("P_Email"),
                            [this] { app::sendMail(editor()->record().value(QStringLiteral("P_Email")).toString()); });
    if (editor()->open())
        applyActiveFilter();
}

void TF_Personal::buildWindow(const app::ClientDirs &dirs)
{
    const EditorTopBar top = makeEditorTopBar(*editor(), dirs.manualPage(QLatin1String(app::ManualPage::Staff)), this);
    m_onlyActive = new QCheckBox(QStringLiteral("nur Aktive"), this);
    m_onlyActive->setObjectName(QStringLiteral("CheckBoxAktiv"));
    m_onlyActive->setChecked(true);
    connect(m_onlyActive, &QCheckBox::toggled, this, &TF_Personal::applyActiveFilter);
    top.layout->insertWidget(top.layout->count() - 1, m_onlyActive);

    db::SortGridView *grid = editor()->grid();
    grid->setObjectName(QStringLiteral("GridPersonal"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    const int page = m_pages->addTab(buildPage(), QStringLiteral("Grunddaten"));
    m_pages->setTabToolTip(page, QStringLiteral("Name und Telefon des Mitarbeiters"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top.layout);
    layout->addWidget(grid, 1);
    layout->addWidget(m_pages);

    editor()->addFocusJump(grid, Qt::Key_PageUp, top.searchBox);
    if (!m_pageFields.isEmpty())
        editor()->addFocusJump(grid, Qt::Key_PageDown, m_pageFields.first());
    for (QLineEdit *field : std::as_const(m_pageFields))
        editor()->addFocusJump(field, Qt::Key_PageUp, grid);
}

QWidget *TF_Personal::buildPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *grid = new QGridLayout(page);
    struct Item {
        const char *label;
        const char *name;
        const char *field;
        int row;
        int column;
    };
    // Two columns of fields as on the paper card: person and phone left, number and address right.
    static const Item items[] = {
        {"Suchbegriff", "EditMatch", "P_Match", 0, 0},
        {"Anrede", "EditAnrede", "P_Anrede", 1, 0},
        {"Name 1", "EditName1", "P_Name1", 2, 0},
        {"Vorname", "EditVorname", "P_Vorname", 3, 0},
        {"Telefon ", "EditTelefon", "P_Telefon", 4, 0},
        {"Handy", "EditHandy", "P_Handy", 5, 0},
        {"Fax", "EditFax", "P_Fax", 6, 0},
        {"E-Mail", "EditEmail", "P_Email", 7, 0},
        {"Name 2", "EditName2", "P_Name2", 0, 2},
        {"Personal-Nr", "EditNr", "P_Nr", 1, 2},
        {"Straße", "EditStrasse", "P_Strasse", 2, 2},
        {"Land", "EditLand", "P_Land", 3, 2},
        {"Plz/", "EditPlz", "P_Plz", 4, 2},
        {"Ort", "EditOrt", "P_Ort", 5, 2},
        {"Geburtsdatum", "EditGeburtsdatum", "P_Geburtsdatum", 6, 2},
    };
    for (const Item &item : items) {
        QLineEdit *edit = addField(QLatin1String(item.name), QLatin1String(item.field));
        auto *label = new QLabel(QString::fromUtf8(item.label), page);
        label->setBuddy(edit);
        grid->addWidget(label, item.row, item.column);
        grid->addWidget(edit, item.row, item.column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(8, 1);
    m_birthday = page->findChild<QLineEdit *>(QStringLiteral("EditGeburtsdatum"));
    m_birthday->setReadOnly(true);
    m_birthday->setToolTip(QStringLiteral("Doppelklick öffnet den Kalender"));
    auto *number = page->findChild<QLineEdit *>(QStringLiteral("EditNr"));
    number->setToolTip(QStringLiteral("Doppelklick für Nummern-Vorschlag"));
    // Number and search term are what the employee is found by: shown in the info colour.
    for (QLineEdit *key : {number, page->findChild<QLineEdit *>(QStringLiteral("EditMatch"))}) {
        QPalette palette = key->palette();
        palette.setColor(QPalette::Base, QGuiApplication::palette().color(QPalette::ToolTipBase));
        key->setPalette(palette);
    }
    return page;
}

QLineEdit *TF_Personal::addField(const QString &objectName, const QString &field)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    editor()->bindField(edit, field);
    m_pageFields << edit;
    return edit;
}

void TF_Personal::applyActiveFilter()
{
    editor()->setFilter(m_onlyActive->isChecked() ? db::SqlFilter{QStringLiteral("\"P_Aktiv\" = 1")} : db::SqlFilter{});
}

void TF_Personal::pickBirthday()
{
    if (!editor()->record().hasRecord())
        return;
    stats::ui::TF_Kalender::pickForField(m_birthday, editor()->record().value(BirthdayField).toDate(),
                                         [this](const QDate &date) { editor()->setFieldValue(BirthdayField, date); });
}

bool TF_Personal::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Back from the calendar or another dialog the list is in number order again.
        editor()->sortBy(NumberField);
        editor()->grid()->setFocus();
    }
    return handled;
}

void TF_Personal::saveSettings()
{
    saveColumnWidths(*editor()->grid(), storage(), GridColumnsKey);
    storage().setValue(ActivePageKey, m_pages->currentIndex());
}

} // namespace tekvora::masterdata
