#pragma once
// Reading and writing the game's pictures.
//
// The ".cha" files are 8-bit Windows bitmaps (uncompressed, RLE8 also read). Their pixel
// values are palette indexes used as they are: the game builds its palettes from tables
// and ignores the file's own colour table, which is returned only for pictures shown with
// their own colours (the loading picture) and for the tools.

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Surface8.h"

namespace morvek {

struct Bitmap {
    Surface8 pixels;
    Palette colours{};  ///< the file's colour table (unused entries black)
};

/// Loads an 8-bit BMP. Throws PlatformError naming the file when it is missing,
/// truncated, or not an 8-bit bitmap.
Bitmap loadBitmap(const std::string& path);

/// Writes an 8-bit uncompressed BMP with `colours` as its colour table. Throws on failure.
void writeBitmap(const std::string& path, const Surface8& pixels, const Palette& colours);

/// Writes the visible 640x480 (or the whole surface if smaller) as a PNG through
/// `colours`: a screenshot for a person. Throws on failure.
void writePng(const std::string& path, const Surface8& pixels, const Palette& colours);

/// A picture as colours, row by row: what a PNG shows.
struct RgbPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

/// Reads a PNG (a screenshot) back as colours. Throws PlatformError naming the file.
RgbPicture loadPng(const std::string& path);

}  // namespace morvek
