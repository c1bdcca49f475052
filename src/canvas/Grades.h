#pragma once

#include <optional>
#include <string>

#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

constexpr const char* kGradeEndedStatus = "Grade ended - subsequent pieces will be flat";
constexpr int kElevationWalkSteps = 200;
constexpr int kRunSearchSteps = 100;

// "Elevation: UP 3.0 deg" / "Elevation: DOWN 1.5 deg".
std::string gradeStartedStatus(double angle, bool up);

// "Start Grade": the piece anchors a grade run of +angle (UP) or -angle (DOWN) and takes that
// grade, so every piece joined at it continues the climb. One undo snapshot; a content change.
EditResult startGrade(Layout& layout, int pieceId, double angle, bool up);

// "End Grade": the piece becomes flat at the height of its connector-0 neighbour, the flat track
// after it follows (up to 200 pieces, until a graded one), and the run that the chain from it
// reaches is removed. One undo snapshot.
EditResult endGrade(Layout& layout, int pieceId);

// "Recalc": the piece takes the height of its connector-0 neighbour and the flat track after it
// follows, as End Grade does but keeping the grade and the runs. One undo snapshot.
EditResult recalculate(Layout& layout, int pieceId);

// A length typed in the layout's unit, in millimetres; none when the text is not one number.
std::optional<double> parseLengthInUnit(const std::string& text, LengthUnit unit);

// The height field: the text in the layout's unit becomes the piece's elevation. Text that is not
// a number changes nothing. One undo snapshot.
EditResult setHeight(Layout& layout, int pieceId, const std::string& text);

} // namespace layrail
