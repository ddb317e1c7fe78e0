#include "app/CommandSwitch.h"
#include "app/GridRows.h"
#include "app/HexCodes.h"
#include "app/LabelListName.h"
#include "app/LinkAddresses.h"
#include "app/Placement.h"

#include <QtTest>

using namespace tekvora::app;

class TestSmallHelpers : public QObject
{
    Q_OBJECT

private slots:
    void hex();
    void switches();
    void placement();
    void links_data();
    void links();
    void gridRows();
    void labelListNames();
};

void TestSmallHelpers::hex()
{
    QCOMPARE(byteHex(0), "00");
    QCOMPARE(byteHex(0xAF), "AF");
    QCOMPARE(textHex(QStringLiteral("Aä")), "41E4");
    QCOMPARE(hexText("41E4"), QStringLiteral("Aä"));
    QCOMPARE(hexText("41e"), "A");
    QCOMPARE(hexText("ZZ41"), QString(QChar(0)) + QLatin1Char('A'));
}

void TestSmallHelpers::switches()
{
    QVERIFY(switchGiven({"tekvora", "+sm"}, "+SM"));
    QVERIFY(switchGiven({"tekvora", " +NS "}, "+ns"));
    QVERIFY(!switchGiven({"tekvora", "+SMX"}, "+SM"));
    QVERIFY(!switchGiven({}, "+DS"));
}

void TestSmallHelpers::placement()
{
    QCOMPARE(relativeGeometry(QRect(10, 20, 800, 600), 100, 64, -75, 100), QRect(110, 84, 725, 700));
    QCOMPARE(offsetOnScreen(QPoint(300, 200), -120, 22), QPoint(180, 222));
    QCOMPARE(offsetOnScreen(QPoint(50, -40), -120, 22), QPoint(0, 0));
}

void TestSmallHelpers::links_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("error");

    QTest::addRow("mail") << true << " info@example.de " << "mailto:info@example.de" << "";
    QTest::addRow("mail with scheme") << true << "MAILTO:info@example.de" << "MAILTO:info@example.de" << "";
    QTest::addRow("mail without at") << true << "info.example.de" << "" << "Die Email-Adresse ist ungültig!";
    QTest::addRow("mail empty") << true << "  " << "" << "";
    QTest::addRow("web") << false << "www.example.de" << "http://www.example.de" << "";
    QTest::addRow("web with scheme") << false << "HTTP://example.de" << "HTTP://example.de" << "";
    QTest::addRow("web https") << false << "https://example.de" << "https://example.de" << "";
    QTest::addRow("web empty") << false << "" << "" << "";
}

void TestSmallHelpers::links()
{
    QFETCH(bool, mail);
    QFETCH(QString, address);
    QFETCH(QString, url);
    QFETCH(QString, error);
    const LinkAddress link = mail ? mailLink(address) : webLink(address);
    QCOMPARE(link.url, url);
    QCOMPARE(link.error, error);
    if (!url.isEmpty())
        QCOMPARE(link.failureText, mail ? QStringLiteral("Fehler beim Mailversand!")
                                        : QStringLiteral("Fehler beim Aufsuchen der Website!"));
}

void TestSmallHelpers::gridRows()
{
    QList<QStringList> rows{{"Name", "Nr"}, {"c", "3"}, {"a", "1"}, {"b", "2"}, {"a", "0"}};
    sortGridRows(rows, 1, 0, [](const QString &a, const QString &b) { return QString::compare(a, b); });
    QCOMPARE(rows, (QList<QStringList>{{"Name", "Nr"}, {"a", "1"}, {"a", "0"}, {"b", "2"}, {"c", "3"}}));

    QList<QStringList> two{{"h"}, {"z"}};
    sortGridRows(two, 0, 0, [](const QString &a, const QString &b) { return QString::compare(a, b); });
    QCOMPARE(two, (QList<QStringList>{{"h"}, {"z"}}));
}

void TestSmallHelpers::labelListNames()
{
    QStringList taken;
    const auto isTaken = [&taken](const QString &name) { return taken.contains(name); };
    QCOMPARE(freeLabelListName(".db", isTaken), "Tmppr000.db");
    taken = {"Tmppr000.db", "Tmppr001.db", "Tmppr003.db"};
    QCOMPARE(freeLabelListName(".db", isTaken), "Tmppr002.db");
    QCOMPARE(freeLabelListName(".db", [](const QString &) { return true; }), QString());
}

QTEST_GUILESS_MAIN(TestSmallHelpers)
#include "TestSmallHelpers.moc"
