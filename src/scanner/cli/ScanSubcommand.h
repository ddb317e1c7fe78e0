#pragma once

#include "cli/CliCommand.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tekvora::scanner::cli {

/// One word after "tekvora-cli scan", e.g. "read" or "process". Subsystems add theirs from a
/// source file of tekvora-cli:
///   static tekvora::scanner::cli::RegisterScanSubcommand reg{{"process", "…", &runProcess}};
struct ScanSubcommand
{
    QString name;
    QString summary; ///< one German line for "scan --help"
    std::function<int(tekvora::cli::CliContext &, const QStringList &args)> run;
};

QList<ScanSubcommand> &scanSubcommands();

void registerScanSubcommand(ScanSubcommand subcommand);

struct RegisterScanSubcommand
{
    explicit RegisterScanSubcommand(ScanSubcommand subcommand) { registerScanSubcommand(std::move(subcommand)); }
};

} // namespace tekvora::scanner::cli
