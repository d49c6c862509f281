#include <gtest/gtest.h>

#include "battle/Roster.h"
#include "battle/Servants.h"
#include "combat_harness.h"
#include "render/Camera.h"

namespace morvek::combat_test {
namespace {

class ServantsTest : public CombatTest {
protected:
    /// Turns `c` into a master of the given roster stem, standing where it stands.
    void makeMaster(Character& c, const char* stem) {
        const double x = c.posX;
        const int16_t dir = c.dirStand;
        const bool human = c.PrimalPlayer;
        charaBaseSet(c, stem);
        c.charaname = stem;
        c.PrimalPlayer = human;
        c.posX = x;
        c.posY = kGroundY;
        c.dirStand = dir;
    }
    ServantSide& side1() { return game.battle.servants.player1Side; }
    ServantSide& side2() { return game.battle.servants.player2Side; }
    Character& servant(ServantSide& side, int k) { return *side.servantSlots[size_t(k)]; }
};

TEST_F(ServantsTest, CreationClonesTheMasterIntoItsSlotsAndFillsTheTrail) {
    makeMaster(p1, "honekawa");
    ASSERT_EQ(p1.NumOfServant, 3);
    p1.posX = 300.6;
    p1.animPat = 761;
    p1.viTality = 30;
    p1.spacornGauge = 77;
    side1().servantTrailIndex = 12;
    servantCreate(game, p1);

    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(side1().servantSlots[size_t(k)].has_value());
        const Character& s = servant(side1(), k);
        EXPECT_EQ(s.NUMBER, 3);
        EXPECT_EQ(s.animPat, 761);
        EXPECT_TRUE(s.PrimalPlayer);
        EXPECT_DOUBLE_EQ(s.posX, 300.6);
        EXPECT_EQ(s.posY, kGroundY);
        EXPECT_EQ(s.dirStand, 1);
        EXPECT_EQ(s.viTality, 100);
        EXPECT_EQ(s.Width, p1.Width);  // the roster row of the master's stem
        EXPECT_EQ(s.spacornGauge, 0);  // nothing else is copied
        EXPECT_EQ(s.SPspacornTimer, 0);
    }
    EXPECT_EQ(p1.SPspacornTimer, static_cast<float>(p1.spacornGaugeMax));
    EXPECT_GT(p1.SPspacornTimer, 0);
    EXPECT_EQ(side1().servantTrailIndex, 30);
    for (const ServantTrailEntry& e : side1().servantTrail) {
        EXPECT_EQ(e.animPat, 761);
        EXPECT_EQ(e.posX, 301);
        EXPECT_EQ(e.posY, kGroundY);
        EXPECT_EQ(e.dirStand, 1);
    }
    // The other side is untouched.
    EXPECT_FALSE(side2().servantSlots[0].has_value());
}

TEST_F(ServantsTest, OnlyTheMastersCountOfSlotsIsUsedAndNeverMoreThanThree) {
    makeMaster(p2, "ginzamurai");
    ASSERT_EQ(p2.NumOfServant, 1);
    servantCreate(game, p2);
    EXPECT_TRUE(side2().servantSlots[0].has_value());
    EXPECT_FALSE(side2().servantSlots[1].has_value());
    EXPECT_FALSE(side2().servantSlots[2].has_value());
    EXPECT_FALSE(side2().servantSlots[0]->PrimalPlayer);

    makeMaster(p1, "honekawa");
    p1.NumOfServant = 7;
    servantCreate(game, p1);
    for (auto& slot : side1().servantSlots) EXPECT_TRUE(slot.has_value());

    // A new creation replaces the servants with fresh objects.
    servant(side1(), 1).viTality = 5;
    servant(side1(), 1).ATFflag = 1;
    servantCreate(game, p1);
    EXPECT_EQ(servant(side1(), 1).viTality, 100);
    EXPECT_EQ(servant(side1(), 1).ATFflag, 0);
}

TEST_F(ServantsTest, TrailIndexesStepFiveFramesBackAndWrap) {
    makeMaster(p1, "honekawa");
    servantCreate(game, p1);
    for (int i = 0; i < kServantTrailLength; ++i) side1().servantTrail[size_t(i)].animPat = int16_t(i);

    side1().servantTrailIndex = 2;
    servantFollowAll(side1(), p1);
    EXPECT_EQ(servant(side1(), 0).animPat, 57);
    EXPECT_EQ(servant(side1(), 1).animPat, 52);
    EXPECT_EQ(servant(side1(), 2).animPat, 47);
    EXPECT_EQ(side1().servantTrailIndex, 3);

    side1().servantTrailIndex = 59;
    servantFollowAll(side1(), p1);
    EXPECT_EQ(servant(side1(), 0).animPat, 54);
    EXPECT_EQ(side1().servantTrailIndex, 0);

    // GINZAMURAI's servant reads the entry just written.
    makeMaster(p1, "ginzamurai");
    side1().servantTrailIndex = 2;
    servantFollowAll(side1(), p1);
    EXPECT_EQ(servant(side1(), 0).animPat, 2);
}

TEST_F(ServantsTest, HonekawasServantsReplayTheMasterFiveTenAndFifteenFramesLate) {
    makeMaster(p1, "honekawa");
    p1.animPat = 761;
    p1.posX = 300;
    servantCreate(game, p1);
    // Frame f: the master shows pattern 1000 + f at posX 300 + f; frame 0 is the creation.
    auto patOf = [](int f) { return int16_t(f == 0 ? 761 : 1000 + f); };
    for (int f = 1; f <= 130; ++f) {
        p1.animPat = patOf(f);
        p1.posX = 300 + f;
        p1.dirStand = (f % 2) ? 1 : -1;
        servantTrailStep(game, p1);
        for (int k = 0; k < 3; ++k) {
            const int seen = std::max(0, f - 5 * (k + 1));
            const Character& s = servant(side1(), k);
            ASSERT_EQ(s.animPat, patOf(seen)) << "frame " << f << " servant " << k;
            ASSERT_EQ(s.posX, 300 + seen);
            ASSERT_EQ(s.dirStand, seen == 0 ? 1 : ((seen % 2) ? 1 : -1));
        }
    }
    EXPECT_TRUE(p1.spacornHit);
}

TEST_F(ServantsTest, GinzamuraisServantMovesInStepWithItsMaster) {
    makeMaster(p2, "ginzamurai");
    p2.animPat = 755;
    servantCreate(game, p2);
    for (int f = 1; f <= 70; ++f) {
        p2.animPat = int16_t(755 + f % 4);
        p2.posX = 500.4 - f;
        servantTrailStep(game, p2);
        ASSERT_EQ(servant(side2(), 0).animPat, p2.animPat);
        ASSERT_EQ(servant(side2(), 0).posX, 500 - f);  // rounded
    }
}

TEST_F(ServantsTest, FollowingClearsTheAttackFrameAndSoundOnlyOnANewPattern) {
    makeMaster(p1, "ginzamurai");
    servantCreate(game, p1);
    Character& s = servant(side1(), 0);
    s.animPat = 10;
    s.ATFflag = 1;
    s.wavSndFlag = true;
    s.animTimer = 4;
    servantFollow(s, ServantTrailEntry{10, 320, 1400, -1});
    EXPECT_EQ(s.ATFflag, 1);
    EXPECT_TRUE(s.wavSndFlag);
    EXPECT_EQ(s.posX, 320);
    EXPECT_EQ(s.posY, 1400);
    EXPECT_EQ(s.dirStand, -1);
    servantFollow(s, ServantTrailEntry{11, 320, 1400, -1});
    EXPECT_EQ(s.ATFflag, 0);
    EXPECT_FALSE(s.wavSndFlag);
    EXPECT_EQ(s.animPat, 11);
    EXPECT_EQ(s.animTimer, 4);  // the servant's own timer plays no part
}

TEST_F(ServantsTest, ServantBlowLandsWithItsPowerFoldedIntoTheFirst) {
    makeMaster(p1, "ginzamurai");
    servantCreate(game, p1);
    Character& s = servant(side1(), 0);
    openAttack(s, 1);  // powers 25, 16, 4 over p2's body
    game.random.script({0.99});  // the computer does not guard
    servantAttackAll(game, p1, p2);
    EXPECT_EQ(s.attackPow1st, 45);
    EXPECT_EQ(s.attackPow2nd, 0);
    EXPECT_EQ(s.attackPow3rd, 0);
    EXPECT_EQ(s.ATFflag, -1);
    EXPECT_LT(p2.viTality, 254);
}

TEST_F(ServantsTest, ServantsAreNeverHit) {
    makeMaster(p1, "ginzamurai");
    servantCreate(game, p1);
    Character& s = servant(side1(), 0);
    s.posX = 700;  // away from its master, in the path of the opponent's attack
    s.sTate = stStand;
    p2.ATFflag = 1;
    p2.ATFleft = 700;
    p2.ATFright = 1000;
    p2.ATFtop = 1300;
    p2.ATFbottom = 1700;
    collisionPhase(game, p1, p2);
    EXPECT_EQ(s.viTality, 100);
    EXPECT_EQ(p2.ATFflag, 1);  // nothing was hit
}

TEST_F(ServantsTest, FrozenServantsAreDrawnButNeitherMoveNorAttack) {
    makeMaster(p1, "honekawa");
    servantCreate(game, p1);
    p1.animPat = 5;
    game.battle.freezeFlag = true;
    servantFrame(game, p1, p2);
    EXPECT_EQ(side1().servantTrailIndex, 30);
    EXPECT_EQ(side1().servantTrail[30].animPat, 0);
    game.battle.freezeFlag = false;
    servantFrame(game, p1, p2);
    EXPECT_EQ(side1().servantTrailIndex, 31);
    EXPECT_EQ(side1().servantTrail[30].animPat, 5);
    // With the spell over nothing runs.
    p1.SPspacornTimer = 0;
    servantFrame(game, p1, p2);
    EXPECT_EQ(side1().servantTrailIndex, 31);
}

TEST_F(ServantsTest, EmptySlotsAreSkipped) {
    // A master whose servants were never created: every routine passes over the slots.
    makeMaster(p2, "honekawa");
    p2.SPspacornTimer = 10;
    servantFrame(game, p2, p1);
    p2.DrawAttackEffect(game);
    EXPECT_EQ(side2().servantTrailIndex, 1);
    EXPECT_FALSE(side2().servantSlots[0].has_value());
}

}  // namespace
}  // namespace morvek::combat_test
