#pragma once

namespace layrail {

// False when the display plainly has no OpenGL (an X server without the GLX extension). wxWidgets
// asserts instead of failing quietly on such a display, so the 3D view asks first.
bool displayOffersOpenGL();

} // namespace layrail
