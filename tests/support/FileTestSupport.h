#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace layrail::test {

// A fresh folder under the system temporary folder, its name starting with the tag, removed with its
// content.
class TempFolder {
public:
    explicit TempFolder(const std::string& tag = "doc")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / ("layrail_" + tag + "_XXXXXX")).string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A test with a fresh folder of its own (dir_), removed with everything in it afterwards.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.path().empty()) << "no temporary folder"; }
    std::string file(const std::string& name) const { return folder_.file(name); }

    TempFolder folder_{"test"};
    const std::filesystem::path dir_{folder_.path()};
};

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string dataFile(const std::string& name) { return std::string(LAYRAIL_TEST_DATA_DIR) + "/" + name; }

} // namespace layrail::test
