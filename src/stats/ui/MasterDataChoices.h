#pragma once

#include "scanner/ui/TF_Scanner.h"
#include "stats/ui/TF_EditMdeFrei.h"

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::stats {

// The selection dialogs of the master data behind the double-click choices of the windows the
// main window opens. Each choice keeps its sort order for the session.

scanner::ui::ScannerChoices scannerChoices(app::UserPrompt &prompt);
EditChoices editChoices(app::UserPrompt &prompt);

} // namespace tekvora::stats
