#include "app/HelpContent.h"

#include <gtest/gtest.h>

#include <sstream>

namespace layrail {
namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(HelpContent, TopicsInOrder)
{
    const char* const headings[] = {
        "Welcome to Layrail v1.3", "Getting Started",   "Canvas Navigation", "Track Selection",
        "Autofill Gap",            "Library",           "Moving Pieces",     "Dragging from the Palette",
        "Rotating Pieces",         "Elevation and Grades", "3D View",        "Layout Shape",
        "Polygon Shapes",          "Files (.lyr)",      "Levels",            "Measuring Tape",
        "Adding Labels",           "Piece Tally",       "Coloring Track",    "Keyboard Shortcuts",
    };
    const auto& topics = helpTopics();
    ASSERT_EQ(topics.size(), std::size(headings));
    for (size_t i = 0; i < topics.size(); ++i) {
        EXPECT_EQ(topics[i].heading, headings[i]) << i;
        EXPECT_FALSE(topics[i].body.empty()) << topics[i].heading;
    }
}

TEST(HelpContent, OpeningSentences)
{
    const auto& topics = helpTopics();
    ASSERT_EQ(topics.size(), 20u);
    EXPECT_TRUE(startsWith(topics[1].body, "1. Select a track system from the palette dropdown on the left.\n"));
    EXPECT_TRUE(startsWith(topics[2].body, "Pan: middle-click and drag."));
    EXPECT_TRUE(startsWith(topics[3].body, "Left-click a piece to select it."));
    EXPECT_TRUE(startsWith(topics[4].body, "Autofill closes the space between two open track endpoints by "
                                           "figuring out which pieces fit."));
    EXPECT_TRUE(startsWith(topics[7].body, "While a piece is being dragged from the palette onto the canvas, "
                                           "scroll the mouse wheel to rotate it in 30 degree steps (15 degree "
                                           "with Shift) before dropping."));
    EXPECT_TRUE(startsWith(topics[13].body, "Layrail saves layouts with the .lyr extension."));
    // Seven numbered steps in Getting Started, each on its own line.
    for (int step = 2; step <= 7; ++step)
        EXPECT_NE(topics[1].body.find("\n" + std::to_string(step) + ". "), std::string::npos) << step;
    EXPECT_EQ(topics[1].body.find("\n8. "), std::string::npos);
}

TEST(HelpContent, MakerLinkSitsInsideTwoTopics)
{
    const auto& topics = helpTopics();
    ASSERT_EQ(topics.size(), 20u);
    for (size_t i = 0; i < topics.size(); ++i)
        EXPECT_EQ(topics[i].linkAfterBody, i == 0 || i == 17) << topics[i].heading;
    EXPECT_EQ(topics[0].body, "Layrail by");
    EXPECT_TRUE(startsWith(topics[0].bodyAfterLink, "lets you design and plan your Marklin and TRIX"));
    EXPECT_EQ(topics[17].body, "The right panel automatically tallies all pieces in your layout. Bridge pieces also "
                               "count their included deck track pieces. Click 'Buy Track' to open the");
    EXPECT_EQ(topics[17].bodyAfterLink, "website in your browser where a shopping cart with your required track "
                                        "will be waiting for you to review and check out.");
}

TEST(HelpContent, ShortcutLinesPadKeysToSeventeen)
{
    EXPECT_EQ(shortcutLine("Del", "Delete selected"), "Del              - Delete selected");
    EXPECT_EQ(shortcutLine("Ctrl+Z / Ctrl+Y", "Undo / Redo"), "Ctrl+Z / Ctrl+Y  - Undo / Redo");
    EXPECT_EQ(shortcutLine("Wheel (palette)xx", "x"), "Wheel (palette)xx- x");
    EXPECT_EQ(shortcutLine("A very long key name", "x"), "A very long key name- x");
}

TEST(HelpContent, ShortcutListIsAlignedAndComplete)
{
    const HelpTopic& shortcuts = helpTopics().back();
    EXPECT_TRUE(shortcuts.fixedPitch);
    std::istringstream lines(shortcuts.body);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(line.substr(17, 2), "- ") << line;
    }
    EXPECT_EQ(count, 17);
    EXPECT_TRUE(startsWith(shortcuts.body, "Ctrl+Z / Ctrl+Y  - Undo / Redo\n"));
    EXPECT_EQ(shortcuts.body.substr(shortcuts.body.rfind('\n') + 1), "F1               - This help screen");
}

} // namespace
} // namespace layrail
