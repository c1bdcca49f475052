// The random edit test at any length: random_edits [--seed N] [--seeds K] [--steps N] [--scratch DIR]
// [--log] or random_edits --replay "op:seed op:seed ...". Prints the seeds and steps it ran; on a
// violation, the seed, the problems and the shortest failing sequence it could find.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <unistd.h>

#include "RandomEdits.h"

using namespace layrail::randomedit;

namespace {

int usage()
{
    std::fputs("usage: random_edits [--seed N] [--seeds K] [--steps N] [--scratch DIR] [--log]\n"
               "       random_edits --replay \"operation:seed ...\" [--scratch DIR]\n",
               stderr);
    return 2;
}

void printFailure(std::uint64_t seed, const std::vector<Step>& plan, const RunResult& run, const std::string& folder)
{
    std::printf("VIOLATION with seed %llu after step %zu:\n", static_cast<unsigned long long>(seed),
                run.failedStep + 1);
    for (const std::string& p : run.problems)
        std::printf("  %s\n", p.c_str());
    std::fflush(stdout);
    const std::vector<Step> shortest = shrinkFailure(plan, folder);
    std::printf("shortest failing sequence (%zu steps):\n  random_edits --replay \"%s\"\n", shortest.size(),
                formatSteps(shortest).c_str());
    const RunResult replay = runSteps(shortest, folder, true);
    for (const std::string& line : replay.log)
        std::printf("  %s\n", line.c_str());
    for (const std::string& p : replay.problems)
        std::printf("  -> %s\n", p.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t seed = std::random_device{}();
    std::uint64_t seeds = 1;
    std::size_t steps = 1000;
    std::string replay;
    bool replaying = false;
    bool log = false;
    // A folder of this run's own: runs side by side must not read each other's saved files.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("layrail_random_edits-" + std::to_string(::getpid()));
    bool ownFolder = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--log") {
            log = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        const std::string value = argv[++i];
        if (arg == "--seed")
            seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--seeds")
            seeds = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--steps")
            steps = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--scratch") {
            folder = value;
            ownFolder = false;
        }
        else if (arg == "--replay") {
            replay = value;
            replaying = true;
        } else
            return usage();
    }
    std::filesystem::create_directories(folder);
    struct FolderRemoval {
        const std::filesystem::path& folder;
        bool remove;
        ~FolderRemoval()
        {
            std::error_code ignored;
            if (remove)
                std::filesystem::remove_all(folder, ignored);
        }
    } removal{folder, ownFolder};

    if (replaying) {
        std::vector<Step> plan;
        std::string error;
        if (!parseSteps(replay, plan, error)) {
            std::fprintf(stderr, "random_edits: %s\n", error.c_str());
            return 2;
        }
        const RunResult run = runSteps(plan, folder.string(), true);
        for (const std::string& line : run.log)
            std::printf("  %s\n", line.c_str());
        for (const std::string& p : run.problems)
            std::printf("  -> %s\n", p.c_str());
        std::printf("%s after %zu steps\n", run.ok ? "no violation" : "VIOLATION", run.stepsRun);
        return run.ok ? 0 : 1;
    }

    const auto start = std::chrono::steady_clock::now();
    std::size_t total = 0;
    for (std::uint64_t k = 0; k < seeds; ++k) {
        const std::uint64_t s = seed + k;
        const std::vector<Step> plan = planSteps(s, steps);
        const RunResult run = runSteps(plan, folder.string(), log);
        for (const std::string& line : run.log)
            std::printf("%llu: %s\n", static_cast<unsigned long long>(s), line.c_str());
        total += run.stepsRun;
        if (!run.ok) {
            printFailure(s, plan, run, folder.string());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seeds %llu to %llu, %zu steps each: %zu steps, no violation (%.1f s)\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed + seeds - 1), steps,
                total, seconds);
    return 0;
}
