#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/FileTestSupport.h"
#include "document/LayoutFile.h"
#include "document/LibraryBlock.h"
#include "document/LineReader.h"
#include "document/XmlLine.h"

namespace layrail {
namespace {

using test::TempFolder;
using test::writeFile;

const std::vector<std::string> kNames = {"id", "x", "y", "cat", "heading", "level", "sel", "name", "conn", "tconn"};

// Every tag must be found exactly where its text occurs, and every name must give
// what a plain search of the line gives.
void expectSameAsPlainSearch(const std::string& line)
{
    std::string error;
    const XmlLine xml(line, 1, error);
    for (size_t t = 0; t < static_cast<size_t>(Tag::Count); ++t) {
        const auto tag = static_cast<Tag>(t);
        EXPECT_EQ(xml.has(tag), line.find(tagText(tag)) != std::string::npos) << tagText(tag) << " in " << line;
    }
    for (const std::string& name : kNames)
        EXPECT_EQ(xml.raw(name), rawAttribute(line, name)) << name << " in " << line;
}

TEST(XmlLineScan, TagsAreFoundAnywhereInTheLine)
{
    for (const char* line : {"<piece id=\"1\"><joint conn=\"0\"/></piece>", "  </levels><level id=\"2\"/>",
                             "<pieces></pieces>", "<shape id=\"1\"></shape>", "<shapes>", "<lastshape/>", "<v x=\"1\"",
                             "<<piece ", "<piece", "<v", "<pt ", "text <label  <label x", "</baseboard></block>",
                             "<sceneryitem <scenery> </scenery>", "<levels <level <level_x"})
        expectSameAsPlainSearch(line);
}

TEST(XmlLineScan, AttributesFollowTheWholeNameRule)
{
    for (const char* line : {
             "<a id=\"1\" id=\"2\"/>",                     // the first occurrence wins
             "<a xid=\"9\" id=\"4\"/>",                    // a longer name is another name
             "<a text=\"foo x=\" y=\"3\"/>",               // a name inside a value is no attribute
             "<a a=\"1\"x=\"2\" x=\"3\"/>",                // no blank before: not an attribute
             "<a x=\"1",                                   // no closing quote
             "<a x=\"\" x=\"5\"/>",                        // an empty first value stays empty
             "<a  x==\"1\" x=\"2\"/>",                     // "x=" is not the name x
             "<a x= \"1\" x=\"2\"/>",                      // a blank between equals sign and quote
             " x=\"=\"\"y=\"1\" y=\"2\"",                  // equals signs and quotes run together
             "<a id=\"&quot;\" name=\"a&amp;b\"/>",        // references stay raw
             "x=\"1\" x=\"2\"",                            // the line may start with a name
             "<a \tid=\"1\" id=\"2\"/>",                   // a tab is no blank
         })
        expectSameAsPlainSearch(line);
}

TEST(XmlLineScan, NamesInsideQuotedValuesAreNotAttributes)
{
    EXPECT_EQ(rawAttribute("<layout name=\"Yard units=\" version=\"1\" units=\"2\">", "units"), "2");
    EXPECT_EQ(rawAttribute("<a text=\"foo x=\" y=\"3\"/>", "x"), "");
    EXPECT_EQ(rawAttribute("<a text=\"foo x=\" y=\"3\"/>", "y"), "3");
    EXPECT_EQ(rawAttribute("<a b=\"1\" c=\" d=\" d=\"4\"/>", "d"), "4");
    // Past 64 bytes of value the scan is in its next stretch; the value still hides the name.
    const std::string longValue = "<label text=\"" + std::string(100, 'q') + " x=\" x=\"7\"/>";
    std::string error;
    EXPECT_EQ(XmlLine(longValue, 1, error).raw("x"), "7");
    EXPECT_EQ(rawAttribute(longValue, "x"), "7");
}

TEST(XmlLineScan, LongLinesMatchThePlainSearchAcrossEveryBlockBoundary)
{
    // Names, values and tags placed at every offset from 0 to 200 cross the 16- and
    // 64-byte boundaries the scan works in.
    for (size_t pad = 0; pad < 200; ++pad) {
        const std::string blanks(pad, ' ');
        expectSameAsPlainSearch(blanks + "<piece id=\"7\" cat=\"24188\" x=\"1.5\" heading=\"90.0000\" level=\"2\">");
        expectSameAsPlainSearch("<joint" + blanks + " conn=\"1\"" + blanks + " target=\"5\" tconn=\"0\"/>");
        expectSameAsPlainSearch(std::string(pad, 'q') + " name=\"" + blanks + "\" x=\"2\"");
        expectSameAsPlainSearch(blanks + "<v");
    }
}

TEST(XmlLineScan, RandomLinesMatchThePlainSearch)
{
    // Lines built from the pieces the scan cares about, in any order.
    const std::vector<std::string> parts = {" ",     "=",     "\"",      "<",      "x",         "id",     " id=\"",
                                            " x=\"", "1.25",  "<piece ", "<joint ", "</pieces>", "<v ",    "<level ",
                                            "&amp;", " y=\"", "\"/>",    "<pt ",   "</shape",   " sel=\"", "cat"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> pick(0, parts.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int n = length(random); n > 0; --n)
            line += parts[pick(random)];
        expectSameAsPlainSearch(line);
    }
}

TEST(XmlLineScan, ManyAttributesFallBackToTheLineAndKeepTheFirstOccurrence)
{
    std::string line = "<a";
    for (int i = 0; i < 40; ++i)
        line += " n" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    line += " n39=\"again\" id=\"5\" n3=\"again\"";
    std::string error;
    const XmlLine xml(line, 1, error);
    EXPECT_EQ(xml.raw("n0"), "0");
    EXPECT_EQ(xml.raw("n3"), "3");
    EXPECT_EQ(xml.raw("n39"), "39");
    EXPECT_EQ(xml.raw("id"), "5");
    EXPECT_EQ(xml.raw("n40"), "");
}

TEST(LineReader, LinesAcrossBufferRefillsAndTheCapAreKept)
{
    TempFolder folder;
    const std::string path = folder.file("lines.txt");
    // Lines longer than the read chunk, and an unfinished last line.
    const std::string longLine(200000, 'a');
    writeFile(path, "first\n" + longLine + "\n\nlast");
    LineReader reader(path);
    ASSERT_TRUE(reader.isOpen());
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "first");
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, longLine);
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "");
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(reader.lineNumber(), 4U);
    EXPECT_EQ(reader.next(line), LineReader::Status::End);

    writeFile(path, "ok\n" + std::string(LineReader::kMaxLineLength, 'b') + "\nnext\n" +
                        std::string(LineReader::kMaxLineLength + 1, 'c') + "\n");
    LineReader capped(path);
    ASSERT_EQ(capped.next(line), LineReader::Status::Line);
    ASSERT_EQ(capped.next(line), LineReader::Status::Line);
    EXPECT_EQ(line.size(), LineReader::kMaxLineLength);
    ASSERT_EQ(capped.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "next");
    EXPECT_EQ(capped.next(line), LineReader::Status::TooLong);
    EXPECT_EQ(capped.lineNumber(), 4U);
}

TEST(LayoutFileRead, RulesAfterThePiecesSeeTheirOwnLine)
{
    // The piece reader reads on past a "<pieces>" line; the rest of that line still counts.
    TempFolder folder;
    const std::string path = folder.file("one.lyr");
    writeFile(path, "<layout name=\"One\" units=\"2\"><pieces>\n"
                    "<piece id=\"3\" cat=\"24188\" x=\"1\" y=\"2\" heading=\"0\"><joint conn=\"1\" target=\"8\" "
                    "tconn=\"0\"/></piece>\n"
                    "</pieces><label id=\"9\" x=\"1\" y=\"1\" text=\"after\"/>\n"
                    "<pieces><levels active=\"2\">\n"
                    "</pieces>\n"
                    "<level id=\"2\" name=\"Top\"/>\n"
                    "</levels>\n");
    Layout layout;
    std::string name;
    ASSERT_EQ(readLayout(path, layout, name), "");
    EXPECT_EQ(name, "One");
    EXPECT_EQ(layout.units, LengthUnit::Inches);
    ASSERT_EQ(layout.pieces.size(), 1U);
    ASSERT_EQ(layout.pieces[0].joints.size(), 2U);
    EXPECT_EQ(layout.pieces[0].joints[1].target, 8);
    // The end line of the pieces is consumed: its label is not read.
    EXPECT_TRUE(layout.labels.empty());
    EXPECT_EQ(layout.activeLevel, 2);
    ASSERT_EQ(layout.levels.size(), 1U);
    EXPECT_EQ(layout.levels[0].name, "Top");
    EXPECT_EQ(layout.nextId, 4);
}

} // namespace
} // namespace layrail
