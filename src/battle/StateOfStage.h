#pragma once
// The match and arcade state of the run: round flags and timers, round and stage counters,
// difficulty and speed, the game clock, tutorial counters and the hidden-fighter flags,
// with the round clock and the judge and bonus formulas.

#include <array>
#include <cstdint>
#include <string>

namespace morvek {

/// The ladder's progress (checkCounter), moved as each stage's opponent is chosen: the
/// regular stages; the last regular chosen, INTERRUPTER next; INTERRUPTER's stage (BETABOY's
/// after it keeps the value); G O D chosen, until its stage tune begins G O D's stage; BURI
/// chosen, for its stage; G O D's stage; G O D defeated in the deciding round.
namespace ladderstage {
inline constexpr int16_t Regulars = 0;
inline constexpr int16_t InterrupterNext = 1;
inline constexpr int16_t Interrupter = 2;
inline constexpr int16_t GodChosen = 3;
inline constexpr int16_t Buri = 4;
inline constexpr int16_t God = 5;
inline constexpr int16_t GodDefeated = 6;
}  // namespace ladderstage

/// winPlayer when both fighters are out of vitality: the double K.O.
inline constexpr int16_t kDoubleKO = 3;

struct EngineContext;
class Character;

class StateOfStage {
public:
    bool roundFinish = false;      ///< the round is decided
    int16_t KOslow = 0;            ///< KO slow-motion sleep (ms) for the next frame
    int16_t ABSStop = 0;           ///< one-off freeze (ms) at the end of the next frame
    int16_t finishStop = 0;
    std::string FinishArts;        ///< name of the art that finished the round
    bool spFinish = false;
    int16_t winPlayer = 0;         ///< 1, 2, or kDoubleKO
    int16_t changeTimer = 0;
    int16_t wholeTimer = 0;
    int16_t roundTimer = 0;
    int16_t MaxRoundTime = 0;      ///< 6099, 9999 or 0 (infinite)
    int16_t roundCount = 0;
    int16_t maxRoundCount = 0;     ///< 0: three rounds, 1: five
    int16_t compLevel = 0;
    int16_t baseLevel = 0;         ///< 0 EASY, 10 NORMAL, 20 HARD
    int16_t gameSpeed = 0;         ///< frame period, ms
    int16_t gameSpeedMode = 0;
    int16_t stageNumber = 0;
    bool TPCSlow = false;
    bool NoContinue = false;
    int16_t checkCounter = ladderstage::Regulars;  ///< the ladder's progress (ladderstage::)
    bool VSactionFlag = false;
    bool enterKey = false;
    int16_t tutorialCounter = 0;
    bool tutorialFinish = false;
    float stageStartTime = 0;      ///< game clock at the stage start (s)
    float totalGameTime = 0;       ///< game clock (s)
    float checkTime = 0;           ///< timer value at which the game clock was 0
    bool secretBetaBoy = false;
    bool secretHonekawa = false;

    // ---- the 17 procedures ---------------------------------------------------------
    void initOpenGameTime();
    /// Resumes the game clock.
    void setCheckTime(EngineContext& game);
    /// Brings the game clock up to date.
    void getTotalSpentTime(EngineContext& game);
    /// A new game.
    void openingInit(EngineContext& game);
    void stageInit();
    void roundInit();
    /// Keeps player's vitality at the end of the round it just won.
    void roundRecording(const Character& player);
    int32_t vitalityBonus(const Character& player) const;
    /// Seconds spent in the stage, saturated to 16 bits.
    int16_t stageTime() const;
    uint8_t numofPerfect(const Character& player) const;
    void timeOver(EngineContext& game);
    /// The judge level of the stage just won; also recorded for the VS list.
    uint8_t SimpleJudgeSystem(EngineContext& game, const Character& player, const Character& opponent);
    void speedSelect(int16_t mode);
    /// The final grade of the game.
    uint8_t totalJudgeRank(const EngineContext& game) const;
    bool IsTimerINFINITY(const EngineContext& game, int16_t n) const;

    // ---- read access for the screens and tests -------------------------------------
    int16_t enemyNumberOfStage(int i) const { return stageEnemyNumber[static_cast<size_t>(i)]; }
    uint8_t judgeLevelOfStage(int i) const { return stageJudgeLevel[static_cast<size_t>(i)]; }
    int16_t vitalityOfRound(int i) const { return roundVitality[static_cast<size_t>(i)]; }

private:
    int32_t judgePointCalc(const EngineContext& game, const Character& player,
                           const Character& opponent) const;

    std::array<int16_t, 11> stageEnemyNumber{};
    std::array<uint8_t, 11> stageJudgeLevel{};
    std::array<int16_t, 4> roundVitality{};
};

/// A play time as every screen shows it: minutes and seconds both taken from the whole
/// seconds the ranking record keeps (the fraction cut off, never negative).
struct PlayTime {
    int64_t minutes;
    int64_t seconds;
};
PlayTime playTimeOf(double totalSeconds);

/// The judge level for points p / 1000 already rounded (the table of levels 1-24).
uint8_t judgeBaseLevel(int32_t p);

}  // namespace morvek
