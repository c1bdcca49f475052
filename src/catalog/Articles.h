#pragma once

namespace layrail {

// Catalog entries that edit rules and the renderer treat specially, by article number or item id.
constexpr const char* kTurntableArticle = "74861";       // joined pieces go along when it is selected
constexpr const char* kSpokeExtensionArticle = "74871";  // laid with a turntable, drawn on top of it
constexpr const char* kCurvedCircuitTrack = "24294";     // circuit tracks carry a contact marker
constexpr const char* kStraightCircuitTrack = "24994";
constexpr const char* kRoundhouseItem = "72886";         // lines up with a turntable when dropped near one
constexpr const char* kTurntableSceneryItem = "74861";

} // namespace layrail
