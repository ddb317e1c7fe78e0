#pragma once

#include "app/UserPrompt.h"

#include <QQueue>
#include <QStringList>

namespace tekvora::test {

/// Answers questions from a queue of preset answers (empty queue: "Nein") and records every
/// text it was shown, prefixed with "?", "i" or "!" for confirm, inform and error.
class PresetPrompt : public app::UserPrompt
{
public:
    explicit PresetPrompt(QList<bool> answers = {});

    bool confirm(const QString &text) override;
    void inform(const QString &text) override;
    void error(const QString &text) override;

    QStringList shown;
    QQueue<bool> answers;
};

} // namespace tekvora::test
