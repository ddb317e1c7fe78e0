#include "stats/ui/TF_Tekvora.h"

#include "app/AppState.h"
#include "app/SettingsMarkers.h"
#include "app/ui/FormStorage.h"
#include "db/Database.h"
#include "stats/ui/StatsPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QTabWidget>

namespace tekvora::stats {

namespace {

const QString kSection = QStringLiteral("Tekvora");
const QString kActivePage = QStringLiteral("PageControl1.ActivePage");
const QString kNotice = QStringLiteral("Zeiterfassung mit Barcode-Scanner");
constexpr QRect kInitialGeometry(0, 0, 1024, 800);

app::FormStorage storage(const app::AppState &state)
{
    return app::FormStorage(state.dirs.settingsFile(), kSection);
}

} // namespace

TF_Tekvora::TF_Tekvora(app::AppState &state, app::UserPrompt &prompt, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_prompt(prompt),
      m_panel(new StatsPanel(db::kConnectionName, prompt, this))
{
    setObjectName(QStringLiteral("TF_Tekvora"));
    setGeometry(kInitialGeometry);
    // A pending reset must go before the placement is read.
    app::processMarkers(m_state.dirs, prompt);
    storage(m_state).restorePlacement(*this);

    setCentralWidget(m_panel);
    buildMenus();
    buildToolBar();
    const auto enableEditing = [this](bool haveRows) {
        m_editMenuItem->setEnabled(haveRows);
        m_editButton->setEnabled(haveRows);
    };
    connect(m_panel, &StatsPanel::sitesRowsChanged, this, enableEditing);
    const int page = storage(m_state).value(kActivePage, 0).toInt();
    m_panel->tabs()->setCurrentIndex(page >= 0 && page < m_panel->tabs()->count() ? page : 0);
    m_panel->refresh();
    activated();
}

QString TF_Tekvora::captionFor(const QString &programVersion, const QString &clientName)
{
    return QStringLiteral("Tekvora  ") + programVersion + QStringLiteral("      ") + kNotice +
           QStringLiteral("     ( Mandant 0001 : ") + clientName + QStringLiteral(" )");
}

void TF_Tekvora::setClientNameReader(ClientNameReader reader)
{
    m_readClientName = std::move(reader);
    refreshCaption();
}

void TF_Tekvora::refreshCaption()
{
    if (m_readClientName) {
        if (const std::optional<QString> name = m_readClientName())
            m_state.startup.clientName = *name;
    }
    setWindowTitle(captionFor(m_state.startup.programVersion, m_state.startup.clientName));
}

void TF_Tekvora::activated()
{
    m_panel->activate();
    m_emptyTablesButton->setVisible(m_state.startup.serviceMode);
    refreshCaption();
}

void TF_Tekvora::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
    QMainWindow::changeEvent(event);
}

void TF_Tekvora::closeEvent(QCloseEvent *event)
{
    storage(m_state).savePlacement(*this);
    storage(m_state).setValue(kActivePage, m_panel->tabs()->currentIndex());
    QMainWindow::closeEvent(event);
}

} // namespace tekvora::stats
