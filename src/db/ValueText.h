#pragma once

#include "db/Schema.h"

#include <QString>
#include <QVariant>

namespace tekvora::db {

/// A field value as text in the program's formats: dates "dd.mm.yyyy", times "hh:mm", date-times
/// "dd.mm.yyyy hh:mm" (the date alone at midnight), numbers with a decimal comma and up to 15 digits,
/// booleans "Ja"/"Nein"; empty for null. Takes values as fromStorage gives them.
QString valueText(const QVariant &value, FieldType type);

/// A floating-point number the way the program writes it for people: shortest form, decimal comma.
QString floatText(double value);

} // namespace tekvora::db
