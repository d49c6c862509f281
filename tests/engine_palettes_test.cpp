#include <gtest/gtest.h>

#include "game/Game.h"
#include "engine/Palettes.h"
#include "platform/HeadlessPlatform.h"

namespace morvek {
namespace {

struct Expected {
    int entry;
    Rgb d1, d2, d255;
};

// The scaled rows of the interface colours, worked out by hand for divisors 1, 2, 255.
const Expected kScaledRows[] = {
    {254, {220, 220, 220}, {110, 110, 110}, {1, 1, 1}},
    {253, {255, 0, 255}, {128, 0, 128}, {1, 0, 1}},
    {251, {255, 255, 0}, {128, 128, 0}, {1, 1, 0}},
    {249, {255, 0, 0}, {128, 0, 0}, {1, 0, 0}},
    {224, {255, 255, 255}, {128, 128, 128}, {1, 1, 1}},
    {222, {108, 205, 128}, {54, 102, 64}, {0, 1, 1}},
    {221, {108, 205, 128}, {54, 102, 64}, {0, 1, 1}},
    {145, {128, 128, 128}, {64, 64, 64}, {1, 1, 1}},
    {69, {138, 185, 128}, {69, 92, 64}, {1, 1, 1}},
    {29, {255, 200, 30}, {128, 100, 15}, {1, 1, 0}},
    {15, {70, 100, 80}, {35, 50, 40}, {0, 0, 0}},
    {11, {155, 200, 130}, {78, 100, 65}, {1, 1, 1}},
    {10, {155, 200, 130}, {78, 100, 65}, {1, 1, 1}},
    {9, {55, 20, 30}, {28, 10, 15}, {0, 0, 0}},
    {255, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
};

TEST(EnginePalettes, ScaledRowsForDivisorsOneTwoAndBlack) {
    Palette p1{}, p2{}, p255{};
    fixedColorSet(p1, 1);
    fixedColorSet(p2, 2);
    fixedColorSet(p255, 255);
    for (const Expected& row : kScaledRows) {
        SCOPED_TRACE(row.entry);
        EXPECT_EQ(p1[row.entry], row.d1);
        EXPECT_EQ(p2[row.entry], row.d2);
        EXPECT_EQ(p255[row.entry], row.d255);
    }
    // 205 / 2 = 102.5 rounds to the even 102; 255 / 2 = 127.5 to 128; 55 / 2 to 28.
    EXPECT_EQ(p2[222].g, 102);
    EXPECT_EQ(p2[253].r, 128);
    EXPECT_EQ(p2[9].r, 28);
}

TEST(EnginePalettes, FixedRowsIgnoreTheDivisorAndUnnamedEntriesStayBlack) {
    Palette p{};
    fixedColorSet(p, 255);
    EXPECT_EQ(p[188], (Rgb{255, 255, 255}));
    EXPECT_EQ(p[250], (Rgb{185, 255, 0}));
    EXPECT_EQ(p[84], (Rgb{255, 128, 30}));
    EXPECT_EQ(p[67], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[100], (Rgb{0, 0, 0}));
}

TEST(EnginePalettes, SecondTableOverwritesTheFirstUntilARestore) {
    Palette base{}, work{};
    fixedColorSet(base, 1);
    fixedColorSet(work, 1);
    fixedColorSet2nd(work);
    EXPECT_EQ(work[84], (Rgb{72, 0, 78}));
    EXPECT_EQ(base[84], (Rgb{255, 128, 30}));
    EXPECT_EQ(work[92], (Rgb{255, 180, 20}));
    EXPECT_EQ(work[238], (Rgb{205, 117, 88}));
    EXPECT_EQ(work[233], (Rgb{114, 0, 151}));
    fixedColorSet(work, 1);
    EXPECT_EQ(work[84], (Rgb{255, 128, 30}));
    EXPECT_EQ(work[238], (Rgb{128, 128, 128}));
    EXPECT_EQ(work[233], (Rgb{114, 0, 151}));  // only the second table names it: kept
}

struct EnginePaletteFades : ::testing::Test {
    HeadlessPlatform platform;
    Game game{platform};
    void SetUp() override {
        fixedColorSet(game.engine.basePalette, 1);
        fixedColorSet(game.engine.workPalette, 1);
        fixedColorSet2nd(game.engine.workPalette);
        platform.createPalette(game.engine.workPalette);
    }
};

TEST_F(EnginePaletteFades, ApproachMovesStepsPlusOneUnitsAndReportsFinishedOnlyWhenEqual) {
    Palette& work = game.engine.workPalette;
    work.fill(Rgb{0, 0, 0});
    EXPECT_TRUE(paletteApproach(game, work, 0));
    EXPECT_EQ(work[254], (Rgb{1, 1, 1}));
    EXPECT_TRUE(paletteApproach(game, work, 5));
    EXPECT_EQ(work[254], (Rgb{7, 7, 7}));
    EXPECT_EQ(work[9], (Rgb{7, 7, 7}));
    int calls = 0;
    while (paletteApproach(game, work, 0)) ++calls;
    // Channels at 255 (entry 253's red) are 248 units away: 248 changing calls, then the
    // one that finds nothing left to do.
    EXPECT_EQ(calls, 248);
    EXPECT_EQ(work, game.engine.basePalette);
    EXPECT_FALSE(paletteApproach(game, work, 3));
}

TEST_F(EnginePaletteFades, FadeToBlackAndBackRestoresTheFirstTableNotTheSecond) {
    Palette& work = game.engine.workPalette;
    while (paletteToLevel(game, work, 0, false, 5)) {
    }
    for (const Rgb& c : work) EXPECT_EQ(c, (Rgb{0, 0, 0}));
    while (paletteApproach(game, work, 2)) {
    }
    EXPECT_EQ(work[84], (Rgb{255, 128, 30}));
    EXPECT_EQ(work[213], (Rgb{0, 0, 0}));
}

TEST_F(EnginePaletteFades, ToLevelStepsInstantAndFinishedResult) {
    Palette& work = game.engine.workPalette;
    EXPECT_TRUE(paletteToLevel(game, work, 0, false, 5));
    EXPECT_EQ(work[254], (Rgb{214, 214, 214}));
    EXPECT_EQ(work[7], (Rgb{114, 134, 114}));
    EXPECT_FALSE(paletteToLevel(game, work, 128, true, 0));  // instant: never "changed"
    for (const Rgb& c : work) EXPECT_EQ(c, (Rgb{128, 128, 128}));
    EXPECT_FALSE(paletteToLevel(game, work, 128, false, 5));
    EXPECT_TRUE(paletteToLevel(game, work, 255, false, 0));
    EXPECT_EQ(work[0], (Rgb{129, 129, 129}));
}

TEST_F(EnginePaletteFades, DarkenStepLowersByThreeDownToTheRemainder) {
    Palette& work = game.engine.workPalette;
    work[1] = Rgb{2, 4, 255};
    paletteDarkenStep(game);
    EXPECT_EQ(work[1], (Rgb{2, 1, 252}));
    for (int i = 0; i < 100; ++i) paletteDarkenStep(game);
    EXPECT_EQ(work[1], (Rgb{2, 1, 0}));
    EXPECT_EQ(work[254], (Rgb{1, 1, 1}));  // 220 mod 3
    EXPECT_EQ(platform.displayPalette()[1], (Rgb{2, 1, 0}));
}

TEST_F(EnginePaletteFades, EntryTwoFiftyFiveStaysBlackAfterEveryApply) {
    Palette& work = game.engine.workPalette;
    Palette& base = game.engine.basePalette;
    base[255] = Rgb{255, 255, 255};
    paletteToLevel(game, work, 255, true, 0);
    EXPECT_EQ(platform.displayPalette()[255], (Rgb{0, 0, 0}));
    EXPECT_EQ(platform.displayPalette()[254], (Rgb{255, 255, 255}));
    paletteApproach(game, work, 0);
    paletteDarkenStep(game);
    paletteSetEntries(game, work);
    EXPECT_EQ(platform.displayPalette()[255], (Rgb{0, 0, 0}));
}

TEST_F(EnginePaletteFades, ApproachAppliesTheWorkingPaletteWhateverItStepped) {
    Palette& target = game.engine.targetPalette;
    fixedColorSet(target, 2);
    game.engine.workPalette[10] = Rgb{1, 2, 3};
    paletteApproach(game, target, 0);
    EXPECT_EQ(platform.displayPalette()[10], (Rgb{1, 2, 3}));
    EXPECT_EQ(target[254], (Rgb{111, 111, 111}));
}

}  // namespace
}  // namespace morvek
