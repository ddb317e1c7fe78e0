#include "cli/CliPrompt.h"

namespace tekvora::cli {

namespace {
// Messages use "\r" as line break, as the windows do.
QString lines(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}
} // namespace

CliPrompt::CliPrompt(QTextStream &out, QTextStream &err, Answer answer, bool defaultAnswer)
    : m_out(out), m_err(err), m_answer(answer), m_defaultAnswer(defaultAnswer)
{
}

bool CliPrompt::confirm(const QString &text)
{
    const bool yes = m_answer == Answer::Default ? m_defaultAnswer : m_answer == Answer::Yes;
    m_out << lines(text) << (yes ? " -> Ja" : " -> Nein") << Qt::endl;
    return yes;
}

void CliPrompt::inform(const QString &text)
{
    m_out << lines(text) << Qt::endl;
}

void CliPrompt::error(const QString &text)
{
    m_err << lines(text) << Qt::endl;
}

} // namespace tekvora::cli
