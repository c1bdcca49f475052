#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace layrail::fuzz {

// The readers take paths: each input goes through a file in a folder of this process's own, in
// memory where /dev/shm exists. The folder goes when the process ends normally.
inline const std::string& scratchFolder()
{
    // Never destroyed, so that the clean-up at exit still finds it.
    static const std::string* folder = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        const std::filesystem::path own = base / ("layrail_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(own);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*folder, ignored);
        });
        return new std::string(own.string());
    }();
    return *folder;
}

} // namespace layrail::fuzz
