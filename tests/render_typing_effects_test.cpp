// The typing frame with its letters and flashes; effect sprites and their shared hold.

#include "render_fixture.h"

#include "battle/Splite.h"
#include "data/common_sheet.h"
#include "render/Effects.h"
#include "render/TypingFrame.h"

namespace morvek::testing {
namespace {

constexpr uint8_t kRedA = 40, kBlueL = 41, kRedC = 42, kRedD = 43, kMiss = 33;

struct RenderTypingFrame : RenderFixture {
    void SetUp() override {
        RenderFixture::SetUp();
        for (int i = 0; i < 3; ++i) paint(64 * i, 192, 64, 64, uint8_t(30 + i));
        // The letters where the data generator draws them: red rows from y 300, blue from 500.
        paint(data::glyphCell(1, false), kRedA);   // "A"
        paint(data::glyphCell(12, true), kBlueL);  // blue "L"
        paint(data::glyphCell(3, false), kRedC);   // "C"
        paint(data::glyphCell(4, false), kRedD);   // "D"
        paint(192, 192, 64, 4, kMiss);        // the miss frame: only its top band is opaque
        battle().targetLetters = {1, 12, 4, 4, 4, 4, 4, 4};
        Character& c = p1();
        c.posX = 100;
        c.posY = 100;
        c.Width = 200;
        c.Height = 200;
        c.targetX = 20;
        c.targetY = 30;
        c.dirStand = 1;
    }
    void draw(bool flash = false, int16_t slot = 0) {
        clearBack();
        drawTypingFrame(*game, p1(), engine().attackEffectSurface, flash, slot);
    }
};

TEST_F(RenderTypingFrame, FramePlacesRedAndBlueLettersAndBlinks) {
    draw();
    EXPECT_EQ(find(31), (Rect{120, 130, 184, 194}));
    EXPECT_EQ(find(kRedA), (Rect{120, 130, 160, 160}));
    EXPECT_EQ(find(kBlueL), (Rect{146, 161, 186, 191}));
    // Each call advances the blink: cells 64, 128, 0, 64, ...
    const uint8_t expected[] = {32, 30, 31, 32};
    for (uint8_t v : expected) {
        draw();
        EXPECT_TRUE(find(v).has_value());
    }
}

TEST_F(RenderTypingFrame, EveryLetterIsTheGeneratorsGlyphInItsColour) {
    Surface8& sheet = engine().attackEffectSurface;
    sheet.fill(0);
    data::drawGlyphRows(sheet);
    for (int16_t letter = 1; letter <= 40; ++letter) {
        battle().targetLetters = {letter, letter, 4, 4, 4, 4, 4, 4};
        draw();
        // The red letter at the frame's corner, the blue one below and to the right of it;
        // the sheet's transparent pixels leave the picture as it was.
        for (const bool blue : {false, true}) {
            const Rect cell = data::glyphCell(letter, blue);
            const int32_t x0 = blue ? 146 : 120, y0 = blue ? 161 : 130;
            int64_t wrong = 0, inked = 0;
            for (int32_t y = 0; y < 30; ++y)
                for (int32_t x = 0; x < 40; ++x) {
                    const uint8_t ink = sheet.at(cell.left + x, cell.top + y);
                    if (ink == 0) continue;
                    ++inked;
                    wrong += back().at(x0 + x, y0 + y) != ink;
                }
            EXPECT_GT(inked, 50) << letter;
            EXPECT_EQ(wrong, 0) << "letter " << letter << (blue ? " blue" : " red");
        }
    }
}

TEST_F(RenderTypingFrame, FrameStaysOnScreenAtTheLimits) {
    p1().posX = 600;
    p1().posY = 900;
    draw();
    EXPECT_EQ(find(31), (Rect{576, 416, 640, 480}));
    p1().posX = -300;
    p1().posY = -300;
    draw();
    EXPECT_EQ(find(32), (Rect{0, 0, 64, 64}));
}

TEST_F(RenderTypingFrame, CorrectWordFlashesAloneAndLarger) {
    draw(true, 1);
    EXPECT_EQ(find(kRedA), (Rect{110, 120, 170, 170}));  // 60x50
    EXPECT_FALSE(find(kBlueL).has_value());
    for (uint8_t v : {30, 31, 32}) EXPECT_FALSE(find(v).has_value());
    draw(true, 2);
    EXPECT_EQ(find(kBlueL), (Rect{136, 151, 196, 201}));
    EXPECT_FALSE(find(kRedA).has_value());
}

TEST_F(RenderTypingFrame, ComboWordsStandBesideTheFighterFacingLeft) {
    Character& c = p1();
    c.TPC = true;
    c.dirStand = -1;
    c.word1stPosX = 10;
    c.word1stPosY = 5;
    c.word2ndPosX = 4;
    draw();
    // Centre (190, 200): word 1 at cx - 100 - 10, word 2 at cx + 50 + 4.
    EXPECT_EQ(find(kRedA), (Rect{80, 175, 140, 225}));
    EXPECT_EQ(find(kBlueL), (Rect{244, 250, 284, 280}));
    for (uint8_t v : {30, 31, 32}) EXPECT_FALSE(find(v).has_value()) << "no frame in a combo";
    draw(true, 1);
    EXPECT_EQ(find(kRedA), (Rect{70, 165, 150, 235}));  // 80x70
}

TEST_F(RenderTypingFrame, ComboWordsAreKeptOnScreenAndShownOnlyByTheirFlag) {
    Character& c = p1();
    c.TPC = true;
    c.word3rdPosX = 400;  // far to the right: held at x 576
    c.word3rdPosY = 0;
    draw();
    EXPECT_FALSE(find(kRedD).has_value()) << "flag off, letter set";
    c.word3rdDisp = true;
    draw();
    EXPECT_EQ(find(kRedD), (Rect{576, 170, 636, 220}));
    draw(true, 4);
    EXPECT_FALSE(find(kRedD).has_value()) << "the flash shows only its own word";
    draw(true, 3);
    EXPECT_EQ(find(kRedD), (Rect{576, 160, 656, 230}));
}

TEST_F(RenderTypingFrame, WrongKeyShowsTheLetterUnderTheMissFrame) {
    draw(true, -3);
    EXPECT_EQ(find(kRedC), (Rect{120, 135, 180, 185}));  // 60x50 at (fx, fy + 5)
    EXPECT_EQ(find(kMiss), (Rect{120, 130, 184, 134}));
    EXPECT_FALSE(find(kRedA).has_value());
    EXPECT_FALSE(find(kBlueL).has_value());
    // The flash follows the fighter after targeting has ended.
    p1().posX = 150;
    draw(true, -3);
    EXPECT_EQ(find(kRedC), (Rect{170, 135, 230, 185}));
}

struct RenderEffects : RenderFixture {
    Splite sp;
    void SetUp() override {
        RenderFixture::SetUp();
        paint(1551, 1201, 148, 148, 50);
        paint(1551, 1351, 148, 148, 51);
        sp.posX = 300;
        sp.posY = 100;
        sp.Width = 100;
        sp.Height = 80;
        sp.dirStand = 1;
        sp.animPat = 15;
    }
    /// The picture drawn by one call.
    uint8_t step() {
        clearBack();
        drawSplite(*game, sp);
        if (find(50)) return 50;
        if (find(51)) return 51;
        return 0;
    }
};

TEST_F(RenderEffects, OnlyTheTablesPatternsAreKnown) {
    EXPECT_EQ(spliteFrameOf(84)->next, 0) << "the last picture ends the effect";
    EXPECT_EQ(spliteFrameOf(65)->next, 66);
    for (int16_t unknown : {0, 8, 13, 55, 70, 85, -5}) EXPECT_EQ(spliteFrameOf(unknown), nullptr);
}

TEST_F(RenderEffects, LoneEffectShowsHoldPlusOneFramesPerPicture) {
    std::vector<uint8_t> seen;
    while (sp.animPat != 0 && seen.size() < 20) seen.push_back(step());
    EXPECT_EQ(seen, (std::vector<uint8_t>{50, 50, 50, 50, 50, 51, 51, 51, 51}));
    EXPECT_EQ(engine().render.spliteHold, 0);
}

TEST_F(RenderEffects, TheSharedHoldIsNotResetWhenAnEffectStarts) {
    engine().render.spliteHold = 3;
    std::vector<uint8_t> seen;
    while (sp.animPat != 0 && seen.size() < 20) seen.push_back(step());
    EXPECT_EQ(seen, (std::vector<uint8_t>{50, 50, 51, 51, 51, 51}));
}

TEST_F(RenderEffects, TwoLiveEffectsRunFasterInStep) {
    Splite other = sp;
    int frames = 0;
    while (sp.animPat != 0 && frames < 20) {
        drawSplite(*game, sp);
        if (other.animPat != 0) drawSplite(*game, other);
        ++frames;
    }
    EXPECT_EQ(frames, 5);  // the one counter advances twice a frame
}

TEST_F(RenderEffects, FrozenEffectsKeepTheirPicture) {
    battle().freezeFlag = true;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(step(), 50);
    EXPECT_EQ(sp.animPat, 15);
    EXPECT_EQ(engine().render.spliteHold, 0);
}

TEST_F(RenderEffects, LeftFacingEffectExtendsLeftOfItsAnchorMirrored) {
    paint(1551, 1201, 74, 148, 52);  // left half of the first picture
    battle().scrollX = -100;
    battle().scrollY = 20;
    sp.dirStand = -1;
    clearBack();
    drawSplite(*game, sp);
    EXPECT_EQ(find(50), (Rect{100, 120, 150, 200}));
    EXPECT_EQ(find(52), (Rect{150, 120, 200, 200}));
}

TEST_F(RenderEffects, UnknownPatternDrawsNothingAndStays) {
    engine().attackEffectSurface.fill(77);  // a whole-sheet blit would show everywhere
    sp.animPat = 8;
    engine().render.spliteHold = 2;
    clearBack();
    drawSplite(*game, sp);
    EXPECT_EQ(count(77), 0);
    EXPECT_EQ(sp.animPat, 8);
    EXPECT_EQ(engine().render.spliteHold, 2);
}

TEST_F(RenderEffects, HitBoxesUseTheInsetsByFacing) {
    paint(0, 1000, 100, 100, 60);
    Character& c = p1();
    c.posX = 100;
    c.posY = 50;
    c.Width = 200;
    c.Height = 200;
    c.hitFieldLeft = 10;
    c.hitFieldRight = 30;
    c.hitFieldTop = 5;
    c.hitFieldBottom = 15;
    c.dirStand = -1;
    p2().posX = 1200;  // off the searched area
    drawHitBoxes(*game, p1(), p2());
    EXPECT_EQ(find(60, Rect{0, 0, 640, 480}), (Rect{130, 55, 290, 235}));
}

}  // namespace
}  // namespace morvek::testing
