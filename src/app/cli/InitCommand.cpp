#include "app/ClientDirs.h"
#include "app/ClientSetup.h"
#include "app/PrivateDir.h"
#include "Version.h"
#include "cli/CliCommand.h"
#include "db/ClientUpgrade.h"
#include "db/TextUpgradeProgress.h"
#include "db/UpgradeTexts.h"

namespace tekvora::cli {

namespace {

void printHelp(QTextStream &out)
{
    out << "Aufruf: tekvora-cli [--root VERZEICHNIS] [--yes | --no] init\n\n"
           "Legt die Verzeichnisse des Mandanten 0001 an, wie es das Programm beim Start tut\n"
           "(Netdir, Privates, Data0001, DTBU0001, IMEX0001, QRFD0001, Scan0001, Temp, Sounds)\n"
           "und schreibt die Pfad-Datei \"Pfade.0001\", wenn sie fehlt.\n"
           "Dann prüft es die Datenbanken wie der Programmstart: ein neuer Mandant erhält die\n"
           "Vorlage-Tabellen, ein älterer wird auf die Datenbank-Version 1.26 angepasst; der Verlauf\n"
           "erscheint zeilenweise. Rückfragen (fehlende Verzeichnisse aus \"Pfade.0001\" anlegen?,\n"
           "Sicherungskopien der Datenbanken löschen?) beantworten --yes/--no; ohne Angabe gilt\n"
           "\"Nein\", die Sicherungskopien bleiben also erhalten.\n"
           "Exit-Code 0: Datenbanken aktuell; 1: sie konnten nicht erzeugt/angepasst werden.\n";
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
    db::TextUpgradeProgress progress(ctx.out);
    db::ClientUpgrade upgrade(dirs, privateDir, QStringLiteral(TEKVORA_PRODUCT_VERSION), ctx.prompt, progress);
    if (!upgrade.run()) {
        ctx.err << db::upgradetext::StartupFailed << Qt::endl;
        return ExitFailed;
    }
    return ExitOk;
}

RegisterCliCommand registration{{QStringLiteral("init"), QStringLiteral("Verzeichnisse des Mandanten anlegen"), &runInit}};

} // namespace

} // namespace tekvora::cli
