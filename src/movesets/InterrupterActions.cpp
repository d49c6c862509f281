// INTERRUPTER's action script: what happens on every frame of a pattern. Besides the
// steps, sounds and attack frames of the ordinary moves it carries the boss's tricks: the
// teleport away from a knock-down, the meteor strike that lifts the caught opponent high
// above the stage and slams it down twice, the spiral nightmare that lets the typed words
// move him around the opponent, and the super art that freezes the game before its blow.

#include <algorithm>
#include <iterator>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/AttackTable.h"
#include "movesets/Interrupter.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr bool Y = true;
constexpr bool N = false;

// Attack frames opened on every frame of their pattern, sorted by pattern. A catch is a
// box without power: it only tells the script that the opponent was touched.
constexpr AttackEntry kBlowRows[] = {
    {201, {1, 11, 30, 150, 50, 30, 10, 0, 0, -10, 100, 0, 0, 8, 1, 10, 0, 0, N, 1, 1, N}},
    {221, {2, 11, 30, 150, 70, 30, 5, 0, 1, -40, 120, 50, -10, 12, 1, 20, 4, 0, N, 5, 10, N}},
    {232, {2, 14, 10, 120, 80, 50, 5, 10, -20, -40, 120, 50, -10, 4, 2, 20, 10, 0, N, 20, 15, N}},
    {241, {4, 1, 10, 60, 80, 40, 10, 0, 0, -10, 30, 50, 0, 12, 0, 15, 5, 0, N, 10, 10, N}},
    {250, {8, 14, 10, 30, 60, 100, 15, 0, 14, 0, 0, -20, 10, 12, 0, 20, 0, 1, N, 5, 10, N}},
    {501, {3, 28, 10, 70, 80, 40, 10, 0, 0, -70, 40, -50, 10, 2, 0, 15, 5, 0, Y, 10, 10, N}},
    {503, {3, 28, 10, 70, 80, 40, 10, 0, 0, -10, 0, 0, 0, 2, 0, 15, 5, 0, Y, 10, 10, N}},
    {505, {3, 28, 10, 70, 80, 70, 10, 0, 0, -10, 30, 50, 0, 16, 0, 15, 5, 0, Y, 10, 10, N}},
    {513, {4, 1, 10, 60, 80, 40, 10, 0, 0, -10, 30, 50, 0, 12, 0, 15, 5, 0, N, 10, 10, N}},
    {521, {2, 14, 10, 60, 80, 40, 5, 30, 2, -40, 40, 70, 20, 12, 0, 20, 14, 0, N, 15, 20, N}},
    {541, {3, 17, 10, 60, 60, 120, 15, 0, 20, 0, 0, 50, 100, 10, 2, 10, 20, 0, N, 15, 15, N}},
    {571, {2, 1, -100, 50, 60, 60, 10, -10, 1, 160, 30, 50, 0, 12, 0, 15, 5, 0, N, 10, 10, N}},
    {631, {5, 31, 10, 60, 80, 20, 5, 0, 0, -50, 30, 100, 0, 0, 5, 0, 0, 0, N, 0, 0, N}},
    {642, {2, 17, -100, 60, 180, 140, 40, 0, 0, 200, -50, 250, 200, 0, 5, 10, 10, 30, N, 20, 0, N}},
    {661, {7, 15, 10, 80, 60, 40, 5, 20, 0, -50, -20, 100, 100, 20, 4, 10, 20, 20, N, 20, 20, N}},
    {692, {2, 14, -30, 60, 80, 150, 5, 10, -20, -40, 120, 50, -10, 4, 2, 10, 15, 5, N, 20, 15, N}},
    {750, {8, 17, 10, 30, 60, 100, 50, 0, 20, 60, -60, 120, 120, 12, 0, 0, 20, 1, Y, 5, 0, Y}},
    {761, {2, 1, 50, 80, 60, 40, 10, 0, 5, 0, -30, 120, 120, 8, 2, 30, 2, 0, Y, 5, 0, Y}},
    {771, {2, 14, 50, 80, 60, 40, 10, 0, 10, 0, -30, 120, 120, 8, 2, 30, 2, 0, Y, 5, 0, Y}},
    {792, {2, 14, -30, 60, 80, 150, 10, 0, -12, 50, 70, 120, 120, 4, 2, 20, 10, 0, N, 20, 15, Y}},
    {831, {3, 14, 30, 100, 60, 50, 15, 10, -10, -40, 60, 50, -10, 12, 2, 10, 10, 0, N, 50, 15, N}},
    {871, {5, 44, -20, 50, 100, 80, 50, 0, 0, 220, -150, 400, 400, 0, 0, 0, 0, 0, N, 0, 0, N}},
    {876, {3, 44, -300, -200, 600, 400, 25, 0, 0, 0, 0, -100, -100, 0, 0, 0, 0, 130, Y, 0, 0, Y}},
    {883, {3, 44, -400, -200, 800, 400, 25, 0, 0, 0, 0, -100, -100, 0, 0, 0, 0, 256, Y, 0, 0, Y}},
};

constexpr AttackTable kBlows{"INTERRUPTER", kBlowRows};

/// The barrier pushes up or down toward the opponent's feet: its vertical vector is
/// filled in per frame.
constexpr AttackRow kBarrier{2, 15, -90, 10, 180, 180, 15, 30, 0, -50, -20, 100, 100, 20, 0,
                             10, 20, 20, Y, 20, 20, N};

// Sounds.
constexpr int16_t kSlide = 8;        // sliding
constexpr int16_t kJya = 28;         // jya
constexpr int16_t kCharge = 29;      // effect03
constexpr int16_t kShinei = 110;
constexpr int16_t kGasboil = 112;
constexpr int16_t kShau = 113;
constexpr int16_t kHaaaa = 114;
constexpr int16_t kForceField = 116;
constexpr int16_t kInfinity = 146;
constexpr int16_t kDistortion = 152;
constexpr int16_t kGouma = 154;

/// The caught opponent's reaction to a catch box.
constexpr int16_t kCaught = -30;
/// The meteor strike lifts the pair this high and bounces 50 pixels above the ground.
constexpr int16_t kMeteorHeight = -300;
constexpr int16_t kBounceLine = kGroundLine - 50;
/// The super art's final blow is frozen this long when it will finish the opponent.
constexpr int16_t kGoumaFreezeMs = 500;

/// Only called for patterns of the table.
const AttackRow& blowOf(int16_t pattern) { return kBlows.at(pattern); }

void open(BattleContext& game, Character& chara, const AttackRow& b, int16_t vectorY) {
    AttackRow r = b;
    r.vectorY = vectorY;
    openAttack(game, chara, r);
}
void strike(BattleContext& game, Character& chara, int16_t pattern) {
    openAttack(game, chara, blowOf(pattern));
}

/// Opens the combo named `number` once the blow has landed.
void comboOnHit(BattleContext& game, Character& chara, int16_t number) {
    openComboOnHit(game, chara, number);
    lockUnlessTargeting(chara);
}
void faceOpponentByField(Character& chara) { chara.dirStand = chara.LeftOrRight == 1 ? 1 : -1; }
double centre(const Character& c) { return c.posX + c.Width / 2.0; }

/// "穿槍脚": the dive's reaction and power follow the fall speed.
void diveAttack(BattleContext& game, Character& chara) {
    sound(game, chara, kHaVoice);
    const int16_t f = cint16(chara.fallVector);
    const int16_t d = cint16(chara.upVector - chara.fallVector);
    const bool slow = chara.fallVector < 25;
    setAttackFrame(game, chara, 4, slow ? 11 : 14, 0, 150, 50, 30, slow ? 10 : 15, 0, d, -30, 110,
                   f, f, 8, 2);
    int16_t p = cint16(Int(chara.fallVector * chara.fallVector / 20));
    fallAttackPowCap(p);
    setAttackPower(chara, p, 2, 0, false, 4, 4, false);
}

/// Knocked down: he vanishes 100 pixels away from the opponent instead.
void teleportAway(BattleContext& game, Character& chara) {
    if (chara.wavSndFlag || !(chara.viTality > 0)) return;
    chara.posX = chara.posX - chara.LeftOrRight * 100;
    sound(game, chara, kWarpSound);
}

/// "練気障壁": hangs in the air inside the barrier, which pushes toward the opponent's feet.
void barrier(BattleContext& game, Interrupter& self, Character& chara, const Character& opponent) {
    const int16_t v = chara.posY + chara.bottom < opponent.posY + opponent.bottom ? -15 : 15;
    open(game, chara, kBarrier, v);
    if (!chara.wavSndFlag) self.FlyArtsLaunch(game, chara, 11);
    sound(game, chara, kForceField);
    chara.upVector = 0;
    chara.slideVector = 0;
    chara.fallVector = 0;
}

/// A cannonade shot: its pair fires once; the art ends when the typing time is up.
void cannonade(BattleContext& game, Interrupter& self, Character& chara, int16_t flash, int16_t shell) {
    if (!chara.wavSndFlag) {
        self.FlyArtsLaunch(game, chara, flash);
        self.FlyArtsLaunch(game, chara, shell);
    }
    sound(game, chara, kSwingSound);
    if (chara.spacornTimer == 0) animChange(game, 613, chara);
}

/// "メテオストライク" 631: the catch; a caught opponent is taken into the lift.
void meteorCatch(BattleContext& game, Character& chara, const Character& opponent) {
    strike(game, chara, 631);
    if (chara.attackWasHit > 0 && opponent.sTate == kCaught) {
        animChange(game, 640, chara);
        const double x = opponent.posX + opponent.Width / 2.0 - (chara.Width / 2.0 + 10);
        chara.posX = chara.dirStand == 1 ? x : x - 20;
    }
}

/// 641: both are put high above the stage, feet level, the opponent held.
void meteorLift(BattleContext& game, Character& chara, Character& opponent) {
    if (opponent.sTate != kCaught) {
        animChange(game, 0, chara);  // it got away
        return;
    }
    chara.posY = kMeteorHeight;
    opponent.posY = cint16(chara.posY - (opponent.bottom - chara.bottom));
    sound(game, chara, kWarpSound);
    animChange(game, 420, opponent);
    chara.counTer = 0;
}

/// 642: both fall; near the ground they bounce, the second time with the blow's sound,
/// and the art ends.
void meteorSlam(BattleContext& game, Character& chara, Character& opponent) {
    chara.fallVector = chara.fallVector + 0.21;
    opponent.fallVector = opponent.fallVector + 0.21;
    if (chara.posY > kBounceLine - chara.bottom && !chara.wavSndFlag) {
        strike(game, chara, 642);
        if (chara.counTer == 1) sound(game, chara, kHeavyBlowSound);
        chara.fallVector = 0;
        chara.upVector = 5;
        opponent.fallVector = 0;
        opponent.upVector = 8;
        chara.counTer = cint16(chara.counTer + 1);
    }
    if (chara.counTer == 2) animChange(game, 150, chara);
}

/// "スパイラルナイトメア" 750: the opening blow; on a hit he appears above the opponent.
void spiralOpening(BattleContext& game, Character& chara, Character& opponent) {
    sound(game, chara, kSwingSound);
    strike(game, chara, 750);
    if (chara.attackWasHit != 1) return;
    chara.enableAction = true;
    soundPlay(game, kWarpSound);
    animChange(game, 779, chara);
    chara.posX = opponent.posX + opponent.Width / 2.0 - chara.Width / 2.0 + 10;
    chara.posY = cint16(opponent.posY + 50);
    opponent.slideVector = 0;
    chara.upVector = 20;
}

/// 780: the combo of the spiral; he strikes from whichever side of the opponent he is on.
void spiralStance(EngineContext& game, Character& chara, const Character& opponent) {
    chara.MultiTPC = true;
    chara.word3rdDisp = true;
    chara.word3rdPosX = cint16(chara.dirStand * 30);
    chara.word3rdPosY = 30;
    chara.word4thDisp = true;
    chara.word4thPosX = cint16(chara.dirStand * -30);
    chara.word4thPosY = 30;
    chara.TPCNumber = 780;
    chara.posY = cint16(opponent.posY + 50);
    const bool rightOfOpponent = centre(chara) > centre(opponent);
    if (chara.dirStand == 1) {
        if (rightOfOpponent) {
            chara.dirStand = -1;
            animChange(game, 770, chara);
        } else {
            animChange(game, 760, chara);
        }
    } else {
        if (rightOfOpponent) {
            animChange(game, 760, chara);
        } else {
            chara.dirStand = 1;
            animChange(game, 770, chara);
        }
    }
}

/// "業魔封神拳" 871: the catch, on the ground only. An opponent it will finish is frozen
/// in place before the blow; a stronger one takes the repeating swing.
void goumaCatch(BattleContext& game, Character& chara, const Character& opponent) {
    if (!opponent.floatorStand) strike(game, chara, 871);
    if (chara.attackWasHit != 1 || opponent.sTate != kCaught) return;
    const int threshold = std::max(256 - 35 * opponent.difensiBle, 135);
    if (opponent.viTality > threshold) {
        animChange(game, 876, chara);
    } else {
        animChange(game, 879, chara);
        chara.ABSStop = kGoumaFreezeMs;
        musicStopAll(game);
        forward(chara, 40);
    }
}

}  // namespace

void Interrupter::AnimAction(BattleContext& game, Character& chara, Character& opponent) {
    // The boss's gauge fills by itself when the computer plays him.
    if (!chara.PrimalPlayer) spacornGaugeAdd(game, chara, 1.0);

    switch (chara.animPat) {
        // ---- neutral ---------------------------------------------------------------
        case 0: case 30: case 40: case 81: case 160: case 332:
            neutralReturnCheck(game, chara);
            break;
        case 450:
            chara.posX = chara.posX - chara.dirStand * 2;
            [[fallthrough]];
        case 460:
            gettingUp(game, chara);
            break;

        // ---- movement --------------------------------------------------------------
        case 70:
            forward(chara, -10);
            chara.slideVector = 0;
            sound(game, chara, kSlide);
            break;
        case 71: case 72: case 73: forward(chara, -10); break;
        case 75: case 76: forward(chara, 20); break;
        case 77: case 78: case 92: case 93: forward(chara, 7); break;
        case 90: case 91: forward(chara, 14); break;
        case 100: case 101: case 102: case 103: case 104: case 105: case 106:
            forward(chara, chara.counTer == 0 ? 3 : -3);
            break;
        case 131: fallPastTheTop(game, chara); break;
        case 220: forward(chara, 3); break;
        case 240:
            forward(chara, 4);
            sound(game, chara, kThrustSound);
            break;
        case 430: case 431: case 432: case 512: forward(chara, 4); break;
        case 510:
            forward(chara, 4);
            sound(game, chara, kHaVoice);
            break;
        case 511:
            forward(chara, 4);
            sound(game, chara, kSwingSound);
            break;
        case 520:
            forward(chara, 8);
            sound(game, chara, kSeiVoice);
            break;
        case 540:
            forward(chara, 5);
            sound(game, chara, kShinei);
            break;
        case 570:
            forward(chara, -4);
            sound(game, chara, kHaVoice);
            break;
        case 571:
            forward(chara, -4);
            sound(game, chara, kSwingSound);
            strike(game, chara, 571);
            break;
        case 630:
            forward(chara, 10);
            sound(game, chara, kShau);
            break;
        case 660:
            forward(chara, 10);
            sound(game, chara, kSeiVoice);
            break;
        case 721: chara.posMove(1, 0); break;
        case 722:
            chara.posMove(-1, 0);
            launchOnce(game, *this, chara, 13, kSwingSound);
            break;
        case 740:
            forward(chara, 16);
            openCombo(game, chara, 740);
            break;
        case 870:
            forward(chara, 40);
            sound(game, chara, kSwingSound);
            break;
        case 872: forward(chara, -30); break;

        // ---- attacks, sounds, launches and combos ----------------------------------
        case 201:
            sound(game, chara, kLowKickSound);
            strike(game, chara, 201);
            break;
        case 211: diveAttack(game, chara); break;
        case 221: case 232: case 521: case 692: case 831:
            sound(game, chara, kSwingSound);
            strike(game, chara, chara.animPat);
            break;
        case 241:
            strike(game, chara, 241);
            comboOnHit(game, chara, 240);
            break;
        case 242: case 514: case 515: lockUnlessTargeting(chara); break;
        case 243: case 516: case 533: case 613: case 621: case 656: case 733: case 743:
        case 806: case 846: case 863:
            closeCombo(game, chara);
            break;
        case 250: case 541:
            sound(game, chara, kSwingSound);
            strike(game, chara, chara.animPat);
            freeOnHit(chara);
            break;
        case 310: case 311: case 312: airRecovery(game, chara); break;
        case 370: teleportAway(game, chara); break;
        case 380: sound(game, chara, kThrustSound); break;
        case 385: sound(game, chara, kSwingSound); break;
        case 500: case 502: case 504: sound(game, chara, kJya); break;
        case 501: case 503: case 505: strike(game, chara, chara.animPat); break;
        case 513:
            strike(game, chara, 513);
            comboOnHit(game, chara, 510);
            break;
        case 531: openCombo(game, chara, 530); break;
        case 550: sound(game, chara, kCharge); break;
        case 556: launchOnce(game, *this, chara, 1, kGasboil); break;
        case 557: sound(game, chara, kRattleSound); break;
        case 580: cannonade(game, *this, chara, 2, 3); break;
        case 590: cannonade(game, *this, chara, 4, 5); break;
        case 600: cannonade(game, *this, chara, 6, 7); break;
        case 610:
            // The typing phase of the cannonade: three words choose the shot.
            chara.spacornTimer = 200;
            chara.MultiTPC = true;
            chara.word3rdDisp = true;
            chara.word3rdPosX = 30;
            chara.word3rdPosY = 30;
            chara.word4thDisp = true;
            chara.word4thPosX = -30;
            chara.word4thPosY = -30;
            chara.TPCNumber = 610;
            break;
        case 612:
            if (chara.spacornTimer == 0) animChange(game, 613, chara);
            break;
        case 620: openCombo(game, chara, 620); break;
        case 631: meteorCatch(game, chara, opponent); break;
        case 640: break;  // the pair hangs before the lift
        case 641: meteorLift(game, chara, opponent); break;
        case 642: meteorSlam(game, chara, opponent); break;
        case 651: sound(game, chara, kHaaaa); break;
        case 654: openCombo(game, chara, 650); break;
        case 661:
            strike(game, chara, 661);
            sound(game, chara, kHeavyWhiffSound);
            break;
        case 670: launchOnce(game, *this, chara, 8, kWhiffSound); break;
        case 680: case 820:
            sound(game, chara, kWarpSound);
            faceOpponentByField(chara);
            break;
        case 681: openCombo(game, chara, 680); break;
        case 700: case 701: sound(game, chara, kThrustSound); break;
        case 703: launchOnce(game, *this, chara, 10, kThrustSound); break;
        case 710: barrier(game, *this, chara, opponent); break;
        case 730: chara.TPCNumber = 730; break;
        case 750: spiralOpening(game, chara, opponent); break;
        case 761: case 771:
            sound(game, chara, kHaVoice);
            strike(game, chara, chara.animPat);
            break;
        case 779:
            TPCStart(game, chara);
            chara.spacornTimer = 500;  // the spiral's typing time
            break;
        case 780: spiralStance(game, chara, opponent); break;
        case 790:
            sound(game, chara, kWarpSound);
            chara.posY = cint16(opponent.posY - 50);
            faceOpponentByField(chara);
            break;
        case 792:
            sound(game, chara, kSwingSound);
            strike(game, chara, 792);
            break;
        case 801: chara.TPCNumber = 800; break;
        case 804: case 813: case 844: case 853: sound(game, chara, kCharge); break;
        case 810: launchOnce(game, *this, chara, 15, kInfinity); break;
        case 814: chara.counTer = cint16(chara.counTer - 1); break;
        case 821: openCombo(game, chara, 820); break;
        case 840: sound(game, chara, kDistortion); break;
        case 841: chara.TPCNumber = 840; break;
        case 850: launchOnce(game, *this, chara, 16, kBloodSound); break;
        case 862:
            chara.TPCNumber = 860;
            chara.enableAction = true;
            break;
        case 871: goumaCatch(game, chara, opponent); break;
        case 876: case 883: strike(game, chara, chara.animPat); break;
        case 879:
            animChange(game, 880, chara);
            chara.posX = opponent.posX + chara.dirStand * 200;
            break;
        case 882: sound(game, chara, kGouma); break;
        case 884:
            musicPlay(game, -1, -1);  // the tune stopped by the freeze comes back
            if (opponent.viTality > 0) animChange(game, 0, chara);
            break;
        default: break;
    }
}

}  // namespace morvek
