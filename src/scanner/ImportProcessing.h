#pragma once

#include <QString>

#include <functional>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::scanner {

class ScannerMonitor;

/// "Import verarbeiten": turns the scan file into raw scan records and archives it. The posting
/// subsystem installs the function; until then the button says it is missing.
using ImportProcessor = std::function<void(const QString &scanFile, app::UserPrompt &, ScannerMonitor &)>;

ImportProcessor &importProcessor();

} // namespace tekvora::scanner
