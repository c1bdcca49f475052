#include "panels/StoreTable.h"

#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "document/LineReader.h"

namespace layrail {

namespace {

constexpr std::string_view kHttps = "https://";

bool isUnreserved(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_' || c == '~';
}

// The characters a web address may carry unescaped; quotes, blanks and control characters never
// reach the browser.
bool isUrlCharacter(char c)
{
    return isUnreserved(c) || std::string_view(":/?#[]@!$&+,;=%").find(c) != std::string_view::npos;
}

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string lineError(size_t lineNumber, const std::string& text)
{
    return "Line " + std::to_string(lineNumber) + ": " + text;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// The host follows the scheme and any "user@" of the authority: a name or address beginning with a
// letter or digit, or an IPv6 address in brackets. "https:///cart" or "https://:443" names none.
bool namesHost(std::string_view address)
{
    const std::string_view rest = address.substr(kHttps.size());
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    const size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    return !host.empty() && (std::isalnum(static_cast<unsigned char>(host.front())) || host.front() == '[');
}

// Empty when the address is fit to be opened; the cart path is appended to the base, so it
// carries no query or fragment.
std::string addressProblem(std::string_view address, bool isBase)
{
    if (address.substr(0, kHttps.size()) != kHttps || !namesHost(address))
        return "the address " + quoted(address) + " must begin with https:// and name a host";
    for (size_t i = 0; i < address.size(); ++i) {
        const char c = address[i];
        if (!isUrlCharacter(c))
            return "the address " + quoted(address) + " holds characters a web address cannot carry";
        // A browser would take a stray '%' for an escaped character of whatever follows it.
        if (c == '%' && (i + 2 >= address.size() || !std::isxdigit(static_cast<unsigned char>(address[i + 1])) ||
                         !std::isxdigit(static_cast<unsigned char>(address[i + 2]))))
            return "the address " + quoted(address) + " holds a '%' not followed by two hexadecimal digits";
        if (isBase && (c == '?' || c == '#'))
            return "the store address " + quoted(address) + " cannot hold '?' or '#'";
    }
    return {};
}

bool hasControlCharacter(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    return false;
}

// One line already split into words; the error text without the line number.
std::string readEntry(const std::vector<std::string_view>& words, StoreTable& table, bool& haveHome)
{
    const std::string_view key = words[0];
    if (key == "base" || key == "home") {
        if (words.size() != 2)
            return quoted(key) + " needs one address";
        const bool isBase = key == "base";
        std::string& target = isBase ? table.baseUrl : table.homeUrl;
        if (!target.empty())
            return quoted(key) + " is given twice";
        const std::string problem = addressProblem(words[1], isBase);
        if (!problem.empty())
            return problem;
        target = std::string(words[1]);
        if (isBase)
            while (target.size() > kHttps.size() + 1 && target.back() == '/')
                target.pop_back();
        else
            haveHome = true;
        return {};
    }
    if (key == "item") {
        if (words.size() != 3)
            return "\"item\" needs an article and a store identifier";
        const std::string_view article = words[1];
        const std::string_view identifier = words[2];
        if (hasControlCharacter(article))
            return "the article holds control characters";
        for (char c : identifier)
            if (!isUnreserved(c))
                return "the store identifier " + quoted(identifier) +
                       " may hold only letters, digits, '-', '.', '_' and '~'";
        if (!table.items.emplace(std::string(article), std::string(identifier)).second)
            return "article " + quoted(article) + " is listed twice";
        return {};
    }
    return "unknown entry " + quoted(key) + " (expected base, home or item)";
}

} // namespace

const std::string* StoreTable::identifierOf(const std::string& article) const
{
    const auto it = items.find(article);
    return it == items.end() ? nullptr : &it->second;
}

std::string readStoreTable(const std::string& path, StoreTable& table)
{
    LineReader reader(path);
    if (!reader.isOpen())
        return cannotOpenText(path);
    StoreTable read;
    bool haveHome = false;
    std::string_view line;
    for (;;) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::TooLong)
            return lineTooLongText(reader.lineNumber());
        if (status == LineReader::Status::ReadError)
            return cannotReadText(path);
        if (reader.lineNumber() == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string_view> words = splitWords(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        const std::string error = readEntry(words, read, haveHome);
        if (!error.empty())
            return lineError(reader.lineNumber(), error);
    }
    if (read.baseUrl.empty())
        return "The store file names no store address (a line \"base https://...\")";
    if (!haveHome)
        read.homeUrl = read.baseUrl;
    table = std::move(read);
    return {};
}

StoreTableLoad loadStoreTable(const std::vector<std::string>& folders)
{
    StoreTableLoad load;
    std::string searched;
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        const std::string path = (std::filesystem::path(folder) / kStoreFileName).string();
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            searched += "\n  " + path;
            continue;
        }
        load.path = path;
        const std::string error = readStoreTable(path, load.table);
        if (!error.empty())
            load.error = path + "\n" + error;
        return load;
    }
    load.error = "No store table was found. Looked for:" + searched;
    return load;
}

std::vector<std::string> storeTableFolders(const std::string& userDataFolder, const std::string& programDataFolder)
{
    return {userDataFolder, programDataFolder};
}

} // namespace layrail
