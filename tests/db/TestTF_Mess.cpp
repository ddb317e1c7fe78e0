#include "db/Maintenance.h"
#include "db/ui/MessListProgress.h"
#include "db/ui/TF_Mess.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace tekvora::db;

class TestTF_Mess : public QObject
{
    Q_OBJECT

private slots:
    void silentOutsideTheMaintenance()
    {
        TF_Mess::openList(QStringLiteral("Tekvora"), QStringLiteral("Zeile"), 10, 10);
        TF_Mess::appendLine(QStringLiteral("noch eine"));
        MessListProgress progress;
        progress.open(QStringLiteral("Tekvora"), QStringLiteral("Zeile"));
        QVERIFY(!TF_Mess::instance());
    }

    void showsTheUpgradeProgress()
    {
        MaintenanceScope maintenance;
        MessListProgress progress;
        progress.open(QStringLiteral("Tekvora v1.31 [036]: Aktualisierung auf Datenbank-Version 1.26"),
                      QStringLiteral("Anpassung der Datenbanken:"));
        TF_Mess *window = TF_Mess::instance();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(window->objectName(), QStringLiteral("TF_Mess"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tekvora v1.31 [036]: Aktualisierung auf Datenbank-Version 1.26"));
        QCOMPARE(window->size(), QSize(700, 600));
        QCOMPARE(window->pos(), QPoint((QGuiApplication::primaryScreen()->geometry().width() - 700) / 2, 64));
        QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("BtnAbbruch"))->isEnabled());

        progress.setText(QStringLiteral("Datenbanken werden angelegt."));
        progress.setStatus(QStringLiteral("Personal:           3"));
        auto *list = window->findChild<QListWidget *>(QStringLiteral("ListBox1"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Anpassung der Datenbanken:"));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("LabelStatus"))->text(),
                 QStringLiteral("Personal:           3"));

        // A second open while the window is up changes nothing.
        TF_Mess::openList(QStringLiteral("anders"), QStringLiteral("anders"), 0, 0);
        QCOMPARE(TF_Mess::instance(), window);
        QCOMPARE(list->count(), 2);

        progress.close();
        QVERIFY(!TF_Mess::instance());
    }

    void abortButtonSetsTheAbortFlag()
    {
        MaintenanceScope maintenance;
        QVERIFY(!abortRequested());
        TF_Mess::openList(QStringLiteral("Tekvora"), QStringLiteral("Zeile"), 0, 0);
        QTest::mouseClick(TF_Mess::instance()->findChild<QPushButton *>(QStringLiteral("BtnAbbruch")), Qt::LeftButton);
        QVERIFY(abortRequested());
        QVERIFY(MessListProgress().cancelRequested());
        TF_Mess::closeList();
    }
};

QTEST_MAIN(TestTF_Mess)
#include "TestTF_Mess.moc"
