#include "GuiTestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/toolbar.h>

#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/WorldConnectors.h"
#include "support/ReferenceCheck.h"

namespace layrail {
namespace gui {

void pumpEvents(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxTheApp->ProcessIdle();
    }
}

MainFrame* createMainFrame()
{
    auto* frame = new MainFrame();
    frame->Show();
    frame->layout().ensureDefaultLevel();
    pumpEvents();
    return frame;
}

void destroyMainFrame(MainFrame* frame)
{
    frame->Destroy();
    pumpEvents();
}

void sendCommand(MainFrame& frame, int id, bool checked)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&frame);
    event.SetInt(checked ? 1 : 0);
    frame.ProcessWindowEvent(event);
}

void clickTool(MainFrame& frame, int id)
{
    wxToolBar* tools = frame.GetToolBar();
    const wxToolBarToolBase* tool = tools->FindById(id);
    bool checked = false;
    if (tool != nullptr && tool->CanBeToggled()) {
        checked = !tools->GetToolState(id);
        tools->ToggleTool(id, checked);
    }
    wxCommandEvent event(wxEVT_TOOL, id);
    event.SetEventObject(tools);
    event.SetInt(checked ? 1 : 0);
    tools->ProcessWindowEvent(event);
}

bool menuItemEnabled(MainFrame& frame, int id)
{
    frame.UpdateWindowUI();
    return frame.GetMenuBar()->IsEnabled(id);
}

bool toolEnabled(MainFrame& frame, int id)
{
    frame.GetToolBar()->UpdateWindowUI();
    return frame.GetToolBar()->GetToolEnabled(id);
}

void sendMouse(CanvasPanel& canvas, wxEventType type, int x, int y, int wheelRotation)
{
    wxMouseEvent event(type);
    event.SetEventObject(&canvas);
    event.SetId(canvas.GetId());
    event.m_x = x;
    event.m_y = y;
    event.m_middleDown = type == wxEVT_MIDDLE_DOWN || (type == wxEVT_MOTION && canvas.isPanning());
    if (type == wxEVT_MOUSEWHEEL) {
        event.m_wheelRotation = wheelRotation;
        event.m_wheelDelta = 120;
        event.m_linesPerAction = 3;
    }
    canvas.GetEventHandler()->ProcessEvent(event);
}

wxImage captureCanvas(CanvasPanel& canvas)
{
    const wxSize size = canvas.GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC memory(bitmap);
        wxGCDC dc(memory);
        canvas.paintCanvas(dc);
    }
    return bitmap.ConvertToImage();
}

bool colourNear(const wxImage& image, int x, int y, unsigned char r, unsigned char g, unsigned char b, int radius,
                int tolerance)
{
    for (int py = y - radius; py <= y + radius; ++py) {
        for (int px = x - radius; px <= x + radius; ++px) {
            if (px < 0 || py < 0 || px >= image.GetWidth() || py >= image.GetHeight())
                continue;
            if (std::abs(image.GetRed(px, py) - r) <= tolerance && std::abs(image.GetGreen(px, py) - g) <= tolerance &&
                std::abs(image.GetBlue(px, py) - b) <= tolerance)
                return true;
        }
    }
    return false;
}

std::string pixelText(const wxImage& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight())
        return "outside";
    char text[64];
    std::snprintf(text, sizeof text, "(%d,%d,%d) at %d,%d", image.GetRed(x, y), image.GetGreen(x, y),
                  image.GetBlue(x, y), x, y);
    return text;
}

DialogAnswerer::DialogAnswerer(std::vector<int> answers) : answers_(std::move(answers)) { Register(); }

DialogAnswerer::~DialogAnswerer() { Unregister(); }

int DialogAnswerer::Enter(wxDialog* dialog)
{
    Asked asked;
    asked.title = dialog->GetTitle().utf8_string();
    asked.className = wxString(dialog->GetClassInfo()->GetClassName()).utf8_string();
    if (auto* message = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        asked.message = message->GetMessage().utf8_string();
        // The title of a native message box may only be known to the base class.
        if (asked.title.empty())
            asked.title = message->GetTitle().utf8_string();
    }
    asked_.push_back(asked);
    if (next_ < answers_.size())
        return answers_[next_++];
    ++unexpected_;
    return wxID_CANCEL;
}

int placePiece(Layout& layout, const std::string& article, double x, double y, double heading)
{
    PlacedPiece piece;
    piece.id = layout.takeId();
    piece.article = article;
    piece.x = x;
    piece.y = y;
    piece.heading = normalizeHeading(heading);
    piece.level = layout.activeLevel;
    layout.pieces.push_back(piece);
    return piece.id;
}

void joinPieces(Layout& layout, int a, int connectorA, int b, int connectorB)
{
    layout.findPiece(a)->setJoint(connectorA, b, connectorB);
    layout.findPiece(b)->setJoint(connectorB, a, connectorA);
}

int attachPiece(Layout& layout, int targetId, int targetConnector, const std::string& article, int ownConnector)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    const PlacedPiece& target = *layout.findPiece(targetId);
    const Connector world = worldConnectors(target, *catalog.find(target.article))[static_cast<size_t>(targetConnector)];
    const Pose pose = poseOnConnector(*catalog.find(article), ownConnector, world);
    const int id = placePiece(layout, article, pose.x, pose.y, pose.heading);
    joinPieces(layout, targetId, targetConnector, id, ownConnector);
    return id;
}

int buildOvalWithTurnout(Layout& layout)
{
    const int turnout = placePiece(layout, "24611", 0.0, 0.0, 0.0);
    int last = turnout;
    for (int i = 0; i < 6; ++i)
        last = attachPiece(layout, last, 1, "24130");
    last = attachPiece(layout, last, 1, "24188");
    for (int i = 0; i < 6; ++i)
        last = attachPiece(layout, last, 1, "24130");
    joinPieces(layout, last, 1, turnout, 0);
    return turnout;
}

std::vector<std::string> layoutInvariantProblems(const Layout& layout) { return referenceProblems(layout); }

} // namespace gui
} // namespace layrail
