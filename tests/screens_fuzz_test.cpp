// Randomized robustness passes over the two readers of outside bytes: the SCORE file and
// the bitmap loader. Arbitrary bytes must end in a clean answer or a clean error, never a
// crash, a hang or a read past the data (run these under the Sanitize build as well).

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "battle/StateOfStage.h"
#include "game/Game.h"
#include "platform/Bitmap.h"
#include "screens/Ranking.h"
#include "address_space_cap.h"
#include "screens_fixture.h"
#include "screens_fuzz_target.h"

namespace morvek {
namespace {

using testing::recordWithScore;

/// Mostly digits, sometimes anything: the inputs that reach deep into the checks.
char randomChar(std::mt19937& rng) {
    std::uniform_int_distribution<int> pick(0, 99);
    const int p = pick(rng);
    if (p < 85) return static_cast<char>('0' + p % 10);
    return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
}

std::string mutated(std::string s, std::mt19937& rng, int edits) {
    std::uniform_int_distribution<int> kind(0, 9);
    for (int i = 0; i < edits; ++i) {
        const size_t at = s.empty() ? 0 : std::uniform_int_distribution<size_t>(0, s.size() - 1)(rng);
        const int k = kind(rng);
        if (k < 7 && !s.empty()) s[at] = randomChar(rng);
        else if (k == 7) s.insert(at, 1, randomChar(rng));
        else if (!s.empty()) s.erase(at, 1);
    }
    return s;
}

TEST(ScreensFuzz, RecordDecodingIsTotalAndStableUnderReencoding) {
    std::mt19937 rng(20261207);
    const std::string good = recordWithScore(123456, 4);
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string r = mutated(good, rng, 1 + i % 4);
        accepted += decodeScoreRecord(r).has_value();
        // Whatever is accepted encodes back to a record that reads the same.
        ASSERT_TRUE(testing::fuzzScoreReader(r)) << r;
    }
    EXPECT_GT(accepted, 1000);  // the pass reached past the first checks
}

struct ScreensFuzzFile : testing::ScreensFixture {};

TEST_F(ScreensFuzzFile, ArbitraryScoreFilesAreReadOrReplacedNeverMisread) {
    std::mt19937 rng(7);
    std::string base;
    for (const auto& r : defaultScoreRecords()) base += r;
    base += "48170";
    StateOfStage stage;
    for (int i = 0; i < 600; ++i) {
        std::string image = mutated(base, rng, 1 + i % 6);
        if (i % 50 == 0) image.resize(std::uniform_int_distribution<size_t>(0, 200)(rng));
        writeScore(image);
        const std::string marker = secretMarkerRead(*game);
        EXPECT_TRUE(marker.empty() || (scoreImageValid(image) && marker == image.substr(175, 5)));
        // A rewrite keeps a good file's records and starts a damaged one again from the
        // defaults; the result is always a whole good file. (Every fourth image: each
        // rewrite waits for the disk.)
        if (i % 4 != 0) continue;
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(secretMarkerWrite(*game, stage));
        ::testing::internal::GetCapturedStderr();
        const std::string after = scoreContents();
        EXPECT_EQ(after.size(), 180u);
        EXPECT_TRUE(scoreImageValid(after));
        EXPECT_EQ(after.substr(0, 175), scoreImageValid(image) ? image.substr(0, 175)
                                                               : base.substr(0, 175));
    }
}

/// A small RLE8 bitmap: headers by hand, then the given pixel data.
std::string rle8Bitmap(int32_t w, int32_t h, const std::vector<uint8_t>& data) {
    std::string b(14 + 40 + 1024, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<uint32_t>(b.size() + data.size()));
    put32(10, static_cast<uint32_t>(b.size()));
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    b[26] = 1;   // planes
    b[28] = 8;   // bits per pixel
    put32(30, 1);  // RLE8
    put32(34, static_cast<uint32_t>(data.size()));
    b.append(data.begin(), data.end());
    return b;
}

TEST(ScreensFuzz, DamagedBitmapsLoadOrFailCleanly) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("morvek_bmp_fuzz_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "x.cha").string();

    Surface8 s(13, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) s.fillRect(rectXYWH(x, y, 1, 1), uint32_t(x * 7 + y));
    writeBitmap(path, s, Palette{});
    std::string plain;
    {
        std::ifstream in(path, std::ios::binary);
        plain.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Runs, literal runs, end of line, delta and end of picture.
    const std::string rle = rle8Bitmap(9, 5, {3, 10, 0, 4, 1, 2, 3, 4, 0, 0, 0, 2, 2, 1, 5, 20, 0, 1});
    ASSERT_NO_THROW(loadBitmap(path));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << rle;
    ASSERT_EQ(loadBitmap(path).pixels.at(1, 4), 10);  // the first run, on the bottom row

    std::mt19937 rng(99);
    int loaded = 0;
    for (int i = 0; i < 1500; ++i) {
        std::string bytes = i % 2 ? plain : rle;
        const int edits = 1 + i % 8;
        for (int e = 0; e < edits; ++e) {
            const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(rng);
            bytes[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        }
        if (i % 7 == 0) bytes.resize(std::uniform_int_distribution<size_t>(0, bytes.size())(rng));
        testing::fuzzBitmapLoader(path, bytes);
        try {
            loaded += loadBitmap(path).pixels.width() > 0;
        } catch (const PlatformError&) {
        }
    }
    EXPECT_GT(loaded, 40);

    // Both files cut at every length through their headers and a little past, as they are
    // and claiming a picture of 2^62 pixels, top-down: each cut is refused, without
    // sizing anything from bytes the file does not hold.
    const testing::AddressSpaceCap cap;
    for (std::string whole : {plain, rle}) {
        for (const int32_t claim : {0, 0x7FFFFF00}) {
            if (claim != 0) {
                for (int b = 0; b < 4; ++b) {
                    whole[18 + b] = static_cast<char>(claim >> (8 * b));
                    whole[22 + b] = static_cast<char>(-claim >> (8 * b));
                }
            }
            for (size_t n = 0; n <= 80; ++n) {
                std::ofstream(path, std::ios::binary | std::ios::trunc) << whole.substr(0, n);
                EXPECT_THROW(loadBitmap(path), PlatformError) << n << " bytes";
            }
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace morvek
