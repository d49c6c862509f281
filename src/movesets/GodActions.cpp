// G O D's action script: movement of its steps, dashes, walks and the rise, its sounds,
// the attack frames of its three arts and the projectiles laid over its poses. The super
// gauge fills by itself, 0.3 on every frame.

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/AttackTable.h"
#include "movesets/God.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr double kGaugePerFrame = 0.3;
/// The rises of the super art end once the fighter is this high above the world.
constexpr int16_t kRiseTop = -400;
constexpr int16_t kRiseSpeed = 60;

// Sounds.
constexpr int16_t kLaughVoice = 135;     // "godhahaha.wav"
constexpr int16_t kWhatVoice = 136;      // "dousita.wav"
constexpr int16_t kTwistVoice = 137;     // "hineri.wav"
constexpr int16_t kDefeatVoice = 138;    // "awabyu.wav"
constexpr int16_t kHitSound = 14;        // "doga.wav"

bool in(int16_t p, int first, int last) { return p >= first && p <= last; }

void stepX(Character& c, double dx) { c.posX += c.dirStand * dx; }

void stepY(Character& c, int dy) { c.posY = cint16(c.posY + dy); }

/// One rise of the super art; true once the top is reached.
bool riseOrTop(Character& c) {
    if (c.posY <= kRiseTop) return true;
    stepY(c, -kRiseSpeed);
    c.fallVector = 0;
    c.slideVector = 0;
    return false;
}

// The fingertip (501), the flick (511) and the fist (522).
constexpr AttackEntry kAttackRows[] = {
    {501, {1, kHitSound, 160, 280, 200, 100, 10, 10, -10, -200, 200, 100, 100, 12, 0, 5, 5, 20, true, 18, 22, false}},
    {511, {2, kHitSound, 160, 280, 160, 100, 15, 20, 5, -200, 200, 100, 100, 12, 0, 5, 5, 20, true, 18, 22, false}},
    {522, {2, kHitSound, 200, 220, 100, 150, 40, 0, -50, 5, 5, 400, 300, 12, 4, 5, 5, 300, true, 18, 22, false}},
};
constexpr AttackTable kAttacks{"G O D", kAttackRows};

/// The fist's third power part in the air; on the ground it is the row's (three times more).
constexpr int16_t kAirFistPow3 = 100;

void fingertipAttack(BattleContext& game, Character& c) { openAttack(game, c, kAttacks.at(501)); }

void flickAttack(BattleContext& game, Character& c) { openAttack(game, c, kAttacks.at(511)); }

/// The fist: unguardable, and three times as strong on the ground as in the air.
void fistAttack(BattleContext& game, Character& c) {
    AttackRow fist = kAttacks.at(522);
    if (c.floatorStand) fist.pow3 = kAirFistPow3;
    openAttack(game, c, fist);
}

}  // namespace

void God::AnimAction(BattleContext& game, Character& c, Character&) {
    spacornGaugeAdd(game, c, double{kGaugePerFrame});

    const int16_t p = c.animPat;
    if (p == 0 || p == 30 || p == 40 || p == 81 || p == 160 || p == 331) {
        neutralReturnCheck(game, c);
    } else if (in(p, 10, 13)) {
        stepX(c, 20);
        stepY(c, -3);
        c.fallVector = 0;
    } else if (in(p, 15, 18)) {
        stepX(c, 20);
        stepY(c, -10);
        c.fallVector = 0;
    } else if (p == 70) {
        stepX(c, -20);
        c.slideVector = 0;
        charaSoundPlay(game, kLaughVoice, c);
    } else if (in(p, 71, 73)) {
        stepX(c, -20);
    } else if (p == 75) {
        stepX(c, 12);
        charaSoundPlay(game, kLaughVoice, c);
    } else if (in(p, 76, 78)) {
        stepX(c, 12);
    } else if (p == 90) {
        stepX(c, 3);
    } else if (in(p, 100, 106)) {
        stepX(c, c.counTer != 0 ? -3 : 3);  // counTer set: walking backwards
    } else if (p == 130) {
        c.slideVector = c.counTer * c.dirStand;
    } else if (p == 131) {
        fallPastTheTop(game, c);
    } else if (p == 200) {
        if (!c.wavSndFlag) {
            FlyArtsLaunch(game, c, 1);
            charaSoundPlay(game, kBombSound, c);
        }
    } else if (p == 210) {
        c.TPCNumber = 210;
    } else if (p == 211) {
        if (!c.wavSndFlag) {
            FlyArtsLaunch(game, c, 2);
            FlyArtsLaunch(game, c, 4);
            FlyArtsLaunch(game, c, 5);
            charaSoundPlay(game, kBlasterSound, c);
        }
    } else if (p == 214) {
        c.counTer = cint16(c.counTer - 1);
    } else if (p == 215) {
        closeCombo(game, c);
    } else if (p == 220) {
        charaSoundPlay(game, kRattleSound, c);
        c.upVector = 0;
        c.slideVector = 0;
    } else if (p == 221) {
        if (!c.wavSndFlag) {
            FlyArtsLaunch(game, c, 3);
            FlyArtsLaunch(game, c, 6);
            FlyArtsLaunch(game, c, 7);
            charaSoundPlay(game, kMissileSound, c);
        }
        c.fallVector = 0;  // the beams hold the fighter in the air
    } else if (p == 222) {
        c.counTer = cint16(c.counTer - 1);
    } else if (in(p, 310, 312)) {
        airRecovery(game, c);
    } else if (p == 336) {
        charaSoundPlay(game, kDefeatVoice, c);
    } else if (p == 370) {
        // Once, while alive: the falling fighter jumps 100 pixels away from the opponent.
        if (!c.wavSndFlag && c.viTality > 0) {
            c.posX -= c.LeftOrRight * 100;
            charaSoundPlay(game, kWarpSound, c);
        }
    } else if (in(p, 430, 432)) {
        stepX(c, 4);
    } else if (p == 500) {
        FlyArtsLaunch(game, c, 10);
        charaSoundPlay(game, kWhatVoice, c);
    } else if (p == 501) {
        FlyArtsLaunch(game, c, 10);
        fingertipAttack(game, c);
    } else if (p == 502) {
        FlyArtsLaunch(game, c, 10);
    } else if (p == 510) {
        FlyArtsLaunch(game, c, 11);
    } else if (p == 511) {
        flickAttack(game, c);
        FlyArtsLaunch(game, c, 12);
        charaSoundPlay(game, kWhatVoice, c);
    } else if (p == 512 || p == 513) {
        FlyArtsLaunch(game, c, 12);
    } else if (p == 520) {
        charaSoundPlay(game, kTwistVoice, c);
        FlyArtsLaunch(game, c, 15);
    } else if (p == 521) {
        FlyArtsLaunch(game, c, 16);
    } else if (p == 522) {
        FlyArtsLaunch(game, c, 17);
        fistAttack(game, c);
        charaSoundPlay(game, c.floatorStand ? kSwingSound : kHeavyBlowSound, c);
    } else if (p == 523) {
        FlyArtsLaunch(game, c, 17);
    } else if (p == 524) {
        FlyArtsLaunch(game, c, 15);
    } else if (p == 530) {
        c.TPC = false;
        c.tarGeting = false;
        if (riseOrTop(c)) animChange(game, 535, c);
    } else if (p == 535) {
        charaSoundPlay(game, kRattleSound, c);
    } else if (p == 536) {
        if (!c.wavSndFlag) {
            FlyArtsLaunch(game, c, 20);
            FlyArtsLaunch(game, c, 25);
            charaSoundPlay(game, kMissileSound, c);
        }
    } else if (p == 537) {
        c.counTer = cint16(c.counTer - 1);
    } else if (p == 538) {
        if (riseOrTop(c)) animChange(game, 0, c);
    } else if (in(p, 540, 543)) {
        FlyArtsLaunch(game, c, 30);
    }
}

}  // namespace morvek
