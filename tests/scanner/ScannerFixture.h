#pragma once

#include "EmulatedScanner.h"
#include "app/ClientDirs.h"
#include "scanner/Csp2Link.h"
#include "scanner/ScanFile.h"
#include "scanner/ScannerMonitor.h"
#include "scanner/ScannerOperations.h"
#include "scanner/ScannerRegister.h"
#include "support/PresetPrompt.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

namespace tekvora::test {

/// Records labels and listing lines as "Barcodes=2", "Geräte-ID=…", "Uhrzeit=…" and "> line".
struct RecordingMonitor : scanner::ScannerMonitor
{
    void clearListing() override { listing.clear(); }
    void addListingLine(const QString &line) override { listing << line; }
    void showBarcodeCount(const QString &text) override { labels << "Barcodes=" + text; }
    void showDeviceId(const QString &text) override { labels << "Geräte-ID=" + text; }
    void showClock(const QString &text) override { labels << "Uhrzeit=" + text; }

    QStringList listing;
    QStringList labels;
};

/// An emulated scanner, a client's scan directory and a register with the emulator's scanner id.
struct ScannerFixture
{
    static QSqlDatabase openRegister(const QTemporaryDir &dir)
    {
        // A name of its own per fixture: windows and registers may still hold the connection at its end.
        static int fixtures = 0;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("scanner-fixture-%1").arg(++fixtures));
        db.setDatabaseName(dir.filePath(QStringLiteral("tekvora.sqlite")));
        db.open();
        QSqlQuery(db).exec(QStringLiteral(
            "CREATE TABLE Scandev (SV_ID INTEGER PRIMARY KEY, SV_Type INTEGER, SV_Name TEXT, SV_ScannerID INTEGER "
            "NOT NULL, SV_Pers INTEGER, SV_ErhaltenAm TEXT, SV_Zuletztgelesen TEXT, SV_LetzterScan TEXT, "
            "SV_Kommentar TEXT, SV_Bindung INTEGER)"));
        QSqlQuery(db).exec(QStringLiteral("INSERT INTO Scandev (SV_ID, SV_Type, SV_ScannerID) VALUES (1, 1, 12345678)"));
        return db;
    }

    ScannerFixture()
    {
        setup.portField = scanner.devicePath();
        setup.scanFile = scanner::scanFilePath(dirs.scanDir());
        QDir().mkpath(dirs.scanDir());
    }
    QByteArray scanFileBytes() const
    {
        QFile file(setup.scanFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QSqlDatabase db = openRegister(dir);
    app::ClientDirs dirs{dir.path(), 1, dir.filePath(QStringLiteral("settings"))};
    EmulatedScanner scanner;
    scanner::Csp2Link link;
    scanner::ScannerRegister scanners{db};
    PresetPrompt prompt;
    RecordingMonitor monitor;
    scanner::ScannerOperations operations{link, scanners, prompt, monitor};
    scanner::ScannerSetup setup;
};

} // namespace tekvora::test
