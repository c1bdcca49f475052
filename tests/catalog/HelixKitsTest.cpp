#include "catalog/HelixKits.h"
#include "catalog/TrackCatalog.h"

#include <gtest/gtest.h>

#include <set>

using namespace layrail;

TEST(HelixKits, TableInOrder)
{
    const std::vector<HelixKit>& kits = helixKits();
    ASSERT_EQ(kits.size(), 10u);
    EXPECT_EQ(kits.front().kitId, "proses_2_5_r1r2");
    EXPECT_EQ(kits.front().name, "Proses 2.5 R1&R2 26cm/10.2\"");
    EXPECT_EQ(kits.back().kitId, "proses_4_5_r4r5");
    EXPECT_EQ(kits[6].kitId, "proses_4_5_r3r4");

    std::set<std::string> ids;
    for (const HelixKit& k : kits) {
        ids.insert(k.kitId);
        EXPECT_LT(k.innerRadius, k.outerRadius) << k.kitId;
        // 2.5 turns rise 260 mm, every further turn another 80 mm.
        EXPECT_DOUBLE_EQ(k.rise, 260 + (k.turns - 2.5) * 80) << k.kitId;
    }
    EXPECT_EQ(ids.size(), kits.size());

    const HelixKit& r3r4 = kits[5];
    EXPECT_DOUBLE_EQ(r3r4.turns, 2.5);
    EXPECT_DOUBLE_EQ(r3r4.innerRadius, 515);
    EXPECT_DOUBLE_EQ(r3r4.outerRadius, 579.3);
    EXPECT_EQ(r3r4.innerCurveArticle, "24330");
    EXPECT_EQ(r3r4.outerCurveArticle, "24430");
}

TEST(HelixKits, ArticlesAreCTrackCurvesOfTheKitRadii)
{
    const TrackCatalog& cat = TrackCatalog::instance();
    for (const HelixKit& k : helixKits()) {
        SCOPED_TRACE(k.kitId);
        const CatalogPiece* stub = cat.find(k.stubArticle);
        const CatalogPiece* inner = cat.find(k.innerCurveArticle);
        const CatalogPiece* outer = cat.find(k.outerCurveArticle);
        ASSERT_TRUE(stub && inner && outer);
        EXPECT_EQ(stub->kind, PieceKind::Straight);
        EXPECT_EQ(inner->system, TrackSystem::MarklinC);
        EXPECT_EQ(outer->system, TrackSystem::MarklinC);
        EXPECT_DOUBLE_EQ(inner->radius, k.innerRadius);
        EXPECT_DOUBLE_EQ(outer->radius, k.outerRadius);
    }
}

TEST(HelixKits, FindIsExact)
{
    const HelixKit* first = findHelixKit("proses_2_5_r1r2");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, &helixKits().front());
    EXPECT_EQ(findHelixKit("PROSES_2_5_R1R2"), nullptr);
    EXPECT_EQ(findHelixKit(""), nullptr);
    EXPECT_EQ(findHelixKit("proses_4_5_r2r3"), nullptr);
    EXPECT_EQ(findHelixKit("proses_3_5_r3r4"), nullptr);
    ASSERT_NE(findHelixKit("proses_3_5_r4r5"), nullptr);
    EXPECT_EQ(findHelixKit("proses_3_5_r4r5")->name, "Proses 3.5 R4&R5 34cm/13.4\"");

    EXPECT_EQ(defaultHelixKitId(), "proses_2_5_r1r2");
    EXPECT_NE(findHelixKit(defaultHelixKitId()), nullptr);
}
