#include "scanner/ScannerId.h"

namespace tekvora::scanner {

QString deviceIdText(const QByteArray &deviceId)
{
    QString text = QString::fromLatin1(deviceId.toHex().toUpper());
    while (text.size() > 8 && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    return text;
}

qint64 scannerIdOf(const QString &deviceIdText)
{
    bool ok = false;
    const qint64 id = deviceIdText.toLongLong(&ok, 10);
    return ok && id >= 0 ? id : 0;
}

} // namespace tekvora::scanner
