#include "masterdata/ui/PrintFormChoice.h"

#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/PrintFormField.h"
#include "masterdata/ui/TF_DbSelect.h"
#include "ModalDialog.h"
#include "SelectionTables.h"
#include "support/PresetPrompt.h"

#include <QPushButton>

using namespace tekvora::masterdata;
using tekvora::db::SortGridView;
using tekvora::test::whenModal;

namespace {

/// An editor's record with its print-form field.
class RecordField : public PrintFormField
{
public:
    explicit RecordField(int form) : value(form) {}
    int formNumber() const override { return value; }
    void setFormNumber(int form, bool post) override
    {
        value = form;
        stores << QStringLiteral("%1%2").arg(form).arg(post ? " posted" : "");
    }

    int value;
    QStringList stores;
};

void addForms(tekvora::test::SelectionTables &tables)
{
    tables.addForm(15100, true, 15000, "Objektliste");
    tables.addForm(16100, true, 16000, "Objekt-Tätigkeiten");
    tables.addForm(16150, false, 0, "Eigene Tätigkeitsliste");
    tables.addForm(16900, true, 16000, "Etiketten Tätigkeiten");
    tables.addForm(17200, true, 16000, "Etiketten Objekte"); // shipped in the group of the lists
    tables.addForm(17250, false, 16000, "Eigene Objektetiketten");
}

struct Shown
{
    QList<int> forms;
    int current = 0;
    QString caption;
    QRect frame;
    int gridHeight = 0;
};

/// Records what the choice shows, then moves to `choose` (0: cancel) and confirms.
void driveChoice(Shown &shown, int choose)
{
    whenModal<TF_DbSelect>([&shown, choose](TF_DbSelect *dialog) {
        auto *grid = dialog->findChild<SortGridView *>("grid");
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            shown.forms << grid->gridModel()->keyAt(row).toInt();
        shown.current = dialog->currentKey().toInt();
        shown.caption = dialog->windowTitle();
        shown.frame = dialog->frameGeometry();
        shown.gridHeight = grid->height();
        if (choose == 0) {
            dialog->reject();
            return;
        }
        grid->goToKey(choose);
        QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    });
}

} // namespace

class TestPrintFormChoice : public QObject
{
    Q_OBJECT

private slots:
    void listsTheGroupWithTheUsersForms()
    {
        tekvora::test::SelectionTables tables;
        addForms(tables);
        tekvora::test::PresetPrompt prompt;
        Shown shown;
        driveChoice(shown, 0);
        QCOMPARE(choosePrintForm(nullptr, nullptr, 16500, false, prompt), 0);
        QCOMPARE(shown.forms, (QList<int>{16100, 16150, 16900, 17200}));
        QCOMPARE(shown.caption, QStringLiteral("Druckformular-Auswahl"));
        QCOMPARE(shown.gridHeight, 140);
        QCOMPARE(tables.selectGroup(17250), 17000);
        QCOMPARE(tables.selectGroup(17200), 16000);
    }

    void result_data()
    {
        QTest::addColumn<bool>("withField");
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("post");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("stores");
        QTest::addRow("cancelled without field") << false << 0 << false << 0 << QStringList();
        QTest::addRow("cancelled with field") << true << 0 << false << 16150 << QStringList();
        QTest::addRow("chosen without field") << false << 16900 << false << 16900 << QStringList();
        QTest::addRow("new form into the field") << true << 16900 << false << 16900 << QStringList{"16900"};
        QTest::addRow("new form posted") << true << 16900 << true << 16900 << QStringList{"16900 posted"};
        QTest::addRow("same form left alone") << true << 16150 << true << 16150 << QStringList();
    }

    void result()
    {
        QFETCH(bool, withField);
        QFETCH(int, choose);
        QFETCH(bool, post);
        tekvora::test::SelectionTables tables;
        addForms(tables);
        tekvora::test::PresetPrompt prompt;
        RecordField field(16150);
        Shown shown;
        driveChoice(shown, choose);
        QTEST(choosePrintForm(nullptr, withField ? &field : nullptr, 16000, post, prompt), "result");
        QTEST(field.stores, "stores");
        QCOMPARE(shown.current, withField ? 16150 : 16100);
    }

    void opensBelowTheAnchor_data()
    {
        QTest::addColumn<QPoint>("anchorAt");
        QTest::addColumn<QPoint>("expected");
        QTest::addRow("420 to the left") << QPoint(500, 100) << QPoint(80, 130);
        QTest::addRow("not past the left edge") << QPoint(100, 100) << QPoint(0, 130);
    }

    void opensBelowTheAnchor()
    {
        QFETCH(QPoint, anchorAt);
        tekvora::test::SelectionTables tables;
        addForms(tables);
        tekvora::test::PresetPrompt prompt;
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setGeometry(anchorAt.x(), anchorAt.y(), 200, 100);
        auto *anchor = new QPushButton("Drucken", &window);
        anchor->setGeometry(0, 0, 80, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint anchorOnScreen = anchor->mapToGlobal(QPoint(0, 0));
        Shown shown;
        driveChoice(shown, 0);
        choosePrintForm(anchor, nullptr, 16000, false, prompt);
        QFETCH(QPoint, expected);
        QCOMPARE(shown.frame.topLeft(), expected + (anchorOnScreen - anchorAt));
    }

    void missingFormTableIsReported()
    {
        tekvora::test::SelectionTables tables;
        tables.exec("DROP TABLE QrFrmDef");
        tekvora::test::PresetPrompt prompt;
        RecordField field(15100);
        QCOMPARE(choosePrintForm(nullptr, &field, 15000, true, prompt), 15100);
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(prompt.shown.first().startsWith("! Die Druckformulare können nicht gelesen werden."));
    }
};

QTEST_MAIN(TestPrintFormChoice)
#include "TestPrintFormChoice.moc"
