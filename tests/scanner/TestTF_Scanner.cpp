#include "ScannerFixture.h"
#include "scanner/StandardNumbers.h"
#include "scanner/ui/TF_Scanner.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace tekvora::scanner;
using tekvora::scanner::ui::TF_Scanner;
using tekvora::test::ScannerFixture;

class TestTF_Scanner : public QObject
{
    Q_OBJECT

private slots:
    void readsScannerAndSwitchesButtons();
    void registerTabShowsColumnsAndHints();
    void savesSettingsOnClose();
    void doubleClickChoices();

private:
    // With TEKVORA_SCREENSHOTS=DIR set, the window is saved there for a look by eye.
    static void keepScreenshot(QWidget &window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("TEKVORA_SCREENSHOTS");
        if (!dir.isEmpty())
            window.grab().save(dir + '/' + name + ".png");
    }
};

void TestTF_Scanner::readsScannerAndSwitchesButtons()
{
    ScannerFixture f;
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 31, 0}), "MA17");
    TF_Scanner window(f.db, f.dirs, f.prompt);
    QCOMPARE(window.windowTitle(), QString("Scanner-Support"));
    auto *read = window.findChild<QPushButton *>("btnReadScanner");
    auto *process = window.findChild<QPushButton *>("btnProcessImport");
    QVERIFY(read && process);
    QVERIFY(read->isEnabled());
    QVERIFY(!process->isEnabled());
    QVERIFY(window.findChild<QCheckBox *>("cbAutoSync")->isChecked());
    QCOMPARE(window.findChild<QLineEdit *>("edPort")->text(), QString("4"));

    window.findChild<QLineEdit *>("edPort")->setText(f.scanner.devicePath());
    window.findChild<QCheckBox *>("cbClearAfterRead")->setChecked(false);
    window.show();
    read->click();
    QVERIFY(QFile::exists(f.setup.scanFile));
    QVERIFY(!read->isEnabled());
    QVERIFY(process->isEnabled());
    QCOMPARE(window.findChild<QLabel *>("lblBarcodes")->text(), QString("2"));
    QCOMPARE(window.findChild<QLabel *>("lblDeviceId")->text(), QString("12345678"));
    auto *listing = window.findChild<QListWidget *>("lbListing");
    QCOMPARE(listing->count(), 5);
    QCOMPARE(listing->item(1)->text(), QString("10.12.2026 07:30 ON1234"));
    QVERIFY(f.prompt.shown.isEmpty());
    keepScreenshot(window, "TF_Scanner-reading");

    f.prompt.answers << true;
    window.findChild<QPushButton *>("btnDiscardImport")->click();
    QVERIFY(!QFile::exists(f.setup.scanFile));
    QVERIFY(read->isEnabled());
}

void TestTF_Scanner::registerTabShowsColumnsAndHints()
{
    ScannerFixture f;
    QSqlQuery(f.db).exec("UPDATE Scandev SET SV_Name = 'OPN-2001 Lager', SV_Pers = 17, SV_ErhaltenAm = '2026-03-01', "
                         "SV_Zuletztgelesen = '2026-12-10 16:45:00', SV_Bindung = 1, SV_Kommentar = 'Ersatzgerät'");
    TF_Scanner window(f.db, f.dirs, f.prompt);
    window.resize(900, 520);
    window.show();
    window.showTab(1);
    auto *grid = window.findChild<QTableView *>("grdScanner");
    QStringList captions;
    for (int visual = 0; visual < grid->model()->columnCount(); ++visual) {
        const int logical = grid->horizontalHeader()->logicalIndex(visual);
        if (!grid->isColumnHidden(logical))
            captions << grid->model()->headerData(logical, Qt::Horizontal).toString();
    }
    QCOMPARE(captions, QStringList({"Typ-Kz", "Geräte-Bezeichnung", "Scanner-ID", "Pers-Nr.", "Erhalten am",
                                    "Zuletzt gelesen", "Zuletzt verarbeitet", "Bindung"}));
    QVERIFY(grid->model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());

    const QAbstractItemModel *model = grid->model();
    const auto cell = [&](const char *field) {
        return model->index(0, static_cast<const QSqlTableModel *>(model)->fieldIndex(field));
    };
    QCOMPARE(cell("SV_Bindung").data().toString(), QString("Ja"));
    QCOMPARE(cell("SV_ErhaltenAm").data().toString(), QString("01.03.2026"));
    QCOMPARE(cell("SV_Zuletztgelesen").data().toString(), QString("10.12.2026 16:45"));
    QVERIFY(!(model->flags(cell("SV_Zuletztgelesen")) & Qt::ItemIsEditable));
    QCOMPARE(window.findChild<QLineEdit *>("edKommentar")->text(), QString("Ersatzgerät"));

    grid->setCurrentIndex(cell("SV_Pers"));
    QCOMPARE(window.findChild<QLabel *>("lblHinweise")->text(),
             QString("Wählen Sie per Doppelclick den Mitarbeiter aus, dem der Scanner übergeben wurde."));
    keepScreenshot(window, "TF_Scanner-register");
}

void TestTF_Scanner::savesSettingsOnClose()
{
    ScannerFixture f;
    {
        TF_Scanner window(f.db, f.dirs, f.prompt);
        window.findChild<QLineEdit *>("edPort")->setText("2");
        window.close();
    }
    QFile file(scanSettingsPath(f.dirs.scanDir()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("SCANPORT=2\r\nSTOBJEKT=999999\r\nSTPERSON=9999\r\n"));
    QVERIFY(QSettings(f.dirs.settingsFile(), QSettings::IniFormat).contains("Scanner/Geometry"));
}

void TestTF_Scanner::doubleClickChoices()
{
    ScannerFixture f;
    TF_Scanner window(f.db, f.dirs, f.prompt);
    QStringList asked;
    window.setChoices({[&](QWidget *, const QString &filter) -> std::optional<qint64> {
                           asked << filter;
                           return 42;
                       },
                       [&](QWidget *, const QString &filter) -> std::optional<qint64> {
                           asked << filter;
                           return 4711;
                       },
                       [&](QWidget *, const QDate &) -> std::optional<QDate> { return QDate(2026, 4, 1); }});
    window.show();
    window.showTab(1);
    auto *grid = window.findChild<QTableView *>("grdScanner");
    const auto *model = static_cast<const QSqlTableModel *>(grid->model());
    for (const char *field : {"SV_Pers", "SV_ErhaltenAm"}) {
        emit grid->doubleClicked(model->index(0, model->fieldIndex(field)));
    }
    auto *site = window.findChild<QLineEdit *>("edStandardObjekt");
    QTest::mouseDClick(site, Qt::LeftButton);
    QCOMPARE(site->text(), QString("4711"));
    QCOMPARE(standardNumbers().site, qint64(4711));
    QCOMPARE(asked, QStringList({"P_Aktiv='true' AND P_OptTourplan='true'", "O_Aktiv='True'"}));

    QSqlQuery query(f.db);
    QVERIFY(query.exec("SELECT SV_Pers, SV_ErhaltenAm FROM Scandev WHERE SV_ID = 1") && query.next());
    QCOMPARE(query.value(0).toInt(), 42);
    QCOMPARE(query.value(1).toString(), QString("2026-04-01"));
}

QTEST_MAIN(TestTF_Scanner)
#include "TestTF_Scanner.moc"
