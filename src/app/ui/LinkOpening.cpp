#include "app/ui/LinkOpening.h"

#include "app/LinkAddresses.h"
#include "app/ui/MessageDialogs.h"

#include <QDesktopServices>
#include <QUrl>

namespace tekvora::app {

namespace {

void openLink(const LinkAddress &link)
{
    if (!link.error.isEmpty()) {
        showError(link.error);
        return;
    }
    if (link.url.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl(link.url, QUrl::TolerantMode)))
        showError(link.failureText);
}

} // namespace

void sendMail(const QString &address)
{
    openLink(mailLink(address));
}

void openWebSite(const QString &address)
{
    openLink(webLink(address));
}

} // namespace tekvora::app
