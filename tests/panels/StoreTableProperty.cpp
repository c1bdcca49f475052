#include "panels/StoreTableProperty.h"

#include <cstdio>
#include <set>
#include <string_view>
#include <vector>

#include "panels/StoreCart.h"
#include "panels/StoreTable.h"

namespace layrail::test {

namespace {

bool putFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool isAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The unreserved and reserved characters of a web address; '%' only as the start of an escape.
bool isAddressCharacter(char c)
{
    return isAsciiAlnum(c) || std::string_view("-._~:/?#[]@!$&'()*+,;=").find(c) != std::string_view::npos;
}

// Empty when the address is a https address that names a host and carries only address characters.
std::string unsafeAddress(const std::string& address)
{
    const std::string_view scheme = "https://";
    if (address.compare(0, scheme.size(), scheme) != 0)
        return "\"" + address + "\" is not a https address";
    for (size_t i = 0; i < address.size(); ++i) {
        if (address[i] == '%') {
            if (i + 2 >= address.size() || !isHexDigit(address[i + 1]) || !isHexDigit(address[i + 2]))
                return "\"" + address + "\" holds a '%' that begins no escape";
        } else if (!isAddressCharacter(address[i])) {
            return "\"" + address + "\" holds a character a web address cannot carry";
        }
    }
    // The host follows the scheme and any "user@" of the authority; it begins with a letter, a digit or
    // the '[' of an IPv6 address.
    const std::string_view rest = std::string_view(address).substr(scheme.size());
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    const size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    if (host.empty() || !(isAsciiAlnum(host.front()) || host.front() == '['))
        return "\"" + address + "\" names no host";
    return {};
}

std::vector<std::string_view> linesOf(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string_view firstWord(std::string_view line)
{
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    const size_t end = line.find_first_of(" \t", start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string refusalFailure(const std::string& bytes, const std::string& error, const StoreTable& table,
                           const StoreTable& before)
{
    if (table.baseUrl != before.baseUrl || table.homeUrl != before.homeUrl || table.items != before.items)
        return "the refused file changed the table (" + error + ")";
    const std::vector<std::string_view> lines = linesOf(bytes);
    if (error.compare(0, 5, "Line ") == 0) {
        size_t number = 0;
        size_t i = 5;
        while (i < error.size() && error[i] >= '0' && error[i] <= '9' && number <= lines.size())
            number = number * 10 + static_cast<size_t>(error[i++] - '0');
        if (i == 5 || error.compare(i, 2, ": ") != 0 || number < 1 || number > lines.size())
            return "the error names no line of the file: " + error;
        return {};
    }
    if (error.compare(0, 37, "The store file names no store address") != 0)
        return "the error names no line: " + error;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        if (n == 0 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (firstWord(line) == "base")
            return "line " + std::to_string(n + 1) + " names a store, yet the reader says none does";
    }
    return {};
}

std::string acceptedFailure(const StoreTable& table)
{
    for (const std::string* address : {&table.baseUrl, &table.homeUrl}) {
        const std::string problem = unsafeAddress(*address);
        if (!problem.empty())
            return "accepted table: " + problem;
    }
    if (table.baseUrl.find_first_of("?#") != std::string::npos || table.baseUrl.back() == '/')
        return "accepted table: the cart path cannot follow \"" + table.baseUrl + "\"";

    // One of every article the table lists, as scenery the store sells.
    Layout layout;
    std::set<std::string> identifiers;
    for (const auto& [article, identifier] : table.items) {
        SceneryItem item;
        item.id = static_cast<int>(layout.scenery.size());
        item.item = article;
        layout.scenery.push_back(item);
        identifiers.insert(identifier);
    }
    const CartPlan plan = planCart(layout, table);
    if (!plan.skipped.empty())
        return "accepted table: the cart skips the listed article \"" + plan.skipped.front() + "\"";
    const std::string url = cartUrl(table, plan.items);
    const std::string problem = unsafeAddress(url);
    if (!problem.empty())
        return "accepted table: the cart address " + problem;
    const std::string prefix = table.baseUrl + "/cart/";
    if (url.compare(0, prefix.size(), prefix) != 0)
        return "accepted table: the cart address \"" + url + "\" does not begin with \"" + prefix + "\"";
    std::set<std::string> inCart;
    for (size_t start = prefix.size(); start < url.size();) {
        size_t end = url.find(',', start);
        if (end == std::string::npos)
            end = url.size();
        const std::string pair = url.substr(start, end - start);
        const size_t colon = pair.find(':');
        const std::string count = colon == std::string::npos ? "" : pair.substr(colon + 1);
        if (colon == std::string::npos || identifiers.count(pair.substr(0, colon)) == 0 || count.empty() ||
            count.find_first_not_of("0123456789") != std::string::npos || count.front() == '0')
            return "accepted table: the cart address \"" + url + "\" holds the pair \"" + pair + "\"";
        inCart.insert(pair.substr(0, colon));
        start = end + 1;
    }
    if (inCart != identifiers)
        return "accepted table: the cart address \"" + url + "\" misses listed articles";
    return {};
}

} // namespace

std::string storeTableFailure(const std::string& bytes, const std::string& scratchFolder)
{
    const std::string path = scratchFolder + "/store.txt";
    if (!putFile(path, bytes))
        return "cannot write " + path;
    StoreTable before;
    before.baseUrl = "https://kept.example";
    before.homeUrl = "https://kept.example/about";
    before.items = {{"24188", "kept-1"}};
    StoreTable table = before;
    const std::string error = readStoreTable(path, table);
    return error.empty() ? acceptedFailure(table) : refusalFailure(bytes, error, table, before);
}

} // namespace layrail::test
