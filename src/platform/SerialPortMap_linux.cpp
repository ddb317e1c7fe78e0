#include "platform/SerialPortMap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tekvora::platform {

namespace {

// ttyACM10 after ttyACM9, ACM before USB.
bool byKindAndNumber(const QString &a, const QString &b)
{
    static const QRegularExpression split(QStringLiteral("^(.*?)(\\d+)$"));
    const auto ma = split.match(a);
    const auto mb = split.match(b);
    if (!ma.hasMatch() || !mb.hasMatch() || ma.captured(1) != mb.captured(1))
        return a < b;
    return ma.captured(2).toInt() < mb.captured(2).toInt();
}

} // namespace

QStringList detectSerialPorts(const QString &devRoot)
{
    QStringList ports;
    const QDir byId(devRoot + QStringLiteral("/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::Files | QDir::System, QDir::Name)) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty() && !ports.contains(target))
            ports << target;
    }
    QStringList devices = QDir(devRoot).entryList({QStringLiteral("ttyACM*"), QStringLiteral("ttyUSB*")},
                                                  QDir::Files | QDir::System);
    std::sort(devices.begin(), devices.end(), byKindAndNumber);
    for (const QString &device : devices) {
        const QString path = QFileInfo(devRoot + QLatin1Char('/') + device).canonicalFilePath();
        if (!path.isEmpty() && !ports.contains(path))
            ports << path;
    }
    return ports;
}

} // namespace tekvora::platform
