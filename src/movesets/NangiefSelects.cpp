// NANGIEF's attack and movement selects (a target key's place on the keyboard, seen from
// the fighter's facing, picks the move) and its typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Nangief.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

/// The key a fighter facing right would have pressed for the same place: facing left the
/// keyboard is read mirrored within each row. 0 for a key off the grid.
int16_t asFacingRight(const Character& chara, int16_t key) {
    if (key < 1 || key > 40) return 0;
    if (chara.dirStand == 1) return key;
    const int16_t row = static_cast<int16_t>((key - 1) / 10);
    const int16_t column = static_cast<int16_t>((key - 1) % 10 + 1);
    return static_cast<int16_t>(row * 10 + 11 - column);
}

/// Starts a jump pattern; the launch speed only while an air jump is left.
void jump(EngineContext& game, Character& chara, int16_t pattern, int16_t speed) {
    animChange(game, pattern, chara);
    takeJump(chara, speed);
}

/// The body press from the air (or from anywhere on the far bottom-row keys).
void bodyPress(EngineContext& game, Character& chara, int16_t k) {
    animChange(game, 220, chara);
    chara.upVector = 3;
    slide(chara, k);
}

void groundOrPress(EngineContext& game, Character& chara, int16_t ground, int16_t pressSlide) {
    if (!chara.floatorStand) animChange(game, ground, chara);
    else bodyPress(game, chara, pressSlide);
}

void headbutt(EngineContext& game, Character& chara, double up) {
    animChange(game, 530, chara);
    chara.posY = cint16(chara.posY - 10);
    chara.upVector = up;
}

// The bottom-row hops of the move select facing left, by key 31-40: they reach half as
// far, and the two far keys hop back.
constexpr int16_t kLeftBottomHop[10] = {10, 9, 8, 7, 6, 5, 4, 0, -4, -5};

}  // namespace

void Nangief::AttackSelect(BattleContext& game, Character& c, int16_t targetKey) {
    const int16_t key = asFacingRight(c, targetKey);
    if (key == 0) return;

    // The catching jump: number row high, top row low, drifting by column.
    if (key >= 1 && key <= 10 && key != 3) jump(game, c, 260, 10);
    if (key == 11 || key == 12 || (key >= 16 && key <= 20)) jump(game, c, 260, 7);

    switch (key) {
        case 1: case 11: slide(c, -4); break;
        case 2: case 12: slide(c, -2); break;
        case 3: headbutt(game, c, 5); break;
        case 4: case 5: case 6: case 7: case 8: case 9: case 10: slide(c, key); break;
        case 13: animChange(game, 380, c); break;  // special guard stance
        case 14: animChange(game, 200, c); break;
        case 15:
            headbutt(game, c, 2);
            slide(c, 4);
            break;
        case 16: case 17: case 18: case 19: case 20: slide(c, static_cast<int16_t>(key - 10)); break;
        case 21: animChange(game, 640, c); break;
        case 22: animChange(game, 590, c); break;
        case 24: animChange(game, 240, c); break;
        case 25: animChange(game, 210, c); break;
        case 26: exArtsSelect(game, c, 540, 20); break;
        case 27: case 28: case 29: case 30:
            animChange(game, 650, c);
            c.counTer = static_cast<int16_t>((key - 27) * 2);
            break;
        case 31:
            turnAround(c);
            groundOrPress(game, c, 250, 5);
            break;
        case 32:
            turnAround(c);
            groundOrPress(game, c, 270, 4);
            break;
        case 34: groundOrPress(game, c, 270, 4); break;
        case 35: groundOrPress(game, c, 250, 5); break;
        case 36: case 37: case 38: case 39: case 40: bodyPress(game, c, static_cast<int16_t>(key - 30)); break;
        default: break;  // 23 and 33: the guard keys
    }
}

void Nangief::MoveSelect(BattleContext& game, Character& c, int16_t targetKey) {
    if (targetKey < 1 || targetKey > 40) return;
    if (targetKey <= 10) jump(game, c, 130, 14);
    else if (targetKey <= 20) jump(game, c, 130, 8);

    // The bottom row facing left has hops of its own rather than the mirror.
    if (targetKey >= 31 && c.dirStand != 1) {
        animChange(game, 70, c);
        slide(c, kLeftBottomHop[targetKey - 31]);
        return;
    }

    const int16_t key = asFacingRight(c, targetKey);
    const int16_t column = static_cast<int16_t>((key - 1) % 10 + 1);
    if (key <= 20) {  // jumps: drift by column, straight up from the third
        if (column == 3) {
            slide(c, 0);
            animChange(game, 150, c);
        } else {
            static constexpr int16_t kDrift[11] = {0, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
            slide(c, kDrift[column]);
        }
        return;
    }
    switch (key) {
        case 21:
            animChange(game, 70, c);
            slide(c, -10);
            break;
        case 22:
            animChange(game, 100, c);
            c.counTer = -10;
            c.AorMflag = 1;
            break;
        case 24:
            animChange(game, 100, c);
            c.counTer = 10;
            c.AorMflag = 0;
            break;
        case 25: case 26: case 27: case 28: case 29:
            animChange(game, 75, c);
            slide(c, static_cast<int16_t>(key - 20));
            break;
        case 30:
            animChange(game, 90, c);
            c.counTer = 10;
            break;
        case 31: case 32: case 33: {
            static constexpr int16_t kBackHop[3] = {-10, -8, 0};
            animChange(game, 70, c);
            slide(c, kBackHop[key - 31]);
            break;
        }
        case 34: case 35: case 36: case 37: case 38: case 39: case 40:
            animChange(game, 70, c);
            slide(c, static_cast<int16_t>(8 + 2 * (key - 34)));
            break;
        default: break;  // 23: the guard key
    }
}

void Nangief::TPCFollow(BattleContext& game, Character& c) {
    c.enableAction = false;
    switch (c.TPCNumber) {
        case 240: animChange(game, 740, c); break;  // セクハラスクリュー
        case 310:  // out of the air hit into the body press
            animChange(game, 220, c);
            neutralReturnCheck(game, c);
            break;
        case 500: animChange(game, 670, c); break;
        case 630: animChange(game, 610, c); break;
        case 730: animChange(game, 720, c); break;
        case 800: animChange(game, 810, c); break;
        default: break;
    }
}

void Nangief::TPCSecond(BattleContext& game, Character& c) {
    secondWordHop(game, c, kNangiefVoice, true);  // a hop back, or out of an air hit with a shout
}

}  // namespace morvek
