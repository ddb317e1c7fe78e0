#include "masterdata/ui/TFSelStringFromList.h"
#include "masterdata/ui/TF_SelRB.h"

#include "ModalDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace tekvora::masterdata;
using tekvora::test::whenModal;

class TestSmallChoices : public QObject
{
    Q_OBJECT

private slots:
    void radioChoice_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<int>("click"); // radio to click, -1 none
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("offered");
        QTest::addRow("preselected taken") << "Nummer|Name|Gruppe|" << 1 << -1 << true << 1 << 3;
        QTest::addRow("other one ticked") << "Nummer|Name|Gruppe|" << 1 << 2 << true << 2 << 3;
        QTest::addRow("abort") << "Nummer|Name|" << 0 << 1 << false << -1 << 2;
        QTest::addRow("second item lacks its end") << "Nummer|Name" << 0 << -1 << true << 0 << 1;
        QTest::addRow("nothing ticked") << "Nummer|Name|" << 5 << -1 << true << -1 << 2;
    }

    void radioChoice()
    {
        QFETCH(int, click);
        QFETCH(bool, ok);
        int offered = -1;
        QString caption, title;
        whenModal<TF_SelRB>([&, click, ok](TF_SelRB *dialog) {
            offered = int(dialog->findChildren<QRadioButton *>().size());
            caption = dialog->windowTitle();
            title = dialog->findChild<QGroupBox *>("RadioGroup")->title();
            if (click >= 0)
                dialog->findChild<QRadioButton *>(QStringLiteral("rbItem%1").arg(click))->click();
            QTest::mouseClick(dialog->findChild<QPushButton *>(ok ? "btnOK" : "btnCancel"), Qt::LeftButton);
        });
        QFETCH(QString, items);
        QFETCH(int, preselected);
        QTEST(TF_SelRB::choose(30, 40, preselected, "Sortierung", items), "result");
        QTEST(offered, "offered");
        QCOMPARE(caption, QStringLiteral("Optionen..."));
        QCOMPARE(title, QStringLiteral("Sortierung"));
    }

    void stringChoice_data()
    {
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result");
        QTest::addRow("first preselected") << -1 << true << "10 Meier";
        QTest::addRow("other picked") << 1 << true << "20 Bauer";
        QTest::addRow("cancelled") << 1 << false << "";
    }

    void stringChoice()
    {
        QFETCH(int, pick);
        QFETCH(bool, ok);
        QString prompt;
        whenModal<TFSelStringFromList>([&, pick, ok](TFSelStringFromList *dialog) {
            prompt = dialog->findChild<QLabel *>("lblPrompt")->text();
            if (pick >= 0)
                dialog->findChild<QComboBox *>("cbStrings")->setCurrentIndex(pick);
            QTest::mouseClick(dialog->findChild<QPushButton *>(ok ? "btnOK" : "btnCancel"), Qt::LeftButton);
        });
        QTEST(TFSelStringFromList::choose(0, 0, "Tagesliste", "Mitarbeiter:", {"10 Meier", "20 Bauer"}), "result");
        QCOMPARE(prompt, QStringLiteral("Mitarbeiter:"));
    }

    void placedOnScreen()
    {
        QRect shown;
        QRect screen;
        whenModal<TFSelStringFromList>([&](TFSelStringFromList *dialog) {
            shown = dialog->frameGeometry();
            screen = dialog->screen()->availableGeometry();
            dialog->reject();
        });
        TFSelStringFromList::choose(50000, 20, "Auswahl", "Bitte wählen", {"A"});
        QVERIFY(screen.contains(shown));
        QCOMPARE(shown.top(), 20);

        whenModal<TF_SelRB>([&](TF_SelRB *dialog) {
            shown = dialog->frameGeometry();
            dialog->reject();
        });
        TF_SelRB::choose(-300, 90000, 0, "Import", "Anfügen|Ersetzen|");
        QVERIFY(screen.contains(shown));
    }
};

QTEST_MAIN(TestSmallChoices)
#include "TestSmallChoices.moc"
