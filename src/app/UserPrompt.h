#pragma once

#include <QString>

namespace tekvora::app {

/// How logic asks and tells the user: windows answer with message boxes, the command line with
/// flags and text, tests with preset answers. Logic never opens a dialog itself.
class UserPrompt
{
public:
    virtual ~UserPrompt() = default;

    /// A Yes/No question; true means "Ja".
    virtual bool confirm(const QString &text) = 0;
    virtual void inform(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
};

} // namespace tekvora::app
