#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/HeadlessPlatform.h"

using namespace morvek;
namespace fs = std::filesystem;

namespace {

KeyboardState readKeys(HeadlessPlatform& p) {
    KeyboardState k;
    k.fill(0x55);  // a read must overwrite every byte
    p.readKeyboard(k);
    return k;
}

int keysDown(const KeyboardState& k) {
    int n = 0;
    for (uint8_t b : k) n += (b == key::IsDown);
    return n;
}

struct TempFolder {
    TempFolder() {
        std::random_device rd;
        path = fs::temp_directory_path() / ("morvek_headless_" + std::to_string(rd()));
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string file(const std::string& name, const std::string& contents = "x") const {
        std::ofstream(path / name) << contents;
        return (path / name).string();
    }
    fs::path path;
};

}  // namespace

TEST(HeadlessPlatform, VirtualClockMovesOnlyByWaitsSleepsAndPresents) {
    HeadlessPlatform p;
    Surface8 frame(640, 480);
    EXPECT_EQ(p.ticksMs(), 0u);
    p.sleepMs(10);
    EXPECT_EQ(p.ticksMs(), 10u);
    p.waitUntil(25);
    EXPECT_EQ(p.ticksMs(), 25u);
    p.waitUntil(5);  // a deadline in the past returns at once
    EXPECT_EQ(p.ticksMs(), 25u);
    p.present(frame);  // default cost 1 ms
    EXPECT_EQ(p.ticksMs(), 26u);
    p.setPresentCostMs(26);
    p.present(frame);
    EXPECT_EQ(p.ticksMs(), 52u);
    EXPECT_DOUBLE_EQ(p.seconds(), 0.052);
    p.setNow(1000);
    EXPECT_EQ(p.ticksMs(), 1000u);
    EXPECT_EQ(p.presentCount(), 2u);
    EXPECT_EQ(p.randomSeed(), p.randomSeed());
}

TEST(HeadlessPlatform, KeysScriptedByPresentIndex) {
    HeadlessPlatform p;
    Surface8 frame(640, 480);
    p.holdKeysForPresents({key::A, key::Up}, 1, 3);
    p.holdKeysForPresents({key::Return}, 2, 3);
    EXPECT_EQ(keysDown(readKeys(p)), 0);  // present count 0
    p.present(frame);
    KeyboardState k = readKeys(p);  // count 1
    EXPECT_EQ(k[key::A], key::IsDown);
    EXPECT_EQ(k[key::Up], key::IsDown);
    EXPECT_EQ(keysDown(k), 2);
    p.present(frame);
    k = readKeys(p);  // count 2: both scripts in force
    EXPECT_EQ(keysDown(k), 3);
    EXPECT_EQ(k[key::Return], key::IsDown);
    p.present(frame);
    EXPECT_EQ(keysDown(readKeys(p)), 0);  // the end is exclusive
    EXPECT_EQ(p.keyboardReads(), 4u);
}

TEST(HeadlessPlatform, KeysScriptedByVirtualTime) {
    HeadlessPlatform p;
    p.holdKeysForTime({key::D}, 100, 200);
    p.setNow(99);
    EXPECT_EQ(readKeys(p)[key::D], 0);
    p.waitUntil(100);
    EXPECT_EQ(readKeys(p)[key::D], key::IsDown);
    p.sleepMs(99);
    EXPECT_EQ(readKeys(p)[key::D], key::IsDown);
    p.sleepMs(1);
    EXPECT_EQ(readKeys(p)[key::D], 0);
    p.holdKeysForTime({key::K}, 0, 1000);
    p.clearKeyScript();
    EXPECT_EQ(keysDown(readKeys(p)), 0);
}

TEST(HeadlessPlatform, ATapIsSeenByExactlyOneRead) {
    HeadlessPlatform p;
    p.holdKeysForTime({key::Space}, 0, 1000);
    p.tapKey(key::Space);
    p.tapKey(key::F12);
    KeyboardState k = readKeys(p);
    EXPECT_EQ(k[key::F12], key::IsDown);
    EXPECT_EQ(k[key::Space], key::IsDown);
    k = readKeys(p);
    EXPECT_EQ(k[key::F12], 0);
    EXPECT_EQ(k[key::Space], key::IsDown);  // still held by the script
    EXPECT_EQ(keysDown(k), 1);
}

TEST(HeadlessPlatform, PresentKeepsTheVisiblePartAndCallsTheHookAfterwards) {
    HeadlessPlatform p;
    Surface8 big(1640, 1480);
    big.set(0, 0, 4);
    big.set(639, 479, 5);
    big.set(640, 0, 6);
    big.set(0, 480, 6);
    std::vector<uint64_t> seen;
    p.onPresent([&](uint64_t index) {
        // By now the frame is stored, the count advanced and the clock moved.
        EXPECT_EQ(index, p.presentCount());
        EXPECT_EQ(p.lastFrame().at(639, 479), 5);
        EXPECT_EQ(p.ticksMs(), index);
        seen.push_back(index);
    });
    p.present(big);
    p.present(big);
    EXPECT_EQ(seen, (std::vector<uint64_t>{1, 2}));
    ASSERT_EQ(p.lastFrame().width(), 640);
    ASSERT_EQ(p.lastFrame().height(), 480);
    EXPECT_EQ(p.lastFrame().at(0, 0), 4);

    // A smaller frame leaves the rest of the screen black, not the previous picture.
    p.onPresent({});
    Surface8 small(10, 10);
    small.fill(9);
    p.present(small);
    EXPECT_EQ(p.lastFrame().at(9, 9), 9);
    EXPECT_EQ(p.lastFrame().at(10, 0), 0);
    EXPECT_EQ(p.lastFrame().at(0, 0), 9);

    // presentWithColours stores the picture but leaves the display palette alone.
    Palette own{};
    own[9] = {1, 2, 3};
    Surface8 picture(640, 480);
    picture.fill(11);
    p.presentWithColours(picture, own);
    EXPECT_EQ(p.lastFrame().at(320, 240), 11);
    EXPECT_EQ(p.displayPalette(), defaultSystemPalette());
    EXPECT_EQ(p.presentCount(), 4u);
}

TEST(HeadlessPlatform, PresentLimitStopsARunawayLoop) {
    HeadlessPlatform p;
    Surface8 frame(640, 480);
    p.setPresentLimit(3);
    for (int i = 0; i < 3; ++i) p.present(frame);
    EXPECT_THROW(p.present(frame), PlatformError);
    EXPECT_THROW(p.present(frame), PlatformError);
    EXPECT_EQ(p.presentCount(), 3u);

    // A hook that throws ends a blocking loop from inside.
    HeadlessPlatform q;
    q.onPresent([](uint64_t i) {
        if (i == 5) throw GameExitRequest{};
    });
    int frames = 0;
    EXPECT_THROW(
        for (;;) {
            q.present(frame);
            ++frames;
        },
        GameExitRequest);
    EXPECT_EQ(frames, 4);
}

TEST(HeadlessPlatform, PaletteStartsAsTheSystemColoursAndEntriesAreClipped) {
    HeadlessPlatform p;
    EXPECT_FALSE(p.paletteCreated());
    EXPECT_EQ(p.displayPalette(), defaultSystemPalette());

    Palette created{};  // entry 255 black
    p.createPalette(created);
    EXPECT_TRUE(p.paletteCreated());
    Palette white;
    white.fill({255, 255, 255});
    p.setPaletteEntries(0, 255, white);
    EXPECT_EQ(p.displayPalette()[254], (Rgb{255, 255, 255}));
    EXPECT_EQ(p.displayPalette()[255], (Rgb{0, 0, 0}));  // kept from creation

    p.createPalette(created);
    Palette grey;
    grey.fill({9, 9, 9});
    p.setPaletteEntries(250, 100, grey);  // clipped at 255
    p.setPaletteEntries(-5, 7, grey);     // clipped at 0: writes 0 and 1
    p.setPaletteEntries(10, 0, grey);     // nothing
    for (int i = 0; i < 256; ++i) {
        const bool written = i <= 1 || i >= 250;
        EXPECT_EQ(p.displayPalette()[i], written ? grey[i] : created[i]) << i;
    }
}

TEST(HeadlessPlatform, AudioLogHoldsAcceptedEventsOnly) {
    TempFolder dir;
    const std::string wav = dir.file("D_PUNCH.wav");
    const std::string mid = dir.file("BURI.mid");
    HeadlessPlatform p;
    Surface8 frame(640, 480);

    p.loadSound(3, (dir.path / "d_punch.WAV").string());  // found ignoring case
    p.loadSound(156, wav);
    p.loadMusic(17, mid);
    p.sleepMs(40);
    p.present(frame);
    p.playSound(3, false);
    p.playSound(156, true);
    p.playSound(4, false);    // not loaded
    p.playSound(-1, false);   // outside the slots
    p.playSound(157, false);
    p.stopSound(156);
    p.stopSound(5);           // not loaded
    p.playMusic(17, 3);
    p.playMusic(2, 1);        // not loaded
    p.playMusic(18, 1);
    p.setMusicVolume(500);
    p.stopMusic();

    const auto& log = p.audioLog();
    ASSERT_EQ(log.size(), 9u);
    using K = AudioEvent;
    const std::vector<std::tuple<AudioEvent::Kind, int, int32_t>> expected{
        {K::LoadSound, 3, 0},   {K::LoadSound, 156, 0}, {K::LoadMusic, 17, 0},
        {K::PlaySound, 3, 0},   {K::LoopSound, 156, 0}, {K::StopSound, 156, 0},
        {K::PlayMusic, 17, 3},  {K::MusicVolume, 0, 500}, {K::StopMusic, 0, 0}};
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].kind, std::get<0>(expected[i])) << i;
        EXPECT_EQ(log[i].index, std::get<1>(expected[i])) << i;
        EXPECT_EQ(log[i].value, std::get<2>(expected[i])) << i;
    }
    EXPECT_EQ(log[0].atMs, 0u);
    EXPECT_EQ(log[0].atPresent, 0u);
    EXPECT_EQ(log[3].atMs, 41u);
    EXPECT_EQ(log[3].atPresent, 1u);
    p.clearLogs();
    EXPECT_TRUE(p.audioLog().empty());
}

TEST(HeadlessPlatform, LoadsOfMissingFilesFailUnlessFilesAreNotRequired) {
    HeadlessPlatform p;
    const std::string missing = "/nonexistent/Sound/MISSING.wav";
    try {
        p.loadSound(0, missing);
        FAIL() << "expected PlatformError";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_THROW(p.loadMusic(0, "/nonexistent/Music/NONE.mid"), PlatformError);
    EXPECT_TRUE(p.audioLog().empty());
    p.playSound(0, false);  // the failed load left the slot empty
    EXPECT_TRUE(p.audioLog().empty());

    p.setRequireFiles(false);
    p.loadSound(0, missing);
    p.loadMusic(0, "/nonexistent/Music/NONE.mid");
    p.playSound(0, false);
    EXPECT_EQ(p.audioLog().size(), 3u);
}

TEST(HeadlessPlatform, TextIsLoggedAndInkedInTheNearestDisplayColour) {
    HeadlessPlatform p;
    Surface8 s(640, 480);
    p.setFont(12, true);
    p.drawText(s, 200, 300, "NOW LOADING・・・", Rgb{250, 0, 250});
    ASSERT_EQ(p.textLog().size(), 1u);
    const TextEvent& e = p.textLog()[0];
    EXPECT_EQ(e.x, 200);
    EXPECT_EQ(e.y, 300);
    EXPECT_EQ(e.text, "NOW LOADING・・・");
    EXPECT_EQ(e.colour, (Rgb{250, 0, 250}));
    EXPECT_EQ(e.pointSize, 12);
    EXPECT_TRUE(e.italic);
    if (!fs::exists(MORVEK_FONT_PATH)) GTEST_SKIP() << "font not installed";

    int ink = 0;
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x)
            if (s.at(x, y) != 0) {
                ASSERT_EQ(s.at(x, y), 253);  // magenta of the system colours
                ++ink;
            }
    EXPECT_GT(ink, 100);

    // Mapped with the palette on the display now, not the one at creation.
    Palette pal{};
    pal[77] = {250, 0, 250};
    p.createPalette(pal);
    Surface8 t(640, 480);
    p.drawText(t, 0, 0, "A", Rgb{255, 0, 255});
    int at77 = 0;
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x) at77 += t.at(x, y) == 77;
    EXPECT_GT(at77, 0);
}

TEST(HeadlessPlatform, ScreenshotIsAPngOfTheLastFrame) {
    TempFolder dir;
    HeadlessPlatform p;
    Surface8 frame(640, 480);
    frame.fill(253);
    p.present(frame);
    const std::string path = (dir.path / "shot.png").string();
    p.saveScreenshot(path);
    std::ifstream in(path, std::ios::binary);
    char sig[8] = {};
    in.read(sig, 8);
    EXPECT_EQ(std::string(sig, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}
