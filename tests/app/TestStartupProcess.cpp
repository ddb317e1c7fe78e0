#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Starts the real program, several times at once, as a user would.
class TestStartupProcess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondCopyOfTheSameVersionEnds();
    void dataDirectoryThatCannotBeCreatedEndsTheProgram();

private:
    QProcess *start(const QStringList &switches);
    QString privateLock(int n) const;
    static qint64 lockOwner(const QString &lockFile);
    static bool waitFor(const std::function<bool()> &condition);

    QTemporaryDir m_temp;
    QString m_root;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestStartupProcess::init()
{
    m_root = m_temp.path() + "/" + QTest::currentTestFunction();
}

void TestStartupProcess::cleanup()
{
    for (auto &process : m_processes) {
        process->kill();
        process->waitForFinished(5000);
    }
    m_processes.clear();
}

QProcess *TestStartupProcess::start(const QStringList &switches)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_temp.path() + "/cfg");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(TEKVORA_PROGRAM), QStringList{"--root", m_root} + switches);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

QString TestStartupProcess::privateLock(int n) const
{
    return m_root + QStringLiteral("/Privates/Priv%1/Tekvora.lck").arg(n, 4, 10, QLatin1Char('0'));
}

// The process id a lock file names in its first line; 0 without one.
qint64 TestStartupProcess::lockOwner(const QString &lockFile)
{
    QFile file(lockFile);
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
}

bool TestStartupProcess::waitFor(const std::function<bool()> &condition)
{
    QDeadlineTimer deadline(60000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

void TestStartupProcess::secondCopyOfTheSameVersionEnds()
{
    const QString instanceLock = m_temp.path() + "/cfg/tekvora/Tekvora v1.31 [036].lck";
    QProcess *first = start({});
    QVERIFY(waitFor([&] { return lockOwner(instanceLock) == first->processId(); }));
    QVERIFY(waitFor([&] { return lockOwner(privateLock(1)) == first->processId(); }));

    QProcess *second = start({" +sm "});
    QString told;
    QVERIFY(waitFor([&] {
        told += QString::fromUtf8(second->readAllStandardError());
        return second->state() == QProcess::NotRunning || told.contains("Tekvora v1.31 [036] wurde bereits gestartet!");
    }));
    QVERIFY(told.contains("Tekvora v1.31 [036] wurde bereits gestartet!"));
    QVERIFY(second->state() != QProcess::NotRunning); // its message box is still open
    second->kill();
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(lockOwner(instanceLock), first->processId());

    QProcess *third = start({"+ds"});
    QVERIFY(waitFor([&] { return lockOwner(privateLock(2)) == third->processId(); }));
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(third->state(), QProcess::Running);

    first->kill();
    third->kill();
    QVERIFY(first->waitForFinished(10000) && third->waitForFinished(10000));
    QProcess *again = start({});
    QVERIFY(waitFor([&] { return lockOwner(privateLock(1)) == again->processId(); }));
    QVERIFY(waitFor([&] { return lockOwner(instanceLock) == again->processId(); }));
}

void TestStartupProcess::dataDirectoryThatCannotBeCreatedEndsTheProgram()
{
    QFile blocker(m_root + "/Data0001");
    QVERIFY(QDir().mkpath(m_root));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the data directory has to go
    blocker.close();
    QProcess *process = start({});
    QString told;
    QVERIFY(waitFor([&] {
        told += QString::fromUtf8(process->readAllStandardError());
        return told.contains("Das Verzeichnis\n" + m_root + "/Data0001/\nkonnte nicht angelegt werden.");
    }));
    QVERIFY(!QFile::exists(m_temp.path() + "/cfg/tekvora/Tekvora v1.31 [036].lck") ||
            lockOwner(m_temp.path() + "/cfg/tekvora/Tekvora v1.31 [036].lck") != process->processId());
    QVERIFY(blocker.remove());
}

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "TestStartupProcess.moc"
