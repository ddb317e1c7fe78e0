#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::cli {

/// Exit codes of tekvora-cli.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1, ///< the work failed; the German message went to stderr
    ExitUsage = 2,  ///< the command line was wrong
};

/// What every subcommand gets: the data root, the prompt that answers questions from --yes/--no,
/// and the output streams.
struct CliContext
{
    QString root; ///< the data root: --root, else $TEKVORA_ROOT, else the default; ends with "/"
    app::UserPrompt &prompt;
    QTextStream &out;
    QTextStream &err;
};

struct CliCommand
{
    QString name;    ///< the first word after the global options, e.g. "sql" or "scan"
    QString summary; ///< one German line for the overview of --help
    std::function<int(CliContext &, const QStringList &args)> run;
};

/// The subcommands linked into this program. Each subsystem registers its own from a source
/// file of tekvora-cli with a static `RegisterCliCommand`.
QList<CliCommand> &cliCommands();

struct RegisterCliCommand
{
    explicit RegisterCliCommand(CliCommand command);
};

/// True when args ask for help ("--help" or "-h" anywhere).
bool wantsHelp(const QStringList &args);

} // namespace tekvora::cli
