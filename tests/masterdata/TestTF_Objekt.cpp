#include "ModalDialog.h"
#include "SiteFixture.h"
#include "app/AppState.h"
#include "app/ClientDirs.h"
#include "db/ui/SortGridView.h"
#include "masterdata/ui/MasterEditor.h"
#include "masterdata/ui/TF_DbSelect.h"
#include "masterdata/ui/TF_Objekt.h"
#include "app/ui/RecordNavigator.h"
#include "stats/ui/TF_Tekvora.h"
#include "support/PresetPrompt.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace tekvora::masterdata;
using tekvora::db::SortGridView;
using tekvora::app::RecordNavigator;
using tekvora::test::PresetPrompt;
using tekvora::test::SiteFixture;

namespace
{

const QString NumberWarning = QStringLiteral("ACHTUNG!!!! Sie sind im Begriff, die Objektnummer zu ändern!\n"
                                             "Beachten Sie bitte, dass durch die Änderung der Bezug\n"
                                             "zu erledigten (abgelegten) Rechnungen und offenen Posten\n"
                                             "verloren geht sowie der Datenaustausch mit externen Pro-\n"
                                             "grammen möglicherweise nicht mehr korrekt ausgeführt werden\n"
                                             "kann!\n"
                                             "\n"
                                             "Möchten Sie die Objektnummer wirklich ändern?");

enum Column { NumberColumn = 0, MatchColumn = 1, ActiveColumn = 6, MarkColumn = 7 };

/// A client with three sites (active, inactive, no active flag) and the site editor over them.
struct Editor {
    explicit Editor(QList<bool> answers = {}) : prompt(answers)
    {
        data.addSite(1, 10, "AKTIV", true);
        data.addSite(2, 20, "INAKTIV", false);
        data.addSite(3, 30, "OHNEFLAG", QVariant());
        data.addActivity(1, 5, "Fenster putzen", "Alle Fenster innen und außen");
        data.addActivity(2, 6, "Treppe wischen");
        data.addActivityRow(1, 1, 5);
        data.addActivityRow(2, 1, 6);
        data.addActivityRow(3, 3, 5);
        window = std::make_unique<TF_Objekt>(dirs, prompt);
    }

    SortGridView *grid() const { return window->editor()->grid(); }
    int rows() const { return grid()->model()->rowCount(); }
    QList<int> shownNumbers() const
    {
        QList<int> numbers;
        for (int row = 0; row < rows(); ++row)
            numbers << grid()->model()->index(row, NumberColumn).data().toInt();
        return numbers;
    }
    void goTo(int row, int column) { grid()->setCurrentIndex(grid()->model()->index(row, column)); }
    void doubleClick(int row, int column)
    {
        goTo(row, column);
        emit grid()->doubleClicked(grid()->model()->index(row, column));
    }
    void navigate(const char *navigator, RecordNavigator::Button button)
    {
        window->findChild<RecordNavigator *>(navigator)->button(button)->click();
    }

    SiteFixture data;
    QTemporaryDir root;
    tekvora::app::ClientDirs dirs{root.path(), 1, root.filePath("settings")};
    PresetPrompt prompt;
    std::unique_ptr<TF_Objekt> window;
};

} // namespace

class TestTF_Objekt : public QObject
{
    Q_OBJECT

private slots:
    void opensOnActiveSitesByNumber();
    void checkBoxesFilter_data();
    void checkBoxesFilter();
    void activeTypedInTheGrid();
    void numberProposal_data();
    void numberProposal();
    void newSiteDefaults();
    void postAndCancelKeys_data();
    void postAndCancelKeys();
    void deleteTakesActivitiesWithoutThePage_data();
    void deleteTakesActivitiesWithoutThePage();
    void markByDoubleClickAndKeys_data();
    void markByDoubleClickAndKeys();
    void siteMenuOnlyOnMarkColumn_data();
    void siteMenuOnlyOnMarkColumn();
    void allMarksOnAndOff();
    void activitiesFollowTheSite();
    void newActivityDefaults();
    void deleteActivityAsks_data();
    void deleteActivityAsks();
    void copyFromSite();
    void placementKept();
    void focusBetweenListAndPages_data();
    void focusBetweenListAndPages();
    void mailAddressRefused_data();
    void mailAddressRefused();
    void openedFromTheMainWindow_data();
    void openedFromTheMainWindow();
};

void TestTF_Objekt::opensOnActiveSitesByNumber()
{
    Editor editor;
    QCOMPARE(editor.window->windowTitle(), QString("Objekte"));
    QVERIFY(editor.window->findChild<QCheckBox *>("cbAktive")->isChecked());
    QVERIFY(!editor.window->findChild<QCheckBox *>("cbInaktive")->isChecked());
    QCOMPARE(editor.shownNumbers(), (QList<int>{10, 30}));
    QCOMPARE(editor.window->findChild<QTabWidget *>("PageControl1")->currentIndex(), 0);
    QCOMPARE(editor.grid()->model()->index(1, ActiveColumn).data().toString(), QString("Ja"));
    QCOMPARE(editor.grid()->model()->index(0, MarkColumn).data().toString(), QString("Nein"));
    QCOMPARE(editor.window->findChild<QLineEdit *>("edMatch")->text(), QString("AKTIV"));
}

void TestTF_Objekt::checkBoxesFilter_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("inactive");
    QTest::addColumn<QList<int>>("shown");
    QTest::addRow("neither: all") << false << false << QList<int>{10, 20, 30};
    QTest::addRow("Aktive: no flag counts as active") << true << false << QList<int>{10, 30};
    QTest::addRow("Inaktive") << false << true << QList<int>{20};
    QTest::addRow("both: all") << true << true << QList<int>{10, 20, 30};
}

void TestTF_Objekt::checkBoxesFilter()
{
    QFETCH(bool, active);
    QFETCH(bool, inactive);
    Editor editor;
    for (auto [name, ticked] : {std::pair{"cbAktive", active}, std::pair{"cbInaktive", inactive}}) {
        auto *box = editor.window->findChild<QCheckBox *>(name);
        if (box->isChecked() != ticked)
            box->click();
    }
    QTEST(editor.shownNumbers(), "shown");
    QCOMPARE(editor.window->filterMode(), (active ? 1 : 0) + (inactive ? 2 : 0));
}

void TestTF_Objekt::activeTypedInTheGrid()
{
    Editor editor;
    QVERIFY(editor.grid()->model()->setData(editor.grid()->model()->index(0, ActiveColumn), "Nein"));
    QVERIFY(editor.window->editor()->commitEdit());
    QCOMPARE(editor.data.count("SELECT O_Aktiv FROM Objekte WHERE O_ID = 1"), 0);
    editor.window->editor()->refreshRows();
    QCOMPARE(editor.shownNumbers(), QList<int>{30});
}

void TestTF_Objekt::numberProposal_data()
{
    QTest::addColumn<QVariant>("number");
    QTest::addColumn<bool>("onField");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("stored");
    // Numbers 10 and 30 are taken, so the proposal is 1 (the company minimum).
    QTest::addRow("zero, grid") << QVariant(0) << false << false << false << 1;
    QTest::addRow("empty, field") << QVariant() << true << false << false << 1;
    QTest::addRow("number, yes") << QVariant(7) << false << true << true << 1;
    QTest::addRow("number, field, yes") << QVariant(7) << true << true << true << 1;
    QTest::addRow("number, no") << QVariant(7) << false << false << true << 7;
}

void TestTF_Objekt::numberProposal()
{
    QFETCH(QVariant, number);
    QFETCH(bool, onField);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, stored);
    Editor editor({answer});
    editor.data.exec("UPDATE Objekte SET O_Nr = ? WHERE O_ID = 3", {number});
    editor.window->editor()->refreshRows();
    const int row = editor.shownNumbers().indexOf(number.toInt());
    QVERIFY(row >= 0);
    if (onField) {
        editor.goTo(row, MatchColumn);
        QTest::mouseDClick(editor.window->findChild<QLineEdit *>("edObjNr"), Qt::LeftButton);
    } else {
        editor.doubleClick(row, NumberColumn);
    }
    QCOMPARE(editor.prompt.shown, asked ? QStringList{"? " + NumberWarning} : QStringList{});
    QVERIFY(editor.window->editor()->commitEdit());
    QCOMPARE(editor.data.count("SELECT O_Nr FROM Objekte WHERE O_ID = 3"), stored);
}

void TestTF_Objekt::newSiteDefaults()
{
    Editor editor;
    editor.navigate("DBNavigator1", RecordNavigator::Insert);
    auto *match = editor.window->findChild<QLineEdit *>("edMatch");
    match->setText("NEU");
    emit match->textEdited("NEU");
    QVERIFY(editor.window->editor()->commitEdit());
    QSqlQuery site = editor.data.exec("SELECT O_ID, O_Nr, O_Aktiv FROM Objekte WHERE O_Match = 'NEU'");
    QVERIFY(site.next());
    QCOMPARE(site.value(0).toInt(), 4);
    QCOMPARE(site.value(1).toInt(), 1);
    QCOMPARE(site.value(2).toInt(), 1);
}

void TestTF_Objekt::postAndCancelKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("stored");
    QTest::addRow("F10") << QKeySequence(Qt::Key_F10) << "GEAENDERT";
    QTest::addRow("Alt+Backspace") << QKeySequence(Qt::ALT | Qt::Key_Backspace) << "AKTIV";
}

void TestTF_Objekt::postAndCancelKeys()
{
    QFETCH(QKeySequence, keys);
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    auto *match = editor.window->findChild<QLineEdit *>("edMatch");
    match->setFocus();
    match->setText("GEAENDERT");
    emit match->textEdited("GEAENDERT");
    QTest::keySequence(match, keys);
    QVERIFY(!editor.window->editor()->record().isEditing());
    QSqlQuery site = editor.data.exec("SELECT O_Match FROM Objekte WHERE O_ID = 1");
    QVERIFY(site.next());
    QTEST(site.value(0).toString(), "stored");
}

void TestTF_Objekt::deleteTakesActivitiesWithoutThePage_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QList<int>>("sites");
    QTest::addColumn<QList<int>>("activityRows");
    QTest::addRow("yes") << true << QList<int>{2, 3} << QList<int>{3};
    QTest::addRow("no") << false << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
}

void TestTF_Objekt::deleteTakesActivitiesWithoutThePage()
{
    QFETCH(bool, answer);
    Editor editor({answer});
    QCOMPARE(editor.window->findChild<QTabWidget *>("PageControl1")->currentIndex(), 0);
    editor.navigate("DBNavigator1", RecordNavigator::Delete);
    QCOMPARE(editor.prompt.shown, QStringList{"? Objekt löschen?"});
    QTEST(editor.data.column("SELECT O_ID FROM Objekte ORDER BY O_ID"), "sites");
    QTEST(editor.data.column("SELECT TS_ID FROM OTaetNeu ORDER BY TS_ID"), "activityRows");
}

void TestTF_Objekt::markByDoubleClickAndKeys_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key"); // 0: double click
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("rowAfter");
    QTest::addRow("double click") << int(MarkColumn) << 0 << 1 << 0;
    QTest::addRow("Enter") << int(MarkColumn) << int(Qt::Key_Return) << 1 << 1;
    QTest::addRow("J") << int(MarkColumn) << int(Qt::Key_J) << 1 << 1;
    QTest::addRow("N") << int(MarkColumn) << int(Qt::Key_N) << 0 << 1;
}

void TestTF_Objekt::markByDoubleClickAndKeys()
{
    QFETCH(int, column);
    QFETCH(int, key);
    Editor editor;
    if (key == 0) {
        editor.doubleClick(0, column);
        QVERIFY(editor.window->editor()->record().isEditing()); // kept until posted or left
    } else {
        editor.goTo(0, column);
        QTest::keyClick(editor.grid(), Qt::Key(key));
    }
    QTEST(editor.grid()->currentIndex().row(), "rowAfter");
    QVERIFY(editor.window->editor()->commitEdit());
    QTEST(editor.data.count("SELECT O_Selected FROM Objekte WHERE O_ID = 1"), "marked");
}

void TestTF_Objekt::siteMenuOnlyOnMarkColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("opens");
    QTest::addRow("Wahl") << int(MarkColumn) << true;
    QTest::addRow("Obj.-Nr.") << int(NumberColumn) << false;
    QTest::addRow("Aktiv") << int(ActiveColumn) << false;
}

void TestTF_Objekt::siteMenuOnlyOnMarkColumn()
{
    QFETCH(int, column);
    Editor editor;
    editor.window->show();
    editor.goTo(0, column);
    emit editor.grid()->customContextMenuRequested(editor.grid()->visualRect(editor.grid()->currentIndex()).center());
    auto *menu = editor.window->findChild<QMenu *>("PopupObjekte");
    QTEST(menu->isVisible(), "opens");
    menu->hide();
}

void TestTF_Objekt::allMarksOnAndOff()
{
    Editor editor;
    auto *menu = editor.window->findChild<QMenu *>("PopupObjekte");
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0]->text(), QString("Alle ein"));
    QCOMPARE(actions[1]->text(), QString("Alle aus"));
    QCOMPARE(actions[2]->text(), QString("Abbrechen"));
    actions[0]->trigger();
    QCOMPARE(editor.data.count("SELECT COUNT(*) FROM Objekte WHERE O_Selected = 1"), 3);
    QCOMPARE(editor.grid()->model()->index(0, MarkColumn).data().toString(), QString("Ja"));
    actions[1]->trigger();
    QCOMPARE(editor.data.count("SELECT COUNT(*) FROM Objekte WHERE O_Selected = 0"), 3);
    QCOMPARE(editor.grid()->model()->index(0, MarkColumn).data().toString(), QString("Nein"));
}

void TestTF_Objekt::activitiesFollowTheSite()
{
    Editor editor;
    SortGridView *activities = editor.window->activities()->grid();
    QCOMPARE(activities->model()->rowCount(), 2);
    QCOMPARE(activities->model()->index(0, 2).data().toString(), QString("Fenster putzen"));
    QCOMPARE(activities->model()->index(1, 2).data().toString(), QString("Treppe wischen"));
    QCOMPARE(activities->model()->index(0, 6).data().toString(), QString("12,50"));
    auto *longText = editor.window->findChild<QTextEdit *>("MemoLangtext");
    QVERIFY(longText->isReadOnly());
    QCOMPARE(longText->toPlainText(), QString("Alle Fenster innen und außen"));
    activities->setCurrentIndex(activities->model()->index(1, 0));
    QCOMPARE(longText->toPlainText(), QString());
    editor.goTo(1, NumberColumn); // site 30
    QCOMPARE(activities->model()->rowCount(), 1);
}

void TestTF_Objekt::newActivityDefaults()
{
    Editor editor;
    editor.goTo(1, NumberColumn); // site 30, key 3
    editor.navigate("DBNavigator2", RecordNavigator::Insert);
    QVERIFY(editor.window->activities()->commitEdit());
    QSqlQuery row = editor.data.exec("SELECT TS_ID, TS_ObjID, TS_Objekt, TS_Modus, TS_StartDatum, TS_Taetigkeit "
                                     "FROM OTaetNeu WHERE TS_ID = 4");
    QVERIFY(row.next());
    QCOMPARE(row.value(1).toInt(), 3);
    QCOMPARE(row.value(2).toInt(), 30);
    QCOMPARE(row.value(3).toInt(), 1);
    QCOMPARE(row.value(4).toString(), QDate::currentDate().toString("yyyy-MM-dd"));
    QCOMPARE(row.value(5).toInt(), 0);
    QCOMPARE(editor.window->activities()->grid()->model()->rowCount(), 2);
}

void TestTF_Objekt::deleteActivityAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QList<int>>("left");
    QTest::addRow("yes") << true << QList<int>{2, 3};
    QTest::addRow("no") << false << QList<int>{1, 2, 3};
}

void TestTF_Objekt::deleteActivityAsks()
{
    QFETCH(bool, answer);
    Editor editor({answer});
    editor.navigate("DBNavigator2", RecordNavigator::Delete);
    QCOMPARE(editor.prompt.shown, QStringList{"? Tätigkeit löschen?"});
    QTEST(editor.data.column("SELECT TS_ID FROM OTaetNeu ORDER BY TS_ID"), "left");
    QCOMPARE(editor.window->activities()->grid()->model()->rowCount(), answer ? 1 : 2);
}

void TestTF_Objekt::copyFromSite()
{
    Editor editor;
    editor.goTo(1, NumberColumn); // site 30 with one activity
    tekvora::test::whenModal<TF_DbSelect>([](TF_DbSelect *dialog) {
        dialog->findChild<SortGridView *>("grid")->goToKey(10);
        dialog->accept();
    });
    auto *menu = editor.window->findChild<QMenu *>("PopupTaetigkeiten");
    QCOMPARE(menu->actions().first()->text(), QString("Kopieren von Objekt"));
    menu->actions().first()->trigger();
    QCOMPARE(editor.data.column("SELECT TS_Taetigkeit FROM OTaetNeu WHERE TS_ObjID = 3 ORDER BY TS_ID"),
             (QList<int>{5, 5, 6}));
    QCOMPARE(editor.window->activities()->grid()->model()->rowCount(), 3);

    tekvora::test::whenModal<TF_DbSelect>([](TF_DbSelect *dialog) { dialog->reject(); });
    menu->actions().first()->trigger();
    QCOMPARE(editor.data.count("SELECT COUNT(*) FROM OTaetNeu WHERE TS_ObjID = 3"), 3);
    QVERIFY(editor.prompt.shown.isEmpty());
}

void TestTF_Objekt::placementKept()
{
    Editor editor;
    editor.window->move(123, 77);
    editor.window->resize(800, 600);
    editor.grid()->setColumnWidth(1, 222);
    editor.window->done(QDialog::Accepted);
    TF_Objekt again(editor.dirs, editor.prompt);
    QCOMPARE(again.size(), QSize(800, 600));
    QCOMPARE(again.editor()->grid()->columnWidth(1), 222);
    QVERIFY(QFile::exists(editor.dirs.settingsFile()));
}

void TestTF_Objekt::focusBetweenListAndPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("target");
    QTest::addRow("list to Grunddaten") << 0 << "GridObjekte"
                                        << "edObjNr";
    QTest::addRow("search box to Grunddaten") << 0 << "EditSuchen"
                                              << "edObjNr";
    QTest::addRow("list to Tätigkeiten") << 1 << "GridObjekte"
                                         << "GridTaetigkeiten";
}

void TestTF_Objekt::focusBetweenListAndPages()
{
    QFETCH(int, page);
    QFETCH(QString, from);
    QFETCH(QString, target);
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    editor.window->findChild<QTabWidget *>("PageControl1")->setCurrentIndex(page);
    auto *start = editor.window->findChild<QWidget *>(from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), editor.window->findChild<QWidget *>(target));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), editor.grid());
}

void TestTF_Objekt::mailAddressRefused_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("message");
    QTest::addRow("without @") << "info.example.de"
                               << "Die Email-Adresse ist ungültig!";
    QTest::addRow("empty") << ""
                           << "";
}

void TestTF_Objekt::mailAddressRefused()
{
    QFETCH(QString, address);
    QFETCH(QString, message);
    Editor editor;
    editor.data.exec("UPDATE Objekte SET O_Email = ? WHERE O_ID = 1", {address});
    editor.window->editor()->refreshRows();
    QString shown;
    if (!message.isEmpty())
        tekvora::test::whenModal<QMessageBox>([&shown](QMessageBox *box) {
            shown = box->text();
            box->accept();
        });
    QTest::mouseDClick(editor.window->findChild<QLineEdit *>("edEmail"), Qt::LeftButton);
    QCOMPARE(shown, message);
}

void TestTF_Objekt::openedFromTheMainWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addRow("menu Datei/Objekte") << "mnuObjekte";
    QTest::addRow("toolbar") << "btnObjektebearbeiten";
}

void TestTF_Objekt::openedFromTheMainWindow()
{
    QFETCH(QString, entry);
    SiteFixture data;
    QTemporaryDir root;
    tekvora::app::AppState state;
    state.dirs = tekvora::app::ClientDirs(root.path(), 1, root.filePath("settings"));
    PresetPrompt prompt;
    tekvora::stats::TF_Tekvora main(state, prompt);
    main.setGeometry(40, 50, 1000, 700);
    main.show();
    QRect placed;
    tekvora::test::whenModal<TF_Objekt>([&placed](TF_Objekt *editor) {
        placed = QRect(editor->pos(), editor->size());
        editor->reject();
    });
    main.findChild<QAction *>(entry)->trigger();
    QCOMPARE(placed, QRect(main.pos() + QPoint(0, 32), main.size() - QSize(0, 32)));
}

QTEST_MAIN(TestTF_Objekt)
#include "TestTF_Objekt.moc"
