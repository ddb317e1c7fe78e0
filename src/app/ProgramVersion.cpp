#include "app/ProgramVersion.h"

#include "Version.h"

#include <QStringList>

namespace tekvora::app {

QString programVersionText(const std::optional<VersionResource> &resource)
{
    if (!resource)
        return QStringLiteral("?.??[???]");
    if (!resource->productVersion.trimmed().isEmpty())
        return resource->productVersion;
    const auto &n = resource->numbers;
    return QStringLiteral("%1.%2.%3.%4").arg(n[0]).arg(n[1]).arg(n[2]).arg(n[3]);
}

std::optional<VersionResource> parseVersionNumbers(const QString &numbers, const QString &productVersion)
{
    const QStringList parts = numbers.trimmed().split(QLatin1Char('.'));
    if (numbers.trimmed().isEmpty() || parts.size() > 4)
        return std::nullopt;
    VersionResource resource{productVersion, {}};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        resource.numbers[i] = parts[i].toInt(&ok);
        if (!ok || resource.numbers[i] < 0)
            return std::nullopt;
    }
    return resource;
}

std::optional<VersionResource> builtVersion()
{
    return parseVersionNumbers(QStringLiteral(TEKVORA_VERSION_TEXT), QStringLiteral(TEKVORA_PRODUCT_VERSION));
}

} // namespace tekvora::app
