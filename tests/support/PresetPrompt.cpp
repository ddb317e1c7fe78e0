#include "support/PresetPrompt.h"

namespace tekvora::test {

PresetPrompt::PresetPrompt(QList<bool> presetAnswers)
{
    for (bool answer : presetAnswers)
        answers.enqueue(answer);
}

bool PresetPrompt::confirm(const QString &text)
{
    shown << QStringLiteral("? ") + text;
    return answers.isEmpty() ? false : answers.dequeue();
}

void PresetPrompt::inform(const QString &text)
{
    shown << QStringLiteral("i ") + text;
}

void PresetPrompt::error(const QString &text)
{
    shown << QStringLiteral("! ") + text;
}

} // namespace tekvora::test
