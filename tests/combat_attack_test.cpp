// Attack frames and the reactions to a clean or guarded melee hit.

#include "combat_harness.h"
#include "engine/DataTables.h"

namespace morvek::combat_test {
namespace {

using CombatAttackFrame = CombatTest;

TEST_F(CombatAttackFrame, BoxInScreenCoordinatesForBothFacings) {
    p1.posX = 100;
    game.battle.scrollX = -140;
    game.battle.scrollY = -1480;
    p1.dirStand = -1;
    setAttackFrame(game, p1, 2, 14.5, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_EQ(p1.ATFleft, -10);  // 100 - 140 + 100 - 70
    EXPECT_EQ(p1.ATFright, 50);
    EXPECT_EQ(p1.ATFtop, kGroundY - 1480 + 70);
    EXPECT_EQ(p1.ATFbottom, kGroundY - 1480 + 100);
    EXPECT_EQ(p1.ATFHitSound, 14);  // 14.5 rounds to the even 14
    EXPECT_EQ(p1.ATFflag, 1);

    p1.dirStand = 1;
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_EQ(p1.ATFleft, 70);
    EXPECT_EQ(p1.ATFright, 130);

    p1.posX = 100.5;  // centre 60.5 + 10 rounds to 70 (halves to even)
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_EQ(p1.ATFleft, 70);
    EXPECT_EQ(p1.ATFright, 130);
}

TEST_F(CombatAttackFrame, GainIsPaidOncePerPatternFromThePreviousPower) {
    setAttackPower(p1, 25, 16, 4, false, 18, 8, false);
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 1.6);  // 8 / 5, fraction kept
    setAttackPower(p1, 25, 16, 4, false, 18, 20, false);
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 1.6);  // same pattern: nothing more
    p1.ATFflag = -1;                         // resolved: stays resolved
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_EQ(p1.ATFflag, -1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 1.6);
    animChange(game, 22, p1);
    setAttackFrame(game, p1, 2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 5.6);  // the 20 held from the previous power
}

class CombatReaction : public CombatTest {
protected:
    /// p1 hits p2 cleanly with an attack of the given type; p1 moves with (3, -2, 0.5).
    void hitWith(int16_t type) {
        p1.slideVector = 3;
        p1.upVector = -2;
        p1.fallVector = 0.5;
        p1.ATFtype = type;
        p1.ATFvectorX = 30;
        p1.ATFvectorY = 4;
        p1.ATFHitSound = 14;
        p1.setLenge = 20;
        p1.ATEanimPat = 10;
        attackHitApply(game, p1, p2);
    }
    void prepareDefender(bool inAir) {
        standUp(p2, 400, -1, false);
        p2.animPat = 1;
        p2.fallVector = 12;  // a fast fall is kept by a juggle
        p2.upVector = 15;
        p2.slideVector = 1;
        if (inAir) lift(p2);
    }
};

TEST_F(CombatReaction, EachAttackTypeOnTheGroundAndInTheAir) {
    struct Expect {
        int16_t pattern;
        double slide, up, fall;
        int16_t lifted;  // extra pixels lifted by the hit
    };
    // Moves before the hit: slide 1, up 15, fall 12. Attacker: vectors (30, 4), facing right,
    // its own motion (3, -2, 0.5).
    const Expect ground[11] = {
        {},
        {300, 1, 15, 12, 0},
        {310, 31, 19, 12, 10},  // juggle adds
        {340, 1, 15, 12, 0},
        {340, 1, 15, 12, 0},
        {410, 1, 15, 12, 0},
        {1, 1, 15, 12, 0},      // type 6: no reaction at all
        {340, 1, 15, 12, 0},
        {310, 30, 4, 0, 10},    // set, kind -1
        {310, 30, 4, 0, 10},    // set, kind 0
        {340, 1, 15, 12, 0},
    };
    const Expect air[11] = {
        {},
        {300, 1, 15, 12, 0},
        {310, 31, 9, 12, 10},   // in the air an upward push above 10 loses 10
        {310, 31, 9, 12, 10},
        {310, 3, -2, 0.5, 0},   // carried along with the attacker
        {410, 1, 15, 12, 0},
        {1, 1, 15, 12, 0},
        {310, 30, 4, 0, 10},
        {310, 30, 4, 0, 10},
        {310, 30, 4, 0, 10},
        {310, 30, 4, 0, 10},
    };
    for (int air_ = 0; air_ < 2; ++air_) {
        for (int16_t type = 1; type <= 10; ++type) {
            SCOPED_TRACE(testing::Message() << "type " << type << (air_ ? " air" : " ground"));
            prepareDefender(air_ == 1);
            const int16_t y0 = p2.posY;
            hitWith(type);
            const Expect& e = air_ ? air[type] : ground[type];
            EXPECT_EQ(p2.animPat, e.pattern);
            EXPECT_DOUBLE_EQ(p2.slideVector, e.slide);
            EXPECT_DOUBLE_EQ(p2.upVector, e.up);
            EXPECT_DOUBLE_EQ(p2.fallVector, e.fall);
            EXPECT_EQ(p2.posY, y0 - e.lifted);
            // The common part of every clean hit.
            EXPECT_EQ(p2.sTate, stHit);
            EXPECT_EQ(p2.comboCount, 1);
            EXPECT_EQ(p2.nockLenge, 20);
            EXPECT_EQ(p2.ATFflag, -1);
            EXPECT_FALSE(p2.enableAction);
            EXPECT_FALSE(p2.enableGard);
        }
    }
}

TEST_F(CombatReaction, CrouchingGuardPostureShowsThreeFifty) {
    for (int16_t type : {int16_t{1}, int16_t{3}, int16_t{4}, int16_t{7}, int16_t{10}}) {
        prepareDefender(false);
        p2.sTate = stCrouchGuard;
        hitWith(type);
        EXPECT_EQ(p2.animPat, kCrouchingHit) << "type " << type;
    }
}

TEST_F(CombatReaction, LyingFighterWithVitalityAlwaysFallsIntoTheKnockdown) {
    for (int16_t type = 1; type <= 10; ++type) {
        for (int16_t st : {stLyingDown, stFloorHit}) {
            prepareDefender(false);
            p2.sTate = st;
            hitWith(type);
            EXPECT_EQ(p2.animPat, kKnockdownFall) << "type " << type;
        }
    }
    prepareDefender(false);
    p2.sTate = stLyingDown;
    p2.viTality = 0;
    hitWith(5);
    EXPECT_EQ(p2.animPat, kCaught);
}

TEST_F(CombatReaction, TheFinalBossIsNeverMovedByAHit) {
    for (int16_t type : {int16_t{2}, int16_t{4}, int16_t{8}, int16_t{9}}) {
        prepareDefender(false);
        p2.NUMBER = 7;
        const int16_t y0 = p2.posY;
        hitWith(type);
        EXPECT_EQ(p2.animPat, 310) << "type " << type;
        EXPECT_EQ(p2.posY, y0);
        EXPECT_DOUBLE_EQ(p2.slideVector, 1);
        EXPECT_DOUBLE_EQ(p2.upVector, 15);
    }
}

TEST_F(CombatReaction, JustStunnedFighterSlidesWithoutAnUpwardPushFromTypeEight) {
    prepareDefender(false);
    p2.upVector = 0;
    p2.fallVector = 0;
    p2.stunSwitch = stunStunned;
    const int16_t y0 = p2.posY;
    hitWith(8);
    EXPECT_DOUBLE_EQ(p2.slideVector, 30);
    EXPECT_DOUBLE_EQ(p2.upVector, 0);
    EXPECT_EQ(p2.posY, y0 - 10);

    prepareDefender(false);
    p2.stunSwitch = stunStunned;
    hitWith(9);
    EXPECT_DOUBLE_EQ(p2.upVector, 4);
    EXPECT_DOUBLE_EQ(p2.fallVector, 0);

    prepareDefender(false);
    p1.dirStand = -1;
    hitWith(9);
    EXPECT_DOUBLE_EQ(p2.slideVector, -30);  // by the attacker's facing
    p1.dirStand = 1;
}

TEST_F(CombatReaction, CleanHitSideEffects) {
    p1.spacornHit = true;
    p2.PrimalPlayer = true;
    p2.tarGeting = true;
    p2.TPC = true;
    p2.comboTimer = 77;
    p2.stunSwitch = stunDizzy;
    p2.stunGauge = 0;
    p1.controlX = 40;
    p1.controlY = -20;
    p1.ATEzoomX = 120;
    p1.ATEzoomY = 100;
    hitWith(3);
    EXPECT_TRUE(p2.spAttacked);
    EXPECT_FALSE(p2.tarGeting);
    EXPECT_FALSE(p2.TPC);
    EXPECT_EQ(p2.comboTimer, 0);
    EXPECT_EQ(p2.stunSwitch, stunNormal);  // a hit wakes the dizzy fighter...
    EXPECT_DOUBLE_EQ(p2.stunGauge, 100);  // ...with a full gauge
    EXPECT_EQ(displayedPalette(), 1);     // targeting closed
    EXPECT_EQ(sounds(), (std::vector<int>{14}));
    // The hit effect belongs to the attacker's ring, from the attacker's fields.
    const Splite& sp = lastSplite(p1);
    EXPECT_EQ(sp.animPat, 10);
    EXPECT_EQ(sp.posX, 200 + 100 - 40);
    EXPECT_EQ(sp.posY, kGroundY - 20);
    EXPECT_EQ(sp.Width, 220);
    EXPECT_EQ(sp.Height, 200);
    EXPECT_EQ(sp.dirStand, 1);
}

using CombatGuarded = CombatTest;

TEST_F(CombatGuarded, KnockBackIsTwoThirdsAndTheGuardPatternFollowsThePosture) {
    const std::pair<int16_t, int16_t> lengths[] = {{20, 13}, {3, 2}, {1, 1}, {0, 0}};
    for (auto [given, taken] : lengths) {
        standUp(p2, 400, -1, false);
        p2.sTate = stStandGuard;
        p1.setLenge = given;
        attackGarded(game, p2, p1);
        EXPECT_EQ(p2.nockLenge, taken) << "setLenge " << given;
        EXPECT_EQ(p2.animPat, kStandGuardHit);
    }
    p2.sTate = stCrouchGuard;
    attackGarded(game, p2, p1);
    EXPECT_EQ(p2.animPat, kCrouchGuardHit);
    EXPECT_EQ(p2.gardFixTime, 10);
    EXPECT_FALSE(p2.enableAction);
}

TEST_F(CombatGuarded, GuardedHitThroughTheCollisionPhase) {
    p2.enableAction = false;
    p2.sTate = stStandGuard;
    openAttack(p1, 3);
    const double gaugeAfterOpening = p1.spacornGauge;
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p1.attackWasHit, 2);
    EXPECT_EQ(p1.ATEanimPat, 20);            // the guard spark
    EXPECT_EQ(lastSplite(p1).animPat, 20);
    EXPECT_EQ(sounds(), (std::vector<int>{kGuardSound}));  // not the hit sound
    EXPECT_EQ(p2.comboCount, 1);             // a guarded hit counts as the first
    EXPECT_DOUBLE_EQ(p2.viTality, 254);      // normal attacks do no chip
    EXPECT_DOUBLE_EQ(p1.spacornGauge, gaugeAfterOpening + 8 / 5.0);
    EXPECT_EQ(p2.KBTimer, 30);
    EXPECT_EQ(p2.sTate, stStandGuard);       // the pattern table sets it again when drawn
}

}  // namespace
}  // namespace morvek::combat_test
