// GOUDA's attack and movement selects (a target key's place on the keyboard, seen from
// the fighter's facing, picks the move) and his typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Gouda.h"

namespace morvek {

namespace {

enum KeyRow : int16_t { numberRow = 0, topRow = 1, homeRow = 2, bottomRow = 3 };

/// The guard keys' column, seen from the fighter: they start nothing on the home and
/// bottom rows.
constexpr int16_t kGuardColumn = 3;

/// Row 0-3 and column 1-10 of a target key as a fighter facing right sees it; any other
/// facing mirrors the columns, so the keys behind and in front of him act alike. False for
/// a key off the grid.
bool keyPlace(const Character& chara, int16_t key, int16_t& row, int16_t& column) {
    if (key < 1 || key > 40) return false;
    row = static_cast<int16_t>((key - 1) / 10);
    column = static_cast<int16_t>((key - 1) % 10 + 1);
    if (chara.dirStand != 1) column = static_cast<int16_t>(11 - column);
    return true;
}

void slide(Character& chara, int16_t k) { chara.slideVector = chara.dirStand * k; }
void turnAround(Character& chara) { chara.dirStand = cint16(-chara.dirStand); }

void startCounting(EngineContext& game, Character& chara, int16_t pattern, int16_t counter) {
    animChange(game, pattern, chara);
    chara.counTer = counter;
}

/// The bottom row dives (天魔空刃脚) in the air with a slide, else starts its ground move.
void diveOr(EngineContext& game, Character& chara, int16_t diveSlide, int16_t ground) {
    if (chara.floatorStand) {
        animChange(game, 280, chara);
        slide(chara, diveSlide);
    } else {
        animChange(game, ground, chara);
    }
}

// By column 1-10: the drift of 豪昇龍拳 (number row) and of the air 竜巻斬空脚 (top row).
constexpr int16_t kUppercutSlide[11] = {0, -4, -2, 0, 4, 5, 6, 7, 8, 9, 10};
constexpr int16_t kAirSpinSlide[11] = {0, -4, -2, 0, 0, 0, 6, 7, 8, 9, 10};
/// The top-row columns that start the air spin; the middle ones of the back side do not.
constexpr bool isAirSpinColumn(int16_t column) { return column <= 2 || column >= 6; }
// By column: the jumps' drift.
constexpr int16_t kJumpSlide[11] = {0, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
// By column 5-9: the hop's hold in the air.
constexpr int16_t kHopHold[11] = {0, 0, 0, 0, 0, 0, 5, 10, 15, 20, 0};
// By column: the bottom row's steps, back (125) on the two back columns, forward (120) else.
constexpr int16_t kStepCount[11] = {0, 5, 4, 5, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

void Gouda::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    int16_t row = 0;
    int16_t col = 0;
    if (!keyPlace(c, key, row, col)) return;

    switch (row) {
        case numberRow:  // 豪昇龍拳, drifting further the nearer the key is to the front
            animChange(game, 260, c);
            slide(c, kUppercutSlide[col]);
            return;

        case topRow:
            if (isAirSpinColumn(col)) {
                animChange(game, 770, c);
                c.upVector = c.upVector + 8;
                slide(c, kAirSpinSlide[col]);
            } else if (col == 3) {
                animChange(game, 380, c);  // special guard stance
            } else if (col == 4) {
                animChange(game, 200, c);
            } else {
                animChange(game, 530, c);
            }
            return;

        case homeRow:
            switch (col) {
                case 1:
                    turnAround(c);
                    animChange(game, 210, c);
                    break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, c.floatorStand ? 790 : 240, c); break;
                case 5: animChange(game, 20, c); break;
                case 6: exArtsSelect(game, c, 550, 210); break;
                case 7: startCounting(game, c, 650, 2); break;
                case 8: startCounting(game, c, 650, 5); break;
                case 9: startCounting(game, c, 650, 7); break;
                default: animChange(game, 580, c); break;  // 10
            }
            return;

        default:  // bottom row
            switch (col) {
                case 1:
                    turnAround(c);
                    diveOr(game, c, 4, 250);
                    break;
                case 2:
                    turnAround(c);
                    diveOr(game, c, 2, 270);
                    break;
                case kGuardColumn: break;
                case 4: diveOr(game, c, 2, 270); break;
                case 5: diveOr(game, c, 4, 250); break;
                case 6: case 7: case 8: case 9:
                    // 斬影 slides longer, and the dive drifts further, the further out the key
                    if (c.floatorStand) {
                        animChange(game, 280, c);
                        slide(c, cint16(2 * (col - 3)));
                    } else {
                        startCounting(game, c, 220, cint16(col - 5));
                    }
                    break;
                default: animChange(game, c.floatorStand ? 660 : 720, c); break;  // 10
            }
            return;
    }
}

void Gouda::MoveSelect(BattleContext& game, Character& c, int16_t key) {
    int16_t row = 0;
    int16_t col = 0;
    if (!keyPlace(c, key, row, col)) return;

    switch (row) {
        case numberRow:
        case topRow:
            animChange(game, 130, c);
            // Without a jump left only the pose and the drift change.
            if (c.airialJumpCount > 0) {
                c.fallVector = 0;
                c.airialJumpCount = cint16(c.airialJumpCount - 1);
                c.upVector = row == numberRow ? 14 : 8;
            }
            slide(c, kJumpSlide[col]);
            if (col == 3) animChange(game, 150, c);  // straight up
            return;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 70, c); break;
                case 2:  // walks backwards
                    startCounting(game, c, 100, -10);
                    c.AorMflag = 1;
                    break;
                case kGuardColumn: break;
                case 4:
                    startCounting(game, c, 100, 10);
                    c.AorMflag = 0;
                    break;
                case 5: case 6: case 7: case 8: case 9:
                    startCounting(game, c, 90, kHopHold[col]);
                    c.AorMflag = 1;
                    break;
                default: startCounting(game, c, 110, 10); break;  // 10: dash
            }
            return;

        default:  // bottom row
            startCounting(game, c, col <= 2 ? 125 : 120, kStepCount[col]);
            return;
    }
}

void Gouda::TPCFollow(BattleContext& game, Character& c) {
    c.enableAction = false;
    auto next = [&](int16_t pattern) { animChange(game, pattern, c); };
    switch (c.TPCNumber) {
        case 230: next(25); break;
        case 240: next(230); break;
        case 310:  // recovery from the air into 豪昇龍拳
            next(260);
            slide(c, 4);
            neutralReturnCheck(game, c);
            break;
        case 500: next(510); break;
        case 505: next(520); break;
        case 530: next(540); break;
        case 630: next(820); break;
        case 730: next(740); break;
        case 765: next(750); break;
        case 780: next(20); break;
        case 790: next(800); break;
        case 800: next(810); break;
        case 840: next(850); break;
        case 900: next(910); break;
        default: break;
    }
}

void Gouda::TPCSecond(BattleContext& game, Character& c) {
    animChange(game, 70, c);
    if (c.TPCNumber == 310) {  // recovery from the air: a short hop back
        c.fallVector = 0;
        c.upVector = 5;
        neutralReturnCheck(game, c);
    } else {
        slide(c, -10);
    }
}

}  // namespace morvek
