#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace layrail {

// Where "Buy Track" sends the cart: the store's addresses and the item identifier of every
// article it sells. Read from a plain text file, one entry a line:
//   base https://shop.example        the store; the cart goes to base + "/cart/" + items
//   home https://shop.example/info   the page the About dialog links to (optional, else base)
//   item 24188 00000000024188        an article (or scenery id) and the store's identifier
// Blank lines and lines beginning with '#' are skipped.
struct StoreTable {
    std::string baseUrl; // without a trailing '/'
    std::string homeUrl;
    std::unordered_map<std::string, std::string> items;

    bool purchasable(const std::string& article) const { return items.count(article) != 0; }
    // Null when the store does not sell the article.
    const std::string* identifierOf(const std::string& article) const;
};

inline constexpr const char* kStoreFileName = "store.txt";

// Reads a store file; the error text (empty on success) names the line at fault.
std::string readStoreTable(const std::string& path, StoreTable& table);

struct StoreTableLoad {
    StoreTable table;
    std::string path;  // the file read, empty when none was found
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

// Reads store.txt from the first folder that holds one, so a user's own copy placed in a folder
// listed first wins. A broken file is reported, not passed over: the cart must not silently go
// to another store than the one the user set up.
StoreTableLoad loadStoreTable(const std::vector<std::string>& folders);

// The folders to search, in order: the user's data folder (a copy there wins), then the program's
// data folder (share/layrail of the installation, or the source tree's data folder in a build).
std::vector<std::string> storeTableFolders(const std::string& userDataFolder, const std::string& programDataFolder);

} // namespace layrail
