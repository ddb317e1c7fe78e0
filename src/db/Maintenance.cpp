#include "db/Maintenance.h"

namespace tekvora::db {

namespace {
bool g_active = false;
bool g_abort = false;
} // namespace

bool maintenanceActive()
{
    return g_active;
}

MaintenanceScope::MaintenanceScope()
{
    g_active = true;
    g_abort = false;
}

MaintenanceScope::~MaintenanceScope()
{
    g_active = false;
}

bool abortRequested()
{
    return g_abort;
}

void requestAbort()
{
    g_abort = true;
}

} // namespace tekvora::db
