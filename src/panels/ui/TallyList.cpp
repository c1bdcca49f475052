#include "panels/ui/TallyList.h"

#include <algorithm>

namespace layrail {

namespace {

constexpr int kPreferredHeight = 180;
constexpr int kPieceColumnWidth = 110;
constexpr int kCountColumnWidth = 40;

} // namespace

TallyList::TallyList(wxWindow* parent)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxSize(-1, kPreferredHeight),
                 wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL, wxDefaultValidator, "pieceCount")
{
    InsertColumn(0, "Piece", wxLIST_FORMAT_LEFT, kPieceColumnWidth);
    InsertColumn(1, "Count", wxLIST_FORMAT_RIGHT, kCountColumnWidth);
    Bind(wxEVT_SIZE, &TallyList::onSize, this);
}

// Names like "24130 (30°) R1 - 360mm" need more than the first column's 110 pixels: the column
// takes whatever the pane leaves beside the count.
void TallyList::onSize(wxSizeEvent& event)
{
    const int spare = GetClientSize().GetWidth() - kCountColumnWidth;
    SetColumnWidth(0, std::max(kPieceColumnWidth, spare));
    event.Skip();
}

void TallyList::showRows(const std::vector<TallyRow>& rows)
{
    if (rows == rows_)
        return;
    rows_ = rows;
    Freeze();
    DeleteAllItems();
    wxFont bold = GetFont();
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    const wxColour recommend(kRecommendColour.r, kRecommendColour.g, kRecommendColour.b);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const long row = InsertItem(static_cast<long>(i), wxString::FromUTF8(rows_[i].piece));
        SetItem(row, 1, wxString::FromUTF8(rows_[i].count));
        if (rows_[i].heading) {
            SetItemFont(row, bold);
            SetItemTextColour(row, recommend);
        }
    }
    Thaw();
}

} // namespace layrail
