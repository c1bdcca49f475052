#include "view3d/ui/GLAvailability.h"

#include <wx/utils.h>

#include <GL/glx.h>

namespace layrail {

bool displayOffersOpenGL()
{
#ifdef __WXGTK__
    const wxDisplayInfo info = wxGetDisplayInfo();
    if (info.type == wxDisplayX11 && info.dpy != nullptr) {
        int errorBase = 0, eventBase = 0;
        return glXQueryExtension(static_cast<Display*>(info.dpy), &errorBase, &eventBase);
    }
#endif
    return true;
}

} // namespace layrail
