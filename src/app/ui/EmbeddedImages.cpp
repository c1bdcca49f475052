#include "app/ui/EmbeddedImages.h"

#include "app/ui/EmbeddedResources.h"

#include <wx/log.h>
#include <wx/mstream.h>

namespace layrail {

wxImage decodeJpeg(const unsigned char* data, std::size_t size)
{
    if (!data || size == 0)
        return wxImage();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxImage::AddHandler(new wxJPEGHandler);
    // A broken picture is not worth a message box: the callers fall back.
    wxLogNull quiet;
    wxMemoryInputStream stream(data, size);
    wxImage image;
    if (!image.LoadFile(stream, wxBITMAP_TYPE_JPEG) || !image.IsOk())
        return wxImage();
    return image;
}

wxImage loadEmbeddedImage(int resourceId)
{
    const EmbeddedResource resource = embeddedResource(resourceId);
    return decodeJpeg(resource.data, resource.size);
}

} // namespace layrail
