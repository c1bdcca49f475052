#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "panels/PropertiesView.h"

namespace layrail {
namespace {

using namespace paneltest;

const char* kindName(DetailsKind kind)
{
    switch (kind) {
    case DetailsKind::Nothing:
        return "Nothing";
    case DetailsKind::Piece:
        return "Piece";
    case DetailsKind::Run:
        return "Run";
    case DetailsKind::Helix:
        return "Helix";
    case DetailsKind::Scenery:
        return "Scenery";
    case DetailsKind::Shape:
        return "Shape";
    }
    return "?";
}

// The whole view as text, one line per part of the panel; the chosen level is marked with '>'.
std::string describe(const PropertiesView& v)
{
    std::ostringstream out;
    out << kindName(v.kind);
    for (auto [name, id] :
         {std::pair{" piece ", v.pieceId}, {" scenery ", v.sceneryId}, {" helix ", v.helixId}, {" shape ", v.shapeId}})
        if (id != -1)
            out << name << id;
    out << "\ntitle: " << v.title << "\ndetail: " << v.detail << "\nheight: " << v.heightLabel << " [" << v.heightText
        << "]" << (v.heightEnabled ? " enabled" : " disabled") << "\ngrade: " << v.gradeText
        << (v.gradeTooSteep ? " (red)" : "") << (v.warning.empty() ? "" : " " + v.warning) << "\nlevels:";
    for (size_t i = 0; i < v.levels.size(); ++i)
        out << (i ? " | " : " ") << (static_cast<int>(i) == v.levelSelection ? ">" : "") << v.levels[i].text << "="
            << v.levels[i].levelId;
    out << (v.levelEnabled ? " (enabled)" : " (disabled)") << "\nbuttons: " << (v.gradeUp ? "UP " : "DOWN ")
        << v.gradeAngle << (v.startGradeEnabled ? " start" : "") << (v.endGradeEnabled ? " end" : "")
        << (v.recalcEnabled ? " recalc" : "") << (v.colourEnabled ? " colour" : "") << (v.labelEnabled ? " label" : "");
    return out.str();
}

// A level 1 and an "Upper deck" 2, as the random layouts have.
Layout twoLevels()
{
    Layout layout = withLevel();
    Level upper = level(2, 120.0);
    upper.name = "Upper deck";
    layout.levels.push_back(upper);
    return layout;
}

int laySelected(Layout& layout, const std::string& article, double heading = 0.0, int levelId = 1)
{
    const int id = lay(layout, article, 0, 0, heading, levelId);
    piece(layout, id).selected = true;
    return id;
}

// Three straights joined end to end, selected.
std::vector<int> selectedRun(Layout& layout, const std::vector<std::string>& articles,
                             const std::vector<double>& headings, const std::vector<int>& levels)
{
    std::vector<int> ids;
    for (size_t i = 0; i < articles.size(); ++i) {
        ids.push_back(laySelected(layout, articles[i], headings[i], levels[i]));
        if (i > 0)
            joinBoth(layout, ids[i - 1], 1, ids[i], 0);
    }
    return ids;
}

struct ViewCase {
    const char* name;
    std::function<void(Layout&)> setUp;
    const char* expected;
};

TEST(PropertiesView, EveryKindOfSelection)
{
    const std::vector<ViewCase> cases = {
        {"nothing", [](Layout&) {},
         "Nothing\ntitle: No selection\ndetail: \nheight: Height (mm): [0] disabled\ngrade: -\n"
         "levels: (disabled)\nbuttons: UP 0 label"},
        {"a label only",
         [](Layout& l) {
             l.labels.push_back({l.takeId(), "Yard", 0, 0, true});
         },
         "Nothing\ntitle: No selection\ndetail: \nheight: Height (mm): [0] disabled\ngrade: -\n"
         "levels: (disabled)\nbuttons: UP 0 label"},
        {"one piece on the upper deck",
         [](Layout& l) {
             const int id = laySelected(l, "24188", 0, 2);
             piece(l, id).z = 12.7;
         },
         "Piece piece 1\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [12.7] enabled\n"
         "grade: -\nlevels: Level 1=1 | >Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"one piece in centimetres",
         [](Layout& l) {
             l.units = LengthUnit::Centimetres;
             piece(l, laySelected(l, "2200")).z = 12.7;
         },
         "Piece piece 1\ntitle: 2200 Straight Track Length 180 mm / 7-3/32\"\ndetail: Märklin K  |  180.0 mm\n"
         "height: Height (cm): [1.3] enabled\ngrade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\n"
         "buttons: UP 0 start recalc colour label"},
        {"one piece in inches, climbing",
         [](Layout& l) {
             l.units = LengthUnit::Inches;
             const int id = laySelected(l, "62188");
             piece(l, id).z = 12.7;
             piece(l, id).grade = 2.5;
         },
         "Piece piece 1\ntitle: 62188 Straight 188.3mm / 7-3/8\"\ndetail: TRIX C  |  188.3 mm\n"
         "height: Height (in): [0.500] enabled\ngrade: +2.50 deg (4.4%)\nlevels: >Level 1=1 | Upper deck=2 (enabled)\n"
         "buttons: UP 2.5 start recalc colour label"},
        {"falling piece while a grade is active",
         [](Layout& l) {
             piece(l, laySelected(l, "8500")).grade = -3.0;
             l.gradeRuns.push_back({-3.0, 1, 1});
             l.updateCurrentGradeRun();
         },
         "Piece piece 1\ntitle: 8500 Straight 110mm / 4-3/8\"\ndetail: Märklin Z  |  110.0 mm\n"
         "height: Height (mm): [0.0] enabled\ngrade: -3.00 deg (5.2%)\nlevels: >Level 1=1 | Upper deck=2 (enabled)\n"
         "buttons: DOWN 3 start end recalc colour label"},
        {"exactly the steepest grade", [](Layout& l) { piece(l, laySelected(l, "24188")).grade = 6.0; },
         "Piece piece 1\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: +6.00 deg (10.5%)\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 6 start recalc colour "
         "label"},
        {"just steeper", [](Layout& l) { piece(l, laySelected(l, "24188")).grade = 6.01; },
         "Piece piece 1\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: +6.01 deg (10.5%) (red) WARNING: Grade 6.0 deg exceeds 6 deg max!\n"
         "levels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 6 start recalc colour label"},
        {"far too steep downhill, spin control at its end",
         [](Layout& l) { piece(l, laySelected(l, "24188")).grade = -8.0; },
         "Piece piece 1\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -8.00 deg (14.1%) (red) WARNING: Grade 8.0 deg exceeds 6 deg max!\n"
         "levels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: DOWN 6 start recalc colour label"},
        {"a hair of grade is flat", [](Layout& l) { piece(l, laySelected(l, "24188")).grade = 0.0009; },
         "Piece piece 1\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"unknown article on a missing level, layout without levels",
         [](Layout& l) {
             l.levels.clear();
             laySelected(l, "9999", 0, 7);
         },
         "Piece piece 1\ntitle: 9999\ndetail: Not in the catalog\nheight: Height (mm): [0.0] enabled\ngrade: -\n"
         "levels: >Level 1=1 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"straight and curve joined: the newer piece",
         [](Layout& l) {
             selectedRun(l, {"24188", "24130"}, {0, 0}, {1, 1});
         },
         "Piece piece 2\ntitle: 24130 (30°) R1 - 360mm (14-3/16)\ndetail: Märklin C  |  188.5 mm\n"
         "height: Height (mm): [0.0] enabled\ngrade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\n"
         "buttons: UP 0 start recalc colour label"},
        {"pieces on two levels",
         [](Layout& l) {
             selectedRun(l, {"24130", "24188"}, {0, 0}, {2, 1});
         },
         "Piece piece 2\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >(mixed)=-1 | Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"three joined straights",
         [](Layout& l) {
             selectedRun(l, {"24188", "24188", "24188"}, {0, 0, 0}, {2, 2, 2});
         },
         "Run\ntitle: 24188 + 24188 + 24188\ndetail: 3 pieces  |  564.9 mm\nheight:  [-] disabled\ngrade: -\n"
         "levels: Level 1=1 | >Upper deck=2 (enabled)\nbuttons: UP 0 colour label"},
        {"run in centimetres on two levels",
         [](Layout& l) {
             l.units = LengthUnit::Centimetres;
             selectedRun(l, {"24188", "24188", "24188"}, {0, 180, 0.5}, {1, 2, 1});
         },
         "Run\ntitle: 24188 + 24188 + 24188\ndetail: 3 pieces  |  56.5 cm\nheight:  [-] disabled\ngrade: -\n"
         "levels: >(mixed)=-1 | Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 colour label"},
        {"run in inches, in chain order",
         [](Layout& l) {
             l.units = LengthUnit::Inches;
             // Laid 24188, 24172, 24360 but joined 24360 - 24188 - 24172.
             const int a = laySelected(l, "24188");
             const int b = laySelected(l, "24172");
             const int c = laySelected(l, "24360", 179.5);
             joinBoth(l, c, 1, a, 0);
             joinBoth(l, a, 1, b, 0);
         },
         "Run\ntitle: 24172 + 24188 + 24360\ndetail: 3 pieces  |  28.35 in\nheight:  [-] disabled\ngrade: -\n"
         "levels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 colour label"},
        {"straights a degree and a half apart are not a run",
         [](Layout& l) {
             selectedRun(l, {"24188", "24188"}, {0, 1.5}, {1, 1});
         },
         "Piece piece 2\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"unjoined straights are not a run",
         [](Layout& l) {
             laySelected(l, "24188");
             laySelected(l, "24188");
         },
         "Piece piece 2\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"a whole helix in centimetres",
         [](Layout& l) {
             l.units = LengthUnit::Centimetres;
             const Helix h = addHelix(l);
             selectPieces(l, helixStubs(h));
             piece(l, h.bottomR1).z = 55;
             piece(l, h.bottomR1).level = 2;
         },
         "Helix helix 1\ntitle: Proses 2.5 R1&R2 26cm/10.2\"\ndetail: 2.5 turns  |  rise 26.0 cm  |  R1 360.0 / R2 "
         "437.5 mm\nheight: Base height (cm): [5.5] disabled\ngrade: -\nlevels: Level 1=1 | >Upper deck=2 (enabled)\n"
         "buttons: UP 0 colour label"},
        {"a helix of an unknown kit with its base stub gone",
         [](Layout& l) {
             Helix h = addHelix(l);
             l.helices.back().variant = "proses_9_r9";
             selectPieces(l, {h.topR1});
             l.pieces.erase(l.pieces.begin());
         },
         "Helix helix 1\ntitle: Proses 2.5 R1&R2 26cm/10.2\"\ndetail: 2.5 turns  |  rise 260.0 mm  |  R1 360.0 / R2 "
         "437.5 mm\nheight: Base height (mm): [0.0] disabled\ngrade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\n"
         "buttons: UP 0 colour label"},
        {"helix stubs with a scenery item",
         [](Layout& l) {
             const Helix h = addHelix(l);
             selectPieces(l, helixStubs(h));
             addScenery(l, "platform", 0, 0, true);
         },
         "Piece piece 5\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"a stub whose helix record is gone",
         [](Layout& l) {
             const Helix h = addHelix(l);
             selectPieces(l, {h.topR2});
             l.helices.clear();
         },
         "Piece piece 5\ntitle: 24188 - 188.3mm\ndetail: Märklin C  |  188.3 mm\nheight: Height (mm): [0.0] enabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 start recalc colour label"},
        {"a platform, stretched",
         [](Layout& l) {
             addScenery(l, "platform", 0, 0, true);
             l.scenery.back().scaleX = 2.0;
             l.scenery.back().level = 2;
         },
         "Scenery scenery 1\ntitle: Platform\ndetail: Scenery  |  460 x 60 mm\nheight: Height: [-] disabled\n"
         "grade: -\nlevels: Level 1=1 | >Upper deck=2 (enabled)\nbuttons: UP 0 label"},
        {"scenery unknown to the catalog, with a shape",
         [](Layout& l) {
             addScenery(l, "mystery", 0, 0, true);
             LayoutShape s;
             s.id = l.takeId();
             s.selected = true;
             l.shapes.push_back(s);
         },
         "Scenery scenery 1\ntitle: mystery\ndetail: Scenery\nheight: Height: [-] disabled\n"
         "grade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 label"},
        {"two scenery items",
         [](Layout& l) {
             addScenery(l, "platform", 0, 0, true);
             addScenery(l, "bush", 0, 0, true);
         },
         "Nothing\ntitle: No selection\ndetail: \nheight: Height (mm): [0] disabled\ngrade: -\n"
         "levels: (disabled)\nbuttons: UP 0 label"},
        {"a named shape",
         [](Layout& l) {
             LayoutShape s;
             s.id = l.takeId();
             s.label = "Lake";
             s.points = {{-20, 5}, {180, 5}, {180, 105.4}};
             s.height = 30;
             s.level = 2;
             s.selected = true;
             l.shapes.push_back(s);
         },
         "Shape shape 1\ntitle: Lake\ndetail: Polygon  |  3 verts  |  200 x 100 mm  |  height 30 mm\n"
         "height: Height: [-] disabled\ngrade: -\nlevels: Level 1=1 | >Upper deck=2 (enabled)\nbuttons: UP 0 label"},
        {"an unnamed shape without vertices",
         [](Layout& l) {
             LayoutShape s;
             s.id = l.takeId();
             s.selected = true;
             l.shapes.push_back(s);
         },
         "Shape shape 1\ntitle: (unnamed shape)\ndetail: Polygon  |  (no vertices)\n"
         "height: Height: [-] disabled\ngrade: -\nlevels: >Level 1=1 | Upper deck=2 (enabled)\nbuttons: UP 0 label"},
    };
    for (const ViewCase& c : cases) {
        Layout layout = twoLevels();
        c.setUp(layout);
        EXPECT_EQ(describe(buildPropertiesView(layout)), c.expected) << c.name;
    }
}

// Whatever is selected, the view points only at records that exist and offers only what it can do.
TEST(PropertiesView, RandomSelectionsGiveConsistentViews)
{
    RandomLayouts layouts(4711);
    int kinds[6] = {};
    for (int round = 0; round < 600; ++round) {
        Layout layout = layouts.next();
        layout.units = static_cast<LengthUnit>(layouts.pick(0, 2));
        layouts.selectSome(layout);
        const PropertiesView v = buildPropertiesView(layout);
        ++kinds[static_cast<int>(v.kind)];
        SCOPED_TRACE(describe(v));

        int selectedPieces = 0;
        for (const PlacedPiece& p : layout.pieces)
            selectedPieces += p.selected;
        EXPECT_EQ(v.colourEnabled, selectedPieces > 0);
        EXPECT_EQ(v.heightEnabled, v.kind == DetailsKind::Piece);
        EXPECT_EQ(v.startGradeEnabled, v.kind == DetailsKind::Piece);
        EXPECT_EQ(v.recalcEnabled, v.kind == DetailsKind::Piece);
        EXPECT_EQ(v.endGradeEnabled, v.kind == DetailsKind::Piece && layout.currentGradeRun.active);
        EXPECT_EQ(v.levelEnabled, v.kind != DetailsKind::Nothing);
        EXPECT_GE(v.gradeAngle, 0.0);
        EXPECT_LE(v.gradeAngle, kMaxGradeDegrees);
        EXPECT_FALSE(v.title.empty());

        EXPECT_EQ(v.pieceId != -1, v.kind == DetailsKind::Piece);
        if (v.pieceId != -1) {
            ASSERT_NE(layout.findPiece(v.pieceId), nullptr);
            EXPECT_TRUE(layout.findPiece(v.pieceId)->selected);
        }
        EXPECT_EQ(v.sceneryId != -1, v.kind == DetailsKind::Scenery);
        if (v.sceneryId != -1) {
            EXPECT_TRUE(layout.findScenery(v.sceneryId)->selected);
        }
        EXPECT_EQ(v.helixId != -1, v.kind == DetailsKind::Helix);
        EXPECT_EQ(v.shapeId != -1, v.kind == DetailsKind::Shape);

        if (v.kind == DetailsKind::Nothing) {
            EXPECT_TRUE(v.levels.empty());
            continue;
        }
        ASSERT_FALSE(v.levels.empty());
        ASSERT_GE(v.levelSelection, 0);
        ASSERT_LT(v.levelSelection, static_cast<int>(v.levels.size()));
        const bool mixed = v.levels[0].levelId == -1;
        EXPECT_EQ(v.levels.size(), layout.levels.size() + (mixed ? 1 : 0));
        if (mixed) {
            EXPECT_EQ(v.levelSelection, 0);
        }
        if (v.kind == DetailsKind::Run) {
            // The title lists every selected piece once.
            size_t plus = 0;
            for (size_t at = v.title.find(" + "); at != std::string::npos; at = v.title.find(" + ", at + 1))
                ++plus;
            EXPECT_EQ(plus + 1, static_cast<size_t>(selectedPieces));
        }
    }
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_GT(kinds[kind], 5) << "kind " << kind << " should come up among random selections";
}

} // namespace
} // namespace layrail
