#include "panels/PaletteLists.h"

namespace layrail {

namespace {

constexpr const char* kHeaderMark = "--- ";

const std::vector<TrackGroup>& marklinCGroups()
{
    static const std::vector<TrackGroup> groups = {
        {"Straights", {"24064", "24071", "24077", "24094", "24172", "24188", "24229", "24236", "24360"}},
        {"Curves",
         {"24130", "24115", "24107", "24230", "24294", "24224", "24215", "24207", "24206", "24330", "24315",
          "24430", "24530", "24912"}},
        {"Switches", {"24611", "24612", "24671", "24672", "24630"}},
        {"Crossings", {"24640", "24649", "24740"}},
        {"Double Slip Switches", {"24624", "24720"}},
        {"Slim Switches", {"24711", "24712", "24771", "24772"}},
        {"Circuit Tracks", {"24994", "24294"}},
        {"Other", {"24997", "24977", "24978", "24922", "74861", "74871"}},
        {"Bridges", {"74636", "74620", "74623", "74613", "74618"}},
    };
    return groups;
}

const std::vector<TrackGroup>& marklinKGroups()
{
    static const std::vector<TrackGroup> groups = {
        {"Straights", {"2200", "2201", "2202", "2203", "2204", "2205", "2206", "2207", "2208", "2209", "2293"}},
        {"Special Track", {"2290", "2291", "2292", "2295", "2297", "2299"}},
        {"Curves R0 (295.4mm)", {"2210"}},
        {"Curves R1 (360mm)", {"2229", "2221"}},
        {"Curves R2 (424.6mm)", {"2223", "2224", "2239", "2231", "2232"}},
        {"Curves R3 (515mm)", {"2233", "2234", "2235"}},
        {"Curves R4 (573.6mm)", {"2241", "2251"}},
        {"Curves R5 (636mm)", {"2274"}},
        {"Crossings", {"2257", "2258", "2259"}},
        {"Turnouts", {"2262", "2263", "2265", "2266", "2268", "2269", "2270", "22715", "22716"}},
        {"Double Slip Switches", {"2260", "2275"}},
        {"Bumpers", {"7389", "7391"}},
        {"Bridges", {"7263", "7262", "7569", "7267"}},
    };
    return groups;
}

const std::vector<TrackGroup>& trixCGroups()
{
    static const std::vector<TrackGroup> groups = {
        {"Straights", {"62064", "62071", "62077", "62094", "62172", "62188", "62229", "62236", "62360"}},
        {"Curves R1 (360mm)", {"62107", "62115", "62130"}},
        {"Curves R2 (437.5mm)", {"62206", "62207", "62215", "62224", "62230"}},
        {"Curves R3 (515mm)", {"62315", "62330"}},
        {"Curves R9 (1114.6mm)", {"62912"}},
        {"Switches", {"62611", "62612", "62671", "62672", "62630"}},
        {"Double Slip Switches", {"62624"}},
        {"Other", {"62977", "62997"}},
        {"Bridges", {"62636", "62620", "62623", "62613"}},
    };
    return groups;
}

const std::vector<TrackGroup>& marklinZGroups()
{
    static const std::vector<TrackGroup> groups = {
        {"Straights", {"8500", "8501", "8502", "8503", "8504", "8505", "8506", "8507"}},
        {"Curves R1 (145mm)", {"8510", "8511"}},
        {"Curves R2 (195mm)", {"8520", "8521", "8529"}},
        {"Curves R3 (220mm)", {"8530", "8531", "8539"}},
        {"Turnout Branch Curve", {"8591"}},
        {"Turnouts", {"8562", "8563", "8565", "8566"}},
        {"Curved Turnouts", {"8568", "8569"}},
        {"Crossings", {"8559", "8560"}},
        {"Other", {"8587", "8588", "8590", "8598", "8991"}},
        {"Bridges", {"8975", "89759", "8976", "8977"}},
    };
    return groups;
}

bool inSceneryList(SceneryCategory category)
{
    switch (category) {
    case SceneryCategory::Platforms:
    case SceneryCategory::Stations:
    case SceneryCategory::Bridges:
    case SceneryCategory::Nature:
    case SceneryCategory::Other:
        return true;
    default:
        return false;
    }
}

// A header goes before every item whose group differs from the previous item's.
void addGrouped(PaletteList& list, std::string& lastGroup, const std::string& group, const SceneryDef& def)
{
    if (list.rows.empty() || group != lastGroup)
        list.addHeader(group);
    lastGroup = group;
    list.addItem(def.name, def.id);
}

} // namespace

void PaletteList::addHeader(const std::string& group)
{
    rows.push_back(kHeaderMark + group);
    keys.emplace_back();
}

void PaletteList::addItem(const std::string& text, const std::string& key)
{
    rows.push_back(text);
    keys.push_back(key);
}

std::string PaletteList::keyAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(keys.size()))
        return {};
    return keys[static_cast<size_t>(row)];
}

const std::vector<std::string>& paletteSystemNames()
{
    static const std::vector<std::string> names = {"Marklin C-Track", "Marklin K-Track", "TRIX C-Track",
                                                   "Marklin Z-Track"};
    return names;
}

int paletteIndexOf(TrackSystem system)
{
    switch (system) {
    case TrackSystem::MarklinC:
        return kPaletteMarklinC;
    case TrackSystem::MarklinK:
        return kPaletteMarklinK;
    case TrackSystem::TrixC:
        return kPaletteTrixC;
    case TrackSystem::MarklinZ:
        return kPaletteMarklinZ;
    default:
        return -1;
    }
}

int paletteIndexForLayout(const Layout& layout, const TrackCatalog& catalog)
{
    bool present[kPaletteSystemCount] = {false, false, false, false};
    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* entry = catalog.find(piece.article);
        if (!entry)
            continue;
        const int index = paletteIndexOf(entry->system);
        if (index >= 0)
            present[index] = true;
    }
    // The chooser's order is also the order of preference.
    for (int index = 0; index < kPaletteSystemCount; ++index) {
        if (present[index])
            return index;
    }
    return kPaletteMarklinC;
}

const std::vector<TrackGroup>& trackGroups(int systemIndex)
{
    switch (systemIndex) {
    case kPaletteMarklinK:
        return marklinKGroups();
    case kPaletteTrixC:
        return trixCGroups();
    case kPaletteMarklinZ:
        return marklinZGroups();
    default:
        return marklinCGroups();
    }
}

bool isHelixKey(const std::string& key) { return key.rfind(kHelixKeyPrefix, 0) == 0; }

std::string helixKitIdOf(const std::string& key)
{
    if (!isHelixKey(key))
        return {};
    return key.substr(std::char_traits<char>::length(kHelixKeyPrefix));
}

void appendTrackGroup(PaletteList& list, const TrackGroup& group, const TrackCatalog& catalog)
{
    list.addHeader(group.name);
    for (const std::string& article : group.articles) {
        if (const CatalogPiece* piece = catalog.find(article))
            list.addItem(piece->description, article);
    }
}

PaletteList buildTrackList(int systemIndex, const TrackCatalog& catalog, const std::vector<HelixKit>& kits)
{
    PaletteList list;
    for (const TrackGroup& group : trackGroups(systemIndex))
        appendTrackGroup(list, group, catalog);
    if (systemIndex == kPaletteMarklinC) {
        list.addHeader("Helix");
        for (const HelixKit& kit : kits)
            list.addItem(kit.name, kHelixKeyPrefix + kit.kitId);
    }
    return list;
}

std::string sceneryGroupName(SceneryCategory category)
{
    switch (category) {
    case SceneryCategory::Platforms:
        return "Platforms";
    case SceneryCategory::Buildings:
        return "Buildings";
    case SceneryCategory::Stations:
        return "Stations";
    case SceneryCategory::Signals:
        return "Signals";
    case SceneryCategory::Bridges:
        return "Bridges";
    case SceneryCategory::Tunnels:
        return "Tunnels";
    case SceneryCategory::Roads:
        return "Roads";
    case SceneryCategory::Nature:
        return "Nature";
    case SceneryCategory::Vehicles:
        return "Vehicles";
    case SceneryCategory::Special:
        return "Special";
    default:
        return "Other";
    }
}

std::string signalGroupName(const std::string& id)
{
    if (id.find("semaphore") != std::string::npos)
        return "Semaphore";
    if (id.find("color") != std::string::npos)
        return "Color light";
    if (id.find("distant") != std::string::npos)
        return "Distant";
    return "Other";
}

PaletteList buildSceneryList(const std::vector<SceneryDef>& defs)
{
    PaletteList list;
    std::string lastGroup;
    for (const SceneryDef& def : defs) {
        if (inSceneryList(def.category))
            addGrouped(list, lastGroup, sceneryGroupName(def.category), def);
    }
    return list;
}

PaletteList buildSignalsList(int systemIndex, const std::vector<SceneryDef>& defs)
{
    const bool zSet = systemIndex == kPaletteMarklinZ;
    PaletteList list;
    std::string lastGroup;
    for (const SceneryDef& def : defs) {
        if (def.category == SceneryCategory::Signals && def.zScale == zSet)
            addGrouped(list, lastGroup, signalGroupName(def.id), def);
    }
    return list;
}

bool sceneryPageWanted(int systemIndex) { return systemIndex != kPaletteMarklinZ; }

} // namespace layrail
