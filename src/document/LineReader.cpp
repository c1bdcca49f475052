#include "document/LineReader.h"

#include <cstring>
#include <sys/stat.h>

namespace layrail {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

LineReader::LineReader(const std::string& path) : buffer_(kChunk)
{
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return;
    // Directories, pipes and devices are refused: a device like /dev/zero never ends.
    struct stat info {};
    if (fstat(fileno(file_), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

LineReader::~LineReader()
{
    if (file_)
        std::fclose(file_);
}

bool LineReader::fill()
{
    if (eof_ || error_)
        return false;
    begin_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0) {
        if (std::ferror(file_))
            error_ = true;
        else
            eof_ = true;
        return false;
    }
    return true;
}

LineReader::Status LineReader::next(std::string& line)
{
    line.clear();
    if (!file_)
        return Status::ReadError;
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            if (error_)
                return Status::ReadError;
            if (!any)
                return Status::End;
            ++lineNumber_;
            return Status::Line;
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const void* feed = std::memchr(start, '\n', available);
        const std::size_t take = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) : available;
        if (line.size() + take > kMaxLineLength) {
            ++lineNumber_;
            line.clear();
            return Status::TooLong;
        }
        line.append(start, take);
        if (feed) {
            begin_ += take + 1;
            ++lineNumber_;
            return Status::Line;
        }
        begin_ = end_;
    }
}

std::string cannotOpenText(const std::string& path) { return "Cannot open file: " + path; }

std::string cannotReadText(const std::string& path) { return "Cannot read file: " + path; }

std::string lineTooLongText(std::size_t lineNumber)
{
    return "Line " + std::to_string(lineNumber) + ": line too long";
}

} // namespace layrail
