#include "StatsFixture.h"
#include "app/AppState.h"
#include "stats/ui/GridFooter.h"
#include "stats/ui/StatsGrid.h"
#include "stats/ui/StatsPanel.h"
#include "stats/ui/StatsTableModel.h"
#include "stats/ui/TFrSelJahrMon.h"
#include "support/PresetPrompt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace tekvora::stats;
using tekvora::app::RecordNavigator;
using tekvora::test::PresetPrompt;
using tekvora::test::StatsFixture;

class TestStatsPanel : public QObject
{
    Q_OBJECT

private slots:
    void init() { tekvora::app::appState().hourMinuteFormat = false; }
    void hourFormatSwitchesGridAndFooter();
    void tabsRefreshAndFollowRows();
    void rowsComeInBlocksAndFooterCoversAll();
    void applyTakesTheSelectorsPeriod();
};

namespace {

QString cell(StatsGrid *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

const StatsPeriod December{QDate(2026, 12, 1), QDate(2026, 12, 31)};

} // namespace

void TestStatsPanel::hourFormatSwitchesGridAndFooter()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.25, 4, QStringLiteral("Rathaus"), 1.25, 1.0);
    fx.addVisit(QStringLiteral("03.12.2026 08:00"), 0.5, 4, QStringLiteral("Rathaus"), 0.5, 0.5);
    PresetPrompt prompt;
    StatsPanel panel(fx.db().connectionName(), prompt, nullptr);
    panel.setPeriod(December);
    StatsGrid *sites = panel.grid(StatsView::Sites);
    QCOMPARE(cell(sites, 0, 5), QStringLiteral("  1,25 Std"));
    QCOMPARE(sites->footer()->text(5), QStringLiteral("  1,75 Std"));

    auto *box = panel.findChild<QCheckBox *>(QStringLiteral("cbStundenformat"));
    box->click();
    QVERIFY(tekvora::app::appState().hourMinuteFormat);
    QCOMPARE(cell(sites, 0, 5), QStringLiteral(" 1:15 Std"));
    QCOMPARE(sites->footer()->text(5), QStringLiteral(" 1:45 Std"));
    QCOMPARE(sites->footer()->text(6), QStringLiteral(" 1:45 Std"));
    QCOMPARE(sites->footer()->text(7), QStringLiteral(" 1:30 Std"));
    QVERIFY(sites->footer()->text(0).isEmpty());
    QVERIFY(prompt.shown.isEmpty());
}

void TestStatsPanel::tabsRefreshAndFollowRows()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("31.12.2026 23:50"), 1.0, 4, QStringLiteral("Rathaus"), 1.0, 1.0);
    fx.addPerson(visit, QStringLiteral("01.01.2027 00:10"), 0.5, 0.5, 12);
    PresetPrompt prompt;
    StatsPanel panel(fx.db().connectionName(), prompt, nullptr);
    QSignalSpy editable(&panel, &StatsPanel::sitesRowsChanged);
    panel.setPeriod(December);
    QCOMPARE(editable.last().first().toBool(), true);

    // The person row lies in January but shows under its December visit.
    QCOMPARE(panel.visitPersonsGrid()->model()->rowCount(), 1);
    QCOMPARE(panel.findChild<QLineEdit *>(QStringLiteral("edSitesActivityText"))->text(),
             QStringLiteral("Fenster putzen"));

    panel.tabs()->setCurrentIndex(1);
    QCOMPARE(panel.currentView(), StatsView::Persons);
    QCOMPARE(panel.grid(StatsView::Persons)->model()->rowCount(), 0);
    QCOMPARE(panel.grid(StatsView::Sites)->model()->rowCount(), 0); // hidden views are closed
    panel.setPeriod({QDate(2027, 1, 1), QDate(2027, 1, 31)});
    QCOMPARE(panel.grid(StatsView::Persons)->model()->rowCount(), 1);
    QCOMPARE(panel.findChild<QLineEdit *>(QStringLiteral("edPersonsActivityText"))->text(),
             QStringLiteral("Fenster putzen"));

    panel.tabs()->setCurrentIndex(2);
    QCOMPARE(panel.findChild<QLineEdit *>(QStringLiteral("edActivitiesPerson"))->text(), QStringLiteral("Müller"));
    QCOMPARE(panel.findChild<QLineEdit *>(QStringLiteral("edActivitiesSite"))->text(), QStringLiteral("Haus"));

    panel.tabs()->setCurrentIndex(0);
    QCOMPARE(editable.last().first().toBool(), false);
}

void TestStatsPanel::rowsComeInBlocksAndFooterCoversAll()
{
    StatsFixture fx;
    QSqlDatabase db = fx.db();
    db.transaction();
    for (int i = 0; i < 2000; ++i)
        fx.addVisit(QStringLiteral("%1.12.2026 08:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')), 0.5, i);
    db.commit();
    PresetPrompt prompt;
    StatsPanel panel(fx.db().connectionName(), prompt, nullptr);
    panel.setPeriod(December);
    StatsGrid *sites = panel.grid(StatsView::Sites);
    QVERIFY(sites->model()->rowCount() < 2000);
    QVERIFY(sites->model()->canFetchMore());
    QCOMPARE(sites->footer()->text(5), QStringLiteral("1000,00 Std"));

    sites->navigator()->button(RecordNavigator::Last)->click();
    QCOMPARE(sites->model()->rowCount(), 2000);
    QCOMPARE(sites->currentRow(), 1999);

    // Incremental search in the ObjNr column.
    sites->view()->setCurrentIndex(sites->model()->index(0, 1));
    QTest::keyClicks(sites->view(), QStringLiteral("1234"));
    QCOMPARE(cell(sites, sites->currentRow(), 1), QStringLiteral("1234"));
}

void TestStatsPanel::applyTakesTheSelectorsPeriod()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.0);
    PresetPrompt prompt;
    StatsPanel panel(fx.db().connectionName(), prompt);
    auto *selector = panel.findChild<ui::TFrSelJahrMon *>();
    QVERIFY(selector);
    QCOMPARE(panel.period(), StatsPeriod::monthOf(QDate::currentDate()));

    selector->setRange(QDate(2026, 12, 1), QDate(2026, 12, 31));
    panel.findChild<QPushButton *>(QStringLiteral("btnAnwenden"))->click();
    QCOMPARE(panel.period(), December);
    QCOMPARE(panel.grid(StatsView::Sites)->model()->rowCount(), 1);

    // A choice not applied is dropped on the next activation.
    selector->setRange(QDate(2026, 1, 1), QDate(2026, 1, 31));
    panel.activate();
    QCOMPARE(selector->start(), December.start);
    QCOMPARE(selector->end(), December.end);
}

QTEST_MAIN(TestStatsPanel)
#include "TestStatsPanel.moc"
