#pragma once
// The platform on a real machine, through SDL2, SDL2_mixer and the shared TextRenderer.
//
// Display: a desktop-sized full-screen window (or a plain 640x480 window for development)
// showing a 640x480 logical picture, scaled nearest-neighbour with black borders. Each
// present converts the visible 640x480 of the game's 8-bit surface through a 256-entry
// lookup table into a streaming ARGB texture. No vsync: it would stretch the game's
// 26 ms frames to 33 ms. Instead a picture is shown at most once per
// kMinPresentIntervalMs, as a display would: the screens that present as fast as they
// can (character select, ranking, the K.O. text fade...) then run at a visible pace and
// sleep in between instead of keeping a core busy. The 22-30 ms match frames and the
// title's 10 ms passes are never held by it.
//
// Keyboard: SDL scan codes are key positions; they are mapped to the PC scan codes of
// Keys.h, so the game plays the same on any layout. Each read takes in the key events that
// have arrived; KeyLatch keeps a tap down for every read of at least one whole pass.
//
// Sound: one mixer channel per sound slot, so a replay restarts its slot and different
// slots mix. Music: each tune's bytes stay in memory and the synthesizer object is built
// only when the tune is played (a resident one per tune would cost far too much memory).
// Without an audio device the game runs silent.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/KeyLatch.h"
#include "platform/Platform.h"

namespace morvek {

class TextRenderer;

/// The PC scan code (Keys.h) for an SDL scan code, or 0 for a key the game never reads.
uint8_t scanCodeFromSdl(int sdlScancode);

/// Why the game will not run on the video driver SDL picked, or "" when it may. With no
/// display to reach (no DISPLAY or WAYLAND_DISPLAY, as over ssh) SDL falls back to its
/// offscreen driver, and the game would run unseen until killed; the offscreen and dummy
/// drivers are taken only when `requested` (SDL_VIDEODRIVER, a comma-separated list, or
/// null) names them, as the tests do.
std::string videoDriverRefusal(std::string_view picked, const char* requested);

/// One opaque ARGB8888 value per palette entry.
using ArgbTable = std::array<uint32_t, 256>;
ArgbTable argbTableFor(const Palette& colours);

/// Converts the visible 640x480 of `src` into `dst` (rows `dstPitchBytes` apart). Parts
/// outside a smaller surface come out black.
void convertToArgb(const Surface8& src, const ArgbTable& table, uint32_t* dst,
                   int dstPitchBytes);

class SdlPlatform : public Platform {
public:
    /// Shortest time between two shown pictures (a 100 Hz display).
    static constexpr int64_t kMinPresentIntervalMs = 10;
    /// Changes that time; 0 shows every picture at once (to measure a present's own cost).
    void setMinPresentInterval(int64_t ms) { minPresentIntervalMs_ = ms; }

    /// Opens the window, renderer, audio and font. windowed = a plain 640x480 window
    /// instead of full screen; the environment variable MORVEK_WINDOWED=1 does the same.
    explicit SdlPlatform(bool windowed = false);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    /// False when no audio device could be opened (sound and music calls do nothing).
    bool audioOpen() const { return audioOpen_; }

    // ---- Platform ------------------------------------------------------------------
    const Palette& displayPalette() const override { return palette_; }
    void createPalette(const Palette& initial) override;
    void setPaletteEntries(int first, int count, const Palette& p) override;
    void present(const Surface8& frame) override;
    void presentWithColours(const Surface8& picture, const Palette& colours) override;
    void pumpEvents() override;
    void readKeyboard(KeyboardState& out) override;
    uint64_t ticksMs() override;
    double seconds() override;
    void sleepMs(uint32_t ms) override;
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
    uint32_t randomSeed() override;
    std::string programFolder() override;

private:
    /// Takes in the events that have arrived, without ending the taps the game has read.
    void pollEvents();
    void openAudio();
    void freeMusic();
    void paletteChanged();
    /// Converts lastFrame_ through `table` into the texture and shows it.
    void showLastFrame(const ArgbTable& table);
    /// Sleeps until the present interval has passed since the last picture was shown.
    void holdPresentRate();
    /// Draws the texture as it is (after the window was exposed).
    void showTexture();
    void shutdown();

    struct Handles;                      ///< the SDL objects, kept out of this header
    std::unique_ptr<Handles> sdl_;

    Palette palette_;
    ArgbTable table_{};
    bool tableValid_ = false;
    Surface8 lastFrame_;                 ///< the visible 640x480 of the last present
    bool framePresented_ = false;
    bool lastFrameOwnColours_ = false;   ///< shown through its own colours

    KeyLatch keys_;
    int64_t startNs_ = 0;                ///< steady clock at start-up
    int64_t lastShownNs_ = 0;            ///< steady clock when the last picture was shown
    int64_t minPresentIntervalMs_ = kMinPresentIntervalMs;

    bool audioOpen_ = false;
    std::array<std::vector<uint8_t>, kMusicSlots> tunes_{};
    int musicIndex_ = -1;                ///< the tune whose synthesizer object exists

    std::unique_ptr<TextRenderer> text_;
};

}  // namespace morvek
