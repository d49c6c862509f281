#include "platform/Bitmap.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Files.h"

namespace morvek {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
// A damaged header must not make us allocate gigabytes; the game's largest sheet is far
// below this.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{64} << 20;

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw PlatformError("bitmap \"" + path + "\": " + what);
}

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void put32be(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

/// Reads `actual`; errors name `path`, the name the caller asked for.
std::vector<uint8_t> readWholeFile(const std::string& actual, const std::string& path) {
    std::ifstream in(actual, std::ios::binary);
    if (!in) fail(path, "cannot open file");
    std::vector<uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception& e) {  // a folder, an I/O error
        fail(path, std::string("read error: ") + e.what());
    }
    if (in.bad()) fail(path, "read error");
    return bytes;
}

void writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes,
                    const char* kind) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw PlatformError(std::string(kind) + " \"" + path + "\": cannot create file");
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw PlatformError(std::string(kind) + " \"" + path + "\": write failed");
}

/// Bottom-up or top-down: file row r (in storage order) is surface row rowOf(r).
struct RowOrder {
    int32_t height;
    bool topDown;
    int32_t operator()(int64_t r) const {
        return static_cast<int32_t>(topDown ? r : height - 1 - r);
    }
};

void decodeRgb(const std::string& path, const uint8_t* data, size_t size, Surface8& out,
               RowOrder order) {
    const size_t width = static_cast<size_t>(out.width());
    const size_t stride = (width + 3) & ~size_t{3};
    const size_t height = static_cast<size_t>(out.height());
    if (size / stride < height) fail(path, "truncated file (pixel rows missing)");
    for (size_t r = 0; r < height; ++r)
        std::memcpy(out.row(order(static_cast<int64_t>(r))), data + r * stride, width);
}

void decodeRle8(const std::string& path, const uint8_t* data, size_t size, Surface8& out,
                RowOrder order) {
    const int64_t width = out.width();
    const int64_t height = out.height();
    int64_t x = 0;
    int64_t line = 0;  // in storage order
    size_t p = 0;
    // Pixels that fall outside the picture (a damaged run, a delta too far) are dropped.
    auto put = [&](uint8_t v) {
        if (x < width && line < height) out.row(order(line))[x] = v;
        ++x;
    };
    for (;;) {
        if (size - p < 2) fail(path, "truncated file (RLE8 data ends before end of bitmap)");
        const uint8_t count = data[p];
        const uint8_t value = data[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(value);
            continue;
        }
        switch (value) {
        case 0:  // end of line
            x = 0;
            ++line;
            break;
        case 1:  // end of bitmap
            return;
        case 2: {  // delta: move right and on by whole lines
            if (size - p < 2) fail(path, "truncated file (RLE8 delta)");
            x += data[p];
            line += data[p + 1];
            p += 2;
            break;
        }
        default: {  // absolute run of `value` bytes, padded to a 16-bit boundary
            const size_t n = value;
            const size_t padded = n + (n & 1);
            if (size - p < padded) fail(path, "truncated file (RLE8 absolute run)");
            for (size_t i = 0; i < n; ++i) put(data[p + i]);
            p += padded;
            break;
        }
        }
        // Lines past the picture's last can only be dropped; stop walking through them.
        if (line > height) line = height;
        if (x > width) x = width;
    }
}

// ---- PNG pieces -----------------------------------------------------------------------

constexpr std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

uint32_t crc32(const uint8_t* p, size_t n) {
    const auto& table = kCrcTable;
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) c = table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t adler32(const uint8_t* p, size_t n) {
    constexpr uint32_t kMod = 65521;
    uint32_t a = 1, b = 0;
    while (n > 0) {
        // 5552 is the longest run whose sums cannot overflow 32 bits before reduction.
        const size_t chunk = std::min<size_t>(n, 5552);
        for (size_t i = 0; i < chunk; ++i) {
            a += p[i];
            b += a;
        }
        a %= kMod;
        b %= kMod;
        p += chunk;
        n -= chunk;
    }
    return (b << 16) | a;
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& body) {
    put32be(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32be(out, crc32(out.data() + start, out.size() - start));
}

/// A zlib stream of stored (uncompressed) deflate blocks: no compression, but any
/// PNG reader takes it and it needs no library.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z;
    z.reserve(raw.size() + raw.size() / 65535 * 5 + 16);
    z.push_back(0x78);  // deflate, 32K window
    z.push_back(0x01);  // no dictionary, fastest; (0x78 * 256 + 0x01) % 31 == 0
    size_t pos = 0;
    do {
        const size_t len = std::min<size_t>(raw.size() - pos, 65535);
        const bool last = pos + len == raw.size();
        z.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        put16(z, static_cast<uint32_t>(len));
        put16(z, static_cast<uint32_t>(~len & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < raw.size());
    put32be(z, adler32(raw.data(), raw.size()));
    return z;
}

}  // namespace

Bitmap loadBitmap(const std::string& path) {
    // The data tables mix the case of file names; find the file as the folder spells it.
    const std::string actual = resolvePathCaseInsensitive(path).value_or(path);
    const std::vector<uint8_t> bytes = readWholeFile(actual, path);
    const size_t size = bytes.size();
    const uint8_t* b = bytes.data();

    if (size < 2 || b[0] != 'B' || b[1] != 'M') {
        if (size < 2) fail(path, "truncated file (no header)");
        fail(path, "not a BMP file");
    }
    if (size < kFileHeaderSize + 4) fail(path, "truncated file (header)");
    const uint32_t offBits = le32(b + 10);
    const uint32_t infoSize = le32(b + 14);
    if (infoSize < kInfoHeaderSize) {
        if (infoSize == 12) fail(path, "old-style (core header) bitmaps are not supported");
        fail(path, "damaged header (header size " + std::to_string(infoSize) + ")");
    }
    if (size - kFileHeaderSize < infoSize) fail(path, "truncated file (header)");
    const uint8_t* info = b + kFileHeaderSize;
    const auto width = static_cast<int32_t>(le32(info + 4));
    const auto rawHeight = static_cast<int32_t>(le32(info + 8));
    const uint16_t bitCount = le16(info + 14);
    const uint32_t compression = le32(info + 16);
    const uint32_t clrUsed = le32(info + 32);

    if (bitCount != 8)
        fail(path, "only 8-bit bitmaps are supported, this one has " +
                       std::to_string(bitCount) + " bits per pixel");
    if (compression != kBiRgb && compression != kBiRle8)
        fail(path, "unsupported compression " + std::to_string(compression) +
                       " (only uncompressed and RLE8)");
    const int64_t height = rawHeight < 0 ? -int64_t{rawHeight} : int64_t{rawHeight};
    if (width <= 0 || height == 0) fail(path, "damaged header (no picture size)");
    if (width > kMaxSide || height > kMaxSide || int64_t{width} * height > kMaxPixels)
        fail(path, "damaged header (picture too large)");
    if (clrUsed > 256) fail(path, "damaged header (colour count " + std::to_string(clrUsed) + ")");

    Bitmap bmp;
    const size_t colours = clrUsed == 0 ? 256 : clrUsed;
    const size_t tableAt = kFileHeaderSize + infoSize;
    if ((size - tableAt) / 4 < colours) fail(path, "truncated file (colour table)");
    for (size_t i = 0; i < colours; ++i) {
        const uint8_t* e = b + tableAt + i * 4;  // blue, green, red, reserved
        bmp.colours[i] = Rgb{e[2], e[1], e[0]};
    }

    if (offBits > size) fail(path, "truncated file (no pixel data)");
    if (offBits < tableAt) fail(path, "damaged header (pixel data inside the header)");
    bmp.pixels = Surface8(width, static_cast<int32_t>(height));
    const RowOrder order{static_cast<int32_t>(height), rawHeight < 0};
    if (compression == kBiRgb)
        decodeRgb(path, b + offBits, size - offBits, bmp.pixels, order);
    else
        decodeRle8(path, b + offBits, size - offBits, bmp.pixels, order);
    return bmp;
}

void writeBitmap(const std::string& path, const Surface8& pixels, const Palette& colours) {
    if (pixels.isEmpty()) throw PlatformError("bitmap \"" + path + "\": nothing to write");
    const auto width = static_cast<size_t>(pixels.width());
    const auto height = static_cast<size_t>(pixels.height());
    const size_t stride = (width + 3) & ~size_t{3};
    const size_t offBits = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
    const size_t imageSize = stride * height;

    std::vector<uint8_t> out;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<uint32_t>(offBits + imageSize));
    put32(out, 0);  // reserved
    put32(out, static_cast<uint32_t>(offBits));
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));  // positive: bottom-up
    put16(out, 1);                              // planes
    put16(out, 8);                              // bits per pixel
    put32(out, kBiRgb);
    put32(out, static_cast<uint32_t>(imageSize));
    put32(out, 3780);  // 96 DPI in pixels per metre
    put32(out, 3780);
    put32(out, 256);  // colours used
    put32(out, 0);    // colours important: all
    for (const Rgb& c : colours) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (size_t r = 0; r < height; ++r) {
        const uint8_t* src = pixels.row(static_cast<int32_t>(height - 1 - r));
        out.insert(out.end(), src, src + width);
        out.insert(out.end(), stride - width, 0);
    }
    writeWholeFile(path, out, "bitmap");
}

void writePng(const std::string& path, const Surface8& pixels, const Palette& colours) {
    const int32_t w = std::min(pixels.width(), kScreenWidth);
    const int32_t h = std::min(pixels.height(), kScreenHeight);
    if (w <= 0 || h <= 0) throw PlatformError("PNG \"" + path + "\": nothing to write");

    // Raw scan lines: filter type 0 (none), then RGB.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(h) * (1 + static_cast<size_t>(w) * 3));
    for (int32_t y = 0; y < h; ++y) {
        raw.push_back(0);
        const uint8_t* src = pixels.row(y);
        for (int32_t x = 0; x < w; ++x) {
            const Rgb& c = colours[src[x]];
            raw.push_back(c.r);
            raw.push_back(c.g);
            raw.push_back(c.b);
        }
    }

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put32be(ihdr, static_cast<uint32_t>(w));
    put32be(ihdr, static_cast<uint32_t>(h));
    ihdr.push_back(8);  // bits per channel
    ihdr.push_back(2);  // colour type: RGB
    ihdr.push_back(0);  // compression: deflate
    ihdr.push_back(0);  // filter method
    ihdr.push_back(0);  // no interlace
    putChunk(png, "IHDR", ihdr);
    putChunk(png, "IDAT", zlibStored(raw));
    putChunk(png, "IEND", {});
    writeWholeFile(path, png, "PNG");
}

}  // namespace morvek
