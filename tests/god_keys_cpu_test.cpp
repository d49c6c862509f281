// G O D's key map (three attack keys, jumps and steps in both facings), its one
// typing-combo follow-up, and the computer's decisions with scripted dice.

#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "god_fixture.h"

namespace morvek::god_test {
namespace {

class GodKeys : public GodTest {
protected:
    void attack(int16_t key) { moves().AttackSelect(game, p1, key); }
    void move(int16_t key) { moves().MoveSelect(game, p1, key); }
};

TEST_F(GodKeys, ThreeAttackKeysPerFacing) {
    const int16_t right[][2] = {{14, 520}, {24, 510}, {34, 500}, {17, 0}, {27, 0}, {1, 0}};
    for (const auto& [key, pattern] : right) {
        enter(55);
        attack(key);
        EXPECT_EQ(p1.animPat, pattern) << key;
    }
    p1.dirStand = -1;
    const int16_t left[][2] = {{17, 520}, {27, 510}, {37, 500}, {14, 0}, {34, 0}};
    for (const auto& [key, pattern] : left) {
        enter(55);
        attack(key);
        EXPECT_EQ(p1.animPat, pattern) << key;
    }
}

TEST_F(GodKeys, GuardKeysOfTheARowChangeNothing) {
    enter(55);
    move(23);
    EXPECT_EQ(p1.animPat, 55);
    p1.dirStand = -1;
    move(28);
    EXPECT_EQ(p1.animPat, 55);
    move(0);
    move(41);
    EXPECT_EQ(p1.animPat, 55);
}

TEST_F(GodKeys, JumpRowsSetLiftAndSpeed) {
    move(31);
    EXPECT_EQ(p1.animPat, 130);
    EXPECT_EQ(p1.counTer, -10);  // fast backward hop
    EXPECT_DOUBLE_EQ(p1.upVector, 1);
    EXPECT_EQ(p1.posY, kStand - 10);
    move(5);
    EXPECT_EQ(p1.counTer, 2);
    EXPECT_DOUBLE_EQ(p1.upVector, 10);
    move(20);
    EXPECT_EQ(p1.counTer, 7);
    EXPECT_DOUBLE_EQ(p1.upVector, 5);
    move(34);
    EXPECT_EQ(p1.counTer, 9);

    p1.dirStand = -1;
    move(31);
    EXPECT_EQ(p1.counTer, 7);
    for (int16_t key : {7, 9, 19, 39}) {
        move(key);
        EXPECT_EQ(p1.counTer, 1) << key;
    }
    move(10);
    EXPECT_EQ(p1.counTer, -2);
}

TEST_F(GodKeys, StepsAndWalksOfTheARow) {
    move(21);
    EXPECT_EQ(p1.animPat, 70);
    p1.slideVector = 4;
    move(22);
    EXPECT_EQ(p1.animPat, 100);
    EXPECT_EQ(p1.counTer, 1);
    EXPECT_EQ(p1.slideVector, 0);
    move(24);
    EXPECT_EQ(p1.counTer, 0);
    move(25);
    EXPECT_EQ(p1.animPat, 75);
    EXPECT_EQ(p1.counTer, 1);
    move(30);
    EXPECT_EQ(p1.counTer, 6);

    p1.dirStand = -1;
    move(30);
    EXPECT_EQ(p1.animPat, 70);
    move(29);
    EXPECT_EQ(p1.animPat, 100);
    EXPECT_EQ(p1.counTer, 1);
    move(27);
    EXPECT_EQ(p1.counTer, 0);
    move(26);
    EXPECT_EQ(p1.animPat, 75);
    EXPECT_EQ(p1.counTer, 1);
    move(21);
    EXPECT_EQ(p1.counTer, 6);
}

TEST_F(GodKeys, FollowUpTurnsOnlyTheFirstJudgementIntoTheSecond) {
    enter(214);
    p1.TPCNumber = 310;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 214);
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 214);
    p1.TPCNumber = 210;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 220);
}

/// G O D as the computer: player 2 at 900 facing left towards player 1 at 300.
class GodCpu : public GodTest {
protected:
    GodCpu() {
        p2.spacornCount = 0;
        p2.spacornType = 0;
    }
    /// The roll r (1-20) followed by the other draws.
    void script(int r, std::vector<double> more = {}) {
        std::vector<double> v{(r - 1) / 20.0 + 0.001};
        v.insert(v.end(), more.begin(), more.end());
        v.push_back(0.123);  // a sentinel: the next draw after the decision
        game.random.script(v);
    }
    void think() { moves().CPUThink(game, p2, p1); }
    void apart(double dx, int16_t dy = 0) {
        p2.posX = p1.posX + dx;
        p2.posY = cint16(p1.posY + dy);
    }
};

TEST_F(GodCpu, FacingAwayOnlyRollsAndMeasures) {
    p2.LeftOrRight = 1;
    apart(180, 30);
    enter(55);
    animChange(game, 55, p2);
    script(1);
    think();
    EXPECT_EQ(p2.animPat, 55);
    EXPECT_EQ(moves().distX, 180);
    EXPECT_EQ(moves().distY, 30);
    EXPECT_DOUBLE_EQ(game.random.next(), 0.123);
}

TEST_F(GodCpu, BandEdges) {
    p2.spacornCount = 1;
    apart(150);  // exactly 150: the middle band, roll 11 is the super art
    script(11);
    think();
    EXPECT_EQ(p2.animPat, 530);

    p2.spacornCount = 1;
    apart(149);  // near: roll 11 is the long step (key 30 is forward facing right, back step facing left)
    script(11);
    think();
    EXPECT_EQ(p2.animPat, 70);

    apart(250);  // exactly 250: far, roll 1 is a Z-row jump
    script(1, {0.0});
    think();
    EXPECT_EQ(p2.animPat, 130);
    EXPECT_EQ(p2.counTer, 7);  // key 31 facing left
    EXPECT_DOUBLE_EQ(game.random.next(), 0.123);

    apart(100, 200);  // exactly 200 vertically: the first row, roll 12 is key 21
    script(12);
    think();
    EXPECT_EQ(p2.animPat, 75);  // facing left key 21 is the long step
    EXPECT_EQ(p2.counTer, 6);
}

TEST_F(GodCpu, MeleeArtsStartDirectlyWhateverTheFacing) {
    apart(100);
    const int16_t byRoll[][2] = {{1, 500}, {8, 510}, {9, 520}, {10, 520}};
    for (const auto& [r, pattern] : byRoll) {
        script(r);
        think();
        EXPECT_EQ(p2.animPat, pattern) << r;
    }
}

TEST_F(GodCpu, FarAwayVerticallyNoMeleeArtStarts) {
    apart(100, 300);
    for (int r = 1; r <= 20; ++r) {
        animChange(game, 0, p2);
        p2.posY = cint16(p1.posY + 300);
        script(r, {0.5});
        think();
        EXPECT_TRUE(p2.animPat < 500 || p2.animPat > 524) << r;
    }
}

TEST_F(GodCpu, FarRandomAttackKeyUsesTheAttackSelect) {
    apart(400);
    script(5, {16.0 / 40 + 0.001});  // key 17: "U", an art only facing left
    think();
    EXPECT_EQ(p2.animPat, 520);
    script(6, {0.0});  // key 1: back to standing
    think();
    EXPECT_EQ(p2.animPat, 0);
}

TEST_F(GodCpu, ComboArtDependsOnTheSuperArtType) {
    p2.spacornCount = 1;
    p2.spacornType = 2;
    apart(100);
    moves().distX = 100;
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 0);
    moves().distX = 99;
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 210);

    p2.spacornCount = 1;
    p2.spacornType = 1;
    animChange(game, 0, p2);
    moves().distX = 500;
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 210);

    p2.spacornCount = 0;
    animChange(game, 0, p2);
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 0);  // no stock
}

TEST_F(GodCpu, ComboStepClosesTheAirRecoveryAtOnce) {
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 310;
    animChange(game, 320, p2);
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 320);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);

    p2.TPC = true;
    p2.TPCNumber = 210;
    animChange(game, 213, p2);
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 220);
    EXPECT_FALSE(p2.TPC);
}

TEST_F(GodCpu, ChoiceComboPicksAWordAndStaysOpen) {
    p2.TPC = true;
    p2.TPCNumber = 610;
    const int16_t words[] = {1, 3, 4};
    for (int r = 0; r < 3; ++r) {
        game.random.script({r / 3.0 + 0.01});
        moves().CPUTPC(game, p2, p1);
        EXPECT_EQ(p2.inputKeyNum, words[r]);
        EXPECT_TRUE(p2.TPC);
    }
}

}  // namespace
}  // namespace morvek::god_test
