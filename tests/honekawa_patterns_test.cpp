// HONEKAWA's pattern table and body boxes: sample rows, the conditional steps (the dash,
// the back dash, the type-1 dash loop, 鉄山靠, 槍雷虎炮, the floor and hit reactions),
// patterns outside the table and the body-box classes.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "game/Game.h"
#include "movesets/Honekawa.h"
#include "movesets/HonekawaPatterns.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class HonekawaPatterns : public moveset_test::PatternTest<Honekawa> {};

void expectRect(const Rect& r, int32_t l, int32_t t, int32_t rt, int32_t b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rt);
    EXPECT_EQ(r.bottom, b);
}

TEST_F(HonekawaPatterns, StandLoopsAndCellsAreOnePixelInside) {
    chara.zoomCount = 9;
    chara.ATFnumber = 2;
    expectRect(show(0), 1, 1, 200, 200);
    EXPECT_EQ(chara.fixTime, 7);
    EXPECT_EQ(chara.nextAnim, 1);
    EXPECT_EQ(chara.sTate, stStand);
    EXPECT_EQ(chara.ATFnumber, 0);
    EXPECT_EQ(chara.zoomCount, 0);
    show(3);
    EXPECT_EQ(chara.nextAnim, -3);

    expectRect(show(741), 1801, 2201, 2000, 2400);  // cell (9, 11)
    EXPECT_EQ(chara.fixTime, chara.sPeed);
}

struct Sample {
    int16_t pattern;
    int column, row, fixTime, target, state, body, zoom;
};

// With sPeed 3, counTer 0, full vitality, no contact.
const Sample kSamples[] = {
    {17, 4, 3, 7, 0, 0, 0, 0},        {35, 0, 2, 20, 30, 3, 0, 0},      {45, 2, 2, 20, 40, 4, 1, 0},
    {51, 1, 1, 23, 51, 2, 0, 0},      {81, 0, 7, 5, 0, 7, 0, 0},        {99, 0, 0, 1, 100, 8, 0, 0},
    {106, 4, 0, 10, 0, 7, 0, 0},      {128, 6, 7, 2, 0, 10, 5, 0},      {170, 0, 11, 3, 171, 30, 0, 0},
    {174, 2, 7, 5, 0, 0, 0, 0},       {226, 8, 7, 23, 0, 0, 0, 0},      {268, 9, 3, 7, 0, 15, 0, 0},
    {281, 3, 9, 153, 281, 0, 0, 0},   {322, 6, 4, 4, 322, -3, 0, 0},    {334, 2, 7, 3, 0, -20, 0, 0},
    {333, 2, 6, 3, 334, -20, 3, 0},   {372, 4, 7, 3, 373, 20, 1, 0},    {400, 4, 5, 3, 330, -1, 3, 0},
    {454, 2, 7, 10, 0, 20, 5, 0},     {464, 2, 7, 2, 0, 15, 5, 0},      {477, 0, 1, 200, 477, 0, 0, 0},
    {502, 7, 2, 23, 503, 20, 0, 5},   {503, 6, 2, 4, 504, 0, 0, 5},     {513, 5, 8, 1, 514, 30, 0, 9},
    {517, 5, 8, 1, 518, 30, 0, 5},    {518, 4, 8, 23, 519, 0, 0, 5},    {533, 9, 5, 4, 534, 0, 2, 0},
    {534, 10, 5, 7, 0, 0, 0, 0},      {583, 9, 1, 23, 0, 15, 2, 0},     {613, 6, 7, 2, 614, 9, 1, 3},
    {617, 6, 3, 5, 618, 0, 0, 3},     {618, 10, 3, 5, 619, 0, 0, 7},    {627, 9, 3, 7, 0, 0, 0, 7},
    {635, 3, 7, 2, 0, 9, 5, 0},       {643, 7, 1, 7, 0, 0, 1, 0},       {658, 7, 1, 5, 0, 0, 0, 0},
    {689, 2, 10, 6, 0, 0, 0, 0},      {688, 3, 10, 18, 689, 0, 0, 10},  {712, 11, 6, 15, 713, 0, 1, 0},
    {725, 3, 8, 5, 0, 0, 0, 0},       {744, 12, 11, 18, 745, 0, 1, 0},  {766, 2, 8, 5, 0, 2, 0, 10},
    {950, 2, 1, 200, 950, -1, 1, 0},
};

TEST_F(HonekawaPatterns, SampleRowsGiveTheirCellHoldStepStateBodyAndZoom) {
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.pattern);
        chara.counTer = 0;
        chara.viTality = 254;
        chara.attackWasHit = 0;
        const Rect r = show(s.pattern);
        EXPECT_EQ(r.left, s.column * 200 + 1);
        EXPECT_EQ(r.top, s.row * 200 + 1);
        EXPECT_EQ(chara.fixTime, s.fixTime);
        EXPECT_EQ(target(), s.target);
        EXPECT_EQ(chara.sTate, s.state);
        EXPECT_EQ(chara.ATFnumber, s.body);
        EXPECT_EQ(chara.zoomCount, s.zoom);
    }
}

TEST_F(HonekawaPatterns, EveryRowIsDefinedAndTheNamesAreWrittenWhereListed) {
    EXPECT_EQ(honekawa_patterns::kTable.size(), 324u);
    std::set<std::string> names;
    int naming = 0;
    for (const auto& e : honekawa_patterns::kTable.entries)
        if (e.name != nullptr) {
            ++naming;
            names.insert(e.name);
        }
    EXPECT_EQ(naming, 28);
    EXPECT_EQ(names.size(), 25u);

    chara.artsName = "";
    show(20);
    EXPECT_EQ(chara.artsName, "");  // 白虎双掌打 is named by its fourth pattern
    show(23);
    EXPECT_EQ(chara.artsName, "白虎双掌打");
    show(590);  // the grab is unnamed: the last name stays
    EXPECT_EQ(chara.artsName, "白虎双掌打");
    show(600);
    EXPECT_EQ(chara.artsName, "モンキーフリップ");
}

TEST_F(HonekawaPatterns, PalmStrikeHoldsAConstantAmongSpeedHolds) {
    for (int16_t speed : {3, 0, 7}) {
        chara.sPeed = speed;
        show(24);
        EXPECT_EQ(chara.fixTime, 6);
        show(23);
        EXPECT_EQ(chara.fixTime, speed + 6);
        show(25);
        EXPECT_EQ(chara.fixTime, speed + 7);
        EXPECT_TRUE(chara.enableAction);
    }
}

TEST_F(HonekawaPatterns, DashLoopsThenKicksOrStands) {
    chara.counTer = 2;
    show(123);
    EXPECT_EQ(chara.nextAnim, -3);
    EXPECT_EQ(chara.counTer, 1);
    show(123);  // counted per drawing, not per pass
    show(123);
    EXPECT_EQ(chara.counTer, 0);
    EXPECT_EQ(chara.nextAnim, -123);

    chara.AorMflag = 1;
    show(123);
    EXPECT_EQ(chara.nextAnim, 97);
    EXPECT_EQ(target(), 220);
    EXPECT_EQ(chara.ATFnumber, 5);
}

TEST_F(HonekawaPatterns, BackDashAndTypeOneDashCountDown) {
    chara.counTer = 1;
    show(128);
    EXPECT_EQ(target(), 125);
    EXPECT_EQ(chara.counTer, 0);
    show(128);
    EXPECT_EQ(target(), 0);

    show(630);
    EXPECT_EQ(chara.counTer, 10);
    EXPECT_EQ(chara.sTate, 20);
    show(634);
    EXPECT_EQ(target(), 631);
    EXPECT_EQ(chara.counTer, 9);
    chara.counTer = 0;
    show(634);
    EXPECT_EQ(target(), 635);
}

TEST_F(HonekawaPatterns, ShoulderLungeIsLengthenedByTheCounter) {
    chara.counTer = 5;
    show(651);
    EXPECT_EQ(chara.fixTime, chara.sPeed + 7);
    EXPECT_EQ(target(), 656);
    EXPECT_EQ(chara.ATFnumber, 1);
    chara.counTer = 0;
    show(651);
    EXPECT_EQ(chara.fixTime, chara.sPeed + 2);
    EXPECT_EQ(chara.nextAnim, 1);
}

TEST_F(HonekawaPatterns, SpearCannonFinishesOnlyAfterContact) {
    chara.attackWasHit = 1;
    show(672);
    EXPECT_EQ(target(), 675);
    chara.attackWasHit = 0;
    show(672);
    EXPECT_EQ(target(), 673);

    std::set<int> zooms;
    for (int16_t p = 675; p <= 688; ++p) {
        show(p);
        zooms.insert(chara.zoomCount);
    }
    EXPECT_EQ(zooms, (std::set<int>{5, 8, 10}));
    show(689);
    EXPECT_EQ(chara.zoomCount, 0);
}

TEST_F(HonekawaPatterns, ThrowEndsInTheBackDashAndStands) {
    chara.counTer = 4;
    show(600);
    EXPECT_EQ(chara.counTer, 0);
    show(602);
    EXPECT_EQ(chara.nextAnim, -474);
    show(128);
    EXPECT_EQ(target(), 0);
}

TEST_F(HonekawaPatterns, ReactionsDependOnVitality) {
    chara.viTality = 0;
    show(341);
    EXPECT_EQ(chara.nextAnim, 59);
    show(351);
    EXPECT_EQ(chara.nextAnim, 49);
    show(330);
    EXPECT_EQ(chara.nextAnim, 0);
    chara.viTality = 1;
    show(341);
    EXPECT_EQ(chara.nextAnim, 1);
    show(330);
    EXPECT_EQ(chara.nextAnim, 1);
}

TEST_F(HonekawaPatterns, PatternsOutsideTheTableWriteOnlyTheZeroes) {
    for (int16_t p : {860, 922, 951, -1}) {
        SCOPED_TRACE(p);
        chara.zoomCount = 4;
        chara.ATFnumber = 2;
        chara.fixTime = 11;
        chara.nextAnim = 12;
        chara.sTate = 13;
        expectRect(show(p), 1, 1, 200, 200);
        EXPECT_EQ(chara.zoomCount, 0);
        EXPECT_EQ(chara.ATFnumber, 0);
        EXPECT_EQ(chara.fixTime, 11);
        EXPECT_EQ(chara.nextAnim, 12);
        EXPECT_EQ(chara.sTate, 13);
    }
}

TEST_F(HonekawaPatterns, ZoomLastsOnlyWhileThePatternGivesIt) {
    show(390);
    EXPECT_EQ(chara.zoomCount, 3);
    EXPECT_TRUE(chara.enableAction);
    show(0);
    EXPECT_EQ(chara.zoomCount, 0);
}

TEST_F(HonekawaPatterns, BodyBoxClasses) {
    show(400);  // class 3
    EXPECT_EQ(chara.hitFieldLeft, 40);
    EXPECT_EQ(chara.hitFieldTop, 140);
    EXPECT_EQ(chara.hitFieldRight, 40);
    EXPECT_EQ(chara.hitFieldBottom, 20);
    show(530);  // class 2
    EXPECT_EQ(chara.hitFieldTop, 50);
    EXPECT_EQ(chara.hitFieldBottom, 60);
    show(120);  // class 5
    EXPECT_EQ(chara.hitFieldTop, 120);

    chara.ATFnumber = 4;  // no such class: the insets stay
    moves.HitFieldSet(game, chara);
    EXPECT_EQ(chara.hitFieldLeft, 65);
    EXPECT_EQ(chara.hitFieldTop, 120);
    chara.ATFnumber = 1;
    moves.HitFieldSet(game, chara);
    EXPECT_EQ(chara.hitFieldTop, 90);
}

}  // namespace
