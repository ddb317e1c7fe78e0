#include "PostingFixture.h"
#include "support/PresetPrompt.h"

#include "app/AppState.h"
#include "app/ClientDirs.h"
#include "posting/ui/ScanImpModel.h"
#include "posting/ui/TF_ScanImp.h"

#include <QAction>
#include <QBrush>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTableView>

using namespace tekvora;
using namespace tekvora::posting;
using tekvora::test::PostingStore;
using tekvora::test::PresetPrompt;

class TestTF_ScanImp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsColumnsAndColours();
    void keepsPlacement();
    void showsDurationsInBothFormats();
    void checksThenPosts();
    void editsAndRecalculates();
    void deletesAllAfterConfirmation();

private:
    std::unique_ptr<PostingStore> m_store;
    std::unique_ptr<app::ClientDirs> m_dirs;
    PresetPrompt m_prompt;
    std::unique_ptr<TF_ScanImp> m_dialog;
};

void TestTF_ScanImp::init()
{
    app::appState().hourMinuteFormat = false;
    m_store = std::make_unique<PostingStore>();
    m_dirs = std::make_unique<app::ClientDirs>(m_store->dir.path(), 1, m_store->dir.filePath("settings"));
    QDir().mkpath(m_dirs->scanDir());
    QDir().mkpath(m_dirs->settingsDir());
    m_store->exec("INSERT INTO Objekte VALUES (1, 100, 'Rathaus')");
    m_store->exec("INSERT INTO Personal VALUES (1, 5, 'Meier')");
    m_store->exec("INSERT INTO Scanimp (SC_ID, SC_Seq, SC_EntryType, SC_ObjNr, SC_PersNr, SC_TaetigNr, SC_TourType,"
                  " SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_CalcMode, SC_ScannerID) VALUES"
                  " (1, 1, 1, 100, 0, 0, 9, '2026-03-01 00:00:00', '2026-03-01 08:00:00', '2026-03-01 09:30:00', 1.5, 1, 4711),"
                  " (2, 1, 3, 100, 5, 0, 9, '2026-03-01 00:00:00', '2026-03-01 08:00:00', '2026-03-01 08:00:00', 0, 0, 4711),"
                  " (3, 1, 2, 100, 5, -2002, 9, '2026-03-01 00:00:00', '2026-03-01 08:00:00', NULL, 0, 1, 4711),"
                  " (4, 2, 1, 300, 0, 0, 5, '2026-03-01 00:00:00', '2026-03-01 10:00:00', '2026-03-01 10:00:00', 0, 1, 4711)");
    m_prompt = PresetPrompt();
    m_dialog = std::make_unique<TF_ScanImp>(m_store->db, *m_dirs, m_prompt);
}

void TestTF_ScanImp::cleanup()
{
    m_dialog.reset();
    m_store.reset();
}

void TestTF_ScanImp::showsColumnsAndColours()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Scanner-Daten verbuchen"));
    // Scandata.ini is created with its defaults when the dialog opens.
    QVERIFY(QFile::exists(m_dirs->scanDir() + "Scandata.ini"));
    const ScanImpModel *model = m_dialog->model();
    QStringList titles;
    QStringList rightAligned;
    QStringList editable;
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        titles << title;
        if (model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight)
            rightAligned << title;
        if (model->flags(model->index(0, column)) & Qt::ItemIsEditable)
            editable << title;
    }
    QCOMPARE(titles, (QStringList{"Tourdatum", "Obj-ID", "ObjNr", "PersNr", "Job-ID", "Tätigkeit", "Beginn", "Ende",
                                  "Dauer", "Modus", "Stat", "ScannerID"}));
    QCOMPARE(rightAligned, (QStringList{"Obj-ID", "ObjNr", "PersNr", "Job-ID", "Tätigkeit", "Dauer", "ScannerID"}));
    QCOMPARE(editable, (QStringList{"Tätigkeit", "Beginn", "Ende", "Dauer"}));

    // Only records outside a tour plan are shown.
    QCOMPARE(model->rowCount(), 3);
    const auto colour = [model](int row, int column) {
        return model->data(model->index(row, column), Qt::BackgroundRole).value<QBrush>().color().rgb() & 0xFFFFFF;
    };
    QCOMPARE(colour(0, ScanImpModel::ColObjNr), 0xCBFF97u);
    QCOMPARE(colour(1, ScanImpModel::ColObjNr), 0xE9E9E9u);
    QCOMPARE(colour(2, ScanImpModel::ColObjNr), 0xFAF89Cu);
    QCOMPARE(colour(2, ScanImpModel::ColTaetigNr), 0x0000FFu);
    QCOMPARE(colour(1, ScanImpModel::ColTaetigNr), 0xFFFFFFu);
    QCOMPARE(colour(0, ScanImpModel::ColDauer), 0xFFFFFFu);
    QCOMPARE(colour(1, ScanImpModel::ColDauer), 0xFF0000u);
    QCOMPARE(colour(2, ScanImpModel::ColEnd), 0xFF0000u);
    QCOMPARE(colour(2, ScanImpModel::ColStart), 0xFFFFFFu);

    const auto text = [model](int row, int column) { return model->data(model->index(row, column), Qt::DisplayRole).toString(); };
    QCOMPARE(text(0, ScanImpModel::ColTourDate), "01.03.2026");
    QCOMPARE(text(0, ScanImpModel::ColStart), "01.03.2026 08:00");
    QCOMPARE(text(2, ScanImpModel::ColEnd), "");
    QCOMPARE(text(0, ScanImpModel::ColCalcMode), "Calc");
    QCOMPARE(text(1, ScanImpModel::ColCalcMode), "Scan");
    QCOMPARE(text(0, ScanImpModel::ColState), "??");
}

void TestTF_ScanImp::keepsPlacement()
{
    const QRect placed(40, 50, 700, 500);
    m_dialog->setGeometry(placed);
    m_dialog->reject();
    QVERIFY(QFile(m_dirs->settingsFile()).open(QIODevice::ReadOnly));
    TF_ScanImp again(m_store->db, *m_dirs, m_prompt);
    QCOMPARE(again.geometry(), placed);
}

void TestTF_ScanImp::showsDurationsInBothFormats()
{
    const ScanImpModel *model = m_dialog->model();
    const QModelIndex dauer = model->index(0, ScanImpModel::ColDauer);
    const QString decimal = model->data(dauer, Qt::DisplayRole).toString();
    QVERIFY2(decimal == "  1,50 Std" || decimal == "  1.50 Std", qPrintable(decimal));
    m_dialog->findChild<QCheckBox *>("chkHourFormat")->setChecked(true);
    QVERIFY(app::appState().hourMinuteFormat);
    QCOMPARE(model->data(dauer, Qt::DisplayRole).toString(), " 1:30 Std");
}

void TestTF_ScanImp::checksThenPosts()
{
    auto *btnPost = m_dialog->findChild<QPushButton *>("btnPost");
    QVERIFY(!btnPost->isEnabled());
    m_dialog->findChild<QPushButton *>("btnCheck")->click();
    QCOMPARE(m_prompt.shown, QStringList{"i Prüfung beendet"});
    QVERIFY(btnPost->isEnabled());
    const ScanImpModel *model = m_dialog->model();
    QCOMPARE(model->data(model->index(0, ScanImpModel::ColState), Qt::DisplayRole).toString(), "OK");
    QCOMPARE(model->data(model->index(2, ScanImpModel::ColState), Qt::DisplayRole).toString(), "**");

    btnPost->click();
    QCOMPARE(m_prompt.shown.constLast(), "i Datenübernahme beendet");
    // The unknown activity stays for correction.
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(m_store->rows("SELECT SC_ObjBez, SC_DauerPers FROM MdeObj"), QStringList{"Rathaus|0"});
}

void TestTF_ScanImp::editsAndRecalculates()
{
    ScanImpModel *model = m_dialog->model();
    QVERIFY(model->setData(model->index(1, ScanImpModel::ColEnd), QDateTime(QDate(2026, 3, 2), QTime(0, 15, 30)),
                           Qt::EditRole));
    QVERIFY(!model->setData(model->index(1, ScanImpModel::ColEnd), QString("kein Datum"), Qt::EditRole));
    QVERIFY(model->setData(model->index(1, ScanImpModel::ColTaetigNr), 7, Qt::EditRole));
    QVERIFY(!model->setData(model->index(1, ScanImpModel::ColObjNr), 7, Qt::EditRole));
    auto *grid = m_dialog->findChild<QTableView *>("grdScanImp");
    grid->setCurrentIndex(model->index(1, 0));
    m_dialog->findChild<QAction *>("mnuRecalcDuration")->trigger();
    QCOMPARE(m_store->rows("SELECT SC_EndTime, SC_TaetigNr, SC_Dauer, SC_ObjNr FROM Scanimp WHERE SC_ID = 2"),
             QStringList{"2026-03-02 00:15:00|7|16.25|100"});
}

void TestTF_ScanImp::deletesAllAfterConfirmation()
{
    m_prompt.answers << false << true;
    auto *btnDeleteAll = m_dialog->findChild<QPushButton *>("btnDeleteAll");
    btnDeleteAll->click();
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"4"});
    btnDeleteAll->click();
    QCOMPARE(m_prompt.shown.constLast(),
             "? Diese Funktion löscht auch Datensätze, die\nmomentan nicht sichtbar sind!\n"
             "Löschen Sie im Zweifelsfalle die Zeilen einzeln!\nTrotzdem gesamte Importtabelle löschen?");
    // Also the record of another tour type, which the grid does not show.
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"0"});
    QCOMPARE(m_dialog->model()->rowCount(), 0);
}

QTEST_MAIN(TestTF_ScanImp)
#include "TestTF_ScanImp.moc"
