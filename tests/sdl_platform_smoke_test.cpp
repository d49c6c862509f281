#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/KeyLatch.h"
#include "platform/SdlPlatform.h"

using namespace morvek;
namespace fs = std::filesystem;

namespace {

// SDL scan codes are the USB HID keyboard usage ids; spelled out here so the table is
// checked against the standard rather than against itself.
namespace hid {
constexpr int A = 4, G = 10, H = 11, L = 15, M = 16, P = 19, Q = 20, W = 26, X = 27, Z = 29;
constexpr int Digit1 = 30, Digit0 = 39, Return = 40, Escape = 41, Backspace = 42, Tab = 43;
constexpr int Space = 44, Semicolon = 51, Comma = 54, Period = 55, Slash = 56;
constexpr int F1 = 58, F2 = 59, F12 = 69;
constexpr int Right = 79, Left = 80, Down = 81, Up = 82;
constexpr int KeypadEnter = 88, Keypad2 = 90, Keypad4 = 92, Keypad5 = 93, Keypad6 = 94,
              Keypad8 = 96;
constexpr int LeftCtrl = 224, LeftShift = 225, LeftAlt = 226, RightCtrl = 228,
              RightShift = 229;
}  // namespace hid

TEST(SdlKeyMap, RowsMapToTheirScanCodesByPosition) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(scanCodeFromSdl(hid::Digit1 + i), 0x02 + i) << "number row key " << i;
    }
    EXPECT_EQ(scanCodeFromSdl(hid::Q), 0x10);
    EXPECT_EQ(scanCodeFromSdl(hid::W), 0x11);
    EXPECT_EQ(scanCodeFromSdl(hid::P), 0x19);
    EXPECT_EQ(scanCodeFromSdl(hid::A), 0x1E);
    EXPECT_EQ(scanCodeFromSdl(hid::G), 0x22);
    EXPECT_EQ(scanCodeFromSdl(hid::H), 0x23);
    EXPECT_EQ(scanCodeFromSdl(hid::L), 0x26);
    EXPECT_EQ(scanCodeFromSdl(hid::Semicolon), 0x27);
    EXPECT_EQ(scanCodeFromSdl(hid::Z), 0x2C);
    EXPECT_EQ(scanCodeFromSdl(hid::X), 0x2D);
    EXPECT_EQ(scanCodeFromSdl(hid::M), 0x32);
    EXPECT_EQ(scanCodeFromSdl(hid::Comma), 0x33);
    EXPECT_EQ(scanCodeFromSdl(hid::Period), 0x34);
    EXPECT_EQ(scanCodeFromSdl(hid::Slash), 0x35);
    EXPECT_EQ(scanCodeFromSdl(hid::Digit0), key::Digit0);
}

TEST(SdlKeyMap, NamedAndSideKeysMapAndOthersGiveNothing) {
    EXPECT_EQ(scanCodeFromSdl(hid::Space), 0x39);
    EXPECT_EQ(scanCodeFromSdl(hid::Return), 0x1C);
    EXPECT_EQ(scanCodeFromSdl(hid::KeypadEnter), 0);  // only the main Return key counts
    EXPECT_EQ(scanCodeFromSdl(hid::F12), 0x58);
    EXPECT_EQ(scanCodeFromSdl(hid::LeftCtrl), 0x1D);
    EXPECT_EQ(scanCodeFromSdl(hid::RightCtrl), 0x9D);
    EXPECT_EQ(scanCodeFromSdl(hid::Up), 0xC8);
    EXPECT_EQ(scanCodeFromSdl(hid::Down), 0xD0);
    EXPECT_EQ(scanCodeFromSdl(hid::Left), 0xCB);
    EXPECT_EQ(scanCodeFromSdl(hid::Right), 0xCD);
    EXPECT_EQ(scanCodeFromSdl(hid::Escape), 0x01);
    EXPECT_EQ(scanCodeFromSdl(hid::F1), 0x3B);
    EXPECT_EQ(scanCodeFromSdl(hid::Keypad8), 0x48);
    EXPECT_EQ(scanCodeFromSdl(hid::Keypad2), 0x50);
    EXPECT_EQ(scanCodeFromSdl(hid::Keypad4), 0x4B);
    EXPECT_EQ(scanCodeFromSdl(hid::Keypad6), 0x4D);
    EXPECT_EQ(scanCodeFromSdl(hid::LeftShift), 0x2A);
    for (int other : {hid::Backspace, hid::Tab, hid::F2, hid::Keypad5, hid::LeftAlt,
                      hid::RightShift, 0, -1, 511}) {
        EXPECT_EQ(scanCodeFromSdl(other), 0) << "SDL scan code " << other;
    }
}

TEST(SdlKeyMap, NoTwoKeysShareAScanCode) {
    std::vector<int> owner(256, -1);
    int mapped = 0;
    for (int sdl = 0; sdl < 512; ++sdl) {
        const uint8_t code = scanCodeFromSdl(sdl);
        if (code == 0) continue;
        ++mapped;
        EXPECT_EQ(owner[code], -1) << "scan code " << int(code) << " from " << owner[code]
                                   << " and " << sdl;
        owner[code] = sdl;
    }
    EXPECT_EQ(mapped, 40 + 9 + 7);  // 40 row keys, 9 named keys, 7 side keys
}

TEST(SdlKeyLatch, TapWithinOnePumpIsDownForEveryReadUntilTheNextPump) {
    KeyLatch latch;
    KeyboardState state{};
    latch.keyDown(key::K);
    latch.keyUp(key::K);
    latch.pumped();  // it came with the pump: no read has seen it yet
    for (int read = 0; read < 3; ++read) {
        latch.read(state);
        EXPECT_EQ(state[key::K], key::IsDown) << "read " << read;
    }
    latch.pumped();
    latch.read(state);
    EXPECT_EQ(state[key::K], 0);
}

TEST(SdlKeyLatch, HeldKeyStaysDownUntilReleased) {
    KeyLatch latch;
    KeyboardState state{};
    latch.keyDown(key::Space);
    latch.read(state);
    latch.pumped();
    latch.pumped();
    latch.read(state);
    EXPECT_EQ(state[key::Space], key::IsDown);
    latch.keyUp(key::Space);  // held across a pump: up at once, no tap left behind
    latch.read(state);
    EXPECT_EQ(state[key::Space], 0);
}

TEST(SdlKeyLatch, FocusLossReleasesHeldKeysAndPendingTaps) {
    KeyLatch latch;
    KeyboardState state{};
    latch.keyDown(key::Up);                 // held
    latch.keyDown(key::D);                  // tapped
    latch.keyUp(key::D);
    latch.releaseAll();
    latch.read(state);
    EXPECT_EQ(state, KeyboardState{});
}

TEST(SdlKeyLatch, ClosedWindowReadsAsEscapeFromThenOn) {
    KeyLatch latch;
    KeyboardState state{};
    latch.quit();
    for (int i = 0; i < 3; ++i) {
        latch.releaseAll();
        latch.read(state);
        EXPECT_EQ(state[key::Escape], key::IsDown);
    }
}

TEST(SdlConversion, VisiblePartGoesThroughTheTableIntoPaddedRows) {
    Palette pal{};
    for (int i = 0; i < 256; ++i) pal[i] = Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
    pal[253] = Rgb{255, 0, 255};
    const ArgbTable table = argbTableFor(pal);
    EXPECT_EQ(table[253], 0xFFFF00FFu);
    EXPECT_EQ(table[0], 0xFF00FF00u);

    Surface8 frame(1640, 1480);
    frame.set(0, 0, 253);
    frame.set(639, 479, 7);
    frame.set(640, 0, 9);    // beyond the visible part: never shown
    frame.set(0, 480, 9);
    const int stride = 700;  // the texture's rows may be longer than 640 pixels
    std::vector<uint32_t> out(size_t(stride) * 480, 0x12345678u);
    convertToArgb(frame, table, out.data(), stride * 4);

    EXPECT_EQ(out[0], 0xFFFF00FFu);
    EXPECT_EQ(out[1], table[0]);
    EXPECT_EQ(out[size_t(479) * stride + 639], table[7]);
    EXPECT_EQ(out[size_t(479) * stride + 638], table[0]);
    EXPECT_EQ(out[640], 0x12345678u) << "row padding is left alone";
    EXPECT_EQ(out[size_t(479) * stride + 699], 0x12345678u);
}

TEST(SdlConversion, SmallerSurfaceIsSurroundedByBlack) {
    Palette pal{};
    pal[5] = Rgb{10, 20, 30};
    Surface8 small(100, 50);
    small.fill(5);
    std::vector<uint32_t> out(size_t(640) * 480, 0);
    convertToArgb(small, argbTableFor(pal), out.data(), 640 * 4);
    EXPECT_EQ(out[size_t(49) * 640 + 99], 0xFF0A141Eu);
    EXPECT_EQ(out[size_t(49) * 640 + 100], 0xFF000000u);
    EXPECT_EQ(out[size_t(50) * 640 + 0], 0xFF000000u);
    EXPECT_EQ(out[size_t(479) * 640 + 639], 0xFF000000u);
}

// ---- the real platform on SDL's dummy drivers ----------------------------------------

void put16(std::string& s, uint16_t v) {
    s += char(v & 0xFF);
    s += char(v >> 8);
}
void put32(std::string& s, uint32_t v) {
    put16(s, uint16_t(v & 0xFFFF));
    put16(s, uint16_t(v >> 16));
}

// 100 samples of 16-bit mono PCM at 22050 Hz.
std::string tinyWav() {
    std::string data;
    for (int i = 0; i < 100; ++i) put16(data, uint16_t((i % 20 < 10) ? 8000 : -8000));
    std::string s = "RIFF";
    put32(s, uint32_t(36 + data.size()));
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);          // PCM
    put16(s, 1);          // mono
    put32(s, 22050);      // sample rate
    put32(s, 22050 * 2);  // byte rate
    put16(s, 2);          // block align
    put16(s, 16);         // bits per sample
    s += "data";
    put32(s, uint32_t(data.size()));
    return s + data;
}

// One note on channel 0, a quarter note long, format 0.
std::string tinyMidi() {
    const std::string track = {
        '\x00', '\x90', '\x3C', '\x64',          // note on, middle C
        '\x60', '\x80', '\x3C', '\x40',          // 96 ticks later: note off
        '\x00', '\xFF', '\x2F', '\x00'};         // end of track
    std::string s = "MThd";
    s += std::string{'\x00', '\x00', '\x00', '\x06', '\x00', '\x00', '\x00', '\x01', '\x00',
                     '\x60'};
    s += "MTrk";
    s += std::string{'\x00', '\x00', '\x00', char(track.size())};
    return s + track;
}

TEST(SdlVideoDriver, TheOffscreenAndDummyDriversAreTakenOnlyWhenNamed) {
    // SDL's fallbacks when it reaches no display: refused, with the cause named.
    for (const char* requested : {static_cast<const char*>(nullptr), "", "x11", "wayland,x11"}) {
        for (const char* fallback : {"offscreen", "dummy"}) {
            const std::string why = videoDriverRefusal(fallback, requested);
            EXPECT_NE(why.find("no display"), std::string::npos) << fallback << " " << why;
            EXPECT_EQ(why.find('\n'), std::string::npos) << why;
        }
    }
    // Real displays, and the fallbacks when asked for by name (any case, any place).
    EXPECT_EQ(videoDriverRefusal("x11", nullptr), "");
    EXPECT_EQ(videoDriverRefusal("wayland", "wayland"), "");
    EXPECT_EQ(videoDriverRefusal("kmsdrm", nullptr), "");
    EXPECT_EQ(videoDriverRefusal("dummy", "dummy"), "");
    EXPECT_EQ(videoDriverRefusal("dummy", "DUMMY"), "");
    EXPECT_EQ(videoDriverRefusal("offscreen", "wayland,offscreen"), "");
    EXPECT_NE(videoDriverRefusal("offscreen", "dummy"), "");
    EXPECT_NE(videoDriverRefusal("dummy", "dummy2"), "");
}

class SdlPlatformSmoke : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("morvek_sdl_" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    fs::path dir_;
};

TEST_F(SdlPlatformSmoke, OpensLoadsDrawsPresentsPlaysAndReads) {
    SdlPlatform platform(true);
    EXPECT_TRUE(platform.audioOpen()) << "the dummy audio driver should open";
    EXPECT_EQ(platform.displayPalette(), defaultSystemPalette());

    Surface8 picture(32, 16);
    picture.fillRect(rectXYWH(4, 2, 8, 8), 9);
    Palette colours{};
    colours[9] = Rgb{1, 2, 3};
    const std::string bmpPath = (dir_ / "test.cha").string();
    writeBitmap(bmpPath, picture, colours);
    const Bitmap loaded = loadBitmap(bmpPath);
    ASSERT_EQ(loaded.pixels.width(), 32);
    EXPECT_EQ(loaded.pixels.at(5, 3), 9);

    platform.loadSound(0, write("D_PUNCH.wav", tinyWav()));
    platform.loadSound(156, write("voice.wav", tinyWav()));
    platform.loadMusic(0, write("BURI.mid", tinyMidi()));

    Surface8 back(1640, 1480);
    blit(back, rectXYWH(0, 0, 64, 32), loaded.pixels, loaded.pixels.bounds(), BlitKeyed);
    platform.setFont(16, false);
    platform.drawText(back, 100, 100, "NOW LOADING・・・", Rgb{255, 0, 255});
    int magenta = 0;
    for (int y = 100; y < 140; ++y)
        for (int x = 100; x < 400; ++x) magenta += back.at(x, y) == 253;
    EXPECT_GT(magenta, 50) << "text ink takes the nearest display entry, magenta 253";

    platform.presentWithColours(loaded.pixels, loaded.colours);
    platform.present(back);
    Palette game{};
    game.fill(Rgb{50, 60, 70});
    platform.createPalette(game);
    Palette later{};
    later.fill(Rgb{200, 200, 200});
    platform.setPaletteEntries(0, 255, later);
    EXPECT_EQ(platform.displayPalette()[254], (Rgb{200, 200, 200}));
    EXPECT_EQ(platform.displayPalette()[255], (Rgb{50, 60, 70}));

    platform.playSound(0, false);
    platform.playSound(0, false);  // restarts its own channel
    platform.playSound(156, true);
    platform.stopSound(156);
    platform.playSound(60, false);   // never loaded: ignored
    platform.playSound(-1, false);   // out of range: ignored
    platform.playSound(157, true);
    platform.setMusicVolume(500);
    platform.playMusic(0, 2);
    platform.playMusic(0, 1);        // replaces the playing tune
    platform.stopMusic();
    platform.playMusic(5, 1);        // never loaded: ignored

    KeyboardState keys;
    keys.fill(0xFF);
    platform.readKeyboard(keys);
    EXPECT_EQ(keys, KeyboardState{}) << "nobody is typing on the dummy driver";

    const uint64_t start = platform.ticksMs();
    platform.waitUntil(start + 5);
    EXPECT_GE(platform.ticksMs(), start + 5);
    EXPECT_GE(platform.seconds(), 0.005);
    const std::string folder = platform.programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
}

TEST_F(SdlPlatformSmoke, WithNoDisplayTheGameStopsAtOnceNamingTheCause) {
    // As a new user over ssh: no display variables, no SDL_VIDEODRIVER.
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
        unsetenv(name);
    }
    // Nor a desktop session's default Wayland socket.
    setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    std::string why;
    try {
        SdlPlatform platform(true);
    } catch (const PlatformError& e) {
        why = e.what();
    }
    for (const Saved& s : saved) {
        if (s.value)
            setenv(s.name, s.value->c_str(), 1);
        else
            unsetenv(s.name);
    }
    EXPECT_NE(why.find("no display"), std::string::npos) << "'" << why << "'";
}

// CPU time of the calling thread only (the audio thread of the dummy driver runs apart).
static double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

TEST_F(SdlPlatformSmoke, WaitingForADeadlineSleepsInsteadOfSpinning) {
    SdlPlatform platform(true);
    const uint64_t start = platform.ticksMs();
    const double cpu0 = threadCpuMs();
    platform.waitUntil(start + 120);
    EXPECT_GE(platform.ticksMs(), start + 120);
    EXPECT_LT(threadCpuMs() - cpu0, 20.0) << "a 120 ms wait must not keep the processor busy";
    platform.waitUntil(start);  // a deadline already passed returns at once
}

TEST_F(SdlPlatformSmoke, PicturesAreShownAtMostOncePerInterval) {
    SdlPlatform platform(true);
    Surface8 back(1640, 1480);
    // The clock starts before the first picture: each hold counts from the moment the
    // picture before it began to be shown, which is already past once present returns.
    const auto t0 = std::chrono::steady_clock::now();
    platform.present(back);  // the first picture is never held
    for (int i = 0; i < 4; ++i) {
        back.fillRect(rectXYWH(0, 0, 640, 480), uint8_t(i));
        if (i % 2) platform.presentWithColours(back, defaultSystemPalette());
        else platform.present(back);
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(ms, 4 * SdlPlatform::kMinPresentIntervalMs)
        << "a screen that presents in a tight loop runs at the display's pace";
}

TEST_F(SdlPlatformSmoke, BadFilesAreNamedInTheError) {
    SdlPlatform platform(true);
    const std::string missingWav = (dir_ / "missing.wav").string();
    const std::string notMidi = write("NOTMIDI.mid", "RIFF this is no tune");
    const std::string notWav = write("bad.wav", "nothing like a wave file");
    auto expectNamed = [](auto&& call, const std::string& path) {
        try {
            call();
            ADD_FAILURE() << "no error for " << path;
        } catch (const PlatformError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    };
    expectNamed([&] { platform.loadSound(3, missingWav); }, missingWav);
    expectNamed([&] { platform.loadSound(3, notWav); }, notWav);
    expectNamed([&] { platform.loadMusic(1, (dir_ / "none.mid").string()); },
                (dir_ / "none.mid").string());
    expectNamed([&] { platform.loadMusic(1, notMidi); }, notMidi);
}

TEST(DataFileChecks, WaveFilesMustHoldFormatAndEveryByteOfTheirChunks) {
    const std::string whole = tinyWav();
    EXPECT_TRUE(waveFileComplete(whole));
    for (size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(waveFileComplete(whole.substr(0, n))) << "cut to " << n << " bytes";
    // A chunk the game does not know is skipped, pad byte and all.
    std::string withList = whole.substr(0, 12) + "LIST";
    put32(withList, 3);
    withList += std::string("abc") + '\0' + whole.substr(12);
    EXPECT_TRUE(waveFileComplete(withList));
    // An odd-length data chunk may end the file without its pad byte.
    std::string odd = whole.substr(0, 40);
    put32(odd, 3);
    odd += "xyz";
    EXPECT_TRUE(waveFileComplete(odd));
    EXPECT_FALSE(waveFileComplete(whole.substr(0, 36) + "junk" + std::string(4, '\0')))
        << "no data chunk at all";
    std::string noFormat = whole.substr(0, 12) + whole.substr(36);
    EXPECT_FALSE(waveFileComplete(noFormat));
}

TEST(DataFileChecks, MidiFilesMustHoldEveryTrackTheHeaderCounts) {
    const std::string whole = tinyMidi();
    EXPECT_TRUE(midiFileComplete(whole));
    for (size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(midiFileComplete(whole.substr(0, n))) << "cut to " << n << " bytes";
    std::string twoTracks = whole;
    twoTracks[11] = 2;
    EXPECT_FALSE(midiFileComplete(twoTracks)) << "the second track is missing";
    // A chunk of another kind between header and track is skipped, not counted.
    std::string alien = whole.substr(0, 14) + "XFIH" + std::string{'\0', '\0', '\0', '\2'} +
                        "ab" + whole.substr(14);
    EXPECT_TRUE(midiFileComplete(alien));
    alien[11] = 2;
    EXPECT_FALSE(midiFileComplete(alien));
}

TEST_F(SdlPlatformSmoke, CutOffSoundsAndTunesAreRefusedByName) {
    SdlPlatform platform(true);
    const std::string wav = tinyWav();
    const std::string midi = tinyMidi();
    auto expectNamed = [](auto&& call, const std::string& path) {
        try {
            call();
            ADD_FAILURE() << "no error for " << path;
        } catch (const PlatformError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    };
    for (size_t n : {size_t(0), size_t(20), size_t(44), wav.size() / 2, wav.size() - 1}) {
        const std::string path = write("cut" + std::to_string(n) + ".wav", wav.substr(0, n));
        expectNamed([&] { platform.loadSound(5, path); }, path);
    }
    for (size_t n : {size_t(0), size_t(14), size_t(22), midi.size() - 1}) {
        const std::string path = write("cut" + std::to_string(n) + ".mid", midi.substr(0, n));
        expectNamed([&] { platform.loadMusic(4, path); }, path);
    }
    platform.loadSound(5, write("whole.wav", wav));
    platform.loadMusic(4, write("whole.mid", midi));
    platform.playSound(5, false);
    platform.playMusic(4, 1);
    platform.stopMusic();
}

TEST_F(SdlPlatformSmoke, WithoutAnAudioDeviceRunsSilentButStillChecksFiles) {
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    SdlPlatform platform(true);
    EXPECT_FALSE(platform.audioOpen());
    platform.loadSound(7, write("hit.wav", tinyWav()));
    platform.loadMusic(2, write("tune.mid", tinyMidi()));
    const std::string missing = (dir_ / "gone.wav").string();
    try {
        platform.loadSound(8, missing);
        ADD_FAILURE() << "a missing sound file must fail even without audio";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_THROW(platform.loadMusic(3, write("fake.mid", "MTrk but no header")), PlatformError);
    platform.playSound(7, true);
    platform.stopSound(7);
    platform.setMusicVolume(0);
    platform.playMusic(2, -1);
    platform.stopMusic();
    platform.present(Surface8(640, 480));
}

}  // namespace
