#pragma once

#include <QSqlDatabase>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::masterdata {

/// "Leistungssatz kopieren": a new activity with the next key and the next free number, every other field
/// taken from the activity with key `activityKey`. Returns the new number, or 0 after a message.
int copyActivity(int activityKey, app::UserPrompt &prompt, QSqlDatabase db);

/// "Textcopy": after the question, every activity without a long text gets its short text as long text;
/// long texts already written stay. False on "Nein" or a failing store (with a message).
bool fillEmptyLongTexts(app::UserPrompt &prompt, QSqlDatabase db);

/// "Alle ein" / "Alle aus": the selection mark of every activity; a failure goes unreported.
void markAllActivities(bool selected, QSqlDatabase db);

} // namespace tekvora::masterdata
