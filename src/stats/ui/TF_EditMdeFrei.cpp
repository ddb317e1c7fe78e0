#include "stats/ui/TF_EditMdeFrei.h"

#include "app/AppState.h"
#include "app/Placement.h"
#include "app/UserPrompt.h"
#include "db/Numbers.h"
#include "stats/MdeEditor.h"
#include "stats/StatsStorage.h"
#include "stats/StatsTexts.h"
#include "stats/ui/EditTableModel.h"
#include "stats/ui/GridColumns.h"
#include "stats/ui/TF_Kalender.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace tekvora::stats {

namespace {

constexpr app::RecordNavigator::Buttons EditButtons =
    app::RecordNavigator::First | app::RecordNavigator::Prior | app::RecordNavigator::Next | app::RecordNavigator::Last
    | app::RecordNavigator::Insert | app::RecordNavigator::Delete | app::RecordNavigator::Post | app::RecordNavigator::Cancel
    | app::RecordNavigator::Refresh;

QTableView *makeGrid(const QString &name, EditTableModel *model, QWidget *parent)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                          | QAbstractItemView::SelectedClicked);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    fitColumnsToWidth(grid, model->columns());
    return grid;
}

void moveTo(QTableView *grid, int row)
{
    const int rows = grid->model()->rowCount();
    if (rows == 0)
        return;
    row = qBound(0, row, rows - 1);
    const int column = qMax(0, grid->currentIndex().column());
    grid->setCurrentIndex(grid->model()->index(row, column));
    grid->scrollTo(grid->currentIndex());
}

int currentRowOf(const QTableView *grid)
{
    return grid->currentIndex().isValid() ? grid->currentIndex().row() : -1;
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

TF_EditMdeFrei::TF_EditMdeFrei(QString connectionName, app::UserPrompt &prompt, qint64 visitId,
                               const StatsPeriod &period, QWidget *mainWindow)
    : QDialog(mainWindow), m_connection(std::move(connectionName)), m_prompt(prompt), m_period(period),
      m_visits(new EditTableModel(editVisitsDefinition().columns,
                                  {QStringLiteral("SC_ObjNr"), QStringLiteral("SC_ObjBez"), QStringLiteral("SC_Dauer")},
                                  editVisitsDefinition().extraFields, this)),
      m_persons(new EditTableModel(editPersonsDefinition().columns,
                                   {QStringLiteral("SC_PersNr"), QStringLiteral("SC_Persname"),
                                    QStringLiteral("SC_DauerPers"), QStringLiteral("SC_TaetigNr"),
                                    QStringLiteral("SC_DauerJob")},
                                   editPersonsDefinition().extraFields, this)),
      m_visitGrid(makeGrid(QStringLiteral("gridObjekte"), m_visits, this)),
      m_personGrid(makeGrid(QStringLiteral("gridPersonen"), m_persons, this)), m_from(new QLineEdit(this)),
      m_to(new QLineEdit(this)), m_hourFormat(new QCheckBox(QStringLiteral("Stundenformat hh:mm"), this)),
      m_activityText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TF_EditMdeFrei"));
    setWindowTitle(QStringLiteral("Mde-Freie Erfassungen bearbeiten"));
    if (mainWindow)
        setGeometry(app::relativeGeometry(mainWindow->geometry(), 0, 32, 0, -32));

    m_from->setObjectName(QStringLiteral("edVon"));
    m_to->setObjectName(QStringLiteral("edBis"));
    m_hourFormat->setObjectName(QStringLiteral("cbStundenformat"));
    m_activityText->setObjectName(QStringLiteral("edTaetigkeitstext"));
    m_activityText->setReadOnly(true);
    m_from->installEventFilter(this);
    m_to->installEventFilter(this);
    m_from->setMaximumWidth(100);
    m_to->setMaximumWidth(100);
    auto *apply = new QPushButton(QStringLiteral("Anwenden"), this);
    apply->setObjectName(QStringLiteral("btnAnwenden"));
    auto *zero = new QPushButton(QStringLiteral("Null-Einträge löschen"), this);
    zero->setObjectName(QStringLiteral("btnNullEintraege"));
    auto *longer = new QPushButton(QStringLiteral("Dauer > 10.0 Std löschen"), this);
    longer->setObjectName(QStringLiteral("btnDauer10"));
    auto *close = new QPushButton(QStringLiteral("S&chließen"), this);
    close->setObjectName(QStringLiteral("btnClose"));

    auto *visitNavigator = new app::RecordNavigator(EditButtons, this);
    visitNavigator->setObjectName(QStringLiteral("navObjekte"));
    auto *personNavigator = new app::RecordNavigator(EditButtons, this);
    personNavigator->setObjectName(QStringLiteral("navPersonen"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("von"), this));
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("bis"), this));
    top->addWidget(m_to);
    top->addWidget(apply);
    top->addSpacing(20);
    top->addWidget(m_hourFormat);
    top->addStretch();
    top->addWidget(zero);
    top->addWidget(longer);

    auto *upper = new QWidget(this);
    auto *upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(new QLabel(QStringLiteral("Objekte"), upper));
    upperLayout->addWidget(visitNavigator);
    upperLayout->addWidget(m_visitGrid, 1);
    auto *lower = new QWidget(this);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(new QLabel(QStringLiteral("Mitarbeiter und Tätigkeiten"), lower));
    lowerLayout->addWidget(personNavigator);
    lowerLayout->addWidget(m_personGrid, 1);
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(new QLabel(QStringLiteral("Tätigkeitstext"), lower));
    textRow->addWidget(m_activityText, 1);
    lowerLayout->addLayout(textRow);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(upper);
    split->addWidget(lower);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(apply, &QPushButton::clicked, this, &TF_EditMdeFrei::apply);
    connect(zero, &QPushButton::clicked, this, &TF_EditMdeFrei::deleteZeroEntries);
    connect(longer, &QPushButton::clicked, this, &TF_EditMdeFrei::deleteLongVisits);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_hourFormat, &QCheckBox::clicked, this, &TF_EditMdeFrei::hourFormatClicked);
    connect(visitNavigator, &app::RecordNavigator::clicked, this, &TF_EditMdeFrei::visitAction);
    connect(personNavigator, &app::RecordNavigator::clicked, this, &TF_EditMdeFrei::personAction);
    connect(m_visitGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                visitRowChanged(current.isValid() ? current.row() : -1, previous.isValid() ? previous.row() : -1);
            });
    connect(m_personGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                personRowChanged(current.isValid() ? current.row() : -1, previous.isValid() ? previous.row() : -1);
            });
    connect(m_visitGrid, &QTableView::doubleClicked, this, &TF_EditMdeFrei::visitDoubleClick);
    connect(m_personGrid, &QTableView::doubleClicked, this, &TF_EditMdeFrei::personDoubleClick);
    for (EditTableModel *model : {m_visits, m_persons})
        connect(model, &EditTableModel::inputRejected, this, [this](const QString &text) { m_prompt.error(text); });

    const bool hhmm = app::appState().hourMinuteFormat;
    m_hourFormat->setChecked(hhmm);
    m_visits->setHourMinuteFormat(hhmm);
    m_persons->setHourMinuteFormat(hhmm);
    m_from->setText(dateText(m_period.start));
    m_to->setText(dateText(m_period.end));
    reloadVisits(visitId);
}

TF_EditMdeFrei::~TF_EditMdeFrei() = default;

void TF_EditMdeFrei::done(int result)
{
    if (!postAll())
        return;
    QDialog::done(result);
}

bool TF_EditMdeFrei::eventFilter(QObject *watched, QEvent *event)
{
    // "von" and "bis" take their dates from the calendar on double-click.
    if ((watched == m_from || watched == m_to) && event->type() == QEvent::MouseButtonDblClick) {
        ui::TF_Kalender::pickForEdit(static_cast<QLineEdit *>(watched));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TF_EditMdeFrei::postAll()
{
    return postVisit() && postPerson();
}

bool TF_EditMdeFrei::readPeriod()
{
    const QDate from = QDate::fromString(m_from->text().trimmed(), QStringLiteral("dd.MM.yyyy"));
    const QDate to = QDate::fromString(m_to->text().trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!from.isValid() || !to.isValid()) {
        m_prompt.error(QStringLiteral("Bitte die Daten \"von\" und \"bis\" als TT.MM.JJJJ eingeben."));
        return false;
    }
    m_period = {from, to};
    return true;
}

void TF_EditMdeFrei::apply()
{
    if (!postAll() || !readPeriod())
        return;
    reloadVisits(currentVisitId());
}

void TF_EditMdeFrei::hourFormatClicked(bool on)
{
    app::appState().hourMinuteFormat = on;
    m_visits->setHourMinuteFormat(on);
    m_persons->setHourMinuteFormat(on);
}

void TF_EditMdeFrei::visitDoubleClick(const QModelIndex &index)
{
    const QString field = m_visits->columns().at(index.column()).field;
    if (field != QLatin1String("SC_ObjNr") && field != QLatin1String("SC_ObjBez")) {
        m_visitGrid->edit(index);
        return;
    }
    if (!m_choices.chooseActiveSite)
        return;
    const int current = m_visits->fieldValue(index.row(), QStringLiteral("SC_ObjNr")).toInt();
    const std::optional<int> site = m_choices.chooseActiveSite(this, current);
    if (!site || *site == 0 || *site == current)
        return;
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    m_visits->setFieldValue(index.row(), QStringLiteral("SC_ObjNr"), *site);
    m_visits->setFieldValue(index.row(), QStringLiteral("SC_ObjBez"), db::siteNameByNumber(*site, db));
    postVisit();
}

void TF_EditMdeFrei::personDoubleClick(const QModelIndex &index)
{
    const QString field = m_persons->columns().at(index.column()).field;
    const int row = index.row();
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    if ((field == QLatin1String("SC_PersNr") || field == QLatin1String("SC_Persname")) && m_choices.chooseTourStaff) {
        const int current = m_persons->fieldValue(row, QStringLiteral("SC_PersNr")).toInt();
        const std::optional<int> person = m_choices.chooseTourStaff(this, current);
        if (!person || *person == 0 || *person == current)
            return;
        m_persons->setFieldValue(row, QStringLiteral("SC_PersNr"), *person);
        m_persons->setFieldValue(row, QStringLiteral("SC_Persname"), db::staffNameByNumber(*person, db));
        postPerson();
    } else if (field == QLatin1String("SC_TaetigNr") && m_choices.chooseActivity) {
        const int current = m_persons->fieldValue(row, QStringLiteral("SC_TaetigNr")).toInt();
        const std::optional<int> activity = m_choices.chooseActivity(this, current);
        if (!activity || *activity == 0)
            return;
        m_persons->setFieldValue(row, QStringLiteral("SC_TaetigNr"), *activity);
        m_persons->setFieldValue(row, QStringLiteral("SC_TaetigText"), db::activityNameByNumber(*activity, db));
        postPerson();
    } else if (field != QLatin1String("SC_PersNr") && field != QLatin1String("SC_Persname")
               && field != QLatin1String("SC_TaetigNr")) {
        m_personGrid->edit(index);
    }
}

qint64 TF_EditMdeFrei::currentVisitId() const
{
    return m_visits->fieldValue(currentRowOf(m_visitGrid), QStringLiteral("SC_ID")).toLongLong();
}

qint64 TF_EditMdeFrei::currentPersonId() const
{
    return m_persons->fieldValue(currentRowOf(m_personGrid), QStringLiteral("SC_ID")).toLongLong();
}

void TF_EditMdeFrei::reloadVisits(qint64 visitId)
{
    QString error;
    m_reloading = true;
    if (!m_visits->load(QSqlDatabase::database(m_connection), editVisitsSql(m_period), &error))
        m_prompt.error(error);
    m_reloading = false;
    const int row = m_visits->rowOfId(visitId);
    moveTo(m_visitGrid, row < 0 ? 0 : row);
    reloadPersons();
}

void TF_EditMdeFrei::reloadPersons()
{
    const int row = currentRowOf(m_visitGrid);
    const qint64 keep = currentPersonId();
    QString error;
    m_reloading = true;
    if (row < 0 || (m_visits->pendingIsNew() && m_visits->pendingRow() == row)) {
        m_persons->close();
    } else if (!m_persons->load(QSqlDatabase::database(m_connection),
                                editPersonsSql(m_visits->fieldValue(row, QStringLiteral("SC_TourDate")),
                                               m_visits->fieldValue(row, QStringLiteral("SC_TourID")),
                                               m_visits->fieldValue(row, QStringLiteral("SC_ObjNr"))),
                                &error)) {
        m_prompt.error(error);
    }
    m_reloading = false;
    const int personRow = m_persons->rowOfId(keep);
    moveTo(m_personGrid, personRow < 0 ? 0 : personRow);
    m_activityText->setText(
        m_persons->fieldValue(currentRowOf(m_personGrid), QStringLiteral("SC_TaetigText")).toString());
}

void TF_EditMdeFrei::visitRowChanged(int row, int previous)
{
    if (m_reloading || row == previous)
        return;
    if (m_visits->isPending() && m_visits->pendingRow() != row) {
        if (!postVisit())
            return;
    }
    if (!postPerson())
        return;
    reloadPersons();
}

void TF_EditMdeFrei::personRowChanged(int row, int previous)
{
    if (m_reloading || row == previous)
        return;
    if (m_persons->isPending() && m_persons->pendingRow() != row)
        postPerson();
    m_activityText->setText(m_persons->fieldValue(row, QStringLiteral("SC_TaetigText")).toString());
}

bool TF_EditMdeFrei::postVisit()
{
    if (!m_visits->isPending())
        return true;
    const int row = m_visits->pendingRow();
    const VisitValues values{m_visits->fieldValue(row, QStringLiteral("SC_ObjNr")).toInt(),
                             m_visits->fieldValue(row, QStringLiteral("SC_ObjBez")).toString(),
                             m_visits->fieldValue(row, QStringLiteral("SC_Dauer")).toDouble()};
    MdeEditor editor(QSqlDatabase::database(m_connection));
    qint64 id = m_visits->fieldValue(row, QStringLiteral("SC_ID")).toLongLong();
    bool ok = true;
    if (m_visits->pendingIsNew()) {
        const auto start = dateTimeFromStored(m_visits->fieldValue(row, QStringLiteral("SC_StartTime")));
        const auto added = editor.insertVisit(start, values);
        ok = added.has_value();
        id = added.value_or(0);
    } else {
        ok = editor.updateVisit(id, values);
    }
    if (!ok) {
        m_prompt.error(editor.error());
        return false;
    }
    reloadVisits(id);
    return true;
}

bool TF_EditMdeFrei::postPerson()
{
    if (!m_persons->isPending())
        return true;
    const int row = m_persons->pendingRow();
    const PersonValues values{m_persons->fieldValue(row, QStringLiteral("SC_PersNr")).toInt(),
                              m_persons->fieldValue(row, QStringLiteral("SC_Persname")).toString(),
                              m_persons->fieldValue(row, QStringLiteral("SC_TaetigNr")).toInt(),
                              m_persons->fieldValue(row, QStringLiteral("SC_TaetigText")).toString(),
                              m_persons->fieldValue(row, QStringLiteral("SC_DauerPers")).toDouble(),
                              m_persons->fieldValue(row, QStringLiteral("SC_DauerJob")).toDouble()};
    MdeEditor editor(QSqlDatabase::database(m_connection));
    bool ok = true;
    if (m_persons->pendingIsNew()) {
        ok = editor.insertPerson(currentVisitId(), values).has_value();
    } else {
        ok = editor.updatePerson(m_persons->fieldValue(row, QStringLiteral("SC_ID")).toLongLong(), values);
    }
    if (!ok) {
        m_prompt.error(editor.error());
        return false;
    }
    m_persons->dropPending();
    reloadVisits(currentVisitId()); // the visit's totals moved
    return true;
}

void TF_EditMdeFrei::insertVisit()
{
    if (!postAll())
        return;
    const int row = currentRowOf(m_visitGrid);
    const QVariant start = row >= 0 ? m_visits->fieldValue(row, QStringLiteral("SC_StartTime"))
                                    : storedDateTime(m_period.from());
    const QDateTime begin = dateTimeFromStored(start);
    const int added = m_visits->appendPending({{QStringLiteral("SC_TourDate"), storedDateTime(begin.date().startOfDay())},
                                               {QStringLiteral("SC_StartTime"), start},
                                               {QStringLiteral("SC_EndTime"), start},
                                               {QStringLiteral("SC_ObjNr"), 0},
                                               {QStringLiteral("SC_Dauer"), 0.0},
                                               {QStringLiteral("SC_DauerPers"), 0.0},
                                               {QStringLiteral("SC_DauerJob"), 0.0}});
    m_reloading = true;
    moveTo(m_visitGrid, added);
    m_reloading = false;
    m_persons->close();
}

void TF_EditMdeFrei::insertPerson()
{
    if (!postAll())
        return;
    const int visit = currentRowOf(m_visitGrid);
    if (visit < 0)
        return;
    const QVariant start = m_visits->fieldValue(visit, QStringLiteral("SC_StartTime"));
    const int added = m_persons->appendPending({{QStringLiteral("SC_PersNr"), 0},
                                                {QStringLiteral("SC_StartPers"), start},
                                                {QStringLiteral("SC_EndPers"), start},
                                                {QStringLiteral("SC_DauerPers"), 0.0},
                                                {QStringLiteral("SC_TaetigNr"), 0},
                                                {QStringLiteral("SC_StartJob"), start},
                                                {QStringLiteral("SC_EndJob"), start},
                                                {QStringLiteral("SC_DauerJob"), 0.0}});
    m_reloading = true;
    moveTo(m_personGrid, added);
    m_reloading = false;
}

void TF_EditMdeFrei::deleteVisit()
{
    if (m_visits->pendingIsNew()) {
        m_visits->dropPending();
        reloadPersons();
        return;
    }
    const qint64 id = currentVisitId();
    if (id == 0 || !m_prompt.confirm(StatsTexts::DeleteRecord))
        return;
    m_visits->dropPending();
    m_persons->dropPending();
    MdeEditor editor(QSqlDatabase::database(m_connection));
    if (!editor.deleteVisit(id))
        m_prompt.error(editor.error());
    const int row = currentRowOf(m_visitGrid);
    reloadVisits(0);
    moveTo(m_visitGrid, row);
    reloadPersons();
}

void TF_EditMdeFrei::deletePerson()
{
    if (m_persons->pendingIsNew()) {
        m_persons->dropPending();
        return;
    }
    const qint64 id = currentPersonId();
    if (id == 0 || !m_prompt.confirm(StatsTexts::DeleteRecord))
        return;
    m_persons->dropPending();
    MdeEditor editor(QSqlDatabase::database(m_connection));
    if (!editor.deletePerson(id))
        m_prompt.error(editor.error());
    reloadVisits(currentVisitId());
}

void TF_EditMdeFrei::visitAction(app::RecordNavigator::Button which)
{
    const int row = currentRowOf(m_visitGrid);
    switch (which) {
    case app::RecordNavigator::First:
        moveTo(m_visitGrid, 0);
        break;
    case app::RecordNavigator::Prior:
        moveTo(m_visitGrid, row - 1);
        break;
    case app::RecordNavigator::Next:
        moveTo(m_visitGrid, row + 1);
        break;
    case app::RecordNavigator::Last:
        moveTo(m_visitGrid, m_visits->rowCount() - 1);
        break;
    case app::RecordNavigator::Insert:
        insertVisit();
        break;
    case app::RecordNavigator::Delete:
        deleteVisit();
        break;
    case app::RecordNavigator::Post:
        postVisit();
        break;
    case app::RecordNavigator::Cancel:
        m_visits->dropPending();
        reloadPersons();
        break;
    case app::RecordNavigator::Refresh:
        if (postAll())
            reloadVisits(currentVisitId());
        break;
    default:
        break;
    }
}

void TF_EditMdeFrei::personAction(app::RecordNavigator::Button which)
{
    const int row = currentRowOf(m_personGrid);
    switch (which) {
    case app::RecordNavigator::First:
        moveTo(m_personGrid, 0);
        break;
    case app::RecordNavigator::Prior:
        moveTo(m_personGrid, row - 1);
        break;
    case app::RecordNavigator::Next:
        moveTo(m_personGrid, row + 1);
        break;
    case app::RecordNavigator::Last:
        moveTo(m_personGrid, m_persons->rowCount() - 1);
        break;
    case app::RecordNavigator::Insert:
        insertPerson();
        break;
    case app::RecordNavigator::Delete:
        deletePerson();
        break;
    case app::RecordNavigator::Post:
        postPerson();
        break;
    case app::RecordNavigator::Cancel:
        m_persons->dropPending();
        break;
    case app::RecordNavigator::Refresh:
        if (postAll())
            reloadPersons();
        break;
    default:
        break;
    }
}

void TF_EditMdeFrei::deleteZeroEntries()
{
    if (!postAll() || !m_prompt.confirm(StatsTexts::DeleteZeroEntries))
        return;
    MdeEditor editor(QSqlDatabase::database(m_connection));
    if (!editor.deleteZeroEntries(m_period))
        m_prompt.error(editor.error());
    reloadVisits(currentVisitId());
}

void TF_EditMdeFrei::deleteLongVisits()
{
    if (!postAll())
        return;
    const qint64 keep = currentVisitId();
    if (!m_prompt.confirm(StatsTexts::DeleteLongVisits))
        return;
    MdeEditor editor(QSqlDatabase::database(m_connection));
    if (!editor.deleteLongVisits(m_period))
        m_prompt.error(editor.error());
    reloadVisits(keep);
}

} // namespace tekvora::stats
