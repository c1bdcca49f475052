#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "catalog/Geometry.h"

namespace layrail {

// One entry per own connector; target -1 means the connector is open.
struct Joint {
    int target = -1;
    int targetConnector = -1;
};

struct PlacedPiece {
    int id = -1;
    std::string article;
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    bool selected = false;
    double z = 0.0;
    double grade = 0.0;
    bool rev = false;
    bool hasColour = false;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int level = 1;
    int helix = -1;
    bool free = false;
    std::vector<Joint> joints;

    // Open when the joint table is too short or its entry targets nothing.
    bool isOpen(int connector) const
    {
        return connector < 0 || connector >= static_cast<int>(joints.size()) ||
               joints[static_cast<size_t>(connector)].target == -1;
    }
    // Grows the joint table with open entries up to the connector and sets it.
    void setJoint(int connector, int target, int targetConnector);
};

struct Level {
    int id = 1;
    std::string name = "Level 1";
    bool visible = true;
    double height = 0.0;
    bool trackColour = false;
    std::uint8_t red = 180;
    std::uint8_t green = 180;
    std::uint8_t blue = 180;
    std::vector<Point> outline;
};

struct SceneryItem {
    int id = -1;
    std::string item;
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    bool selected = false;
    double scaleX = 1.0;
    double scaleY = 1.0;
    int level = 1;
};

struct LayoutLabel {
    int id = -1;
    std::string text;
    double x = 0.0;
    double y = 0.0;
    bool selected = false;
};

// A measuring-tape annotation; kept in the layout but never saved.
struct DimensionLine {
    int id = -1;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    double labelX = 0.0, labelY = 0.0;
    bool selected = false;
};

struct LayoutShape {
    int id = -1;
    std::vector<Point> points;
    std::uint8_t red = 120;
    std::uint8_t green = 170;
    std::uint8_t blue = 110;
    std::uint8_t alpha = 140;
    bool outline = true;
    int level = 1;
    double height = 0.0;
    std::string label;
    bool selected = false;
};

struct Tunnel {
    int id = -1;
    int portalA = -1;
    int portalB = -1;
    int anchorA = -1;
    int anchorB = -1;
    std::vector<int> coveredPieces;
};

struct Helix {
    int id = -1;
    double cx = 0.0;
    double cy = 0.0;
    double heading = 0.0;
    std::string variant = "proses_2_5_r1r2";
    int bottomR1 = -1;
    int bottomR2 = -1;
    int topR1 = -1;
    int topR2 = -1;
};

struct GradeRun {
    double angle = 0.0;
    int anchor = -1;
    int connector = 1;
};

// Mirrors the last grade run of the list.
struct CurrentGradeRun {
    bool active = false;
    double angle = 0.0;
    int anchor = -1;
    int connector = 1;
};

// The last shape chosen in the baseboard dialog.
struct LastShape {
    int id = 0;
    double width = 2400.0;
    double height = 1200.0;
    double width2 = 1200.0;
    double height2 = 1200.0;
};

struct Baseboard {
    std::vector<Point> vertices;
    LastShape lastShape;
};

enum class LengthUnit : int { Millimetres = 0, Centimetres = 1, Inches = 2 };

// The level list as a level removal changes it.
struct LevelsRecord {
    std::vector<Level> levels;
    int activeLevel = 1;
};

// The content that undo and redo copy whole. Levels and the baseboard stay outside it, except in
// the snapshots of the edits that change them (removing a level, applying a baseboard outline).
struct HistorySnapshot {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    std::vector<LayoutLabel> labels;
    std::vector<DimensionLine> dimensionLines;
    std::vector<LayoutShape> shapes;
    std::vector<Tunnel> tunnels;
    std::vector<Helix> helices;
    std::vector<GradeRun> gradeRuns;
    CurrentGradeRun currentGradeRun;
    std::optional<LevelsRecord> levels;
    std::optional<Baseboard> baseboard;
};

struct Layout {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    std::vector<LayoutLabel> labels;
    std::vector<DimensionLine> dimensionLines;
    std::vector<LayoutShape> shapes;
    std::vector<Tunnel> tunnels;
    std::vector<Helix> helices;
    int nextId = 1;
    std::vector<Level> levels;
    int activeLevel = 1;
    Baseboard baseboard;
    LengthUnit units = LengthUnit::Millimetres;
    std::vector<GradeRun> gradeRuns;
    CurrentGradeRun currentGradeRun;

    // View switches: shared by the views, reset with each run, never saved.
    bool baseboardShown = true;
    bool snapOn = true;
    bool gridOn = true;
    bool labelsOn = true;
    double gridSpacing = 32.0;

    std::deque<HistorySnapshot> undoStack;
    std::deque<HistorySnapshot> redoStack;

    void ensureDefaultLevel();
    int takeId() { return nextId++; }
    void updateCurrentGradeRun();

    PlacedPiece* findPiece(int id);
    const PlacedPiece* findPiece(int id) const;
    SceneryItem* findScenery(int id);
    const SceneryItem* findScenery(int id) const;
    Level* findLevel(int id);
    const Level* findLevel(int id) const;
};

} // namespace layrail
