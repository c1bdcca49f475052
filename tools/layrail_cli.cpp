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
    "  tally FILE [--csv]                the pieces the layout needs, counted as the piece count lists them\n"
    "  render FILE OUT [OPTIONS]         draw the plan into OUT, a .png, .svg or .pdf file\n"
    "  gaps FILE [OPTIONS]               open ends, near misses, gaps to fill, low crossings, steep grades\n"
    "  --help                            show this text\n"
    "\n"
    "X and Y are millimetres, HEADING is degrees. Catalog lines hold article, system, kind, length,\n"
    "radius, angle, flags (b bridge, p pair, r ramp, - none) and connectors (x,y,heading joined by ;),\n"
    "separated by TABs.\n"
    "\n"
    "tally prints article, count and name separated by TABs, one article a line in article order, then\n"
    "the turnout motors and decoders it recommends, their names ending in \" (recommended)\". With --csv\n"
    "it prints the same as comma-separated values under the heading Article,Description,Quantity,Note.\n"
    "\n"
    "render options:\n"
    "  --fit                 fit the plan to one page (the default)\n"
    "  --scale N             true scale 1:N (N from 1 to 1000): a PNG or SVG of the plan's own size; a\n"
    "                        PDF larger than one page is tiled over sheets that overlap by 10 mm, with\n"
    "                        marks to trim and join them\n"
    "  --level ID | --all    only the level ID, or every level (default: the file's active level)\n"
    "  --grey                greyscale instead of colour\n"
    "  --grid                draw the grid\n"
    "  --no-baseboard        leave out the baseboard outline\n"
    "  --no-labels           leave out the article labels and join dots\n"
    "  --dpi D               the resolution of a PNG, 30 to 1200 dots per inch (default 300)\n"
    "  --paper A4|Letter     the page of --fit and of a PDF (default A4)\n"
    "\n"
    "gaps prints a line per finding, lengths in mm and angles in degrees:\n"
    "  open piece=ID connector=K x= y= heading= level=          an open end\n"
    "  near a=ID:K b=ID:K distance= offset= angle= fill=...     ends within 60 mm and 20 degrees\n"
    "  gap a=ID:K b=ID:K distance= offset= angle= fill=...      ends in line that straights can join\n"
    "  crossing lower=ID upper=ID x= y= lowerz= upperz= clearance= headroom=\n"
    "                                                           tracks crossing too close in height\n"
    "  grade pieces=ID,ID grade= limit= x= y=                  joined pieces steeper than 6 degrees\n"
    "fill= names the fewest straights that close the gap, joined by +, and total= their length; fill=-\n"
    "when none does.\n"
    "gaps options (the clear height a train needs above the rail of the lower track, in mm):\n"
    "  --headroom-h0 MM      Marklin C- and K-Track, TRIX C-Track (default 70)\n"
    "  --headroom-n MM       N track (default 40)\n"
    "  --headroom-z MM       Z track (default 35)\n"
    "\n"
    "Exit status: 0 done, 1 unreadable file, unknown article or level, or failed export, 2 wrong\n"
    "arguments; each failure is one line on the error stream.\n";

struct Command {
    const char* name;
    const char* usage;
    size_t minArgs;
    size_t maxArgs;
    int (*run)(const std::vector<std::string>&);
};

constexpr size_t kAnyNumber = 64;

const Command kCommands[] = {
    {"catalog", "catalog [ARTICLE]", 0, 1, layrail::runCatalog},
    {"check", "check FILE", 1, 1, layrail::runCheck},
    {"roundtrip", "roundtrip IN OUT", 2, 2, layrail::runRoundtrip},
    {"snap", "snap FILE ARTICLE X Y HEADING", 5, 5, layrail::runSnap},
    {"compat", "compat FILE ARTICLE X Y HEADING", 5, 5, layrail::runCompat},
    {"tally", "tally FILE [--csv]", 1, 2, layrail::runTally},
    {"render", "render FILE OUT.png|OUT.svg|OUT.pdf [OPTIONS]", 2, kAnyNumber, layrail::runRender},
    {"gaps", "gaps FILE [OPTIONS]", 1, kAnyNumber, layrail::runGaps},
};

// One line: the reason and the usage that would have been right.
int usageError(const std::string& reason, const char* usage)
{
    std::fprintf(stderr, "layrail-cli: %s; usage: layrail-cli %s (see layrail-cli --help)\n", reason.c_str(), usage);
    return layrail::kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usageError("no command given", "COMMAND [ARGUMENTS]");
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
            return usageError(std::string("wrong number of arguments for ") + command.name, command.usage);
        return command.run(args);
    }
    return usageError("unknown command \"" + word + "\"", "COMMAND [ARGUMENTS]");
}
