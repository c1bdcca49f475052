#pragma once

#include <string>
#include <vector>

#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/Layout.h"

namespace layrail {

// The rows of one palette list box and their keys, parallel: row i has key i.
// A group header has an empty key and does nothing when clicked, dragged or hovered.
struct PaletteList {
    std::vector<std::string> rows;
    std::vector<std::string> keys;

    void addHeader(const std::string& group);
    void addItem(const std::string& text, const std::string& key);
    // Empty for a header row or a row outside the list.
    std::string keyAt(int row) const;
};

// Indices of the system chooser, in its order.
enum PaletteSystem : int {
    kPaletteMarklinC = 0,
    kPaletteMarklinK = 1,
    kPaletteTrixC = 2,
    kPaletteMarklinZ = 3,
};
constexpr int kPaletteSystemCount = 4;

// "Marklin C-Track", "Marklin K-Track", "TRIX C-Track", "Marklin Z-Track".
const std::vector<std::string>& paletteSystemNames();
// The chooser index of a catalog system; -1 for systems the chooser does not offer.
int paletteIndexOf(TrackSystem system);

// The chooser index that follows a loaded layout: C-Track wins over K-Track, over TRIX, over
// Z-Track; 0 when no piece is in the catalog.
int paletteIndexForLayout(const Layout& layout, const TrackCatalog& catalog);

struct TrackGroup {
    std::string name;
    std::vector<std::string> articles;
};
// The article groups of the Track list of a chooser index (the helix group is not among them).
const std::vector<TrackGroup>& trackGroups(int systemIndex);

constexpr const char* kHelixKeyPrefix = "@helix:";
bool isHelixKey(const std::string& key);
// The kit id after the prefix; empty for any other key.
std::string helixKitIdOf(const std::string& key);

// The group's header, then one row per article the catalog has; the others are skipped.
void appendTrackGroup(PaletteList& list, const TrackGroup& group, const TrackCatalog& catalog);
// The groups of the system; C-Track ends with a Helix group of the given kits.
PaletteList buildTrackList(int systemIndex, const TrackCatalog& catalog, const std::vector<HelixKit>& kits);

// Group name of a scenery category ("Platforms", ..., "Other").
std::string sceneryGroupName(SceneryCategory category);
// Group name of a signal, from its id.
std::string signalGroupName(const std::string& id);

// Platforms, stations, bridges, nature and other items, in catalog order.
PaletteList buildSceneryList(const std::vector<SceneryDef>& defs);
// Signals of the Z set for Z-Track, the others for every other system.
PaletteList buildSignalsList(int systemIndex, const std::vector<SceneryDef>& defs);

// Z-Track has no Scenery page.
bool sceneryPageWanted(int systemIndex);

} // namespace layrail
