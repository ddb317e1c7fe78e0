#pragma once

#include "BenchMain.h"

#include <QApplication>

namespace tekvora::bench {

/// main() of a benchmark over windows: headless unless a display is given.
inline int runGuiBenchmarks(int argc, char **argv, const std::function<void()> &beforeExit = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarks<QApplication>(argc, argv, beforeExit);
}

} // namespace tekvora::bench
