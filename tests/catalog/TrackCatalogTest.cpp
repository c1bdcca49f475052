#include "catalog/TrackCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace layrail;

namespace {

constexpr double kTol = 1e-4;

const CatalogPiece& piece(const std::string& article)
{
    const CatalogPiece* p = TrackCatalog::instance().find(article);
    if (!p)
        throw std::runtime_error("missing article " + article);
    return *p;
}

void expectConnector(const CatalogPiece& p, int i, double x, double y, double heading)
{
    SCOPED_TRACE(p.article + " #" + std::to_string(i));
    ASSERT_LT(i, static_cast<int>(p.connectors.size()));
    const Connector& c = p.connectors[static_cast<size_t>(i)];
    EXPECT_NEAR(c.x, x, kTol);
    EXPECT_NEAR(c.y, y, kTol);
    EXPECT_NEAR(c.heading, heading, kTol);
    EXPECT_EQ(c.index, i);
    EXPECT_TRUE(c.open);
}

} // namespace

TEST(TrackCatalogConstruction, StraightAndBumperRules)
{
    const CatalogPiece s = makeStraight(TrackSystem::MarklinK, "x", "d", 90.5);
    EXPECT_EQ(s.kind, PieceKind::Straight);
    EXPECT_DOUBLE_EQ(s.length, 90.5);
    EXPECT_EQ(s.radius, 0.0);
    EXPECT_EQ(s.angle, 0.0);
    ASSERT_EQ(s.connectors.size(), 2u);
    expectConnector(s, 0, 0, 0, 180);
    expectConnector(s, 1, 90.5, 0, 0);
    EXPECT_FALSE(s.bridge || s.pair || s.ramp);
    EXPECT_TRUE(s.connectorSystems.empty());

    const CatalogPiece b = makeBumper(TrackSystem::MarklinK, "b", "d", 40);
    EXPECT_EQ(b.kind, PieceKind::Bumper);
    EXPECT_DOUBLE_EQ(b.length, 40);
    ASSERT_EQ(b.connectors.size(), 1u);
    expectConnector(b, 0, 0, 0, 180);
}

TEST(TrackCatalogConstruction, CurveRule)
{
    const CatalogPiece& c = piece("24130");
    EXPECT_EQ(c.kind, PieceKind::Curve);
    EXPECT_NEAR(c.length, 188.4956, kTol);
    EXPECT_DOUBLE_EQ(c.radius, 360);
    EXPECT_DOUBLE_EQ(c.angle, 30);
    expectConnector(c, 0, 0, 0, 180);
    expectConnector(c, 1, 180, 48.2309, 30);

    expectConnector(piece("24107"), 1, 46.9894, 3.0798, 7.5);
}

TEST(TrackCatalogConstruction, TurnoutRuleCutShortByStraightLength)
{
    const CatalogPiece& left = piece("8562");
    EXPECT_EQ(left.kind, PieceKind::LeftTurnout);
    EXPECT_DOUBLE_EQ(left.length, 110);
    EXPECT_DOUBLE_EQ(left.radius, 490);
    EXPECT_DOUBLE_EQ(left.angle, -13);
    ASSERT_EQ(left.connectors.size(), 3u);
    expectConnector(left, 0, 0, 0, 180);
    expectConnector(left, 1, 110, 0, 0);
    expectConnector(left, 2, 110, -12.5065, 347.0271);

    const CatalogPiece& right = piece("8563");
    EXPECT_DOUBLE_EQ(right.angle, 13);
    expectConnector(right, 2, 110, 12.5065, 12.9729);
}

TEST(TrackCatalogConstruction, TurnoutRuleFullBranch)
{
    const CatalogPiece& left = piece("2262");
    EXPECT_DOUBLE_EQ(left.angle, -22.5);
    expectConnector(left, 1, 168.9, 0, 0);
    expectConnector(left, 2, 162.4874, -32.3208, 337.5);
    expectConnector(piece("2263"), 2, 162.4874, 32.3208, 22.5);
}

TEST(TrackCatalogTable, CountOrderAndSystems)
{
    const TrackCatalog& cat = TrackCatalog::instance();
    ASSERT_EQ(cat.count(), 166);
    EXPECT_EQ(&cat, &TrackCatalog::instance());

    std::set<std::string> articles;
    for (int i = 0; i < cat.count(); ++i)
        articles.insert(cat.at(i)->article);
    EXPECT_EQ(articles.size(), 166u);

    // Systems come in blocks: C-Track, TRIX, Z, K.
    const std::vector<std::pair<TrackSystem, int>> blocks = {
        {TrackSystem::MarklinC, 49}, {TrackSystem::TrixC, 32}, {TrackSystem::MarklinZ, 34}, {TrackSystem::MarklinK, 51}};
    int i = 0;
    for (const auto& [system, n] : blocks) {
        for (int k = 0; k < n; ++k, ++i)
            EXPECT_EQ(cat.at(i)->system, system) << cat.at(i)->article;
    }

    EXPECT_EQ(cat.at(0)->article, "24188");
    EXPECT_EQ(cat.at(48)->article, "74871");
    EXPECT_EQ(cat.at(49)->article, "62064");
    EXPECT_EQ(cat.at(81)->article, "8500");
    EXPECT_EQ(cat.at(115)->article, "2200");
    EXPECT_EQ(cat.at(165)->article, "7267");
}

TEST(TrackCatalogTable, LookupsOutsideTheTable)
{
    const TrackCatalog& cat = TrackCatalog::instance();
    EXPECT_EQ(cat.find(""), nullptr);
    EXPECT_EQ(cat.find("99999"), nullptr);
    EXPECT_EQ(cat.find("24188 "), nullptr);
    EXPECT_EQ(cat.at(-1), nullptr);
    EXPECT_EQ(cat.at(cat.count()), nullptr);
    ASSERT_NE(cat.find("24188"), nullptr);
    EXPECT_EQ(cat.find("24188"), cat.at(0));
}

TEST(TrackCatalogTable, EveryConnectorIsNumberedAndNormalised)
{
    const TrackCatalog& cat = TrackCatalog::instance();
    int most = 0;
    for (const CatalogPiece& p : cat.pieces()) {
        ASSERT_FALSE(p.connectors.empty()) << p.article;
        most = std::max(most, static_cast<int>(p.connectors.size()));
        for (size_t i = 0; i < p.connectors.size(); ++i) {
            const Connector& c = p.connectors[i];
            EXPECT_EQ(c.index, static_cast<int>(i)) << p.article;
            EXPECT_GE(c.heading, 0.0) << p.article;
            EXPECT_LT(c.heading, 360.0) << p.article;
            EXPECT_TRUE(c.open) << p.article;
        }
        if (p.kind != PieceKind::Turntable)
            expectConnector(p, 0, 0, 0, 180);
    }
    EXPECT_EQ(most, 30);
    EXPECT_EQ(cat.maxConnectorCount(), 30);
}

TEST(TrackCatalogTable, DescriptionsKeepDegreeSignAndInchMark)
{
    EXPECT_EQ(piece("24130").description, "24130 (30\xC2\xB0) R1 - 360mm (14-3/16)");
    EXPECT_EQ(piece("8560").description, "8560 Double Slip Switch 13\xC2\xB0");
    EXPECT_EQ(piece("2223").description, "2223 Curved Track Radius 15\xC2\xB0 (R2=424.6 mm / 16-3/4\")");
    EXPECT_EQ(piece("62064").description, "62064 Straight 64.3mm / 2-9/16\"");
    EXPECT_EQ(piece("24188").description, "24188 - 188.3mm");
}

TEST(TrackCatalogTable, ExplicitConnectorTables)
{
    const CatalogPiece& t = piece("24611");
    EXPECT_EQ(t.kind, PieceKind::LeftTurnout);
    EXPECT_DOUBLE_EQ(t.angle, -24.3);
    expectConnector(t, 2, 180.04, -38.76, 335.7);

    const CatalogPiece& three = piece("24630");
    ASSERT_EQ(three.connectors.size(), 4u);
    expectConnector(three, 2, 180.04, 38.76, 24.3);
    expectConnector(three, 3, 180.04, -38.76, 335.7);

    const CatalogPiece& curved = piece("24771");
    EXPECT_EQ(curved.kind, PieceKind::CurvedTurnout);
    EXPECT_DOUBLE_EQ(curved.length, 321.5);
    expectConnector(curved, 1, 257.5, -69, 330);
    expectConnector(curved, 2, 321.5, -69, 330);

    expectConnector(piece("2257"), 3, 216.44, 43.05, 22.5);
    expectConnector(piece("2275"), 2, 3.49, -27.79, 194.3);
    expectConnector(piece("8560"), 2, 0, -12.8519, 193);
    expectConnector(piece("2268"), 2, 244.6, -48.23, 330);

    for (const char* bumper : {"24977", "24978", "62977", "8991", "7389", "7391"}) {
        EXPECT_EQ(piece(bumper).kind, PieceKind::Bumper) << bumper;
        EXPECT_EQ(piece(bumper).connectors.size(), 1u) << bumper;
    }
    EXPECT_DOUBLE_EQ(piece("62977").length, 80.5);
}

TEST(TrackCatalogTable, ComputedCurvedTurnoutAndCrossing)
{
    const CatalogPiece& left = piece("8568");
    EXPECT_EQ(left.kind, PieceKind::ParallelCurvedTurnout);
    EXPECT_DOUBLE_EQ(left.length, 25);
    EXPECT_DOUBLE_EQ(left.angle, -30);
    expectConnector(left, 1, 97.5, -26.12505, 330);
    expectConnector(left, 2, 122.5, -26.12505, 330);
    expectConnector(piece("8569"), 2, 122.5, 26.12505, 30);

    const CatalogPiece& x = piece("8559");
    EXPECT_EQ(x.kind, PieceKind::Crossing);
    expectConnector(x, 1, 112.8, 0, 0);
    expectConnector(x, 2, 1.4455, -12.6872, 193);
    expectConnector(x, 3, 111.3545, 12.6872, 13);
}

TEST(TrackCatalogTable, TurntableRing)
{
    const CatalogPiece& t = piece("74861");
    EXPECT_EQ(t.kind, PieceKind::Turntable);
    EXPECT_DOUBLE_EQ(t.length, 378);
    EXPECT_DOUBLE_EQ(t.radius, 139);
    EXPECT_DOUBLE_EQ(t.angle, 12);
    ASSERT_EQ(t.connectors.size(), 30u);
    expectConnector(t, 0, 139, 0, 0);
    expectConnector(t, 15, -139, 0, 180);
    for (int i = 0; i < 30; ++i) {
        const double a = 12.0 * i * 3.141592653589793 / 180.0;
        expectConnector(t, i, 139 * std::cos(a), 139 * std::sin(a), 12.0 * i);
    }
}

TEST(TrackCatalogTable, TrixDoubleSlipCopiesCTrack)
{
    const CatalogPiece& c = piece("24624");
    const CatalogPiece& t = piece("62624");
    EXPECT_EQ(t.description, "62624 Double Slip Switch 24.3deg");
    EXPECT_EQ(t.system, TrackSystem::TrixC);
    EXPECT_EQ(c.system, TrackSystem::MarklinC);
    EXPECT_EQ(t.kind, c.kind);
    EXPECT_EQ(t.length, c.length);
    EXPECT_EQ(t.radius, c.radius);
    EXPECT_EQ(t.angle, c.angle);
    ASSERT_EQ(t.connectors.size(), c.connectors.size());
    for (size_t i = 0; i < c.connectors.size(); ++i) {
        EXPECT_EQ(t.connectors[i].x, c.connectors[i].x);
        EXPECT_EQ(t.connectors[i].y, c.connectors[i].y);
        EXPECT_EQ(t.connectors[i].heading, c.connectors[i].heading);
    }
    // It sits between the TRIX three-way turnout and the track end.
    const TrackCatalog& cat = TrackCatalog::instance();
    int pos = -1;
    for (int i = 0; i < cat.count(); ++i)
        if (cat.at(i)->article == "62624")
            pos = i;
    ASSERT_GT(pos, 0);
    EXPECT_EQ(cat.at(pos - 1)->article, "62630");
    EXPECT_EQ(cat.at(pos + 1)->article, "62977");
}

TEST(TrackCatalogTable, ConnectorSystemsOnlyOnTheAdapter)
{
    const CatalogPiece& adapter = piece("24922");
    EXPECT_EQ(adapter.connectorSystem(0), TrackSystem::MarklinC);
    EXPECT_EQ(adapter.connectorSystem(1), TrackSystem::MarklinK);
    for (const CatalogPiece& p : TrackCatalog::instance().pieces()) {
        if (p.article == "24922")
            continue;
        EXPECT_TRUE(p.connectorSystems.empty()) << p.article;
        for (int i = 0; i < static_cast<int>(p.connectors.size()); ++i)
            EXPECT_EQ(p.connectorSystem(i), p.system) << p.article;
    }
}

TEST(TrackCatalogTable, FlagsAndOddities)
{
    const CatalogPiece& pairRamp = piece("74618");
    EXPECT_TRUE(pairRamp.bridge && pairRamp.pair && pairRamp.ramp);
    const CatalogPiece& arch = piece("74636");
    EXPECT_TRUE(arch.bridge);
    EXPECT_FALSE(arch.pair || arch.ramp);
    const CatalogPiece& zRamp = piece("8976");
    EXPECT_TRUE(zRamp.bridge && zRamp.ramp);
    EXPECT_FALSE(zRamp.pair);
    EXPECT_EQ(zRamp.kind, PieceKind::Straight);
    EXPECT_TRUE(piece("7267").ramp);
    EXPECT_EQ(piece("7267").kind, PieceKind::Curve);

    int bridges = 0, ramps = 0, pairs = 0;
    for (const CatalogPiece& p : TrackCatalog::instance().pieces()) {
        bridges += p.bridge;
        ramps += p.ramp;
        pairs += p.pair;
        if (p.ramp || p.pair) {
            EXPECT_TRUE(p.bridge) << p.article;
        }
    }
    EXPECT_EQ(bridges, 17);
    EXPECT_EQ(ramps, 9);
    EXPECT_EQ(pairs, 1);

    EXPECT_DOUBLE_EQ(piece("74620").length, 188.3);
    EXPECT_DOUBLE_EQ(piece("62620").length, 188.3);
    EXPECT_DOUBLE_EQ(piece("2224").angle, 7.5);
    EXPECT_DOUBLE_EQ(piece("2234").angle, 7.5);
    EXPECT_EQ(piece("2270").kind, PieceKind::LeftTurnout);
    EXPECT_EQ(piece("2270").connectors.size(), 4u);
}

TEST(TrackCatalogNames, SystemNames)
{
    EXPECT_STREQ(systemName(TrackSystem::MarklinC), "Marklin C-Track");
    EXPECT_STREQ(systemName(TrackSystem::MarklinK), "Marklin K-Track");
    EXPECT_STREQ(systemName(TrackSystem::TrixC), "TRIX C-Track");
    EXPECT_STREQ(systemName(TrackSystem::MarklinZ), "Marklin Z-Track");
    EXPECT_STREQ(systemName(TrackSystem::KatoN), "Kato N");
    EXPECT_STREQ(systemName(static_cast<TrackSystem>(42)), "Unknown");
}
