// Gauges, labels, combo counters, dizzy stars and the zoom view.

#include "render_fixture.h"

#include "render/Hud.h"

namespace morvek::testing {
namespace {

constexpr Rect kTopLeft{0, 0, 320, 80};
constexpr Rect kStunBand{0, 60, 640, 70};

struct RenderHud : RenderFixture {
    void SetUp() override {
        RenderFixture::SetUp();
        for (Character* c : {&p1(), &p2()}) {
            c->viTality = 254;
            c->stunPointMax = 100;
            c->spacornGaugeMax = 200;
            c->spacornCountMax = 3;
            c->ExArtsConsumption = 50;
        }
    }
    void gauges() {
        clearBack();
        drawGauges(*game, p1(), p2());
    }
};

TEST_F(RenderHud, BorderOnlyAtFullVitality) {
    gauges();
    EXPECT_EQ(back().at(31, 27), 44);
    EXPECT_EQ(back().at(606, 58), 44);
    EXPECT_EQ(find(46, kTopLeft), (Rect{32, 28, 286, 58}));
    p1().viTality = 253;
    gauges();
    EXPECT_FALSE(find(44, kTopLeft).has_value());
    EXPECT_EQ(back().at(606, 58), 44);
    EXPECT_EQ(find(46, kTopLeft), (Rect{33, 28, 286, 58}));
}

TEST_F(RenderHud, DamageBarsStandAtTheFreeEnd) {
    p1().viTality = 0;
    p1().TotalDamage = 30;
    p1().OneHitDamage = 10;
    p2().viTality = 100;
    p2().TotalDamage = 20;
    p2().OneHitDamage = 5;
    gauges();
    EXPECT_FALSE(find(46, kTopLeft).has_value()) << "no vitality, no bar";
    EXPECT_EQ(find(51, kTopLeft), (Rect{256, 28, 276, 58}));
    EXPECT_EQ(find(176, kTopLeft), (Rect{276, 28, 286, 58}));
    EXPECT_EQ(find(46, Rect{320, 0, 640, 80}), (Rect{352, 28, 452, 58}));
    EXPECT_EQ(find(51, Rect{320, 0, 640, 80}), (Rect{457, 28, 472, 58}));
    EXPECT_EQ(find(176, Rect{320, 0, 640, 80}), (Rect{452, 28, 457, 58}));
}

TEST_F(RenderHud, StunGaugeAndItsOverflow) {
    back().fill(5);
    p1().stunGauge = 40;
    p2().stunGauge = 40;
    drawGauges(*game, p1(), p2());
    EXPECT_EQ(find(33, Rect{0, 60, 320, 70}), (Rect{226, 63, 286, 66}));
    EXPECT_EQ(find(33, Rect{320, 60, 640, 70}), (Rect{351, 63, 411, 66}));
    EXPECT_EQ(back().at(286, 64), 0) << "background one pixel past the gauge";
    p1().stunGauge = 120;
    p2().stunGauge = 120;
    gauges();
    EXPECT_FALSE(find(33, kStunBand).has_value()) << "a gauge above its maximum is empty";
}

TEST_F(RenderHud, StunLabelBlinksThreeFramesOfFour) {
    paint(0, 61, 150, 36, 60);
    p1().stunSwitch = stunDizzy;
    p2().stunSwitch = stunStunned;
    std::vector<bool> shown;
    for (int i = 0; i < 8; ++i) {
        gauges();
        shown.push_back(find(60).has_value());
        if (shown.back()) {
            EXPECT_EQ(find(60, Rect{0, 0, 320, 100}), (Rect{195, 60, 295, 78}));
            EXPECT_EQ(find(60, Rect{320, 0, 640, 100}), (Rect{350, 60, 450, 78}));
        }
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, true, false, true, true, true, false, true}));
}

TEST_F(RenderHud, SpacornGaugesStockDigitExMarkAndFullLabel) {
    for (int d = 0; d < 10; ++d) paint(40 * d, 420, 40, 30, uint8_t(100 + d));
    paint(261, 1, 28, 28, 70);   // EX mark
    paint(0, 101, 150, 36, 71);  // full-stock label
    p1().spacornGauge = 30;
    p2().spacornGauge = 60;
    p2().spacornCount = 3;
    gauges();
    const Rect left{0, 380, 320, 480}, right{320, 380, 640, 480};
    EXPECT_EQ(find(176, left), (Rect{29, 428, 59, 432}));
    EXPECT_FALSE(find(70, left).has_value()) << "no EX mark below the consumption";
    EXPECT_EQ(find(70, right), (Rect{565, 410, 585, 450}));
    // The stock digit's lower part lies under the full-stock label drawn after it.
    EXPECT_EQ(find(103, right), (Rect{410, 400, 450, 420}));
    EXPECT_EQ(find(71, right), (Rect{390, 420, 540, 456}));
    EXPECT_FALSE(find(71, left).has_value());
}

TEST_F(RenderHud, SpacornModeShowsTheTimeAndEmptiesTheGauge) {
    p1().spacornGauge = 80;
    p1().SPspacornTimer = 50.5f;
    gauges();
    EXPECT_EQ(find(228, Rect{0, 420, 320, 440}), (Rect{29, 428, 80, 432}));
    EXPECT_EQ(p1().spacornGauge, 0);
    EXPECT_EQ(p2().spacornGauge, 0);
}

struct RenderCombo : RenderHud {
    void SetUp() override {
        RenderHud::SetUp();
        for (int d = 1; d < 10; ++d) paint(40 * d, 420, 40, 30, uint8_t(100 + d));
        paint(0, 435, 40, 15, 100);  // digit 0: its top half transparent
        paint(1428, 40, 80, 40, 90);  // the "HITS" label
    }
};

TEST_F(RenderCombo, HundredHitsDrawThreeDigits) {
    p2().comboCount = 100;
    p2().comboTimer = 240;
    clearBack();
    drawComboCounter(*game, p1(), p2());
    EXPECT_EQ(p2().comboTimer, 260);
    EXPECT_EQ(p1().MaxComboCount, 100);
    EXPECT_EQ(find(101), (Rect{10, 100, 50, 140}));   // hundreds, 40x40
    EXPECT_EQ(find(100), (Rect{10, 150, 170, 200}));  // tens at 10 and ones at 70, 100x100
    EXPECT_EQ(find(90), (Rect{140, 160, 220, 200}));
}

TEST_F(RenderCombo, CounterSlidesInAndOnlyFromTwoHits) {
    p1().comboCount = 1;
    drawComboCounter(*game, p1(), p2());
    EXPECT_EQ(p1().comboTimer, 0);
    p1().comboCount = 7;
    p2().MaxComboCount = 9;
    std::vector<int16_t> timers;
    for (int i = 0; i < 14; ++i) {
        clearBack();
        drawComboCounter(*game, p1(), p2());
        timers.push_back(p1().comboTimer);
    }
    EXPECT_EQ(timers.front(), 20);
    EXPECT_EQ(timers[12], 260);
    EXPECT_EQ(timers.back(), 260);
    EXPECT_EQ(p2().MaxComboCount, 9) << "a longer combo stays recorded";
    // Player 2's combo at rest: ones digit at 470, label at 540; no tens digit.
    EXPECT_EQ(find(107), (Rect{470, 100, 570, 200}));
    EXPECT_EQ(find(90), (Rect{540, 160, 620, 200}));
}

TEST_F(RenderHud, StunStarEachPictureForFiveCallsSharedByBoth) {
    paint(1561, 831, 37, 27, 81);
    paint(1599, 831, 37, 27, 82);
    paint(1637, 831, 37, 27, 83);
    for (Character* c : {&p1(), &p2()}) {
        c->Width = 200;
        c->Height = 200;
        c->posY = 100;
    }
    p1().posX = 100;
    p2().posX = 400;
    p1().stunSwitch = 2;
    clearBack();
    drawStunMarks(*game, p1(), p2());
    EXPECT_EQ(find(81), (Rect{175, 150, 225, 190}));
    std::vector<uint8_t> seen;
    for (int i = 0; i < 15; ++i) {
        clearBack();
        drawStunMarks(*game, p1(), p2());
        seen.push_back(find(81) ? 81 : find(82) ? 82 : 83);
    }
    EXPECT_EQ(seen, (std::vector<uint8_t>{81, 81, 81, 81, 82, 82, 82, 82, 82, 83, 83, 83, 83, 83,
                                          81}));
    p2().stunSwitch = 2;  // both dizzy: the counters run twice as fast
    clearBack();
    drawStunMarks(*game, p1(), p2());
    EXPECT_TRUE(find(81, Rect{0, 0, 320, 480}).has_value());
    EXPECT_TRUE(find(81, Rect{320, 0, 640, 480}).has_value());
}

TEST_F(RenderHud, ZoomCropLimits) {
    Character& c = p1();
    c.posX = 300;
    c.posY = 400;
    c.dirStand = 1;
    EXPECT_EQ(zoomCrop(*game, c, 0), (Rect{0, 0, 640, 480}));
    // Low on the screen: the start is held at 240, then pulled up so the crop ends at 480.
    EXPECT_EQ(zoomCrop(*game, c, 5), (Rect{160, 120, 640, 480}));
    EXPECT_EQ(zoomCrop(*game, c, 10), (Rect{300, 240, 620, 480}));
    c.dirStand = -1;
    EXPECT_EQ(zoomCrop(*game, c, 10), (Rect{200, 240, 520, 480}));
    EXPECT_TRUE(zoomCrop(*game, c, 20).empty());
    EXPECT_TRUE(zoomCrop(*game, c, 25).empty());
}

TEST_F(RenderHud, ZoomStepsTowardsTheWishAndStopsWhenFrozen) {
    Character& c = p1();
    c.zoomCount = 2;
    back().fillRect(Rect{0, 0, 640, 480}, 7);
    back().fillRect(Rect{0, 0, 320, 240}, 8);
    drawZoomView(*game, c);
    EXPECT_EQ(engine().render.zoomLevel, 1);
    drawZoomView(*game, c);
    back().fillRect(Rect{0, 0, 640, 480}, 7);
    back().fillRect(Rect{0, 0, 320, 240}, 8);
    drawZoomView(*game, c);
    EXPECT_EQ(engine().render.zoomLevel, 2);
    // Crop (0,0)-(576,432) enlarged: the top-left quarter grows past 320 x 240.
    EXPECT_EQ(find(8, Rect{0, 0, 640, 480}), (Rect{0, 0, 356, 267}));
    battle().freezeFlag = true;
    c.zoomCount = 0;
    drawZoomView(*game, c);
    EXPECT_EQ(engine().render.zoomLevel, 2);
    battle().freezeFlag = false;
    engine().render.zoomLevel = 20;
    c.zoomCount = 25;
    back().fillRect(Rect{0, 0, 640, 480}, 7);
    drawZoomView(*game, c);  // level 21: nothing to crop, the picture stays
    EXPECT_EQ(count(7), 640 * 480);
}

}  // namespace
}  // namespace morvek::testing
