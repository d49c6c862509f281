#pragma once
// The platform seam: everything the game needs from the machine, and nothing more.
//
//   display  - a 640x480 picture with a 256-entry palette; the game draws into its own
//              8-bit Surface8 and hands the visible part over once per frame
//   keyboard - polled state by key position (scan codes of Keys.h)
//   clock    - monotonic milliseconds, sleeping and waiting for a deadline
//   sound    - 117 wave slots played by index; music - 18 MIDI tunes, one at a time
//   text     - one font, drawn onto a Surface8 in the palette entry nearest a colour
//
// Two implementations: SdlPlatform (the game) and HeadlessPlatform (tests and tools:
// virtual clock, scripted keys, a log of what was heard). Game code reaches the machine
// only through this class; nothing outside src/platform includes SDL.
//
// Every failure throws PlatformError naming the file or call. A player's request to quit
// (Escape read by the game, or the window closed) surfaces as GameExitRequest.

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/Keys.h"
#include "platform/Surface8.h"

namespace morvek {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 256>;

/// A machine-level failure: a missing or damaged file, no display, no memory.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The player asked to quit. Thrown by the game's exit path and caught only by main,
/// which shuts the platform down and exits with status 0.
class GameExitRequest {};

/// Runs a program's whole body and gives its exit status: 0 when it returns or ends with
/// GameExitRequest; 1 after the one line "<name>: <what>" on stderr when any
/// std::exception ends it (a PlatformError, no memory, a library failure), so that no
/// failure ends in an abort.
int exitStatusOf(std::string_view name, const std::function<void()>& body);

/// The visible part of the drawing surface.
constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;

/// Number of sound slots: effects 0-59, voices 100-156.
constexpr int kSoundSlots = 157;
constexpr int kMusicSlots = 18;

class Platform {
public:
    virtual ~Platform() = default;

    // ---- display -------------------------------------------------------------------
    /// The colours the player sees now. Before createPalette it holds the system's
    /// default static colours (see defaultSystemPalette).
    virtual const Palette& displayPalette() const = 0;
    /// Creates the game's display palette from all 256 entries. Done once at start-up.
    virtual void createPalette(const Palette& initial) = 0;
    /// Writes entries [first, first + count) of `p` to the display palette and shows the
    /// change at once. The game always passes (0, 255): entry 255 keeps its created value.
    virtual void setPaletteEntries(int first, int count, const Palette& p) = 0;
    /// Shows (0,0)-(640,480) of `frame` through the display palette and pumps events.
    virtual void present(const Surface8& frame) = 0;
    /// Shows (0,0)-(640,480) of `picture` through its own colours, leaving the display
    /// palette alone (the loading picture is shown before the game has a palette).
    virtual void presentWithColours(const Surface8& picture, const Palette& colours) = 0;
    /// Lets the window process pending events (the window message pump). A pump ends the
    /// taps the game has read (see readKeyboard).
    virtual void pumpEvents() = 0;

    // ---- keyboard ------------------------------------------------------------------
    /// Reads the keyboard, taking in the key events that have arrived: out[scanCode] is
    /// key::IsDown for every key down now, or that went down since the last pump (present
    /// or pumpEvents). So a tap, pressed and released between two pumps, reads as down for
    /// every read until the next pump, however often a frame reads; a tap no read has seen
    /// yet waits for the next one. A closed window reads as Escape held. Losing focus
    /// releases every key.
    virtual void readKeyboard(KeyboardState& out) = 0;

    // ---- clock ---------------------------------------------------------------------
    /// Monotonic milliseconds since the platform started.
    virtual uint64_t ticksMs() = 0;
    /// Monotonic seconds with a fraction (never wraps at midnight).
    virtual double seconds() = 0;
    /// Blocks for ms milliseconds.
    virtual void sleepMs(uint32_t ms) = 0;
    /// Returns once ticksMs() >= deadline, sleeping for most of the wait.
    virtual void waitUntil(uint64_t deadlineMs) = 0;

    // ---- sound ---------------------------------------------------------------------
    /// Loads a WAV file into slot `index` (0..kSoundSlots-1). Throws if missing or bad.
    virtual void loadSound(int index, const std::string& path) = 0;
    /// Rewinds and plays slot `index` once (loop = false) or looping. A replay restarts
    /// the slot, it never layers; different slots mix. Unloaded slots are ignored.
    virtual void playSound(int index, bool loop) = 0;
    virtual void stopSound(int index) = 0;

    // ---- music ---------------------------------------------------------------------
    /// Reads a standard MIDI file into tune slot `index` (0..kMusicSlots-1).
    virtual void loadMusic(int index, const std::string& path) = 0;
    /// Stops any tune and plays `index` from the start, `plays` times in all.
    virtual void playMusic(int index, int plays) = 0;
    /// Stops every tune.
    virtual void stopMusic() = 0;
    /// Master volume in hundredths of a decibel as the game passes it (0..1000, where
    /// 1000 is full level); see musicVolumeToMixer.
    virtual void setMusicVolume(int32_t volume) = 0;

    // ---- text ----------------------------------------------------------------------
    /// The one font of all text: size in points at 96 DPI, italic or upright.
    virtual void setFont(int pointSize, bool italic) = 0;
    /// Draws UTF-8 text with its top-left at (x, y), transparent background, no
    /// anti-aliasing, clipped; ink takes the palette entry nearest `colour` in the
    /// palette on the display now.
    virtual void drawText(Surface8& dst, int32_t x, int32_t y, std::string_view utf8,
                          Rgb colour) = 0;

    // ---- system --------------------------------------------------------------------
    /// A seed for the game's random source (time-based in the game, fixed in tests).
    virtual uint32_t randomSeed() = 0;
    /// The folder holding the program, with a trailing '/'.
    virtual std::string programFolder() = 0;
};

/// The system's default static colours, shown before the game builds its palette.
Palette defaultSystemPalette();

/// Index of the palette entry nearest `c` (squared distance; the lowest index wins a tie).
uint8_t nearestPaletteIndex(const Palette& p, Rgb c);

/// Maps the game's music volume (1/100 dB, 0..1000) to the mixer's 0..128:
/// round(128 * 10^((v - 1000) / 2000)), clamped.
int musicVolumeToMixer(int32_t volume);

/// Whether `bytes` are a whole RIFF wave file: a "fmt " chunk and a "data" chunk, every
/// chunk ending inside the file. A cut-off copy is refused at loading instead of playing
/// short or garbled.
bool waveFileComplete(std::string_view bytes);

/// Whether `bytes` are a whole standard MIDI file: an "MThd" header and as many "MTrk"
/// chunks as it counts, every chunk ending inside the file.
bool midiFileComplete(std::string_view bytes);

}  // namespace morvek
