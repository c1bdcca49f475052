#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "catalog/TrackCatalog.h"
#include "support/FileTestSupport.h"
#include "panels/StoreTable.h"

namespace layrail {
namespace {

using test::TempFolder;
using test::writeFile;

std::string readText(const TempFolder& folder, const std::string& text, StoreTable& table)
{
    const std::string path = folder.file("store.txt");
    writeFile(path, text);
    return readStoreTable(path, table);
}

TEST(StoreTable, MalformedFilesNameTheLineAtFault)
{
    const std::string base = "base https://shop.example\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "The store file names no store address (a line \"base https://...\")"},
        {"# only a comment\nitem 24188 A1\n", "The store file names no store address (a line \"base https://...\")"},
        {"base http://shop.example\n",
         "Line 1: the address \"http://shop.example\" must begin with https:// and name a host"},
        {"base https://\n", "Line 1: the address \"https://\" must begin with https:// and name a host"},
        {"base https:///cart\n", "Line 1: the address \"https:///cart\" must begin with https:// and name a host"},
        {"base https://;shop.example\n",
         "Line 1: the address \"https://;shop.example\" must begin with https:// and name a host"},
        {"base https://:443/x\n", "Line 1: the address \"https://:443/x\" must begin with https:// and name a host"},
        {"base https://dealer@\n",
         "Line 1: the address \"https://dealer@\" must begin with https:// and name a host"},
        {base + "home https://?about\n",
         "Line 2: the address \"https://?about\" must begin with https:// and name a host"},
        {"base\n", "Line 1: \"base\" needs one address"},
        {"base https://a.example https://b.example\n", "Line 1: \"base\" needs one address"},
        {base + base, "Line 2: \"base\" is given twice"},
        {"base https://shop.example/?q=1\n",
         "Line 1: the store address \"https://shop.example/?q=1\" cannot hold '?' or '#'"},
        {"base https://shop.example/\"x\n",
         "Line 1: the address \"https://shop.example/\"x\" holds characters a web address cannot carry"},
        {"base https://shop.example/50%\n",
         "Line 1: the address \"https://shop.example/50%\" holds a '%' not followed by two hexadecimal digits"},
        {base + "home https://shop.example/a%2\n",
         "Line 2: the address \"https://shop.example/a%2\" holds a '%' not followed by two hexadecimal digits"},
        {base + "home https://shop.example/%zz\n",
         "Line 2: the address \"https://shop.example/%zz\" holds a '%' not followed by two hexadecimal digits"},
        {base + "home https://shop.example/<script>\n",
         "Line 2: the address \"https://shop.example/<script>\" holds characters a web address cannot carry"},
        {base + "\n# items\nitem 24188\n", "Line 4: \"item\" needs an article and a store identifier"},
        {base + "item 24188 A1 extra\n", "Line 2: \"item\" needs an article and a store identifier"},
        {base + "item 24188 12:3\n",
         "Line 2: the store identifier \"12:3\" may hold only letters, digits, '-', '.', '_' and '~'"},
        {base + "item 24188 a,b\n",
         "Line 2: the store identifier \"a,b\" may hold only letters, digits, '-', '.', '_' and '~'"},
        {base + "item 24188 A1\nitem 24188 A2\n", "Line 3: article \"24188\" is listed twice"},
        {base + "item 24\x01"
                "188 A1\n",
         "Line 2: the article holds control characters"},
        {base + "24188 A1\n", "Line 2: unknown entry \"24188\" (expected base, home or item)"},
        {"\xEF\xBB\xBF"
         "bass https://shop.example\n",
         "Line 1: unknown entry \"bass\" (expected base, home or item)"},
    };
    TempFolder folder;
    for (const auto& [text, error] : cases) {
        StoreTable table;
        table.baseUrl = "https://kept.example";
        EXPECT_EQ(readText(folder, text, table), error) << text;
        EXPECT_EQ(table.baseUrl, "https://kept.example") << "a failed read leaves the table alone: " << text;
    }
}

TEST(StoreTable, ReadsBlanksCommentsTabsCrLfAndAByteOrderMark)
{
    TempFolder folder;
    StoreTable table;
    ASSERT_EQ(readText(folder,
                       "\xEF\xBB\xBF# Dealer table\r\n\r\n  base\thttps://shop.example/store//\r\n"
                       "item 24188 00000000024188\r\n\titem  tunnel_portal_single  P-1.a_b~c\n   # indented comment\n"
                       "item 2200 K2200",
                       table),
              "");
    EXPECT_EQ(table.baseUrl, "https://shop.example/store");
    EXPECT_EQ(table.homeUrl, "https://shop.example/store") << "the home page defaults to the store";
    EXPECT_EQ(table.items.size(), 3u);
    ASSERT_NE(table.identifierOf("24188"), nullptr);
    EXPECT_EQ(*table.identifierOf("24188"), "00000000024188");
    EXPECT_EQ(*table.identifierOf("tunnel_portal_single"), "P-1.a_b~c");
    EXPECT_EQ(*table.identifierOf("2200"), "K2200") << "the last line needs no line feed";
    EXPECT_FALSE(table.purchasable("62188"));
    EXPECT_EQ(table.identifierOf("62188"), nullptr);

    ASSERT_EQ(readText(folder, "home https://shop.example/about\nbase https://shop.example\n", table), "");
    EXPECT_EQ(table.homeUrl, "https://shop.example/about");
    EXPECT_TRUE(table.items.empty());

    // A host may follow a user name and carry a port, or be an IPv6 address.
    ASSERT_EQ(readText(folder, "base https://dealer@shop.example:8443/\nhome https://[2001:db8::1]/\n", table), "");
    EXPECT_EQ(table.baseUrl, "https://dealer@shop.example:8443");
    EXPECT_EQ(table.homeUrl, "https://[2001:db8::1]/");
    ASSERT_EQ(readText(folder, "base https://shop.example/%C3%A4\n", table), "");
    EXPECT_EQ(table.baseUrl, "https://shop.example/%C3%A4") << "escaped characters are kept as written";
}

TEST(StoreTable, RandomDamageNeverCrashesAndNamesALineOfTheFile)
{
    const std::string good = test::readFile(LAYRAIL_STORE_FILE);
    ASSERT_FALSE(good.empty());
    std::mt19937 random(77);
    TempFolder folder;
    int failures = 0;
    for (int round = 0; round < 120; ++round) {
        std::string text = good;
        for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n) {
            const size_t at = random() % text.size();
            switch (random() % 3) {
            case 0:
                text[at] = static_cast<char>(random() & 0xFF);
                break;
            case 1:
                text.erase(at, random() % 40);
                break;
            default:
                text.insert(at, std::string(1 + random() % 3, "\t :,\"\n\r#\0x"[random() % 10]));
                break;
            }
        }
        StoreTable table;
        const std::string error = readText(folder, text, table);
        if (error.empty()) {
            EXPECT_EQ(table.baseUrl.rfind("https://", 0), 0u);
            continue;
        }
        ++failures;
        const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        if (error.rfind("Line ", 0) == 0) {
            const size_t line = std::stoul(error.substr(5));
            EXPECT_GE(line, 1u);
            EXPECT_LE(line, lines) << error;
        } else {
            EXPECT_EQ(error, "The store file names no store address (a line \"base https://...\")");
        }
    }
    EXPECT_GT(failures, 40) << "the damage should break most copies";
}

TEST(StoreTable, ShippedTableIsAPlaceholderForEveryMarklinArticle)
{
    StoreTable table;
    ASSERT_EQ(readStoreTable(LAYRAIL_STORE_FILE, table), "");
    for (const std::string& address : {table.baseUrl, table.homeUrl}) {
        EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
        const std::string host = address.substr(8, address.find('/', 8) - 8);
        EXPECT_GE(host.size(), 8u);
        EXPECT_EQ(host.substr(host.size() - 8), ".example") << "placeholder hosts stay in the reserved domain";
    }
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces()) {
        const std::string* identifier = table.identifierOf(piece.article);
        if (piece.system == TrackSystem::TrixC) {
            EXPECT_EQ(identifier, nullptr) << piece.article << ": TRIX is not sold";
        } else {
            ASSERT_NE(identifier, nullptr) << piece.article;
            EXPECT_NE(identifier->find(piece.article), std::string::npos) << "made from the article number";
        }
    }
    for (const char* accessory : {"74491", "75491", "74462", "74467"})
        EXPECT_TRUE(table.purchasable(accessory)) << accessory;
}

TEST(StoreTable, TheFirstFolderHoldingATableWins)
{
    TempFolder user, installed, empty;
    writeFile(installed.file("store.txt"), "base https://installed.example\nitem 24188 I1\n");

    StoreTableLoad load = loadStoreTable({user.path(), "", installed.path()});
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.path, installed.file("store.txt"));
    EXPECT_EQ(load.table.baseUrl, "https://installed.example");

    writeFile(user.file("store.txt"), "base https://mine.example\n");
    load = loadStoreTable({user.path(), installed.path()});
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.table.baseUrl, "https://mine.example");
    EXPECT_FALSE(load.table.purchasable("24188"));

    // A broken own copy is reported rather than passed over for another store.
    writeFile(user.file("store.txt"), "base https://mine.example\nitem 24188\n");
    load = loadStoreTable({user.path(), installed.path()});
    EXPECT_FALSE(load.ok());
    EXPECT_EQ(load.error, user.file("store.txt") + "\nLine 2: \"item\" needs an article and a store identifier");

    load = loadStoreTable({empty.path(), empty.path() + "/none"});
    EXPECT_FALSE(load.ok());
    EXPECT_EQ(load.error, "No store table was found. Looked for:\n  " + empty.file("store.txt") + "\n  " +
                              empty.path() + "/none/store.txt");
    EXPECT_EQ(load.path, "");

    std::filesystem::create_directory(empty.file("store.txt"));
    load = loadStoreTable({empty.path()});
    EXPECT_EQ(load.error, empty.file("store.txt") + "\nCannot open file: " + empty.file("store.txt"));
}

TEST(StoreTable, AUsersOwnCopyWinsOverTheShippedTable)
{
    const std::string shipped = std::filesystem::path(LAYRAIL_STORE_FILE).parent_path().string();
    TempFolder user;
    StoreTableLoad load = loadStoreTable(storeTableFolders(user.path(), shipped));
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.path, (std::filesystem::path(shipped) / "store.txt").string());

    writeFile(user.file("store.txt"), "base https://dealer.example\nitem 24188 D-24188\n");
    load = loadStoreTable(storeTableFolders(user.path(), shipped));
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.path, user.file("store.txt"));
    EXPECT_EQ(*load.table.identifierOf("24188"), "D-24188");
}

} // namespace
} // namespace layrail
