#include "document/SafeFileWriter.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace layrail {

namespace {

constexpr size_t kFlushSize = 64 * 1024;

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// A link is replaced through its target, so the link itself survives the rename.
std::string resolveLink(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

} // namespace

SafeFileWriter::~SafeFileWriter() { discard(); }

void SafeFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

std::string SafeFileWriter::open(const std::string& path)
{
    discard();
    path_ = path;
    target_ = resolveLink(path);
    buffer_.clear();
    failed_ = false;
    const std::string cannotOpen = "Cannot open file: " + path;

    // A write-protected file or a folder in the way must fail as a plain open would.
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0))
        return cannotOpen;

    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            target_ + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            tempPath_ = candidate;
            break;
        }
        if (errno != EEXIST)
            return cannotOpen;
    }
    if (fd_ < 0)
        return cannotOpen;
    if (exists)
        ::fchmod(fd_, existing.st_mode & 07777);
    return {};
}

void SafeFileWriter::write(std::string_view text)
{
    if (failed_)
        return;
    buffer_.append(text.data(), text.size());
    if (buffer_.size() >= kFlushSize)
        flushBuffer();
}

bool SafeFileWriter::flushBuffer()
{
    if (fd_ < 0)
        failed_ = true;
    size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<size_t>(n);
    }
    buffer_.clear();
    return !failed_;
}

std::string SafeFileWriter::commit()
{
    const std::string cannotWrite = "Cannot write file: " + path_;
    if (!flushBuffer() || ::fsync(fd_) != 0) {
        discard();
        return cannotWrite;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || std::rename(tempPath_.c_str(), target_.c_str()) != 0) {
        discard();
        return cannotWrite;
    }
    tempPath_.clear();
    // Makes the rename itself durable; not every file system can sync a folder.
    const int folder = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

} // namespace layrail
