#include "CliCommands.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "CliFormat.h"
#include "CliOptions.h"
#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/LayoutCheck.h"
#include "document/LayoutFile.h"

namespace layrail {

namespace {

void printLine(const std::string& line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

const CatalogPiece* findArticle(const std::string& article)
{
    const CatalogPiece* piece = TrackCatalog::instance().find(article);
    if (!piece)
        printError("unknown article \"" + article + "\"");
    return piece;
}

bool readFile(const std::string& path, Layout& layout, std::string& name, bool repairIds = true)
{
    const std::string error = readLayout(path, layout, name, repairIds);
    if (!error.empty()) {
        printError(error);
        return false;
    }
    return true;
}

// The whole argument must be a finite number; a prefix is not enough here.
bool parseNumber(const std::string& text, const char* what, double& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    if (text.empty() || end != begin + text.size() || errno == ERANGE || !std::isfinite(value)) {
        printError(std::string(what) + " is not a number: \"" + text + "\"");
        return false;
    }
    return true;
}

// The shared arguments of snap and compat: FILE ARTICLE X Y HEADING.
struct PoseQuery {
    Layout layout;
    const CatalogPiece* moving = nullptr;
    Pose pose;
};

int preparePoseQuery(const std::vector<std::string>& args, PoseQuery& query)
{
    if (!parseNumber(args[2], "X", query.pose.x) || !parseNumber(args[3], "Y", query.pose.y) ||
        !parseNumber(args[4], "HEADING", query.pose.heading))
        return kExitUsage;
    query.moving = findArticle(args[1]);
    if (!query.moving)
        return kExitFailure;
    std::string name;
    if (!readFile(args[0], query.layout, name))
        return kExitFailure;
    return kExitOk;
}

} // namespace

bool readLayoutFile(const std::string& path, Layout& layout)
{
    std::string name;
    return readFile(path, layout, name);
}

int runCatalog(const std::vector<std::string>& args)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    if (!args.empty()) {
        const CatalogPiece* piece = findArticle(args[0]);
        if (!piece)
            return kExitFailure;
        printLine(catalogLine(*piece));
        return kExitOk;
    }
    for (int i = 0; i < catalog.count(); ++i)
        printLine(catalogLine(*catalog.at(i)));
    return kExitOk;
}

int runCheck(const std::vector<std::string>& args)
{
    Layout layout;
    std::string name;
    // The file as written: duplicate ids are reported, not repaired.
    if (!readFile(args[0], layout, name, false))
        return kExitFailure;
    printLine(layoutSummary(layout, name));
    for (const std::string& problem : findLayoutProblems(layout))
        printLine(problem);
    return kExitOk;
}

int runRoundtrip(const std::vector<std::string>& args)
{
    Layout layout;
    std::string name;
    if (!readFile(args[0], layout, name))
        return kExitFailure;
    const std::string error = writeLayout(layout, args[1], name);
    if (!error.empty()) {
        printError(error);
        return kExitFailure;
    }
    return kExitOk;
}

int runSnap(const std::vector<std::string>& args)
{
    PoseQuery query;
    if (const int status = preparePoseQuery(args, query); status != kExitOk)
        return status;
    printLine(snapLine(findSnap(*query.moving, query.pose, query.layout.pieces)));
    return kExitOk;
}

int runCompat(const std::vector<std::string>& args)
{
    PoseQuery query;
    if (const int status = preparePoseQuery(args, query); status != kExitOk)
        return status;
    printLine(compatLine(checkCompatibility(*query.moving, query.pose, query.layout.pieces)));
    return kExitOk;
}

} // namespace layrail
