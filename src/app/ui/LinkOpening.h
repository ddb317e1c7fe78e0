#pragma once

#include <QString>

namespace tekvora::app {

/// Opens the mail program for the address; refuses an address without "@" with an error box.
void sendMail(const QString &address);
/// Opens the web site in the browser, adding "http://" when no scheme is given.
void openWebSite(const QString &address);

} // namespace tekvora::app
