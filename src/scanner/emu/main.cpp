#include "scanner/emu/PtyScannerHost.h"
#include "scanner/emu/ScannerEmulator.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

using namespace tekvora::scanner::emu;

namespace {

PtyScannerHost *runningHost = nullptr;

void stopOnSignal(int)
{
    if (runningHost)
        runningHost->stop();
}

constexpr const char *Usage =
    "Aufruf: tekvora-scanner-emu [--id HEX16] [--barcodes DATEI] [--clock \"tt.mm.jjjj hh:mm:ss\"]\n"
    "                            [--fault silent|crc|short|slow|negative] [BARCODE ...]\n\n"
    "Ahmt einen Opticon OPN-2001 an einem Pseudo-Terminal nach. Die erste Ausgabezeile ist der\n"
    "Gerätepfad für den Scanner-Port. BARCODE-Argumente werden mit der Scanner-Uhrzeit gespeichert,\n"
    "DATEI enthält Zeilen \"tt.mm.jjjj hh:mm:ss BARCODE\". Läuft, bis es beendet wird.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    ScannerEmulator emulator;
    QStringList args = QCoreApplication::arguments().mid(1);
    QStringList codes;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out << Usage;
            return 0;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            codes << arg;
            continue;
        }
        if (args.isEmpty()) {
            err << arg << " braucht einen Wert.\n" << Usage;
            return 2;
        }
        const QString value = args.takeFirst();
        if (arg == QLatin1String("--id")) {
            const QByteArray id = QByteArray::fromHex(value.toLatin1());
            if (value.size() != 16 || id.size() != 8 || id.toHex().toUpper() != value.toUpper().toLatin1()) {
                err << "--id braucht 16 Hexadezimalziffern.\n";
                return 2;
            }
            emulator.setDeviceId(id);
        } else if (arg == QLatin1String("--barcodes")) {
            QString message;
            if (!emulator.loadBarcodes(value, message)) {
                err << message << '\n';
                return 1;
            }
        } else if (arg == QLatin1String("--clock")) {
            const QDateTime time = QDateTime::fromString(value, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
            if (!time.isValid()) {
                err << "--clock braucht \"tt.mm.jjjj hh:mm:ss\".\n";
                return 2;
            }
            emulator.setClock(time);
        } else if (arg == QLatin1String("--fault")) {
            const auto fault = faultFromName(value);
            if (!fault) {
                err << "--fault kennt silent, crc, short, slow und negative.\n";
                return 2;
            }
            emulator.setFault(*fault);
        } else {
            err << "Unbekannte Option: " << arg << '\n' << Usage;
            return 2;
        }
    }
    for (const QString &code : codes)
        emulator.addBarcode(emulator.clock(), code.toLatin1());

    PtyScannerHost host(emulator);
    if (!host.open()) {
        err << "Kein Pseudo-Terminal verfügbar.\n";
        return 1;
    }
    out << host.devicePath() << Qt::endl;
    runningHost = &host;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    host.serve();
    return 0;
}
