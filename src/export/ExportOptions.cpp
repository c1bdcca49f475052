#include "export/ExportOptions.h"

#include <algorithm>
#include <cctype>

namespace layrail {

namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

bool formatFromPath(const std::string& path, PlanFormat& format)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    const std::string extension = lowered(path.substr(dot + 1));
    for (PlanFormat f : {PlanFormat::Png, PlanFormat::Svg, PlanFormat::Pdf}) {
        if (extension == formatExtension(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

const char* formatExtension(PlanFormat format)
{
    switch (format) {
    case PlanFormat::Png:
        return "png";
    case PlanFormat::Svg:
        return "svg";
    default:
        return "pdf";
    }
}

PaperSize paperSize(Paper paper) { return paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210.0, 297.0}; }

const char* paperName(Paper paper) { return paper == Paper::Letter ? "Letter" : "A4"; }

bool paperFromName(const std::string& name, Paper& paper)
{
    for (Paper p : {Paper::A4, Paper::Letter}) {
        if (lowered(name) == lowered(paperName(p))) {
            paper = p;
            return true;
        }
    }
    return false;
}

} // namespace layrail
