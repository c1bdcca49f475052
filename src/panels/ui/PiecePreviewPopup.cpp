#include "panels/ui/PiecePreviewPopup.h"

#include <set>

#include <wx/dcbuffer.h>

#include "panels/PiecePreview.h"
#include "render/Renderer.h"
#include "render/ui/WxDrawTarget.h"

namespace layrail {

PiecePreviewPopup::PiecePreviewPopup(wxWindow* parent) : wxPopupWindow(parent, wxBORDER_SIMPLE), parent_(parent)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetClientSize(kPreviewWidth, kPreviewHeight);
    Bind(wxEVT_PAINT, &PiecePreviewPopup::onPaint, this);
    parent_->Bind(wxEVT_KILL_FOCUS, &PiecePreviewPopup::onParentFocusLost, this);
    parent_->Bind(wxEVT_ACTIVATE, &PiecePreviewPopup::onParentActivate, this);
}

PiecePreviewPopup::~PiecePreviewPopup()
{
    parent_->Unbind(wxEVT_KILL_FOCUS, &PiecePreviewPopup::onParentFocusLost, this);
    parent_->Unbind(wxEVT_ACTIVATE, &PiecePreviewPopup::onParentActivate, this);
}

void PiecePreviewPopup::showPiece(const CatalogPiece& piece, const wxPoint& pointerOnScreen)
{
    piece_ = &piece;
    Move(pointerOnScreen.x + kPreviewOffsetX, pointerOnScreen.y + kPreviewOffsetY);
    Show();
    Refresh();
    Update();
}

void PiecePreviewPopup::hidePreview()
{
    piece_ = nullptr;
    Hide();
}

void PiecePreviewPopup::paintPreview(wxDC& dc) const
{
    dc.SetBackground(wxBrush(wxColour(255, 255, 240)));
    dc.Clear();
    if (piece_ == nullptr)
        return;

    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(wxColour(180, 180, 180), 1, wxPENSTYLE_SOLID));
    dc.DrawRectangle(0, 0, kPreviewWidth, kPreviewHeight);

    dc.SetFont(wxFont(7, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    dc.SetTextForeground(wxColour(60, 60, 60));
    const wxString article = wxString::FromUTF8(piece_->article);
    const int textWidth = dc.GetTextExtent(article).GetWidth();
    dc.DrawText(article, (kPreviewWidth - textWidth) / 2, 2);

    WxDrawTarget target(dc);
    drawPlacedPiece(std::set<int>(), target, emptyLayout_, previewPiece(*piece_), *piece_, previewView(*piece_),
                    false, true, false);
}

void PiecePreviewPopup::onPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    paintPreview(dc);
}

void PiecePreviewPopup::onParentFocusLost(wxFocusEvent& event)
{
    hidePreview();
    event.Skip();
}

void PiecePreviewPopup::onParentActivate(wxActivateEvent& event)
{
    if (!event.GetActive())
        hidePreview();
    event.Skip();
}

} // namespace layrail
