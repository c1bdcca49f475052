#pragma once

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// A recovery copy left behind by a program that ended without cleaning up (a crash, a kill,
// a power cut).
struct RecoveryCopy {
    std::string path;
    std::time_t savedAt = 0; // when it was last written
};

// "Recover unsaved layout from 2024-05-01 14:03?", the time in local time.
std::string recoveryQuestion(const RecoveryCopy& copy);
constexpr const char* kRecoveryTitle = "Recover Layout";
// "%Y-%m-%d %H:%M" in local time.
std::string recoveryTimeText(std::time_t time);

// The recovery copies of the user's unsaved layouts, in the "recovery" folder of the user's data
// folder. Every running program keeps its own copy there and holds a lock on it for as long as
// it runs, so that two programs never write or offer each other's copies; the lock dies with the
// program however it ends. Copies go through the safe writer, so a kill at any moment leaves the
// previous copy or the new one, never a broken one.
class RecoveryStore {
public:
    explicit RecoveryStore(const std::string& userDataFolder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const std::string& folder() const { return folder_; }
    // This program's copy; the file exists only between a write and remove().
    const std::string& copyPath() const { return copyPath_; }

    // Writes the layout under its name as this program's copy; an error text, empty on success.
    std::string write(const Layout& layout, const std::string& name);
    // Deletes this program's copy: the layout was saved, closed without saving, or the program
    // ends cleanly.
    void remove();

    // The copies of programs that no longer run, newest first. They stay claimed by this store
    // until discarded or the store ends, so a second program starting at the same time does
    // not offer them too. Half-written temporary files of those programs are deleted.
    std::vector<RecoveryCopy> leftBehind();
    // Deletes a copy found by leftBehind (the user declined it, or its layout now has this
    // program's own copy).
    void discard(const RecoveryCopy& copy);

private:
    bool holdOwnLock();
    void release(const std::string& copyPath);

    std::string folder_;
    std::string copyPath_;
    int ownLock_ = -1;
    std::map<std::string, int> claimed_; // copy path -> lock held on it
};

} // namespace layrail
