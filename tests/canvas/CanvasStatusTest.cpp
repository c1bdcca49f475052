#include <gtest/gtest.h>

#include "canvas/CanvasStatus.h"

namespace layrail {
namespace {

TEST(CanvasStatus, PointerPositionInEachUnit)
{
    EXPECT_EQ(pointerStatusText(1234.4, -56.6, LengthUnit::Millimetres), "1234 mm,  -57 mm");
    EXPECT_EQ(pointerStatusText(1234.4, 56.0, LengthUnit::Centimetres), "123.4 cm,  5.6 cm");
    EXPECT_EQ(pointerStatusText(254.0, 12.7, LengthUnit::Inches), "10.00 in,  0.50 in");
}

TEST(CanvasStatus, ElevationPromptGivesWayToReadyWithoutGradeRuns)
{
    Layout layout;
    EXPECT_EQ(elevationStatusText(layout, "\xE2\x96\xB2 Elevation: UP 2.0 deg"), "Ready");
    EXPECT_EQ(elevationStatusText(layout, "Grade ended - subsequent pieces will be flat"),
              "Grade ended - subsequent pieces will be flat");
    EXPECT_EQ(elevationStatusText(layout, ""), "");
}

TEST(CanvasStatus, GradeRunsAreListedInOrder)
{
    Layout layout;
    layout.gradeRuns = {GradeRun{2.5, 1, 1}, GradeRun{-1.04, 2, 0}};
    EXPECT_EQ(elevationStatusText(layout, "Ready"), "[ELEV] 2.5 deg -1.0 deg  (right-click piece to stop)");
}

} // namespace
} // namespace layrail
