#pragma once

#include <algorithm>

#include <wx/window.h>

namespace layrail {

// GTK draws a spin control's buttons inside it: a width below its natural one would squeeze them,
// so the wanted width is only a minimum.
inline void widenSpin(wxWindow* spin, int width)
{
    spin->SetInitialSize(wxSize(std::max(width, spin->GetBestSize().GetWidth()), -1));
}

} // namespace layrail
