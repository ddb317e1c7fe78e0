#include "scanner/cli/ScanSubcommand.h"

namespace tekvora::scanner::cli {

QList<ScanSubcommand> &scanSubcommands()
{
    static QList<ScanSubcommand> subcommands;
    return subcommands;
}

void registerScanSubcommand(ScanSubcommand subcommand)
{
    scanSubcommands().append(std::move(subcommand));
}

} // namespace tekvora::scanner::cli
