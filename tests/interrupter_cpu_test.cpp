// INTERRUPTER's computer decisions under scripted random draws, and his stage intro
// through the round judge.

#include <vector>

#include "battle/RoundJudge.h"
#include "battle/StateOfStage.h"
#include "interrupter_fixture.h"
#include "loop_fixture.h"

namespace morvek::interrupter_test {
namespace {

constexpr double kSentinel = 0.123456;
/// The random value that makes the roll Int(r * 20 + 1) come out as `roll`.
double rollOf(int roll) { return (roll - 1) / 20.0 + 0.01; }

/// INTERRUPTER's decisions with the selects and the super-art decision recorded instead
/// of played, so a test sees which entry the table chose and with which key.
class SpyInterrupter : public Interrupter {
public:
    std::vector<int> attackKeys, moveKeys;
    int spacorns = 0;
    void AttackSelect(BattleContext&, Character&, int16_t key) override { attackKeys.push_back(key); }
    void MoveSelect(BattleContext&, Character&, int16_t key) override { moveKeys.push_back(key); }
    void CPUSpacorn(BattleContext&, Character&, Character&) override { ++spacorns; }
};

class InterrupterCpu : public InterrupterTest {
protected:
    InterrupterCpu() {
        p2.animPat = 1;  // no decision starts this
        p2.airialJumpCount = 1;
    }
    /// Puts the computer (player 2) `distX` to the right of player 1, facing it.
    void at(int distX) { p2.posX = p1.posX + distX; }
    void think(std::vector<double> draws) {
        draws.push_back(kSentinel);
        game.random.script(draws);
        spy.CPUThink(game, p2, p1);
    }
    /// Every scripted draw was used, and no more.
    void expectDrawsUsed() { EXPECT_DOUBLE_EQ(game.random.next(), kSentinel); }

    SpyInterrupter spy;
};

TEST_F(InterrupterCpu, CloseBandFirstRollDependsOnHisOwnFooting) {
    at(100);
    think({rollOf(1)});
    EXPECT_EQ(p2.animPat, 200);
    p2.floatorStand = true;
    think({rollOf(1)});
    EXPECT_EQ(p2.animPat, 210);
    p2.floatorStand = false;
    think({rollOf(8)});
    EXPECT_EQ(p2.animPat, 220);
    expectDrawsUsed();
}

TEST_F(InterrupterCpu, CloseBandReachesToOneHundredAndFifty) {
    at(149);
    think({rollOf(12)});
    EXPECT_EQ(p2.animPat, 670);
    EXPECT_EQ(p2.counTer, 0);  // the close band's missile draws no counter
    think({rollOf(15), 0.95});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{10});
    think({rollOf(18)});
    EXPECT_EQ(spy.spacorns, 1);
    p1.sTate = stStand;
    think({rollOf(3)});
    EXPECT_EQ(p2.animPat, 670);  // special guard only against an attack
    p1.sTate = stAttack;
    think({rollOf(4)});
    EXPECT_EQ(p2.animPat, 380);
    expectDrawsUsed();
}

TEST_F(InterrupterCpu, MiddleBandDrawsTheMovesCounters) {
    at(150);
    think({rollOf(8), 0.99});
    EXPECT_EQ(p2.animPat, 670);
    EXPECT_EQ(p2.counTer, 3);
    think({rollOf(11), 0.0});
    EXPECT_EQ(p2.animPat, 700);
    EXPECT_EQ(p2.counTer, 1);
    p1.sTate = stAttack;
    think({rollOf(16), 0.25});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{3});
    p1.sTate = stHit;  // a reeling opponent is worth the super art
    think({rollOf(19)});
    EXPECT_EQ(spy.spacorns, 1);
    expectDrawsUsed();
}

TEST_F(InterrupterCpu, FarBandsShootDashAndBlink) {
    at(300);
    think({rollOf(1)});
    EXPECT_EQ(p2.animPat, 550);
    think({rollOf(20), 0.5});
    EXPECT_EQ(p2.animPat, 670);
    EXPECT_EQ(p2.counTer, 2);
    think({rollOf(16), 0.05});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{31});
    at(400);
    think({rollOf(20)});
    EXPECT_EQ(spy.spacorns, 1);
    think({rollOf(7)});
    EXPECT_EQ(p2.animPat, 75);
    p2.airialJumpCount = 0;
    think({rollOf(12)});
    EXPECT_EQ(spy.moveKeys.size(), 1u);
    expectDrawsUsed();
}

TEST_F(InterrupterCpu, FacingAwayOnlyTheSickleAtCloseRange) {
    at(150);
    p2.dirStand = 1;
    think({rollOf(10)});
    EXPECT_EQ(p2.animPat, 570);
    p2.animPat = 1;
    at(200);
    think({rollOf(1)});
    EXPECT_EQ(p2.animPat, 1);
    expectDrawsUsed();
}

TEST_F(InterrupterCpu, CannonadeComboStaysOpen) {
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 610;
    const std::pair<double, int16_t> picks[] = {{0.1, 590}, {0.5, 600}, {0.9, 580}};
    for (auto [draw, pattern] : picks) {
        game.random.script({draw, kSentinel});
        moves().CPUTPC(game, p2, p1);
        EXPECT_EQ(p2.animPat, pattern);
        EXPECT_TRUE(p2.TPC);
        EXPECT_TRUE(p2.enableAction);
        expectDrawsUsed();
    }
    p2.TPCNumber = 240;
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 520);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);
}

TEST_F(InterrupterCpu, AirRecoveryComboByTheSharedChoice) {
    p2.TPC = true;
    p2.TPCNumber = 310;
    game.random.script({0.9, kSentinel});  // dice(8) = 8: leave it
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_FALSE(p2.TPC);
    expectDrawsUsed();
}

class InterrupterSpacorn : public InterrupterCpu {
protected:
    InterrupterSpacorn() {
        p2.spacornType = 1;  // arts 840 and 730, stocks of 180, two at most
        charaBaseSet(p2, "interrupter");
        at(140);
    }
    void decide(std::vector<double> draws) {
        draws.push_back(kSentinel);
        game.random.script(draws);
        moves().CPUSpacorn(game, p2, p1);
    }
};

TEST_F(InterrupterSpacorn, TwoStocksAtCloseQuartersStartTheCatchingArt) {
    p2.spacornCount = 2;
    p2.spacornGauge = 360;
    decide({});
    EXPECT_EQ(p2.animPat, 860);
    EXPECT_EQ(p2.spacornCircle, 20);
    EXPECT_TRUE(p2.spacornSwitch);
    EXPECT_EQ(p2.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 180);
    EXPECT_EQ(moves().distX, 140);
    expectDrawsUsed();
}

TEST_F(InterrupterSpacorn, AirborneTheOrdinaryChoiceApplies) {
    p2.spacornCount = 2;
    p2.floatorStand = true;
    decide({0.4});  // draw 2: the second art
    EXPECT_EQ(p2.animPat, 730);
    p2.spacornCount = 1;
    decide({0.9});
    EXPECT_EQ(p2.animPat, 840);
    expectDrawsUsed();
}

TEST_F(InterrupterSpacorn, TypeTwoFiresOnlyCloserThanOneHundred) {
    p2.spacornType = 2;
    p2.spacornCount = 1;
    at(100);
    decide({0.4});  // the draw is made all the same
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_EQ(p2.spacornCount, 1);
    expectDrawsUsed();
    at(99);
    decide({0.0});
    EXPECT_EQ(p2.animPat, 840);
}

}  // namespace
}  // namespace morvek::interrupter_test

namespace morvek::loop_test {
namespace {

struct InterrupterIntro : MatchFixture {
    void SetUp() override {
        MatchFixture::SetUp();
        arrive();
    }
    /// The ladder has just made INTERRUPTER the opponent.
    void arrive() {
        stage.checkCounter = ladderstage::Interrupter;
        stage.VSactionFlag = false;
        stage.roundCount = 0;
        stage.wholeTimer = 0;
        platform.clearLogs();
    }
    /// Judge frames 1..last; the frame each sound first played on, and the first frame
    /// on which the fighters were left free to act.
    struct Timeline { int voice = 0, ready = 0, fight = 0, act = 0; };
    Timeline run(int last) {
        Timeline t;
        for (int frame = 1; frame <= last; ++frame) {
            p1.enableAction = true;
            battleJudge(game);
            if (!t.voice && soundsPlayed(139)) t.voice = frame;
            if (!t.ready && soundsPlayed(kReadyVoice)) t.ready = frame;
            if (!t.fight && soundsPlayed(kFightVoice)) t.fight = frame;
            if (!t.act && p1.enableAction) t.act = frame;
        }
        return t;
    }
};

TEST_F(InterrupterIntro, FirstVisitWaitsForTheVoice) {
    const Timeline t = run(160);
    EXPECT_EQ(t.voice, 30);
    EXPECT_EQ(t.ready, 111);
    EXPECT_EQ(t.fight, 151);
    EXPECT_EQ(t.act, 152);
    EXPECT_TRUE(stage.VSactionFlag);
    EXPECT_EQ(soundsPlayed(139), 1);
}

TEST_F(InterrupterIntro, LaterVisitsStartTheRoundAtOnce) {
    run(110);
    arrive();  // a new arcade game reaches him again
    const Timeline t = run(60);
    EXPECT_EQ(t.voice, 0);
    EXPECT_EQ(t.ready, 11);  // the intro's call on frame 1 holds the clock once
    EXPECT_EQ(t.fight, 51);
}

TEST_F(InterrupterIntro, ReplaysAndLaterRoundsNeverCallIt) {
    stage.VSactionFlag = true;  // replaying after a lost match
    EXPECT_EQ(run(60).ready, 10);
    arrive();
    stage.roundCount = 1;
    const Timeline t = run(60);
    EXPECT_EQ(t.ready, 10);
    EXPECT_EQ(t.voice, 0);
    EXPECT_FALSE(stage.VSactionFlag);
}

}  // namespace
}  // namespace morvek::loop_test
