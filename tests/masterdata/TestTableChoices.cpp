#include "masterdata/ui/TableChoices.h"

#include "masterdata/ui/TF_DbSelect.h"
#include "db/ui/SortGridView.h"
#include "ModalDialog.h"
#include "SelectionTables.h"
#include "support/PresetPrompt.h"

#include <QHeaderView>
#include <QPushButton>

using namespace tekvora::masterdata;
using tekvora::db::SortGridView;
using tekvora::test::whenModal;

namespace {

enum class Choice { Site, SiteFrom, Employee, Activity, Interval };

int runChoice(Choice choice, int preselected, QString &sortField, tekvora::app::UserPrompt &prompt)
{
    const ChoicePlacement placement{160, 20, 30};
    switch (choice) {
    case Choice::Site:
        return chooseSite(preselected, placement, sortField, prompt);
    case Choice::SiteFrom:
        return chooseSiteFrom("Vidizavid", "Objekte", {"O_Nr < ?", {100}}, preselected, placement, sortField, prompt);
    case Choice::Employee:
        return chooseEmployee({"P_Aktiv = ?", {1}}, preselected, placement, sortField, prompt);
    case Choice::Activity:
        return chooseActivity(preselected, placement, sortField, prompt);
    case Choice::Interval:
        return chooseExecutionInterval(preselected, placement, sortField, prompt);
    }
    return -1;
}

void fill(tekvora::test::SelectionTables &tables)
{
    tables.addSite(10, "Rathaus");
    tables.addSite(20, "Schule");
    tables.addSite(500, "Lager");
    tables.exec("INSERT INTO Personal VALUES (1, 10, 'MEIER', 'Meier', 'Jens', 1), (2, 20, 'ALT', 'Alt', 'Rolf', 0),"
                " (3, 30, 'BAUER', 'Bauer', 'Eva', 1)");
    tables.exec("INSERT INTO Taetig VALUES (1, 10, 'Fegen', 'Reinigung'), (2, 20, 'Mähen', 'Garten')");
    tables.exec("INSERT INTO AusfIV VALUES (1, 'wöchentlich', 1, 20), (2, 'täglich', 0, 10), (3, 'monatlich', 4, 30)");
}

} // namespace

Q_DECLARE_METATYPE(Choice)

class TestTableChoices : public QObject
{
    Q_OBJECT

private slots:
    void choices_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<int>("whenCancelled");
        QTest::addColumn<int>("lastRowKey");
        QTest::addColumn<QString>("sortField");
        QTest::addRow("site") << Choice::Site << "Objekt auswählen" << 20 << 0 << 500 << "O_Nr";
        QTest::addRow("site of a given table") << Choice::SiteFrom << "Objekt auswählen" << 20 << 20 << 20 << "O_Nr";
        QTest::addRow("active employee") << Choice::Employee << "Mitarbeiter auswählen" << 10 << 10 << 30 << "P_Nr";
        QTest::addRow("activity") << Choice::Activity << "Taetigkeit auswählen" << 20 << 20 << 20 << "T_Nr";
        // no column shows AI_ID, so the intervals come in their display order
        QTest::addRow("execution interval") << Choice::Interval << "Ausführungs-Intervall (Turnus) auswählen" << 1 << 1
                                            << 3 << "A_Sort";
    }

    void choices()
    {
        QFETCH(Choice, choice);
        QFETCH(QString, caption);
        QFETCH(int, preselected);
        tekvora::test::SelectionTables tables;
        fill(tables);
        tekvora::test::PresetPrompt prompt;

        QString sortField;
        QString shownCaption;
        whenModal<TF_DbSelect>([&shownCaption](TF_DbSelect *dialog) {
            shownCaption = dialog->windowTitle();
            dialog->reject();
        });
        QTEST(runChoice(choice, preselected, sortField, prompt), "whenCancelled");
        QCOMPARE(shownCaption, caption);
        QTEST(sortField, "sortField");

        whenModal<TF_DbSelect>([](TF_DbSelect *dialog) {
            auto *grid = dialog->findChild<SortGridView *>("grid");
            grid->goToRow(grid->model()->rowCount() - 1);
            dialog->accept();
        });
        QTEST(runChoice(choice, preselected, sortField, prompt), "lastRowKey");
        QVERIFY(prompt.shown.isEmpty());
    }
};

QTEST_MAIN(TestTableChoices)
#include "TestTableChoices.moc"
