#pragma once

#include <string>

namespace layrail {

// One run-log line: "HH:MM:SS.mmm ", the message and a single "\n".
std::string formatLogLine(int hour, int minute, int second, int millisecond, const std::string& message);

// "Built-in catalog loaded - N pieces".
std::string catalogLoadedText(int pieceCount);

// "EXCEPTION: " and the exception's message; an empty message reads "Unknown exception".
std::string exceptionText(const char* what);

// The start-up trace file: the first write of an object deletes any file left
// by an earlier run, every write appends one line ending in "\r\n" and closes
// the file again, so the trace survives a crash up to the last line written.
class StartupTrace {
public:
    explicit StartupTrace(std::string path);

    void write(const char* message);
    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool reset_ = false;
};

} // namespace layrail
