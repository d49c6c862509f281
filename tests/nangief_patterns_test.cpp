// NANGIEF's pattern table and body boxes: sample rows, the conditional steps, the
// patterns the battle system starts, the default cell and the kept body box.

#include <gtest/gtest.h>

#include <string>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "game/Game.h"
#include "movesets/Nangief.h"
#include "movesets/NangiefPatterns.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class NangiefPatterns : public moveset_test::PatternTest<Nangief> {};

struct Row {
    int16_t pattern;
    int column, row;
    int16_t fixTime;  // with sPeed 3
    int target;
    int16_t state, body, zoom;
};

const Row kSampleRows[] = {
    {0, 0, 0, 7, 1, 1, 0, 0},            {2, 2, 0, 10, 0, 1, 0, 0},
    {24, 5, 2, 18, 25, 0, 0, 0},         {35, 3, 0, 20, 30, 3, 0, 0},
    {45, 5, 0, 20, 40, 4, 1, 0},         {53, 7, 5, 11, 51, 2, 0, 0},
    {56, 1, 2, 2, 0, 1, 0, 0},           {71, 0, 4, 7, 71, 15, 0, 0},
    {81, 0, 1, 5, 0, 7, 0, 0},           {91, 1, 5, 3, 92, 9, 0, 0},
    {151, 0, 4, 13, 0, 1, 0, 0},         {180, 7, 3, 80, 0, -1, 0, 0},
    {203, 3, 1, 21, 204, 0, 0, 0},       {220, 0, 4, 6, 220, 15, 0, 0},
    {221, 5, 3, 203, 221, 14, 0, 0},     {252, 1, 3, 11, 253, 0, 1, 0},
    {262, 7, 2, 20, 262, 15, 0, 0},      {322, 7, 0, 6, 322, -3, 0, 0},
    {331, 6, 4, 20, 332, -40, 3, 0},     {360, 7, 0, 2, 330, -4, 0, 0},
    {370, 5, 4, 10, 371, -5, 3, 0},      {381, 3, 3, 36, 0, 25, 0, 0},
    {391, 4, 5, 4, 392, 7, 0, 3},        {400, 8, 0, 3, 330, -1, 3, 0},
    {411, 1, 4, 130, 0, -30, 0, 0},      {420, 7, 0, 4, 420, -30, 0, 0},
    {471, 4, 8, 200, 471, 0, 0, 0},      {500, 8, 2, 28, 501, 0, 0, 3},
    {512, 6, 6, 23, 512, 14, 0, 0},      {520, 6, 6, 13, 600, 0, 0, 0},
    {543, 5, 2, 2, 544, 0, 3, 0},        {544, 5, 2, 18, 545, 0, 0, 0},
    {632, 5, 6, 43, 633, 0, 0, 0},       {661, 5, 6, 5, 590, 0, 0, 0},
    {750, 0, 6, 2, 751, 30, 0, 0},       {753, 2, 6, 2, 750, 0, 0, 0},
    {763, 6, 6, 2, 760, 14, 0, 0},       {802, 5, 6, 20, 803, 20, 0, 8},
    {803, 5, 6, 23, 804, 0, 0, 8},       {811, 4, 6, 3, 812, 20, 0, 8},
    {812, 4, 6, 17, 813, 0, 0, 0},       {823, 3, 2, 2, 824, 0, 0, 6},
    {826, 7, 6, 7, 826, 0, 0, 6},        {833, 2, 6, 1, 830, 0, 0, 0},
    {843, 6, 6, 1, 840, 14, 0, 3},       {850, 7, 6, 2, 851, 0, 0, 10},
    {950, 7, 3, 200, 950, -1, 1, 0},
};

TEST_F(NangiefPatterns, SampleRowsWriteTheirCellHoldStepStateBodyAndZoom) {
    for (const Row& k : kSampleRows) {
        SCOPED_TRACE(k.pattern);
        chara.counTer = 0;
        chara.viTality = 254;
        chara.zoomCount = 99;
        const Rect r = show(k.pattern);
        EXPECT_EQ(r.left, k.column * 300 + 1);
        EXPECT_EQ(r.top, k.row * 300 + 1);
        EXPECT_EQ(r.right, r.left + 299);
        EXPECT_EQ(r.bottom, r.top + 299);
        EXPECT_EQ(chara.fixTime, k.fixTime);
        EXPECT_EQ(target(), k.target);
        EXPECT_EQ(chara.sTate, k.state);
        EXPECT_EQ(chara.ATFnumber, k.body);
        EXPECT_EQ(chara.zoomCount, k.zoom);
    }
}

TEST_F(NangiefPatterns, EveryListedPatternIsInTheTableAndNothingElse) {
    const int ranges[][2] = {
        {0, 2},     {20, 25},   {30, 30},   {35, 35},   {40, 40},   {45, 45},   {50, 53},
        {55, 56},   {60, 60},   {70, 71},   {75, 76},   {80, 81},   {90, 93},   {100, 103},
        {130, 131}, {135, 135}, {150, 151}, {160, 160}, {180, 180}, {200, 204}, {210, 214},
        {220, 224}, {240, 242}, {250, 254}, {260, 262}, {270, 273}, {300, 300}, {310, 312},
        {320, 322}, {330, 332}, {340, 342}, {350, 350}, {360, 360}, {370, 371}, {380, 381},
        {390, 392}, {400, 400}, {410, 411}, {420, 420}, {430, 430}, {450, 454}, {460, 464},
        {470, 471}, {500, 501}, {510, 512}, {520, 520}, {530, 535}, {540, 545}, {590, 592},
        {600, 603}, {610, 613}, {630, 633}, {640, 645}, {650, 655}, {660, 661}, {670, 672},
        {720, 723}, {730, 733}, {740, 743}, {750, 753}, {760, 763}, {770, 771}, {780, 782},
        {790, 790}, {800, 804}, {810, 813}, {820, 826}, {830, 833}, {840, 843}, {850, 851},
        {950, 950},
    };
    int listed = 0;
    for (int p = 0; p <= anim::kLastPattern; ++p) {
        bool inList = false;
        for (const auto& r : ranges) inList = inList || (p >= r[0] && p <= r[1]);
        listed += inList;
        EXPECT_EQ(nangief_patterns::kTable.find(p) != nullptr, inList) << p;
    }
    EXPECT_EQ(listed, 213);
}

TEST_F(NangiefPatterns, UnknownPatternDrawsTheDefaultCellAndKeepsTheFields) {
    for (int16_t p : {3, -5, 480, 490, 765, 860, 951}) {
        SCOPED_TRACE(p);
        show(81);  // writes state 7, hold 5, step -81
        chara.artsName = "x";
        chara.zoomCount = 4;
        chara.ATFnumber = 3;
        const Rect r = show(p);
        EXPECT_EQ(r.left, 1);
        EXPECT_EQ(r.top, 1);
        EXPECT_EQ(r.right, 300);
        EXPECT_EQ(r.bottom, 300);
        EXPECT_EQ(chara.zoomCount, 0);
        EXPECT_EQ(chara.ATFnumber, 0);
        EXPECT_EQ(chara.fixTime, 5);
        EXPECT_EQ(chara.nextAnim, -81);
        EXPECT_EQ(chara.sTate, 7);
        EXPECT_EQ(chara.artsName, "x");
        expectInsets(100, 80, 100, 55);  // class 0
    }
}

TEST_F(NangiefPatterns, CountedLoopsOfDashWalkRunInAndLariat) {
    chara.counTer = 0;
    show(93);
    EXPECT_EQ(chara.nextAnim, -13);
    chara.counTer = 2;
    show(93);
    EXPECT_EQ(chara.nextAnim, -3);
    EXPECT_EQ(chara.counTer, 1);
    showAgain();
    EXPECT_EQ(chara.counTer, 0);

    chara.counTer = -2;
    show(103);
    EXPECT_EQ(chara.nextAnim, -3);
    EXPECT_EQ(chara.counTer, -1);
    chara.counTer = 0;
    show(103);
    EXPECT_EQ(target(), 0);

    chara.counTer = -1;
    show(644);
    EXPECT_EQ(target(), 645);
    EXPECT_EQ(chara.counTer, -1);  // only the action script counts it
    chara.counTer = 0;
    show(644);
    EXPECT_EQ(target(), 641);

    chara.counTer = 0;
    show(655);
    EXPECT_EQ(target(), 660);
    chara.counTer = 3;
    show(655);
    EXPECT_EQ(target(), 650);
    EXPECT_EQ(chara.counTer, 2);
}

TEST_F(NangiefPatterns, VitalityDecidesFloorAndHitExits) {
    chara.viTality = 0;
    show(330);
    EXPECT_EQ(target(), 330);
    show(341);
    EXPECT_EQ(target(), 400);
    show(350);
    EXPECT_EQ(target(), 400);
    chara.viTality = 1;
    show(330);
    EXPECT_EQ(target(), 331);
    EXPECT_EQ(chara.fixTime, 20);
    show(341);
    EXPECT_EQ(target(), 342);
    show(350);
    EXPECT_EQ(target(), 0);
}

TEST_F(NangiefPatterns, GuardsHoldWhileGuardStunLasts) {
    chara.gardFixTime = 3;
    show(30);
    EXPECT_EQ(chara.nextAnim, 0);
    show(40);
    EXPECT_EQ(chara.nextAnim, 0);
    chara.gardFixTime = 0;
    show(30);
    EXPECT_EQ(chara.nextAnim, -30);
    show(40);
    EXPECT_EQ(chara.nextAnim, -40);
}

TEST_F(NangiefPatterns, MoveNamesAndFlagsOfTheirPatterns) {
    show(661);
    chara.artsName = "";
    show(590);
    EXPECT_EQ(chara.artsName, "バックドロップ");
    show(600);  // unnamed: the backdrop's name stays
    EXPECT_EQ(chara.artsName, "バックドロップ");
    show(810);
    EXPECT_EQ(chara.artsName, "ママぁ、これFABっといて");
    show(720);
    EXPECT_EQ(chara.artsName, "ブラックホールスクリュー");
    show(510);
    EXPECT_EQ(chara.artsName, "スーパーナイスキャッチ");

    chara.enableAction = chara.enableGard = true;
    show(220);
    EXPECT_FALSE(chara.enableAction);
    EXPECT_FALSE(chara.enableGard);
    show(630);
    EXPECT_FALSE(chara.enableAction);
    show(632);
    EXPECT_TRUE(chara.enableAction);
    show(464);
    EXPECT_TRUE(chara.enableGard);
    EXPECT_EQ(chara.sTate, 15);
}

TEST_F(NangiefPatterns, GettingUpKeepsTheBoxOfThePatternBefore) {
    show(331);
    expectInsets(80, 200, 80, 55);
    for (int16_t p = 450; p <= 464; ++p) {
        if (p == 455) p = 460;
        show(p);
        EXPECT_EQ(chara.ATFnumber, 5);
        expectInsets(80, 200, 80, 55);
    }
    show(0);
    expectInsets(100, 80, 100, 55);
    show(250);
    expectInsets(100, 120, 100, 55);
    show(540);
    expectInsets(80, 200, 80, 55);
}

TEST_F(NangiefPatterns, CellEightTwoAndTheSuperArtBlocks) {
    for (int16_t p : {452, 453, 454, 462, 463, 464, 500}) {
        const Rect r = show(p);
        EXPECT_EQ(r.left, 2401);
        EXPECT_EQ(r.top, 601);
        EXPECT_EQ(r.right, 2700);
        EXPECT_EQ(r.bottom, 900);
    }
    // The two type-0 arts share every frame.
    for (int16_t k = 0; k < 4; ++k) {
        const Rect a = show(static_cast<int16_t>(630 + k));
        const int16_t hold = chara.fixTime;
        const Rect b = show(static_cast<int16_t>(730 + k));
        EXPECT_EQ(a.left, b.left);
        EXPECT_EQ(a.top, b.top);
        EXPECT_EQ(hold, chara.fixTime);
    }
}

}  // namespace
