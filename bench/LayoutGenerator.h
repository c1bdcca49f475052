#pragma once

#include <string>
#include <vector>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"
#include "document/WorldConnectors.h"

namespace layrail {

// One closed C-Track oval: a top run of straights with a left turnout (branch pointing outwards),
// a half circle of R1 curves, the same run back and the second half circle. 20 pieces.
inline const std::vector<std::string>& ovalArticles()
{
    static const std::vector<std::string> articles = {
        "24188", "24611", "24188", "24188", "24130", "24130", "24130", "24130", "24130", "24130",
        "24188", "24611", "24188", "24188", "24130", "24130", "24130", "24130", "24130", "24130",
    };
    return articles;
}

// A big layout for benchmarks: a grid of ovals, each piece joined to the next on both sides and every
// oval closed, so only the turnout branches are open. The last oval is left open when pieceCount is
// not a multiple of the oval's size.
inline Layout makeOvalGrid(int pieceCount, int ovalsPerRow = 25)
{
    constexpr double kOvalPitchX = 1600.0; // an oval spans about 1113 mm plus the branches
    constexpr double kOvalPitchY = 900.0;  // and 720 mm across the curves
    const TrackCatalog& catalog = TrackCatalog::instance();
    const std::vector<std::string>& articles = ovalArticles();

    Layout layout;
    layout.ensureDefaultLevel();
    layout.pieces.reserve(static_cast<size_t>(pieceCount));
    for (int oval = 0; static_cast<int>(layout.pieces.size()) < pieceCount; ++oval) {
        const size_t first = layout.pieces.size();
        for (const std::string& article : articles) {
            if (static_cast<int>(layout.pieces.size()) == pieceCount)
                break;
            const CatalogPiece& catalogPiece = *catalog.find(article);
            PlacedPiece piece;
            piece.id = layout.takeId();
            piece.article = article;
            if (layout.pieces.size() == first) {
                piece.x = (oval % ovalsPerRow) * kOvalPitchX;
                piece.y = (oval / ovalsPerRow) * kOvalPitchY;
            } else {
                PlacedPiece& previous = layout.pieces.back();
                const Connector exit = worldConnectors(previous, *catalog.find(previous.article))[1];
                const Pose pose = poseOnConnector(catalogPiece, 0, exit);
                piece.x = pose.x;
                piece.y = pose.y;
                piece.heading = pose.heading;
                previous.setJoint(1, piece.id, 0);
                piece.setJoint(0, previous.id, 1);
            }
            layout.pieces.push_back(piece);
        }
        if (layout.pieces.size() - first == articles.size()) {
            PlacedPiece& start = layout.pieces[first];
            PlacedPiece& end = layout.pieces.back();
            end.setJoint(1, start.id, 0);
            start.setJoint(0, end.id, 1);
        }
    }
    return layout;
}

// 24188 straights joined end to end along the x axis, every one selected: the longest run the
// properties panel and the tunnel tool can be asked to follow.
inline Layout makeSelectedStraightRun(int pieceCount)
{
    Layout layout;
    layout.ensureDefaultLevel();
    for (int i = 0; i < pieceCount; ++i) {
        PlacedPiece piece;
        piece.id = layout.takeId();
        piece.article = "24188";
        piece.x = 188.3 * i;
        piece.selected = true;
        if (i > 0) {
            piece.setJoint(0, piece.id - 1, 1);
            layout.pieces.back().setJoint(1, piece.id, 0);
        }
        layout.pieces.push_back(piece);
    }
    return layout;
}

} // namespace layrail
