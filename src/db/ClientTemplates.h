#pragma once

namespace tekvora::app {
class ClientDirs;
class UserPrompt;
} // namespace tekvora::app

namespace tekvora::db {

/// Writes the template directories of client 0 where they are missing: "Data0000" with the
/// template database of the current version and its "Version.Dat", "QRFD0000", and "IMEX0000"
/// with the import definitions and an example data file for each kind. A template database of
/// another version, or one a crash left without its "Version.Dat", is built anew. Files the
/// import templates hold already are kept.
bool ensureClientTemplates(const app::ClientDirs &dirs, app::UserPrompt &prompt);

} // namespace tekvora::db
