#pragma once

#include "db/UpgradeProgress.h"

#include <QTextStream>

namespace tekvora::db {

/// The database maintenance as text lines, for the command line: the caption and every list
/// line as they come, each status indented below.
class TextUpgradeProgress : public UpgradeProgress
{
public:
    explicit TextUpgradeProgress(QTextStream &out)
        : m_out(out)
    {
    }

    void open(const QString &caption, const QString &firstLine) override
    {
        m_out << caption << '\n' << firstLine << Qt::endl;
    }
    void setText(const QString &text) override { m_out << text << Qt::endl; }
    void setStatus(const QString &text) override { m_out << "  " << text << Qt::endl; }

private:
    QTextStream &m_out;
};

} // namespace tekvora::db
