#include "masterdata/OptionItems.h"

namespace tekvora::masterdata {

QStringList splitOptionItems(const QString &itemList)
{
    QStringList items = itemList.split(QLatin1Char('|'));
    items.removeLast(); // the unterminated rest, empty when the list ends with "|"
    return items;
}

} // namespace tekvora::masterdata
