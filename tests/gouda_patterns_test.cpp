// GOUDA's pattern table and body boxes: sample rows, the counted loops and conditional
// steps, the patterns other routines start, the default cell and the kept body box.

#include <gtest/gtest.h>

#include <string>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "engine/Basic.h"
#include "game/Game.h"
#include "movesets/Gouda.h"
#include "movesets/GoudaPatterns.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class GoudaPatterns : public moveset_test::PatternTest<Gouda> {};

struct Row {
    int16_t pattern;
    int column, row;
    int16_t fixTime;  // with sPeed 3 and counTer 2
    int target;
    int16_t state, body, zoom;
};

const Row kSampleRows[] = {
    {0, 0, 0, 15, 1, 1, 0, 0},         {3, 3, 0, 5, 0, 1, 0, 0},
    {21, 8, 11, 5, 22, 0, 0, 0},       {25, 6, 1, 4, 22, 0, 0, 0},
    {35, 0, 1, 20, 30, 3, 0, 0},       {45, 3, 1, 20, 40, 4, 1, 0},
    {51, 1, 2, 9, 51, 2, 0, 0},        {72, 0, 12, 8, 73, 20, 0, 0},
    {74, 0, 10, 2, 0, 0, 0, 0},        {81, 2, 5, 5, 0, 7, 0, 0},
    {91, 2, 10, 2, 92, 20, 0, 0},      {114, 7, 9, 2, 115, 9, 0, 0},
    {127, 3, 9, 3, 128, 10, 5, 0},     {151, 0, 7, 13, 0, 1, 0, 0},
    {221, 7, 8, 13, 222, 0, 1, 0},     {262, 2, 11, 83, 262, 20, 4, 0},
    {265, 3, 11, 83, 265, 0, 4, 0},    {282, 6, 4, 153, 282, 15, 0, 0},
    {322, 4, 5, 6, 322, -3, 0, 0},     {331, 5, 5, 20, 332, -40, 3, 0},
    {332, 8, 1, 5, 0, -20, 0, 0},      {360, 4, 1, 2, 330, -4, 0, 0},
    {371, 8, 1, 5, 332, -5, 0, 0},     {391, 7, 4, 2, 392, 7, 0, 3},
    {400, 4, 0, 3, 330, -1, 3, 0},     {411, 1, 4, 130, 0, -30, 0, 0},
    {420, 4, 5, 4, 420, -30, 0, 0},    {463, 0, 9, 2, 464, -15, 5, 0},
    {464, 6, 6, 2, 0, 15, 5, 0},       {477, 5, 6, 200, 477, 0, 0, 0},
    {501, 8, 11, 9, 502, 0, 0, 8},     {503, 9, 11, 5, 0, 0, 0, 0},
    {506, 6, 6, 1, 507, 0, 0, 10},     {507, 8, 6, 29, 508, 0, 0, 3},
    {516, 11, 11, 15, 517, 0, 0, 5},   {517, 9, 11, 2, 0, 0, 0, 0},
    {613, 9, 10, 5, 0, 0, 0, 0},       {655, 0, 8, 2, 0, 0, 0, 0},
    {731, 7, 11, 5, 0, 0, 1, 0},       {741, 6, 11, 43, 742, 0, 1, 10},
    {754, 1, 11, 2, 755, 20, 0, 2},    {756, 2, 11, 7, 757, 20, 4, 2},
    {757, 3, 11, 2, 758, 20, 4, 10},   {758, 1, 11, 6, 759, 20, 0, 10},
    {760, 2, 11, 83, 760, 20, 4, 0},   {767, 6, 9, 2, 768, 0, 0, 2},
    {774, 2, 8, 2, 771, 15, 0, 0},     {826, 5, 3, 13, 613, 0, 0, 5},
    {835, 7, 3, 2, 613, 0, 0, 8},      {843, 9, 10, 5, 0, 0, 0, 0},
    {927, 8, 11, 23, 0, 0, 0, 10},     {950, 2, 4, 200, 950, -1, 1, 0},
};

TEST_F(GoudaPatterns, SampleRowsGiveCellHoldStepStateBodyAndZoom) {
    for (const Row& w : kSampleRows) {
        SCOPED_TRACE(testing::Message() << "pattern " << w.pattern);
        chara.counTer = 2;
        const Rect r = show(w.pattern);
        EXPECT_EQ(r.left, w.column * 200 + 1);
        EXPECT_EQ(r.top, w.row * 200 + 1);
        EXPECT_EQ(r.right, w.column * 200 + 200);
        EXPECT_EQ(r.bottom, w.row * 200 + 200);
        EXPECT_EQ(chara.fixTime, w.fixTime);
        EXPECT_EQ(target(), w.target);
        EXPECT_EQ(chara.sTate, w.state);
        EXPECT_EQ(chara.ATFnumber, w.body);
        EXPECT_EQ(chara.zoomCount, w.zoom);
    }
}

TEST_F(GoudaPatterns, DiveCellRectangle) {
    const Rect r = show(282);
    EXPECT_EQ(r.left, 1201);
    EXPECT_EQ(r.top, 801);
    EXPECT_EQ(r.right, 1400);
    EXPECT_EQ(r.bottom, 1000);
}

TEST_F(GoudaPatterns, EveryEntryPatternIsInTheTable) {
    const int16_t entries[] = {
        0,   20,  25,  30,  35,  40,  45,  50,  55,  60,  61,  70,  80,  90,  100, 110, 120,
        125, 130, 135, 150, 160, 180, 200, 210, 220, 230, 240, 250, 260, 265, 270, 280, 300,
        310, 320, 330, 340, 350, 360, 370, 380, 390, 400, 410, 420, 430, 450, 460, 470, 500,
        505, 510, 520, 530, 540, 550, 580, 590, 600, 602, 610, 630, 650, 660, 720, 730, 740,
        750, 765, 770, 790, 800, 810, 820, 830, 840, 850, 900, 910, 920, 922, 950};
    for (int16_t p : entries) EXPECT_NE(gouda_patterns::kTable.find(p), nullptr) << p;
    // Patterns other fighters have and GOUDA lacks.
    for (int16_t p : {99, 170, 480, 481, 490, 860})
        EXPECT_EQ(gouda_patterns::kTable.find(p), nullptr) << p;
}

TEST_F(GoudaPatterns, NoPatternSelectsBodyClassTwo) {
    for (const anim::Entry& e : gouda_patterns::kTable.entries) EXPECT_NE(e.body, 2) << e.number;
}

TEST_F(GoudaPatterns, UnlistedPatternDrawsTheDefaultCellAndKeepsTheRest) {
    for (int16_t p : {480, 26, 999}) {
        SCOPED_TRACE(p);
        show(40);  // crouching guard: body class 1
        chara.artsName = "豪打";
        const int16_t fix = chara.fixTime, next = chara.nextAnim, state = chara.sTate;
        chara.zoomCount = 7;
        const Rect r = show(p);
        EXPECT_EQ(r.left, 1);
        EXPECT_EQ(r.top, 1);
        EXPECT_EQ(r.right, 200);
        EXPECT_EQ(r.bottom, 200);
        EXPECT_EQ(chara.zoomCount, 0);
        EXPECT_EQ(chara.ATFnumber, 0);
        expectInsets(65, 60, 65, 20);  // class 0
        EXPECT_EQ(chara.fixTime, fix);
        EXPECT_EQ(chara.nextAnim, next);
        EXPECT_EQ(chara.sTate, state);
        EXPECT_EQ(chara.artsName, "豪打");
    }
}

TEST_F(GoudaPatterns, UnnamedBlocksKeepTheLastMoveName) {
    show(20);
    EXPECT_EQ(chara.artsName, "豪打");
    show(530);
    EXPECT_EQ(chara.artsName, "豪打");
    show(590);
    EXPECT_EQ(chara.artsName, "豪打");
    show(600);
    EXPECT_EQ(chara.artsName, "巴投げ");
    show(602);  // the throw keeps the grab's name
    EXPECT_EQ(chara.artsName, "巴投げ");
    show(770);
    EXPECT_EQ(chara.artsName, "竜巻斬空脚");
}

TEST_F(GoudaPatterns, WalkCountsTowardZeroFromEitherSign) {
    chara.counTer = -3;
    for (int pass = 0; pass < 3; ++pass) {
        show(103);
        EXPECT_EQ(target(), 100);
        EXPECT_EQ(chara.counTer, -2 + pass);
    }
    show(103);
    EXPECT_EQ(target(), 0);
    EXPECT_EQ(chara.counTer, 0);

    chara.counTer = 1;
    show(103);
    EXPECT_EQ(target(), 100);
    EXPECT_EQ(chara.counTer, 0);
}

TEST_F(GoudaPatterns, DashAndStepsRepeatWhileTheCounterRuns) {
    struct Loop {
        int16_t last, back;
    };
    for (Loop l : {Loop{115, 110}, Loop{123, 120}, Loop{128, 125}, Loop{654, 651}}) {
        SCOPED_TRACE(l.last);
        chara.counTer = 2;
        show(l.last);
        EXPECT_EQ(target(), l.back);
        EXPECT_EQ(chara.counTer, 1);
        chara.counTer = 0;
        show(l.last);
        EXPECT_EQ(target(), l.last == 654 ? 655 : 0);
    }
}

TEST_F(GoudaPatterns, RapidFireLoopRunsOnItsOwnCount) {
    chara.counTer = 5;
    show(520);
    EXPECT_EQ(chara.tmpCount, 10);
    EXPECT_EQ(target(), 521);
    EXPECT_EQ(chara.sTate, 20);
    for (int pass = 0; pass < 10; ++pass) {
        show(524);
        EXPECT_EQ(target(), 521);
    }
    EXPECT_EQ(chara.tmpCount, 0);
    show(524);
    EXPECT_EQ(target(), 525);
    EXPECT_EQ(chara.counTer, 5);  // the walk and dash counter is not touched
}

TEST_F(GoudaPatterns, FinisherRepeatsItsBlowsWhileTheCounterRuns) {
    show(920);
    EXPECT_EQ(chara.counTer, 40);
    EXPECT_EQ(chara.artsName, "瞬刻殺");
    show(925);
    EXPECT_EQ(target(), 924);
    EXPECT_EQ(chara.counTer, 39);
    show(924);
    EXPECT_EQ(target(), 925);
    chara.counTer = 0;
    show(925);
    EXPECT_EQ(target(), 926);
}

TEST_F(GoudaPatterns, HoldsReadTheCounter) {
    chara.counTer = 20;
    show(92);
    EXPECT_EQ(chara.fixTime, 23);
    chara.counTer = 0;
    show(92);
    EXPECT_EQ(chara.fixTime, 3);
    chara.counTer = 4;
    show(221);
    EXPECT_EQ(chara.fixTime, 23);
}

TEST_F(GoudaPatterns, GuardsHoldWhileGuardStunRuns) {
    for (int16_t p : {30, 40}) {
        chara.gardFixTime = 5;
        show(p);
        EXPECT_EQ(target(), p);
        chara.gardFixTime = 0;
        show(p);
        EXPECT_EQ(target(), 0);
    }
}

TEST_F(GoudaPatterns, VitalityDecidesFloorAndHitSteps) {
    chara.viTality = 0;
    show(330);
    EXPECT_EQ(target(), 330);
    show(341);
    EXPECT_EQ(target(), 400);
    show(350);
    EXPECT_EQ(target(), 400);

    chara.viTality = 0.5;
    show(330);
    EXPECT_EQ(target(), 331);
    show(341);
    EXPECT_EQ(target(), 342);
    show(350);
    EXPECT_EQ(target(), 0);
}

TEST_F(GoudaPatterns, GettingUpLocksThenFreesGuardAndAction) {
    for (int16_t first : {450, 460}) {
        chara.enableAction = chara.enableGard = true;
        show(first);
        EXPECT_FALSE(chara.enableAction);
        EXPECT_FALSE(chara.enableGard);
        show(cint16(first + 1));  // not written in between
        EXPECT_FALSE(chara.enableAction);
        show(cint16(first + 4));
        EXPECT_TRUE(chara.enableAction);
        EXPECT_TRUE(chara.enableGard);
    }
    chara.enableAction = true;
    show(35);
    EXPECT_FALSE(chara.enableAction);
    show(131);
    EXPECT_TRUE(chara.enableAction);
}

TEST_F(GoudaPatterns, BodyBoxesByClassAndKeptForAnUnknownClass) {
    show(0);
    expectInsets(65, 60, 65, 20);
    show(250);
    expectInsets(65, 90, 65, 20);
    show(331);
    expectInsets(50, 140, 50, 20);
    show(753);
    expectInsets(80, 50, 80, 50);
    show(754);  // between the rising blows the box drops to class 0
    expectInsets(65, 60, 65, 20);
    show(758);
    expectInsets(65, 60, 65, 20);
    show(121);
    expectInsets(65, 120, 65, 20);

    chara.ATFnumber = 7;
    moves.HitFieldSet(game, chara);
    expectInsets(65, 120, 65, 20);
}

TEST_F(GoudaPatterns, EvaluationResetsZoomAndBodyClass) {
    show(510);
    EXPECT_EQ(chara.zoomCount, 5);
    show(0);
    EXPECT_EQ(chara.zoomCount, 0);
    EXPECT_EQ(chara.ATFnumber, 0);
}

}  // namespace
