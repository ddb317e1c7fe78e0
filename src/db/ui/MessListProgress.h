#pragma once

#include "db/UpgradeProgress.h"

namespace tekvora::db {

/// Shows the database maintenance in the message list window: 700 x 600 pixels, centred
/// horizontally, 64 pixels from the top, without an abort button.
class MessListProgress : public UpgradeProgress
{
public:
    void open(const QString &caption, const QString &firstLine) override;
    void setText(const QString &text) override;
    void setStatus(const QString &text) override;
    bool cancelRequested() override;
    void close() override;
};

} // namespace tekvora::db
