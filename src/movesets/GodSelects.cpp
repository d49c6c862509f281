// G O D's keys: three attack keys, the movement map (jumps on the number, Q and Z rows,
// steps and walks on the A row) and the one typing-combo follow-up, which turns the first
// judgement into the second. There is no second-word step.

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/God.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

struct KeyPattern {
    int16_t key, pattern;
};
// Facing right the arts sit in column 4 (R, F, V), facing left in column 7 (U, J, M).
constexpr KeyPattern kAttacksRight[] = {{14, 520}, {24, 510}, {34, 500}};
constexpr KeyPattern kAttacksLeft[] = {{17, 520}, {27, 510}, {37, 500}};

// A jump's horizontal speed (counTer) by column 1-10; facing left the rows are not the
// mirror of facing right, and column 9 repeats column 7.
constexpr int16_t kJumpRight[10] = {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
constexpr int16_t kLowJumpRight[10] = {-10, -9, 0, 9, 10, 11, 12, 13, 14, 15};
constexpr int16_t kJumpLeft[10] = {7, 6, 5, 4, 3, 2, 1, 0, 1, -2};

constexpr int16_t kJump = 130;
constexpr int16_t kStepBack = 70;
constexpr int16_t kLongStep = 75;
constexpr int16_t kWalk = 100;
constexpr int16_t kJudgementFirst = 210;
constexpr int16_t kJudgementSecond = 220;

void jump(EngineContext& game, Character& c, double lift, int16_t speed) {
    animChange(game, kJump, c);
    c.posY = cint16(c.posY - 10);
    c.upVector = lift;
    c.counTer = speed;
}

void walk(EngineContext& game, Character& c, int16_t backwards) {
    animChange(game, kWalk, c);
    c.counTer = backwards;
    c.slideVector = 0;
}

void longStep(EngineContext& game, Character& c, int16_t repeats) {
    c.counTer = repeats;
    animChange(game, kLongStep, c);
}

}  // namespace

void God::AttackSelect(BattleContext& game, Character& c, int16_t targetKey) {
    animChange(game, 0, c);
    const auto& keys = c.dirStand == 1 ? kAttacksRight : kAttacksLeft;
    for (const KeyPattern& k : keys)
        if (k.key == targetKey) animChange(game, k.pattern, c);
}

void God::MoveSelect(BattleContext& game, Character& c, int16_t targetKey) {
    if (targetKey < 1 || targetKey > 40) return;
    const bool right = c.dirStand == 1;
    const int row = (targetKey - 1) / 10;  // 0 number row, 1 Q, 2 A, 3 Z
    const int col = (targetKey - 1) % 10;  // 0 = the row's leftmost key
    if (row == 0 || row == 1) {
        jump(game, c, row == 0 ? 10 : 5, right ? kJumpRight[col] : kJumpLeft[col]);
        return;
    }
    if (row == 3) {
        jump(game, c, 1, right ? kLowJumpRight[col] : kJumpLeft[col]);
        return;
    }
    // The A row, counted from the back: step back, walk back, the guard key, walk
    // forward, then the long step with 1-6 extra repeats.
    const int fromBack = right ? col : 9 - col;
    switch (fromBack) {
    case 0: animChange(game, kStepBack, c); break;
    case 1: walk(game, c, 1); break;
    case 2: break;
    case 3: walk(game, c, 0); break;
    default: longStep(game, c, static_cast<int16_t>(fromBack - 3)); break;
    }
}

void God::TPCFollow(BattleContext& game, Character& c) {
    if (c.TPCNumber == kJudgementFirst) animChange(game, kJudgementSecond, c);
}

void God::TPCSecond(BattleContext&, Character&) {}

}  // namespace morvek
