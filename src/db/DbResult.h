#pragma once

#include <QString>

namespace tekvora::db {

/// Success, or failure with the store's message.
struct DbResult
{
    bool ok = true;
    QString error;

    static DbResult failure(const QString &message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

} // namespace tekvora::db
