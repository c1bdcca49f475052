#pragma once

#include <string>
#include <vector>

#include "catalog/SceneryCatalog.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

// Control ids of the properties panel.
enum PropertiesControlId : int {
    kHeightBoxId = 4100,
    kLevelChoiceId = 4101,
    kStartGradeId = 4102,
    kEndGradeId = 4104,
    kRecalcId = 4106,
    kLabelBoxId = 4107,
    kLabelOkId = 4108,
    kColourChoiceId = 4109,
    kApplyColourId = 4110,
};

// Grades steeper than this are flagged; nothing is clamped.
inline constexpr double kMaxGradeDegrees = 6.0;
// The grade text and the warning are drawn in this red when the grade is too steep.
inline constexpr Rgba kGradeWarningColour{200, 40, 40, 255};
inline constexpr const char* kMixedLevelText = "(mixed)";

enum class DetailsKind { Nothing, Piece, Run, Helix, Scenery, Shape };

struct LevelChoiceEntry {
    std::string text;
    int levelId = -1; // -1 for "(mixed)", which moves nothing

    bool operator==(const LevelChoiceEntry& other) const { return text == other.text && levelId == other.levelId; }
};

// Everything the panel shows for the current selection, control by control.
struct PropertiesView {
    DetailsKind kind = DetailsKind::Nothing;
    // What the panel's actions work on; -1 when not shown.
    int pieceId = -1;
    int sceneryId = -1;
    int helixId = -1;
    int shapeId = -1;

    std::string title = "No selection"; // bold
    std::string detail;

    std::string heightLabel;
    std::string heightText = "0"; // 4100
    bool heightEnabled = false;

    std::string gradeText = "-";
    bool gradeTooSteep = false; // grade text in kGradeWarningColour, else the window-text colour
    std::string warning;        // always in kGradeWarningColour

    std::vector<LevelChoiceEntry> levels; // 4101
    int levelSelection = -1;
    bool levelEnabled = false;

    bool gradeUp = true;            // "UP" checked, else "DOWN"
    double gradeAngle = 0.0;        // the spin control, within its range 0 to 6
    bool startGradeEnabled = false; // 4102
    bool endGradeEnabled = false;   // 4104
    bool recalcEnabled = false;     // 4106

    bool labelEnabled = true;   // 4107 and 4108: a label can always be added
    bool colourEnabled = false; // 4109 and 4110: there are selected pieces to colour

    // Whether the details show the same record: the grade controls and the height box keep what
    // the user typed while it stays shown.
    bool showsSameRecord(const PropertiesView& other) const
    {
        return kind == other.kind && pieceId == other.pieceId && sceneryId == other.sceneryId &&
               helixId == other.helixId && shapeId == other.shapeId;
    }
};

// "Märklin C", "Märklin K", "Märklin Z", "TRIX C", "Rokuhan Z", "Minitrix N", "Kato N", else "Unknown".
const char* systemDisplayName(TrackSystem system);
// A height in the unit: three decimals for inches, one otherwise, without the unit.
std::string formatHeight(double mm, LengthUnit unit);
// "+2.50 deg (4.4%)", or "-" for a flat piece.
std::string formatGrade(double degrees);

// What the panel shows for the layout's selection.
PropertiesView buildPropertiesView(const Layout& layout);

} // namespace layrail
