#pragma once

#include "scanner/emu/PtyScannerHost.h"
#include "scanner/emu/ScannerEmulator.h"

namespace tekvora::test {

/// An emulated OPN-2001 served on a pseudo-terminal by a thread of its own.
struct EmulatedScanner
{
    EmulatedScanner()
    {
        opened = host.open();
        if (opened)
            host.start();
    }

    QString devicePath() const { return host.devicePath(); }

    scanner::emu::ScannerEmulator emulator;
    scanner::emu::PtyScannerHost host{emulator};
    bool opened = false;
};

} // namespace tekvora::test
