#include "app/ClientDirs.h"
#include "app/ProgramRoot.h"
#include "app/UserPrompt.h"
#include "db/Database.h"
#include "scanner/Csp2Link.h"
#include "scanner/ScanFile.h"
#include "scanner/ScanSettings.h"
#include "scanner/ScannerMonitor.h"
#include "scanner/ScannerOperations.h"
#include "scanner/ScannerRegister.h"
#include "scanner/cli/ScanSubcommand.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>

using tekvora::cli::CliContext;
using tekvora::cli::ExitFailed;
using tekvora::cli::ExitOk;
using tekvora::cli::ExitUsage;

namespace tekvora::scanner::cli {

namespace {

/// Passes everything on and remembers whether an error was shown: that decides the exit code.
class ErrorNoticingPrompt : public app::UserPrompt
{
public:
    explicit ErrorNoticingPrompt(app::UserPrompt &inner) : m_inner(inner) {}
    bool confirm(const QString &text) override { return m_inner.confirm(text); }
    void inform(const QString &text) override { m_inner.inform(text); }
    void error(const QString &text) override
    {
        m_errorShown = true;
        m_inner.error(text);
    }
    bool errorShown() const { return m_errorShown; }

private:
    app::UserPrompt &m_inner;
    bool m_errorShown = false;
};

/// Labels and listing as lines of text.
class PrintingMonitor : public ScannerMonitor
{
public:
    explicit PrintingMonitor(QTextStream &out) : m_out(out) {}
    void addListingLine(const QString &line) override { m_out << line << Qt::endl; }
    void showBarcodeCount(const QString &text) override { label("Barcodes", text); }
    void showDeviceId(const QString &text) override { label("Geräte-ID", text); }
    void showClock(const QString &text) override { label("Uhrzeit", text); }

private:
    void label(const char *caption, const QString &text)
    {
        if (!text.isEmpty())
            m_out << caption << ": " << text << Qt::endl;
    }
    QTextStream &m_out;
};

/// The client's store in its data directory, opened under the program's connection name.
std::optional<QSqlDatabase> openStore(const QString &dataDir, app::UserPrompt &prompt)
{
    const db::DbResult opened = db::openDatabase(db::kConnectionName, dataDir);
    if (!opened.ok) {
        prompt.error(QStringLiteral("Die Datenbank in %1 lässt sich nicht öffnen:\r%2")
                         .arg(QDir::toNativeSeparators(dataDir), opened.error));
        return std::nullopt;
    }
    return db::database();
}

struct Options
{
    QString port;
    bool clock = true;
    bool clear = true;
};

/// Parses the options `allowed` of {"--port", "--no-clock", "--no-clear"}; false after a usage message.
bool parseOptions(CliContext &ctx, QStringList args, const QStringList &allowed, Options &options)
{
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (!allowed.contains(arg)) {
            ctx.err << "Unbekanntes Argument: " << arg << Qt::endl;
            return false;
        }
        if (arg == QLatin1String("--port")) {
            if (args.isEmpty()) {
                ctx.err << "--port braucht eine Portnummer oder einen Gerätepfad." << Qt::endl;
                return false;
            }
            options.port = args.takeFirst();
        } else if (arg == QLatin1String("--no-clock")) {
            options.clock = false;
        } else if (arg == QLatin1String("--no-clear")) {
            options.clear = false;
        }
    }
    return true;
}

using Operation = std::function<void(ScannerOperations &, const ScannerSetup &, const Options &)>;

int runOperation(CliContext &ctx, const QStringList &args, const QStringList &allowed, const QString &usage,
                 const Operation &operation)
{
    if (tekvora::cli::wantsHelp(args)) {
        ctx.out << usage;
        return ExitOk;
    }
    Options options;
    if (!parseOptions(ctx, args, allowed, options)) {
        ctx.err << usage;
        return ExitUsage;
    }
    const app::ClientDirs dirs(app::programRoot(ctx.root));
    ErrorNoticingPrompt prompt(ctx.prompt);
    const auto store = openStore(dirs.dataDir(), prompt);
    if (!store || !QDir().mkpath(dirs.scanDir()))
        return ExitFailed;
    const ScanSettings settings = loadScanSettings(scanSettingsPath(dirs.scanDir()), {}, prompt);
    const ScannerSetup setup{options.port.isEmpty() ? settings.port : options.port, scanFilePath(dirs.scanDir()), {}};

    Csp2Link link;
    ScannerRegister scanners(*store);
    PrintingMonitor monitor(ctx.out);
    ScannerOperations operations(link, scanners, prompt, monitor);
    operation(operations, setup, options);
    return prompt.errorShown() ? ExitFailed : ExitOk;
}

const QString PortHelp = QStringLiteral(
    "  --port P     Scanner-Anschluss: Nummer n (n-ter erkannter Anschluss, 1..16) oder Gerätepfad;\n"
    "               ohne Angabe gilt SCANPORT aus Scandata.ini\n");

int runRead(CliContext &ctx, const QStringList &args)
{
    return runOperation(ctx, args, {"--port", "--no-clock", "--no-clear"},
                        "Aufruf: tekvora-cli scan read [--port P] [--no-clock] [--no-clear]\n\n"
                        "Liest den Scanner in die Importdatei Scanimp.txt, setzt seine Uhr und löscht seinen Speicher.\n"
                        "Solange eine unverarbeitete Importdatei besteht, wird nicht gelesen.\n\n"
                            + PortHelp
                            + "  --no-clock   keine Zeitsynchronisation\n"
                              "  --no-clear   Scannerspeicher nach dem Auslesen nicht löschen\n",
                        [](ScannerOperations &operations, const ScannerSetup &setup, const Options &options) {
                            operations.readScanner(setup, {options.clock, options.clear});
                        });
}

int runClock(CliContext &ctx, const QStringList &args)
{
    return runOperation(ctx, args, {"--port"},
                        "Aufruf: tekvora-cli scan clock [--port P]\n\n"
                        "Setzt die Scanner-Uhrzeit auf die Uhrzeit dieses Computers.\n\n"
                            + PortHelp,
                        [](ScannerOperations &operations, const ScannerSetup &setup, const Options &) {
                            operations.setClock(setup);
                        });
}

int runClear(CliContext &ctx, const QStringList &args)
{
    return runOperation(ctx, args, {"--port"},
                        "Aufruf: tekvora-cli scan clear [--port P]\n\nLöscht den Scannerspeicher.\n\n" + PortHelp,
                        [](ScannerOperations &operations, const ScannerSetup &setup, const Options &) {
                            operations.clearMemory(setup);
                        });
}

int runDiscard(CliContext &ctx, const QStringList &args)
{
    const QString usage = QStringLiteral("Aufruf: tekvora-cli [--yes] scan discard\n\n"
                                         "Verwirft die Importdatei Scanimp.txt (mit Rückfrage; --yes bestätigt).\n");
    if (tekvora::cli::wantsHelp(args)) {
        ctx.out << usage;
        return ExitOk;
    }
    if (!args.isEmpty()) {
        ctx.err << "Unbekanntes Argument: " << args.first() << Qt::endl << usage;
        return ExitUsage;
    }
    const app::ClientDirs dirs(app::programRoot(ctx.root));
    const QString scanFile = scanFilePath(dirs.scanDir());
    if (!QFile::exists(scanFile)) {
        ctx.err << "Es gibt keine Importdatei " << scanFile << "." << Qt::endl;
        return ExitFailed;
    }
    return discardScanFile(scanFile, ctx.prompt) ? ExitOk : ExitFailed;
}

const RegisterScanSubcommand readRegistration{
    {QStringLiteral("read"), QStringLiteral("Scanner in die Importdatei lesen"), &runRead}};
const RegisterScanSubcommand clockRegistration{
    {QStringLiteral("clock"), QStringLiteral("Scanner-Uhrzeit setzen"), &runClock}};
const RegisterScanSubcommand clearRegistration{
    {QStringLiteral("clear"), QStringLiteral("Scannerspeicher löschen"), &runClear}};
const RegisterScanSubcommand discardRegistration{
    {QStringLiteral("discard"), QStringLiteral("Importdatei verwerfen"), &runDiscard}};

} // namespace

} // namespace tekvora::scanner::cli
