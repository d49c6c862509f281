#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "game/Game.h"
#include "movesets/Morvekboy.h"
#include "movesets/MorvekboyPatterns.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class MorvekboyPatterns : public moveset_test::PatternTest<Morvekboy> {};

struct Row {
    int16_t pattern;
    int column, row;
    int16_t fixTime;  // with sPeed 3, counTer 0, sPeedEffect 0
    int target;       // pattern stepped to
    int16_t state, body, zoom;
};

// Sample rows across the table, as the move list gives them.
const Row kSampleRows[] = {
    {0, 0, 0, 2, 1, 1, 0, 0},          {3, 3, 0, 2, 0, 1, 0, 0},
    {22, 7, 10, 15, 23, 0, 0, 0},      {35, 0, 1, 20, 30, 3, 0, 0},
    {45, 3, 1, 20, 40, 4, 1, 0},       {51, 1, 2, 9, 51, 2, 0, 0},
    {60, 0, 4, 37, 0, -1, 0, 0},    {71, 2, 9, 7, 72, 10, 5, 0},
    {72, 3, 9, 6, 73, 7, 5, 0},        {81, 2, 5, 5, 0, 7, 0, 0},
    {100, 0, 2, 10, 101, 8, 0, 0},     {151, 0, 7, 13, 0, 1, 0, 0},
    {160, 1, 7, 7, 160, 12, 0, 0},     {180, 2, 5, 80, 0, -1, 1, 0},
    {203, 11, 9, 13, 204, 0, 0, 0},    {261, 2, 11, 83, 261, 20, 4, 0},
    {282, 6, 4, 153, 282, 0, 0, 0},    {322, 4, 5, 6, 322, -3, 0, 0},
    {331, 5, 5, 20, 332, -40, 3, 0},   {332, 0, 8, 5, 0, -20, 0, 0},
    {360, 4, 1, 2, 330, -4, 0, 0},     {371, 0, 8, 7, 332, -5, 0, 0},
    {392, 4, 6, 33, 0, 7, 0, 3},       {411, 1, 4, 130, 0, -30, 0, 0},
    {462, 3, 9, 2, 463, -15, 5, 0},    {464, 2, 5, 2, 0, 15, 5, 0},
    {472, 7, 0, 1, 471, 0, 0, 0},      {481, 7, 5, 200, 481, 0, 0, 0},
    {574, 11, 11, 27, 575, 0, 0, 0},   {612, 5, 9, 23, 613, 0, 0, 5},
    {613, 9, 10, 5, 0, 0, 0, 0},       {631, 4, 9, 23, 632, 20, 0, 3},
    {668, 2, 3, 5, 0, 0, 1, 0},        {736, 7, 7, 2, 747, 20, 1, 8},
    {737, 7, 7, 21, 745, 20, 1, 8},    {742, 1, 11, 2, 745, 20, 1, 10},
    {745, 2, 11, 183, 745, 20, 4, 0},  {749, 2, 11, 2, 748, 20, 4, 0},
    {824, 1, 2, 2, 830, 0, 0, 10},     {831, 4, 8, 5, 910, 0, 0, 0},
    {864, 2, 6, 13, 830, 0, 0, 10},    {903, 2, 3, 5, 830, 0, 0, 10},
    {913, 9, 10, 5, 0, 0, 0, 0},       {950, 2, 5, 200, 950, -1, 1, 0},
};

TEST_F(MorvekboyPatterns, SampleRowsWriteTheirCellHoldStepStateBodyAndZoom) {
    for (const Row& r : kSampleRows) {
        SCOPED_TRACE(r.pattern);
        const Rect rect = show(r.pattern);
        EXPECT_EQ(rect, (Rect{r.column * 200 + 1, r.row * 200 + 1, r.column * 200 + 200,
                              r.row * 200 + 200}));
        EXPECT_EQ(chara.fixTime, r.fixTime);
        EXPECT_EQ(target(), r.target);
        EXPECT_EQ(chara.sTate, r.state);
        EXPECT_EQ(chara.ATFnumber, r.body);
        EXPECT_EQ(chara.zoomCount, r.zoom);
    }
}

TEST_F(MorvekboyPatterns, TableHoldsExactlyTheMoveListsPatterns) {
    const std::vector<std::pair<int, int>> ranges = {
        {0, 3},     {20, 23},   {25, 28},   {30, 30},   {35, 35},   {40, 40},   {45, 45},
        {50, 51},   {55, 55},   {60, 62},   {70, 73},   {75, 76},   {80, 81},   {90, 94},
        {100, 103}, {120, 123}, {125, 128}, {130, 131}, {135, 135}, {150, 151}, {160, 160},
        {180, 180}, {200, 204}, {210, 214}, {220, 222}, {240, 244}, {250, 253}, {260, 261},
        {265, 265}, {270, 273}, {280, 282}, {300, 300}, {310, 312}, {320, 322}, {330, 332},
        {340, 342}, {350, 350}, {360, 360}, {370, 371}, {380, 381}, {390, 392}, {400, 400},
        {410, 411}, {420, 420}, {430, 430}, {450, 454}, {460, 464}, {470, 472}, {480, 481},
        {500, 504}, {510, 513}, {530, 533}, {540, 543}, {570, 575}, {580, 583}, {590, 592},
        {600, 603}, {610, 613}, {630, 632}, {650, 654}, {660, 662}, {665, 668}, {720, 722},
        {730, 731}, {735, 737}, {740, 742}, {745, 745}, {747, 749}, {750, 753}, {760, 763},
        {770, 774}, {780, 783}, {790, 793}, {800, 803}, {810, 813}, {820, 824}, {830, 831},
        {840, 843}, {850, 853}, {860, 864}, {870, 873}, {880, 883}, {890, 893}, {900, 903},
        {910, 913}, {950, 950}};
    std::set<int> expected;
    for (auto [a, b] : ranges)
        for (int p = a; p <= b; ++p) expected.insert(p);
    ASSERT_EQ(expected.size(), 266u);
    for (int p = -5; p <= 960; ++p)
        EXPECT_EQ(morvekboy_patterns::kTable.find(p) != nullptr, expected.count(p) == 1) << p;

    std::set<std::string> names;
    for (const auto& b : morvekboy_patterns::kBlocks)
        if (b.name.text != nullptr) names.insert(b.name.text);
    EXPECT_EQ(std::size(morvekboy_patterns::kBlocks), 89u);
    EXPECT_EQ(names.size(), 27u);
}

TEST_F(MorvekboyPatterns, UndefinedPatternShowsFirstCellAndChangesNothingElse) {
    for (int16_t p : {490, 4, 951, -1, 99, 170, 32767}) {
        SCOPED_TRACE(p);
        chara.fixTime = 41;
        chara.nextAnim = -7;
        chara.sTate = 9;
        chara.zoomCount = 8;
        chara.ATFnumber = 3;
        chara.artsName = "打旋";
        chara.enableAction = true;
        chara.enableGard = true;
        chara.counTer = 6;
        EXPECT_EQ(show(p), (Rect{1, 1, 200, 200}));
        EXPECT_EQ(chara.zoomCount, 0);
        EXPECT_EQ(chara.ATFnumber, 0);
        EXPECT_EQ(chara.hitFieldTop, 60);  // body class 0
        EXPECT_EQ(chara.fixTime, 41);
        EXPECT_EQ(chara.nextAnim, -7);
        EXPECT_EQ(chara.sTate, 9);
        EXPECT_EQ(chara.artsName, "打旋");
        EXPECT_TRUE(chara.enableAction);
        EXPECT_TRUE(chara.enableGard);
        EXPECT_EQ(chara.counTer, 6);
    }
}

TEST_F(MorvekboyPatterns, CountedLoopsOfDashAndWalk) {
    chara.counTer = 3;
    show(94);
    EXPECT_EQ(chara.nextAnim, -4);
    EXPECT_EQ(chara.counTer, 2);
    chara.counTer = 0;
    show(94);
    EXPECT_EQ(chara.nextAnim, -94);

    chara.counTer = -2;  // walking back counts up toward 0
    show(103);
    EXPECT_EQ(chara.nextAnim, -3);
    EXPECT_EQ(chara.counTer, -1);
    chara.counTer = 2;
    show(103);
    EXPECT_EQ(chara.nextAnim, -3);
    EXPECT_EQ(chara.counTer, 1);
    chara.counTer = 0;
    show(103);
    EXPECT_EQ(chara.nextAnim, -103);

    chara.counTer = 1;  // runs loop back to their own first pattern
    show(128);
    EXPECT_EQ(target(), 125);
    EXPECT_EQ(chara.counTer, 0);
}

TEST_F(MorvekboyPatterns, LoopsCountedByTheActionScriptLeaveTheCounter) {
    chara.counTer = 0;
    show(512);
    EXPECT_EQ(target(), 511);
    chara.counTer = -1;
    show(512);
    EXPECT_EQ(target(), 513);
    chara.counTer = 1;
    show(667);
    EXPECT_EQ(target(), 666);
    chara.counTer = 0;
    show(667);
    EXPECT_EQ(target(), 668);
    EXPECT_EQ(chara.counTer, 0);
}

TEST_F(MorvekboyPatterns, TwoEvaluationsInOneFrameCountTwice) {
    chara.counTer = 5;
    show(503);
    showAgain();
    EXPECT_EQ(chara.counTer, 3);
    EXPECT_EQ(target(), 502);
    chara.counTer = 1;
    show(823);
    showAgain();
    EXPECT_EQ(chara.counTer, -1);
    EXPECT_EQ(target(), 822);
    showAgain();  // below 0 now: the wind-up goes on, the counter stays
    EXPECT_EQ(chara.counTer, -1);
    EXPECT_EQ(target(), 824);
}

TEST_F(MorvekboyPatterns, HoldsReadSpeedCounterAndSuperArtMode) {
    chara.counTer = 4;
    show(221);
    EXPECT_EQ(chara.fixTime, 23);
    chara.counTer = 7;
    show(650);
    EXPECT_EQ(chara.fixTime, 14);

    chara.counTer = 0;
    show(770);
    EXPECT_EQ(chara.fixTime, 4);
    chara.sPeed = 0;
    chara.sPeedEffect = 1;
    show(22);
    EXPECT_EQ(chara.fixTime, 12);
    show(770);
    EXPECT_EQ(chara.fixTime, 3);
    for (int16_t p = 771; p <= 774; ++p) {
        show(p);
        EXPECT_EQ(chara.fixTime, 1) << p;
    }
}

TEST_F(MorvekboyPatterns, GuardsHoldWhileGuardStunIsLeft) {
    chara.gardFixTime = 10;
    show(30);
    EXPECT_EQ(chara.nextAnim, 0);
    show(40);
    EXPECT_EQ(chara.nextAnim, 0);
    EXPECT_EQ(chara.hitFieldTop, 90);  // crouching body
    chara.gardFixTime = 0;
    show(30);
    EXPECT_EQ(chara.nextAnim, -30);
    show(40);
    EXPECT_EQ(chara.nextAnim, -40);
}

TEST_F(MorvekboyPatterns, WithoutVitalityAHitCollapsesAndStaysDown) {
    chara.viTality = 0;
    show(341);
    EXPECT_EQ(target(), 400);
    show(target());
    EXPECT_EQ(target(), 330);
    EXPECT_EQ(chara.hitFieldTop, 140);  // floor body
    show(target());
    EXPECT_EQ(chara.nextAnim, 0);
    EXPECT_EQ(chara.sTate, -4);
    show(350);
    EXPECT_EQ(target(), 400);

    chara.viTality = 0.5;
    show(341);
    EXPECT_EQ(target(), 342);
    show(350);
    EXPECT_EQ(target(), 0);
    show(330);
    EXPECT_EQ(target(), 331);
}

TEST_F(MorvekboyPatterns, NamesAndFlagsAreWrittenOnlyWhereTheMoveSaysSo) {
    show(20);
    EXPECT_EQ(chara.artsName, "男パンチ");
    show(21);
    show(0);
    show(530);  // an attack without a name of its own keeps the last one
    EXPECT_EQ(chara.artsName, "男パンチ");
    show(610);
    EXPECT_EQ(chara.artsName, morvekboy_patterns::kSuperArt0Name);
    EXPECT_FALSE(chara.enableAction);

    chara.enableAction = chara.enableGard = true;
    show(450);
    EXPECT_FALSE(chara.enableAction);
    EXPECT_FALSE(chara.enableGard);
    show(451);
    EXPECT_FALSE(chara.enableAction);
    show(454);
    EXPECT_TRUE(chara.enableAction);
    EXPECT_TRUE(chara.enableGard);
    EXPECT_EQ(chara.sTate, 20);

    chara.counTer = 2;
    chara.enableAction = false;
    show(501);
    EXPECT_EQ(chara.counTer, 30);
    EXPECT_TRUE(chara.enableAction);
    show(510);
    EXPECT_EQ(chara.counTer, 60);
    show(820);
    EXPECT_EQ(chara.counTer, 12);
    EXPECT_FALSE(chara.enableAction);
}

TEST_F(MorvekboyPatterns, BodyBoxesByClass) {
    const int16_t expected[6][4] = {{65, 60, 65, 20}, {65, 90, 65, 20}, {65, 70, 65, 40},
                                    {50, 140, 50, 20}, {80, 50, 80, 50}, {65, 120, 65, 20}};
    for (int16_t k = 0; k < 6; ++k) {
        chara.ATFnumber = k;
        moves.HitFieldSet(game, chara);
        EXPECT_EQ(chara.hitFieldLeft, expected[k][0]) << k;
        EXPECT_EQ(chara.hitFieldTop, expected[k][1]) << k;
        EXPECT_EQ(chara.hitFieldRight, expected[k][2]) << k;
        EXPECT_EQ(chara.hitFieldBottom, expected[k][3]) << k;
    }
    for (int16_t k : {6, -1}) {
        chara.ATFnumber = k;
        moves.HitFieldSet(game, chara);
        EXPECT_EQ(chara.hitFieldTop, 120);  // unchanged
    }
    show(260);
    EXPECT_EQ(chara.hitFieldLeft, 80);
    show(125);
    EXPECT_EQ(chara.hitFieldTop, 120);
}

TEST_F(MorvekboyPatterns, SuperArtModeSpeedsUpAndCapsPower) {
    chara.SPspacornTimer = 0.5f;
    chara.attackPow2nd = 12;
    chara.attackPow3rd = 2;
    chara.sTate = -1;
    moves.SpacornMode(game, chara);
    EXPECT_EQ(chara.sPeed, 0);
    EXPECT_EQ(chara.sPeedEffect, 1);
    EXPECT_TRUE(chara.spacornHit);
    EXPECT_EQ(chara.attackPow2nd, 5);
    EXPECT_EQ(chara.attackPow3rd, 2);
    EXPECT_FALSE(chara.enableAction);
    chara.sTate = 0;
    chara.attackPow3rd = 9;
    moves.SpacornMode(game, chara);
    EXPECT_EQ(chara.attackPow3rd, 3);
    EXPECT_TRUE(chara.enableAction);

    chara.SPspacornTimer = 0;
    chara.spacornHit = false;
    chara.attackPow2nd = 12;
    chara.enableAction = false;
    moves.SpacornMode(game, chara);
    EXPECT_EQ(chara.sPeed, 3);
    EXPECT_EQ(chara.sPeedEffect, 0);
    EXPECT_FALSE(chara.spacornHit);
    EXPECT_EQ(chara.attackPow2nd, 12);
    EXPECT_FALSE(chara.enableAction);
}

// A variant fighter builds its table from the shared rows plus its own.
namespace variant {
using namespace anim;
using namespace anim::hold;
constexpr int16_t kShared[] = {0, 30, 950};
constexpr auto kSharedBlocks = pickBlocks(morvekboy_patterns::kBlocks, kShared);
constexpr Block kOwn[] = {
    {"似非鉄山", 0, from(210, 1, 212, 0), 0, {{210, 6, 1, 2 * s + 3}, {211, 4, 2, 4}, {212, 5, 3, 2, to(0)}}},
};
constexpr auto kTable = buildPatternTable<9>({kSharedBlocks, kOwn});
}  // namespace variant

TEST_F(MorvekboyPatterns, VariantTableSharesPickedRows) {
    Rect r = evaluatePattern(variant::kTable, chara, 200);
    EXPECT_EQ(r, (Rect{1, 1, 200, 200}));
    EXPECT_EQ(chara.sTate, 1);
    chara.animPat = 210;
    r = evaluatePattern(variant::kTable, chara, 200);
    EXPECT_EQ(r, (Rect{1201, 201, 1400, 400}));
    EXPECT_EQ(chara.fixTime, 9);
    EXPECT_EQ(chara.ATFnumber, 1);
    chara.animPat = 503;  // not shared: undefined for the variant
    chara.fixTime = 77;
    evaluatePattern(variant::kTable, chara, 200);
    EXPECT_EQ(chara.fixTime, 77);
    EXPECT_NE(variant::kTable.find(950), nullptr);
}

}  // namespace
