#include "app/RecoveryStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/LayoutFolder.h"
#include "document/LayoutFile.h"

namespace layrail {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRecoverySubfolder = "recovery";
constexpr const char* kLockSuffix = ".lock";
// The safe writer's temporary files are named after the target and this.
constexpr const char* kTempMarker = ".tmp";

std::string lockPathOf(const std::string& copyPath) { return copyPath + kLockSuffix; }

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Opens and locks a lock file; -1 when another program holds it or it cannot be opened. A lock
// won on a file that its owner deleted and made anew in the meantime is worth nothing, so the
// locked file must still be the one at the path.
int lockFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat locked {};
    struct stat current {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &locked) != 0 || ::stat(path.c_str(), &current) != 0 ||
        locked.st_ino != current.st_ino || locked.st_dev != current.st_dev) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool exists(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The copy a file of the recovery folder belongs to: itself, or the copy its lock or
// temporary file was made for. Empty for a file that is none of these.
std::string copyNameOf(const std::string& fileName)
{
    const std::string copyEnd = kLayoutExtension;
    if (endsWith(fileName, copyEnd))
        return fileName;
    if (endsWith(fileName, copyEnd + kLockSuffix))
        return fileName.substr(0, fileName.size() - std::string(kLockSuffix).size());
    const size_t temp = fileName.rfind(copyEnd + kTempMarker);
    if (temp != std::string::npos)
        return fileName.substr(0, temp + copyEnd.size());
    return {};
}

std::time_t modificationTime(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : 0;
}

} // namespace

std::string recoveryTimeText(std::time_t time)
{
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr)
        return {};
    char text[32];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return std::string(text, length);
}

std::string recoveryQuestion(const RecoveryCopy& copy)
{
    return "Recover unsaved layout from " + recoveryTimeText(copy.savedAt) + "?";
}

RecoveryStore::RecoveryStore(const std::string& userDataFolder)
    : folder_((fs::path(userDataFolder) / kRecoverySubfolder).string())
{
    // The process id keeps running programs apart; the start time keeps this program from
    // reusing the name of a copy that an earlier program with the same id left behind.
    const std::string stem = "layout-" + std::to_string(::getpid()) + "-" + std::to_string(std::time(nullptr));
    copyPath_ = (fs::path(folder_) / (stem + kLayoutExtension)).string();
    for (int n = 2; exists(copyPath_) || exists(lockPathOf(copyPath_)); ++n)
        copyPath_ = (fs::path(folder_) / (stem + "-" + std::to_string(n) + kLayoutExtension)).string();
}

RecoveryStore::~RecoveryStore()
{
    if (ownLock_ >= 0)
        ::close(ownLock_);
    for (const auto& [path, fd] : claimed_)
        ::close(fd);
}

bool RecoveryStore::holdOwnLock()
{
    if (ownLock_ < 0)
        ownLock_ = lockFile(lockPathOf(copyPath_));
    return ownLock_ >= 0;
}

std::string RecoveryStore::write(const Layout& layout, const std::string& name)
{
    // The lock comes first: a copy is never on disk without its owner holding it.
    if (!ensureFolder(folder_) || !holdOwnLock())
        return "Cannot open file: " + copyPath_;
    return writeLayout(layout, copyPath_, name);
}

void RecoveryStore::remove()
{
    removeQuietly(copyPath_);
    if (ownLock_ >= 0) {
        removeQuietly(lockPathOf(copyPath_));
        ::close(ownLock_);
        ownLock_ = -1;
    }
}

std::vector<RecoveryCopy> RecoveryStore::leftBehind()
{
    std::map<std::string, std::vector<std::string>> filesOfCopy;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const std::string copyName = copyNameOf(it->path().filename().string());
        const std::string copyPath = (fs::path(folder_) / copyName).string();
        if (!copyName.empty() && copyPath != copyPath_ && claimed_.count(copyPath) == 0)
            filesOfCopy[copyPath].push_back(it->path().string());
    }

    std::vector<RecoveryCopy> copies;
    for (const auto& [copyPath, files] : filesOfCopy) {
        const int lock = lockFile(lockPathOf(copyPath));
        if (lock < 0)
            continue; // its program still runs
        for (const std::string& file : files) {
            if (file != copyPath && file != lockPathOf(copyPath))
                removeQuietly(file);
        }
        if (fs::is_regular_file(copyPath, error)) {
            claimed_[copyPath] = lock;
            copies.push_back({copyPath, modificationTime(copyPath)});
        } else {
            removeQuietly(lockPathOf(copyPath));
            ::close(lock);
        }
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.savedAt > b.savedAt; });
    return copies;
}

void RecoveryStore::discard(const RecoveryCopy& copy)
{
    removeQuietly(copy.path);
    release(copy.path);
}

void RecoveryStore::release(const std::string& copyPath)
{
    const auto claim = claimed_.find(copyPath);
    if (claim == claimed_.end())
        return;
    removeQuietly(lockPathOf(copyPath));
    ::close(claim->second);
    claimed_.erase(claim);
}

} // namespace layrail
