#pragma once

// Layouts with one known fault each, shared by the gap report's tests of the rules, the window and
// the command-line tool.

#include <cmath>
#include <string>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/Joints.h"
#include "document/Layout.h"
#include "document/WorldConnectors.h"

namespace layrail::gapscenario {

inline int layPiece(Layout& layout, const std::string& article, const Pose& pose, double z = 0.0)
{
    PlacedPiece piece;
    piece.id = layout.takeId();
    piece.article = article;
    piece.x = pose.x;
    piece.y = pose.y;
    piece.heading = pose.heading;
    piece.z = z;
    growJoints(piece, *TrackCatalog::instance().find(article));
    layout.pieces.push_back(piece);
    return piece.id;
}

// Lays the article on the open connector 1 of the piece, moved `play` mm further along, and joins them.
inline int layOn(Layout& layout, int previous, const std::string& article, double play = 0.0)
{
    const PlacedPiece& before = *layout.findPiece(previous);
    Connector end = worldConnectors(before, *TrackCatalog::instance().find(before.article))[1];
    end.x += play * std::cos(degToRad(end.heading));
    end.y += play * std::sin(degToRad(end.heading));
    const int id = layPiece(layout, article, poseOnConnector(*TrackCatalog::instance().find(article), 0, end));
    joinBoth(layout, previous, 1, id, 0);
    return id;
}

// A circle of twelve R1 curves laid by hand: the joiner between the sixth and seventh piece has
// `miss` mm of play (a joint holds across a few millimetres), so the last piece's end stops that
// far short of the first piece's start, in line with it. The pieces are numbered 1 to 12.
inline Layout almostClosedLoop(double miss = 2.3)
{
    Layout layout;
    layout.ensureDefaultLevel();
    int previous = layPiece(layout, "24130", Pose{0.0, 0.0, 0.0});
    for (int i = 2; i <= 12; ++i)
        previous = layOn(layout, previous, "24130", i == 7 ? miss : 0.0);
    return layout;
}

// Two C-Track straights on the x axis whose facing ends are `gap` mm apart (pieces 1 and 2).
inline Layout straightGap(double gap = 188.3)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layPiece(layout, "24188", Pose{0.0, 0.0, 0.0});
    layPiece(layout, "24188", Pose{188.3 + gap, 0.0, 0.0});
    return layout;
}

// A straight of the article on the x axis at height 0 (piece 1), and another one across its
// middle at the given height (piece 2).
inline Layout crossingOver(double height = 50.0, const std::string& article = "24188")
{
    Layout layout;
    layout.ensureDefaultLevel();
    const double length = TrackCatalog::instance().find(article)->length;
    layPiece(layout, article, Pose{0.0, 0.0, 0.0});
    layPiece(layout, article, Pose{length / 2.0, -length / 2.0, 90.0}, height);
    return layout;
}

} // namespace layrail::gapscenario
