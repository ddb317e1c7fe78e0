#include "app/AppState.h"

namespace tekvora::app {

AppState &appState()
{
    static AppState state;
    return state;
}

} // namespace tekvora::app
