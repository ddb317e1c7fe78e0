#include "masterdata/PrintFormChoiceRules.h"

#include <algorithm>

namespace tekvora::masterdata {

int printFormGroup(int formNumber)
{
    return formNumber / 1000 * 1000;
}

PrintFormOutcome resolvePrintFormChoice(std::optional<int> chosen, std::optional<int> fieldForm)
{
    const int current = fieldForm.value_or(0);
    const int yielded = chosen.value_or(0);
    if (yielded == 0 || yielded == current)
        return {current, false};
    return {yielded, fieldForm.has_value()};
}

QPoint printFormChoiceTopLeft(std::optional<QRect> anchorOnScreen, const QRect &mainWindow)
{
    if (anchorOnScreen)
        return {std::max(0, anchorOnScreen->left() - 420), anchorOnScreen->top() + anchorOnScreen->height()};
    return {mainWindow.left() + mainWindow.width() / 2 - 210, mainWindow.top() + mainWindow.height() / 2 - 150};
}

} // namespace tekvora::masterdata
