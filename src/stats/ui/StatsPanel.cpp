#include "stats/ui/StatsPanel.h"

#include "app/AppState.h"
#include "app/Durations.h"
#include "app/UserPrompt.h"
#include "stats/StatsQuery.h"
#include "stats/ui/GridFooter.h"
#include "stats/ui/StatsGrid.h"
#include "stats/ui/StatsTableModel.h"
#include "stats/ui/TFrSelJahrMon.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tekvora::stats {

namespace {

constexpr app::RecordNavigator::Buttons GridButtons = app::RecordNavigator::First | app::RecordNavigator::PriorPage
                                                 | app::RecordNavigator::Prior | app::RecordNavigator::Next
                                                 | app::RecordNavigator::NextPage | app::RecordNavigator::Last
                                                 | app::RecordNavigator::Refresh | app::RecordNavigator::Filter;

QLineEdit *readOnlyBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

int indexOf(StatsView view)
{
    return int(view) - 1;
}

} // namespace

StatsPanel::StatsPanel(QString connectionName, app::UserPrompt &prompt, QWidget *parent)
    : QWidget(parent), m_connection(std::move(connectionName)), m_prompt(prompt),
      m_period(StatsPeriod::monthOf(QDate::currentDate())), m_selector(new ui::TFrSelJahrMon(this)),
      m_tabs(new QTabWidget(this)),
      m_hourFormat(new QCheckBox(QStringLiteral("Stundenformat hh:mm"), this)),
      m_apply(new QPushButton(QStringLiteral("Anwenden"), this)),
      m_sitesActivity(readOnlyBox(QStringLiteral("edSitesActivityText"), this)),
      m_personsActivity(readOnlyBox(QStringLiteral("edPersonsActivityText"), this)),
      m_activitiesPerson(readOnlyBox(QStringLiteral("edActivitiesPerson"), this)),
      m_activitiesSite(readOnlyBox(QStringLiteral("edActivitiesSite"), this))
{
    setObjectName(QStringLiteral("StatsPanel"));
    refreshPlannerStatistics(QSqlDatabase::database(m_connection));
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_hourFormat->setObjectName(QStringLiteral("cbStundenformat"));
    m_apply->setObjectName(QStringLiteral("btnAnwenden"));

    for (StatsView view : {StatsView::Sites, StatsView::Persons, StatsView::Activities, StatsView::Accumulated}) {
        m_grids[indexOf(view)] = new StatsGrid(viewDefinition(view), GridButtons, true, this);
        m_grids[indexOf(view)]->setObjectName(QStringLiteral("grid%1").arg(int(view)));
    }
    m_visitPersons = new StatsGrid(visitPersonsDefinition(),
                                   app::RecordNavigator::First | app::RecordNavigator::Prior | app::RecordNavigator::Next
                                       | app::RecordNavigator::Last,
                                   false, this);
    m_visitPersons->setObjectName(QStringLiteral("gridVisitPersons"));

    // Upper part: the period and what applies it.
    auto *periodBox = new QGroupBox(QStringLiteral("Anzeige einschränken auf den Zeitraum"), this);
    periodBox->setObjectName(QStringLiteral("gbZeitraum"));
    // A narrow window may cut the selector off rather than refuse its width.
    periodBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *periodLayout = new QHBoxLayout(periodBox);
    periodLayout->addWidget(m_selector);
    auto *side = new QVBoxLayout;
    side->addWidget(m_apply);
    side->addStretch();
    side->addWidget(m_hourFormat);
    periodLayout->addLayout(side);
    periodLayout->addStretch();

    // Tab 1: visits with their persons below.
    auto *sites = new QWidget(this);
    sites->setObjectName(QStringLiteral("TabSheet1"));
    auto *split = new QSplitter(Qt::Vertical, sites);
    split->addWidget(m_grids[0]);
    auto *detail = new QWidget(split);
    auto *detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addWidget(new QLabel(QStringLiteral("Personen"), detail));
    detailLayout->addWidget(m_visitPersons, 1);
    auto *sitesText = new QFormLayout;
    sitesText->addRow(QStringLiteral("Tätigkeitstext"), m_sitesActivity);
    detailLayout->addLayout(sitesText);
    split->addWidget(detail);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto *sitesLayout = new QVBoxLayout(sites);
    sitesLayout->addWidget(split);

    auto *persons = new QWidget(this);
    persons->setObjectName(QStringLiteral("TabSheet2"));
    auto *personsLayout = new QVBoxLayout(persons);
    personsLayout->addWidget(m_grids[1], 1);
    auto *personsText = new QFormLayout;
    personsText->addRow(QStringLiteral("Tätigkeitstext"), m_personsActivity);
    personsLayout->addLayout(personsText);

    auto *activities = new QWidget(this);
    activities->setObjectName(QStringLiteral("TabSheet3"));
    auto *activitiesLayout = new QVBoxLayout(activities);
    activitiesLayout->addWidget(m_grids[2], 1);
    auto *activitiesText = new QFormLayout;
    activitiesText->addRow(QStringLiteral("Mitarbeiter"), m_activitiesPerson);
    activitiesText->addRow(QStringLiteral("Objekt"), m_activitiesSite);
    activitiesLayout->addLayout(activitiesText);

    auto *accumulated = new QWidget(this);
    accumulated->setObjectName(QStringLiteral("TabSheet4"));
    auto *accumulatedLayout = new QVBoxLayout(accumulated);
    accumulatedLayout->addWidget(m_grids[3]);

    m_tabs->addTab(sites, QStringLiteral("Erfassung Objekte"));
    m_tabs->addTab(persons, QStringLiteral("Erfassung Mitarbeiter"));
    m_tabs->addTab(activities, QStringLiteral("Erfassung Tätigkeiten"));
    m_tabs->addTab(accumulated, QStringLiteral("Objekt-Kumulation"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(periodBox);
    layout->addWidget(m_tabs, 1);

    connect(m_apply, &QPushButton::clicked, this, &StatsPanel::apply);
    connect(m_hourFormat, &QCheckBox::clicked, this, &StatsPanel::hourFormatClicked);
    connect(m_tabs, &QTabWidget::currentChanged, this, &StatsPanel::tabShown);
    for (StatsView view : {StatsView::Sites, StatsView::Persons, StatsView::Activities, StatsView::Accumulated}) {
        StatsGrid *g = m_grids[indexOf(view)];
        connect(g, &StatsGrid::refreshRequested, this, &StatsPanel::refresh);
        connect(g, &StatsGrid::filterChanged, this, &StatsPanel::refresh);
        connect(g, &StatsGrid::currentRowChanged, this, [this, view](int row) { followRow(view, row); });
    }
    connect(m_visitPersons, &StatsGrid::currentRowChanged, this, [this](int row) {
        m_sitesActivity->setText(m_visitPersons->model()->fieldValue(row, QStringLiteral("SC_TaetigText")).toString());
    });
    activate();
}

void StatsPanel::activate()
{
    syncHourFormat();
    m_selector->setUp(QDate::currentDate(), -6);
    m_selector->setRange(m_period.start, m_period.end);
}

void StatsPanel::apply()
{
    setPeriod({m_selector->start(), m_selector->end()});
}

StatsGrid *StatsPanel::grid(StatsView view) const
{
    return m_grids[indexOf(view)];
}

void StatsPanel::setPeriod(const StatsPeriod &period)
{
    m_period = period;
    m_selector->setRange(period.start, period.end);
    refresh();
}

void StatsPanel::syncHourFormat()
{
    const bool on = app::appState().hourMinuteFormat;
    m_hourFormat->setChecked(on);
    for (StatsGrid *g : m_grids)
        g->model()->setHourMinuteFormat(on);
    m_visitPersons->model()->setHourMinuteFormat(on);
}

void StatsPanel::hourFormatClicked(bool on)
{
    app::appState().hourMinuteFormat = on;
    syncHourFormat();
    refresh();
}

void StatsPanel::tabShown(int index)
{
    const StatsView shown = static_cast<StatsView>(index + 1);
    if (shown == m_view)
        return;
    closeView(m_view);
    m_view = shown;
    refresh();
}

void StatsPanel::closeView(StatsView view)
{
    grid(view)->model()->close();
    if (view == StatsView::Sites)
        m_visitPersons->model()->close();
}

void StatsPanel::closeCurrentView()
{
    closeView(m_view);
}

bool StatsPanel::load(StatsGrid *g, StatsView view)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!viewTableExists(db, view)) {
        g->model()->close();
        return true;
    }
    QString error;
    if (!g->model()->load(db, viewRowsSql(view, m_period, g->filter()), &error)) {
        m_prompt.error(error);
        return false;
    }
    return true;
}

void StatsPanel::refresh()
{
    StatsGrid *g = grid(m_view);
    load(g, m_view);
    showFooter(m_view);
    g->rowsReloaded();
    if (m_view == StatsView::Sites)
        emit sitesRowsChanged(sitesHaveRows());
}

void StatsPanel::showFooter(StatsView view)
{
    StatsGrid *g = grid(view);
    const ViewDefinition &def = viewDefinition(view);
    QString error;
    const auto sums = viewFooterSums(QSqlDatabase::database(m_connection), view, m_period, g->filter(), &error);
    QStringList texts(def.columns.size());
    if (sums) {
        for (int i = 0; i < def.footerFields.size(); ++i)
            texts[def.columnOf(def.footerFields.at(i))] =
                app::hoursDisplayText(sums->at(i), app::appState().hourMinuteFormat);
    }
    g->footer()->setTexts(texts);
}

void StatsPanel::followRow(StatsView view, int row)
{
    StatsTableModel *model = grid(view)->model();
    switch (view) {
    case StatsView::Sites:
        loadVisitPersons(row);
        break;
    case StatsView::Persons:
        m_personsActivity->setText(model->fieldValue(row, QStringLiteral("SC_TaetigText")).toString());
        break;
    case StatsView::Activities:
        m_activitiesPerson->setText(model->fieldValue(row, QStringLiteral("SC_Persname")).toString());
        m_activitiesSite->setText(model->fieldValue(row, QStringLiteral("SC_ObjBez")).toString());
        break;
    case StatsView::Accumulated:
        break;
    }
}

void StatsPanel::loadVisitPersons(int row)
{
    StatsTableModel *persons = m_visitPersons->model();
    const qint64 visit = grid(StatsView::Sites)->model()->fieldValue(row, QStringLiteral("SC_ID")).toLongLong();
    QString error;
    if (row < 0 || !persons->load(QSqlDatabase::database(m_connection), visitPersonsSql(visit), &error))
        persons->close();
    m_visitPersons->rowsReloaded();
}

qint64 StatsPanel::currentVisitId() const
{
    const StatsGrid *g = grid(StatsView::Sites);
    return g->model()->fieldValue(g->currentRow(), QStringLiteral("SC_ID")).toLongLong();
}

void StatsPanel::reopenAtVisit(qint64 visitId)
{
    refresh();
    StatsGrid *g = grid(StatsView::Sites);
    const int row = g->model()->rowOfId(visitId);
    if (row >= 0)
        g->setCurrentRow(row);
}

bool StatsPanel::sitesHaveRows() const
{
    return m_view == StatsView::Sites && grid(StatsView::Sites)->model()->rowCount() > 0;
}

} // namespace tekvora::stats
