#pragma once

namespace tekvora::app {

/// Loads Qt's own German texts (standard buttons, file dialogs) into the application; false when
/// the translation file is not installed, which leaves Qt's English texts.
bool loadQtGermanTranslations();

} // namespace tekvora::app
