#include <cmath>
#include <cstdlib>
#include <set>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"

namespace layrail {
namespace {

using gui::CanvasEditTest;
using gui::connectorPixel;

using OvalLayingTest = CanvasEditTest;

double headingGap(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

// Lays pieces the way a user does: start a palette drag, bring the ghost to an open connector,
// turn it with right clicks until it roughly points the way the track goes, click.
class Layer {
public:
    Layer(CanvasPanel& canvas, Layout& layout) : canvas_(canvas), layout_(layout), mouse_(canvas) {}

    int layAt(const std::string& article, wxPoint pixel, double heading)
    {
        canvas_.beginPaletteDrag(article);
        EXPECT_TRUE(canvas_.placement().palette.active);
        mouse_.glideTo(pixel, 2);
        for (int turns = 0; turns < 12 && headingGap(canvas_.placement().palette.ghost.heading, heading) > 45.0;
             ++turns)
            mouse_.click(wxMOUSE_BTN_RIGHT);
        mouse_.click();
        EXPECT_FALSE(canvas_.placement().active());
        return gui::lastPieceId(layout_);
    }

    // A piece whose connector 0 goes onto the given open connector.
    int layOn(const std::string& article, int pieceId, int connector)
    {
        const Connector end = gui::connectorOf(layout_, pieceId, connector);
        const size_t before = layout_.pieces.size();
        const int id = layAt(article, connectorPixel(canvas_, layout_, pieceId, connector), end.heading);
        EXPECT_EQ(layout_.pieces.size(), before + 1);
        EXPECT_FALSE(layout_.findPiece(pieceId)->isOpen(connector)) << article << " did not join " << pieceId;
        return id;
    }

private:
    CanvasPanel& canvas_;
    Layout& layout_;
    gui::RealMouse mouse_;
};

TEST_F(OvalLayingTest, OvalWithTurnoutAndSidingLaidByMouseIsJoinedEverywhereButTheSidingEnd)
{
    canvas().view() = CanvasView{0.6, 200.0, 230.0};
    Layer layer(canvas(), layout());

    const int turnout = layer.layAt("24611", wxPoint(200, 230), 0.0);
    int last = layer.layOn("24188", turnout, 1);
    for (int i = 0; i < 6; ++i)
        last = layer.layOn("24130", last, 1);
    last = layer.layOn("24188", last, 1);
    last = layer.layOn("24188", last, 1);
    for (int i = 0; i < 6; ++i)
        last = layer.layOn("24130", last, 1);
    const int siding = layer.layOn("24188", turnout, 2);
    const int sidingEnd = layer.layOn("24188", siding, 1);

    ASSERT_EQ(layout().pieces.size(), 18u);
    EXPECT_LAYOUT_CONSISTENT(layout());
    // The last curve closed the oval on the turnout's origin end.
    EXPECT_EQ(layout().findPiece(turnout)->joints[0].target, last);
    EXPECT_EQ(gui::openConnectors(layout()), std::vector<std::string>{std::to_string(sidingEnd) + ":1"});
    EXPECT_EQ(status(1), "Pieces: 18");

    canvas().zoomToFit(false);
    gui::pumpEvents();
    const wxImage image = gui::captureCanvas(canvas());
    if (const char* dir = std::getenv("LAYRAIL_SCREENSHOT_DIR")) {
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
            wxImage::AddHandler(new wxPNGHandler);
        image.SaveFile(wxString(dir) + "/oval.png", wxBITMAP_TYPE_PNG);
    }

    // Every join dot is green but the siding's end, which is orange.
    const CanvasView& view = canvas().view();
    int green = 0;
    for (const PlacedPiece& piece : layout().pieces) {
        const CatalogPiece& cat = *TrackCatalog::instance().find(piece.article);
        for (int c = 0; c < static_cast<int>(cat.connectors.size()); ++c) {
            const Connector end = gui::connectorOf(layout(), piece.id, c);
            const int x = view.toScreenX(end.x);
            const int y = view.toScreenY(end.y);
            if (piece.id == sidingEnd && c == 1) {
                EXPECT_TRUE(gui::colourNear(image, x, y, 255, 140, 0, 1, 20)) << gui::pixelText(image, x, y);
                EXPECT_FALSE(gui::colourNear(image, x, y, 60, 180, 60, 2, 30)) << gui::pixelText(image, x, y);
            } else {
                EXPECT_TRUE(gui::colourNear(image, x, y, 60, 180, 60, 1, 20))
                    << piece.article << " " << piece.id << ":" << c << " " << gui::pixelText(image, x, y);
                EXPECT_FALSE(gui::colourNear(image, x, y, 255, 140, 0, 2, 30)) << gui::pixelText(image, x, y);
                ++green;
            }
        }
    }
    // A turnout and 17 two-ended pieces: 37 connectors, one of them open.
    EXPECT_EQ(green, 36);
}

} // namespace
} // namespace layrail
