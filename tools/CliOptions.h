#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace layrail {

// The options after a command's fixed arguments: switches ("--grid") and options that take the
// next argument as their value ("--dpi 300"), each given at most once.
class CliOptions {
public:
    // Reads args from index `first` on; prints a one-line message and returns false on an unknown
    // or repeated option, a missing value or a stray argument.
    bool read(const std::vector<std::string>& args, size_t first, const std::set<std::string>& switches,
              const std::set<std::string>& valued);

    bool has(const std::string& name) const { return given_.count(name) != 0; }
    // Null when the option was not given.
    const std::string* value(const std::string& name) const;

private:
    std::map<std::string, std::string> given_;
};

// Prints "layrail-cli: " and the message on the error stream.
void printError(const std::string& message);

// The whole text must be a whole number within [low, high]; otherwise a message names `what`.
bool parseWholeNumber(const std::string& text, const char* what, int low, int high, int& value);
// The whole text must be a finite number within [low, high].
bool parseNumberIn(const std::string& text, const char* what, double low, double high, double& value);

} // namespace layrail
