#include "app/LinkAddresses.h"

namespace tekvora::app {

LinkAddress mailLink(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (!trimmed.contains(QLatin1Char('@')))
        return {{}, QStringLiteral("Die Email-Adresse ist ungültig!"), {}};
    const QString url = trimmed.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
                            ? trimmed
                            : QStringLiteral("mailto:") + trimmed;
    return {url, {}, QStringLiteral("Fehler beim Mailversand!")};
}

LinkAddress webLink(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    const bool hasScheme = trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                           trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    return {hasScheme ? trimmed : QStringLiteral("http://") + trimmed, {},
            QStringLiteral("Fehler beim Aufsuchen der Website!")};
}

} // namespace tekvora::app
