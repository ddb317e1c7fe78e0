// tekvora-cli stats: the rows and footer sums of a statistics view for a period, as CDF lines.

#include "app/ClientDirs.h"
#include "app/Durations.h"
#include "app/ProgramRoot.h"
#include "cli/CliCommand.h"
#include "db/CdfLine.h"
#include "db/Database.h"
#include "stats/StatsFormat.h"
#include "stats/StatsQuery.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tekvora::stats {

namespace {

const char *const Usage =
    "Aufruf: tekvora-cli stats --view 1|2|3|4 --from TT.MM.JJJJ --to TT.MM.JJJJ [--hhmm]\n\n"
    "Gibt die Zeilen einer Statistik-Ansicht des Hauptfensters für den Zeitraum als CDF-Zeilen aus\n"
    "(jedes Feld gefolgt von \";\", Zeilenende CR LF): zuerst die Spaltenüberschriften, dann die\n"
    "Zeilen, zuletzt \"Summe\" mit den Summen der Fußzeile. Es zählen die Sätze, die am ersten Tag\n"
    "ab 00:00 und vor dem Tag nach dem letzten Tag beginnen.\n"
    "  --view 1  Erfassung Objekte      --view 2  Erfassung Mitarbeiter\n"
    "  --view 3  Erfassung Tätigkeiten  --view 4  Objekt-Kumulation\n"
    "  --hhmm    Dauern in Stunden und Minuten (\" 1:15 Std\") statt Dezimalstunden\n"
    "Exit-Code 0: ausgegeben; 1: Datenbank- oder Abfragefehler; 2: falscher Aufruf.\n";

struct Options
{
    StatsView view = StatsView::Sites;
    StatsPeriod period;
    bool hourMinuteFormat = false;
};

QDate parseDate(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
}

bool parseOptions(const QStringList &args, Options *options, QString *error)
{
    bool haveView = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--hhmm")) {
            options->hourMinuteFormat = true;
            continue;
        }
        if (arg != QLatin1String("--view") && arg != QLatin1String("--from") && arg != QLatin1String("--to")) {
            *error = QStringLiteral("Unbekanntes Argument: ") + arg;
            return false;
        }
        if (i + 1 >= args.size()) {
            *error = arg + QStringLiteral(" braucht einen Wert.");
            return false;
        }
        const QString value = args.at(++i);
        if (arg == QLatin1String("--view")) {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok || !statsViewFromNumber(number, &options->view)) {
                *error = QStringLiteral("--view erwartet 1, 2, 3 oder 4.");
                return false;
            }
            haveView = true;
            continue;
        }
        const QDate date = parseDate(value);
        if (!date.isValid()) {
            *error = QStringLiteral("Ungültiges Datum: ") + value + QStringLiteral(" (erwartet TT.MM.JJJJ)");
            return false;
        }
        (arg == QLatin1String("--from") ? options->period.start : options->period.end) = date;
    }
    if (!haveView || !options->period.start.isValid() || !options->period.end.isValid()) {
        *error = QStringLiteral("--view, --from und --to sind anzugeben.");
        return false;
    }
    return true;
}

// Shown texts as one CDF line; the captions become the header.
class CdfWriter
{
public:
    explicit CdfWriter(const ViewDefinition &def)
    {
        for (const StatsColumn &column : def.columns)
            m_record.append(QSqlField(column.caption, QMetaType(QMetaType::QString)));
        m_types = QList<db::FieldType>(def.columns.size(), db::FieldType::String);
    }

    QString header() const { return db::cdfHeader(m_record, m_types); }

    QString line(const QStringList &texts)
    {
        for (int i = 0; i < m_record.count(); ++i)
            m_record.setValue(i, texts.value(i));
        return db::cdfLine(m_record, m_types);
    }

private:
    QSqlRecord m_record;
    QList<db::FieldType> m_types;
};

int runStats(cli::CliContext &ctx, const QStringList &args)
{
    if (cli::wantsHelp(args)) {
        ctx.out << Usage;
        return cli::ExitOk;
    }
    Options options;
    QString error;
    if (!parseOptions(args, &options, &error)) {
        ctx.err << error << " (tekvora-cli stats --help)" << Qt::endl;
        return cli::ExitUsage;
    }
    const QString dataDir = app::ClientDirs(app::programRoot(ctx.root)).dataDir();
    const db::DbResult opened = db::openDatabase(db::kConnectionName, dataDir);
    if (!opened.ok) {
        ctx.err << db::openFailureMessage(db::kConnectionName, dataDir, opened.error) << Qt::endl;
        return cli::ExitFailed;
    }
    const QSqlDatabase store = db::database();
    const ViewDefinition &def = viewDefinition(options.view);
    CdfWriter writer(def);
    const QLatin1String lineEnd("\r\n");
    QString text = writer.header() + lineEnd;

    if (viewTableExists(store, options.view)) {
        QSqlQuery query(store);
        query.setForwardOnly(true);
        if (!execBound(query, viewRowsSql(options.view, options.period), &error)) {
            ctx.err << error << Qt::endl;
            return cli::ExitFailed;
        }
        while (query.next()) {
            QStringList texts;
            for (int i = 0; i < def.columns.size(); ++i)
                texts << columnText(def.columns.at(i).kind, query.value(i), options.hourMinuteFormat).trimmed();
            text += writer.line(texts) + lineEnd;
        }
    }
    const auto sums = viewFooterSums(store, options.view, options.period, {}, &error);
    if (!sums) {
        ctx.err << error << Qt::endl;
        return cli::ExitFailed;
    }
    QStringList footer(def.columns.size());
    footer[0] = QStringLiteral("Summe");
    for (int i = 0; i < def.footerFields.size(); ++i)
        footer[def.columnOf(def.footerFields.at(i))] =
            app::hoursDisplayText(sums->at(i), options.hourMinuteFormat).trimmed();
    ctx.out << text << writer.line(footer) << lineEnd;
    ctx.out.flush();
    return cli::ExitOk;
}

const cli::RegisterCliCommand registration{
    {QStringLiteral("stats"), QStringLiteral("Statistik-Ansicht eines Zeitraums mit Summen ausgeben"), &runStats}};

} // namespace

} // namespace tekvora::stats
