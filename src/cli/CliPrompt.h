#pragma once

#include "app/UserPrompt.h"

#include <QTextStream>

namespace tekvora::cli {

/// Answers questions from the --yes/--no flags (no flag: the given default) and writes
/// information to stdout and errors to stderr.
class CliPrompt : public app::UserPrompt
{
public:
    enum class Answer { Default, Yes, No };

    CliPrompt(QTextStream &out, QTextStream &err, Answer answer, bool defaultAnswer = false);

    bool confirm(const QString &text) override;
    void inform(const QString &text) override;
    void error(const QString &text) override;

private:
    QTextStream &m_out;
    QTextStream &m_err;
    Answer m_answer;
    bool m_defaultAnswer;
};

} // namespace tekvora::cli
