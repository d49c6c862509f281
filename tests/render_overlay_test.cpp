// Banners, timer digits, texts of the overlay, win lamps and the grade emblem.

#include "render_fixture.h"

#include <string>

#include "battle/Projectiles.h"
#include "engine/System.h"
#include "render/Finish.h"
#include "render/Overlay.h"

namespace morvek::testing {
namespace {

constexpr uint8_t kRoundWord = 70, kFight1 = 71, kFight2 = 72, kFight3 = 73, kInfinity = 74;

uint8_t small(int d) { return uint8_t(100 + d); }
uint8_t big(int d) { return uint8_t(110 + d); }

struct RenderOverlay : RenderFixture {
    void SetUp() override {
        RenderFixture::SetUp();
        for (int d = 0; d < 10; ++d) {
            paint(40 * d, 420, 40, 30, small(d));
            paint(40 * d, 450, 40, 30, big(d));
        }
        paint(730, 450, 252, 88, kRoundWord);
        paint(1, 1401, 298, 198, kFight1);
        paint(301, 1401, 298, 198, kFight2);
        paint(1, 1601, 298, 198, kFight3);
        paint(400, 450, 40, 30, kInfinity);
        for (Character* c : {&p1(), &p2()}) c->viTality = 200;
        stage().MaxRoundTime = 6099;
        stage().roundTimer = 6099;
        p2().NUMBER = 4;
    }
    void overlay() {
        clearBack();
        platform.clearLogs();
        drawStageOverlay(*game, stage(), p1(), p2());
    }
    /// The text drawn at exactly this string, if any.
    std::optional<TextEvent> text(const std::string& s) const {
        for (const TextEvent& ev : platform.textLog())
            if (ev.text == s) return ev;
        return std::nullopt;
    }
};

TEST_F(RenderOverlay, BannerWindows) {
    stage().roundCount = 2;
    const std::pair<int16_t, std::optional<Rect>> roundBanner[] = {
        {10, std::nullopt}, {11, Rect{80, 160, 432, 208}}, {49, Rect{80, 160, 432, 208}},
        {50, std::nullopt}};
    for (const auto& [w, where] : roundBanner) {
        stage().wholeTimer = w;
        overlay();
        EXPECT_EQ(find(kRoundWord), where) << "wholeTimer " << w;
        if (where) {
            EXPECT_EQ(find(small(3)), (Rect{480, 100, 562, 248})) << "round 3's digit";
        }
    }
    struct Fight {
        int16_t w;
        uint8_t picture;
        Rect where;
    };
    const Fight fights[] = {{51, kFight1, Rect{0, 0, 645, 320}},
                            {54, kFight2, Rect{0, 0, 660, 320}},
                            {58, kFight3, Rect{0, 0, 680, 320}},
                            {79, kFight3, Rect{0, 0, 785, 320}},
                            {80, kFight3, Rect{0, 90, 730, 230}},
                            {99, kFight3, Rect{0, 147, 787, 173}}};
    for (const Fight& f : fights) {
        stage().wholeTimer = f.w;
        overlay();
        EXPECT_EQ(find(f.picture), f.where) << "wholeTimer " << f.w;
    }
    for (int16_t w : {50, 100}) {
        stage().wholeTimer = w;
        overlay();
        for (uint8_t v : {kFight1, kFight2, kFight3}) EXPECT_FALSE(find(v).has_value()) << w;
    }
}

TEST_F(RenderOverlay, RoundTimerDigits) {
    stage().roundTimer = 6099;
    clearBack();
    drawRoundTimer(*game, stage());
    EXPECT_EQ(find(big(6)), (Rect{290, 10, 320, 60}));
    EXPECT_EQ(find(big(0)), (Rect{320, 10, 350, 60}));
    EXPECT_FALSE(find(small(9)).has_value());
    EXPECT_FALSE(find(big(9)).has_value());
    stage().roundTimer = 999;
    clearBack();
    drawRoundTimer(*game, stage());
    EXPECT_EQ(find(big(9)), (Rect{305, 10, 335, 60}));
    EXPECT_EQ(find(small(9)), (Rect{322, 30, 355, 60}));  // two small digits overlapping
    EXPECT_EQ(back().at(341, 45), small(9));
}

TEST_F(RenderOverlay, RoundTimerBelowZeroShowsNoDigit) {
    // The digits are floors with remainders that keep the dividend's sign, so a clock
    // below zero gives digit -1 everywhere, whose cell lies left of the strip: nothing
    // shows (not a "0" from truncating towards zero).
    stage().roundTimer = -1;
    clearBack();
    drawRoundTimer(*game, stage());
    for (int d = 0; d < 10; ++d) {
        EXPECT_FALSE(find(big(d)).has_value()) << d;
        EXPECT_FALSE(find(small(d)).has_value()) << d;
    }
}

TEST_F(RenderOverlay, InfinityMarkAgainstTheFinalBossAndOutsideArcade) {
    p2().NUMBER = 7;
    overlay();
    EXPECT_EQ(find(kInfinity), (Rect{292, 10, 352, 60}));
    EXPECT_FALSE(find(big(6)).has_value());
    p2().NUMBER = 4;
    overlay();
    EXPECT_FALSE(find(kInfinity).has_value());
    EXPECT_TRUE(find(big(6)).has_value());
    engine().playMode = PlayMode::Training;
    overlay();
    EXPECT_TRUE(find(kInfinity).has_value());
}

TEST_F(RenderOverlay, ScoreClockAndNamesInArcade) {
    engine().gameScore = 12345;
    stage().totalGameTime = 125.5f;
    p1().charaDispname = "MORVEKBOY";
    p2().charaDispname = "GOUDA";
    p2().nameWidth = 5;
    overlay();
    ASSERT_TRUE(text("12345"));
    EXPECT_EQ(text("12345")->x, 175);
    EXPECT_EQ(text("12345")->y, 5);
    EXPECT_EQ(text("12345")->colour, (Rgb{0, 128, 255}));
    ASSERT_TRUE(text("2 m5 s"));
    EXPECT_EQ(text("2 m5 s")->x, 540);
    EXPECT_EQ(text("MORVEKBOY")->x, 35);
    EXPECT_TRUE(text("MORVEKBOY")->italic);
    EXPECT_EQ(text("GOUDA")->x, 560);
    engine().gameScore = 7;
    overlay();
    EXPECT_EQ(text("7")->x, 227);
}

TEST_F(RenderOverlay, GameClockTakesMinutesAndSecondsFromTheSameWholeSeconds) {
    const std::pair<float, const char*> cases[] = {
        {59.6f, "0 m59 s"}, {60.0f, "1 m0 s"}, {119.7f, "1 m59 s"}, {0.4f, "0 m0 s"}};
    for (const auto& [seconds, shown] : cases) {
        stage().totalGameTime = seconds;
        overlay();
        const auto t = text(shown);
        ASSERT_TRUE(t) << seconds;
        EXPECT_EQ(t->x, 540);
        EXPECT_EQ(t->y, 440);
    }
}

TEST_F(RenderOverlay, TimeOverOnlyWhileTheFreezeRuns) {
    stage().roundFinish = true;
    stage().ABSStop = 2000;
    overlay();
    ASSERT_TRUE(text("TIME OVER"));
    EXPECT_EQ(text("TIME OVER")->x, 220);
    EXPECT_EQ(text("TIME OVER")->colour, (Rgb{255, 0, 0}));
    stage().ABSStop = 0;
    overlay();
    EXPECT_FALSE(text("TIME OVER"));
    // A KO runs the finish display instead.
    stage().ABSStop = 2000;
    p2().viTality = 0;
    stage().FinishArts = "ABC";
    stage().winPlayer = 1;
    overlay();
    EXPECT_FALSE(text("TIME OVER"));
    EXPECT_TRUE(text("ABC "));
}

TEST_F(RenderOverlay, TrainingValuesStayAfterTheCombo) {
    engine().playMode = PlayMode::Training;
    p2().comboCount = 3;
    p2().OneHitDamage = 12;
    p2().TotalDamage = 40;
    overlay();
    p2().comboCount = 0;
    overlay();
    EXPECT_EQ(text("COMBO COUNT   3")->x, 50);
    EXPECT_EQ(text("1HIT DAMAGE   12")->y, 180);
    EXPECT_EQ(text("TOTAL DAMAGE   40")->y, 200);
    EXPECT_EQ(text("COMBO COUNT   0")->x, 400);
    EXPECT_EQ(text("PRESS F1 CALL MENU")->x, 400);
    EXPECT_FALSE(text("12345"));
}

TEST_F(RenderOverlay, UnknownProjectileFrameDrawsNothing) {
    Surface8 sheet(64, 64);
    sheet.fill(77);  // a whole-sheet blit would show
    flyArts fa;
    fa.Running = true;
    fa.ATFleft = 10;
    fa.ATFtop = 10;
    fa.ATFright = 110;
    fa.ATFbottom = 110;
    p1().NUMBER = 3;  // no projectiles in that move set: no frame is given
    clearBack();
    drawFlyArtsSprite(*game, fa, p1(), sheet);
    EXPECT_EQ(count(77), 0);
}

TEST_F(RenderOverlay, BlinkFontWhiteOnceInFour) {
    std::vector<bool> white;
    for (int i = 0; i < 8; ++i) {
        blinkFontSet(*game, 10, RGB(0, 255, 128));
        white.push_back(engine().textColour == RGB(255, 255, 255));
    }
    EXPECT_EQ(white, (std::vector<bool>{true, false, false, false, true, false, false, false}));
    EXPECT_EQ(engine().textFontSize, 10);
}

TEST_F(RenderOverlay, WinLampsAndMarks) {
    paint(400, 420, 40, 30, 80);  // lamp
    paint(400, 360, 40, 30, 81);  // perfect
    paint(400, 330, 40, 30, 82);  // time
    stage().maxRoundCount = 1;
    for (int i = 0; i < 3; ++i) {
        p1().winCount = int16_t(i + 1);
        p1().winMarkSet(i == 1 ? 3 : 1);
    }
    clearBack();
    drawWinLamps(*game, p1(), p2(), stage());
    EXPECT_EQ(find(80, Rect{320, 0, 640, 480}), (Rect{360, 80, 440, 90}));
    EXPECT_EQ(find(81, Rect{250, 0, 320, 480}), (Rect{255, 70, 285, 100}));
    EXPECT_EQ(find(82), (Rect{225, 70, 255, 100}));
    EXPECT_EQ(find(81, Rect{0, 0, 225, 480}), (Rect{195, 70, 225, 100}));
    EXPECT_FALSE(find(80, Rect{0, 0, 320, 480}).has_value()) << "the marks cover the lamps";
    stage().maxRoundCount = 0;
    p1().winCount = 0;
    clearBack();
    drawWinLamps(*game, p1(), p2(), stage());
    EXPECT_EQ(find(80, Rect{0, 0, 320, 480}), (Rect{230, 80, 280, 90}));
    EXPECT_EQ(find(80, Rect{320, 0, 640, 480}), (Rect{360, 80, 410, 90}));
}

TEST_F(RenderOverlay, GradeEmblems) {
    paint(320, 330, 40, 30, 85);
    paint(400, 390, 40, 30, 86);
    paint(461, 1206, 120, 140, 87);
    paint(240, 700, 40, 30, 88);
    clearBack();
    drawGradeEmblem(*game, 13, 40, 30, 100, 100, 2);
    EXPECT_EQ(find(85), (Rect{90, 100, 150, 130}));
    EXPECT_EQ(find(86), (Rect{150, 115, 190, 145}));
    clearBack();
    drawGradeEmblem(*game, 18, 20, 15, 100, 100, 0);
    EXPECT_EQ(find(85), (Rect{80, 100, 140, 115}));
    EXPECT_EQ(find(86), (Rect{140, 105, 184, 120}));  // three marks at 40, 52, 64
    clearBack();
    drawGradeEmblem(*game, 0, 40, 30, 10, 10, 0);
    EXPECT_EQ(find(88), (Rect{10, 10, 50, 40}));
    EXPECT_FALSE(find(86).has_value());
    clearBack();
    drawGradeEmblem(*game, 99, 40, 30, 100, 100, 0);
    EXPECT_EQ(find(87), (Rect{60, 60, 180, 200}));
}

}  // namespace
}  // namespace morvek::testing
