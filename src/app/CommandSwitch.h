#pragma once

#include <QString>
#include <QStringList>

namespace tekvora::app {

/// True when any argument, trimmed and upper-cased, equals the switch ("+sm" gives "+SM").
bool switchGiven(const QStringList &arguments, const QString &switchText);

} // namespace tekvora::app
