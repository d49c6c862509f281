#pragma once
// Module-level state of the engine core (start-up, keyboard, timing, sound, music,
// palettes, screen primitives, drawing counters).

#include <array>
#include <cstddef>
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

/// The outer loop's next step after a match (EngineState::nextStep): the result screen gives
/// 0-3, an aborted training match the training set-up; StartUp stands before the first match.
namespace nextstep {
inline constexpr int16_t SameStage = 0;
inline constexpr int16_t CharaSelect = 1;
inline constexpr int16_t NextOpponent = 2;
inline constexpr int16_t ScoreScreen = 3;
inline constexpr int16_t TrainingSetup = 4;
inline constexpr int16_t StartUp = 256;
}  // namespace nextstep

/// The key modes (EngineState::keyCount): NORMAL KEY types on all 40 keys, EASY KEY on 26.
inline constexpr int16_t kNormalKeyCount = 40;
inline constexpr int16_t kEasyKeyCount = 26;

/// The elements of EngineState::gameSettings: the options' difficulty (0-2) and the
/// training set-up's choices, kept from one visit to the next.
namespace gamesetting {
inline constexpr size_t Difficulty = 0;
inline constexpr size_t TrainingFighter1 = 1;
inline constexpr size_t TrainingFighter2 = 2;
inline constexpr size_t TrainingSuperArt1 = 3;
inline constexpr size_t TrainingSuperArt2 = 4;
inline constexpr size_t TrainingSpeed = 5;     ///< the speed mode, 0-2
inline constexpr size_t TrainingKeyMode = 6;   ///< 0 EASY KEY, 1 NORMAL KEY
inline constexpr size_t TrainingTpcSlow = 7;   ///< 0 TPC SLOW ON, 1 OFF
inline constexpr size_t TrainingCpuLevel = 8;  ///< player 2's computer level, 0-30
}  // namespace gamesetting

/// What the game is doing (EngineState::playMode): a match of the arcade ladder, of training
/// or of the tutorial, the title and its menus, or a training match held by its pause menu.
enum class PlayMode : int16_t { Arcade = 0, Training = 1, Tutorial = -1, Title = 4, Pause = 5 };

struct EngineState {
    // ---- the main window's own fields ----------------------------------------------
    /// The outer loop's step after the last match (nextstep::); the next turn loads the
    /// fighters' sheets that step may have changed.
    int16_t nextStep = nextstep::StartUp;
    Bool16 editMode = kFalse;  ///< debug switch, never set: skips the title, draws the hit boxes

    // ---- globals shared with the screens and the battle ----------------------------
    PlayMode playMode = PlayMode::Arcade;
    Bool16 returnToTitle = kFalse;
    int16_t keyCount = 0;        ///< kNormalKeyCount or kEasyKeyCount; 0 until chosen
    std::string appPath;         ///< the program folder, with a trailing '/'
    int32_t gameScore = 0;
    int16_t titleChoice = 0;     ///< the last main-menu choice (-1..3)
    /// The screens' remembered menu choices, by gamesetting:: element.
    std::array<int16_t, 9> gameSettings{};

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
