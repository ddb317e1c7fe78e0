#include "StoreSql.h"
#include "app/ClientDirs.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/ui/MasterEditor.h"
#include "masterdata/ui/TF_Personal.h"
#include "masterdata/ui/TF_Taetig.h"
#include "app/ui/RecordNavigator.h"
#include "support/PresetPrompt.h"
#include "support/TempDatabase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tekvora;
using namespace tekvora::masterdata;

namespace {

/// Activities 1..3 numbered 10, 20, 30 with marks 0, 2 and null; company minimum 10.
void addActivities()
{
    test::execSql(QStringLiteral("UPDATE Firmen SET F_MinNrTaetig = 10, F_MinNrPersonal = 1"));
    test::execSql(
        QStringLiteral("INSERT INTO Taetig (T_ID, T_Nr, T_Match, T_Gruppe, T_Druckabschnitt, T_TextTour) VALUES "
                       "(1, 30, 'Fenster', 'Glas', 0, 'Langer Text'), (2, 10, 'Boden', 'Nass', 2, NULL), "
                       "(3, 20, 'Treppe', 'Nass', NULL, NULL)"));
}

/// Staff 1 (no. 5) active, 2 (no. 7) inactive, 3 (no. 9) without flag.
void addStaff()
{
    test::execSql(QStringLiteral("INSERT INTO Personal (P_ID, P_Nr, P_Match, P_Aktiv) VALUES "
                                 "(1, 5, 'ANNA', 1), (2, 7, 'BERT', 0), (3, 9, 'CARL', NULL)"));
}

/// A store with the activities above, more SQL on them, and the activity editor shown and active on it.
struct ActivityWindow {
    ActivityWindow(const app::ClientDirs &dirs, QList<bool> answers = {}, const QString &moreSql = {})
        : seeded(seed(moreSql)), prompt(std::move(answers)), window(dirs, prompt)
    {
        window.show();
        activated = QTest::qWaitForWindowActive(&window);
    }

    static bool seed(const QString &moreSql)
    {
        addActivities();
        if (!moreSql.isEmpty())
            test::execSql(moreSql);
        return true;
    }

    test::TempDatabase store;
    bool seeded;
    test::PresetPrompt prompt;
    TF_Taetig window;
    bool activated = false;
};

QModelIndex cell(MasterEditor *editor, int row, const QString &field)
{
    const auto &columns = editor->model()->columns();
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].field == field)
            return editor->model()->index(row, c);
    return {};
}

void doubleClick(MasterEditor *editor, const QModelIndex &index)
{
    editor->grid()->setCurrentIndex(index);
    emit editor->grid()->doubleClicked(index);
}

QStringList shownRows(MasterEditor *editor, const QString &field)
{
    QStringList rows;
    for (int r = 0; r < editor->model()->rowCount(); ++r)
        rows << cell(editor, r, field).data().toString();
    return rows;
}

} // namespace

class TestMasterEditors : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    app::ClientDirs m_dirs;

    std::unique_ptr<MasterDataDialog> openEditor(const QString &name, app::UserPrompt &prompt,
                                                 QWidget *parent = nullptr)
    {
        if (name == QLatin1String("TF_Taetig"))
            return std::make_unique<TF_Taetig>(m_dirs, prompt, parent);
        return std::make_unique<TF_Personal>(m_dirs, prompt, parent);
    }

private slots:
    void init()
    {
        m_temp = std::make_unique<QTemporaryDir>();
        m_dirs = app::ClientDirs(m_temp->path() + "/root", 1, m_temp->path() + "/cfg");
    }

    void activitiesOpenInNumberOrderWithMarks()
    {
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        auto &prompt = fixture.prompt;
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        QCOMPARE(shownRows(editor, "T_Nr"), (QStringList{"10", "20", "30"}));
        QCOMPARE(shownRows(editor, "T_Druckabschnitt"), (QStringList{"Ja", "Nein", "Nein"}));
        QCOMPARE(editor->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nummer"));

        // A mark of 2 from elsewhere counts as set: a double click clears it and stores at once.
        doubleClick(editor, cell(editor, 0, "T_Druckabschnitt"));
        QVERIFY(!editor->record().isEditing());
        QCOMPARE(test::scalarSql("SELECT T_Druckabschnitt FROM Taetig WHERE T_ID = 2").toInt(), 0);
        doubleClick(editor, cell(editor, 1, "T_Druckabschnitt"));
        QCOMPARE(test::scalarSql("SELECT T_Druckabschnitt FROM Taetig WHERE T_ID = 3").toInt(), 1);
        QVERIFY(prompt.shown.isEmpty());
    }

    void markKeysSetTheMarkAndMoveOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("mark");
        // Row 0 holds a mark of 2, row 2 (the last) a mark of 0.
        QTest::addRow("Enter inverts") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 0 << 0;
        QTest::addRow("j sets") << int(Qt::Key_J) << Qt::KeyboardModifiers() << 2 << 1;
        QTest::addRow("J sets") << int(Qt::Key_J) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 1;
        QTest::addRow("n clears") << int(Qt::Key_N) << Qt::KeyboardModifiers() << 0 << 0;
        QTest::addRow("Enter on the last row") << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << 2 << 1;
    }

    void markKeysSetTheMarkAndMoveOn()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, row);
        QFETCH(int, mark);
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        MasterEditor *editor = fixture.window.editor();
        const int id = editor->model()->keyAt(row).toInt();
        editor->grid()->setFocus();
        editor->grid()->setCurrentIndex(cell(editor, row, "T_Druckabschnitt"));
        QTest::keyClick(editor->grid(), Qt::Key(key), modifiers);
        QVERIFY(!editor->record().isEditing());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT T_Druckabschnitt FROM Taetig WHERE T_ID = %1").arg(id)).toInt(),
                 mark);
        QCOMPARE(editor->currentRow(), std::min(row + 1, 2));
    }

    void titleClicksSortByTheIndexOfTheColumn_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sortField");
        QTest::addRow("Gruppe") << "TF_Taetig" << "Gruppe" << "T_Gruppe";
        QTest::addRow("Beschreibungstext") << "TF_Taetig" << "Beschreibungstext" << "T_Match";
        QTest::addRow("Wahl has no index: order kept") << "TF_Taetig" << "Wahl" << "T_Nr";
        QTest::addRow("Name") << "TF_Personal" << "Name" << "P_Name1";
        QTest::addRow("Ort") << "TF_Personal" << "Ort" << "P_Ort";
        QTest::addRow("Telefon has no index: the number") << "TF_Personal" << "Telefon" << "P_Nr";
    }

    void titleClicksSortByTheIndexOfTheColumn()
    {
        QFETCH(QString, editor);
        QFETCH(QString, title);
        QFETCH(QString, sortField);
        test::TempDatabase store;
        addActivities();
        addStaff();
        test::PresetPrompt prompt;
        const std::unique_ptr<MasterDataDialog> window = openEditor(editor, prompt);
        db::SqlGridModel *model = window->editor()->model();
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
        const QString numberField = window->editor()->record().table().number.field;
        QCOMPARE(model->sortField(), numberField);
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == title)
                emit window->editor()->grid()->horizontalHeader()->sectionClicked(c);
        QCOMPARE(model->sortField(), sortField);
        // Back from another window the staff are in number order again; the activities keep their order.
        QApplication::sendEvent(window.get(), &activation);
        QCOMPARE(model->sortField(), editor == QLatin1String("TF_Personal") ? numberField : sortField);
    }

    void editorsSitOverTheMainWindowAndKeepTheirPlace_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("section");
        QTest::addRow("activities") << "TF_Taetig" << "Taetigkeit";
        QTest::addRow("staff") << "TF_Personal" << "Personal";
    }

    void editorsSitOverTheMainWindowAndKeepTheirPlace()
    {
        QFETCH(QString, editor);
        QFETCH(QString, section);
        test::TempDatabase store;
        test::PresetPrompt prompt;
        QMainWindow main;
        main.setObjectName("TF_Tekvora");
        main.move(40, 50);
        main.resize(900, 700);
        main.show();
        std::unique_ptr<MasterDataDialog> first = openEditor(editor, prompt, &main);
        QCOMPARE(first->pos(), main.pos() + QPoint(0, 32));
        QCOMPARE(first->size(), main.size() - QSize(0, 32));

        first->show();
        first->move(100, 120);
        first->resize(640, 480);
        const QRect kept = first->geometry();
        first->reject();
        QSettings settings(m_dirs.settingsFile(), QSettings::IniFormat);
        QVERIFY(settings.childGroups().contains(section));
        std::unique_ptr<MasterDataDialog> second = openEditor(editor, prompt, &main);
        QCOMPARE(second->geometry(), kept);
    }

    void ctrlPageKeysMoveBetweenSearchGridAndPage_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::addRow("grid down to the page") << "GridPersonal" << int(Qt::Key_PageDown) << "EditMatch";
        QTest::addRow("grid up to the search box") << "GridPersonal" << int(Qt::Key_PageUp) << "EditSuchen";
        QTest::addRow("search box down to the grid") << "EditSuchen" << int(Qt::Key_PageDown) << "GridPersonal";
        QTest::addRow("page field up to the grid") << "EditOrt" << int(Qt::Key_PageUp) << "GridPersonal";
    }

    void ctrlPageKeysMoveBetweenSearchGridAndPage()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        test::TempDatabase store;
        addStaff();
        test::PresetPrompt prompt;
        TF_Personal window(m_dirs, prompt);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *start = window.findChild<QWidget *>(from);
        start->setFocus();
        QTest::keyClick(start, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void popupMenuOffersMarksOnlyOnTheMarkColumn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("marksEnabled");
        QTest::addRow("Wahl") << "T_Druckabschnitt" << true;
        QTest::addRow("Nummer") << "T_Nr" << false;
        QTest::addRow("Beschreibungstext") << "T_Match" << false;
    }

    void popupMenuOffersMarksOnlyOnTheMarkColumn()
    {
        QFETCH(QString, field);
        QFETCH(bool, marksEnabled);
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        const QModelIndex index = cell(editor, 0, field);
        QMap<QString, bool> enabled;
        QTimer::singleShot(50, [&enabled] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *action : menu->actions())
                    enabled.insert(action->text(), action->isEnabled());
                menu->close();
            }
        });
        emit editor->grid()->customContextMenuRequested(editor->grid()->visualRect(index).center());
        QCOMPARE(enabled.keys(), (QStringList{"Abbrechen", "Alle aus", "Alle ein", "Leistungssatz kopieren"}));
        QCOMPARE(enabled.value("Leistungssatz kopieren"), true);
        QCOMPARE(enabled.value("Abbrechen"), true);
        QCOMPARE(enabled.value("Alle ein"), marksEnabled);
        QCOMPARE(enabled.value("Alle aus"), marksEnabled);
    }

    void copyingFromThePopupMenuShowsTheCopy()
    {
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        editor->goToRow(2); // number 30, "Fenster"
        QTimer::singleShot(50, [] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
                for (QAction *action : menu->actions())
                    if (action->text() == QLatin1String("Leistungssatz kopieren"))
                        action->trigger();
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        emit editor->grid()->customContextMenuRequested(editor->grid()->visualRect(cell(editor, 2, "T_Nr")).center());
        QCOMPARE(shownRows(editor, "T_Nr"), (QStringList{"10", "11", "20", "30"}));
        QCOMPARE(editor->record().value("T_Nr").toInt(), 11);
        QCOMPARE(editor->record().value("T_Match").toString(), QStringLiteral("Fenster"));
        QCOMPARE(editor->record().value("T_TextTour").toString(), QStringLiteral("Langer Text"));
    }

    void numberProposalByDoubleClick_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("questions");
        QTest::addRow("zero: no question") << 0 << QList<bool>{} << 10 << 0;
        QTest::addRow("number kept on Nein") << 10 << QList<bool>{false} << 10 << 1;
        QTest::addRow("number replaced on Ja") << 10 << QList<bool>{true} << 11 << 1;
    }

    void numberProposalByDoubleClick()
    {
        QFETCH(int, number);
        QFETCH(QList<bool>, answers);
        QFETCH(int, expected);
        QFETCH(int, questions);
        ActivityWindow fixture(m_dirs, answers,
                               QStringLiteral("UPDATE Taetig SET T_Nr = %1 WHERE T_ID = 2").arg(number));
        QVERIFY(fixture.activated);
        auto &prompt = fixture.prompt;
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        doubleClick(editor, cell(editor, 0, "T_Nr"));
        QCOMPARE(prompt.shown.size(), questions);
        QCOMPARE(editor->record().value("T_Nr").toInt(), expected);
        QCOMPARE(cell(editor, 0, "T_Nr").data().toInt(), expected);
        QTest::keyClick(&window, Qt::Key_F10);
        QVERIFY(!editor->record().isEditing());
        QCOMPARE(test::scalarSql("SELECT T_Nr FROM Taetig WHERE T_ID = 2").toInt(), expected);
    }

    void gridEditsArePostedOnLeavingTheRowOrRefused()
    {
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        auto &prompt = fixture.prompt;
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        QAbstractItemModel *model = editor->model();

        // Text over the field's size is refused; text that fits waits for the row to be left.
        QVERIFY(!model->setData(cell(editor, 0, "T_Match"), QString(41, QLatin1Char('x'))));
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(model->setData(cell(editor, 0, "T_Match"), QStringLiteral("Boden nass")));
        QCOMPARE(cell(editor, 0, "T_Match").data().toString(), QStringLiteral("Boden nass"));
        QCOMPARE(test::scalarSql("SELECT T_Match FROM Taetig WHERE T_ID = 2").toString(), QStringLiteral("Boden"));
        editor->goToRow(1);
        QCOMPARE(test::scalarSql("SELECT T_Match FROM Taetig WHERE T_ID = 2").toString(), QStringLiteral("Boden nass"));

        // A number another activity has: the row is not left and the store keeps both numbers.
        QVERIFY(model->setData(cell(editor, 1, "T_Nr"), QStringLiteral("30")));
        editor->goToRow(2);
        QCOMPARE(editor->currentRow(), 1);
        QVERIFY(editor->record().isEditing());
        QCOMPARE(
            prompt.shown.last(),
            QStringLiteral("! Die Tätigkeitsnummer 30 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer."));
        QTest::keyClick(&window, Qt::Key_Backspace, Qt::AltModifier);
        QVERIFY(!editor->record().isEditing());
        QCOMPARE(shownRows(editor, "T_Nr"), (QStringList{"10", "20", "30"}));
    }

    void insertingAndCancellingLeavesNoRow()
    {
        ActivityWindow fixture(m_dirs, {true});
        QVERIFY(fixture.activated);
        auto &prompt = fixture.prompt;
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        auto *navigator = window.findChild<app::RecordNavigator *>("DBNavigator1");
        QVERIFY(navigator);
        editor->goToRow(1);
        navigator->button(app::RecordNavigator::Insert)->click();
        QCOMPARE(editor->model()->rowCount(), 4);
        QCOMPARE(cell(editor, 3, "T_Nr").data().toString(), QStringLiteral("11"));
        navigator->button(app::RecordNavigator::Cancel)->click();
        QCOMPARE(editor->model()->rowCount(), 3);
        QCOMPARE(editor->currentRow(), 1);
        QCOMPARE(test::scalarSql("SELECT COUNT(*) FROM Taetig").toInt(), 3);

        navigator->button(app::RecordNavigator::Insert)->click();
        navigator->button(app::RecordNavigator::Post)->click();
        QCOMPARE(shownRows(editor, "T_Nr"), (QStringList{"10", "11", "20", "30"}));
        QCOMPARE(test::scalarSql("SELECT T_ID FROM Taetig WHERE T_Nr = 11").toInt(), 4);

        navigator->button(app::RecordNavigator::Delete)->click();
        QCOMPARE(prompt.shown, QStringList{"? Tätigkeit löschen?"});
        QCOMPARE(shownRows(editor, "T_Nr"), (QStringList{"10", "20", "30"}));
    }

    void searchBoxDisablesTheNavigatorWhileItHasTheFocus()
    {
        ActivityWindow fixture(m_dirs);
        QVERIFY(fixture.activated);
        auto &window = fixture.window;
        MasterEditor *editor = window.editor();
        auto *search = window.findChild<QLineEdit *>("EditSuchen");
        auto *navigator = window.findChild<app::RecordNavigator *>("DBNavigator1");
        editor->grid()->setCurrentIndex(cell(editor, 0, "T_Match"));
        search->setFocus();
        QVERIFY(!navigator->isEnabled());
        QCOMPARE(search->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
        QCOMPARE(editor->model()->sortField(), QStringLiteral("T_Match"));
        QTest::keyClicks(search, "tr");
        QCOMPARE(editor->record().value("T_Match").toString(), QStringLiteral("Treppe"));
        editor->grid()->setFocus();
        QVERIFY(navigator->isEnabled());
        QCOMPARE(search->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    }

    void detailRowsFollowTheMasterWithLookedUpNames()
    {
        test::TempDatabase store;
        addActivities();
        test::execSql("INSERT INTO Objekte (O_ID, O_Nr) VALUES (1, 100), (2, 200)");
        test::execSql(
            "INSERT INTO OTaetNeu (TS_ID, TS_ObjID, TS_Taetigkeit) VALUES (1, 1, 10), (2, 1, 30), (3, 2, 20)");
        test::PresetPrompt prompt;
        QWidget window;
        MasterEditor sites(siteTable(), {{"O_Nr", "Obj.-Nr."}}, prompt, &window);
        const MasterTable siteActivities{"OTaetNeu", "TS_ID", {}, "Tätigkeit löschen?", {{"TS_Modus", 1}}};
        MasterEditor activities(siteActivities,
                                {{"TS_Taetigkeit", "T.-Nr.", 50, db::GridDisplay::Plain, true},
                                 {"T_Match",
                                  "Bezeichnung der Tätigkeit",
                                  200,
                                  db::GridDisplay::Plain,
                                  false,
                                  {"Taetig", "T_Nr", "TS_Taetigkeit"}}},
                                prompt, &window);
        activities.linkToMaster(sites, "O_ID", "TS_ObjID");
        QVERIFY(activities.open());
        QVERIFY(sites.open());
        QCOMPARE(shownRows(&activities, "T_Match"), (QStringList{"Boden", "Fenster"}));
        QVERIFY(!activities.model()->flags(cell(&activities, 0, "T_Match")).testFlag(Qt::ItemIsEditable));

        sites.goToRow(1);
        QCOMPARE(shownRows(&activities, "T_Match"), QStringList{"Treppe"});
        activities.insertRecord();
        QVERIFY(activities.model()->setData(cell(&activities, 1, "TS_Taetigkeit"), "30"));
        QCOMPARE(cell(&activities, 1, "T_Match").data().toString(), QStringLiteral("Fenster"));
        QVERIFY(activities.commitEdit());
        QCOMPARE(test::scalarSql("SELECT TS_ObjID || '/' || TS_Modus FROM OTaetNeu WHERE TS_ID = 4").toString(),
                 QStringLiteral("2/1"));
        QCOMPARE(shownRows(&activities, "T_Match"), (QStringList{"Treppe", "Fenster"}));

        // Without a site there is no row to add an activity to.
        test::execSql("DELETE FROM Objekte");
        sites.refreshRows();
        QCOMPARE(activities.model()->rowCount(), 0);
        activities.insertRecord();
        QVERIFY(!activities.record().isEditing());
        QCOMPARE(activities.model()->rowCount(), 0);
    }

    void staffOnlyActiveAndReactivation()
    {
        test::TempDatabase store;
        addStaff();
        test::PresetPrompt prompt;
        TF_Personal window(m_dirs, prompt);
        window.show();
        MasterEditor *editor = window.editor();
        auto *onlyActive = window.findChild<QCheckBox *>("CheckBoxAktiv");
        QVERIFY(onlyActive->isChecked());
        QCOMPARE(shownRows(editor, "P_Nr"), QStringList{"5"});

        onlyActive->setChecked(false);
        QCOMPARE(shownRows(editor, "P_Nr"), (QStringList{"5", "7", "9"}));
        QCOMPARE(shownRows(editor, "P_Aktiv"), (QStringList{"Ja", "Nein", "Nein"}));
        doubleClick(editor, cell(editor, 1, "P_Aktiv"));
        QVERIFY(editor->record().isEditing());
        QCOMPARE(cell(editor, 1, "P_Aktiv").data().toString(), QStringLiteral("Ja"));
        editor->goToRow(2);
        QCOMPARE(test::scalarSql("SELECT P_Aktiv FROM Personal WHERE P_ID = 2").toInt(), 1);
        onlyActive->setChecked(true);
        QCOMPARE(shownRows(editor, "P_Nr"), (QStringList{"5", "7"}));
    }

    void staffFieldsFollowTheRecordAndKeepTheFieldSize()
    {
        test::TempDatabase store;
        addStaff();
        test::PresetPrompt prompt;
        TF_Personal window(m_dirs, prompt);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MasterEditor *editor = window.editor();
        auto *match = window.findChild<QLineEdit *>("EditMatch");
        QCOMPARE(match->text(), QStringLiteral("ANNA"));
        QCOMPARE(match->maxLength(), 20);
        match->setFocus();
        match->selectAll();
        QTest::keyClicks(match, QString(25, QLatin1Char('z')));
        QCOMPARE(match->text(), QString(20, QLatin1Char('z')));
        QVERIFY(editor->record().isEditing());
        QCOMPARE(cell(editor, 0, "P_Match").data().toString(), QString(20, QLatin1Char('z')));
        QTest::keyClick(&window, Qt::Key_F10);
        QCOMPARE(test::scalarSql("SELECT P_Match FROM Personal WHERE P_ID = 1").toString(),
                 QString(20, QLatin1Char('z')));

        // Without a number the proposal needs no question.
        test::execSql("UPDATE Personal SET P_Nr = NULL WHERE P_ID = 1");
        editor->refreshRows();
        auto *number = window.findChild<QLineEdit *>("EditNr");
        QCOMPARE(number->text(), QString());
        QTest::mouseDClick(number, Qt::LeftButton);
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(number->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestMasterEditors)
#include "TestMasterEditors.moc"
