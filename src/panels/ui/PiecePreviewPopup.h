#pragma once

#include <wx/popupwin.h>

#include "catalog/TrackCatalog.h"
#include "document/Layout.h"

namespace layrail {

// A small drawing of the Track list's piece under the pointer.
class PiecePreviewPopup : public wxPopupWindow {
public:
    explicit PiecePreviewPopup(wxWindow* parent);
    ~PiecePreviewPopup() override;

    // Shows the piece next to the pointer's screen position and repaints at once.
    void showPiece(const CatalogPiece& piece, const wxPoint& pointerOnScreen);
    // Forgets the piece and hides.
    void hidePreview();

    const CatalogPiece* piece() const { return piece_; }

    // The whole popup content onto a device context of the popup's size.
    void paintPreview(wxDC& dc) const;

private:
    void onPaint(wxPaintEvent& event);
    void onParentFocusLost(wxFocusEvent& event);
    void onParentActivate(wxActivateEvent& event);

    wxWindow* parent_;
    const CatalogPiece* piece_ = nullptr;
    // The renderer looks neighbours up in a layout; the preview piece has none.
    layrail::Layout emptyLayout_;
};

} // namespace layrail
