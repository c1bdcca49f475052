#include "app/CommandLineFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/LayoutFolder.h"
#include "document/LineReader.h"

namespace layrail {

namespace fs = std::filesystem;

namespace {

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

bool hasLayoutExtension(const fs::path& path)
{
    const std::string extension = lowerAscii(path.extension().string());
    return extension == kLayoutExtension || extension == kBlockExtension;
}

} // namespace

CommandLineFile commandLineFile(const std::vector<std::string>& arguments, const std::string& currentFolder)
{
    auto first = arguments.begin();
    if (first != arguments.end() && *first == "--")
        ++first;
    CommandLineFile result;
    if (first == arguments.end())
        return result;

    fs::path path(*first);
    if (path.is_relative())
        path = fs::path(currentFolder) / path;
    result.path = path.lexically_normal().string();

    std::error_code error;
    if (!fs::is_regular_file(result.path, error))
        result.problem = cannotOpenText(result.path);
    else if (!hasLayoutExtension(result.path))
        result.problem = "This is not a layout file:\n" + result.path +
                         "\n\nLayrail opens layouts ending in .lyr, and older layouts ending in .xml.";
    return result;
}

} // namespace layrail
