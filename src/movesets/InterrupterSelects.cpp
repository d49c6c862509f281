// INTERRUPTER's key map and typing-combo steps. For him the keyboard is a map of the
// screen around him: a number-row or top-row attack key teleports him up and over to the
// key's column before the attack; the bottom-row and middle-row movement keys blink him
// sideways to it. The columns are 64 pixels apart; his guard key's column is his own.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Interrupter.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr int kColumn = 64;
/// The far column lies a little short of ten columns away.
constexpr int kFarAttack = 446;
constexpr int kFarMove = 448;
/// Column of the guard key: the fighter's own column.
constexpr int kGuardColumnRight = 3;
constexpr int kGuardColumnLeft = 8;

int columnOf(int key) { return (key - 1) % 10 + 1; }
bool facingRight(const Character& c) { return c.dirStand == 1; }
/// The facing-right column that does the same thing: the left-facing map is the mirror.
int mirrored(const Character& c, int column) { return facingRight(c) ? column : 11 - column; }

/// Sideways offset of a teleport of the attack select: the distance in front of him, turned
/// by his facing.
double attackOffset(const Character& c, int column) {
    if (facingRight(c)) {
        return column == 10 ? c.dirStand * kFarAttack : c.dirStand * kColumn * (column - kGuardColumnRight);
    }
    return column == 1 ? c.dirStand * kFarAttack : c.dirStand * kColumn * (kGuardColumnLeft - column);
}

/// Sideways offset of a blink of the movement select, in screen terms.
int moveOffset(const Character& c, int column) {
    if (facingRight(c)) return column == 10 ? kFarMove : kColumn * (column - kGuardColumnRight);
    return column == 1 ? -kFarMove : kColumn * (column - kGuardColumnLeft);
}

void start(EngineContext& game, Character& c, int16_t pattern) { animChange(game, pattern, c); }

void teleport(EngineContext& game, Character& c, int column, int lift, int16_t pattern) {
    c.posY = cint16(c.posY - lift);
    c.posX = c.posX + attackOffset(c, column);
    start(game, c, pattern);
}

void blink(EngineContext& game, Character& c) {
    charaSoundPlay(game, kWarpSound, c);
    start(game, c, 140);
    c.posY = cint16(c.posY - 50);
}

void spendAirJump(Character& c, double upVector) {
    if (c.airialJumpCount <= 0) return;
    c.upVector = upVector;
    c.fallVector = 0;
    c.airialJumpCount = cint16(c.airialJumpCount - 1);
}

}  // namespace

void Interrupter::AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    if (targetKey < 1 || targetKey > 40) return;
    const int column = columnOf(targetKey);
    const int c = mirrored(chara, column);

    if (targetKey <= 10) {
        teleport(game, chara, column, 200, 680);
        return;
    }
    if (targetKey <= 20) {
        switch (c) {  // the three keys round his own column attack in place
            case 3: start(game, chara, 380); return;
            case 4: start(game, chara, 250); return;
            case 5: start(game, chara, 530); return;
            default: teleport(game, chara, column, 100, 820); return;
        }
    }
    if (targetKey <= 30) {
        switch (c) {
            case 1: start(game, chara, 570); break;
            case 2: start(game, chara, 620); break;
            case 4: start(game, chara, 500); break;
            case 5: start(game, chara, 510); break;
            case 6: start(game, chara, 650); break;
            case 7: startCounted(game, chara, 700, 2); break;  // the cut lands further out
            case 8: startCounted(game, chara, 700, 3); break;
            case 9: startCounted(game, chara, 700, 4); break;
            case 10: start(game, chara, 550); break;
            default: break;  // guard key
        }
        return;
    }
    switch (c) {
        case 1:
            chara.dirStand = cint16(-chara.dirStand);  // turns round
            start(game, chara, 220);
            break;
        case 2:
            chara.dirStand = cint16(-chara.dirStand);
            start(game, chara, 200);
            break;
        case 4: start(game, chara, chara.floatorStand ? 210 : 200); break;
        case 5: start(game, chara, chara.floatorStand ? 230 : 220); break;
        case 6: startCounted(game, chara, 670, 0); break;  // the missile drifts faster
        case 7: startCounted(game, chara, 670, 1); break;
        case 8: startCounted(game, chara, 670, 2); break;
        case 9: startCounted(game, chara, 670, 3); break;
        case 10: startCounted(game, chara, 670, 4); break;
        default: break;  // guard key
    }
}

void Interrupter::MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    if (targetKey < 1 || targetKey > 40) return;
    const int column = columnOf(targetKey);

    // The row's rise comes first, whatever the facing.
    if (targetKey <= 10) {
        chara.posY = cint16(chara.posY - 200);
        charaSoundPlay(game, kWarpSound, chara);
        spendAirJump(chara, 12);
    } else if (targetKey <= 20) {
        spendAirJump(chara, 9);
    } else if (targetKey > 30) {
        blink(game, chara);
    }

    const int c = mirrored(chara, column);
    if (targetKey <= 20) {
        // Jumps: the slide grows with the key's distance ahead; his own column goes straight up.
        static constexpr int16_t kSlide[11] = {0, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
        static constexpr int16_t kJump[11] = {0, 134, 134, 150, 134, 130, 130, 130, 130, 130, 130};
        chara.slideVector = chara.dirStand * kSlide[c];
        start(game, chara, kJump[c]);
        return;
    }
    if (targetKey <= 30) {
        switch (c) {
            case 1: start(game, chara, 70); break;
            case 2: startCounted(game, chara, 100, 1); break;  // walks back
            case 4:
                startCounted(game, chara, 100, 0);
                if (facingRight(chara)) chara.slideVector = chara.dirStand * 4;
                break;
            case 5: start(game, chara, 90); break;
            case 6: case 7: case 8: case 9:
                chara.posX = chara.posX + moveOffset(chara, column);
                blink(game, chara);
                break;
            case 10: start(game, chara, 75); break;
            default: break;  // guard key
        }
        return;
    }
    chara.posX = chara.posX + moveOffset(chara, column);
}

void Interrupter::TPCFollow(BattleContext& game, Character& chara) {
    switch (chara.TPCNumber) {
        case 240: start(game, chara, 520); break;
        case 310:
            start(game, chara, 710);
            neutralReturnCheck(game, chara);
            break;
        case 510: start(game, chara, 240); break;
        case 530: start(game, chara, 540); break;
        case 610:
            if (chara.inputKeyNum == 1) start(game, chara, 590);
            else if (chara.inputKeyNum == 3) start(game, chara, 600);
            else if (chara.inputKeyNum == 4) start(game, chara, 580);
            break;
        case 620: start(game, chara, 630); break;
        case 650: start(game, chara, 660); break;
        case 680: start(game, chara, 690); break;
        case 730: start(game, chara, 720); break;
        case 740: start(game, chara, 750); break;
        case 780:
            // Words 3 and 4 teleport him 100 pixels the way he faces; the other of the pair
            // only renews the stance.
            if (chara.inputKeyNum == 1) {
                soundPlay(game, kWarpSound);
                start(game, chara, 790);
            } else if (chara.inputKeyNum == 3) {
                if (chara.dirStand == -1) {
                    chara.posX = chara.posX - 100;
                    soundPlay(game, kWarpSound);
                }
                start(game, chara, 780);
            } else if (chara.inputKeyNum == 4) {
                if (chara.dirStand == 1) {
                    chara.posX = chara.posX + 100;
                    soundPlay(game, kWarpSound);
                }
                start(game, chara, 780);
            }
            break;
        case 800: start(game, chara, 810); break;
        case 820: start(game, chara, 830); break;
        case 840: start(game, chara, 850); break;
        case 860: start(game, chara, 870); break;
        default: break;
    }
}

void Interrupter::TPCSecond(BattleContext& game, Character& chara) {
    secondWordHop(game, chara, kHaVoice, false);  // the air recovery's back step drops him gently
}

}  // namespace morvek
