#pragma once

#include <QStringList>

namespace tekvora::masterdata {

/// The items of an option list written as "first|second|": each item ends with "|", text after
/// the last "|" is not an item.
QStringList splitOptionItems(const QString &itemList);

} // namespace tekvora::masterdata
