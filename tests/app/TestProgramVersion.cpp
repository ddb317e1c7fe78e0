#include "app/ProgramVersion.h"
#include "app/Startup.h"

#include <QTest>

using namespace tekvora::app;

class TestProgramVersion : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data();
    void versionText();
    void builtVersionIsTheProducts();
    void lockNameCarriesTheVersion();
};

void TestProgramVersion::versionText_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("expected");

    QTest::addRow("product text") << "1.3.1.36" << "v1.31 [036]" << "v1.31 [036]";
    QTest::addRow("empty product text") << "1.3.1.36" << "" << "1.3.1.36";
    QTest::addRow("blank product text") << "1.3.1.36" << "   " << "1.3.1.36";
    QTest::addRow("three numbers") << "2.0.7" << "" << "2.0.7.0";
    QTest::addRow("no numbers") << "" << "" << "?.??[???]";
    QTest::addRow("no numbers but text") << "" << "v1.31 [036]" << "?.??[???]";
    QTest::addRow("garbage numbers") << "1.x.3" << "" << "?.??[???]";
    QTest::addRow("five numbers") << "1.2.3.4.5" << "" << "?.??[???]";
}

void TestProgramVersion::versionText()
{
    QFETCH(QString, numbers);
    QFETCH(QString, product);
    QTEST(programVersionText(parseVersionNumbers(numbers, product)), "expected");
}

void TestProgramVersion::builtVersionIsTheProducts()
{
    QCOMPARE(programVersionText(builtVersion()), QStringLiteral("v1.31 [036]"));
    QCOMPARE(builtVersion()->numbers, (std::array<int, 4>{1, 3, 1, 36}));
}

void TestProgramVersion::lockNameCarriesTheVersion()
{
    QCOMPARE(Startup::instanceLockName(QStringLiteral("v1.31 [036]")), QStringLiteral("Tekvora v1.31 [036]"));
    QCOMPARE(Startup::instanceLockName(programVersionText(std::nullopt)), QStringLiteral("Tekvora ?.??[???]"));
}

QTEST_GUILESS_MAIN(TestProgramVersion)
#include "TestProgramVersion.moc"
