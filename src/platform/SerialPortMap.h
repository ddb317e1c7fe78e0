#pragma once

#include <QString>
#include <QStringList>

namespace tekvora::platform {

/// Device paths of the serial ports a scanner may hang on, in a stable order: the named links of
/// `<devRoot>/serial/by-id` (resolved, by name), then the remaining ttyACM* and ttyUSB* by number.
QStringList detectSerialPorts(const QString &devRoot = QStringLiteral("/dev"));

} // namespace tekvora::platform
