#pragma once

#include <QString>

#include <array>
#include <optional>

namespace tekvora::app {

/// What the build says about its version: the product version text and the four numbers.
struct VersionResource
{
    QString productVersion;
    std::array<int, 4> numbers{};
};

/// The product version text; "%d.%d.%d.%d" of the numbers when that text is empty; "?.??[???]"
/// without any version.
QString programVersionText(const std::optional<VersionResource> &resource);

/// The version this program was built with; nullopt for a build without version numbers.
std::optional<VersionResource> builtVersion();

/// Reads "1.3.1.36" (missing parts are 0); nullopt when it is no such text.
std::optional<VersionResource> parseVersionNumbers(const QString &numbers, const QString &productVersion);

} // namespace tekvora::app
