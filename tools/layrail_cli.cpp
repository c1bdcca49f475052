#include <cstdio>
#include <string>
#include <vector>

#include "CliCommands.h"

namespace {

const char* const kUsage =
    "usage: layrail-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  catalog [ARTICLE]                 list the track catalog, one piece a line, or only ARTICLE\n"
    "  check FILE                        read a layout file, print its counts and its consistency problems\n"
    "  roundtrip IN OUT                  read the layout file IN and write it to OUT under its own name\n"
    "  snap FILE ARTICLE X Y HEADING     where ARTICLE at the pose would snap onto the track of FILE\n"
    "  compat FILE ARTICLE X Y HEADING   whether ARTICLE at the pose touches track of another system\n"
    "  --help                            show this text\n"
    "\n"
    "X and Y are millimetres, HEADING is degrees. Catalog lines hold article, system, kind, length,\n"
    "radius, angle, flags (b bridge, p pair, r ramp, - none) and connectors (x,y,heading joined by ;),\n"
    "separated by TABs.\n"
    "Exit status: 0 done, 1 unreadable file or unknown article, 2 wrong arguments.\n";

struct Command {
    const char* name;
    size_t minArgs;
    size_t maxArgs;
    int (*run)(const std::vector<std::string>&);
};

const Command kCommands[] = {
    {"catalog", 0, 1, layrail::runCatalog},
    {"check", 1, 1, layrail::runCheck},
    {"roundtrip", 2, 2, layrail::runRoundtrip},
    {"snap", 5, 5, layrail::runSnap},
    {"compat", 5, 5, layrail::runCompat},
};

int usageError(const std::string& reason)
{
    std::fprintf(stderr, "layrail-cli: %s\n\n%s", reason.c_str(), kUsage);
    return layrail::kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usageError("no command given");
    const std::string word = argv[1];
    if (word == "--help" || word == "-h") {
        std::fputs(kUsage, stdout);
        return layrail::kExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (word != command.name)
            continue;
        if (args.size() < command.minArgs || args.size() > command.maxArgs)
            return usageError(std::string("wrong number of arguments for ") + command.name);
        return command.run(args);
    }
    return usageError("unknown command \"" + word + "\"");
}
