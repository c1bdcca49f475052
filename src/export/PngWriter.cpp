#include "export/PngWriter.h"

#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include <cairo.h>
#include <png.h>

#include "document/SafeFileWriter.h"

namespace layrail {

namespace {

constexpr int kCompressionLevel = 1;

void writeData(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<SafeFileWriter*>(png_get_io_ptr(png))->write(std::string_view(reinterpret_cast<char*>(data), length));
}

void flushData(png_structp) {}

// Cairo keeps a pixel as one native 32-bit word 0x00RRGGBB; PNG wants the bytes R, G, B.
void packRow(const unsigned char* source, int width, unsigned char* row)
{
    for (int x = 0; x < width; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, source + 4 * x, sizeof pixel);
        row[3 * x] = static_cast<unsigned char>(pixel >> 16);
        row[3 * x + 1] = static_cast<unsigned char>(pixel >> 8);
        row[3 * x + 2] = static_cast<unsigned char>(pixel);
    }
}

// libpng reports its errors by a long jump back into this function, so nothing in it may need a
// destructor; the row buffer belongs to the caller.
bool encode(const unsigned char* pixels, int width, int height, int stride, int dpi, unsigned char* row,
            SafeFileWriter* writer)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, writer, writeData, flushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const auto perMetre = static_cast<png_uint_32>(std::lround(dpi / 0.0254));
    png_set_pHYs(png, info, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        packRow(pixels + static_cast<size_t>(y) * static_cast<size_t>(stride), width, row);
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string writePng(cairo_surface_t* surface, int dpi, SafeFileWriter& writer)
{
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    if (pixels == nullptr || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24)
        return "Cannot write the picture: it has no pixels to write.";
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    if (!encode(pixels, width, height, cairo_image_surface_get_stride(surface), dpi, row.data(), &writer))
        return "Cannot write the picture: the PNG encoder failed.";
    return {};
}

} // namespace layrail
