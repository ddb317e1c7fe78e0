#include "app/Conversions.h"

#include <cmath>
#include <limits>

namespace tekvora::app {

const QLocale &germanLocale()
{
    static const QLocale locale = [] {
        QLocale german(QLocale::German, QLocale::Germany);
        german.setNumberOptions(QLocale::OmitGroupSeparator);
        return german;
    }();
    return locale;
}

QString intText(qint64 value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char(' '));
}

QString intZeros(qint64 value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString intThousands(qint64 value, int width)
{
    const QString digits = QString::number(value < 0 ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char('.');
        grouped += digits.at(i);
    }
    if (value < 0)
        grouped.prepend(QLatin1Char('-'));
    return grouped.rightJustified(width, QLatin1Char(' '));
}

QString fixedText(int width, int decimals, double x)
{
    return QString::number(x, 'f', qMax(0, decimals)).rightJustified(width, QLatin1Char(' '));
}

QString localText(int width, int decimals, double x)
{
    QString text = fixedText(width, decimals, x);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text[point] = germanLocale().decimalPoint().at(0);
    return text;
}

int textToInt(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

double textToFloat(const QString &text)
{
    QString normal = text.trimmed();
    normal.replace(germanLocale().decimalPoint(), QStringLiteral("."));
    bool ok = false;
    const double value = normal.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString leftJustified(const QString &text, int width)
{
    return text.leftJustified(qMax(0, width), QLatin1Char(' '), true);
}

QString rightJustified(const QString &text, int width)
{
    return text.left(qMax(0, width)).rightJustified(qMax(0, width), QLatin1Char(' '));
}

QString trimmedText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

double centsValue(double x)
{
    if (!std::isfinite(x))
        return x;
    // 1.005 is stored as 1.00499999...; a half within the float's precision still counts as a half.
    const double scaled = x * 100.0;
    const double lower = std::floor(std::abs(scaled));
    const double fraction = std::abs(scaled) - lower;
    const double tolerance = std::abs(scaled) * 4 * std::numeric_limits<double>::epsilon();
    const double magnitude = fraction + tolerance >= 0.5 ? lower + 1 : lower;
    return std::copysign(magnitude, x) / 100.0;
}

QString yesNoLetter(bool flag)
{
    return flag ? QStringLiteral("J") : QStringLiteral("N");
}

} // namespace tekvora::app
