#pragma once

#include <string>

#include "catalog/SceneryCatalog.h"
#include "panels/StoreTable.h"

namespace layrail {

// The button row under the piece count: "  Buy Track  " runs buyTrack, "?" shows the About dialog.
inline constexpr const char* kBuyTrackLabel = "  Buy Track  ";
inline constexpr const char* kAboutBuyTrackLabel = "?";
inline constexpr const char* kAboutBuyTrackTooltip = "About Buy Track";
inline constexpr Rgba kBuyTrackGreen{20, 110, 20, 255};
inline constexpr Rgba kBuyTrackText{255, 255, 255, 255};

// Everything the "?" dialog shows; the picture is the embedded resource 102, left out when it
// does not load.
struct AboutBuyTrack {
    std::string title;
    std::string text;
    std::string linkLabel;
    std::string linkUrl;
    std::string buttonLabel;
    int width = 480;
    int height = 840;
    int pictureWidth = 450;
    int pictureHeight = 510;
    int pictureResource = 102;
};

// The link goes to the store's home page; without a readable store table, to the fallback.
AboutBuyTrack aboutBuyTrack(const StoreTableLoad& store, const std::string& fallbackHome);

} // namespace layrail
