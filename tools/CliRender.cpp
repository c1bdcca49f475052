// The render command: the plan of a layout file as a PNG, SVG or PDF.

#include "CliCommands.h"
#include "CliOptions.h"
#include "document/Layout.h"
#include "export/PlanExport.h"

namespace layrail {

namespace {

// Fills the options from the command line; a one-line message and false on a wrong one.
bool readRenderOptions(const CliOptions& given, PlanExportOptions& options)
{
    if (given.has("--fit") && given.has("--scale")) {
        printError("--fit and --scale exclude each other");
        return false;
    }
    if (given.has("--level") && given.has("--all")) {
        printError("--level and --all exclude each other");
        return false;
    }
    if (const std::string* n = given.value("--scale")) {
        if (!parseWholeNumber(*n, "--scale", kMinScaleDenominator, kMaxScaleDenominator, options.scaleDenominator))
            return false;
        options.scaling = PlanScaling::TrueScale;
    }
    if (const std::string* dpi = given.value("--dpi"))
        if (!parseWholeNumber(*dpi, "--dpi", kMinExportDpi, kMaxExportDpi, options.dpi))
            return false;
    if (const std::string* paper = given.value("--paper"); paper && !paperFromName(*paper, options.paper)) {
        printError("--paper must be A4 or Letter: \"" + *paper + "\"");
        return false;
    }
    options.levels = given.has("--all") ? PlanLevels::All : PlanLevels::One;
    if (const std::string* level = given.value("--level"))
        if (!parseWholeNumber(*level, "--level", 1, 1 << 30, options.level))
            return false;
    options.greyscale = given.has("--grey");
    options.grid = given.has("--grid");
    options.baseboard = !given.has("--no-baseboard");
    options.labels = !given.has("--no-labels");
    return true;
}

} // namespace

int runRender(const std::vector<std::string>& args)
{
    PlanExportOptions options;
    if (!formatFromPath(args[1], options.format)) {
        printError("the output file must end in .png, .svg or .pdf: \"" + args[1] + "\"");
        return kExitUsage;
    }
    CliOptions given;
    if (!given.read(args, 2, {"--fit", "--all", "--grey", "--grid", "--no-baseboard", "--no-labels"},
                    {"--scale", "--level", "--dpi", "--paper"}))
        return kExitUsage;
    if (!readRenderOptions(given, options))
        return kExitUsage;
    Layout layout;
    if (!readLayoutFile(args[0], layout))
        return kExitFailure;
    if (!given.has("--level"))
        options.level = layout.activeLevel;
    else if (layout.findLevel(options.level) == nullptr) {
        printError("the layout has no level " + std::to_string(options.level));
        return kExitFailure;
    }
    const std::string error = exportPlan(layout, options, args[1]);
    if (!error.empty()) {
        printError(error);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace layrail
