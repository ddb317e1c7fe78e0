#include "scanner/ScannerPort.h"

#include "app/UserPrompt.h"
#include "scanner/ScannerTexts.h"

namespace tekvora::scanner {

std::optional<QString> scannerDevicePath(const QString &portField, const QStringList &detectedPorts,
                                         app::UserPrompt &prompt)
{
    const QString field = portField.trimmed();
    if (field.startsWith(QLatin1Char('/')))
        return field;
    bool ok = false;
    const int number = field.toInt(&ok);
    if (!ok || number < 1 || number > 16) {
        prompt.error(texts::PortRange);
        return std::nullopt;
    }
    if (number > detectedPorts.size()) {
        prompt.error(texts::NoScanner);
        return std::nullopt;
    }
    return detectedPorts.at(number - 1);
}

} // namespace tekvora::scanner
