#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::scanner {

/// The device to open for the port field: a number n from 1 to 16 is the n-th detected port, a
/// path is taken as it stands. Anything else is told through `prompt` and gives nothing.
std::optional<QString> scannerDevicePath(const QString &portField, const QStringList &detectedPorts,
                                         app::UserPrompt &prompt);

} // namespace tekvora::scanner
