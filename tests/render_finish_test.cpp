// The round-finish display, the shutter, the balloon and the end-of-frame pauses.

#include "render_fixture.h"

#include <string>

#include "engine/Shutter.h"
#include "engine/System.h"
#include "render/Finish.h"
#include "render/SlowMotion.h"

namespace morvek::testing {
namespace {

struct RenderFinish : RenderFixture {
    void SetUp() override {
        RenderFixture::SetUp();
        p1().NUMBER = 99;  // fighters without a move set: the replay draws nothing
        p2().NUMBER = 99;
        p1().viTality = 120;
        p2().viTality = 0;
        stage().roundFinish = true;
        stage().winPlayer = 1;
        stage().FinishArts = "ABC";
        stage().KOslow = 100;
        stage().finishStop = 1000;
        platform.clearLogs();
    }
    void finish() { drawFinishSequence(*game, stage(), p1(), p2()); }
    std::vector<TextEvent> texts(const std::string& s) const {
        std::vector<TextEvent> out;
        for (const TextEvent& ev : platform.textLog())
            if (ev.text == s) out.push_back(ev);
        return out;
    }
};

TEST_F(RenderFinish, PlainKnockOutRuns155PassesAndJumpsFrom99To200) {
    finish();
    EXPECT_EQ(platform.presentCount(), 155u);
    EXPECT_EQ(stage().finishStop, 0);
    EXPECT_FALSE(battle().freezeFlag);
    const auto names = texts("ABC ");
    // Passes with k 40..99 and 200..253 show it (k after the step above 40), then the
    // final line in blue.
    ASSERT_EQ(names.size(), size_t(60 + 54 + 1));
    EXPECT_EQ(names.front().colour, (Rgb{20, 13, 40}));
    EXPECT_EQ(names[59].colour, (Rgb{50, 33, 99}));
    EXPECT_EQ(names[60].colour, (Rgb{100, 67, 200}));
    EXPECT_EQ(names.back().colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(names.back().x, 220);
    EXPECT_EQ(names.back().y, 280);
    EXPECT_EQ(names.back().pointSize, 30);
    const auto label = texts("FINISH ARTS");
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(label.back().x, 150);
    EXPECT_EQ(label.back().y, 255);
    EXPECT_EQ(platform.ticksMs(), 155u) << "no pass is held";
}

TEST_F(RenderFinish, FinishStopEndsTheDisplayEarly) {
    stage().finishStop = 10;
    finish();
    EXPECT_EQ(platform.presentCount(), 10u);
    EXPECT_EQ(stage().finishStop, 0);
}

TEST_F(RenderFinish, SpacornFinishSlowsAndCountsTo255) {
    stage().spFinish = true;
    stage().FinishArts = "真空波動拳";  // five characters: size 50
    finish();
    EXPECT_EQ(platform.presentCount(), 160u);
    // 51 passes of 25 ms, 6 of 24, then 23..1 ms, and 80 unheld passes of 1 ms.
    EXPECT_EQ(platform.ticksMs(), 51u * 25 + 6 * 24 + 276 + 80);
    EXPECT_FALSE(battle().freezeFlag);
    const auto names = texts("真空波動拳 ");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back().pointSize, 50);
    EXPECT_EQ(names.back().x, 180);  // 280 - 20 per character
}

TEST_F(RenderFinish, FontSizeFromTheCharacterCountOfAJapaneseName) {
    stage().spFinish = true;
    stage().KOslow = 0;
    stage().FinishArts = "天翔龍閃光破斬撃拳";  // nine characters: 75 - 45
    finish();
    EXPECT_EQ(texts("天翔龍閃光破斬撃拳 ").at(0).pointSize, 22);  // Int(0.75 * 30)
    EXPECT_EQ(texts("天翔龍閃光破斬撃拳 ").at(0).x, 110);
    platform.clearLogs();
    stage().FinishArts = "真空波";  // three characters: 60
    finish();
    EXPECT_EQ(texts("真空波 ").at(0).pointSize, 45);
    EXPECT_EQ(texts("真空波 ").at(0).colour, (Rgb{0, 0, 200}));
    EXPECT_EQ(texts("FINISH ARTS").at(0).y, 155);
    EXPECT_EQ(platform.presentCount(), 0u) << "without slow motion nothing is presented";
}

TEST_F(RenderFinish, PerfectAndDoubleKnockOut) {
    stage().KOslow = 0;
    p1().viTality = 254;
    finish();
    ASSERT_EQ(texts("P E R F E C T").size(), 1u);
    EXPECT_EQ(texts("P E R F E C T")[0].x, 150);
    EXPECT_EQ(texts("P E R F E C T")[0].y, 200);
    platform.clearLogs();
    stage().winPlayer = kDoubleKO;
    p1().viTality = 0;
    finish();
    ASSERT_EQ(texts("DOUBLE K.O").size(), 1u);
    EXPECT_EQ(texts("DOUBLE K.O")[0].x, 50);
    EXPECT_TRUE(texts("FINISH ARTS").empty());
    EXPECT_TRUE(texts("P E R F E C T").empty());
}

TEST_F(RenderFinish, KnockOutPictureGrowsFromTheScreen) {
    paint(1701 + 126 * 2, 1951 + 126, 124, 62, 91);  // top half of cell 7
    back().fill(5);
    drawKOGraphic(*game, 21);  // n = 7, 210 px past every edge
    EXPECT_EQ(find(91), (Rect{0, 0, 640 + 210, 240}));
    EXPECT_EQ(back().at(320, 400), 0) << "the screen was cleared first";
    EXPECT_EQ(back().at(320, 500), 5) << "only the visible part";
}

TEST_F(RenderFinish, ShutterClosesInSixteenCallsWithOneSound) {
    platform.setRequireFiles(false);
    platform.loadSound(52, "shutter.wav");
    platform.clearLogs();
    paint(601, 1801, 200, 199, 95);
    std::vector<int16_t> results;
    for (int i = 0; i < 16; ++i) results.push_back(shutterTransition(*game, i == 0 ? 1 : 0));
    EXPECT_EQ(results, (std::vector<int16_t>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3}));
    int plays = 0;
    for (const AudioEvent& ev : platform.audioLog()) plays += ev.kind == AudioEvent::PlaySound;
    EXPECT_EQ(plays, 1);
    EXPECT_EQ(platform.audioLog().at(0).index, 52);
    EXPECT_EQ(find(95, Rect{0, 0, 640, 480}), (Rect{0, 0, 640, 480}));
    // Opening: panels 160 x 160, 20 px off each side after the first step.
    clearBack();
    results.clear();
    for (int i = 0; i < 16; ++i) results.push_back(shutterTransition(*game, i == 0 ? 2 : 0));
    EXPECT_EQ(results.back(), 0);
    EXPECT_EQ(std::count(results.begin(), results.end(), 2), 15);
}

TEST_F(RenderFinish, ShutterPanelsAreDrawnOneHundredSixtySquare) {
    paint(601, 1801, 200, 199, 95);
    shutterTransition(*game, 1);  // position 20
    EXPECT_EQ(find(95, Rect{0, 0, 320, 480}), (Rect{0, 0, 20, 480}));
    EXPECT_EQ(find(95, Rect{320, 0, 640, 480}), (Rect{620, 0, 640, 480}));
    EXPECT_EQ(find(95, Rect{640, 0, 1640, 1480}), (Rect{640, 0, 940, 480}));
}

TEST_F(RenderFinish, SlowMotionAndHitStopSleepOnTheVirtualClock) {
    uint64_t before = platform.ticksMs();
    std::vector<uint64_t> sleeps;
    for (int i = 0; i < 11; ++i) {
        slowAndStops(*game, p1(), p2(), stage());
        sleeps.push_back(platform.ticksMs() - before);
        before = platform.ticksMs();
    }
    EXPECT_EQ(sleeps, (std::vector<uint64_t>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 0}));
    p1().ABSStop = 50;
    p2().ABSStop = 80;
    stage().ABSStop = 2000;
    slowAndStops(*game, p1(), p2(), stage());
    EXPECT_EQ(platform.ticksMs() - before, 2080u);
    EXPECT_EQ(p1().ABSStop, 0);
    EXPECT_EQ(p2().ABSStop, 0);
    EXPECT_EQ(stage().ABSStop, 0);
}

TEST_F(RenderFinish, BalloonIsClampedAndItsTailTurns) {
    paint(601, 1601, 410, 190, 96);
    paint(551, 1, 34, 45, 97);  // left half of the tail
    Character& c = p1();
    c.posX = 600;
    c.posY = 300;
    c.Width = 200;
    c.dirStand = 1;
    drawSpeechBalloon(*game, c, stage(), false, "HELLO");
    EXPECT_EQ(find(96, Rect{0, 0, 1640, 370}), (Rect{250, 180, 660, 370}));
    EXPECT_EQ(find(97), (Rect{300, 330, 334, 375})) << "tail not mirrored";
    EXPECT_EQ(platform.textLog().back().x, 300);
    EXPECT_EQ(platform.textLog().back().y, 230);
    clearBack();
    c.posX = 100;
    c.dirStand = -1;  // balloon held at 0, tail at 300 mirrored
    drawSpeechBalloon(*game, c, stage(), false, "HELLO");
    EXPECT_EQ(find(97), (Rect{334, 330, 368, 375}));
}

}  // namespace
}  // namespace morvek::testing
