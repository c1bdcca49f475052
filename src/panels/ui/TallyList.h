#pragma once

#include <vector>

#include <wx/listctrl.h>

#include "panels/PieceTally.h"

namespace layrail {

// The piece-count list: a report list without a header, columns "Piece" and "Count". It keeps the
// rows it shows and touches the control only when they change, so an edit that leaves the counts
// alone costs no list work.
class TallyList : public wxListCtrl {
public:
    explicit TallyList(wxWindow* parent);

    void showRows(const std::vector<TallyRow>& rows);
    const std::vector<TallyRow>& rows() const { return rows_; }

private:
    void onSize(wxSizeEvent& event);

    std::vector<TallyRow> rows_;
};

} // namespace layrail
