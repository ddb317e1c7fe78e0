#include "app/DeletionGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;

class TestDeletionGuard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refused_data();
    void refused();

private:
    QTemporaryDir m_temp;
};

void TestDeletionGuard::initTestCase()
{
    QVERIFY(QDir().mkpath(m_temp.path() + "/root/Data0001"));
    QVERIFY(QDir().mkpath(m_temp.path() + "/other"));
    QVERIFY(QFile::link(m_temp.path() + "/root", m_temp.path() + "/link-to-root"));
    protectFromDeletion(m_temp.path() + "/root/");
}

// "@" stands for the temporary directory, "~" for the home directory.
void TestDeletionGuard::refused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("refused");

    QTest::addRow("slash") << "/" << true;
    QTest::addRow("slashes") << "///" << true;
    QTest::addRow("three characters") << "/ab" << true;
    QTest::addRow("drive root") << "C:\\" << true;
    QTest::addRow("relative") << "some/dir" << true;
    QTest::addRow("dot dot to slash") << "@/../../../../../../.." << true;
    QTest::addRow("home") << "~" << true;
    QTest::addRow("home with slash") << "~/" << true;
    QTest::addRow("above home") << QFileInfo(QDir::homePath()).absolutePath() + "/" << true;
    QTest::addRow("program root") << "@/root" << true;
    QTest::addRow("program root with slash") << "@/root/" << true;
    QTest::addRow("program root by a link") << "@/link-to-root" << true;
    QTest::addRow("above the program root") << "@" << true;
    QTest::addRow("inside the program root") << "@/root/Data0001" << false;
    QTest::addRow("beside the program root") << "@/other" << false;
    QTest::addRow("missing below home") << "~/not-there-at-all" << false;
}

void TestDeletionGuard::refused()
{
    QFETCH(QString, path);
    path.replace("@", m_temp.path());
    if (path.startsWith("~"))
        path.replace(0, 1, QDir::homePath());
    QTEST(isDeletionRefused(path), "refused");
}

QTEST_GUILESS_MAIN(TestDeletionGuard)
#include "TestDeletionGuard.moc"
