#include "app/DefaultFont.h"

#include "app/TextFile.h"

#include <algorithm>

namespace tekvora::app {

namespace {

constexpr int kMinSizeExclusive = 5;
constexpr int kMaxSize = 400;
constexpr int kMaxNameLength = 64;

// Blank or binary text is no font name.
bool isFontName(const QString &name)
{
    return !name.isEmpty() && name.size() <= kMaxNameLength &&
           std::none_of(name.begin(), name.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; });
}

} // namespace

EditorFont readDefaultEditorFont(const QString &path)
{
    EditorFont font;
    const std::optional<QStringList> lines = readTextLines(path, 2, 255);
    if (!lines || lines->isEmpty())
        return font;
    const QString name = lines->at(0).trimmed();
    if (isFontName(name))
        font.family = name;
    if (lines->size() > 1) {
        const int size = lines->at(1).trimmed().toInt();
        if (size > kMinSizeExclusive && size <= kMaxSize)
            font.pointSize = size;
    }
    return font;
}

} // namespace tekvora::app
