#include "Version.h"
#include "app/ProgramRoot.h"
#include "cli/CliCommand.h"
#include "cli/CliPrompt.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace tekvora::cli;

namespace {

void printOverview(QTextStream &out)
{
    out << "Aufruf: tekvora-cli [--root VERZEICHNIS] [--yes | --no] BEFEHL [ARGUMENTE]\n\n"
           "Tekvora ohne Fenster: Stapelverarbeitung und Skripte.\n\n"
           "Globale Optionen:\n"
           "  --root VERZEICHNIS  Programmverzeichnis (sonst $TEKVORA_ROOT oder das Standardverzeichnis)\n"
           "  --yes, --no         Antwort auf alle Rückfragen\n"
           "  --version           Programmversion ausgeben\n"
           "  --help              diese Hilfe; BEFEHL --help zeigt die Hilfe eines Befehls\n\n"
           "Befehle:\n";
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    for (const CliCommand &command : commands)
        out << "  " << command.name.leftJustified(12) << "  " << command.summary << '\n';
    out << "\nExit-Codes: 0 erfolgreich, 1 fehlgeschlagen, 2 falscher Aufruf.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tekvora"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    QString root;
    CliPrompt::Answer answer = CliPrompt::Answer::Default;
    while (!args.isEmpty() && args.first().startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--root")) {
            if (args.isEmpty()) {
                err << "--root braucht ein Verzeichnis." << Qt::endl;
                return ExitUsage;
            }
            root = args.takeFirst();
        } else if (option == QLatin1String("--yes")) {
            answer = CliPrompt::Answer::Yes;
        } else if (option == QLatin1String("--no")) {
            answer = CliPrompt::Answer::No;
        } else if (option == QLatin1String("--version")) {
            out << "Tekvora " << TEKVORA_PRODUCT_VERSION << Qt::endl;
            return ExitOk;
        } else if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            printOverview(out);
            return ExitOk;
        } else {
            err << "Unbekannte Option: " << option << Qt::endl;
            return ExitUsage;
        }
    }
    if (args.isEmpty()) {
        printOverview(err);
        return ExitUsage;
    }

    const QString name = args.takeFirst();
    const auto &commands = cliCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand &command) { return command.name == name; });
    if (found == commands.end()) {
        err << "Unbekannter Befehl: " << name << " (tekvora-cli --help listet die Befehle)" << Qt::endl;
        return ExitUsage;
    }
    CliPrompt prompt(out, err, answer);
    CliContext context{tekvora::app::programRoot(root), prompt, out, err};
    return found->run(context, args);
}
