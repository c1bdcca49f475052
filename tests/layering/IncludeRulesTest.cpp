// The folders of src/ are layered: catalog < document < render < canvas, panels, view3d, print,
// export, dialogs < app. A file includes from its own folder and from folders below it, never from
// above; the middle folders stay out of each other's way except where listed. Files outside ui/
// folders are the wx-free core: no wx header, nothing from a ui/ folder; cairo and libpng belong to
// the export library and the windows.
//
// Run it alone with: ctest -R IncludeRules (or build/tests/test_layering).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace layrail {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int>& folderRanks()
{
    static const std::map<std::string, int> ranks = {
        {"catalog", 0}, {"document", 1}, {"render", 2}, {"canvas", 3},  {"panels", 3},
        {"view3d", 3},  {"print", 3},    {"export", 3}, {"dialogs", 3}, {"app", 4},
    };
    return ranks;
}

// Includes between folders of the same rank that the design wants: the palette hands its rows to
// the canvas; plan export lays out its pages with the printout's extent and pagination.
const std::set<std::pair<std::string, std::string>>& sidewaysAllowed()
{
    static const std::set<std::pair<std::string, std::string>> allowed = {{"panels", "canvas"}, {"export", "print"}};
    return allowed;
}

std::string firstFolder(const std::string& path) { return path.substr(0, path.find('/')); }

bool inUiFolder(const std::string& path) { return path.find("/ui/") != std::string::npos; }

// What is wrong with the includes of one file, given by its path below src/ and its text.
std::vector<std::string> includeProblems(const std::string& path, const std::string& text)
{
    std::vector<std::string> problems;
    const std::string folder = firstFolder(path);
    const auto& ranks = folderRanks();
    const auto own = ranks.find(folder);
    if (own == ranks.end())
        return {path + ": folder \"" + folder + "\" has no place in the layers"};

    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::smatch match;
        if (!std::regex_search(line, match, includeLine))
            continue;
        const std::string target = match[2];
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (match[1] == "<") {
            const bool wx = target.rfind("wx/", 0) == 0;
            if (wx && (!inUiFolder(path) || folder == "export"))
                problems.push_back(where + "wx header <" + target + "> in wx-free code");
            // The core stays free of cairo and libpng: only the export library and windows draw with them.
            const bool drawingLibrary = target.rfind("cairo", 0) == 0 || target == "png.h";
            if (drawingLibrary && folder != "export" && !inUiFolder(path))
                problems.push_back(where + "drawing library header <" + target + "> in the core");
            continue;
        }
        if (target.find('/') == std::string::npos)
            continue; // a header next to the file
        const std::string targetFolder = firstFolder(target);
        const auto other = ranks.find(targetFolder);
        if (other == ranks.end())
            continue; // not a folder of src/
        if (!inUiFolder(path) && inUiFolder(target))
            problems.push_back(where + "wx-free code includes window code \"" + target + "\"");
        if (targetFolder == folder)
            continue;
        if (other->second > own->second)
            problems.push_back(where + folder + " includes \"" + target + "\" from the higher folder " + targetFolder);
        else if (other->second == own->second && sidewaysAllowed().count({folder, targetFolder}) == 0)
            problems.push_back(where + folder + " includes \"" + target + "\" sideways from " + targetFolder);
    }
    return problems;
}

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(IncludeRules, EveryFileUnderSrcIncludesOnlyFromItsOwnFolderOrBelow)
{
    const fs::path root(LAYRAIL_SOURCE_DIR);
    ASSERT_TRUE(fs::is_directory(root)) << root;
    std::vector<std::string> problems;
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        ++files;
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        for (std::string& problem : includeProblems(relative, fileText(entry.path())))
            problems.push_back(std::move(problem));
    }
    EXPECT_GT(files, 100u);
    std::string report;
    for (const std::string& problem : problems)
        report += problem + "\n";
    EXPECT_TRUE(problems.empty()) << report;
}

TEST(IncludeRules, EachKindOfWrongIncludeIsFound)
{
    struct Case {
        const char* path;
        const char* text;
        bool wrong;
    };
    const Case cases[] = {
        {"canvas/ui/CanvasPanel.cpp", "#include \"app/ui/MainFrame.h\"\n", true},
        {"canvas/Placement.cpp", "  #  include \"app/SelectionCommands.h\"\n", true},
        {"document/Session.cpp", "#include \"render/Renderer.h\"\n", true},
        {"catalog/TrackCatalog.cpp", "#include \"document/Layout.h\"\n", true},
        {"canvas/Move.cpp", "#include \"panels/PaletteLists.h\"\n", true},
        {"panels/ui/PiecePreviewPopup.cpp", "#include \"view3d/Scene.h\"\n", true},
        {"render/Renderer.cpp", "#include <wx/dc.h>\n", true},
        {"export/CairoTarget.cpp", "#include <wx/image.h>\n", true},
        {"render/LayoutRenderer.cpp", "#include <cairo.h>\n", true},
        {"print/Pagination.cpp", "#include <cairo-pdf.h>\n", true},
        {"canvas/GapReport.cpp", "#include <png.h>\n", true},
        {"export/PlanExport.cpp", "#include <cairo-pdf.h>\n#include \"print/Pagination.h\"\n", false},
        {"render/ui/WxDrawTarget.cpp", "#include <cairo.h>\n", false},
        {"export/PlanExport.cpp", "#include \"canvas/GapReport.h\"\n", true},
        {"print/Pagination.cpp", "#include \"export/PlanExport.h\"\n", true},
        {"canvas/HitTest.cpp", "#include \"render/ui/WxDrawTarget.h\"\n", true},
        {"tools/Whatever.cpp", "#include \"catalog/TrackCatalog.h\"\n", true},
        {"panels/ui/PalettePanel.cpp", "#include \"canvas/ui/CanvasPanel.h\"\n", false},
        {"canvas/ui/CanvasPanel.cpp", "#include <wx/panel.h>\n#include \"render/ui/WxDrawTarget.h\"\n", false},
        {"app/ui/MainFrame.cpp", "#include \"panels/ui/PalettePanel.h\"\n#include \"catalog/Articles.h\"\n", false},
        {"render/Renderer.h", "#include <vector>\n#include \"PieceDrawing.h\"\n// #include \"app/x.h\"\n", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!includeProblems(c.path, c.text).empty(), c.wrong) << c.path << " with " << c.text;
}

} // namespace
} // namespace layrail
