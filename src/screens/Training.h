#pragma once
// Training mode: the set-up screen (both fighters, super arts, speed, key mode, TPC SLOW
// and the computer's level), the per-frame recovery that keeps a training match going,
// and the pause menu that F1 opens in a training match.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/EngineState.h"
#include "engine/GenericObject.h"

namespace morvek {

struct EngineContext;
class Character;
class StateOfStage;

/// The set-up's steps; each but the last edits one remembered choice.
namespace trainingstep {
constexpr int16_t Fighter1 = 0;
constexpr int16_t SuperArt1 = 1;
constexpr int16_t Fighter2 = 2;
constexpr int16_t SuperArt2 = 3;
constexpr int16_t Speed = 4;
constexpr int16_t KeyMode = 5;
constexpr int16_t TpcSlow = 6;
constexpr int16_t CpuLevel = 7;
constexpr int16_t Closing = 8;
}  // namespace trainingstep

/// The gameSettings element a step edits.
constexpr size_t trainingSettingOf(int16_t step) {
    using namespace gamesetting;
    constexpr std::array<size_t, 8> kElements{TrainingFighter1, TrainingSuperArt1, TrainingFighter2,
                                              TrainingSuperArt2, TrainingSpeed,     TrainingKeyMode,
                                              TrainingTpcSlow,   TrainingCpuLevel};
    return kElements[static_cast<size_t>(step)];
}

/// The computer level's range and its coarse step (Left and Right).
inline constexpr int16_t kCpuLevelMax = 30;
inline constexpr int16_t kCpuLevelStep = 10;
/// Where the portraits (re)start: player 1 on entry and on a change, player 2 on entry,
/// and player 2 on a change or when going back to player 1's super art.
inline constexpr int16_t kPortrait1Start = -200;
inline constexpr int16_t kPortrait2Entry = 840;
inline constexpr int16_t kPortrait2Restart = 540;

struct PanelPlace {
    int16_t x, y;
    constexpr bool operator==(const PanelPlace&) const = default;
};

/// One visit of the training set-up, steppable turn by turn.
struct TrainingSelectScreen {
    int16_t step = trainingstep::Fighter1;
    bool leave = false;     ///< the shutter has closed
    bool finished = false;  ///< the leaving turn has run (fighters and settings set)
    int16_t portrait1X = kPortrait1Start;
    int16_t portrait2X = kPortrait2Entry;
    std::array<PanelPlace, 3> superArt1{};
    std::array<PanelPlace, 3> superArt2{};
    std::array<PanelPlace, 3> speed{};
    std::array<PanelPlace, 2> keyMode{};
    std::array<PanelPlace, 2> tpcSlow{};
    PanelPlace cpuLevel{};
    genericObject obj;      ///< frameCount blinks the level arrows
};

/// Puts the panels of `step` back to where they slide in from.
void trainingPanelsReset(TrainingSelectScreen& s, int16_t step);

/// Set-up: fixed colours, the tune.
void trainingSelectBegin(EngineContext& game, TrainingSelectScreen& s);
/// One turn: draw, one key, the shutter at the last step, present; the turn after the
/// shutter has closed hands the choices to the fighters and the match state instead.
void trainingSelectPass(EngineContext& game, TrainingSelectScreen& s, Character& player1,
                        Character& player2, StateOfStage& stage);
/// Runs the set-up to its end: both fighters' names and super arts, the speed, keyCount,
/// TPC SLOW and player 2's computer level, from the choices kept in gameSettings.
void trainingSelect(EngineContext& game, Character& player1, Character& player2, StateOfStage& stage);

/// Start of every training frame: vitality refills outside combos and never drops below
/// 1, and the super gauge grows by one; player 1 first.
void trainingRecover(EngineContext& game, Character& player1, Character& player2);

/// The pause menu's items, by cursor.
namespace pauseitem {
constexpr int16_t Continue = 0;
constexpr int16_t CharacterChange = 1;
constexpr int16_t BackToTitle = 2;
}  // namespace pauseitem
inline constexpr std::array<std::string_view, 3> kPauseMenuItems{"CONTINUE", "CHARACTER CHANGE",
                                                                 "BACK TO TITLE"};

/// One opening of the pause menu.
struct TrainingPauseMenu {
    int16_t cursor = pauseitem::Continue;
    bool leave = false;
};

/// One turn of the pause menu: one key, the menu over the frozen match, present.
void trainingPauseMenuPass(EngineContext& game, TrainingPauseMenu& m);
/// The training pause menu (PlayMode::Pause), opened by the match overlay.
void trainingPauseMenu(EngineContext& game);

}  // namespace morvek
