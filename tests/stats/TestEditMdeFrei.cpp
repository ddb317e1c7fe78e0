#include "StatsFixture.h"
#include "app/AppState.h"
#include "stats/ui/EditTableModel.h"
#include "stats/ui/TF_EditMdeFrei.h"
#include "support/PresetPrompt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace tekvora::stats;
using tekvora::app::RecordNavigator;
using tekvora::test::PresetPrompt;
using tekvora::test::StatsFixture;

namespace {

const StatsPeriod December{QDate(2026, 12, 1), QDate(2026, 12, 31)};

void click(QWidget *dialog, const QString &navigator, RecordNavigator::Button which)
{
    dialog->findChild<RecordNavigator *>(navigator)->button(which)->click();
}

int column(EditTableModel *model, const QString &field)
{
    for (int i = 0; i < model->columns().size(); ++i) {
        if (model->columns().at(i).field == field)
            return i;
    }
    return -1;
}

void type(EditTableModel *model, int row, const QString &field, const QString &text)
{
    QVERIFY(model->setData(model->index(row, column(model, field)), text));
}

} // namespace

class TestEditMdeFrei : public QObject
{
    Q_OBJECT

private slots:
    void init() { tekvora::app::appState().hourMinuteFormat = false; }
    void opensOnTheVisitPlacedUnderTheMainWindow();
    void editsKeepEndsAndTotals();
    void badInputIsRefused();
    void bulkDeletesAsk();
    void doubleClickChoices_data();
    void doubleClickChoices();
};

void TestEditMdeFrei::opensOnTheVisitPlacedUnderTheMainWindow()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.0, 1);
    const qint64 second = fx.addVisit(QStringLiteral("03.12.2026 08:00"), 1.25, 2);
    fx.addVisit(QStringLiteral("01.01.2027 00:00"), 2.0, 3); // the day after the end is listed here
    fx.addVisit(QStringLiteral("01.01.2027 00:01"), 2.0, 4);
    fx.addPerson(second, QStringLiteral("03.12.2026 08:00"), 1.0, 0.5, 7, 2);
    QWidget main;
    main.setGeometry(10, 20, 1024, 800);
    PresetPrompt prompt;
    tekvora::app::appState().hourMinuteFormat = true;
    TF_EditMdeFrei dialog(fx.db().connectionName(), prompt, second, December, &main);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mde-Freie Erfassungen bearbeiten"));
    QCOMPARE(dialog.geometry(), QRect(10, 52, 1024, 768));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edVon"))->text(), QStringLiteral("01.12.2026"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edBis"))->text(), QStringLiteral("31.12.2026"));
    QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("cbStundenformat"))->isChecked());
    QCOMPARE(dialog.visits()->rowCount(), 3);
    QCOMPARE(dialog.visitGrid()->currentIndex().row(), 1);
    QCOMPARE(dialog.visits()->index(1, 5).data().toString(), QStringLiteral(" 1:15 Std"));
    QCOMPARE(dialog.persons()->rowCount(), 1);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edTaetigkeitstext"))->text(),
             QStringLiteral("Fenster putzen"));
    QVERIFY(!(dialog.visits()->flags(dialog.visits()->index(0, 3)) & Qt::ItemIsEditable)); // "Beginn"
    QVERIFY(dialog.visits()->flags(dialog.visits()->index(0, 5)) & Qt::ItemIsEditable);   // "Dauer"

    dialog.findChild<QLineEdit *>(QStringLiteral("edBis"))->setText(QStringLiteral("02.12.2026"));
    dialog.findChild<QPushButton *>(QStringLiteral("btnAnwenden"))->click();
    QCOMPARE(dialog.visits()->rowCount(), 1);
    QCOMPARE(dialog.period(), (StatsPeriod{QDate(2026, 12, 1), QDate(2026, 12, 2)}));
}

void TestEditMdeFrei::editsKeepEndsAndTotals()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.5, 1, QStringLiteral("Haus"), 1.0, 1.0);
    fx.addPerson(visit, QStringLiteral("02.12.2026 08:00"), 1.0, 1.0);
    PresetPrompt prompt({true});
    TF_EditMdeFrei dialog(fx.db().connectionName(), prompt, visit, December, nullptr);
    EditTableModel *visits = dialog.visits();
    EditTableModel *persons = dialog.persons();

    type(visits, 0, QStringLiteral("SC_Dauer"), QStringLiteral("2,0"));
    click(&dialog, QStringLiteral("navObjekte"), RecordNavigator::Post);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EndTime FROM MdeObj")).toString(),
             QStringLiteral("2026-12-02 10:00:00"));

    click(&dialog, QStringLiteral("navPersonen"), RecordNavigator::Insert);
    QCOMPARE(persons->rowCount(), 2);
    type(persons, 1, QStringLiteral("SC_PersNr"), QStringLiteral("8"));
    type(persons, 1, QStringLiteral("SC_DauerPers"), QStringLiteral("0,5"));
    click(&dialog, QStringLiteral("navPersonen"), RecordNavigator::Post);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerPers FROM MdeObj")).toDouble(), 1.5);
    QCOMPARE(visits->index(0, 6).data().toString(), QStringLiteral("  1,50 Std"));
    QCOMPARE(persons->rowCount(), 2);

    dialog.personGrid()->setCurrentIndex(persons->index(1, 0));
    click(&dialog, QStringLiteral("navPersonen"), RecordNavigator::Delete);
    QCOMPARE(prompt.shown, QStringList{QStringLiteral("? Datensatz löschen?")});
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerPers FROM MdeObj")).toDouble(), 1.0);
    QCOMPARE(persons->rowCount(), 1);

    // A pending edit is saved when the dialog closes.
    type(persons, 0, QStringLiteral("SC_DauerJob"), QStringLiteral("0:45"));
    dialog.accept();
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerJob FROM MdeObj")).toDouble(), 0.75);
}

void TestEditMdeFrei::badInputIsRefused()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.5);
    PresetPrompt prompt;
    TF_EditMdeFrei dialog(fx.db().connectionName(), prompt, visit, December, nullptr);
    EditTableModel *visits = dialog.visits();
    QVERIFY(!visits->setData(visits->index(0, 5), QStringLiteral("anderthalb")));
    QVERIFY(!visits->setData(visits->index(0, 1), QStringLiteral("-3")));
    QCOMPARE(prompt.shown,
             (QStringList{QStringLiteral("! Bitte eine Dauer in Stunden eingeben (z. B. 1,5 oder 1:30)."),
                          QStringLiteral("! Bitte eine ganze Zahl eingeben.")}));
    QVERIFY(!visits->isPending());

    dialog.findChild<QLineEdit *>(QStringLiteral("edVon"))->setText(QStringLiteral("32.12.2026"));
    dialog.findChild<QPushButton *>(QStringLiteral("btnAnwenden"))->click();
    QCOMPARE(prompt.shown.last(), QStringLiteral("! Bitte die Daten \"von\" und \"bis\" als TT.MM.JJJJ eingeben."));
    QCOMPARE(dialog.period(), December);
}

void TestEditMdeFrei::bulkDeletesAsk()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 0.0);
    const qint64 kept = fx.addVisit(QStringLiteral("03.12.2026 08:00"), 10.0);
    fx.addVisit(QStringLiteral("04.12.2026 08:00"), 10.5);
    PresetPrompt prompt({false, true, true});
    TF_EditMdeFrei dialog(fx.db().connectionName(), prompt, kept, December, nullptr);

    dialog.findChild<QPushButton *>(QStringLiteral("btnNullEintraege"))->click();
    QCOMPARE(dialog.visits()->rowCount(), 3);
    dialog.findChild<QPushButton *>(QStringLiteral("btnNullEintraege"))->click();
    QCOMPARE(dialog.visits()->rowCount(), 2);
    dialog.findChild<QPushButton *>(QStringLiteral("btnDauer10"))->click();
    QCOMPARE(dialog.visits()->rowCount(), 1);
    QCOMPARE(dialog.visits()->fieldValue(dialog.visitGrid()->currentIndex().row(), QStringLiteral("SC_ID")).toLongLong(),
             kept);
    QCOMPARE(prompt.shown, (QStringList{QStringLiteral("? Alle Einträge mit Dauer=0.0 Std löschen?"),
                                        QStringLiteral("? Alle Einträge mit Dauer=0.0 Std löschen?"),
                                        QStringLiteral("? Alle Einträge mit Dauer>10.0 Std löschen?")}));
}

void TestEditMdeFrei::doubleClickChoices_data()
{
    QTest::addColumn<bool>("personGrid");
    QTest::addColumn<QString>("clickedField");
    QTest::addColumn<std::optional<int>>("choice");
    QTest::addColumn<QString>("storedFields");
    QTest::addColumn<QString>("expected");

    const QString site = QStringLiteral("SELECT SC_ObjNr || '|' || SC_ObjBez FROM MdeObj");
    const QString staff = QStringLiteral("SELECT SC_PersNr || '|' || SC_Persname FROM MdePJ");
    const QString activity = QStringLiteral("SELECT SC_TaetigNr || '|' || SC_TaetigText FROM MdePJ");
    QTest::addRow("site by number") << false << "SC_ObjNr" << std::optional<int>(5) << site << "5|Schule";
    QTest::addRow("site by name") << false << "SC_ObjBez" << std::optional<int>(5) << site << "5|Schule";
    QTest::addRow("site cancelled") << false << "SC_ObjNr" << std::optional<int>() << site << "1|Haus";
    QTest::addRow("staff") << true << "SC_Persname" << std::optional<int>(9) << staff << "9|Yilmaz";
    QTest::addRow("staff cancelled") << true << "SC_PersNr" << std::optional<int>() << staff << "7|Müller";
    QTest::addRow("activity") << true << "SC_TaetigNr" << std::optional<int>(2) << activity << "2|Glasreinigung";
    QTest::addRow("activity cancelled") << true << "SC_TaetigNr" << std::optional<int>() << activity
                                        << "3|Fenster putzen";
}

void TestEditMdeFrei::doubleClickChoices()
{
    QFETCH(bool, personGrid);
    QFETCH(QString, clickedField);
    QFETCH(std::optional<int>, choice);
    QFETCH(QString, storedFields);
    QFETCH(QString, expected);

    StatsFixture fx;
    for (const char *sql : {"CREATE TABLE Objekte (O_ID INTEGER, O_Nr INTEGER, O_Match TEXT)",
                            "INSERT INTO Objekte VALUES (5, 5, 'Schule')",
                            "CREATE TABLE Personal (P_ID INTEGER, P_Nr INTEGER, P_Name1 TEXT, P_Match TEXT)",
                            "INSERT INTO Personal VALUES (9, 9, 'Yilmaz', 'YILMAZ')",
                            "CREATE TABLE Taetig (T_ID INTEGER, T_Nr INTEGER, T_Match TEXT)",
                            "INSERT INTO Taetig VALUES (2, 2, 'Glasreinigung')"})
        QVERIFY(QSqlQuery(fx.db()).exec(QString::fromUtf8(sql)));
    const qint64 visit = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.0, 1, QStringLiteral("Haus"), 1.0, 1.0);
    fx.addPerson(visit, QStringLiteral("02.12.2026 08:00"), 1.0, 1.0, 7, 1, 3);
    PresetPrompt prompt;
    TF_EditMdeFrei dialog(fx.db().connectionName(), prompt, visit, December, nullptr);
    QStringList asked;
    const auto answer = [&](const QString &kind) {
        return [&asked, choice, kind](QWidget *, int current) {
            asked << kind + QString::number(current);
            return choice;
        };
    };
    dialog.setChoices({answer(QStringLiteral("site ")), answer(QStringLiteral("staff ")),
                       answer(QStringLiteral("activity "))});

    EditTableModel *model = personGrid ? dialog.persons() : dialog.visits();
    QTableView *grid = personGrid ? dialog.personGrid() : dialog.visitGrid();
    emit grid->doubleClicked(model->index(0, column(model, clickedField)));
    const QString current = personGrid ? (clickedField == QLatin1String("SC_TaetigNr") ? "activity 3" : "staff 7")
                                       : "site 1";
    QCOMPARE(asked, QStringList{current});
    QCOMPARE(fx.value(storedFields).toString(), expected);
    QVERIFY(!model->isPending());
}

QTEST_MAIN(TestEditMdeFrei)
#include "TestEditMdeFrei.moc"
