#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "address_space_cap.h"
#include "platform/Bitmap.h"

using namespace morvek;
using morvek::testing::AddressSpaceCap;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

class BitmapFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("morvek_bitmap_test_" + std::to_string(::testing::UnitTest::GetInstance()
                                                           ->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string save(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return path(name);
    }
    static Bytes load(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
};

void put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
uint32_t be32(const Bytes& b, size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

/// A BMP built by hand: headers of `infoSize` bytes, `colours` table entries
/// (entry i = (i, 2i, 3i)), then `pixelData` as given.
Bytes handBuilt(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                uint32_t colours, const Bytes& pixelData, uint32_t infoSize = 40) {
    const uint32_t table = (colours == 0 ? 256 : colours) * 4;
    const uint32_t off = 14 + infoSize + table;
    Bytes b = {'B', 'M'};
    put32(b, off + static_cast<uint32_t>(pixelData.size()));
    put32(b, 0);
    put32(b, off);
    put32(b, infoSize);
    put32(b, static_cast<uint32_t>(width));
    put32(b, static_cast<uint32_t>(height));
    put16(b, 1);
    put16(b, bits);
    put32(b, compression);
    put32(b, static_cast<uint32_t>(pixelData.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
    b.resize(14 + infoSize, 0);  // later header versions: the extra fields left zero
    for (uint32_t i = 0; i < table / 4; ++i) {
        b.push_back(static_cast<uint8_t>(3 * i));  // blue
        b.push_back(static_cast<uint8_t>(2 * i));  // green
        b.push_back(static_cast<uint8_t>(i));      // red
        b.push_back(0);
    }
    b.insert(b.end(), pixelData.begin(), pixelData.end());
    return b;
}

/// `act` on `p` fails with one line that names `p` once. Returns the line.
template <typename Act>
std::string expectErrorNaming(const std::string& p, const std::string& what, Act act) {
    try {
        act(p);
        ADD_FAILURE() << what << ": no error";
    } catch (const PlatformError& e) {
        const std::string message = e.what();
        const size_t at = message.find(p);
        EXPECT_NE(at, std::string::npos) << what << ": " << message;
        if (at != std::string::npos) {
            EXPECT_EQ(message.find(p, at + 1), std::string::npos) << what << ": once: " << message;
        }
        EXPECT_EQ(message.find('\n'), std::string::npos) << what << ": one line: " << message;
        return message;
    }
    return {};
}
std::string expectErrorNaming(const std::string& p, const std::string& what) {
    return expectErrorNaming(p, what, [](const std::string& q) { loadBitmap(q); });
}

}  // namespace

TEST_F(BitmapFiles, WrittenBitmapReadsBackWithItsColours) {
    Surface8 pic(13, 7);  // odd width: rows are padded to 4 bytes
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 13; ++x) pic.set(x, y, static_cast<uint8_t>(x * 19 + y * 3));
    Palette pal{};
    for (int i = 0; i < 256; ++i)
        pal[i] = Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 77};
    writeBitmap(path("pic.bmp"), pic, pal);

    const Bytes raw = load(path("pic.bmp"));
    ASSERT_EQ(raw.size(), 14u + 40 + 1024 + 16 * 7);
    EXPECT_EQ(raw[14 + 40 + 1024], pic.at(0, 6));  // stored bottom-up

    const Bitmap back = loadBitmap(path("pic.bmp"));
    ASSERT_EQ(back.pixels.width(), 13);
    ASSERT_EQ(back.pixels.height(), 7);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 13; ++x) EXPECT_EQ(back.pixels.at(x, y), pic.at(x, y));
    EXPECT_EQ(back.colours, pal);

    // The data tables spell names in any case.
    EXPECT_EQ(loadBitmap(path("PIC.BMP")).pixels.at(12, 6), pic.at(12, 6));
}

TEST_F(BitmapFiles, RowOrderAndShortColourTable) {
    // 3x2, seven colours listed; stored rows padded to 4 bytes.
    const Bytes rows = {1, 2, 3, 0, 4, 5, 6, 0};
    const Bitmap up = loadBitmap(save("up.bmp", handBuilt(3, 2, 8, 0, 7, rows)));
    EXPECT_EQ(up.pixels.at(0, 1), 1);  // first stored row is the bottom one
    EXPECT_EQ(up.pixels.at(2, 0), 6);
    EXPECT_EQ(up.colours[6], (Rgb{6, 12, 18}));
    EXPECT_EQ(up.colours[7], (Rgb{0, 0, 0}));  // not in the file: black

    // A pixel past the colour table cannot be shown with the file's colours: refused.
    expectErrorNaming(save("past.bmp", handBuilt(3, 2, 8, 0, 6, rows)), "index past table");

    const Bitmap down = loadBitmap(save("down.bmp", handBuilt(3, -2, 8, 0, 7, rows, 124)));
    EXPECT_EQ(down.pixels.at(0, 0), 1);  // negative height: top-down
    EXPECT_EQ(down.pixels.at(2, 1), 6);
}

TEST_F(BitmapFiles, Rle8RunsAbsoluteRunsDeltaAndEscapes) {
    const Bytes rle = {
        3, 5,              // bottom line: three 5s
        0, 3, 7, 8, 9, 0,  // absolute run of 3, padded to 16 bits
        0, 0,              // end of line
        0, 2, 2, 1,        // delta: 2 right, 1 line on (the middle line stays 0)
        2, 4,              // two 4s on the top line from x 2
        0, 1,              // end of bitmap
        9, 9,              // after the end: ignored
    };
    const Bitmap b = loadBitmap(save("rle.bmp", handBuilt(6, 3, 8, 1, 0, rle, 108)));
    const uint8_t want[3][6] = {{0, 0, 4, 4, 0, 0}, {0, 0, 0, 0, 0, 0}, {5, 5, 5, 7, 8, 9}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(b.pixels.at(x, y), want[y][x]) << x << "," << y;
    EXPECT_EQ(b.colours[255], (Rgb{255, 254, 253}));  // biClrUsed 0: 256 entries

    // Damaged runs (past the right edge, deltas past the top) are dropped, not written.
    const Bytes wild = {200, 1, 0, 2, 255, 255, 0, 2, 0, 200, 50, 3, 0, 1};
    const Bitmap w = loadBitmap(save("wild.bmp", handBuilt(4, 2, 8, 1, 0, wild)));
    EXPECT_EQ(w.pixels.at(3, 1), 1);
    EXPECT_EQ(w.pixels.at(0, 0), 0);
}

TEST_F(BitmapFiles, RejectsOtherFormatsAndDamagedFilesNamingThem) {
    EXPECT_EQ(expectErrorNaming(path("missing.cha"), "missing file"),
              "bitmap \"" + path("missing.cha") + "\": cannot open file");
    expectErrorNaming(save("deep.bmp", handBuilt(2, 2, 24, 0, 0, Bytes(16, 0))), "24-bit");
    expectErrorNaming(save("four.bmp", handBuilt(2, 2, 4, 0, 16, Bytes(8, 0))), "4-bit");
    expectErrorNaming(save("rle4.bmp", handBuilt(2, 2, 8, 2, 0, Bytes(8, 0))), "compression 2");
    expectErrorNaming(save("core.bmp", handBuilt(2, 2, 8, 0, 0, Bytes(8, 0), 12)), "core");
    expectErrorNaming(save("text.bmp", Bytes{'h', 'e', 'l', 'l', 'o'}), "not a bitmap");
    // A header claiming a vast picture over a few bytes: refused before anything is
    // allocated for it.
    expectErrorNaming(save("vast.bmp", handBuilt(60000, -60000, 8, 0, 0, Bytes(8, 0))), "vast");
    // One pixel wide, its rows all there, but taller than any picture the loader allows.
    EXPECT_EQ(loadBitmap(save("high.bmp", handBuilt(1, -16384, 8, 0, 0, Bytes(4 * 16384, 7))))
                  .pixels.at(0, 16383),
              7);
    const std::string tooHigh = save("toohigh.bmp", handBuilt(1, 16385, 8, 0, 0, Bytes(4 * 16385, 0)));
    EXPECT_EQ(expectErrorNaming(tooHigh, "too high"),
              "bitmap \"" + tooHigh + "\": damaged header (picture too large)");
    // Pixels said to start inside the header would show the header's own bytes.
    for (const uint8_t at : {uint8_t{0}, uint8_t{53}}) {
        Bytes inside = handBuilt(4, 3, 8, 0, 0, Bytes(12, 1));
        inside[10] = at;
        inside[11] = 0;
        const std::string p = save("inside.bmp", inside);
        EXPECT_EQ(expectErrorNaming(p, "pixels at " + std::to_string(at)),
                  "bitmap \"" + p + "\": damaged header (pixels start inside the header)");
    }
    expectErrorNaming(save("noend.bmp", handBuilt(4, 2, 8, 1, 0, Bytes{4, 1, 0, 0})),
                      "RLE8 without end of bitmap");

    // Cut a valid file at every length: each must be refused, never read past its end.
    Surface8 pic(5, 3);
    pic.fill(9);
    writeBitmap(path("whole.bmp"), pic, Palette{});
    const Bytes whole = load(path("whole.bmp"));
    for (size_t n = 0; n < whole.size(); n += (n < 80 ? 1 : 7)) {
        const std::string p = save("cut.bmp", Bytes(whole.begin(), whole.begin() + n));
        expectErrorNaming(p, "cut at " + std::to_string(n));
    }
}

TEST_F(BitmapFiles, AnEmptyFileOrAFolderIsSaidForWhatItIs) {
    const std::string empty = save("empty.cha", {});
    EXPECT_EQ(expectErrorNaming(empty, "empty"), "bitmap \"" + empty + "\": empty file");
    fs::create_directory(path("folder.cha"));
    EXPECT_EQ(expectErrorNaming(path("folder.cha"), "folder"),
              "bitmap \"" + path("folder.cha") + "\": a folder, not a picture");
}

TEST_F(BitmapFiles, AHeaderAskingForMoreThanTheFileHoldsIsRefusedBeforeAnyAllocation) {
    // A picture far larger than the file would make SDL allocate that much before it finds
    // the pixels missing; with the address space capped it would fail for want of memory.
    // The loader itself must judge the file damaged first.
    const AddressSpaceCap cap;
    const auto refused = [&](const std::string& name, const Bytes& bytes) {
        const std::string message = expectErrorNaming(save(name, bytes), name);
        EXPECT_NE(message.find("damaged"), std::string::npos) << name << ": " << message;
    };
    // 29 bytes: "BM", then a header size of 16 MiB and 2046 x 1000000 pixels.
    refused("short29.cha", {'B', 'M', 0x46, 0, 0, 0, 0, 0, 0, 0, 0x34, 0, 0, 0, 0, 0, 0, 1,
                            0xFE, 7, 0, 0, 0x40, 0x42, 0x0F, 0, 2, 3, 4});
    const Bytes vast = handBuilt(20000, 20000, 8, 0, 0, {});
    refused("short33.cha", Bytes(vast.begin(), vast.begin() + 33));
    const Bytes big = handBuilt(8000, 8000, 8, 0, 0, {});
    refused("short53.cha", Bytes(big.begin(), big.begin() + 53));
    refused("rows.cha", big);  // whole headers, no rows
    // Uncompressed: every row, padded to 4 bytes, must be in the file, top-down or not.
    EXPECT_EQ(loadBitmap(save("fits.cha", handBuilt(3, -2, 8, 0, 0, Bytes(8, 1)))).pixels.at(2, 1),
              1);
    refused("lastrowshort.cha", handBuilt(3, -2, 8, 0, 0, Bytes(7, 1)));
    refused("tall.cha", handBuilt(4000, -4000, 8, 0, 0, Bytes(4000, 0)));
    // RLE8: a run pair of 2 bytes gives at most 255 pixels. Runs that long load; an end of
    // bitmap alone does not stand for a 4096 x 4096 picture.
    const Bitmap runs = loadBitmap(save("runs.cha", handBuilt(1020, 1, 8, 1, 0,
                                                              {255, 1, 255, 2, 255, 3, 255, 4, 0, 1})));
    EXPECT_EQ(runs.pixels.at(1019, 0), 4);
    refused("sparse.cha", handBuilt(4096, 4096, 8, 1, 0, {0, 1}));
}

TEST_F(BitmapFiles, PngHasSignatureSizeAndPixels) {
    Surface8 big(700, 500);  // larger than the screen: only the visible 640x480
    big.set(1, 0, 3);
    big.set(639, 479, 4);
    big.set(640, 0, 3);  // off screen
    Palette pal{};
    pal[3] = Rgb{10, 20, 30};
    pal[4] = Rgb{255, 128, 1};
    writePng(path("shot.png"), big, pal);
    const Bytes png = load(path("shot.png"));
    const Bytes sig = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 33u);
    EXPECT_TRUE(std::equal(sig.begin(), sig.end(), png.begin()));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(be32(png, 16), 640u);
    EXPECT_EQ(be32(png, 20), 480u);
    EXPECT_LT(png.size(), 640u * 480 / 10) << "compressed";

    const RgbPicture shot = loadPng(path("shot.png"));
    ASSERT_EQ(shot.width, 640);
    ASSERT_EQ(shot.height, 480);
    EXPECT_EQ(shot.at(1, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(shot.at(639, 479), (Rgb{255, 128, 1}));
    EXPECT_EQ(shot.at(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(shot.at(639, 0), (Rgb{0, 0, 0}));

    writePng(path("small.png"), Surface8(100, 50), pal);
    const RgbPicture small = loadPng(path("small.png"));
    EXPECT_EQ(small.width, 100);
    EXPECT_EQ(small.height, 50);

    // A picture that cannot be written or read names its file once, on one line.
    const std::string nowhere = path("no/such/folder/shot");
    expectErrorNaming(nowhere + ".png", "PNG written nowhere",
                      [&](const std::string& p) { writePng(p, big, pal); });
    expectErrorNaming(nowhere + ".bmp", "bitmap written nowhere",
                      [&](const std::string& p) { writeBitmap(p, big, pal); });
    expectErrorNaming(nowhere + ".png", "missing PNG", [](const std::string& p) { loadPng(p); });
}
