#include "db/Database.h"
#include "db/ui/SortGridView.h"
#include "masterdata/ui/TF_DbSelect.h"
#include "stats/ui/MasterDataChoices.h"
#include "support/PresetPrompt.h"

#include <QApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tekvora;
using masterdata::TF_DbSelect;

enum class Choice { EditSite, EditStaff, EditActivity, ScannerSite, ScannerStaff };
Q_DECLARE_METATYPE(Choice)

/// The master-data choices behind the double-clicks of the editing and scanner dialogs: which rows
/// they offer and what they answer.
class TestMasterDataChoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { db::closeDatabase(); }
    void offersAndAnswers_data();
    void offersAndAnswers();

private:
    QTemporaryDir m_dir;
};

namespace {

std::optional<qint64> choose(Choice choice, app::UserPrompt &prompt)
{
    const stats::EditChoices edit = stats::editChoices(prompt);
    const scanner::ui::ScannerChoices scanner = stats::scannerChoices(prompt);
    switch (choice) {
    case Choice::EditSite:
        return edit.chooseActiveSite(nullptr, 11);
    case Choice::EditStaff:
        return edit.chooseTourStaff(nullptr, 101);
    case Choice::EditActivity:
        return edit.chooseActivity(nullptr, 1);
    case Choice::ScannerSite:
        return scanner.chooseSite(nullptr, QStringLiteral("O_Aktiv='True'"));
    case Choice::ScannerStaff:
        return scanner.chooseStaff(nullptr, QStringLiteral("P_Aktiv='true' AND P_OptTourplan='true'"));
    }
    return {};
}

} // namespace

void TestMasterDataChoices::initTestCase()
{
    QVERIFY(db::createDatabase(db::kConnectionName, m_dir.path()).ok);
    QSqlQuery query(db::database());
    for (const char *sql : {
             "INSERT INTO Objekte (O_ID, O_Nr, O_Match, O_Aktiv) VALUES (1, 11, 'Rathaus', 1), (2, 12, 'Lager', 0),"
             " (3, 13, 'Schule', 1)",
             "INSERT INTO Personal (P_ID, P_Nr, P_Match, P_Name1, P_Aktiv, P_OptTourplan) VALUES"
             " (1, 101, 'Becker', 'Becker', 1, 1), (2, 102, 'Büro', 'Büro', 1, 0), (3, 103, 'Schulz', 'Schulz', 1, 1),"
             " (4, 104, 'Alt', 'Alt', 0, 1)",
             "INSERT INTO Taetig (T_ID, T_Nr, T_Match) VALUES (1, 1, 'Unterhaltsreinigung'), (2, 2, 'Glasreinigung')",
         })
        QVERIFY2(query.exec(QString::fromUtf8(sql)), qPrintable(query.lastError().text()));
}

void TestMasterDataChoices::offersAndAnswers_data()
{
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("lastRow");

    QTest::addRow("active sites for a visit") << Choice::EditSite << 2 << qint64(13);
    QTest::addRow("tour staff for a person record") << Choice::EditStaff << 2 << qint64(103);
    QTest::addRow("every activity") << Choice::EditActivity << 2 << qint64(2);
    QTest::addRow("standard site of the scanner") << Choice::ScannerSite << 2 << qint64(13);
    QTest::addRow("person of a scanner") << Choice::ScannerStaff << 2 << qint64(103);
}

void TestMasterDataChoices::offersAndAnswers()
{
    QFETCH(Choice, choice);
    QFETCH(int, rows);
    QFETCH(qint64, lastRow);
    test::PresetPrompt prompt;

    int offered = -1;
    const auto whenShown = [](std::function<void(TF_DbSelect *)> act) {
        QTimer::singleShot(0, [act] {
            auto *dialog = qobject_cast<TF_DbSelect *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            act(dialog);
        });
    };
    whenShown([&offered](TF_DbSelect *dialog) {
        auto *grid = dialog->findChild<db::SortGridView *>("grid");
        offered = grid->model()->rowCount();
        grid->goToRow(offered - 1);
        dialog->accept();
    });
    QCOMPARE(choose(choice, prompt), std::optional<qint64>(lastRow));
    QCOMPARE(offered, rows);

    whenShown([](TF_DbSelect *dialog) { dialog->reject(); });
    QCOMPARE(choose(choice, prompt), std::optional<qint64>());
    QCOMPARE(prompt.shown, QStringList());
}

QTEST_MAIN(TestMasterDataChoices)
#include "TestMasterDataChoices.moc"
