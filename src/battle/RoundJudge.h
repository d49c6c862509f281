#pragma once
// The round and match judge: the intro count of a round, KO and double KO, the finish
// with its fixed frame timings, the award of the round, the change to the next round, the
// end of the match, and the round clock with time over. Also the set-up of a round.

#include <cstdint>

#include "engine/DataTables.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;

/// Win marks, one per won round.
enum WinMark : uint8_t {
    winMarkKO = 0,
    winMarkPerfect = 1,
    winMarkGuardKO = 2,
    winMarkTimeOver = 3,
    winMarkSpacorn = 4,
};

/// Frames of a round's intro that play kReadyVoice and kFightVoice.
inline constexpr int16_t kReadyFrame = 10;
inline constexpr int16_t kFightFrame = 50;
/// The finish: award at changeTimer 1, end poses 50-99, fade 100-200, next round at 250.
inline constexpr int16_t kAwardTime = 1;
inline constexpr int16_t kPoseFrom = 50;
inline constexpr int16_t kPoseTo = 99;
inline constexpr int16_t kFadeFrom = 100;
inline constexpr int16_t kFadeTo = 200;
inline constexpr int16_t kRoundChangeTime = 250;
/// Patterns of the end poses.
inline constexpr int16_t kWinPose = 470;
inline constexpr int16_t kWinPose2 = 480;
inline constexpr int16_t kWinPose3 = 490;
inline constexpr int16_t kLosePose = 950;

/// The start of every round: both fighters, their places and the camera.
void battleRoundInit(BattleContext& game);
/// One fighter's round start: roster row, fresh pools, no combo, on the ground, full
/// vitality, standing.
void charaRoundInit(EngineContext& game, Character& chara);
/// One frame of the judge; true when the match is over.
bool battleJudge(BattleContext& game);
/// The round is decided: KO sound, finish hold, slow motion, the loser left dizzy-free.
void roundFinishStart(EngineContext& game, StateOfStage& stage, Character& winner, Character& loser);
/// Awards the round to the fighter with more vitality; nobody on equal vitality.
void roundKOJudge(EngineContext& game, Character& p1, Character& p2);
/// One more win for winner, with the mark of how it was won.
void roundWinAward(EngineContext& game, Character& winner, Character& loser);

}  // namespace morvek
