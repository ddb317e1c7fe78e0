#include "cli/CliCommand.h"

namespace tekvora::cli {

QList<CliCommand> &cliCommands()
{
    static QList<CliCommand> commands;
    return commands;
}

RegisterCliCommand::RegisterCliCommand(CliCommand command)
{
    cliCommands().append(std::move(command));
}

bool wantsHelp(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace tekvora::cli
