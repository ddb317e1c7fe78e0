#include "app/StartupArguments.h"

#include <QTest>

using namespace tekvora::app;

class TestStartupArguments : public QObject
{
    Q_OBJECT

private slots:
    void switches_data();
    void switches();
};

void TestStartupArguments::switches_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("singleInstance");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("serviceMode");
    QTest::addColumn<QString>("root");

    QTest::addRow("none") << QStringList{} << true << true << false << "";
    QTest::addRow("+DS") << QStringList{"+DS"} << false << true << false << "";
    QTest::addRow("+NS") << QStringList{"+NS"} << true << false << false << "";
    QTest::addRow("+SM") << QStringList{"+SM"} << true << true << true << "";
    QTest::addRow("lower case") << QStringList{"+ds", "+ns"} << false << false << false << "";
    QTest::addRow("blanks around") << QStringList{"  +sm "} << true << true << true << "";
    QTest::addRow("any position") << QStringList{"x.db", "--root", "/r", "+Sm", "+dS"} << false << true << true << "/r";
    QTest::addRow("all three") << QStringList{"+NS", "+SM", "+DS"} << false << false << true << "";
    QTest::addRow("part of a word") << QStringList{"+DSX", "a+NS", "+S M"} << true << true << false << "";
    QTest::addRow("minus is no switch") << QStringList{"-DS"} << true << true << false << "";
    QTest::addRow("root with equals") << QStringList{"--root=/srv/tv"} << true << true << false << "/srv/tv";
    QTest::addRow("root without value") << QStringList{"+DS", "--root"} << false << true << false << "";
}

void TestStartupArguments::switches()
{
    QFETCH(QStringList, arguments);
    const StartupArguments parsed = parseStartupArguments(arguments);
    QTEST(parsed.singleInstance, "singleInstance");
    QTEST(parsed.soundOn, "soundOn");
    QTEST(parsed.serviceMode, "serviceMode");
    QTEST(parsed.root, "root");
}

QTEST_GUILESS_MAIN(TestStartupArguments)
#include "TestStartupArguments.moc"
