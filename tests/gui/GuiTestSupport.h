#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/modalhook.h>

#include "catalog/Geometry.h"
#include "document/Layout.h"

namespace layrail {

class CanvasPanel;
class MainFrame;

namespace gui {

// Handles events until the queues are empty (bounded, so a busy timer cannot hang a test).
void pumpEvents(int rounds = 20);

// A shown main window as the application builds it, without the splash.
MainFrame* createMainFrame();
void destroyMainFrame(MainFrame* frame);

// A menu or toolbar command as the window receives it; `checked` is the new state of a check item.
void sendCommand(MainFrame& frame, int id, bool checked = false);
// A toolbar click: flips a check tool and sends its command with the new state.
void clickTool(MainFrame& frame, int id);
// Runs the frame's update-UI handling the way idle time does, then reads the state.
bool menuItemEnabled(MainFrame& frame, int id);
bool toolEnabled(MainFrame& frame, int id);

// A mouse event delivered to the canvas as if it came from the window system.
void sendMouse(CanvasPanel& canvas, wxEventType type, int x, int y, int wheelRotation = 0);

// The canvas content painted off-screen at its client size.
wxImage captureCanvas(CanvasPanel& canvas);

// True when a pixel within `radius` of (x, y) is within `tolerance` of the colour in every channel.
bool colourNear(const wxImage& image, int x, int y, unsigned char r, unsigned char g, unsigned char b,
                int radius = 1, int tolerance = 12);
std::string pixelText(const wxImage& image, int x, int y);

// Answers modal dialogs (message boxes included) without showing them, in order; records what
// was asked. A dialog without a prepared answer is cancelled and recorded as unexpected.
class DialogAnswerer : public wxModalDialogHook {
public:
    struct Asked {
        std::string title;
        std::string message;
        std::string className;
    };

    explicit DialogAnswerer(std::vector<int> answers = {});
    ~DialogAnswerer() override;

    const std::vector<Asked>& asked() const { return asked_; }
    int unexpected() const { return unexpected_; }

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    std::vector<int> answers_;
    size_t next_ = 0;
    std::vector<Asked> asked_;
    int unexpected_ = 0;
};

// Layout building for tests: pieces by catalog article, joined on both sides.
int placePiece(Layout& layout, const std::string& article, double x, double y, double heading);
// Places a piece so that its connector `ownConnector` meets connector `targetConnector` of the
// target, and joins the two.
int attachPiece(Layout& layout, int targetId, int targetConnector, const std::string& article, int ownConnector = 0);
void joinPieces(Layout& layout, int a, int connectorA, int b, int connectorB);
// An oval of R1 curves with a left turnout on one side and a straight on the other; returns the
// turnout's id.
int buildOvalWithTurnout(Layout& layout);

// Joints on both sides, unique ids, references to records that exist (see referenceProblems).
std::vector<std::string> layoutInvariantProblems(const Layout& layout);

} // namespace gui
} // namespace layrail

#define EXPECT_LAYOUT_CONSISTENT(layout)                                                        \
    do {                                                                                        \
        const auto problems_ = ::layrail::gui::layoutInvariantProblems(layout);                 \
        EXPECT_TRUE(problems_.empty()) << (problems_.empty() ? std::string() : problems_[0]);   \
    } while (false)
