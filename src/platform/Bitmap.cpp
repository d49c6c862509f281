#include "platform/Bitmap.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/Files.h"

namespace morvek {

namespace {

// A damaged header must not make us allocate gigabytes; the game's largest sheet is far
// below this.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{64} << 20;

[[noreturn]] void fail(const char* kind, const std::string& path, const std::string& what) {
    throw PlatformError(std::string(kind) + " \"" + path + "\": " + what);
}
[[noreturn]] void failBitmap(const std::string& path, const std::string& what) {
    fail("bitmap", path, what);
}

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

struct FileClose {
    void operator()(SDL_RWops* f) const { SDL_RWclose(f); }
};
using FilePtr = std::unique_ptr<SDL_RWops, FileClose>;

/// `what`, with SDL's reason why `file` could not be opened when it gives one. SDL says
/// "Couldn't open <file>", which repeats the name the error already gives: only what it
/// adds beyond that is kept.
std::string openFailure(const std::string& what, const std::string& file) {
    std::string reason = SDL_GetError();
    const std::string repeat = "Couldn't open " + file;
    if (reason.compare(0, repeat.size(), repeat) == 0) reason.erase(0, repeat.size());
    reason.erase(0, std::min(reason.size(), reason.find_first_not_of(" :")));
    return reason.empty() ? what : what + ": " + reason;
}

uint32_t le32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return SDL_SwapLE32(v);
}

/// SDL reads bitmaps of any depth (widening 1- and 4-bit ones to 8) and sizes its surface
/// from the header before it reads a pixel, reading zeros for any field past the end of the
/// file. The game's pictures are 8-bit, uncompressed or RLE8, so the header fields that
/// decide this are checked first, and the picture they claim must fit in the file: a damaged
/// header must not make us allocate far beyond what the file holds. A file that does not
/// start with "BM" is not a bitmap at all, and left to SDL to refuse.
void checkHeader(SDL_RWops* file, const std::string& path) {
    uint8_t h[54];  // the file header (14 bytes), then the info header (40)
    const size_t got = SDL_RWread(file, h, 1, sizeof h);
    const int64_t size = SDL_RWsize(file);
    if (SDL_RWseek(file, 0, RW_SEEK_SET) != 0 || size < 0) failBitmap(path, "cannot seek");
    if (size == 0) failBitmap(path, "empty file");
    if (got < 2 || h[0] != 'B' || h[1] != 'M') return;
    if (got < 18) failBitmap(path, "damaged header (file too short)");
    const uint32_t infoSize = le32(h + 14);
    if (infoSize < 40) {
        if (infoSize == 12) failBitmap(path, "old-style (core header) bitmaps are not supported");
        failBitmap(path, "damaged header (header size " + std::to_string(infoSize) + ")");
    }
    if (got < sizeof h || size < 14 + int64_t{infoSize})
        failBitmap(path, "damaged header (file too short)");
    const uint32_t pixelsAt = le32(h + 10);
    // SDL would read the header's own bytes as pixels.
    if (pixelsAt < 14 + int64_t{infoSize})
        failBitmap(path, "damaged header (pixels start inside the header)");
    const auto width = static_cast<int32_t>(le32(h + 18));
    const auto rawHeight = static_cast<int32_t>(le32(h + 22));
    const unsigned bitCount = h[28] | (h[29] << 8);
    const uint32_t compression = le32(h + 30);
    if (bitCount != 8)
        failBitmap(path, "only 8-bit bitmaps are supported, this one has " +
                             std::to_string(bitCount) + " bits per pixel");
    if (compression != 0 && compression != 1)  // uncompressed, RLE8
        failBitmap(path, "unsupported compression " + std::to_string(compression) +
                             " (only uncompressed and RLE8)");
    const int64_t height = rawHeight < 0 ? -int64_t{rawHeight} : int64_t{rawHeight};
    if (width > kMaxSide || height > kMaxSide || int64_t{width} * height > kMaxPixels)
        failBitmap(path, "damaged header (picture too large)");
    if (width <= 0 || height == 0) return;  // SDL refuses an empty picture

    // SDL reads the pixels from where the file header says they start.
    const int64_t pixelBytes = size > pixelsAt ? size - pixelsAt : 0;
    const int64_t pixels = int64_t{width} * height;
    // Uncompressed rows are padded to 4 bytes, and SDL reads every one whole. An RLE8 run
    // pair (2 bytes) gives at most 255 pixels; deltas and an early end of picture may skip
    // more, but a picture larger than its data could fill with runs is taken as damaged.
    const int64_t least = compression == 0 ? (int64_t{width} + 3) / 4 * 4 * height
                                           : (2 * pixels + 254) / 255;
    if (pixelBytes < least)
        failBitmap(path, "damaged (file too short for a " + std::to_string(width) + "x" +
                             std::to_string(height) + (compression == 0 ? "" : " RLE8") +
                             " picture)");
}

/// An SDL view of `pixels` (no copy); `w` x `h` from the top left. SDL only reads it.
SurfacePtr indexedView(const Surface8& pixels, int32_t w, int32_t h, const Palette& colours,
                       uint8_t alpha) {
    SurfacePtr s(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pixels.data()), w, h,
                                                    8, pixels.width(),
                                                    SDL_PIXELFORMAT_INDEX8));
    if (!s) return s;
    SDL_Color table[256];
    for (size_t i = 0; i < 256; ++i)
        table[i] = SDL_Color{colours[i].r, colours[i].g, colours[i].b, alpha};
    if (SDL_SetPaletteColors(s->format->palette, table, 0, 256) != 0) s.reset();
    return s;
}

}  // namespace

Bitmap loadBitmap(const std::string& path) {
    // The data tables mix the case of file names; find the file as the folder spells it.
    const std::string actual = resolvePathCaseInsensitive(path).value_or(path);
    // A folder opens and reads as nothing, which SDL would only call a failed read.
    std::error_code ec;
    if (std::filesystem::is_directory(actual, ec)) failBitmap(path, "a folder, not a picture");
    FilePtr file(SDL_RWFromFile(actual.c_str(), "rb"));
    if (!file) failBitmap(path, openFailure("cannot open file", actual));
    checkHeader(file.get(), path);
    const SurfacePtr s(SDL_LoadBMP_RW(file.get(), 0));
    if (!s) failBitmap(path, SDL_GetError());
    const SDL_Palette* table = s->format->palette;
    if (s->format->format != SDL_PIXELFORMAT_INDEX8 || !table)
        failBitmap(path, "not an 8-bit bitmap");

    Bitmap bmp;
    for (int i = 0; i < std::min(table->ncolors, 256); ++i)
        bmp.colours[static_cast<size_t>(i)] =
            Rgb{table->colors[i].r, table->colors[i].g, table->colors[i].b};
    bmp.pixels = Surface8(s->w, s->h);
    for (int32_t y = 0; y < s->h; ++y)
        std::memcpy(bmp.pixels.row(y), static_cast<const uint8_t*>(s->pixels) + y * s->pitch,
                    static_cast<size_t>(s->w));
    return bmp;
}

void writeBitmap(const std::string& path, const Surface8& pixels, const Palette& colours) {
    if (pixels.isEmpty()) failBitmap(path, "nothing to write");
    // Alpha 0: SDL stores it as each colour's reserved byte, which is zero in a bitmap.
    const SurfacePtr s = indexedView(pixels, pixels.width(), pixels.height(), colours, 0);
    if (!s) failBitmap(path, SDL_GetError());
    FilePtr file(SDL_RWFromFile(path.c_str(), "wb"));
    if (!file) failBitmap(path, openFailure("cannot create file", path));
    if (SDL_SaveBMP_RW(s.get(), file.get(), 0) != 0)
        failBitmap(path, std::string("write failed: ") + SDL_GetError());
    if (SDL_RWclose(file.release()) != 0)
        failBitmap(path, std::string("write failed: ") + SDL_GetError());
}

void writePng(const std::string& path, const Surface8& pixels, const Palette& colours) {
    const int32_t w = std::min(pixels.width(), kScreenWidth);
    const int32_t h = std::min(pixels.height(), kScreenHeight);
    if (w <= 0 || h <= 0) fail("PNG", path, "nothing to write");
    const SurfacePtr s = indexedView(pixels, w, h, colours, SDL_ALPHA_OPAQUE);
    if (!s) fail("PNG", path, SDL_GetError());
    FilePtr file(SDL_RWFromFile(path.c_str(), "wb"));
    if (!file) fail("PNG", path, openFailure("cannot create file", path));
    if (IMG_SavePNG_RW(s.get(), file.get(), 0) != 0)
        fail("PNG", path, std::string("write failed: ") + IMG_GetError());
    if (SDL_RWclose(file.release()) != 0)
        fail("PNG", path, std::string("write failed: ") + SDL_GetError());
}

RgbPicture loadPng(const std::string& path) {
    FilePtr file(SDL_RWFromFile(path.c_str(), "rb"));
    if (!file) fail("PNG", path, openFailure("cannot open file", path));
    const SurfacePtr loaded(IMG_Load_RW(file.get(), 0));
    if (!loaded) fail("PNG", path, IMG_GetError());
    const SurfacePtr s(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB24, 0));
    if (!s) fail("PNG", path, SDL_GetError());
    RgbPicture pic{s->w, s->h, {}};
    pic.pixels.reserve(static_cast<size_t>(s->w) * static_cast<size_t>(s->h));
    for (int32_t y = 0; y < s->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
        for (int32_t x = 0; x < s->w; ++x)
            pic.pixels.push_back(Rgb{row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
    return pic;
}

}  // namespace morvek
