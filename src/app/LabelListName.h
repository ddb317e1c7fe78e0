#pragma once

#include <QString>

#include <functional>

namespace tekvora::app {

/// "Tmppr" + the lowest three-digit number from 000 on whose name is not taken + extension
/// ("Tmppr000.db"); empty when all thousand names are taken.
QString freeLabelListName(const QString &extension, const std::function<bool(const QString &name)> &taken);

} // namespace tekvora::app
