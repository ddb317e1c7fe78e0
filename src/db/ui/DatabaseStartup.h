#pragma once

namespace tekvora::app {
struct AppState;
class PrivateDir;
class Startup;
} // namespace tekvora::app

namespace tekvora::db {

/// Fills the start-up's database steps: the check and upgrade of client 1 with its progress in
/// the message list, then the program's database connection (the data module).
void connectDatabaseStartup(app::Startup &startup, app::AppState &state, app::PrivateDir &privateDir);

} // namespace tekvora::db
