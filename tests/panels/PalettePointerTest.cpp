#include <gtest/gtest.h>

#include "catalog/TrackCatalog.h"
#include "panels/PalettePointer.h"

namespace layrail {
namespace {

const std::vector<std::string> kKeys = {"", "24188", "24172", "", "@helix:proses_2_5_r1r2"};

TEST(PalettePointer, DoubleClickSuppressesDragsUntilTheNextPress)
{
    PalettePointer pointer;
    EXPECT_TRUE(pointer.mayStartDrag(true, true));
    EXPECT_FALSE(pointer.mayStartDrag(false, true));
    EXPECT_FALSE(pointer.mayStartDrag(true, false));

    pointer.doubleClicked();
    EXPECT_FALSE(pointer.mayStartDrag(true, true));
    pointer.leftDown();
    EXPECT_TRUE(pointer.mayStartDrag(true, true));

    pointer.doubleClicked();
    pointer.sceneryLeftDown();
    EXPECT_TRUE(pointer.mayStartDrag(true, true));
}

TEST(PalettePointer, HoverShowsEachPieceRowOnce)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    PalettePointer pointer;

    HoverResult result = pointer.hover(1, kKeys, catalog);
    EXPECT_EQ(result.action, HoverAction::Show);
    ASSERT_NE(result.piece, nullptr);
    EXPECT_EQ(result.piece->article, "24188");
    EXPECT_EQ(pointer.hoverIndex(), 1);

    EXPECT_EQ(pointer.hover(1, kKeys, catalog).action, HoverAction::Unchanged);

    result = pointer.hover(2, kKeys, catalog);
    EXPECT_EQ(result.action, HoverAction::Show);
    EXPECT_EQ(result.piece->article, "24172");
}

TEST(PalettePointer, HeadersHelixRowsAndEmptySpaceHideThePopup)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    PalettePointer pointer;
    pointer.hover(1, kKeys, catalog);

    EXPECT_EQ(pointer.hover(0, kKeys, catalog).action, HoverAction::Hide);
    EXPECT_EQ(pointer.hoverIndex(), -1);

    // A helix row is remembered, so hovering it again does nothing.
    EXPECT_EQ(pointer.hover(4, kKeys, catalog).action, HoverAction::Hide);
    EXPECT_EQ(pointer.hoverIndex(), 4);
    EXPECT_EQ(pointer.hover(4, kKeys, catalog).action, HoverAction::Unchanged);

    EXPECT_EQ(pointer.hover(-1, kKeys, catalog).action, HoverAction::Hide);
    EXPECT_EQ(pointer.hover(7, kKeys, catalog).action, HoverAction::Hide);
    EXPECT_EQ(pointer.hoverIndex(), -1);

    // After the pointer leaves, the same row shows again.
    pointer.hover(2, kKeys, catalog);
    pointer.forgetHover();
    EXPECT_EQ(pointer.hover(2, kKeys, catalog).action, HoverAction::Show);
    pointer.leftDown();
    EXPECT_EQ(pointer.hoverIndex(), -1);
}

TEST(TrackRowRequest, KeysChooseTheOperation)
{
    EXPECT_EQ(trackRowRequest("").action, TrackRowAction::None);
    const TrackRowRequest piece = trackRowRequest("24188");
    EXPECT_EQ(piece.action, TrackRowAction::PlacePiece);
    EXPECT_EQ(piece.id, "24188");
    const TrackRowRequest helix = trackRowRequest("@helix:proses_3_5_r2r3");
    EXPECT_EQ(helix.action, TrackRowAction::PlaceHelix);
    EXPECT_EQ(helix.id, "proses_3_5_r2r3");
}

} // namespace
} // namespace layrail
