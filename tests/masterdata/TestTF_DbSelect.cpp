#include "masterdata/ui/TF_DbSelect.h"

#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/ui/TableChoices.h"
#include "ModalDialog.h"
#include "SelectionTables.h"
#include "support/PresetPrompt.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using namespace tekvora::masterdata;
using tekvora::db::SortGridView;
using tekvora::test::whenModal;

namespace {

DbSelectRequest siteRequest()
{
    DbSelectRequest request;
    request.table = "Objekte";
    request.keyField = "O_Nr";
    request.columns = siteChoiceColumns();
    request.caption = "Objekt auswählen";
    request.gridHeight = 200;
    request.topLeft = QPoint(50, 40);
    return request;
}

void addSites(tekvora::test::SelectionTables &tables)
{
    tables.addSite(2, "Zentrale", "Hauptverwaltung", "Bonn");
    tables.addSite(11, "Arena", "Stadthalle", "Aachen");
    tables.addSite(5, "Park", "Parkhaus Nord", "Köln");
    tables.addSite(40, "Markt", "Marktplatz", "Bonn");
    tables.addSite(3, "Bad", "Hallenbad", "Düren");
}

SortGridView *gridOf(QWidget *dialog)
{
    return dialog->findChild<SortGridView *>("grid");
}

} // namespace

class TestTF_DbSelect : public QObject
{
    Q_OBJECT

private slots:
    void opensOnThePreselectedRow_data()
    {
        QTest::addColumn<int>("preselected");
        QTest::addColumn<int>("current");
        QTest::addRow("existing key") << 5 << 5;
        QTest::addRow("missing key opens on the first row") << 7 << 2;
    }

    void opensOnThePreselectedRow()
    {
        QFETCH(int, preselected);
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        TF_DbSelect dialog(siteRequest(), preselected, QString(), prompt);
        QVERIFY(dialog.isReady());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Objekt auswählen"));
        QTEST(dialog.currentKey().toInt(), "current");
        QCOMPARE(dialog.sortField(), QStringLiteral("O_Nr"));
    }

    void typingADigitOnTheGridStartsASearch()
    {
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        TF_DbSelect dialog(siteRequest(), 2, QString(), prompt);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *search = dialog.findChild<QLineEdit *>("edSearch");
        search->setText("old");
        gridOf(&dialog)->setFocus();
        QTest::keyClick(gridOf(&dialog), Qt::Key_4);
        QCOMPARE(search->text(), QStringLiteral("4"));
        QVERIFY(search->hasFocus());
        QCOMPARE(dialog.currentKey().toInt(), 5);
        QTest::keyClick(search, Qt::Key_1);
        QCOMPARE(dialog.currentKey().toInt(), 40);
    }

    void arrowKeysInTheSearchBoxGoToTheGrid_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("direction");
        QTest::addRow("down") << int(Qt::Key_Down) << 1;
        QTest::addRow("up") << int(Qt::Key_Up) << -1;
        QTest::addRow("page down") << int(Qt::Key_PageDown) << 1;
        QTest::addRow("page up") << int(Qt::Key_PageUp) << -1;
    }

    void arrowKeysInTheSearchBoxGoToTheGrid()
    {
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        TF_DbSelect dialog(siteRequest(), 5, QString(), prompt);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *search = dialog.findChild<QLineEdit *>("edSearch");
        search->setFocus();
        QFETCH(int, key);
        QFETCH(int, direction);
        QTest::keyClick(search, Qt::Key(key));
        QVERIFY(gridOf(&dialog)->hasFocus());
        const int moved = gridOf(&dialog)->currentIndex().row() - 2;
        QVERIFY2(moved * direction > 0, qPrintable(QString::number(moved)));
    }

    void navigatorMovesTheRow()
    {
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        TF_DbSelect dialog(siteRequest(), 5, QString(), prompt);
        const auto click = [&](const char *name) {
            QTest::mouseClick(dialog.findChild<QToolButton *>(name), Qt::LeftButton);
            return dialog.currentKey().toInt();
        };
        QCOMPARE(click("navNext"), 11);
        QCOMPARE(click("navPrior"), 5);
        QCOMPARE(click("navLast"), 40);
        QCOMPARE(click("navNext"), 40);
        QCOMPARE(click("navFirst"), 2);
        QCOMPARE(click("navPrior"), 2);
    }

    void escapeCancelsAndKeepsTheKey()
    {
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        QVariant key = 11;
        QString sortField = "O_Ort";
        whenModal<TF_DbSelect>([](TF_DbSelect *dialog) {
            QTest::keyClick(gridOf(dialog), Qt::Key_Down);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        QVERIFY(!TF_DbSelect::choose(siteRequest(), key, sortField, prompt));
        QCOMPARE(key.toInt(), 11);
        QCOMPARE(sortField, QStringLiteral("O_Ort"));
    }

    void confirmingHandsBackKeyAndSorting_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::addRow("OK button") << false;
        QTest::addRow("double click on a row") << true;
    }

    void confirmingHandsBackKeyAndSorting()
    {
        QFETCH(bool, doubleClick);
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        QVariant key = 2;
        QString sortField;
        whenModal<TF_DbSelect>([doubleClick](TF_DbSelect *dialog) {
            SortGridView *grid = gridOf(dialog);
            QHeaderView *header = grid->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(5) + 10, header->height() / 2));
            // by place: Aachen, Bonn, Bonn, Düren, Köln
            const QRect third = grid->visualRect(grid->model()->index(2, 1));
            if (doubleClick) {
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third.center());
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, third.center());
            } else {
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third.center());
                QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
            }
        });
        QVERIFY(TF_DbSelect::choose(siteRequest(), key, sortField, prompt));
        QCOMPARE(key.toInt(), 40);
        QCOMPARE(sortField, QStringLiteral("O_Ort"));
    }

    void opensWithTheCallersSorting()
    {
        tekvora::test::SelectionTables tables;
        addSites(tables);
        tekvora::test::PresetPrompt prompt;
        TF_DbSelect dialog(siteRequest(), 40, "O_Name1", prompt);
        QCOMPARE(dialog.sortField(), QStringLiteral("O_Name1"));
        QCOMPARE(gridOf(&dialog)->currentIndex().row(), 2); // Hallenbad, Hauptverwaltung, Marktplatz
    }

    void emptyTableChoosesNothing()
    {
        tekvora::test::SelectionTables tables;
        tekvora::test::PresetPrompt prompt;
        QVariant key = 3;
        QString sortField;
        whenModal<TF_DbSelect>([](TF_DbSelect *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
        });
        QVERIFY(!TF_DbSelect::choose(siteRequest(), key, sortField, prompt));
        QCOMPARE(key.toInt(), 3);
    }

    void unreadableTableIsReported()
    {
        tekvora::test::SelectionTables tables;
        tekvora::test::PresetPrompt prompt;
        DbSelectRequest request = siteRequest();
        request.table = "Fehlt";
        QVariant key = 3;
        QString sortField;
        QVERIFY(!TF_DbSelect::choose(request, key, sortField, prompt));
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(prompt.shown.first().startsWith(QStringLiteral("! Die Tabelle \"Fehlt\" kann nicht geöffnet werden.")));
        QCOMPARE(key.toInt(), 3);
    }

    void staysOnTheScreen()
    {
        tekvora::test::SelectionTables tables;
        tekvora::test::PresetPrompt prompt;
        DbSelectRequest request = siteRequest();
        request.topLeft = QPoint(100000, -500);
        TF_DbSelect dialog(request, 0, QString(), prompt);
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(screen.contains(dialog.frameGeometry()));
        QCOMPARE(dialog.width(), gridOf(&dialog)->designedWidth());
    }
};

QTEST_MAIN(TestTF_DbSelect)
#include "TestTF_DbSelect.moc"
