#include "app/ui/DialogPrompt.h"

#include "app/ui/MessageDialogs.h"

namespace tekvora::app {

bool DialogPrompt::confirm(const QString &text)
{
    return askYesNo(text, m_parent);
}

void DialogPrompt::inform(const QString &text)
{
    showInformation(text, m_parent);
}

void DialogPrompt::error(const QString &text)
{
    showError(text, m_parent);
}

} // namespace tekvora::app
