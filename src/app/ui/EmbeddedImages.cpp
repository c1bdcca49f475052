#include "app/ui/EmbeddedImages.h"

#include "app/ui/EmbeddedResources.h"

#include <wx/log.h>
#include <wx/icon.h>
#include <wx/imagpng.h>
#include <wx/mstream.h>

namespace layrail {

namespace {

wxImage decode(const unsigned char* data, std::size_t size, wxBitmapType type)
{
    if (!data || size == 0)
        return wxImage();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxImage::AddHandler(new wxJPEGHandler);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    // A broken picture is not worth a message box: the callers fall back.
    wxLogNull quiet;
    wxMemoryInputStream stream(data, size);
    wxImage image;
    if (!image.LoadFile(stream, type) || !image.IsOk())
        return wxImage();
    return image;
}

} // namespace

wxImage decodeJpeg(const unsigned char* data, std::size_t size) { return decode(data, size, wxBITMAP_TYPE_JPEG); }

wxIconBundle programIcons()
{
    wxIconBundle icons;
    for (int id : {kIcon16, kIcon32, kIcon48}) {
        const EmbeddedResource resource = embeddedResource(id);
        const wxImage image = decode(resource.data, resource.size, wxBITMAP_TYPE_PNG);
        if (image.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            icons.AddIcon(icon);
        }
    }
    return icons;
}

wxImage loadEmbeddedImage(int resourceId)
{
    const EmbeddedResource resource = embeddedResource(resourceId);
    return decodeJpeg(resource.data, resource.size);
}

} // namespace layrail
