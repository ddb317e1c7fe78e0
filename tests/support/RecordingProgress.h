#pragma once

#include "app/ProgressSink.h"

#include <QStringList>

namespace tekvora::test {

/// Records what long work reported; cancels once `cancelAfter` values were set (negative: never).
class RecordingProgress : public app::ProgressSink
{
public:
    void setRange(qint64 min, qint64 max) override { minimum = min, maximum = max; }
    void setValue(qint64 v) override
    {
        value = v;
        ++valuesSet;
    }
    void setText(const QString &text) override { texts << text; }
    bool cancelRequested() override { return cancelAfter >= 0 && valuesSet >= cancelAfter; }

    qint64 minimum = 0;
    qint64 maximum = 0;
    qint64 value = 0;
    int valuesSet = 0;
    int cancelAfter = -1;
    QStringList texts;
};

} // namespace tekvora::test
