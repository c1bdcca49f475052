#include "FileRoundTrip.h"

#include <cstdio>

#include "document/LayoutFile.h"
#include "document/LibraryBlock.h"

namespace layrail::test {

namespace {

bool putFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// A block as the program saves one: every piece and item read is selected.
Layout selectedContent(const LibraryBlock& block)
{
    Layout layout;
    layout.pieces = block.pieces;
    layout.scenery = block.scenery;
    for (PlacedPiece& p : layout.pieces)
        p.selected = true;
    for (SceneryItem& s : layout.scenery)
        s.selected = true;
    return layout;
}

} // namespace

std::string layoutRoundTripFailure(const std::string& bytes, const std::string& scratchFolder)
{
    const std::string path = scratchFolder + "/round_trip.lyr";
    if (!putFile(path, bytes))
        return "cannot write " + path;
    Layout first;
    std::string name;
    if (!readLayout(path, first, name).empty())
        return {};
    const std::string written = layoutText(first, name);
    if (!putFile(path, written))
        return "cannot write " + path;
    Layout second;
    std::string secondName;
    if (const std::string error = readLayout(path, second, secondName); !error.empty())
        return "the written layout does not read again: " + error + "\n" + written;
    const std::string rewritten = layoutText(second, secondName);
    if (rewritten != written)
        return "the written layout reads as another:\n" + written + "---\n" + rewritten;
    return {};
}

std::string blockRoundTripFailure(const std::string& bytes, const std::string& scratchFolder)
{
    const std::string path = scratchFolder + "/round_trip.xml";
    if (!putFile(path, bytes))
        return "cannot write " + path;
    LibraryBlock first;
    if (!readBlock(path, first).empty())
        return {};
    const std::string written = blockText(selectedContent(first), first.name);
    if (written.empty())
        return {};
    if (!putFile(path, written))
        return "cannot write " + path;
    LibraryBlock second;
    if (const std::string error = readBlock(path, second); !error.empty())
        return "the written block does not read again: " + error + "\n" + written;
    const std::string rewritten = blockText(selectedContent(second), second.name);
    if (rewritten != written)
        return "the written block reads as another:\n" + written + "---\n" + rewritten;
    return {};
}

} // namespace layrail::test
