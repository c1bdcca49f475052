#pragma once

// What the benchmark programs that need wx share: starting wx on the display, and a reporter that
// keeps each benchmark's time so a program can print a summary after the table.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>

namespace layrail::bench {

// Initialises Google Benchmark and wx; says why on stderr when wx cannot start.
inline bool startWx(int& argc, char** argv, const char* program)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (wxEntryStart(argc, argv))
        return true;
    std::fprintf(stderr, "%s: wxWidgets could not start (is there a display?)\n", program);
    return false;
}

// Keeps each benchmark's real time per iteration, in milliseconds whatever its unit.
class TimingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                milliseconds_[run.benchmark_name()] = run.GetAdjustedRealTime() * toMilliseconds(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of a benchmark that used real time (its run carries a "/real_time" suffix); 0 when it
    // did not run.
    double realTime(const std::string& name) const
    {
        const auto it = milliseconds_.find(name + "/real_time");
        return it == milliseconds_.end() ? 0.0 : it->second;
    }

private:
    static double toMilliseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1.0;
        default:
            return 1e3;
        }
    }

    std::map<std::string, double> milliseconds_;
};

} // namespace layrail::bench
