#pragma once

#include <QString>

#include <atomic>
#include <thread>

namespace tekvora::scanner::emu {

class ScannerEmulator;

/// Serves a ScannerEmulator on a pseudo-terminal whose device path the link opens.
class PtyScannerHost
{
public:
    explicit PtyScannerHost(ScannerEmulator &emulator);
    ~PtyScannerHost();
    PtyScannerHost(const PtyScannerHost &) = delete;
    PtyScannerHost &operator=(const PtyScannerHost &) = delete;

    /// Creates the pseudo-terminal; false when the system has none to give.
    bool open();
    QString devicePath() const { return m_devicePath; }

    /// Serves requests in the calling thread until stop() is called.
    void serve();
    /// Serves requests in a thread of its own.
    void start();
    void stop();

private:
    ScannerEmulator &m_emulator;
    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace tekvora::scanner::emu
