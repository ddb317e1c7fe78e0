// The "sql" and "exec" commands of tekvora-cli: queries and statements of the program's dialect on the
// store of client 1.
#include "app/ClientDirs.h"
#include "app/ProgramRoot.h"
#include "cli/CliCommand.h"
#include "db/CdfLine.h"
#include "db/Database.h"
#include "db/SqlHelpers.h"

#include <QFile>
#include <QSaveFile>
#include <QSqlError>

namespace {

using namespace tekvora;

QString dataDirOf(const cli::CliContext &ctx)
{
    return app::ClientDirs(app::programRoot(ctx.root)).dataDir();
}

bool openStore(cli::CliContext &ctx)
{
    const QString dataDir = dataDirOf(ctx);
    const db::DbResult opened = db::openDatabase(db::kConnectionName, dataDir);
    if (!opened.ok)
        ctx.err << db::openFailureMessage(db::kConnectionName, dataDir, opened.error) << Qt::endl;
    return opened.ok;
}

int runSql(cli::CliContext &ctx, const QStringList &args)
{
    if (cli::wantsHelp(args)) {
        ctx.out << "Aufruf: tekvora-cli sql \"ABFRAGE\" [--out DATEI] [--header]\n"
                   "Führt eine Abfrage aus und schreibt jede Ergebniszeile im CDF-Format (Felder mit \";\"\n"
                   "abgeschlossen, Zeilenende CR LF).\n"
                   "  --out DATEI  in die Datei schreiben (Windows-1252) statt auf die Ausgabe (UTF-8)\n"
                   "  --header     als erste Zeile die Spaltennamen\n";
        return cli::ExitOk;
    }
    QString sql;
    QString outFile;
    bool header = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--header")) {
            header = true;
        } else if (args[i] == QLatin1String("--out") && i + 1 < args.size()) {
            outFile = args[++i];
        } else if (sql.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            sql = args[i];
        } else {
            ctx.err << "Unbekanntes Argument: " << args[i] << Qt::endl;
            return cli::ExitUsage;
        }
    }
    if (sql.trimmed().isEmpty()) {
        ctx.err << "Keine Abfrage angegeben (tekvora-cli sql --help)." << Qt::endl;
        return cli::ExitUsage;
    }
    if (!openStore(ctx))
        return cli::ExitFailed;

    QString error;
    QSqlQuery query = db::openQuery(sql, db::database(), &error);
    if (!query.isActive()) {
        ctx.err << error << Qt::endl;
        return cli::ExitFailed;
    }
    QStringList lines;
    QList<db::FieldType> types;
    while (query.next()) {
        if (types.isEmpty()) {
            types = db::resultFieldTypes(query);
            if (header)
                lines.append(db::cdfHeader(query.record(), types));
        }
        lines.append(db::cdfLine(db::typedRecord(query, types), types));
    }
    if (query.lastError().isValid()) {
        ctx.err << query.lastError().text() << Qt::endl;
        return cli::ExitFailed;
    }
    if (types.isEmpty() && header && query.isSelect()) {
        types = db::resultFieldTypes(query);
        lines.append(db::cdfHeader(query.record(), types));
    }
    const QString text = lines.isEmpty() ? QString() : lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    if (outFile.isEmpty()) {
        ctx.out << text;
        return cli::ExitOk;
    }
    QSaveFile file(outFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(db::toWindows1252(text)) < 0 || !file.commit()) {
        ctx.err << "Die Datei " << outFile << " kann nicht geschrieben werden: " << file.errorString() << Qt::endl;
        return cli::ExitFailed;
    }
    return cli::ExitOk;
}

int runExec(cli::CliContext &ctx, const QStringList &args)
{
    if (cli::wantsHelp(args)) {
        ctx.out << "Aufruf: tekvora-cli exec \"ANWEISUNG\"\n"
                   "Führt eine SQL-Anweisung (Insert, Update, Delete, ...) aus.\n";
        return cli::ExitOk;
    }
    if (args.size() != 1 || args.first().trimmed().isEmpty()) {
        ctx.err << "Genau eine Anweisung angeben (tekvora-cli exec --help)." << Qt::endl;
        return cli::ExitUsage;
    }
    if (!openStore(ctx))
        return cli::ExitFailed;
    const db::DbResult result = db::execute(args.first());
    if (!result.ok) {
        ctx.err << result.error << Qt::endl;
        return cli::ExitFailed;
    }
    return cli::ExitOk;
}

const cli::RegisterCliCommand registerSql{
    {QStringLiteral("sql"), QStringLiteral("SQL-Abfrage ausführen und als CDF ausgeben"), &runSql}};
const cli::RegisterCliCommand registerExec{
    {QStringLiteral("exec"), QStringLiteral("SQL-Anweisung ausführen"), &runExec}};

} // namespace
