#pragma once
// Module-level state of the engine core (start-up, keyboard, timing, sound, music,
// palettes, screen primitives, drawing counters).

#include <array>
#include <cstdint>
#include <string>

#include "engine/Basic.h"
#include "platform/Keys.h"
#include "platform/Platform.h"
#include "engine/RenderState.h"
#include "platform/Surface8.h"

namespace morvek {

/// Size of the one drawing surface; only its top-left 640x480 is ever shown.
constexpr int32_t kBackBufferWidth = 1640;
constexpr int32_t kBackBufferHeight = 1480;

/// The tune and master volume of the last musicPlay.
struct CurrentMusic {
    int16_t index = 0;
    int32_t volume = 0;
};

/// The outer loop's next step after a match (EngineState::test): the result screen gives
/// 0-3, an aborted training match the training set-up.
namespace nextstep {
inline constexpr int16_t SameStage = 0;
inline constexpr int16_t CharaSelect = 1;
inline constexpr int16_t NextOpponent = 2;
inline constexpr int16_t ScoreScreen = 3;
inline constexpr int16_t TrainingSetup = 4;
}  // namespace nextstep

/// What the game is doing (EngineState::playMode): a match of the arcade ladder, of training
/// or of the tutorial, the title and its menus, or a training match held by its pause menu.
enum class PlayMode : int16_t { Arcade = 0, Training = 1, Tutorial = -1, Title = 4, Pause = 5 };

struct EngineState {
    // ---- the main window's own fields ----------------------------------------------
    /// Next step of the outer loop after a match (nextstep::), and the sheet-reload selector at the top
    /// of a turn (256 on the first turn: both sheets).
    int16_t test = 256;
    Bool16 editMode = kFalse;  ///< debug switch, never set: skips the title, draws the hit boxes

    // ---- globals shared with the screens and the battle ----------------------------
    PlayMode playMode = PlayMode::Arcade;
    Bool16 returnToTitle = kFalse;
    int16_t keyCount = 0;        ///< 40 NORMAL KEY, 26 EASY KEY; 0 until chosen
    std::string appPath;         ///< the program folder, with a trailing '/'
    int32_t gameScore = 0;
    int16_t titleChoice = 0;     ///< the last main-menu choice (-1..3)
    std::array<int16_t, 9> gameSettings{};  ///< remembered menu choices of the screens

    // ---- surfaces ------------------------------------------------------------------
    Surface8 backBuffer{kBackBufferWidth, kBackBufferHeight};
    Surface8 backGroundSurface;
    Surface8 attackEffectSurface;
    Surface8 charaSurface1;
    Surface8 charaSurface2;

    // ---- palettes ------------------------------------------------------------------
    Palette basePalette{};    ///< full-colour reference of the fade-ins
    Palette workPalette{};    ///< the palette every apply passes
    Palette targetPalette{};  ///< darkened while a fighter is targeting
    Palette blackPalette{};   ///< near black when a spacorn starts

    // ---- keyboard ------------------------------------------------------------------
    KeyboardState keyState{};
    Bool16 keyLatch = kFalse;      ///< inkeyEdge has reported the press held now
    uint8_t paletteEditIndex = 0;  ///< debug palette keys' entry

    // ---- timing and system ---------------------------------------------------------
    uint64_t frameStartTime = 0;  ///< monotonic ms at the start of the current frame
    double winMajorVersion = 0.0;
    uint8_t isNT5 = 0;            ///< added to every font size

    // ---- the one text font ---------------------------------------------------------
    bool textFontCreated = false;
    int16_t textFontSize = 0;     ///< the size the font has (callers' size + isNT5)
    bool textFontItalic = false;
    Rgb textColour{};             ///< the surface's text colour

    // ---- music and screens ---------------------------------------------------------
    CurrentMusic currentMusic;
    int16_t promptCounter = 0;    ///< frame counter of the Enter prompt icon
    int16_t shutterPhase = 0;     ///< 1 closing, 2 opening, 3 open at once
    int16_t shutterPosition = 0;  ///< 0 open .. 320 closed

    // ---- the match drawing's counters ---------------------------------------------
    RenderState render;
};

}  // namespace morvek
