#pragma once

#include "app/AppState.h"

namespace tekvora::app {

/// The editor font "Deffont.txt" asks for: line 1 the font name, line 2 the size, which counts
/// only above 5 (and up to 400). Missing, unreadable or nonsensical parts keep "Arial" 10.
EditorFont readDefaultEditorFont(const QString &path);

} // namespace tekvora::app
