#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace layrail {

// Reads a regular file line by line (line feed separated), holding one line at a
// time. Lines are capped so that a file without line breaks cannot exhaust memory.
class LineReader {
public:
    static constexpr std::size_t kMaxLineLength = 4 * 1024 * 1024;

    enum class Status { Line, End, TooLong, ReadError };

    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False when the file cannot be opened or is not a regular file.
    bool isOpen() const { return file_ != nullptr; }
    // The next line without its line feed. The text lives in the reader's buffer and
    // stays valid only until the next call.
    Status next(std::string_view& line);
    // The number of the line last returned, counting from 1.
    std::size_t lineNumber() const { return lineNumber_; }

private:
    // Keeps the unfinished line and appends what the file holds next; false at the
    // end of the file or on a read error.
    bool fill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // Where the search for the next line feed goes on: the unfinished line before it has none.
    std::size_t searched_ = 0;
    std::size_t lineNumber_ = 0;
    bool eof_ = false;
    bool error_ = false;
};

// "Cannot open file: " and the path, the text of every document file that cannot be opened.
std::string cannotOpenText(const std::string& path);
// "Cannot read file: " and the path, for a read error after the file was opened.
std::string cannotReadText(const std::string& path);
// "Line N: line too long".
std::string lineTooLongText(std::size_t lineNumber);

} // namespace layrail
