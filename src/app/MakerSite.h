#pragma once

namespace layrail {

// The maker's web site, linked from the splash and the help window.
inline constexpr const char* kMakerSiteUrl = "https://brindlemoor.example";
inline constexpr const char* kMakerName = "Brindlemoor";

} // namespace layrail
