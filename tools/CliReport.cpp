// The tally and gaps commands: what a layout needs, and what it would trip over.

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "CliCommands.h"
#include "CliFormat.h"
#include "CliOptions.h"
#include "app/ProgramData.h"
#include "canvas/GapReport.h"
#include "document/Layout.h"
#include "panels/PieceList.h"
#include "panels/StoreTable.h"

namespace layrail {

namespace {

constexpr double kMaxHeadroom = 1000.0;

std::string executablePath()
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

// The program's own data folder for its user, as the window finds it.
std::string userDataFolder()
{
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? std::string(home) + "/.layrail" : std::string();
}

// The store table the piece count reads, from the same places the program looks. Without one the
// store sells nothing, which only leaves scenery out of the count; a broken one is reported.
StoreTable storeTable()
{
    const ProgramPlaces places{LAYRAIL_INSTALL_PREFIX, LAYRAIL_BUILD_FOLDER, LAYRAIL_SOURCE_DATA_FOLDER};
    StoreTableLoad load = loadStoreTable({userDataFolder(), programDataFolder(executablePath(), places)});
    if (!load.ok() && !load.path.empty())
        printError("the store table is not used: " + load.error.substr(load.error.find('\n') + 1));
    return load.ok() ? std::move(load.table) : StoreTable{};
}

bool readHeadroom(const CliOptions& options, const char* name, double& value)
{
    const std::string* text = options.value(name);
    return text == nullptr || parseNumberIn(*text, name, 0.0, kMaxHeadroom, value);
}

} // namespace

int runTally(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.read(args, 1, {"--csv"}, {}))
        return kExitUsage;
    Layout layout;
    if (!readLayoutFile(args[0], layout))
        return kExitFailure;
    const std::vector<PieceListLine> lines = pieceListLines(countTally(layout, storeTable()));
    const std::string text = options.has("--csv") ? pieceListCsv(lines) : pieceListText(lines);
    std::fputs(text.c_str(), stdout);
    return kExitOk;
}

int runGaps(const std::vector<std::string>& args)
{
    CliOptions options;
    if (!options.read(args, 1, {}, {"--headroom-h0", "--headroom-n", "--headroom-z"}))
        return kExitUsage;
    Headroom headroom;
    if (!readHeadroom(options, "--headroom-h0", headroom.h0) || !readHeadroom(options, "--headroom-n", headroom.n) ||
        !readHeadroom(options, "--headroom-z", headroom.z))
        return kExitUsage;
    Layout layout;
    if (!readLayoutFile(args[0], layout))
        return kExitFailure;
    for (const std::string& line : gapLines(buildGapReport(layout, headroom))) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
    }
    return kExitOk;
}

} // namespace layrail
