#include "db/ui/MessListProgress.h"

#include "db/Maintenance.h"
#include "db/ui/TF_Mess.h"

#include <QGuiApplication>
#include <QScreen>

namespace tekvora::db {

namespace {
constexpr int ListWidth = 700;
constexpr int ListHeight = 600;
constexpr int ListTop = 64;
} // namespace

void MessListProgress::open(const QString &caption, const QString &firstLine)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : ListWidth;
    TF_Mess::openList(caption, firstLine, (screenWidth - ListWidth) / 2, ListTop);
    TF_Mess::setListWidth(ListWidth);
    TF_Mess::setListHeight(ListHeight);
    TF_Mess::disableAbort();
}

void MessListProgress::setText(const QString &text)
{
    TF_Mess::appendLine(text);
}

void MessListProgress::setStatus(const QString &text)
{
    TF_Mess::setStatus(text);
}

bool MessListProgress::cancelRequested()
{
    return abortRequested();
}

void MessListProgress::close()
{
    TF_Mess::closeList();
}

} // namespace tekvora::db
