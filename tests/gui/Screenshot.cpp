#include "Screenshot.h"

#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/imagpng.h>

namespace layrail {
namespace gui {

wxImage captureWindow(wxWindow& window)
{
    window.Update();
    const wxRect area = window.GetScreenRect();
    wxBitmap bitmap(area.width, area.height, 24);
    {
        wxMemoryDC memory(bitmap);
        wxScreenDC screen;
        memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
    }
    return bitmap.ConvertToImage();
}

void saveScreenshot(const wxImage& image, const std::string& name)
{
    const char* folder = std::getenv("LAYRAIL_SCREENSHOT_DIR");
    if (folder == nullptr)
        return;
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    const wxString path = wxString::FromUTF8(folder) + "/" + name;
    EXPECT_TRUE(image.SaveFile(path, wxBITMAP_TYPE_PNG)) << path.utf8_string();
}

void saveScreenshot(wxWindow& window, const std::string& name)
{
    if (std::getenv("LAYRAIL_SCREENSHOT_DIR") != nullptr)
        saveScreenshot(captureWindow(window), name);
}

} // namespace gui
} // namespace layrail
