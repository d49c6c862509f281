// INTERRUPTER's pattern table and body boxes: the cells, holds, steps and states of sample
// rows, the patterns whose step depends on the fighter, the missing-pattern default, and
// the insets of each body class.

#include <string>
#include <utility>
#include <vector>

#include "interrupter_fixture.h"
#include "movesets/InterrupterPatterns.h"

namespace morvek::interrupter_test {
namespace {

using interrupter_patterns::kTable;

class InterrupterPatterns : public InterrupterTest {
protected:
    Rect draw(int16_t pattern) {
        p1.animPat = pattern;
        Rect r;
        moves().AnimPattern(game, p1, r);
        moves().HitFieldSet(game, p1);
        return r;
    }
};

TEST_F(InterrupterPatterns, EveryPatternOfTheMoveListIsDefined) {
    const std::vector<std::pair<int, int>> ranges = {
        {0, 27},    {30, 30},   {35, 35},   {40, 40},   {45, 45},   {50, 52},   {55, 56},
        {60, 62},   {70, 73},   {75, 78},   {80, 81},   {90, 93},   {100, 106}, {130, 131},
        {134, 138}, {140, 141}, {150, 151}, {160, 160}, {180, 180}, {200, 203}, {210, 212},
        {220, 223}, {230, 233}, {240, 243}, {250, 252}, {300, 302}, {310, 312}, {320, 322},
        {330, 333}, {340, 342}, {350, 352}, {360, 361}, {370, 370}, {380, 386}, {390, 392},
        {400, 400}, {410, 411}, {420, 420}, {430, 432}, {450, 454}, {460, 464}, {470, 470},
        {480, 481}, {500, 507}, {510, 516}, {520, 523}, {530, 533}, {540, 543}, {550, 559},
        {570, 574}, {580, 583}, {590, 593}, {600, 603}, {610, 613}, {620, 621}, {630, 633},
        {640, 642}, {650, 656}, {660, 662}, {670, 673}, {680, 682}, {690, 693}, {700, 703},
        {710, 712}, {720, 724}, {730, 733}, {740, 742}, {750, 753}, {760, 763}, {770, 773},
        {779, 780}, {790, 793}, {800, 806}, {810, 815}, {820, 822}, {830, 833}, {840, 846},
        {850, 854}, {860, 863}, {870, 874}, {876, 876}, {879, 879}, {880, 886}, {950, 950},
    };
    int n = 0;
    for (auto [first, last] : ranges)
        for (int p = first; p <= last; ++p, ++n) EXPECT_NE(kTable.find(p), nullptr) << p;
    EXPECT_EQ(n, 324);
    EXPECT_EQ(kTable.size(), 324u);
    EXPECT_EQ(kTable.find(490), nullptr);  // another fighter's KO fall
}

TEST_F(InterrupterPatterns, StandFirstCellAndLoop) {
    const Rect r = draw(0);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 200);
    EXPECT_EQ(p1.fixTime, 3);
    EXPECT_EQ(p1.nextAnim, 1);
    EXPECT_EQ(p1.sTate, stStand);
    draw(7);
    EXPECT_EQ(p1.nextAnim, -7);
}

TEST_F(InterrupterPatterns, MissingPatternsDrawCellZeroAndKeepTheTiming) {
    for (int16_t pattern : {490, 765, -1, 951}) {
        draw(76);  // dash: body class 1, state stDash
        p1.zoomCount = 7;
        p1.fixTime = 77;
        p1.nextAnim = 5;
        p1.sTate = 9;
        const Rect r = draw(pattern);
        EXPECT_EQ(r.left, 1) << pattern;
        EXPECT_EQ(r.top, 1);
        EXPECT_EQ(p1.ATFnumber, 0);
        EXPECT_EQ(p1.zoomCount, 0);
        EXPECT_EQ(p1.fixTime, 77);
        EXPECT_EQ(p1.nextAnim, 5);
        EXPECT_EQ(p1.sTate, 9);
    }
}

TEST_F(InterrupterPatterns, SampleRowsCellsHoldsStatesAndJumps) {
    struct Row { int16_t pattern, column, row, hold, next, state, body, zoom; };
    const Row rows[] = {
        {76, 1, 10, 27, 1, stDash, 1, 0},       {134, 2, 7, 8, -3, stAirborne, 0, 0},
        {138, 1, 8, 5, -3, stAirborne, 2, 0},   {201, 4, 10, 2, 1, stAttack, 1, 0},
        {300, 0, 6, 37, -300, stHit, 0, 0},     {301, 1, 6, 18, 1, stHit, 0, 0},
        {321, 3, 7, 5, 1, stAirHit, 3, 0},      {361, 3, 7, 3, -31, stFloorHit, 0, 0},
        {370, 5, 5, 10, -290, stKnockdownFall, 3, 0}, {392, 8, 1, 33, -392, stRecover, 0, 3},
        {400, 5, 6, 3, -70, stHit, 3, 0},       {420, 4, 7, 6, 0, -30, 0, 0},
        {470, 0, 5, 2, 240, stAttack, 0, 0},    {583, 9, 1, 2, 29, stAttack, 0, 0},
        {593, 12, 7, 2, 19, stAttack, 0, 0},    {603, 12, 7, 2, 9, stAttack, 0, 0},
        {712, 10, 4, 20, -657, stAttack, 0, 0}, {741, 1, 2, 33, 1, stAttack, 0, 2},
        {872, 9, 11, 2, 1, 30, 0, 10},          {874, 7, 9, 5, -874, stAttack, 0, 0},
        {876, 10, 11, 2, -4, 30, 0, 10},        {950, 4, 5, 200, 0, stHit, 1, 0},
    };
    for (const Row& w : rows) {
        const Rect r = draw(w.pattern);
        EXPECT_EQ(r.left, w.column * 200 + 1) << w.pattern;
        EXPECT_EQ(r.top, w.row * 200 + 1) << w.pattern;
        EXPECT_EQ(p1.fixTime, w.hold) << w.pattern;
        EXPECT_EQ(p1.nextAnim, w.next) << w.pattern;
        EXPECT_EQ(p1.sTate, w.state) << w.pattern;
        EXPECT_EQ(p1.ATFnumber, w.body) << w.pattern;
        EXPECT_EQ(p1.zoomCount, w.zoom) << w.pattern;
    }
}

TEST_F(InterrupterPatterns, SpeedMovesOnlyTheSpeedHolds) {
    auto holdAt = [&](int16_t pattern, int16_t speed) {
        p1.sPeed = speed;
        draw(pattern);
        return p1.fixTime;
    };
    for (int16_t withSpeed : {0, 76, 211, 386, 862})
        EXPECT_EQ(holdAt(withSpeed, 5), holdAt(withSpeed, 3) + 2) << withSpeed;
    for (int16_t constant : {201, 230, 231, 232, 310, 320, 341, 880})
        EXPECT_EQ(holdAt(constant, 5), holdAt(constant, 3)) << constant;
}

TEST_F(InterrupterPatterns, NamesFlagsAndCountersOfTheMoves) {
    p1.enableAction = true;
    draw(720);
    EXPECT_EQ(p1.artsName, "ショックウェイブ");
    EXPECT_EQ(p1.counTer, 31);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    draw(721);  // unnamed patterns keep the name
    EXPECT_EQ(p1.artsName, "ショックウェイブ");
    draw(240);
    EXPECT_EQ(p1.artsName, "旋舞連脚　独鈷");
    draw(450);
    EXPECT_FALSE(p1.enableGard);
    EXPECT_EQ(p1.sTate, stGetUp);
    draw(454);
    EXPECT_TRUE(p1.enableGard);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    draw(463);
    EXPECT_EQ(p1.sTate, -15);
}

TEST_F(InterrupterPatterns, ShockWaveCountsDownOnEveryDrawingPass) {
    draw(720);
    p1.counTer = 3;
    draw(722);
    EXPECT_EQ(p1.counTer, 2);
    EXPECT_EQ(p1.nextAnim, -1);
    draw(722);  // a second pass in the same frame (finish display) counts again
    EXPECT_EQ(p1.counTer, 1);
    draw(722);
    EXPECT_EQ(p1.counTer, 0);
    EXPECT_EQ(p1.nextAnim, 1);
}

TEST_F(InterrupterPatterns, SuperArtLoops) {
    p1.counTer = 2;
    draw(805);
    EXPECT_EQ(p1.nextAnim, -3);
    EXPECT_EQ(p1.counTer, 1);
    p1.counTer = 0;
    draw(845);
    EXPECT_EQ(p1.nextAnim, 1);

    p1.counTer = 0;  // the infinity repeats while counTer >= 0 and never counts itself
    draw(814);
    EXPECT_EQ(p1.nextAnim, -3);
    EXPECT_EQ(p1.counTer, 0);
    p1.counTer = -1;
    draw(814);
    EXPECT_EQ(p1.nextAnim, 1);

    p1.counTer = 1;
    draw(853);
    EXPECT_EQ(p1.nextAnim, -2);
    EXPECT_EQ(p1.counTer, 0);
    draw(853);
    EXPECT_EQ(p1.nextAnim, 1);
    draw(850);
    EXPECT_EQ(p1.counTer, 10);
}

TEST_F(InterrupterPatterns, GuardsHoldWhileGuardStunIsLeft) {
    p1.gardFixTime = 4;
    draw(30);
    EXPECT_EQ(p1.nextAnim, 0);
    draw(40);
    EXPECT_EQ(p1.nextAnim, 0);
    p1.gardFixTime = 0;
    draw(40);
    EXPECT_EQ(p1.nextAnim, -40);
    draw(30);
    EXPECT_EQ(p1.nextAnim, -30);
}

TEST_F(InterrupterPatterns, WithoutVitalityTheHitsLeadToTheFloor) {
    p1.viTality = 0;
    draw(330);
    EXPECT_EQ(p1.nextAnim, 0);
    draw(341);
    EXPECT_EQ(p1.nextAnim, 59);
    draw(351);
    EXPECT_EQ(p1.nextAnim, 49);
    draw(400);
    EXPECT_EQ(p1.nextAnim, -70);
    p1.viTality = 0.5;
    draw(330);
    EXPECT_EQ(p1.nextAnim, 1);
    draw(341);
    EXPECT_EQ(p1.nextAnim, 1);
}

TEST_F(InterrupterPatterns, BodyBoxesByClass) {
    struct Box { int16_t pattern, left, top, right, bottom; };
    const Box boxes[] = {
        {0, 65, 60, 65, 20}, {40, 65, 90, 65, 20}, {131, 65, 70, 65, 40}, {330, 50, 140, 50, 20},
    };
    for (const Box& b : boxes) {
        draw(b.pattern);
        EXPECT_EQ(p1.hitFieldLeft, b.left) << b.pattern;
        EXPECT_EQ(p1.hitFieldTop, b.top) << b.pattern;
        EXPECT_EQ(p1.hitFieldRight, b.right) << b.pattern;
        EXPECT_EQ(p1.hitFieldBottom, b.bottom) << b.pattern;
    }
    // Getting up (class 5) keeps the previous pass's box.
    draw(330);
    draw(450);
    EXPECT_EQ(p1.ATFnumber, 5);
    EXPECT_EQ(p1.hitFieldTop, 140);
    draw(464);
    EXPECT_EQ(p1.hitFieldLeft, 50);
}

}  // namespace
}  // namespace morvek::interrupter_test
