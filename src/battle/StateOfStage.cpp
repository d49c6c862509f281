#include "battle/StateOfStage.h"

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "engine/System.h"

namespace morvek {

namespace {

constexpr int16_t kTimeOverSound = 148;

/// Upper ends of the judge levels 1..23; anything else is level 24.
constexpr int32_t kJudgeLevelTop[] = {10,  20,  30,  39,  48,  58,  67,  77,  86,  96,  105, 111,
                                      115, 120, 125, 130, 135, 140, 150, 160, 180, 200, 250};

bool validWinCount(int16_t w) { return w >= 0 && w <= 3; }

}  // namespace

PlayTime playTimeOf(double totalSeconds) {
    const int64_t whole = totalSeconds > 0 ? static_cast<int64_t>(totalSeconds) : 0;
    return PlayTime{whole / 60, whole % 60};
}

uint8_t judgeBaseLevel(int32_t p) {
    if (p < 0) return 24;
    uint8_t level = 1;
    for (int32_t top : kJudgeLevelTop) {
        if (p <= top) return level;
        ++level;
    }
    return 24;
}

void StateOfStage::initOpenGameTime() {
    totalGameTime = 0;
    checkTime = 0;
}

void StateOfStage::setCheckTime(EngineContext& game) {
    checkTime = static_cast<float>(game.platform.seconds() - totalGameTime);
}

void StateOfStage::getTotalSpentTime(EngineContext& game) {
    totalGameTime = static_cast<float>(game.platform.seconds() - checkTime);
}

void StateOfStage::openingInit(EngineContext& game) {
    checkCounter = ladderstage::Regulars;
    stageNumber = 0;
    initOpenGameTime();
    game.engine.gameScore = 0;
    NoContinue = true;
}

void StateOfStage::stageInit() {
    roundCount = 0;
    wholeTimer = 0;
    roundFinish = false;
    changeTimer = 0;
    stageStartTime = totalGameTime;
    roundVitality.fill(0);  // a new stage grades only its own rounds
}

void StateOfStage::roundInit() {
    changeTimer = 0;
    roundFinish = false;
    roundCount = cint16(roundCount + 1);
    wholeTimer = 0;
}

void StateOfStage::roundRecording(const Character& player) {
    if (!validWinCount(player.winCount)) return;
    roundVitality[static_cast<size_t>(player.winCount)] = cint16(player.viTality);
}

int32_t StateOfStage::vitalityBonus(const Character& player) const {
    int32_t s = 0;
    for (int i = 1; i <= player.winCount && i <= 3; ++i) s += roundVitality[static_cast<size_t>(i)];
    const int32_t scaled = s * 10000;
    return cint32(scaled / kFullVitality / 100.0) * 100;
}

int16_t StateOfStage::stageTime() const {
    const float spent = totalGameTime - stageStartTime;
    return cint16(spent);
}

uint8_t StateOfStage::numofPerfect(const Character& player) const {
    uint8_t n = 0;
    for (int i = 1; i <= player.winCount && i <= 3; ++i) {
        if (roundVitality[static_cast<size_t>(i)] == kFullVitality) ++n;
    }
    return n;
}

void StateOfStage::timeOver(EngineContext& game) {
    roundTimer = 0;
    roundFinish = true;
    ABSStop = 2000;
    soundPlay(game, kTimeOverSound);
}

int32_t StateOfStage::judgePointCalc(const EngineContext& game, const Character& player,
                                     const Character& opponent) const {
    const int16_t w = player.winCount;
    int32_t v = 0;
    for (int i = 1; i <= w && i <= 3; ++i) v += roundVitality[static_cast<size_t>(i)];
    const int32_t a = game.engine.keyCount == kNormalKeyCount ? 120 : 100;
    const int16_t t1 = cint16(v / kFullVitality * w * a);
    const int32_t b = TPCSlow ? 100 : 120;
    int32_t t2 = b * w - stageTime();
    if (t2 < 0) t2 = 0;
    const int16_t sum = cint16(static_cast<double>(t1) + t2 + player.MaxComboCount);
    return int32_t{sum} * (gameSpeedMode + 5) * (opponent.cpuLevel + 5);
}

uint8_t StateOfStage::SimpleJudgeSystem(EngineContext& game, const Character& player,
                                        const Character& opponent) {
    const int32_t p = cint32(judgePointCalc(game, player, opponent) / 1000.0);
    int32_t level = judgeBaseLevel(p);
    level += numofPerfect(player);
    if (opponent.winCount == 0) level += 1;
    if (player.MaxComboCount > 49) level += 1;
    if (player.MaxComboCount > 99) level += 1;
    if (opponent.winCount > 0) level -= 2;
    level += cint16(Int((player.SJSpoint - 42 * maxRoundCount) / 10.0));
    level += static_cast<int32_t>(Int(opponent.cpuLevel / 5.0));
    if (opponent.NUMBER == fighter::Betaboy) level += 4;
    if (opponent.NUMBER == fighter::God) level += 3;
    if (level < 0) level = 0;
    if (level > 25) level = 25;

    const auto result = static_cast<uint8_t>(level);
    if (stageNumber >= 0 && stageNumber <= 10) {
        stageJudgeLevel[static_cast<size_t>(stageNumber)] = result;
        stageEnemyNumber[static_cast<size_t>(stageNumber)] = opponent.NUMBER;
    }
    return result;
}

void StateOfStage::speedSelect(int16_t mode) {
    switch (mode) {
        case 0: gameSpeed = 30; gameSpeedMode = 0; break;
        case 1: gameSpeed = 26; gameSpeedMode = 1; break;
        case 2: gameSpeed = 22; gameSpeedMode = 2; break;
        default: break;
    }
}

uint8_t StateOfStage::totalJudgeRank(const EngineContext& game) const {
    int32_t s = 0;
    for (int i = 1; i <= stageNumber && i <= 10; ++i) s += stageJudgeLevel[static_cast<size_t>(i)];
    int32_t g = cint16(s / 7.0);
    const int32_t continues = Mod(game.engine.gameScore, 100);
    if (continues == 0) {
        g += 1;
    } else if (continues == 1) {
        g -= 1;
    } else if (continues == 2) {
        g -= 2;
    } else if (continues >= 3 && continues <= 5) {
        g -= 3;
    } else if (continues >= 6) {
        g -= 4;
    }
    if (g < 0) g = 0;
    return static_cast<uint8_t>(g > 255 ? 255 : g);
}

bool StateOfStage::IsTimerINFINITY(const EngineContext& game, int16_t n) const {
    return n == fighter::God || MaxRoundTime == 0 || game.engine.playMode != PlayMode::Arcade;
}

}  // namespace morvek
