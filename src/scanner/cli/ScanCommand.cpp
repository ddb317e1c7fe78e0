#include "scanner/cli/ScanSubcommand.h"

#include <algorithm>

using tekvora::cli::CliContext;

namespace tekvora::scanner::cli {

namespace {

void printUsage(QTextStream &out)
{
    out << "Aufruf: tekvora-cli scan UNTERBEFEHL [ARGUMENTE]\n\n"
           "Scanner auslesen und Scandaten verarbeiten.\n\n"
           "Unterbefehle:\n";
    auto subcommands = scanSubcommands();
    std::sort(subcommands.begin(), subcommands.end(),
              [](const ScanSubcommand &a, const ScanSubcommand &b) { return a.name < b.name; });
    for (const ScanSubcommand &subcommand : subcommands)
        out << "  " << subcommand.name.leftJustified(10) << "  " << subcommand.summary << '\n';
    out << "\nscan UNTERBEFEHL --help zeigt die Hilfe eines Unterbefehls.\n";
}

int runScan(CliContext &ctx, const QStringList &args)
{
    if (args.isEmpty()) {
        printUsage(ctx.err);
        return tekvora::cli::ExitUsage;
    }
    const QString &name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(ctx.out);
        return tekvora::cli::ExitOk;
    }
    const auto &subcommands = scanSubcommands();
    const auto found = std::find_if(subcommands.begin(), subcommands.end(),
                                    [&](const ScanSubcommand &subcommand) { return subcommand.name == name; });
    if (found == subcommands.end()) {
        ctx.err << "Unbekannter Unterbefehl: scan " << name << " (tekvora-cli scan --help listet sie)" << Qt::endl;
        return tekvora::cli::ExitUsage;
    }
    return found->run(ctx, args.mid(1));
}

const tekvora::cli::RegisterCliCommand registration{
    {QStringLiteral("scan"), QStringLiteral("Scanner auslesen, Uhrzeit setzen, Scandaten verarbeiten"), &runScan}};

} // namespace

} // namespace tekvora::scanner::cli
