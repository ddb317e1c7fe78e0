#pragma once

#include <QByteArray>
#include <QString>

namespace tekvora::scanner {

/// The device id as shown: 16 upper-case hex digits, leading zeros dropped while longer than 8.
QString deviceIdText(const QByteArray &deviceId);
/// The scanner id used everywhere else: the device id text read as a decimal number, 0 when it is not one.
qint64 scannerIdOf(const QString &deviceIdText);

} // namespace tekvora::scanner
