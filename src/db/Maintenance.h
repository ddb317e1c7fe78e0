#pragma once

namespace tekvora::db {

/// True while the database maintenance runs; the message list window is silent otherwise.
bool maintenanceActive();

/// Marks the database maintenance as running for its lifetime and clears a stale abort request.
class MaintenanceScope
{
public:
    MaintenanceScope();
    ~MaintenanceScope();
    MaintenanceScope(const MaintenanceScope &) = delete;
    MaintenanceScope &operator=(const MaintenanceScope &) = delete;
};

/// The program-wide abort request of the message list's "&Abbruch" button.
bool abortRequested();
void requestAbort();

} // namespace tekvora::db
