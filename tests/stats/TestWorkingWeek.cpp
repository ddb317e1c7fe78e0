#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

/// A crew's working week from the scan file to the statistics, through tekvora-cli only:
/// scan process, scan check, scan post, then stats for the week.
///
/// Crew: 101 Becker, 102 Yilmaz, 103 Schulz. Sites: 11 Rathaus, 12 Schule, 13 Klinik, 14 Bahnhof.
/// Activities: 1 Unterhaltsreinigung, 2 Glasreinigung. The scanner is not bound to a person, so
/// only the staff badges make people present; an activity card gives the activity to everybody
/// idle, a new site (or "MD1000") ends every presence and activity.
///
/// Hand computation, hours per visit (persons × hours of presence = "Dauer MA", activity alike):
///
///   day        site  visit          Dauer  Dauer MA              Dauer Tät.
///   Mo 07.12.  11    06:00-09:30    3,50   3 × 3,50 = 10,50      TN1 10,50
///   Mo 07.12.  12    09:30-12:00    2,50   3 × 2,50 =  7,50      TN2  7,50
///   Di 08.12.  13    07:00-12:00    5,00   4,00 (103 leaves at 11:00) + 2 × 5,00 = 14,00   TN1 14,00
///   Mi 09.12.  14    06:00-10:00    4,00   2 × (2,00 + 2,00) = 8,00   TN1 4,00 + TN2 4,00 (card switch 08:00)
///   Mi 09.12.  11    10:00-13:00    3,00   3 × 3,00 =  9,00      TN1  9,00 (103 joins at 10:00)
///   Do 10.12.  14    22:00-01:30    3,50   3 × 3,50 = 10,50      TN2 10,50 (across midnight)
///   Fr 11.12.  12    08:00-10:15    2,25   3 × 2,25 =  6,75      TN1  6,75
///   week                           23,75                66,25             66,25
///
///   per site:      11: 6,50 / 19,50    12: 4,75 / 14,25    13: 5,00 / 14,00    14: 7,50 / 18,50
///   per person:    101: 3,5+2,5 + 5 + 2+2+3 + 3,5 + 2,25 = 23,75;   102: 23,75;
///                  103: 3,5+2,5 + 4 + 3 + 3,5 + 2,25 = 18,75;       together 66,25
///   per activity:  TN1: 10,5 + 14 + 4 + 9 + 6,75 = 44,25;   TN2: 7,5 + 4 + 10,5 = 22,00
class TestWorkingWeek : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scanFileIsPosted();
    void statistics_data();
    void statistics();
    void nightShiftCountsInItsStartWeek();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run cli(const QStringList &args) const;
    QStringList stats(const QStringList &args) const;

    QTemporaryDir m_root;
};

using HourSums = QMap<QString, double>;

namespace {

const QStringList Week{"--from", "07.12.2026", "--to", "11.12.2026"};

// The scan lines of the week; "SC_ID:" first, as the scanner delivers them.
const char *const ScanLines[] = {
    "SC_ID:00004711",
    // Monday: Rathaus, then Schule with the glass cards.
    "07.12.2026 06:00 ON11", "07.12.2026 06:00 MA101", "07.12.2026 06:00 MA102", "07.12.2026 06:00 MA103",
    "07.12.2026 06:00 TN1", "07.12.2026 09:30 ON12", "07.12.2026 09:30 TN2", "07.12.2026 12:00 MD1000",
    // Tuesday: Klinik; 103 leaves at 11:00.
    "08.12.2026 07:00 ON13", "08.12.2026 07:00 MA101", "08.12.2026 07:00 MA102", "08.12.2026 07:00 MA103",
    "08.12.2026 07:00 TN1", "08.12.2026 11:00 MA103", "08.12.2026 12:00 MD1001",
    // Wednesday: two at the Bahnhof switch cards at 08:00; at the Rathaus 103 joins.
    "09.12.2026 06:00 ON14", "09.12.2026 06:00 MA101", "09.12.2026 06:00 MA102", "09.12.2026 06:00 TN1",
    "09.12.2026 08:00 TN2", "09.12.2026 10:00 ON11", "09.12.2026 10:00 MA103", "09.12.2026 10:00 TN1",
    "09.12.2026 13:00 MD1000",
    // Thursday night: Bahnhof until 01:30 on Friday.
    "10.12.2026 22:00 ON14", "10.12.2026 22:00 MA101", "10.12.2026 22:00 MA102", "10.12.2026 22:00 MA103",
    "10.12.2026 22:00 TN2", "11.12.2026 01:30 MD1000",
    // Friday: Schule.
    "11.12.2026 08:00 ON12", "11.12.2026 08:00 MA101", "11.12.2026 08:00 MA102", "11.12.2026 08:00 MA103",
    "11.12.2026 08:00 TN1", "11.12.2026 10:15 MD1000",
};

double hours(const QString &text)
{
    return QString(text).remove(QStringLiteral(" Std")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// Sums of one duration column per key column over the CDF rows (header and "Summe" left out).
HourSums sumsBy(const QStringList &lines, int keyColumn, int hoursColumn)
{
    HourSums sums;
    for (const QString &line : lines.mid(1, lines.size() - 2)) {
        const QStringList fields = line.split(QLatin1Char(';'));
        sums[fields.at(keyColumn)] += hours(fields.at(hoursColumn));
    }
    return sums;
}

} // namespace

TestWorkingWeek::Run TestWorkingWeek::cli(const QStringList &args) const
{
    QProcess process;
    process.start(QStringLiteral(TEKVORA_CLI), QStringList{"--root", m_root.path()} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList TestWorkingWeek::stats(const QStringList &args) const
{
    const Run run = cli(QStringList{"stats"} + args);
    if (run.exitCode != 0)
        qWarning("%s", qPrintable(run.err));
    return run.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void TestWorkingWeek::initTestCase()
{
    QVERIFY(m_root.isValid());
    const Run init = cli({"init"});
    QVERIFY2(init.exitCode == 0, qPrintable(init.err));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "week-setup");
        db.setDatabaseName(QDir(m_root.path()).filePath("Data0001/Tekvora.sqlite"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char *sql : {
                 "INSERT INTO Objekte (O_ID, O_Nr, O_Match, O_Aktiv) VALUES (1, 11, 'Rathaus', 1), (2, 12, 'Schule', 1),"
                 " (3, 13, 'Klinik', 1), (4, 14, 'Bahnhof', 1)",
                 "INSERT INTO Personal (P_ID, P_Nr, P_Match, P_Name1) VALUES (1, 101, 'Becker', 'Becker'),"
                 " (2, 102, 'Yilmaz', 'Yilmaz'), (3, 103, 'Schulz', 'Schulz')",
                 "INSERT INTO Taetig (T_ID, T_Nr, T_Match) VALUES (1, 1, 'Unterhaltsreinigung'), (2, 2, 'Glasreinigung')",
                 "INSERT INTO Scandev (SV_ID, SV_Type, SV_ScannerID, SV_Bindung) VALUES (1, 1, 4711, 0)",
             })
            QVERIFY2(query.exec(QString::fromLatin1(sql)), qPrintable(query.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase("week-setup");
}

void TestWorkingWeek::scanFileIsPosted()
{
    const QString path = m_root.filePath("Woche50.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const char *line : ScanLines)
        file.write(QByteArray(line) + "\r\n");
    file.close();

    Run run = cli({"--yes", "scan", "process", "--file", path});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    QVERIFY2(run.out.contains("Barcodes: 36  Geräte-ID: 00004711  Datensätze: 51"), qPrintable(run.out));
    run = cli({"scan", "check"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    run = cli({"scan", "post"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    // Every record knew its site, person or activity: nothing stays behind.
    run = cli({"sql", "select count(*) from Scanimp"});
    QCOMPARE(run.out, QString("0;\r\n"));
}

void TestWorkingWeek::statistics_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("keyColumn");
    QTest::addColumn<int>("hoursColumn");
    QTest::addColumn<HourSums>("expected");
    QTest::addColumn<QString>("footer");

    QTest::addRow("visit hours per site") << (QStringList{"--view", "1"} + Week) << 1 << 5
                                          << HourSums{{"11", 6.5}, {"12", 4.75}, {"13", 5.0}, {"14", 7.5}}
                                          << "Summe;;;;;23,75 Std;66,25 Std;66,25 Std;";
    QTest::addRow("person hours per site") << (QStringList{"--view", "1"} + Week) << 1 << 6
                                           << HourSums{{"11", 19.5}, {"12", 14.25}, {"13", 14.0}, {"14", 18.5}}
                                           << "Summe;;;;;23,75 Std;66,25 Std;66,25 Std;";
    QTest::addRow("hours per person") << (QStringList{"--view", "2"} + Week) << 1 << 5
                                      << HourSums{{"101", 23.75}, {"102", 23.75}, {"103", 18.75}}
                                      << "Summe;;;;;66,25 Std;;;;66,25 Std;;";
    QTest::addRow("hours per activity, hh:mm") << (QStringList{"--view", "3", "--hhmm"} + Week) << 0 << 4
                                               << HourSums{{"1", 44.25}, {"2", 22.0}}
                                               << "Summe;;;;66:15 Std;;;";
}

void TestWorkingWeek::statistics()
{
    QFETCH(QStringList, args);
    QFETCH(int, keyColumn);
    QFETCH(int, hoursColumn);
    QFETCH(HourSums, expected);
    QFETCH(QString, footer);

    const QStringList lines = stats(args);
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.last(), footer);
    if (args.contains("--hhmm")) {
        // "h:mm" back to hours for the comparison.
        HourSums sums;
        for (const QString &line : lines.mid(1, lines.size() - 2)) {
            const QStringList fields = line.split(QLatin1Char(';'));
            const QStringList hm = QString(fields.at(hoursColumn)).remove(" Std").split(':');
            sums[fields.at(keyColumn)] += hm.at(0).toInt() + hm.at(1).toInt() / 60.0;
        }
        QCOMPARE(sums, expected);
    } else {
        QCOMPARE(sumsBy(lines, keyColumn, hoursColumn), expected);
    }
}

void TestWorkingWeek::nightShiftCountsInItsStartWeek()
{
    // Thursday's visit ends on Friday and belongs to Thursday; Friday alone shows only the Schule.
    QStringList lines = stats(QStringList{"--view", "1"} + Week);
    QVERIFY(lines.contains("10.12.2026;14;Bahnhof;10.12.2026 22:00;11.12.2026 01:30;3,50 Std;10,50 Std;10,50 Std;"));
    lines = stats({"--view", "1", "--from", "11.12.2026", "--to", "11.12.2026"});
    QCOMPARE(lines.mid(1),
             QStringList({"11.12.2026;12;Schule;11.12.2026 08:00;11.12.2026 10:15;2,25 Std;6,75 Std;6,75 Std;",
                          "Summe;;;;;2,25 Std;6,75 Std;6,75 Std;"}));
    lines = stats({"--view", "2", "--from", "10.12.2026", "--to", "10.12.2026"});
    QVERIFY(lines.contains(
        "10.12.2026;103;Schulz;10.12.2026 22:00;11.12.2026 01:30;3,50 Std;2;10.12.2026 22:00;11.12.2026 01:30;3,50 Std;14;"));
    QCOMPARE(lines.last(), QString("Summe;;;;;10,50 Std;;;;10,50 Std;;"));
}

QTEST_GUILESS_MAIN(TestWorkingWeek)
#include "TestWorkingWeek.moc"
