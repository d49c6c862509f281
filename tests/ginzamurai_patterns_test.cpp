// GINZAMURAI's pattern table and body boxes: cells, holds, states and conditional steps
// of sample rows, the counters the table advances, and the patterns it leaves undefined.

#include "ginzamurai_fixture.h"

#include "movesets/GinzamuraiPatterns.h"

namespace morvek::ginzamurai_test {
namespace {

using GinzamuraiPatterns = GinzamuraiTest;

void expectRect(const Rect& r, int32_t l, int32_t t, int32_t rt, int32_t b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rt);
    EXPECT_EQ(r.bottom, b);
}

TEST_F(GinzamuraiPatterns, DefinesExactlyTheListedPatterns) {
    const auto& table = ginzamurai_patterns::kTable;
    EXPECT_EQ(table.size(), 188u);
    // Patterns every fighter must have, plus the moves and openings the other parts start.
    for (int p : {0, 20, 30, 35, 40, 45, 50, 55, 60, 70, 75, 80, 90, 100, 130, 135, 150, 160, 180,
                  200, 210, 220, 240, 250, 260, 270, 300, 310, 320, 330, 340, 350, 360, 370, 380,
                  390, 400, 410, 420, 430, 450, 460, 470, 500, 510, 530, 570, 580, 590, 600, 610,
                  630, 640, 650, 710, 720, 730, 740, 750, 755, 950})
        EXPECT_NE(table.find(p), nullptr) << p;
    // Numbers other fighters or the tutorial use.
    for (int p : {99, 170, 280, 480, 481, 490, 765, 860, 3, 25, 514, 615, 758, 951})
        EXPECT_EQ(table.find(p), nullptr) << p;
}

TEST_F(GinzamuraiPatterns, UndefinedPatternShowsTheFirstCellAndKeepsTheTiming) {
    showPattern(341);  // hold s + 26, state -1, step to 342
    p1.artsName = "燕返し";
    p1.zoomCount = 4;
    const Rect r = showPattern(480);
    expectRect(r, 1, 1, 300, 300);
    EXPECT_EQ(p1.zoomCount, 0);
    EXPECT_EQ(p1.ATFnumber, 0);
    EXPECT_EQ(p1.fixTime, 29);
    EXPECT_EQ(p1.nextAnim, 1);
    EXPECT_EQ(p1.sTate, -1);
    EXPECT_EQ(p1.artsName, "燕返し");
}

TEST_F(GinzamuraiPatterns, CellsFollowTheThreeHundredPixelGrid) {
    expectRect(showPattern(472), 2401, 1501, 2700, 1800);
    EXPECT_EQ(p1.fixTime, 200);
    EXPECT_EQ(p1.nextAnim, 0);
    const Rect r741 = showPattern(741);
    EXPECT_EQ(r741.left, 1201);
    EXPECT_EQ(r741.top, 2101);
    expectRect(showPattern(2), 601, 1, 900, 300);
    EXPECT_EQ(p1.fixTime, 10);   // s + 7
    EXPECT_EQ(p1.nextAnim, -2);  // back to 0
    EXPECT_EQ(p1.sTate, stStand);
}

TEST_F(GinzamuraiPatterns, SampleRowsWriteStateNameZoomAndFlags) {
    showPattern(23);
    EXPECT_EQ(p1.fixTime, 18);
    EXPECT_EQ(p1.sTate, 0);
    p1.artsName = "";
    showPattern(20);
    EXPECT_EQ(p1.artsName, "斬り払い");
    p1.enableAction = false;
    showPattern(24);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_EQ(p1.nextAnim, -24);

    showPattern(53);
    EXPECT_EQ(p1.nextAnim, -2);  // back to 51, the stance loops
    EXPECT_EQ(p1.sTate, stTargetStance);

    showPattern(392);
    EXPECT_EQ(p1.zoomCount, 3);
    EXPECT_EQ(p1.fixTime, 33);
    EXPECT_EQ(p1.sTate, stRecover);

    showPattern(80);
    EXPECT_EQ(p1.sTate, stLanding);
    showPattern(81);
    EXPECT_EQ(p1.sTate, stRecover);

    showPattern(710);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    showPattern(712);
    EXPECT_EQ(p1.sTate, 0);

    p1.enableAction = true;
    showPattern(610);
    EXPECT_EQ(p1.counTer, 54);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(p1.zoomCount, 5);
    showPattern(755);
    EXPECT_EQ(p1.artsName, "分身");
    EXPECT_EQ(p1.zoomCount, 4);
    showPattern(750);
    EXPECT_EQ(p1.zoomCount, 2);
    showPattern(600);
    EXPECT_EQ(p1.counTer, 0);

    p1.enableGard = p1.enableAction = true;
    showPattern(450);
    EXPECT_FALSE(p1.enableGard);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(p1.sTate, stGetUp);
    showPattern(464);
    EXPECT_TRUE(p1.enableGard);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_EQ(p1.sTate, 15);
}

TEST_F(GinzamuraiPatterns, BlocksWithoutANameKeepThePreviousOne) {
    showPattern(210);
    EXPECT_EQ(p1.artsName, "首狩り");
    showPattern(240);
    showPattern(241);
    EXPECT_EQ(p1.artsName, "首狩り");
    showPattern(242);
    EXPECT_EQ(p1.artsName, "兜割");
    showPattern(590);
    showPattern(592);
    EXPECT_EQ(p1.artsName, "兜割");
}

TEST_F(GinzamuraiPatterns, GuardsHoldWhileGuardStunLasts) {
    p1.gardFixTime = 5;
    showPattern(30);
    EXPECT_EQ(p1.nextAnim, 0);
    EXPECT_EQ(p1.sTate, stStandGuard);
    p1.gardFixTime = 0;
    showPattern(30);
    EXPECT_EQ(p1.nextAnim, -30);
    p1.gardFixTime = 2;
    showPattern(40);
    EXPECT_EQ(p1.nextAnim, 0);
    EXPECT_EQ(p1.ATFnumber, 1);
    p1.gardFixTime = 0;
    showPattern(40);
    EXPECT_EQ(p1.nextAnim, -40);
}

TEST_F(GinzamuraiPatterns, DashLoopCountsDownOnEveryEvaluationOf94) {
    p1.counTer = 3;
    for (int expected : {2, 1, 0}) {
        showPattern(94);
        EXPECT_EQ(p1.counTer, expected);
        EXPECT_EQ(p1.nextAnim, -4);
    }
    showPattern(94);
    EXPECT_EQ(p1.nextAnim, -14);  // to the landing 80
    EXPECT_EQ(p1.counTer, 0);
}

TEST_F(GinzamuraiPatterns, WalkLoopCountsTowardZeroFromEitherSide) {
    p1.counTer = -2;
    showPattern(103);
    EXPECT_EQ(p1.counTer, -1);
    EXPECT_EQ(p1.nextAnim, -3);
    showPattern(103);
    EXPECT_EQ(p1.counTer, 0);
    EXPECT_EQ(p1.nextAnim, -3);
    showPattern(103);
    EXPECT_EQ(p1.nextAnim, -103);
    p1.counTer = 1;
    showPattern(103);
    EXPECT_EQ(p1.counTer, 0);
}

TEST_F(GinzamuraiPatterns, LightningLoopRunsUntilTheCounterIsNegative) {
    p1.counTer = 0;
    showPattern(613);
    EXPECT_EQ(p1.nextAnim, -1);
    EXPECT_EQ(p1.counTer, -1);
    showPattern(613);
    EXPECT_EQ(p1.nextAnim, 1);
    EXPECT_EQ(p1.counTer, -1);
    EXPECT_EQ(p1.fixTime, 13);
}

TEST_F(GinzamuraiPatterns, GroundSlashHoldGrowsWithTheCounter) {
    p1.counTer = 5;
    showPattern(650);
    EXPECT_EQ(p1.fixTime, 18);
    p1.counTer = 12;
    showPattern(650);
    EXPECT_EQ(p1.fixTime, 25);
}

TEST_F(GinzamuraiPatterns, KnockedOutFighterCollapsesAndStaysDown) {
    p1.viTality = 0;
    showPattern(341);
    EXPECT_EQ(p1.nextAnim, 59);
    showPattern(350);
    EXPECT_EQ(p1.nextAnim, 50);
    showPattern(330);
    EXPECT_EQ(p1.nextAnim, 0);
    p1.viTality = 10;
    showPattern(341);
    EXPECT_EQ(p1.nextAnim, 1);
    showPattern(350);
    EXPECT_EQ(p1.nextAnim, -350);
    showPattern(330);
    EXPECT_EQ(p1.nextAnim, 1);
}

TEST_F(GinzamuraiPatterns, BodyBoxesByClassAndKeptWhileGettingUp) {
    showPattern(0);
    EXPECT_EQ(p1.hitFieldLeft, 100);
    EXPECT_EQ(p1.hitFieldTop, 110);
    EXPECT_EQ(p1.hitFieldRight, 120);
    EXPECT_EQ(p1.hitFieldBottom, 55);
    showPattern(250);
    EXPECT_EQ(p1.hitFieldTop, 155);
    showPattern(331);
    EXPECT_EQ(p1.hitFieldLeft, 80);
    EXPECT_EQ(p1.hitFieldTop, 200);
    EXPECT_EQ(p1.hitFieldRight, 80);
    for (int p = 450; p <= 454; ++p) {
        showPattern(static_cast<int16_t>(p));
        EXPECT_EQ(p1.ATFnumber, 5);
        EXPECT_EQ(p1.hitFieldTop, 200) << p;  // class 5 keeps the floor box
        EXPECT_EQ(p1.hitFieldLeft, 80) << p;
    }
    showPattern(0);
    EXPECT_EQ(p1.hitFieldTop, 110);
    EXPECT_EQ(p1.hitFieldLeft, 100);
}

TEST_F(GinzamuraiPatterns, DrawnTwiceAFrameAdvancesTheLoopCountersTwice) {
    p1.counTer = 10;
    p1.animPat = 94;
    show(p1);
    show(p1);  // the finish display draws every fighter twice
    EXPECT_EQ(p1.counTer, 8);
}

TEST_F(GinzamuraiPatterns, DashRunsTheLoopThenLands) {
    animChange(game, 90, p1);
    p1.counTer = 4;  // 94 is drawn four times a pass and counts down on each
    std::vector<int16_t> seen;
    for (int frame = 0; frame < 60 && p1.animPat != 80; ++frame) {
        show(p1);
        animTimerCount(game, p1);
        if (seen.empty() || seen.back() != p1.animPat) seen.push_back(p1.animPat);
    }
    const std::vector<int16_t> expected{90, 91, 92, 93, 94, 90, 91, 92, 93, 94, 80};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace morvek::ginzamurai_test
