// The main window's menu and toolbar. Every window the main window opens is hooked in here:
// an open function, then a line in buildMenus() and/or buildToolBar().

#include "stats/ui/TF_Tekvora.h"

#include "app/AppState.h"
#include "app/SettingsMarkers.h"
#include "app/UserPrompt.h"
#include "db/Database.h"
#include "masterdata/ui/TF_Objekt.h"
#include "masterdata/ui/TF_Personal.h"
#include "masterdata/ui/TF_Taetig.h"
#include "posting/ui/TF_ScanImp.h"
#include "scanner/ui/TF_Scanner.h"
#include "stats/StatsQuery.h"
#include "stats/StatsTexts.h"
#include "stats/ui/MasterDataChoices.h"
#include "stats/ui/StatsPanel.h"
#include "stats/ui/TF_EditMdeFrei.h"

#include <QAction>
#include <QMenuBar>
#include <QSqlQuery>
#include <QStyle>
#include <QToolBar>

namespace tekvora::stats {

namespace {

/// A master-data editor, modal, created for this one use.
template <typename Editor> void openEditor(const app::ClientDirs &dirs, app::UserPrompt &prompt, QWidget *parent)
{
    Editor dialog(dirs, prompt, parent);
    dialog.exec();
}

} // namespace

void TF_Tekvora::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("mnuDatei"));
    addItem(file, QStringLiteral("Objekte"), [this] { openEditor<masterdata::TF_Objekt>(m_state.dirs, m_prompt, this); });
    addItem(file, QStringLiteral("Mitarbeiter"), {}); // the staff editor opens from the toolbar only
    addItem(file, QStringLiteral("Tätigkeiten"),
            [this] { openEditor<masterdata::TF_Taetig>(m_state.dirs, m_prompt, this); });
    file->addSeparator();
    addItem(file, QStringLiteral("Abbruch"), {});

    QMenu *functions = menuBar()->addMenu(QStringLiteral("&Funktionen"));
    functions->setObjectName(QStringLiteral("mnuFunktionen"));
    addItem(functions, QStringLiteral("Scanner auslesen"), [this] { openScanner(); });
    addItem(functions, QStringLiteral("Scannerdaten verbuchen"), [this] { openPosting(); });
    m_editMenuItem = addItem(functions, QStringLiteral("Statistikdaten bearbeiten"), [this] { openFreeEditing(); });
    addItem(functions, QStringLiteral("Formulare Grundeinstellung"),
            [this] { app::resetWindowSettings(m_state.dirs, true); });
    functions->addSeparator();
    addItem(functions, QStringLiteral("Abbrechen"), {});
}

void TF_Tekvora::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    addButton(bar, QStringLiteral("Scanner einlesen"), QStyle::SP_DriveHDIcon, [this] { openScanner(); });
    addButton(bar, QStringLiteral("Scannerdaten verbuchen"), QStyle::SP_DialogApplyButton, [this] { openPosting(); });
    addButton(bar, QStringLiteral("Objekte bearbeiten"), QStyle::SP_DirIcon,
              [this] { openEditor<masterdata::TF_Objekt>(m_state.dirs, m_prompt, this); });
    addButton(bar, QStringLiteral("Mitarbeiter bearbeiten"), QStyle::SP_DirHomeIcon,
              [this] { openEditor<masterdata::TF_Personal>(m_state.dirs, m_prompt, this); });
    addButton(bar, QStringLiteral("Tätigkeiten bearbeiten"), QStyle::SP_FileDialogListView,
              [this] { openEditor<masterdata::TF_Taetig>(m_state.dirs, m_prompt, this); });
    m_editButton = addButton(bar, QStringLiteral("Statistk bearbeiten"), QStyle::SP_FileDialogDetailedView,
                             [this] { openFreeEditing(); });
    bar->addSeparator();
    m_emptyTablesButton = addButton(bar, QString(), QStyle::SP_TrashIcon, [this] { emptyTables(); });
    m_emptyTablesButton->setObjectName(QStringLiteral("btnEmptyTables"));
}

QAction *TF_Tekvora::addItem(QMenu *menu, const QString &text, const std::function<void()> &open)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QStringLiteral("mnu") + QString(text).remove(QLatin1Char(' ')));
    if (open)
        connect(action, &QAction::triggered, this, open);
    return action;
}

QAction *TF_Tekvora::addButton(QToolBar *bar, const QString &hint, QStyle::StandardPixmap icon,
                               const std::function<void()> &open)
{
    QAction *action = bar->addAction(style()->standardIcon(icon), hint);
    action->setToolTip(hint);
    action->setObjectName(QStringLiteral("btn") + QString(hint).remove(QLatin1Char(' ')));
    connect(action, &QAction::triggered, this, open);
    return action;
}

void TF_Tekvora::openScanner()
{
    scanner::ui::TF_Scanner dialog(db::database(), m_state.dirs, m_prompt, this);
    dialog.setChoices(scannerChoices(m_prompt));
    dialog.exec();
}

void TF_Tekvora::openPosting()
{
    m_panel->closeCurrentView();
    {
        posting::TF_ScanImp dialog(db::database(), m_state.dirs, m_prompt, this);
        dialog.exec();
    }
    refreshPlannerStatistics(db::database());
    m_panel->refresh(); // the posting brought new visits
}

void TF_Tekvora::openFreeEditing()
{
    if (!m_panel->sitesHaveRows())
        return;
    const qint64 visit = m_panel->currentVisitId();
    m_panel->closeCurrentView();
    {
        TF_EditMdeFrei dialog(db::kConnectionName, m_prompt, visit, m_panel->period(), this);
        dialog.setChoices(editChoices(m_prompt));
        dialog.exec();
    }
    m_panel->reopenAtVisit(visit);
}

void TF_Tekvora::emptyTables()
{
    if (!m_prompt.confirm(StatsTexts::EmptyTables))
        return;
    m_panel->closeCurrentView();
    // Each on its own; a missing table is no reason to keep the others.
    for (const QString &table : {QStringLiteral("MdePJ"), QStringLiteral("MdeObj"), QStringLiteral("MdeTour")})
        QSqlQuery(db::database()).exec(QStringLiteral("DELETE FROM ") + table);
    m_panel->refresh();
}

} // namespace tekvora::stats
