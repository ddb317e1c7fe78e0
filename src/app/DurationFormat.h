#pragma once

namespace tekvora::app {

/// The program-wide "Stundenformat hh:mm" flag: durations show as hours:minutes instead of decimal
/// hours. Off at every start and never stored.
bool hourMinuteDurations();
void setHourMinuteDurations(bool on);

} // namespace tekvora::app
