// GINZAMURAI's action script. The action part moves the swordsman, plays the sounds,
// launches the sword trails and throwing spikes and opens and closes the typing combos;
// the attack-frame part opens the melee attack frames and is all the clone servant runs,
// so the clone swings together with its master but never moves or launches on its own.

#include <algorithm>
#include <iterator>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Servants.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Ginzamurai.h"
#include "movesets/GinzamuraiMoves.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace ginzamurai_moves {

namespace {

// Sorted by pattern; looked up by binary search. 755 (分身) is opened by the action part.
constexpr AttackEntry kSwordRows[] = {
    // pattern, type, snd, bX, bY, bW, bH, ATE, vX, vY, cX, cY, zX, zY, lenge, guard,
    //          pow1, pow2, pow3, EX, stun, spPt, spHit
    {21, {3, 19, 0, 120, 280, 125, 5, 0, 3, -50, 100, 240, 20, 18, 0, 15, 2, 1, false, 8, 17, false}},
    {201, {8, 35, -40, 30, 150, 125, 15, 3, 9, 0, 0, 0, 120, 8, 0, 10, 1, 1, true, 3, 13, false}},
    {211, {3, 16, 0, 120, 130, 25, 5, 0, 0, 0, 80, 240, -20, 12, 4, 20, 4, 3, true, 18, 20, false}},
    {225, {4, 16, 30, 220, 80, 30, 5, 0, 0, -20, 150, 0, 0, 8, 1, 8, 2, 0, true, 3, 6, false}},
    {242, {3, 35, 10, 80, 100, 125, 15, 0, -10, 0, 50, 40, 120, 12, 2, 20, 4, 3, true, 18, 20, false}},
    {251, {2, 16, 0, 220, 130, 25, 5, 0, 0, 0, 200, 140, -20, 12, 1, 20, 4, 3, true, 18, 20, false}},
    {265, {3, 35, 0, 40, 160, 220, 5, 5, -10, -100, 0, 0, 220, 14, 0, 25, 2, 1, true, 18, 22, false}},
    {271, {4, 16, 30, 220, 80, 30, 5, 0, 0, -20, 150, 0, 0, 8, 1, 8, 2, 0, false, 3, 6, false}},
    {532, {3, 35, 0, 40, 160, 220, 5, 0, 3, -100, 0, 0, 220, 14, 0, 25, 2, 1, true, 18, 22, false}},
    {590, {4, 23, 10, 150, 60, 30, 15, 0, 0, 0, 140, 0, 0, 0, 3, 0, 0, 0, false, 0, 1, false}},
    {602, {4, 31, 10, 150, 60, 30, 5, 0, 0, 0, 140, 0, 0, 0, 5, 0, 0, 0, false, 0, 1, false}},
    {604, {2, 117, 0, 140, 80, 30, 15, -10, 10, 0, 100, 0, 0, 0, 5, 30, 2, 0, false, 12, 22, false}},
    {642, {3, 35, 0, 120, 120, 125, 15, 0, 8, -50, 100, 240, 20, 8, 0, 25, 2, 11, true, 8, 17, false}},
    {652, {3, 35, 0, 120, 120, 125, 15, 0, 8, -50, 100, 240, 20, 8, 0, 20, 12, 5, true, 8, 17, false}},
    {710, {3, 35, 0, 40, 160, 220, 5, 10, -10, -100, 0, 0, 220, 14, 0, 25, 12, 1, true, 18, 22, false}},
    {741, {3, 21, 0, 40, 150, 180, 25, 0, 4, 0, -50, 100, 300, 18, 0, 28, 10, 10, false, 18, 24, false}},
};

/// The clone art's frame: a wide burst around the fighter, always a super-art hit.
constexpr int16_t kClonePattern = 755;
constexpr AttackRow kCloneFrame = {10, 11, -80, 20, 160, 180, 50, 0, 2, 200, -50, 300, 300,
                                   15, 0, 0, 0, 10, true, 18, 0, true};

constexpr AttackTable kSwords{"GINZAMURAI", kSwordRows};

void walkStep(Character& c) {
    if (c.AorMflag != 0) backward(c, 3);
    else forward(c, 3);
}

}  // namespace

const AttackRow* swordFrame(int16_t pattern) {
    if (pattern == kClonePattern) return &kCloneFrame;
    return kSwords.find(pattern);
}

}  // namespace ginzamurai_moves

using namespace ginzamurai_moves;

void Ginzamurai::AnimAction(BattleContext& game, Character& c, Character& opponent) {
    const int16_t pattern = c.animPat;
    auto launch = [&](int16_t kind) { FlyArtsLaunch(game, c, kind); };

    switch (pattern) {
        case 0: case 30: case 40: case 160: case 332:
            neutralReturnCheck(game, c);
            break;

        // ---- 斬り払い
        case 21:
            if (firstFrame(c)) launch(3);
            sound(game, c, kSwingSound);
            break;
        case 24: closeCombo(game, c); break;

        // ---- movements
        case 70: c.upVector = 2; break;
        case 75: c.upVector = 4; break;
        case 80: sound(game, c, kStepSound); break;
        case 90: case 93:
            forward(c, 10);
            sound(game, c, kStepSound);
            break;
        case 91: case 92: case 94: forward(c, 10); break;
        case 100: case 102:
            walkStep(c);
            sound(game, c, kStepSound);
            break;
        case 101: case 103: walkStep(c); break;
        case 131:
            fallPastTheTop(game, c);  // the rise is spent
            break;

        // ---- 燕返し
        case 201:
            if (firstFrame(c)) launch(5);
            freeOnHit(c);
            sound(game, c, 36);
            forward(c, 15);
            break;

        // ---- 首狩り: the trail keeps coming until the slash connects and opens the combo
        case 211:
            if (c.attackWasHit != 0) {
                openCombo(game, c, 210);
            }
            if (firstFrame(c)) launch(2);
            break;
        case 212: sound(game, c, kSwingSound); break;
        case 214: closeCombo(game, c); break;

        case 225: case 271: sound(game, c, kThrustSound); break;

        // ---- 兜割
        case 242:
            freeOnHit(c);
            sound(game, c, kSwingSound);
            break;

        // ---- 足首狩り
        case 250: forward(c, 10); break;
        case 251: sound(game, c, kSwingSound); break;

        // ---- 大車輪
        case 265:
            if (firstFrame(c)) launch(6);
            sound(game, c, kSwingSound);
            break;

        // ---- knocked into the air: on the way down a live, unstunned fighter may recover
        case 310: case 311: case 312:
            airRecovery(game, c);
            break;

        case 430: forward(c, 2); break;

        // ---- getting up
        case 450:
            backward(c, 2);
            gettingUp(game, c);
            break;
        case 451: case 452: case 453: backward(c, 2); break;
        case 460:
            if (firstFrame(c)) {
                neutralReturnCheck(game, c);
                sound(game, c, 119);
            }
            c.enableGard = false;
            c.enableAction = false;
            break;
        case 470: sound(game, c, kDoryaaVoice); break;

        // ---- super-art openings and the last frames that close a combo
        case 500: c.TPCNumber = 500; break;
        case 630: c.TPCNumber = 630; break;
        case 720: c.TPCNumber = 720; break;
        case 750: c.TPCNumber = 750; break;
        case 501: case 535: case 631: case 721: case 744: case 751:
            closeCombo(game, c);
            break;

        // ---- 超手裏剣
        case 511:
            if (firstFrame(c)) launch(7);
            sound(game, c, kWhiffSound);
            break;

        // ---- 撫で斬り: its combo leads into 十文字剣, or into 斬り払い after a hit
        case 531:
            openCombo(game, c, 740);
            break;
        case 532:
            if (firstFrame(c)) launch(6);
            if (c.attackWasHit != 0) c.TPCNumber = 530;
            break;
        case 533:
            sound(game, c, kSwingSound);
            if (c.TPCNumber != 530) TPCEnd(game, c);
            break;

        // ---- 乱射 and 棒手裏剣
        case 570: exArtsEffect(game, c, opponent); break;
        case 571: case 572: case 573: case 574: case 575:
            if (firstFrame(c)) launch(12);
            sound(game, c, 58);
            break;
        case 581:
            if (firstFrame(c)) launch(1);
            sound(game, c, 58);
            break;

        // ---- the grab: a clean catch turns into 一本釣り
        case 590:
            if (c.attackWasHit == 1) animChange(game, 600, c);
            break;

        // ---- 雷鳴剣
        case 611:
            if (firstFrame(c)) launch(8);
            sound(game, c, 115);
            break;
        case 612: sound(game, c, kMissileSound); break;

        // ---- 斬り返し: turns about for the slash behind, then back
        case 641:
            if (firstFrame(c)) turnAround(c);
            sound(game, c, kDoryaaVoice);
            break;
        case 642:
            if (firstFrame(c)) launch(4);
            sound(game, c, kSwingSound);
            break;
        case 644:
            if (firstFrame(c)) turnAround(c);
            sound(game, c, kThrustSound);
            break;

        // ---- 地擦り残月
        case 650: forward(c, 12); break;
        case 652:
            if (firstFrame(c)) launch(4);
            sound(game, c, kSwingSound);
            break;

        // ---- 弧月斬
        case 710:
            if (firstFrame(c)) launch(6);
            break;
        case 711: sound(game, c, kSwingSound); break;

        // ---- 風刃剣: two blades every frame of the pattern
        case 730:
            launch(9);
            launch(10);
            sound(game, c, kWhiffSound);
            break;

        // ---- 十文字剣
        case 740: forward(c, 12); break;
        case 741:
            if (firstFrame(c)) launch(11);
            sound(game, c, 36);
            break;

        // ---- 分身: the clone appears and the clone period starts
        case 755:
            if (firstFrame(c)) servantCreate(game, c);
            sound(game, c, kBloodSound);
            openAttack(game, c, kCloneFrame);
            c.fallVector = 0;
            c.upVector = 0;
            c.SPspacornTimer = static_cast<float>(c.spacornGaugeMax);
            break;
        case 756: sound(game, c, 36); break;

        default: break;
    }
}

void Ginzamurai::AnimAttack(BattleContext& game, Character& c) {
    const int16_t pattern = c.animPat;
    if (pattern != kClonePattern) {
        if (const AttackRow* f = swordFrame(pattern)) openAttack(game, c, *f);
    }
    // The clone runs only this part, so it keeps its own combo bookkeeping here too.
    if (pattern == 630) c.TPCNumber = 630;
    if (pattern == 631) closeCombo(game, c);
    // While the clone period lasts every blow counts toward the super art.
    if (c.SPspacornTimer > 0) c.spacornHit = true;
}

}  // namespace morvek
