#include "StatsFixture.h"

#include <QProcess>
#include <QTest>

using tekvora::test::StatsFixture;

/// tekvora-cli stats over two December visits of one site and one on New Year's Day.
class TestStatsCommand : public QObject
{
    Q_OBJECT

private slots:
    void printsRowsAndSums_data();
    void printsRowsAndSums();
    void wrongCalls_data();
    void wrongCalls();
    void missingStoreFails();
};

namespace {

struct Run
{
    int exitCode = -1;
    QStringList lines;
    QString err;
};

Run stats(const QString &root, const QStringList &args)
{
    QProcess cli;
    cli.start(QStringLiteral(TEKVORA_CLI), QStringList{QStringLiteral("--root"), root, QStringLiteral("stats")} + args);
    cli.waitForFinished(20000);
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
            QString::fromUtf8(cli.readAllStandardError())};
}

const QStringList December{"--from", "01.12.2026", "--to", "31.12.2026"};

} // namespace

void TestStatsCommand::printsRowsAndSums_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("sites in decimal hours, the visit at 23:50 on the last day is in")
        << (QStringList{"--view", "1"} + December)
        << QStringList{"Datum;ObjNr;Objekt-Bezeichnung;Beginn;Ende;Dauer;Dauer MA;Dauer Tät.;",
                       "02.12.2026;4;Rathaus;02.12.2026 08:00;02.12.2026 09:15;1,25 Std;1,25 Std;1,00 Std;",
                       "31.12.2026;4;Rathaus;31.12.2026 23:50;01.01.2027 00:20;0,50 Std;0,50 Std;0,50 Std;",
                       "Summe;;;;;1,75 Std;1,75 Std;1,50 Std;"};
    QTest::addRow("persons in hours and minutes")
        << (QStringList{"--view", "2", "--hhmm"} + December)
        << QStringList{"Datum;PersNr;Name;Beginn;Ende;Dauer;T.-Nr.;Beginn;Ende;Dauer;ObjNr;",
                       "02.12.2026;7;Müller;02.12.2026 08:00;02.12.2026 09:15;1:15 Std;3;02.12.2026 08:00;"
                       "02.12.2026 09:00;1:00 Std;4;",
                       "31.12.2026;7;Müller;31.12.2026 23:50;01.01.2027 00:20;0:30 Std;3;31.12.2026 23:50;"
                       "01.01.2027 00:20;0:30 Std;4;",
                       "Summe;;;;;1:45 Std;;;;1:30 Std;;"};
    QTest::addRow("activities")
        << (QStringList{"--view", "3"} + December)
        << QStringList{"T-Nr;Tätigkeit;Beginn;Ende;Dauer;ObjNr;PersNr;",
                       "3;Fenster putzen;02.12.2026 08:00;02.12.2026 09:00;1,00 Std;4;7;",
                       "3;Fenster putzen;31.12.2026 23:50;01.01.2027 00:20;0,50 Std;4;7;", "Summe;;;;1,50 Std;;;"};
    QTest::addRow("accumulated over the turn of the year")
        << QStringList{"--view", "4", "--hhmm", "--from", "01.12.2026", "--to", "01.01.2027"}
        << QStringList{"ObjNr;Objekt-Bezeichnung;Objekt-Dauer;MA-Dauer;Tätig.-Dauer;",
                       "4;Rathaus;1:45 Std;1:45 Std;1:30 Std;", "5;Schule;2:00 Std;2:00 Std;0:00 Std;",
                       "Summe;;3:45 Std;3:45 Std;1:30 Std;"};
    QTest::addRow("end before start is empty")
        << QStringList{"--view", "1", "--from", "31.12.2026", "--to", "01.12.2026"}
        << QStringList{"Datum;ObjNr;Objekt-Bezeichnung;Beginn;Ende;Dauer;Dauer MA;Dauer Tät.;",
                       "Summe;;;;;0,00 Std;0,00 Std;0,00 Std;"};
}

void TestStatsCommand::printsRowsAndSums()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    StatsFixture fx;
    const qint64 first = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.25, 4, QStringLiteral("Rathaus"), 1.25, 1.0);
    fx.addPerson(first, QStringLiteral("02.12.2026 08:00"), 1.25, 1.0, 7, 4);
    const qint64 last = fx.addVisit(QStringLiteral("31.12.2026 23:50"), 0.5, 4, QStringLiteral("Rathaus"), 0.5, 0.5);
    fx.addPerson(last, QStringLiteral("31.12.2026 23:50"), 0.5, 0.5, 7, 4);
    fx.addVisit(QStringLiteral("01.01.2027 00:00"), 2.0, 5, QStringLiteral("Schule"), 2.0, 0.0);

    const Run run = stats(fx.root(), args);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.lines, lines);
    QCOMPARE(run.exitCode, 0);
}

void TestStatsCommand::wrongCalls_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");

    QTest::addRow("view 5") << (QStringList{"--view", "5"} + December) << "--view erwartet 1, 2, 3 oder 4.";
    QTest::addRow("view not a number") << (QStringList{"--view", "x"} + December) << "--view erwartet 1, 2, 3 oder 4.";
    QTest::addRow("31 February") << QStringList{"--view", "1", "--from", "31.02.2026", "--to", "31.12.2026"}
                                 << "Ungültiges Datum: 31.02.2026 (erwartet TT.MM.JJJJ)";
    QTest::addRow("missing --to") << QStringList{"--view", "1", "--from", "01.12.2026"}
                                  << "--view, --from und --to sind anzugeben.";
    QTest::addRow("--to without value") << QStringList{"--view", "1", "--from", "01.12.2026", "--to"}
                                        << "--to braucht einen Wert.";
    QTest::addRow("unknown switch") << (QStringList{"--view", "1", "--csv"} + December)
                                    << "Unbekanntes Argument: --csv";
}

void TestStatsCommand::wrongCalls()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    StatsFixture fx;
    const Run run = stats(fx.root(), args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.lines.isEmpty());
    QCOMPARE(run.err, error + " (tekvora-cli stats --help)\n");
}

void TestStatsCommand::missingStoreFails()
{
    QTemporaryDir root;
    const Run run = stats(root.path(), QStringList{"--view", "1"} + December);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.lines.isEmpty());
    QVERIFY2(run.err.contains("Vidizavid"), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestStatsCommand)
#include "TestStatsCommand.moc"
