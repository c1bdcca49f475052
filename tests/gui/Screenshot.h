#pragma once

#include <string>

#include <wx/image.h>
#include <wx/window.h>

namespace layrail {
namespace gui {

// What the screen shows of a window, menus and toolbar included.
wxImage captureWindow(wxWindow& window);

// With LAYRAIL_SCREENSHOT_DIR set (make screenshots), saves the image there as a PNG under the
// name; otherwise does nothing.
void saveScreenshot(const wxImage& image, const std::string& name);
void saveScreenshot(wxWindow& window, const std::string& name);

} // namespace gui
} // namespace layrail
