#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "catalog/Geometry.h"
#include "catalog/TrackCatalog.h"
#include "panels/PiecePreview.h"

namespace layrail {
namespace {

const CatalogPiece& piece(const char* article)
{
    const CatalogPiece* found = TrackCatalog::instance().find(article);
    EXPECT_NE(found, nullptr) << article;
    return *found;
}

TEST(PiecePreview, StraightIsLimitedByItsLength)
{
    const CanvasView view = previewView(piece("24188"));
    EXPECT_NEAR(view.zoom, 68.0 / 188.3 * 0.8, 1e-12);
    // The piece's length is centred across the 80-pixel popup.
    EXPECT_NEAR(view.panX, 40.0 - 188.3 * view.zoom * 0.5, 1e-12);
    EXPECT_NEAR(view.panX, 12.8, 1e-9);
    EXPECT_DOUBLE_EQ(view.panY, 30.5);
}

TEST(PiecePreview, CurveIsLimitedByItsSidewaysSpread)
{
    const double spread = (1.0 - std::cos(30.0 * kPi / 180.0)) * 360.0 * 2.5;
    EXPECT_NEAR(previewScale(piece("24130")), 33.0 / spread * 0.8, 1e-12);
}

TEST(PiecePreview, ThreeConnectorPiecesGetRoomForTheBranch)
{
    // 8562 spreads about 31 mm, which would allow 33 / 40; three connectors widen it to 60.
    EXPECT_NEAR(previewScale(piece("8562")), 33.0 / 60.0 * 0.8, 1e-12);
    // 8568 spreads about 65 mm by itself, more than the widening gives.
    const double spread = (1.0 - std::cos(30.0 * kPi / 180.0)) * 195.0 * 2.5;
    EXPECT_NEAR(previewScale(piece("8568")), 33.0 / spread * 0.8, 1e-12);
}

TEST(PiecePreview, ScaleIsClampedAndLengthNeverBelowOne)
{
    CatalogPiece huge;
    huge.radius = 5000.0;
    huge.angle = 90.0;
    huge.length = 7854.0;
    EXPECT_DOUBLE_EQ(previewScale(huge), 0.05);

    CatalogPiece empty;
    EXPECT_NEAR(previewScale(empty), 33.0 / 40.0 * 0.8, 1e-12);
    EXPECT_NEAR(previewView(empty).panX, 40.0 - 0.5 * previewScale(empty), 1e-12);
}

TEST(PiecePreview, TemporaryPieceHasOneOpenJointPerConnector)
{
    const CatalogPiece& turnout = piece("24611");
    const PlacedPiece placed = previewPiece(turnout);
    EXPECT_EQ(placed.article, "24611");
    EXPECT_DOUBLE_EQ(placed.x, 0.0);
    EXPECT_DOUBLE_EQ(placed.heading, 0.0);
    ASSERT_EQ(placed.joints.size(), turnout.connectors.size());
    for (const Joint& joint : placed.joints)
        EXPECT_EQ(joint.target, -1);
}

} // namespace
} // namespace layrail
