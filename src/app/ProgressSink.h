#pragma once

#include <QString>

namespace tekvora::app {

/// Receives the progress of long work: a window moves its bar and lets events run, the command
/// line prints, tests record. The default implementations ignore everything.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;

    virtual void setRange(qint64 minimum, qint64 maximum) { Q_UNUSED(minimum) Q_UNUSED(maximum) }
    virtual void setValue(qint64 value) { Q_UNUSED(value) }
    /// A status or list line.
    virtual void setText(const QString &text) { Q_UNUSED(text) }
    /// Polled between items; true stops the work at the next safe point.
    virtual bool cancelRequested() { return false; }
};

} // namespace tekvora::app
