// NANGIEF's action script: what happens on every frame of a pattern. Besides the steps,
// sounds and attack frames of the ordinary moves it carries out the grappler's throws:
// a powerless grab box detects the contact, the opponent is then held (its position
// written every frame), lifted and spun around, and a slam box deals the damage.

#include <algorithm>
#include <iterator>
#include <string>

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
#include "movesets/Nangief.h"
#include "movesets/NangiefPatterns.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr bool T = true;
constexpr bool F = false;

// Attack frames opened on every frame of their pattern, sorted by pattern. A grab is a box
// with no power at all: it only tells the script that the opponent was touched.
constexpr AttackEntry kStrikeRows[] = {
    {23, {2, 17, 30, 100, 100, 40, 10, 18, 2, -10, 0, 120, 120, 18, 0, 20, 12, 15, F, 18, 27, F}},
    {202, {8, 17, 40, 100, 50, 80, 15, 2, 10, 0, 0, 0, 120, 8, 0, 30, 1, 1, T, 3, 13, F}},
    {212, {7, 19, 0, 120, 120, 25, 5, 0, 0, -80, 0, 0, 140, 18, 0, 20, 4, 3, F, 18, 20, F}},
    {221, {3, 19, -50, 170, 150, 60, 15, 0, -6, 0, 150, 140, -20, 12, 0, 20, 0, 0, F, 12, 15, F}},
    {222, {3, 19, -50, 220, 150, 60, 15, 0, -6, 0, 200, 140, -20, 12, 0, 10, 4, 3, F, 12, 15, F}},
    {251, {2, 19, 0, 220, 130, 25, 15, 0, 0, 0, 200, 140, -20, 12, 1, 20, 4, 3, F, 4, 20, F}},
    {262, {4, 48, 40, 50, 50, 80, 15, 0, 0, 0, 60, 60, 0, 0, 3, 0, 0, 0, F, 0, 0, F}},
    {271, {1, 19, 30, 170, 80, 30, 5, 0, 0, -60, 120, 0, 0, 8, 1, 8, 2, 0, F, 3, 6, F}},
    {520, {7, 17, -100, 60, 180, 140, 40, 3, 5, 200, 0, 250, 200, 0, 5, 5, 20, 10, F, 14, 10, T}},
    {532, {2, 14, 0, 100, 60, 60, 10, 0, 2, 60, 0, 120, 120, 14, 0, 5, 22, 1, F, 70, 22, F}},
    {543, {2, 59, 30, 100, 100, 40, 80, 50, 5, -10, 0, 120, 120, 18, 0, 10, 30, 15, T, 20, 0, F}},
    {590, {4, 48, 40, 100, 50, 80, 15, 0, 0, 0, 60, 60, 0, 0, 3, 0, 0, 0, F, 0, 0, F}},
    {642, {2, 14, -120, 80, 240, 60, 15, 2, -1, 30, 50, 240, 20, 8, 0, 24, 0, 1, T, 4, 6, F}},
    {644, {2, 14, -120, 80, 240, 60, 15, 2, 0, 30, 50, 240, 20, 8, 0, 25, 0, 1, T, 4, 6, F}},
    {672, {4, 48, 40, 50, 100, 180, 15, 0, 0, 0, 60, 60, 0, 0, 3, 0, 0, 0, F, 0, 0, F}},
    {721, {5, 50, -130, -100, 400, 360, 35, 0, 0, -20, 100, 0, 0, 0, 5, 0, 0, 0, F, 0, 0, F}},
    {741, {5, 48, 20, 100, 80, 90, 35, 0, 0, -20, 100, 0, 0, 0, 5, 0, 0, 0, F, 0, 0, F}},
    {790, {2, 17, -100, 60, 180, 140, 40, 0, 0, 200, 0, 250, 200, 0, 5, 5, 20, 10, F, 14, 30, F}},
    {811, {5, 48, 20, 100, 80, 90, 35, 0, 0, -20, 100, 0, 0, 0, 5, 0, 0, 0, F, 0, 0, F}},
    {822, {2, 17, 0, 60, 180, 140, 40, 1, 2, 50, 0, 250, 200, 0, 5, 30, 10, 0, F, 20, 0, T}},
    {825, {2, 17, -20, 60, 220, 140, 40, 1, 3, 50, 0, 250, 200, 0, 5, 30, 10, 0, F, 20, 0, T}},
    {850, {2, 17, -100, 100, 200, 200, 40, 0, 10, 200, -100, 400, 300, 0, 5, 15, 20, 60, F, 20, 0, T}},
};

constexpr AttackTable kStrikes{"NANGIEF", kStrikeRows};

// Slams whose values depend on how the throw began or where the fighter is.
/// The backdrop slam after the super catch: a super-art hit.
constexpr AttackRow kBackdropSuperSlam{7, 17, 0, 60, 180, 140, 40, 5, 5, 50, 0, 250, 200, 0, 5,
                                       30, 10, 0, F, 20, 25, T};
/// The plain backdrop slam.
constexpr AttackRow kBackdropSlam{2, 17, 0, 60, 180, 140, 40, 5, 5, 50, 0, 250, 200, 0, 5,
                                  30, 10, 0, F, 20, 25, F};
/// The backdrop thrown in the air: no damage, the opponent is only tossed.
constexpr AttackRow kBackdropAirSlam{2, 2, 0, 60, 180, 140, 40, 5, -10, 0, 0, 0, 0, 0, 3,
                                     0, 0, 0, F, 20, 21, F};
/// The screw's landing slam after a super art, and after the combo grab.
constexpr AttackRow kScrewSuperSlam{2, 17, -100, 60, 180, 140, 40, 0, 10, 200, 50, 250, 200, 0, 5,
                                    15, 20, 50, F, 20, 0, T};
constexpr AttackRow kScrewSlam{2, 17, -100, 60, 180, 140, 40, 0, 10, 200, 50, 250, 200, 0, 5,
                               15, 20, 30, F, 20, 40, F};
/// The carried slams of 822 and 825 when the fighter is off the ground.
constexpr AttackRow kCarryAirSlam{2, 2, 0, 60, 180, 140, 40, 5, -10, 0, 0, 0, 0, 0, 3,
                                  0, 0, 0, F, 20, 0, F};

/// The grab at the typing target: its place comes from the cursor.
constexpr AttackRow kTargetGrab{5, 50, 0, 0, 110, 110, 35, 0, 0, -20, 100, 0, 0, 0, 5,
                                0, 0, 0, F, 0, 0, F};

/// The falling screw lets go this high above the ground line.
constexpr int16_t kScrewReleaseY = 1600;

/// Only called for patterns of the table.
const AttackRow& strikeOf(int16_t pattern) { return kStrikes.at(pattern); }

void open(BattleContext& game, Character& chara, const AttackRow& s, int16_t boxX, int16_t boxY) {
    AttackRow r = s;
    r.boxX = boxX;
    r.boxY = boxY;
    openAttack(game, chara, r);
}
void open(BattleContext& game, Character& chara, const AttackRow& s) { openAttack(game, chara, s); }

bool onGround(const Character& chara) { return chara.posY == kGroundLine - chara.bottom; }

/// Lifts the caught opponent with the fighter: both rise together, centred on each other,
/// the opponent's feet 70 pixels below the top of the fighter's cell.
void lift(Character& chara, Character& opponent, double upSpeed, bool pushOpponent) {
    chara.posY = cint16(chara.posY - 10);
    chara.upVector = upSpeed;
    if (pushOpponent) opponent.slideVector = 2 * opponent.dirStand;
    opponent.fallVector = chara.fallVector;
    opponent.upVector = chara.upVector;
    opponent.posX = chara.posX + chara.Width / 2.0 - opponent.Width / 2.0;
    opponent.posY = cint16(chara.posY + 70 - opponent.bottom);
}

/// Holding: the opponent's x as given, its feet 30 pixels below the top of the cell.
void hold(Character& chara, Character& opponent, double x) {
    opponent.posX = x;
    opponent.posY = cint16(chara.posY + 30 - opponent.bottom);
}
void holdOverhead(Character& chara, Character& opponent) {
    hold(chara, opponent, chara.characterAxis() - opponent.Width / 2.0);
}
void holdAt(Character& chara, Character& opponent, int16_t ahead) {
    hold(chara, opponent, chara.posX + ahead * chara.dirStand);
}

/// The screws: the fighter circles its opponent, which rises and falls with it.
struct Spin {
    double weight;       ///< added to the fighter's fallVector every frame
    bool pinOpponent;    ///< the opponent may not act while it is spun
};
void spin(BattleContext& game, Character& chara, Character& opponent, int16_t first, const Spin& how,
          bool swingSound) {
    chara.fallVector = chara.fallVector + how.weight;
    opponent.fallVector = chara.fallVector;
    opponent.upVector = chara.upVector;
    if (how.pinOpponent) opponent.enableAction = false;
    // Centred on the opponent on the first and third picture, 50 to either side between.
    const int16_t centre = cint16(opponent.posX + opponent.Width / 2.0 - chara.Width / 2.0);
    static constexpr int16_t kAround[4] = {0, 50, 0, -50};
    chara.posX = centre + kAround[(chara.animPat - first) & 3];
    if (swingSound) sound(game, chara, kSwingSound);
}

/// The catches test the contact, then give up to the falling pose once past the top.
void jumpingCatch(BattleContext& game, Character& chara, Character& opponent, int16_t pattern,
                  int16_t caught, bool climbs) {
    if (opponent.floatorStand) open(game, chara, strikeOf(pattern));
    if (chara.attackWasHit == 1) animChange(game, caught, chara);
    if (climbs) chara.posY = cint16(chara.posY - 10);
    fallPastTheTop(game, chara);
}

/// The super arts' opening: projectiles once, typing closed or opened, then the charge
/// sound (silent after the first frame).
void superArtLaunch(BattleContext& game, MoveSet& self, Character& chara, int16_t kind1, int16_t kind2,
                    bool typing) {
    if (!chara.wavSndFlag) {
        self.FlyArtsLaunch(game, chara, kind1);
        if (kind2 != 0) self.FlyArtsLaunch(game, chara, kind2);
        chara.TPC = typing;
        chara.tarGeting = typing;
    }
    sound(game, chara, kPowerSound);
}

}  // namespace

void Nangief::AnimAction(BattleContext& game, Character& c, Character& o) {
    const int16_t pattern = c.animPat;
    auto strike = [&] { open(game, c, strikeOf(pattern)); };

    switch (pattern) {
        case 0: case 30: case 40: case 160: case 332:
            neutralReturnCheck(game, c);
            break;

        // ---- ダイナマイトパンチ and its EX version
        case 22:
            forward(c, 14);
            sound(game, c, kWhooshSound);
            break;
        case 23: strike(); break;
        case 25:
            if (!c.wavSndFlag) {  // the recoil: a big step back first, then small ones
                forward(c, -30);
                c.wavSndFlag = true;
            }
            forward(c, -2);
            break;
        case 540:
            exArtsEffect(game, c, o);
            c.posMove(14, 0);
            break;
        case 541:
            c.posMove(14, 0);
            sound(game, c, kWhooshSound);
            break;
        case 543: strike(); break;
        case 545:
            if (!c.wavSndFlag) {
                c.posMove(-30, 0);
                c.wavSndFlag = true;
            }
            c.posMove(-2, 0);
            break;

        // ---- movements
        case 70: c.upVector = 2; break;
        case 75: c.upVector = 4; break;
        case 80: sound(game, c, kStepSound); break;
        case 90: case 92:
            forward(c, 8);
            sound(game, c, kStepSound);
            break;
        case 91: case 93: forward(c, 8); break;
        case 100: case 101: case 102: case 103:
            forward(c, c.AorMflag == 0 ? 3 : -3);
            if (pattern == 100 || pattern == 102) sound(game, c, kStepSound);
            break;
        case 131: fallPastTheTop(game, c); break;
        case 430: forward(c, 2); break;

        // ---- ground attacks
        case 201: case 211: case 531: sound(game, c, kSwingSound); break;
        case 202: case 212:
            strike();
            freeOnHit(c);
            break;
        case 250: forward(c, 10); break;
        case 251:
            strike();
            sound(game, c, kSwingSound);
            break;
        case 271:
            sound(game, c, kThrustSound);
            strike();
            break;
        case 532: strike(); break;

        // ---- ボディプレス: take-off, fall onto the opponent, landing
        case 220:
            if (c.fallVector > c.upVector) animChange(game, 221, c);
            break;
        case 221:
            strike();
            sound(game, c, kUryaaVoice);
            if (onGround(c)) animChange(game, 222, c);
            break;
        case 222:
            strike();
            sound(game, c, kImpactSound);
            break;

        // ---- ダブルウリアット: counTer counts the spins
        case 640: c.counTer = 8; break;
        case 641: case 643: sound(game, c, kWhooshSound); break;
        case 642: strike(); break;
        case 644:
            c.counTer = cint16(c.counTer - 1);
            strike();
            break;

        // ---- run-in to the backdrop
        case 650: case 652: case 655: forward(c, 2); break;
        case 651: case 653: forward(c, 8); break;
        case 654: forward(c, 4); break;

        // ---- the jumping catch of combo 500 takes off
        case 670:
            c.posY = cint16(c.posY - 10);
            c.fallVector = 0;
            c.upVector = 15;
            c.slideVector = 4 * c.dirStand;
            break;
        case 671: c.posY = cint16(c.posY - 10); break;

        // ---- typing combos
        case 241:
            openCombo(game, c, 240);
            break;
        case 242: case 501: case 633: case 733: case 804:
            closeCombo(game, c);
            break;
        case 310: case 311: case 312:
            // Past the top of the flight the fighter may type its way out of the fall.
            airRecovery(game, c);
            break;
        case 500: c.TPCNumber = 500; break;
        case 631: c.TPCNumber = 630; break;
        case 731: c.TPCNumber = 730; break;
        case 800: c.TPCNumber = 800; break;

        // ---- super arts: the shock waves at the fighter and at the typing target
        case 630: superArtLaunch(game, *this, c, 1, 3, false); break;
        case 632: superArtLaunch(game, *this, c, 2, 4, true); break;
        case 730: superArtLaunch(game, *this, c, 1, 0, false); break;
        case 732: superArtLaunch(game, *this, c, 5, 0, true); break;

        // ---- getting up, KO
        case 450:
            forward(c, -2);
            gettingUp(game, c);
            break;
        case 451: case 452: case 453: forward(c, -2); break;
        case 460:
            if (!c.wavSndFlag) {
                neutralReturnCheck(game, c);
                sound(game, c, kNangiefVoice);
            }
            c.enableGard = false;
            c.enableAction = false;
            break;
        case 470: sound(game, c, kNangiefVoice); break;

        // ---- grabs
        case 262: jumpingCatch(game, c, o, 262, 780, false); break;
        case 672: jumpingCatch(game, c, o, 672, 510, true); break;
        case 590:
            strike();
            if (c.attackWasHit == 1) {
                animChange(game, 600, c);
                c.dirStand = cint16(-c.dirStand);  // thrown over the shoulder
            }
            break;
        case 611: {
            // The box follows the typing cursor.
            const int16_t boxX = cint16(c.targetX * c.dirStand - 125 + (c.dirStand == -1 ? 200 : 0));
            open(game, c, kTargetGrab, boxX, cint16(c.targetY + 30));
            if (c.attackWasHit > 0) {
                animChange(game, kCaught, o);
                animChange(game, 750, c);
                lift(c, o, 15, false);
            }
            break;
        }
        case 721:
            strike();
            if (c.attackWasHit > 0) {
                animChange(game, kCaught, o);
                animChange(game, 750, c);
                lift(c, o, 15, false);
            }
            break;
        case 741:
            // Only an opponent already reeling from the grab's own reaction is taken.
            strike();
            if (c.attackWasHit > 0 && o.sTate == nangief_patterns::kHeld) {
                animChange(game, 750, c);
                lift(c, o, 15, false);
            }
            break;
        case 811:
            strike();
            if (c.attackWasHit > 0) {
                animChange(game, kCaught, o);
                animChange(game, 820, c);
            }
            break;

        // ---- holding
        case 510: holdOverhead(c, o); break;
        case 511:
            holdOverhead(c, o);
            animChange(game, 420, o);
            break;
        case 512:
            holdOverhead(c, o);
            c.fallVector = c.fallVector + 0.8;
            if (onGround(c)) animChange(game, 520, c);
            break;
        case 600: case 780: case 820: holdAt(c, o, -30); break;
        case 782:
            holdAt(c, o, -30);
            c.fallVector = c.fallVector + 0.4;
            if (onGround(c)) animChange(game, 790, c);
            break;
        case 781:
            holdAt(c, o, -30);
            animChange(game, 420, o);
            break;
        case 601: case 821:
            holdAt(c, o, 100);
            animChange(game, 420, o);
            break;
        case 823: holdAt(c, o, 100); break;
        case 824:
            holdAt(c, o, -10);
            animChange(game, 420, o);
            break;
        case 826:
            animChange(game, 830, c);
            lift(c, o, 30, true);
            break;

        // ---- slams
        case 520: case 790: strike(); break;
        case 602:
            if (c.floatorStand) open(game, c, kBackdropAirSlam);
            else if (c.artsName == nangief_patterns::kSuperNiceCatch) open(game, c, kBackdropSuperSlam);
            else open(game, c, kBackdropSlam);
            break;
        case 822: case 825:
            if (c.floatorStand) open(game, c, kCarryAirSlam);
            else strike();
            break;
        case 850:
            strike();
            animChange(game, 310, o);  // the opponent is sent flying
            o.posMove(0, -10);
            break;

        // ---- screw spins
        case 750: case 751: case 752: case 753:
            spin(game, c, o, 750, Spin{0, false}, pattern == 750);
            if (c.upVector < c.fallVector) {
                animChange(game, 760, c);
                animChange(game, 420, o);
            }
            break;
        case 760: case 761: case 762: case 763:
            spin(game, c, o, 760, Spin{1, false}, pattern == 760 || pattern == 762);
            if (c.posY > kScrewReleaseY) {
                animChange(game, 770, c);
                c.posY = kScrewReleaseY;
                c.fallVector = 0;
                c.upVector = 3;
                open(game, c, c.artsName == nangief_patterns::kBlackHoleScrew ? kScrewSuperSlam : kScrewSlam);
            }
            break;
        case 830: case 831: case 832: case 833:
            spin(game, c, o, 830, Spin{0.3, true}, pattern == 830);
            if (c.upVector < c.fallVector) {
                animChange(game, 840, c);
                animChange(game, 420, o);
                TPCEnd(game, o);
            }
            break;
        case 840: case 841: case 842: case 843:
            spin(game, c, o, 840, Spin{2, false}, pattern == 840 || pattern == 842);
            if (onGround(c)) {
                animChange(game, 850, c);
                c.fallVector = 0;
                c.upVector = 3;
            }
            break;

        default: break;
    }
}

}  // namespace morvek
