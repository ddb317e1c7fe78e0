#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

namespace tekvora::masterdata {

/// The selection group of a form number or base number: rounded down to a multiple of 1000.
int printFormGroup(int formNumber);

/// What a print-form choice leads to once the dialog has closed.
struct PrintFormOutcome
{
    int result = 0;          ///< the form to print with; 0 prints nothing
    bool storeInField = false; ///< write `result` into the caller's field
};

/// `chosen` is the dialog's `QF_ID`, empty when cancelled. A new choice replaces the field's form;
/// a cancelled choice or the same form keeps the field's form (0 without a field).
PrintFormOutcome resolvePrintFormChoice(std::optional<int> chosen, std::optional<int> fieldForm);

/// Top left of the choice: below the anchor, shifted 420 to the left but not past the screen's
/// left edge; without an anchor centred on the main window.
QPoint printFormChoiceTopLeft(std::optional<QRect> anchorOnScreen, const QRect &mainWindow);

} // namespace tekvora::masterdata
