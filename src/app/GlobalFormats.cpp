#include "app/GlobalFormats.h"

#include <QLocale>

namespace tekvora::app {

void applyGlobalFormats()
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(german);
}

} // namespace tekvora::app
