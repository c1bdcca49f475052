#include "app/LogText.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace layrail {

std::string formatLogLine(int hour, int minute, int second, int millisecond, const std::string& message)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d ", hour, minute, second, millisecond);
    return stamp + message + "\n";
}

std::string catalogLoadedText(int pieceCount)
{
    return "Built-in catalog loaded - " + std::to_string(pieceCount) + " pieces";
}

std::string exceptionText(const char* what)
{
    return std::string("EXCEPTION: ") + (what && *what ? what : "Unknown exception");
}

StartupTrace::StartupTrace(std::string path) : path_(std::move(path)) {}

void StartupTrace::write(const char* message)
{
    if (!reset_) {
        std::remove(path_.c_str());
        reset_ = true;
    }
    std::FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file)
        return;
    if (message)
        std::fwrite(message, 1, std::strlen(message), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
}

} // namespace layrail
