#include "battle/Mechanics.h"

#include "battle/Spacorn.h"
#include "battle/Character.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

constexpr double kGravity = 0.2;
constexpr double kStunRecoverGrowth = 0.0005;
constexpr int16_t kAirborneFall = 160;
constexpr int16_t kGuardStunEnd = 390;
constexpr int16_t kTargetStance = 50;
constexpr int16_t kLandingPose = 80;
constexpr int16_t kFloorBounce = 330;
constexpr int16_t kFallBounce = 360;

int groundLine(const Character& c) { return kGroundLine - c.bottom; }
bool onGround(const Character& c) { return c.posY == groundLine(c); }
double rightBound(const Character& c) { return 1280 - c.Width / 2.0; }
double leftBound(const Character& c) { return -(c.Width / 4.0); }

/// Facing of one side when the opponent is on the side `toward` (+1 right, -1 left).
void faceSide(EngineContext& game, Character& p1, Character& p2, int16_t toward) {
    p1.LeftOrRight = toward;
    p2.LeftOrRight = static_cast<int16_t>(-toward);
    if (p1.sTate == stStand) {
        // A standing player 1 who targets keeps restarting the stance instead of turning.
        if (p1.tarGeting) {
            animChange(game, kTargetStance, p1);
        } else {
            p1.dirStand = toward;
        }
    }
    if (p2.sTate == stStand) p2.dirStand = static_cast<int16_t>(-toward);
}

}  // namespace

void animChange(EngineContext&, int16_t pattern, Character& chara) {
    chara.animPat = pattern;
    chara.animTimer = 0;
    chara.wavSndFlag = false;
    chara.ATFflag = 0;
    chara.attackWasHit = 0;
}

void animTimerCount(EngineContext& game, Character& chara) {
    chara.animTimer = cint16(chara.animTimer + 1);
    if (chara.animTimer > chara.fixTime) {
        const int32_t next = int32_t{chara.animPat} + chara.nextAnim;
        // In the air a step back to the stand becomes the fall.
        chara.animPat = (onGround(chara) || next != 0) ? cint16(next) : kAirborneFall;
        chara.animTimer = 0;
        chara.wavSndFlag = false;
        chara.ATFflag = 0;
        chara.attackWasHit = 0;
    }
    if (chara.gardFixTime > 0) {
        chara.gardFixTime = cint16(chara.gardFixTime - 1);
        // Only a guard stun still running is cut short by the human's targeting.
        if (chara.PrimalPlayer && chara.tarGeting) {
            if (chara.spacornCircle == 0) animChange(game, kGuardStunEnd, chara);
            chara.gardFixTime = 0;
        }
    }
}

void faceAndStunRecover(BattleContext& game, Character& p1, Character& p2) {
    const double c1 = p1.posX + p1.Width / 2.0;
    const double c2 = p2.posX + p2.Width / 2.0;
    faceSide(game, p1, p2, c1 > c2 ? -1 : 1);

    BattleState& b = game.battle;
    if (p1.stunSwitch == stunNormal && p1.stunGauge <= p1.stunPointMax)
        p1.stunGauge += b.stunRecover1;
    if (p2.stunSwitch == stunNormal && p2.stunGauge <= p2.stunPointMax)
        p2.stunGauge += b.stunRecover2;
    b.stunRecover1 += kStunRecoverGrowth;
    b.stunRecover2 += kStunRecoverGrowth;
    // A connecting or guarded attack restarts the other side's recovery from nothing.
    if (p1.attackWasHit != 0) b.stunRecover2 = 0;
    if (p2.attackWasHit != 0) b.stunRecover1 = 0;
}

void faceOpponent(EngineContext&, Character& me, const Character& other) {
    me.dirStand = (me.posX + me.Width / 2.0 > other.posX + other.Width / 2.0) ? -1 : 1;
}

void physicsStep(EngineContext& game, Character& me, Character& other) {
    // Rise and slide: the slide only acts in frames with a vertical speed.
    if (me.upVector != 0) {
        me.posY = cint16(me.posY - me.upVector);
        me.posX = me.posX + me.slideVector;
    }
    // Gravity.
    if (onGround(me)) {
        me.floatorStand = false;
    } else {
        me.fallVector += kGravity;
        me.posY = cint16(me.posY + me.fallVector);
        me.floatorStand = true;
    }
    if (me.posY > groundLine(me)) landing(game, me);
    if (onGround(me) && me.fallVector != 0) landing(game, me);

    // Knock-back: on the ground the fighter slides away from the opponent; pinned at a
    // stage edge it pushes the opponent instead. In the air only the count runs down.
    if (me.nockLenge > 0) {
        me.nockLenge = cint16(me.nockLenge - 1);
        if (onGround(me)) {
            if (me.posX == rightBound(me) || me.posX == leftBound(me)) {
                if (other.FAwasHit) {
                    me.nockLenge = 0;
                    other.FAwasHit = false;
                }
                const int16_t push = cint16(int32_t{me.LeftOrRight} * me.nockLenge);
                other.posX += push / 5.0;
            } else {
                const int16_t push = cint16(int32_t{me.LeftOrRight} * me.nockLenge);
                me.posX -= push / 2.0;
            }
        }
    }
    // Stage bounds (only me; a pushed opponent is clamped in its own step).
    if (me.posX < leftBound(me)) me.posX = leftBound(me);
    if (me.posX > rightBound(me)) me.posX = rightBound(me);
}

void landing(EngineContext& game, Character& chara) {
    chara.posY = cint16(groundLine(chara));
    chara.fallVector = 0;
    chara.upVector = 0;
    chara.slideVector = 0;
    chara.airialJumpCount = chara.MaxJumpCount;

    if (chara.sTate >= 0) {
        if (chara.sTate != 14) animChange(game, kLandingPose, chara);  // 14 lands in its own pose
    } else if (chara.sTate == stHitFall) {
        animChange(game, kFallBounce, chara);
        soundPlay(game, kImpactSound);
    } else if (chara.sTate == stKnockdownFall) {
        // the knock-down fall ends by itself
    } else {
        animChange(game, kFloorBounce, chara);
        chara.sTate = stFloorHit;
        soundPlay(game, kImpactSound);
    }
    if (chara.TPC) TPCEnd(game, chara);
}

}  // namespace morvek
