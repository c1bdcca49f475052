#pragma once

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>

#include "document/Layout.h"
#include "render/DrawTarget.h"
#include "support/CommandTestSupport.h"
#include "support/FileTestSupport.h"
#include "support/LayoutBuilding.h"

namespace layrail::exporttest {

namespace fs = std::filesystem;

using test::commandOutput;
using test::lay;
using test::readFile;
using test::withLevel;

inline size_t countOf(const std::string& text, const std::string& word)
{
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size()))
        ++count;
    return count;
}

// A PNG read back as pixels.
class Picture {
public:
    explicit Picture(const fs::path& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy)
    {
    }
    bool ok() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface_.get()); }
    int height() const { return cairo_image_surface_get_height(surface_.get()); }
    Colour at(int x, int y) const
    {
        const unsigned char* data = cairo_image_surface_get_data(surface_.get());
        const int stride = cairo_image_surface_get_stride(surface_.get());
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, data + static_cast<size_t>(y) * stride + 4 * static_cast<size_t>(x), sizeof pixel);
        return Colour{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                      static_cast<std::uint8_t>(pixel), 255};
    }
    bool near(int x, int y, Colour expected, int tolerance = 4) const
    {
        const Colour c = at(x, y);
        return std::abs(c.r - expected.r) <= tolerance && std::abs(c.g - expected.g) <= tolerance &&
               std::abs(c.b - expected.b) <= tolerance;
    }
    bool white(int x, int y) const { return near(x, y, Colour{255, 255, 255, 255}, 2); }

private:
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
};

inline std::string describe(Colour c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// A fresh folder for each test, removed afterwards.
class ExportTest : public test::FolderTest {
protected:
    // "Pages:" and "Page size:" of pdfinfo, e.g. {1, "841.89 x 595.276 pts (A4)"}.
    static std::pair<int, std::string> pdfPages(const std::string& path)
    {
        const std::string info = commandOutput("pdfinfo '" + path + "' 2>/dev/null");
        std::smatch pages, size;
        std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)"));
        std::regex_search(info, size, std::regex("Page size:\\s+([^\\n]+)"));
        return {pages.empty() ? 0 : std::stoi(pages[1]), size.empty() ? std::string() : std::string(size[1])};
    }

    // One page of a PDF as a PNG at the resolution.
    std::string pdfPageAsPng(const std::string& pdf, int page, int dpi) const
    {
        const std::string stem = file("page");
        const std::string command = "pdftoppm -png -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
                                    std::to_string(page) + " -singlefile '" + pdf + "' '" + stem + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return stem + ".png";
    }
};

} // namespace layrail::exporttest
