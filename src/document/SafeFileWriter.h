#pragma once

#include <string>
#include <string_view>

namespace layrail {

// Writes a file so that the previous one is never lost: the text goes to a
// temporary file in the same folder, which is flushed to disk and then renamed
// over the target. Any failure removes the temporary file and leaves the target
// as it was.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Returns "Cannot open file: " and the path when the target cannot be written.
    std::string open(const std::string& path);
    // Buffered; a failure is remembered and reported by commit.
    void write(std::string_view text);
    // Returns "Cannot write file: " and the path when any write, the flush or the
    // rename failed; empty on success.
    std::string commit();

private:
    bool flushBuffer();
    void discard();

    std::string path_;
    std::string target_;
    std::string tempPath_;
    std::string buffer_;
    int fd_ = -1;
    bool failed_ = false;
};

} // namespace layrail
