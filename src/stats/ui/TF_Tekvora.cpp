#include "stats/ui/TF_Tekvora.h"

#include "app/AppState.h"
#include "app/SettingsMarkers.h"
#include "app/ui/FormStorage.h"

#include <QCloseEvent>

namespace tekvora::stats {

namespace {

const QString kSection = QStringLiteral("Tekvora");
const QString kNotice = QStringLiteral("Zeiterfassung mit Barcode-Scanner");
constexpr QRect kInitialGeometry(0, 0, 1024, 800);

app::FormStorage storage(const app::AppState &state)
{
    return app::FormStorage(state.dirs.settingsFile(), kSection);
}

} // namespace

TF_Tekvora::TF_Tekvora(app::AppState &state, app::UserPrompt &prompt, QWidget *parent)
    : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("TF_Tekvora"));
    setGeometry(kInitialGeometry);
    // A pending reset must go before the placement is read.
    app::processMarkers(m_state.dirs, prompt);
    storage(m_state).restorePlacement(*this);
    refreshCaption();
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

void TF_Tekvora::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshCaption();
    QMainWindow::changeEvent(event);
}

void TF_Tekvora::closeEvent(QCloseEvent *event)
{
    storage(m_state).savePlacement(*this);
    QMainWindow::closeEvent(event);
}

} // namespace tekvora::stats
