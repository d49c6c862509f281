// G O D's pattern table and body box: the cells of its one-column sheet and the dash row,
// the counted loops, the vitality-dependent steps, the holding patterns and the default.

#include "engine/Basic.h"
#include "god_fixture.h"
#include "movesets/GodPatterns.h"

namespace morvek::god_test {
namespace {

class GodPatterns : public GodTest {
protected:
    /// Evaluates pattern n on player 1 without the reset animChange does.
    Rect eval(int16_t n) {
        p1.animPat = n;
        return show(p1);
    }
    int16_t target(int16_t n) { return cint16(n + p1.nextAnim); }
};

TEST_F(GodPatterns, EveryListedPatternIsDefined) {
    const int blocks[][2] = {{0, 1},     {10, 13},   {15, 18},   {30, 30},   {35, 35},   {40, 40},
                             {45, 45},   {50, 53},   {55, 56},   {60, 62},   {70, 73},   {75, 78},
                             {80, 80},   {90, 90},   {100, 101}, {130, 131}, {134, 134}, {135, 138},
                             {150, 151}, {160, 163}, {180, 180}, {200, 203}, {210, 215}, {220, 223},
                             {300, 302}, {310, 312}, {320, 322}, {330, 330}, {332, 333}, {335, 337},
                             {340, 342}, {350, 352}, {360, 360}, {370, 370}, {400, 400}, {410, 411},
                             {420, 420}, {430, 430}, {470, 470}, {500, 503}, {510, 513}, {520, 524},
                             {530, 530}, {535, 538}, {540, 543}, {950, 950}};
    int n = 0;
    for (const auto& b : blocks)
        for (int p = b[0]; p <= b[1]; ++p, ++n)
            EXPECT_NE(god_patterns::kTable.find(p), nullptr) << p;
    EXPECT_EQ(n, static_cast<int>(god_patterns::kTable.size()));
    EXPECT_EQ(god_patterns::kTable.find(331), nullptr);  // between the floor hit and lying KO
}

TEST_F(GodPatterns, FramesComeFromOneColumnOnA400PixelPitch) {
    EXPECT_EQ(eval(0), (Rect{1, 1, 499, 399}));
    EXPECT_EQ(eval(131), (Rect{1, 401, 499, 799}));
    EXPECT_EQ(eval(521), (Rect{1, 801, 499, 1199}));  // the fist is drawn from the hurt row
    EXPECT_EQ(eval(100), (Rect{1, 1201, 499, 1599}));
    EXPECT_EQ(eval(537), (Rect{1, 1601, 499, 1999}));
    EXPECT_EQ(eval(336), (Rect{1, 801, 499, 1199}));
    EXPECT_EQ(eval(337), (Rect{1, 2001, 499, 2399}));  // the last defeat pose has a row of its own
}

TEST_F(GodPatterns, DashCellsLie50PixelsApart) {
    EXPECT_EQ(eval(10), (Rect{1, 2401, 499, 2799}));
    EXPECT_EQ(eval(16), (Rect{51, 2401, 549, 2799}));
    EXPECT_EQ(eval(12), (Rect{101, 2401, 599, 2799}));
    EXPECT_EQ(eval(18), (Rect{151, 2401, 649, 2799}));
    eval(11);
    EXPECT_EQ(p1.ATFnumber, 1);
    eval(12);
    EXPECT_EQ(p1.ATFnumber, 0);
    EXPECT_EQ(p1.sTate, stDash);
}

TEST_F(GodPatterns, UnknownPatternDrawsTheDefaultAndKeepsTheFields) {
    eval(60);  // fixTime 37, nextAnim -60, sTate -1
    p1.zoomCount = 9;
    p1.ATFnumber = 3;
    EXPECT_EQ(eval(331), (Rect{0, 0, 498, 398}));
    EXPECT_EQ(p1.zoomCount, 0);
    EXPECT_EQ(p1.ATFnumber, 0);
    EXPECT_EQ(p1.fixTime, 37);
    EXPECT_EQ(p1.nextAnim, -60);
    EXPECT_EQ(p1.sTate, stHit);
}

TEST_F(GodPatterns, SampleRowsWriteTheirFields) {
    eval(0);
    EXPECT_EQ(p1.fixTime, 5);  // sPeed + 2
    EXPECT_EQ(target(0), 1);
    eval(1);
    EXPECT_EQ(target(1), 0);
    eval(61);
    EXPECT_EQ(p1.fixTime, 18);
    EXPECT_EQ(target(61), 62);
    eval(101);
    EXPECT_EQ(p1.sTate, stRecover);
    EXPECT_EQ(p1.fixTime, 30);
    eval(151);
    EXPECT_EQ(p1.sTate, stStand);
    eval(322);
    EXPECT_EQ(p1.sTate, stHitFall);
    eval(321);
    EXPECT_EQ(p1.ATFnumber, 3);
    eval(134);
    EXPECT_EQ(target(134), 131);
    eval(410);
    EXPECT_EQ(p1.sTate, -30);
    eval(215);
    EXPECT_EQ(p1.fixTime, 7);
    EXPECT_EQ(target(215), 0);
    p1.enableAction = true;
    eval(35);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(target(35), 30);
    eval(950);
    EXPECT_EQ(p1.sTate, stHit);
    EXPECT_EQ(p1.ATFnumber, 1);
}

TEST_F(GodPatterns, ArtsNameTheirMoves) {
    eval(200);
    EXPECT_EQ(p1.artsName, "スティングボム");
    eval(500);
    EXPECT_EQ(p1.artsName, "神の指先");
    eval(510);
    EXPECT_EQ(p1.artsName, "神のデコピン");
    eval(520);
    EXPECT_EQ(p1.artsName, "神の拳");
    eval(521);
    EXPECT_EQ(p1.artsName, "神の拳");  // kept by the later patterns
    eval(535);
    EXPECT_EQ(p1.artsName, "ジャッジメント");
}

TEST_F(GodPatterns, HoldingPatternsStay) {
    for (int16_t p : {90, 333, 337, 420, 530, 538, 540, 541, 542, 543}) {
        eval(p);
        EXPECT_EQ(p1.nextAnim, 0) << p;
    }
}

TEST_F(GodPatterns, FloorHitLiesDownOnlyAtExactlyZeroVitality) {
    p1.viTality = 0;
    eval(330);
    EXPECT_EQ(target(330), 332);
    p1.viTality = -1;
    eval(330);
    EXPECT_EQ(target(330), 0);
    p1.viTality = 0.5;
    eval(330);
    EXPECT_EQ(target(330), 0);
    eval(332);
    EXPECT_EQ(target(332), 333);
}

TEST_F(GodPatterns, StaggerWithoutVitalityCollapsesIntoKO) {
    p1.viTality = 0;
    eval(341);
    EXPECT_EQ(target(341), 400);
    eval(351);
    EXPECT_EQ(target(351), 400);
    eval(400);
    EXPECT_EQ(target(400), 330);
    p1.viTality = -3;
    eval(341);
    EXPECT_EQ(target(341), 400);
    p1.viTality = 1;
    eval(351);
    EXPECT_EQ(target(351), 352);
}

TEST_F(GodPatterns, DashesAndLongStepLoopCounTerMoreTimes) {
    for (const auto& [last, loopTo] : {std::pair<int16_t, int16_t>{13, 10}, {18, 15}, {78, 76}}) {
        p1.counTer = 3;
        for (int i = 0; i < 3; ++i) {
            eval(last);
            EXPECT_EQ(target(last), loopTo) << last;
        }
        EXPECT_EQ(p1.counTer, 0);
        eval(last);
        EXPECT_EQ(target(last), 0) << last;
        EXPECT_EQ(p1.counTer, 0);
    }
}

TEST_F(GodPatterns, FirstJudgementLetsGoAtCounTerOne) {
    eval(210);
    EXPECT_EQ(p1.counTer, 10);
    p1.enableAction = false;
    p1.counTer = 2;
    eval(214);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(target(214), 211);
    p1.counTer = 1;
    eval(214);
    EXPECT_TRUE(p1.enableAction);
    p1.counTer = 0;
    eval(214);
    EXPECT_EQ(target(214), 211);
    p1.counTer = -1;
    eval(214);
    EXPECT_EQ(target(214), 215);
    EXPECT_EQ(p1.counTer, -1);  // the table itself does not count
}

TEST_F(GodPatterns, SecondJudgementAndSuperArtArmSixtyFrames) {
    for (int16_t first : {220, 535}) {
        p1.enableAction = true;
        eval(first);
        EXPECT_EQ(p1.counTer, 60);
        EXPECT_FALSE(p1.enableAction);
    }
    eval(535);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    p1.counTer = 0;
    eval(537);
    EXPECT_EQ(target(537), 536);
    p1.counTer = -1;
    eval(537);
    EXPECT_EQ(target(537), 538);
    eval(222);
    EXPECT_EQ(target(222), 223);
    eval(220);
    EXPECT_EQ(p1.sTate, stAttack);
}

TEST_F(GodPatterns, BodyBoxIsTheSameForEveryClass) {
    for (int16_t p : {0, 40, 131, 330}) {
        eval(p);  // classes 0, 1, 2, 3
        EXPECT_EQ(p1.hitFieldLeft, 80);
        EXPECT_EQ(p1.hitFieldTop, 50);
        EXPECT_EQ(p1.hitFieldRight, 80);
        EXPECT_EQ(p1.hitFieldBottom, 25);
    }
    p1.ATFnumber = 7;
    moves().HitFieldSet(game, p1);
    EXPECT_EQ(p1.hitFieldBottom, 25);
}

}  // namespace
}  // namespace morvek::god_test
