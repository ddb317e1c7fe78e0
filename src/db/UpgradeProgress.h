#pragma once

#include "app/ProgressSink.h"

namespace tekvora::db {

/// What the database maintenance reports: list lines through setText(), the running count of a
/// table through setStatus(). The window shows them in the message list; the command line prints.
class UpgradeProgress : public app::ProgressSink
{
public:
    /// Shows the list with its caption and first line.
    virtual void open(const QString &caption, const QString &firstLine)
    {
        Q_UNUSED(caption)
        Q_UNUSED(firstLine)
    }
    virtual void setStatus(const QString &text) { Q_UNUSED(text) }
    virtual void close() {}
};

} // namespace tekvora::db
