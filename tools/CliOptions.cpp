#include "CliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace layrail {

void printError(const std::string& message) { std::fprintf(stderr, "layrail-cli: %s\n", message.c_str()); }

bool CliOptions::read(const std::vector<std::string>& args, size_t first, const std::set<std::string>& switches,
                      const std::set<std::string>& valued)
{
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& name = args[i];
        const bool takesValue = valued.count(name) != 0;
        if (!takesValue && switches.count(name) == 0) {
            printError(name.rfind("--", 0) == 0 ? "unknown option \"" + name + "\""
                                                : "unexpected argument \"" + name + "\"");
            return false;
        }
        if (given_.count(name) != 0) {
            printError("option " + name + " given twice");
            return false;
        }
        if (takesValue && i + 1 >= args.size()) {
            printError("option " + name + " needs a value");
            return false;
        }
        given_[name] = takesValue ? args[++i] : std::string();
    }
    return true;
}

const std::string* CliOptions::value(const std::string& name) const
{
    const auto it = given_.find(name);
    return it == given_.end() ? nullptr : &it->second;
}

bool parseWholeNumber(const std::string& text, const char* what, int low, int high, int& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (text.empty() || end != begin + text.size() || errno == ERANGE || parsed < low || parsed > high) {
        printError(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ": \"" + text + "\"");
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool parseNumberIn(const std::string& text, const char* what, double low, double high, double& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(begin, &end);
    if (text.empty() || end != begin + text.size() || errno == ERANGE || !std::isfinite(parsed) || parsed < low ||
        parsed > high) {
        char range[96];
        std::snprintf(range, sizeof range, " must be a number from %g to %g: \"", low, high);
        printError(std::string(what) + range + text + "\"");
        return false;
    }
    value = parsed;
    return true;
}

} // namespace layrail
