#pragma once
// The result screen after every match that was not aborted: the stage's judge level, the
// win bonuses on a WIN page or a LOSE page, the winner's quote, the continue menu, the
// final boss's false-form speech and the way into the ending.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/EngineState.h"
#include "engine/GenericObject.h"

namespace morvek {

struct EngineContext;
class Character;
class StateOfStage;

/// The result screen's phases (genericObject::GUIcount).
namespace resultphase {
constexpr int16_t Blackout = 0;
constexpr int16_t Balloon = 1;
constexpr int16_t Quote = 2;
constexpr int16_t PortraitSlide = 3;
constexpr int16_t ContinueMenu = 4;
constexpr int16_t FalseFormSpeech = 10;
}  // namespace resultphase

/// The continue menu's items, by cursor.
struct ContinueItem {
    std::string_view text;
    int16_t y;
    int16_t result;
};
inline constexpr std::array<ContinueItem, 3> kContinueItems{{
    {"もう一度挑戦する", 300, nextstep::SameStage},
    {"キャラ、スパコーンを変えてもう一度", 350, nextstep::CharaSelect},
    {"タイトルへ戻る", 400, nextstep::ScoreScreen},
}};

/// The win bonuses of a match: vitality, perfect rounds and COMPLETE.
struct WinBonuses {
    int32_t vitality = 0;
    uint8_t perfects = 0;
    bool complete = false;     ///< the opponent took no round
    int32_t completeBonus = 0;
    int32_t total() const { return vitality + perfects * 30000 + completeBonus; }
};
WinBonuses winBonusesOf(const Character& player1, const Character& player2,
                        const StateOfStage& stage);

/// One visit of the result screen, steppable pass by pass.
struct ResultScreen {
    genericObject obj;        ///< GUIcount: phase; frameCount: animation; loopFlag: leave
    int16_t quote = 0;
    uint8_t level = 0;
    bool won = false;
    bool falseForm = false;   ///< the small final boss was beaten: its speech follows
    bool leaveAsLoss = false; ///< the exit takes the not-won way (false form, ending)
    WinBonuses bonuses;
    int16_t stageTime = 0;
    int16_t portrait = 0;
    int16_t portraitX = 180;
    int16_t cursor = 0;
};

/// Entry: judge, bonuses, music, unlocks. False when the ending ran and no page follows.
bool winnerDispBegin(EngineContext& game, ResultScreen& s, Character& player1, Character& player2,
                     StateOfStage& stage);
void winnerDispPass(EngineContext& game, ResultScreen& s, const Character& player1,
                    const Character& player2, const StateOfStage& stage);
/// Exit: the next-step code.
int16_t winnerDispEnd(EngineContext& game, ResultScreen& s, StateOfStage& stage);
/// The whole screen; returns 0 same stage, 1 character select, 2 next opponent, 3 score.
int16_t winnerDispMain(EngineContext& game, Character& player1, Character& player2, StateOfStage& stage);

}  // namespace morvek
