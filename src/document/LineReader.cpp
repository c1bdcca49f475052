#include "document/LineReader.h"

#include <algorithm>
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
    const std::size_t kept = end_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, kept);
    searched_ -= begin_;
    begin_ = 0;
    end_ = kept;
    // A long line doubles the buffer; the line cap bounds it.
    if (end_ + kChunk > buffer_.size())
        buffer_.resize(std::max(2 * buffer_.size(), end_ + kChunk));
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
    if (got == 0) {
        if (std::ferror(file_))
            error_ = true;
        else
            eof_ = true;
        return false;
    }
    end_ += got;
    return true;
}

LineReader::Status LineReader::next(std::string_view& line)
{
    line = {};
    if (!file_)
        return Status::ReadError;
    for (;;) {
        const char* const start = buffer_.data() + begin_;
        const void* feed = std::memchr(buffer_.data() + searched_, '\n', end_ - searched_);
        const std::size_t length =
            feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) : end_ - begin_;
        if (length > kMaxLineLength) {
            ++lineNumber_;
            return Status::TooLong;
        }
        if (feed) {
            line = std::string_view(start, length);
            begin_ += length + 1;
            searched_ = begin_;
            ++lineNumber_;
            return Status::Line;
        }
        searched_ = end_;
        if (!fill()) {
            if (error_)
                return Status::ReadError;
            if (begin_ == end_)
                return Status::End;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            ++lineNumber_;
            return Status::Line;
        }
    }
}

std::string cannotOpenText(const std::string& path) { return "Cannot open file: " + path; }

std::string cannotReadText(const std::string& path) { return "Cannot read file: " + path; }

std::string lineTooLongText(std::size_t lineNumber)
{
    return "Line " + std::to_string(lineNumber) + ": line too long";
}

} // namespace layrail
