#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

struct LibraryBlock {
    std::string name;
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
};

// Writes the selected pieces and scenery items; returns an error text, empty on success.
std::string writeBlock(const Layout& layout, const std::string& path, const std::string& name);
// The text writeBlock puts in the file; empty when nothing is selected.
std::string blockText(const Layout& layout, const std::string& name);
std::string readBlock(const std::string& path, LibraryBlock& block);

} // namespace layrail
