#pragma once

#include <QString>

namespace tekvora::app {

/// What to open for a mail or web address the user typed. Nothing is to be done when both url and
/// error are empty; error holds the message when the address cannot be used; failureText is the
/// message for a failed opening.
struct LinkAddress
{
    QString url;
    QString error;
    QString failureText;
};

/// "mailto:" + address; an address without "@" is refused.
LinkAddress mailLink(const QString &address);
/// "http://" + address unless it already names http or https.
LinkAddress webLink(const QString &address);

} // namespace tekvora::app
