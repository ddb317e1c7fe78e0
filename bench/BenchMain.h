#pragma once

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace tekvora::bench {

/// main() of a benchmark: runs what the command line selects inside an application object of type App.
/// `beforeExit` drops what must go before the application does (open stores, windows).
template <typename App = QCoreApplication>
int runBenchmarks(int argc, char **argv, const std::function<void()> &beforeExit = {})
{
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit)
        beforeExit();
    return 0;
}

} // namespace tekvora::bench
