#include "app/HexCodes.h"

namespace tekvora::app {

namespace {

const char hexDigits[] = "0123456789ABCDEF";

int nibble(QChar digit)
{
    const int value = QStringView(u"0123456789ABCDEF").indexOf(digit.toUpper());
    return qMax(0, value);
}

} // namespace

QString byteHex(quint8 byte)
{
    const char digits[] = {hexDigits[byte >> 4], hexDigits[byte & 0xF]};
    return QString::fromLatin1(digits, 2);
}

QString textHex(const QString &text)
{
    QString hex;
    hex.reserve(text.size() * 2);
    for (const char byte : text.toLatin1())
        hex += byteHex(static_cast<quint8>(byte));
    return hex;
}

QString hexText(const QString &hex)
{
    QString text;
    text.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2)
        text += QChar(nibble(hex.at(i)) * 16 + nibble(hex.at(i + 1)));
    return text;
}

} // namespace tekvora::app
