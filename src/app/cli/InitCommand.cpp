#include "app/ClientDirs.h"
#include "app/ClientSetup.h"
#include "app/PrivateDir.h"
#include "cli/CliCommand.h"

namespace tekvora::cli {

namespace {

void printHelp(QTextStream &out)
{
    out << "Aufruf: tekvora-cli [--root VERZEICHNIS] [--yes | --no] init\n\n"
           "Legt die Verzeichnisse des Mandanten 0001 an, wie es das Programm beim Start tut\n"
           "(Netdir, Privates, Data0001, DTBU0001, IMEX0001, QRFD0001, Scan0001, Temp, Sounds)\n"
           "und schreibt die Pfad-Datei \"Pfade.0001\", wenn sie fehlt.\n"
           "Rückfragen (fehlende Verzeichnisse aus \"Pfade.0001\" anlegen?) beantworten --yes/--no;\n"
           "ohne Angabe gilt \"Nein\".\n";
}

int runInit(CliContext &ctx, const QStringList &args)
{
    if (wantsHelp(args)) {
        printHelp(ctx.out);
        return ExitOk;
    }
    if (!args.isEmpty()) {
        ctx.err << "Unbekanntes Argument: " << args.first() << Qt::endl;
        return ExitUsage;
    }
    app::ClientDirs dirs(ctx.root);
    app::PrivateDir privateDir;
    if (!app::prepareClientDirs(dirs, privateDir, ctx.prompt)) {
        ctx.err << "Der Mandant 0001 kann nicht vorbereitet werden." << Qt::endl;
        return ExitFailed;
    }
    ctx.out << "Mandant 0001 vorbereitet: " << dirs.root() << Qt::endl;
    return ExitOk;
}

RegisterCliCommand registration{{QStringLiteral("init"), QStringLiteral("Verzeichnisse des Mandanten anlegen"), &runInit}};

} // namespace

} // namespace tekvora::cli
