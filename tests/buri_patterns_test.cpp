// BURI's pattern table and body box: cells, holds, states and steps of the rows, the
// conditional steps, rows the table lacks, and the roster data that goes with them.

#include <string>

#include "buri_fixture.h"

namespace morvek::buri_test {
namespace {

class BuriPatterns : public BuriTest {
protected:
    /// Evaluates `pattern` and returns the pattern its step leads to.
    int16_t stepOf(int16_t pattern) {
        p2.animPat = pattern;
        show();
        return static_cast<int16_t>(pattern + p2.nextAnim);
    }
};

TEST_F(BuriPatterns, RosterGivesTheSmallFormOnTheBossSheet) {
    EXPECT_EQ(p2.NUMBER, 6);
    EXPECT_EQ(p2.charaDispname, "G O D");
    EXPECT_EQ(p2.Width, 49);
    EXPECT_EQ(p2.Height, 49);
    EXPECT_EQ(p2.bottom, -70);
    EXPECT_EQ(p2.spacornNumber, 210);
    EXPECT_EQ(p2.spacornGaugeMax, 270);
    EXPECT_EQ(p2.ExArtsConsumption, 999);
}

TEST_F(BuriPatterns, LoopsAndFixedStepsLeadWhereTheTableSays) {
    const struct {
        int16_t from, to;
    } steps[] = {{3, 0},     {53, 50},   {138, 135}, {163, 160}, {134, 131}, {400, 330},
                 {0, 1},     {56, 0},    {60, 0},    {62, 0},    {73, 0},    {80, 0},
                 {106, 0},   {131, 0},   {141, 0},   {151, 0},   {180, 0},   {203, 0},
                 {215, 0},   {223, 0},   {300, 0},   {301, 302}, {302, 0},   {312, 0},
                 {322, 0},   {342, 0},   {352, 0},   {360, 0},   {370, 0},   {411, 0},
                 {420, 420}, {430, 0},   {470, 0},   {950, 0},   {35, 30},   {45, 40}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.from);
        EXPECT_EQ(stepOf(s.from), s.to);
    }
}

TEST_F(BuriPatterns, LowFlightReturnsOnlyAtExactlyZeroAndDoesNotCount) {
    p2.counTer = 0;
    EXPECT_EQ(stepOf(13), 0);
    for (int16_t c : {1, -1}) {
        p2.counTer = c;
        EXPECT_EQ(stepOf(13), 10);
        EXPECT_EQ(p2.counTer, c);
    }
}

TEST_F(BuriPatterns, HighFlightAndForwardDashCountTheirLoops) {
    p2.counTer = 2;
    EXPECT_EQ(stepOf(18), 15);
    EXPECT_EQ(p2.counTer, 1);
    p2.counTer = 0;
    EXPECT_EQ(stepOf(18), 0);
    p2.counTer = 1;
    EXPECT_EQ(stepOf(78), 75);
    EXPECT_EQ(p2.counTer, 0);
    EXPECT_EQ(stepOf(78), 0);
}

TEST_F(BuriPatterns, CastingLoopFreesActionOneFrameBeforeItEnds) {
    p2.enableAction = false;
    p2.counTer = 1;
    EXPECT_EQ(stepOf(214), 211);
    EXPECT_TRUE(p2.enableAction);
    p2.enableAction = false;
    p2.counTer = 0;
    EXPECT_EQ(stepOf(214), 211);
    EXPECT_FALSE(p2.enableAction);
    p2.counTer = -1;
    EXPECT_EQ(stepOf(214), 215);
    EXPECT_FALSE(p2.enableAction);

    p2.counTer = 0;
    EXPECT_EQ(stepOf(222), 221);
    p2.counTer = -1;
    EXPECT_EQ(stepOf(222), 223);
}

TEST_F(BuriPatterns, GuardsHoldWhileGuardStunIsLeft) {
    for (int16_t pattern : {30, 40}) {
        for (int16_t stun : {7, -1}) {
            p2.gardFixTime = stun;
            EXPECT_EQ(stepOf(pattern), pattern);
        }
        p2.gardFixTime = 0;
        EXPECT_EQ(stepOf(pattern), 0);
    }
}

TEST_F(BuriPatterns, HitReactionsCollapseWithoutVitality) {
    p2.viTality = 1;
    EXPECT_EQ(stepOf(341), 342);
    EXPECT_EQ(stepOf(351), 352);
    for (double v : {0.0, -5.0}) {
        p2.viTality = v;
        EXPECT_EQ(stepOf(341), 400);
        EXPECT_EQ(stepOf(351), 400);
    }
    p2.viTality = 0;
    EXPECT_EQ(stepOf(330), 330);
    for (double v : {-1.0, 1.0}) {
        p2.viTality = v;
        EXPECT_EQ(stepOf(330), 0);
    }
}

TEST_F(BuriPatterns, BombRowShowsItsCellAndNamesTheMove) {
    p2.animPat = 200;
    const Rect r = show();
    EXPECT_EQ(r.left, 51);
    EXPECT_EQ(r.top, 2451);
    EXPECT_EQ(r.right, 98);
    EXPECT_EQ(r.bottom, 2498);
    EXPECT_EQ(p2.artsName, "スティングボム");
    EXPECT_EQ(p2.fixTime, 4);
    EXPECT_EQ(p2.sTate, 2);
}

TEST_F(BuriPatterns, SampleRowsSetCellHoldStateAndExtras) {
    struct Row {
        int16_t pattern;
        int32_t x, y;
        int16_t fixTime, state, body;
    };
    const Row rows[] = {
        {0, 1, 2401, 3, 1, 0},       {3, 151, 2401, 3, 1, 0},     {11, 51, 2401, 2, 9, 1},
        {16, 51, 2401, 2, 9, 1},     {30, 1, 2501, 4, 3, 0},      {45, 1, 2501, 20, 4, 1},
        {52, 151, 2451, 2, 2, 0},    {55, 151, 2451, 2, 1, 0},    {60, 1, 2451, 37, -1, 0},
        {61, 1, 2451, 18, -1, 0},    {71, 51, 2401, 2, 9, 1},     {80, 1, 2401, 2, 11, 0},
        {100, 1, 2401, 10, 8, 0},    {104, 51, 2401, 10, 7, 0},   {130, 1, 2401, 8, 12, 0},
        {131, 51, 2401, 7, 12, 2},   {136, 51, 2401, 5, 12, 2},   {140, 8, 8, 21, 12, 0},
        {141, 7, 8, 6, 12, 0},       {150, 8, 8, 21, 12, 0},      {151, 7, 8, 6, 1, 0},
        {180, 1, 2401, 80, -1, 0},   {215, 151, 2451, 7, 2, 0},   {221, 101, 2451, 1, 0, 0},
        {300, 1, 2451, 37, -1, 0},   {320, 1, 2451, 5, -2, 0},    {321, 1, 2451, 5, -2, 3},
        {322, 1, 2451, 6, -3, 0},    {341, 1, 2451, 30, -1, 0},   {350, 1, 2451, 2, -1, 1},
        {370, 1, 2451, 10, -5, 3},   {400, 1, 2451, 3, -1, 3},    {411, 1, 2451, 130, -30, 0},
        {420, 1, 2451, 6, -30, 0},   {470, 1, 2401, 2, 0, 0},     {950, 1, 2401, 2, -1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pattern);
        p2.animPat = row.pattern;
        p2.viTality = 10;
        const Rect r = show();
        EXPECT_EQ(r.left, row.x);
        EXPECT_EQ(r.top, row.y);
        EXPECT_EQ(r.right, row.x + 47);
        EXPECT_EQ(r.bottom, row.y + 47);
        EXPECT_EQ(p2.fixTime, row.fixTime);
        EXPECT_EQ(p2.sTate, row.state);
        EXPECT_EQ(p2.ATFnumber, row.body);
        EXPECT_EQ(p2.zoomCount, 0);
    }
}

TEST_F(BuriPatterns, SuperArtRowsResetTheirCountersOnEveryDrawing) {
    p2.animPat = 210;
    p2.counTer = 3;
    show();
    EXPECT_EQ(p2.counTer, 10);
    EXPECT_EQ(p2.artsName, "ジャッジメント");
    p2.counTer = 3;
    show();
    EXPECT_EQ(p2.counTer, 10);

    p2.animPat = 220;
    p2.enableAction = true;
    show();
    EXPECT_EQ(p2.counTer, 60);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_EQ(p2.sTate, 0);
    EXPECT_EQ(p2.artsName, "ジャッジメント");
}

TEST_F(BuriPatterns, ActionFlagsWhereTheRowsSetThem) {
    for (int16_t pattern : {10, 15, 70, 75, 80, 131, 138, 163, 430}) {
        SCOPED_TRACE(pattern);
        p2.enableAction = false;
        p2.animPat = pattern;
        show();
        EXPECT_TRUE(p2.enableAction);
    }
    for (int16_t pattern : {35, 45, 180, 220, 470, 950}) {
        SCOPED_TRACE(pattern);
        p2.enableAction = true;
        p2.animPat = pattern;
        show();
        EXPECT_FALSE(p2.enableAction);
    }
    // Rows that do not name the flag leave it alone.
    p2.enableAction = true;
    p2.animPat = 11;
    show();
    EXPECT_TRUE(p2.enableAction);
}

TEST_F(BuriPatterns, PatternWithoutRowDrawsCornerCellAndKeepsTheRest) {
    for (int16_t missing : {390, 450, 460, 480, 490, 4, 500}) {
        SCOPED_TRACE(missing);
        p2.animPat = 100;
        show();  // leaves the walk's fields behind
        p2.zoomCount = 5;
        p2.ATFnumber = 2;
        p2.artsName = "x";
        p2.counTer = 4;
        p2.animPat = missing;
        const Rect r = show();
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right, 47);
        EXPECT_EQ(r.bottom, 47);
        EXPECT_EQ(p2.zoomCount, 0);
        EXPECT_EQ(p2.ATFnumber, 0);
        EXPECT_EQ(p2.fixTime, 10);
        EXPECT_EQ(p2.nextAnim, 1);
        EXPECT_EQ(p2.sTate, 8);
        EXPECT_EQ(p2.artsName, "x");
        EXPECT_EQ(p2.counTer, 4);
    }
}

TEST_F(BuriPatterns, EveryListedPatternHasARow) {
    const int16_t listed[] = {0,   1,   2,   3,   10,  11,  12,  13,  15,  16,  17,  18,  30,  35,
                              40,  45,  50,  51,  52,  53,  55,  56,  60,  61,  62,  70,  71,  72,
                              73,  75,  76,  77,  78,  80,  100, 101, 102, 103, 104, 105, 106, 130,
                              131, 134, 135, 136, 137, 138, 140, 141, 150, 151, 160, 161, 162, 163,
                              180, 200, 201, 202, 203, 210, 211, 212, 213, 214, 215, 220, 221, 222,
                              223, 300, 301, 302, 310, 311, 312, 320, 321, 322, 330, 340, 341, 342,
                              350, 351, 352, 360, 370, 400, 410, 411, 420, 430, 470, 950};
    for (int16_t pattern : listed) {
        SCOPED_TRACE(pattern);
        p2.animPat = pattern;
        p2.fixTime = -99;
        const Rect r = show();
        EXPECT_NE(p2.fixTime, -99);
        EXPECT_FALSE(r.left == 0 && r.top == 0);
    }
}

TEST_F(BuriPatterns, BodyBoxIsTheSameForEveryPattern) {
    for (int16_t pattern : {0, 11, 131, 321, 390, 950}) {
        SCOPED_TRACE(pattern);
        p2.hitFieldLeft = p2.hitFieldTop = p2.hitFieldRight = p2.hitFieldBottom = 0;
        p2.animPat = pattern;
        show();
        EXPECT_EQ(p2.hitFieldLeft, 10);
        EXPECT_EQ(p2.hitFieldTop, 10);
        EXPECT_EQ(p2.hitFieldRight, 10);
        EXPECT_EQ(p2.hitFieldBottom, 10);
    }
}

TEST_F(BuriPatterns, PatternShowsForItsHoldPlusOneFrame) {
    enter(200);  // hold 4: five frames, then 201
    for (int i = 0; i < 5; ++i) {
        show();
        EXPECT_EQ(p2.animPat, 200);
        animTimerCount(game, p2);
    }
    EXPECT_EQ(p2.animPat, 201);
}

}  // namespace
}  // namespace morvek::buri_test
