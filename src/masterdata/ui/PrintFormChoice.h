#pragma once

class QWidget;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::masterdata {

class PrintFormField;

/// Lets the user pick the print form of the group of `baseNumber` (e.g. 15000) and returns the form
/// to print with: a new choice, else the form in `field` (0 without a field, which prints nothing).
/// A new choice is stored into `field` and posted when `post` is set. The choice opens below
/// `anchor`, or centred on the main window without one.
int choosePrintForm(QWidget *anchor, PrintFormField *field, int baseNumber, bool post, app::UserPrompt &prompt);

} // namespace tekvora::masterdata
