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
    : QDialog(parent), m_storage(dirs.settingsFile(), QStringLiteral("Personal")),
      m_editor(new MasterEditor(staffTable(), staffColumns(), prompt, this))
{
    setObjectName(QStringLiteral("TF_Personal"));
    setWindowTitle(QStringLiteral("Mitarbeiter"));
    buildWindow(dirs);
    resize(860, 600);
    placeEditorWindow(*this, m_storage, app::PlacementKind::WithState);
    restoreColumnWidths(*m_editor->grid(), m_storage, GridColumnsKey);
    m_pages->setCurrentIndex(std::clamp(m_storage.value(ActivePageKey, 0).toInt(), 0, m_pages->count() - 1));

    m_editor->onDoubleClick(NumberField, [this] { m_editor->proposeNumber(); });
    m_editor->onDoubleClick(ActiveField, [this] { m_editor->invertMark(ActiveField, false); });
    m_editor->onDoubleClick(BirthdayField, [this] { pickBirthday(); });
    m_editor->onDoubleClick(QStringLiteral("P_Email"),
                            [this] { app::sendMail(m_editor->record().value(QStringLiteral("P_Email")).toString()); });
    if (m_editor->open())
        applyActiveFilter();
}

void TF_Personal::buildWindow(const app::ClientDirs &dirs)
{
    const EditorTopBar top = makeEditorTopBar(*m_editor, dirs.manualPage(QLatin1String(app::ManualPage::Staff)), this);
    m_onlyActive = new QCheckBox(QStringLiteral("nur Aktive"), this);
    m_onlyActive->setObjectName(QStringLiteral("CheckBoxAktiv"));
    m_onlyActive->setChecked(true);
    connect(m_onlyActive, &QCheckBox::toggled, this, &TF_Personal::applyActiveFilter);
    top.layout->insertWidget(top.layout->count() - 1, m_onlyActive);

    db::SortGridView *grid = m_editor->grid();
    grid->setObjectName(QStringLiteral("GridPersonal"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    const int page = m_pages->addTab(buildPage(), QStringLiteral("Grunddaten"));
    m_pages->setTabToolTip(page, QStringLiteral("Name und Telefon des Mitarbeiters"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top.layout);
    layout->addWidget(grid, 1);
    layout->addWidget(m_pages);

    m_editor->addFocusJump(grid, Qt::Key_PageUp, top.searchBox);
    if (!m_pageFields.isEmpty())
        m_editor->addFocusJump(grid, Qt::Key_PageDown, m_pageFields.first());
    for (QLineEdit *field : std::as_const(m_pageFields))
        m_editor->addFocusJump(field, Qt::Key_PageUp, grid);
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
    page->findChild<QLineEdit *>(QStringLiteral("EditNr"))
        ->setToolTip(QStringLiteral("Doppelklick für Nummern-Vorschlag"));
    return page;
}

QLineEdit *TF_Personal::addField(const QString &objectName, const QString &field)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    m_editor->bindField(edit, field);
    m_pageFields << edit;
    return edit;
}

void TF_Personal::applyActiveFilter()
{
    m_editor->setFilter(m_onlyActive->isChecked() ? db::SqlFilter{QStringLiteral("\"P_Aktiv\" = 1")} : db::SqlFilter{});
}

void TF_Personal::pickBirthday()
{
    if (!m_editor->record().hasRecord())
        return;
    stats::ui::TF_Kalender::pickForField(m_birthday, m_editor->record().value(BirthdayField).toDate(),
                                         [this](const QDate &date) { m_editor->setFieldValue(BirthdayField, date); });
}

bool TF_Personal::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Back from the calendar or another dialog the list is in number order again.
        m_editor->sortBy(NumberField);
        m_editor->grid()->setFocus();
    }
    return handled;
}

void TF_Personal::done(int result)
{
    if (!m_editor->commitEdit())
        return;
    m_storage.savePlacement(*this, app::PlacementKind::WithState);
    saveColumnWidths(*m_editor->grid(), m_storage, GridColumnsKey);
    m_storage.setValue(ActivePageKey, m_pages->currentIndex());
    QDialog::done(result);
}

} // namespace tekvora::masterdata
