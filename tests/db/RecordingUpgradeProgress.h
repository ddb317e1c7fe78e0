#pragma once

#include "db/UpgradeProgress.h"

#include <QStringList>

namespace tekvora::test {

/// Records what the database maintenance showed: caption, list lines and status texts.
class RecordingUpgradeProgress : public db::UpgradeProgress
{
public:
    void open(const QString &text, const QString &firstLine) override
    {
        ++opened;
        caption = text;
        lines << firstLine;
    }
    void setText(const QString &text) override { lines << text; }
    void setStatus(const QString &text) override { statuses << text; }
    void close() override { ++closed; }

    int opened = 0;
    int closed = 0;
    QString caption;
    QStringList lines;
    QStringList statuses;
};

} // namespace tekvora::test
