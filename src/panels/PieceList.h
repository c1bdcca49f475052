#pragma once

#include <string>
#include <vector>

#include "panels/PieceTally.h"

namespace layrail {

// One line of the piece list a layout needs, for a spreadsheet or a dealer: the tally's articles
// in its order, then the accessories it recommends.
struct PieceListLine {
    std::string article;
    std::string description;
    int quantity = 0;
    bool recommended = false; // a turnout motor or decoder the tally recommends
};

std::vector<PieceListLine> pieceListLines(const TallyMap& counts);

// "Article,Description,Quantity,Note" and a line per piece; fields holding a comma, a quote or a
// line break are quoted. Recommended accessories are noted "recommended".
std::string pieceListCsv(const std::vector<PieceListLine>& lines);

// A line per piece: article, quantity and description separated by TABs; recommended accessories
// end in " (recommended)".
std::string pieceListText(const std::vector<PieceListLine>& lines);

} // namespace layrail
