#include "app/DurationFormat.h"

namespace tekvora::app {

namespace {
bool g_hourMinuteDurations = false;
}

bool hourMinuteDurations()
{
    return g_hourMinuteDurations;
}

void setHourMinuteDurations(bool on)
{
    g_hourMinuteDurations = on;
}

} // namespace tekvora::app
