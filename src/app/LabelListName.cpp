#include "app/LabelListName.h"

namespace tekvora::app {

QString freeLabelListName(const QString &extension, const std::function<bool(const QString &name)> &taken)
{
    for (int number = 0; number < 1000; ++number) {
        const QString name = QStringLiteral("Tmppr%1").arg(number, 3, 10, QLatin1Char('0')) + extension;
        if (!taken(name))
            return name;
    }
    return {};
}

} // namespace tekvora::app
