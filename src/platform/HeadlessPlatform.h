#pragma once
// The platform without a machine: for tests and tools.
//
// - Clock: virtual. sleepMs and waitUntil advance it; each present also advances it by
//   presentCostMs (default 1) so a screen that never waits still moves time forward.
// - Keyboard: scripted. Key sets are given by present index or by virtual time; a read
//   sees the union of every script entry in force now, plus one-read keys not yet seen,
//   plus taps within a pump, which go through the real platform's KeyLatch (a present or
//   pumpEvents is a pump).
// - Sound and music: recorded. Every load, play, loop, stop and volume change is logged.
// - Display: the last presented frame and the palette are kept for the test to read.
// - Text: drawn for real with the game's font when it is installed, and logged.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/KeyLatch.h"
#include "platform/Platform.h"

namespace morvek {

class TextRenderer;

struct AudioEvent {
    enum Kind { LoadSound, PlaySound, LoopSound, StopSound, LoadMusic, PlayMusic, StopMusic,
                MusicVolume };
    Kind kind;
    int index = 0;        ///< slot or tune; plays for PlayMusic
    int32_t value = 0;    ///< PlayMusic: plays; MusicVolume: volume
    uint64_t atMs = 0;    ///< virtual time
    uint64_t atPresent = 0;
};

struct TextEvent {
    int32_t x = 0, y = 0;
    std::string text;
    Rgb colour;
    int pointSize = 0;
    bool italic = false;
    uint64_t atPresent = 0;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // ---- scripting and inspection (tests) -------------------------------------------
    /// Keys held down for presents [fromPresent, toPresent) (toPresent exclusive).
    void holdKeysForPresents(std::vector<uint8_t> scanCodes, uint64_t fromPresent,
                             uint64_t toPresent);
    /// Keys held down for virtual time [fromMs, toMs).
    void holdKeysForTime(std::vector<uint8_t> scanCodes, uint64_t fromMs, uint64_t toMs);
    /// A key down for exactly one read, the next one, whatever the pumps.
    void tapKey(uint8_t scanCode);
    /// A key pressed and released before the next pump, as after a stall: down for every
    /// read until a pump ends it by KeyLatch's rule.
    void tapKeyWithinPump(uint8_t scanCode);
    /// The same tap, landing once `reads` keyboard reads have been made (as keyboardReads()
    /// counts them), just before the next: a tap that arrives in the middle of a pass.
    void tapKeyAfterReads(uint8_t scanCode, uint64_t reads);
    /// Called at every present with the present index; lets a test drive keys or stop a
    /// loop (for example by throwing) from inside a blocking screen.
    void onPresent(std::function<void(uint64_t presentIndex)> hook);
    void clearKeyScript();

    void setPresentCostMs(uint64_t ms) { presentCostMs_ = ms; }
    void setNow(uint64_t ms) { nowMs_ = ms; }
    uint64_t presentCount() const { return presents_; }
    uint64_t keyboardReads() const { return keyboardReads_; }
    const Surface8& lastFrame() const { return lastFrame_; }
    bool paletteCreated() const { return paletteCreated_; }
    const std::vector<AudioEvent>& audioLog() const { return audioLog_; }
    const std::vector<TextEvent>& textLog() const { return textLog_; }
    void clearLogs();
    /// Fails every present after `n` presents with PlatformError: stops runaway loops in
    /// tests instead of hanging them. 0 = never.
    void setPresentLimit(uint64_t n) { presentLimit_ = n; }
    /// Makes loadSound/loadMusic/... fail when the file is missing (default true).
    void setRequireFiles(bool require) { requireFiles_ = require; }
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    /// Writes the last frame through the display palette as a PNG.
    void saveScreenshot(const std::string& path) const;

    // ---- Platform ------------------------------------------------------------------
    const Palette& displayPalette() const override { return palette_; }
    void createPalette(const Palette& initial) override;
    void setPaletteEntries(int first, int count, const Palette& p) override;
    void present(const Surface8& frame) override;
    void presentWithColours(const Surface8& picture, const Palette& colours) override;
    void pumpEvents() override;
    void readKeyboard(KeyboardState& out) override;
    uint64_t ticksMs() override { return nowMs_; }
    double seconds() override { return static_cast<double>(nowMs_) / 1000.0; }
    void sleepMs(uint32_t ms) override { nowMs_ += ms; }
    void waitUntil(uint64_t deadlineMs) override;
    void loadSound(int index, const std::string& path) override;
    void playSound(int index, bool loop) override;
    void stopSound(int index) override;
    void loadMusic(int index, const std::string& path) override;
    void playMusic(int index, int plays) override;
    void stopMusic() override;
    void setMusicVolume(int32_t volume) override;
    void setFont(int pointSize, bool italic) override;
    void drawText(Surface8& dst, int32_t x, int32_t y, std::string_view utf8,
                  Rgb colour) override;
    uint32_t randomSeed() override { return 12345; }
    std::string programFolder() override { return programFolder_; }

private:
    struct KeySpan {
        std::vector<uint8_t> keys;
        bool byPresent;
        uint64_t from, to;
    };
    void log(AudioEvent::Kind kind, int index, int32_t value = 0);
    void checkFile(const std::string& path) const;

    Palette palette_;
    bool paletteCreated_ = false;
    Surface8 lastFrame_;
    uint64_t nowMs_ = 0;
    uint64_t presents_ = 0;
    uint64_t presentCostMs_ = 1;
    uint64_t presentLimit_ = 0;
    uint64_t keyboardReads_ = 0;
    bool requireFiles_ = true;
    std::string programFolder_ = "./";
    std::vector<KeySpan> keySpans_;
    std::vector<uint8_t> taps_;
    std::vector<std::pair<uint64_t, uint8_t>> tapsAfterReads_;  ///< (reads, scan code)
    KeyLatch latch_;
    std::function<void(uint64_t)> presentHook_;
    std::vector<AudioEvent> audioLog_;
    std::vector<TextEvent> textLog_;
    std::array<bool, kSoundSlots> soundLoaded_{};
    std::array<bool, kMusicSlots> musicLoaded_{};
    int fontSize_ = 12;
    bool fontItalic_ = false;
    std::unique_ptr<TextRenderer> text_;
};

}  // namespace morvek
