// HONEKAWA's attack and movement selects (the target key's place on the keyboard, seen
// from the fighter's facing, picks the move; the fighter's own column is the guard keys')
// and its typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Honekawa.h"

namespace morvek {

namespace {

enum KeyRow : int16_t { numberRow = 0, topRow = 1, homeRow = 2, bottomRow = 3 };

/// A key's row and its column 1-10 as a fighter facing right sees it: facing left the
/// keyboard is mirrored, so the guard column "K"/"," becomes column 3 like "D"/"C".
struct KeyPlace {
    int16_t row = 0;
    int16_t column = 0;
};

bool placeOf(const Character& c, int16_t key, KeyPlace& at) {
    if (key < 1 || key > 40) return false;
    at.row = static_cast<int16_t>((key - 1) / 10);
    at.column = static_cast<int16_t>((key - 1) % 10 + 1);
    if (c.dirStand != 1) at.column = static_cast<int16_t>(11 - at.column);
    return true;
}

constexpr int16_t kGuardColumn = 3;

/// Jump slide of the number-row and top-row keys by column: -2 at the far back to 7.
int16_t jumpSlide(int16_t column) { return static_cast<int16_t>(column - 3); }

/// Starts a jumping pattern; it rises only while an air jump is left, but slides anyway.
void jumpSetUp(EngineContext& game, Character& c, int16_t pattern, int16_t speed, int16_t slide) {
    animChange(game, pattern, c);
    if (c.airialJumpCount > 0) {
        c.fallVector = 0;
        c.airialJumpCount = cint16(c.airialJumpCount - 1);
        c.upVector = speed;
    }
    c.slideVector = c.dirStand * slide;
}

void startWithCounter(EngineContext& game, Character& c, int16_t pattern, int16_t counter) {
    animChange(game, pattern, c);
    c.counTer = counter;
}

/// 雷撃蹴 in the air: the dive slides `slide` toward the facing.
void dive(BattleContext& game, Character& c, int16_t slide) {
    animChange(game, 280, c);
    c.slideVector = c.dirStand * slide;
}

/// The low kicks of the bottom row on the ground, the dive in the air.
void lowOrDive(BattleContext& game, Character& c, int16_t ground, int16_t diveSlide) {
    if (c.floatorStand) dive(game, c, diveSlide);
    else animChange(game, ground, c);
}

void turnAbout(Character& c) { c.dirStand = cint16(-c.dirStand); }

}  // namespace

void Honekawa::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at;
    if (!placeOf(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
        case numberRow:  // 連起脚, high jump
            jumpSetUp(game, c, 260, 10, jumpSlide(col));
            break;

        case topRow:
            switch (col) {
                case 1: jumpSetUp(game, c, 260, 7, -2); break;
                case 2: jumpSetUp(game, c, 260, 7, -1); break;
                case 3: animChange(game, 380, c); break;  // parry stance
                case 4: animChange(game, 230, c); break;
                case 5: animChange(game, 530, c); break;
                default: jumpSetUp(game, c, 260, 7, static_cast<int16_t>(col - 4)); break;
            }
            break;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 640, c); break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, c.floatorStand ? 560 : 240, c); break;
                case 5: animChange(game, 210, c); break;
                case 6: animChange(game, 20, c); break;
                // 鉄山靠: the farther the key, the longer the lunge
                case 7: startWithCounter(game, c, 650, 2); break;
                case 8: startWithCounter(game, c, 650, 5); break;
                case 9: startWithCounter(game, c, 650, 10); break;
                case 10: animChange(game, 580, c); break;
                default: break;
            }
            break;

        case bottomRow:
            switch (col) {
                case 1:
                    turnAbout(c);
                    lowOrDive(game, c, 250, 2);
                    break;
                case 2:
                    turnAbout(c);
                    lowOrDive(game, c, 270, 1);
                    break;
                case kGuardColumn: break;
                case 4: lowOrDive(game, c, 270, 1); break;
                case 5: lowOrDive(game, c, 250, 2); break;
                default:
                    // A dash that runs longer the farther the key, then 穿弓腿.
                    if (c.floatorStand) {
                        dive(game, c, static_cast<int16_t>(col - 3));
                    } else {
                        startWithCounter(game, c, 120, static_cast<int16_t>(col - 5));
                        c.AorMflag = 1;
                    }
                    break;
            }
            break;

        default: break;
    }
}

void Honekawa::MoveSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at;
    if (!placeOf(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
        case numberRow:
        case topRow:
            jumpSetUp(game, c, 130, at.row == numberRow ? 15 : 9, jumpSlide(col));
            if (col == kGuardColumn) animChange(game, 150, c);  // straight up
            break;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 70, c); break;
                case 2: startWithCounter(game, c, 100, 1); break;  // walk back
                case kGuardColumn: break;
                case 4: startWithCounter(game, c, 100, 0); break;  // walk forward
                case 10: animChange(game, 170, c); break;
                default:  // hop, farther by column
                    animChange(game, 75, c);
                    c.slideVector = c.dirStand * col;
                    break;
            }
            break;

        case bottomRow:
            c.AorMflag = 0;  // these dashes end standing
            switch (col) {
                case 1: startWithCounter(game, c, 125, 5); break;
                case 2: startWithCounter(game, c, 125, 4); break;
                case kGuardColumn: startWithCounter(game, c, 120, 5); break;
                default: startWithCounter(game, c, 120, col); break;
            }
            break;

        default: break;
    }
}

void Honekawa::TPCFollow(BattleContext& game, Character& c) {
    switch (c.TPCNumber) {
        case 240: animChange(game, 540, c); break;  // 崩拳
        case 540: animChange(game, 550, c); break;  // 虎撲子
        case 560: animChange(game, 565, c); break;  // 槍雷脚
        case 565: animChange(game, 570, c); break;  // 片虎撲
        case 500: animChange(game, 505, c); break;  // the charge of 雷震魔破拳
        case 630: animChange(game, 610, c); break;  // 転身穿弓腿
        case 700: animChange(game, 660, c); break;  // 槍雷虎炮
        case 720: animChange(game, 730, c); break;  // 蟷螂斬, second cut
        case 730: animChange(game, 740, c); break;  // 蟷螂斬, third cut
        case 750: animChange(game, 760, c); break;  // the summon
        case 310:                                   // 雷撃蹴 out of an air hit
            animChange(game, 280, c);
            neutralReturnCheck(game, c);
            break;
        default: break;
    }
}

void Honekawa::TPCSecond(BattleContext& game, Character& c) {
    animChange(game, 70, c);
    if (c.TPCNumber == 310) {  // a recovery hop out of the air hit
        c.fallVector = 0;
        c.upVector = 5;
        soundPlay(game, 100);
        neutralReturnCheck(game, c);
    }
}

}  // namespace morvek
