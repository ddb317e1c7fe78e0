#include "app/ClientDirs.h"
#include "app/ProgramRoot.h"
#include "app/ProgressSink.h"
#include "app/UserPrompt.h"
#include "cli/CliCommand.h"
#include "db/Database.h"
#include "db/TableCreation.h"
#include "posting/PostingActions.h"
#include "posting/ScanProcessing.h"
#include "scanner/ScanFile.h"
#include "scanner/ScanSettings.h"
#include "scanner/StandardNumbers.h"
#include "scanner/cli/ScanSubcommand.h"

#include <QDateTime>
#include <QDir>

using tekvora::cli::CliContext;
using tekvora::cli::ExitFailed;
using tekvora::cli::ExitOk;
using tekvora::cli::ExitUsage;

namespace tekvora::posting::cli {

namespace {

/// The client's store, open for the length of one subcommand.
class ClientStore
{
public:
    explicit ClientStore(CliContext &ctx) : dirs(app::programRoot(ctx.root))
    {
        const db::DbResult result = db::openDatabase(db::kConnectionName, dirs.dataDir());
        if (!result.ok)
            ctx.err << "Die Datenbank in " << QDir::toNativeSeparators(dirs.dataDir())
                    << " lässt sich nicht öffnen: " << result.error << Qt::endl;
        m_open = result.ok;
    }
    ~ClientStore()
    {
        if (m_open)
            db::closeDatabase();
    }
    bool isOpen() const { return m_open; }

    app::ClientDirs dirs;

private:
    bool m_open = false;
};

bool hasTable(const QString &name)
{
    return db::database().tables().contains(name, Qt::CaseInsensitive);
}

int runProcess(CliContext &ctx, const QStringList &args)
{
    if (tekvora::cli::wantsHelp(args)) {
        ctx.out << "Aufruf: tekvora-cli scan process [--file DATEI]\n\n"
                   "Verarbeitet die Scandatei (Vorgabe: Scanimp.txt im Scanner-Verzeichnis) zu Erfassungssätzen,\n"
                   "gibt das Protokoll aus und benennt die Datei danach in Sc<ID>_<Zeitstempel>.SOF um.\n"
                   "Rückfragen beantworten --yes / --no vor dem Befehl.\n";
        return ExitOk;
    }
    QString file;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--file") && i + 1 < args.size()) {
            file = args[++i];
        } else {
            ctx.err << "Unbekanntes Argument: " << args[i] << " (scan process --help)" << Qt::endl;
            return ExitUsage;
        }
    }
    ClientStore store(ctx);
    if (!store.isOpen())
        return ExitFailed;
    if (!hasTable(QStringLiteral("Scanimp"))) {
        const db::DbResult created = db::createScanimpTable();
        if (!created.ok) {
            ctx.prompt.error(created.error);
            return ExitFailed;
        }
    }
    const QString scanDir = store.dirs.scanDir();
    const scanner::ScanSettings current{QString(), QString::number(scanner::standardNumbers().site),
                                        QString::number(scanner::standardNumbers().person)};
    scanner::takeStandardNumbers(scanner::loadScanSettings(scanner::scanSettingsPath(scanDir), current, ctx.prompt));
    const ScanStandards standards{int(scanner::standardNumbers().site), int(scanner::standardNumbers().person)};

    const ScanProcessingRequest request{db::database(), file.isEmpty() ? scanner::scanFilePath(scanDir) : file,
                                        standards, QDateTime::currentDateTime()};
    const ScanProcessingResult result = processScanFile(request, ctx.prompt);
    for (const QString &line : result.listing)
        ctx.out << line << '\n';
    ctx.out << "Barcodes: " << result.barcodeCount << "  Geräte-ID: " << result.deviceId
            << "  Datensätze: " << result.recordCount << Qt::endl;
    return result.saved ? ExitOk : ExitFailed;
}

int runCheck(CliContext &ctx, const QStringList &args)
{
    if (tekvora::cli::wantsHelp(args)) {
        ctx.out << "Aufruf: tekvora-cli scan check\n\n"
                   "Prüft die Erfassungssätze gegen Objekte, Mitarbeiter und Tätigkeiten (Status OK oder **).\n";
        return ExitOk;
    }
    if (!args.isEmpty()) {
        ctx.err << "Unbekanntes Argument: " << args.first() << " (scan check --help)" << Qt::endl;
        return ExitUsage;
    }
    ClientStore store(ctx);
    if (!store.isOpen())
        return ExitFailed;
    app::ProgressSink progress;
    return runScanCheck(db::database(), ctx.prompt, progress) ? ExitOk : ExitFailed;
}

int runPost(CliContext &ctx, const QStringList &args)
{
    if (tekvora::cli::wantsHelp(args)) {
        ctx.out << "Aufruf: tekvora-cli scan post\n\n"
                   "Verbucht die Erfassungssätze in die Statistik (Objektbesuche und Mitarbeiterzeiten) und\n"
                   "löscht die verbuchten Sätze mit Status OK. Vorher \"scan check\" ausführen.\n";
        return ExitOk;
    }
    if (!args.isEmpty()) {
        ctx.err << "Unbekanntes Argument: " << args.first() << " (scan post --help)" << Qt::endl;
        return ExitUsage;
    }
    ClientStore store(ctx);
    if (!store.isOpen())
        return ExitFailed;
    app::ProgressSink progress;
    return runScanPosting(db::database(), ctx.prompt, progress) ? ExitOk : ExitFailed;
}

const scanner::cli::RegisterScanSubcommand processRegistration{
    {QStringLiteral("process"), QStringLiteral("Scandatei zu Erfassungssätzen verarbeiten"), &runProcess}};
const scanner::cli::RegisterScanSubcommand checkRegistration{
    {QStringLiteral("check"), QStringLiteral("Erfassungssätze gegen die Stammdaten prüfen"), &runCheck}};
const scanner::cli::RegisterScanSubcommand postRegistration{
    {QStringLiteral("post"), QStringLiteral("Erfassungssätze in die Statistik verbuchen"), &runPost}};

} // namespace

} // namespace tekvora::posting::cli
