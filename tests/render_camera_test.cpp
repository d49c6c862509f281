// Camera rules, the stage background, shadows and the fighters' sprites.

#include "render_fixture.h"

#include "battle/Dispatch.h"
#include "render/Camera.h"

namespace morvek::testing {
namespace {

struct RenderCamera : RenderFixture {
    void SetUp() override {
        RenderFixture::SetUp();
        for (Character* c : {&p1(), &p2()}) {
            c->Width = 200;
            c->Height = 200;
            c->bottom = 16;
            c->posY = kGroundLine - 16;
            c->NUMBER = 99;  // no move set: nothing runs while the camera is tested
        }
        battle().scrollX = -140;
        battle().scrollY = -1480;
    }
    void camera() { cameraAndBackground(*game, p1(), p2()); }
};

TEST_F(RenderCamera, PlayerOneExactlyOnAMarginMovesNothing) {
    p1().posX = 190;  // screen x 50
    p2().posX = 300;
    camera();
    EXPECT_EQ(battle().scrollX, -140);
    p1().posX = 500;  // screen x 360
    p2().posX = 400;
    camera();
    EXPECT_EQ(battle().scrollX, -140);
    p1().posX = 189;  // one pixel past the left margin
    camera();
    EXPECT_EQ(battle().scrollX, 50 - 189);
}

TEST_F(RenderCamera, FarApartFightersKeepPlayerOneInsideAndLetPlayerTwoLeave) {
    p1().posX = 400;
    p2().posX = 900;
    camera();
    EXPECT_EQ(battle().scrollX, -350);  // p2 pulled to 360, then p1 brought back to 50
    EXPECT_DOUBLE_EQ(p1().posX + battle().scrollX, 50);
    EXPECT_GT(p2().posX + battle().scrollX, 360);
}

TEST_F(RenderCamera, StageEndsClampTheCamera) {
    p1().posX = 20;
    p2().posX = 200;
    camera();
    EXPECT_EQ(battle().scrollX, 0);  // p1 stands left of screen x 50
    p1().posX = 1300;
    p2().posX = 1200;
    camera();
    EXPECT_EQ(battle().scrollX, -700);
}

TEST_F(RenderCamera, FractionalPositionsRoundHalfToEven) {
    battle().scrollX = 0;
    p2().posX = 300;
    p1().posX = 400.5;
    camera();
    EXPECT_EQ(battle().scrollX, -40);
    battle().scrollX = 0;
    p1().posX = 401.5;
    camera();
    EXPECT_EQ(battle().scrollX, -42);
}

TEST_F(RenderCamera, GroundLevelAndJumps) {
    p1().posX = 300;
    p2().posX = 500;
    camera();
    EXPECT_EQ(battle().scrollY, -1480);  // the rule asks for -1530
    p1().posY = 1000;                    // high in a jump
    camera();
    EXPECT_EQ(battle().scrollY, -950);
    // Player 2 rising does not pull the camera while player 1 stands at the bottom limit.
    p1().posY = kGroundLine - 16;
    battle().scrollY = -1480;
    p2().posY = 1300;
    camera();
    EXPECT_EQ(battle().scrollY, -1480);
}

TEST_F(RenderCamera, BackgroundCoversTheVisibleScreen) {
    engine().backGroundSurface.fill(9);
    back().fill(200);
    p1().posX = 300;
    p2().posX = 500;
    camera();
    EXPECT_EQ(find(9, Rect{0, 0, 640, 480}), (Rect{0, 0, 640, 480}));
}

TEST_F(RenderCamera, ShadowGeometryOnTheGroundAndRising) {
    paint(Rect{0, 920, 170, 970}, 20);
    p1().posX = 300;
    p1().posY = 1600;
    drawCharaShadow(*game, p1(), engine().attackEffectSurface);
    // Width/4 .. 0.85 Width from posX; bottom 421.33 rounds to 421.
    EXPECT_EQ(find(20), (Rect{210, 398, 330, 421}));
    clearBack();
    p1().posY = 1200;
    drawCharaShadow(*game, p1(), engine().attackEffectSurface);
    EXPECT_EQ(find(20), (Rect{260, 406, 330, 416}));  // narrower from the left, thinner
}

TEST_F(RenderCamera, ShadowOfAHighFighterIsNothing) {
    paint(Rect{0, 920, 170, 970}, 20);
    p1().posX = 300;
    p1().posY = 900;  // no height left
    EXPECT_TRUE(charaShadowRect(*game, p1()).empty());
    drawCharaShadow(*game, p1(), engine().attackEffectSurface);
    p1().posY = 560;  // width and height both inverted
    const Rect r = charaShadowRect(*game, p1());
    EXPECT_LT(r.right, r.left);
    EXPECT_LT(r.bottom, r.top);
    drawCharaShadow(*game, p1(), engine().attackEffectSurface);
    EXPECT_EQ(count(20), 0);
}

struct RenderSprites : RenderCamera {
    void SetUp() override {
        RenderCamera::SetUp();
        // Every 200 px cell of both sheets: player 1's left half 11, right half 12;
        // player 2's all 13.
        engine().charaSurface1 = Surface8(2400, 2400);
        for (int32_t x = 0; x < 2400; x += 200) {
            engine().charaSurface1.fillRect(rectXYWH(x, 0, 100, 2400), 11);
            engine().charaSurface1.fillRect(rectXYWH(x + 100, 0, 100, 2400), 12);
        }
        engine().charaSurface2 = Surface8(2400, 2400);
        engine().charaSurface2.fill(13);
        for (Character* c : {&p1(), &p2()}) {
            c->NUMBER = 0;
            c->animPat = 0;
            c->posX = 300;
            c->posY = 1500;
            c->dirStand = 1;
        }
        battle().scrollX = -100;
        battle().scrollY = -1400;
    }
    uint8_t topPixel() { return back().at(250, 150); }
};

TEST_F(RenderSprites, SmallerAbsoluteStateIsDrawnOnTop) {
    p1().sTate = 1;
    p2().sTate = 1;
    drawFighters(*game, p1(), p2());
    EXPECT_EQ(topPixel(), 11) << "equal states: player 1 on top";
    p1().sTate = stHit;
    p2().sTate = stAttack;
    drawFighters(*game, p1(), p2());
    EXPECT_EQ(topPixel(), 13) << "an attacking fighter over one in a hit reaction";
    p1().sTate = stAttack;
    p2().sTate = stLyingDown;
    drawFighters(*game, p1(), p2());
    EXPECT_EQ(topPixel(), 11);
}

TEST_F(RenderSprites, FacingLeftMirrorsInTheSameRectangle) {
    // Split the fighter's current cell in a left (11) and a right (12) half.
    Rect cell{};
    Character probe = p1();
    animPatternDispatch(*game, cell, probe);
    ASSERT_FALSE(cell.empty());
    const int32_t half = cell.width() / 2;
    engine().charaSurface1.fillRect(Rect{cell.left, cell.top, cell.left + half, cell.bottom}, 11);
    engine().charaSurface1.fillRect(Rect{cell.left + half, cell.top, cell.right, cell.bottom}, 12);
    auto both = [&] {
        Rect r = *find(11);
        const Rect o = *find(12);
        return Rect{std::min(r.left, o.left), std::min(r.top, o.top), std::max(r.right, o.right),
                    std::max(r.bottom, o.bottom)};
    };
    Character other;
    drawCharaSprite(*game, p1(), other, engine().charaSurface1);
    EXPECT_EQ(both(), (Rect{200, 100, 400, 300}));
    EXPECT_EQ(back().at(200, 150), 11);
    EXPECT_EQ(back().at(399, 150), 12);
    clearBack();
    p1().dirStand = -1;
    drawCharaSprite(*game, p1(), other, engine().charaSurface1);
    EXPECT_EQ(both(), (Rect{200, 100, 400, 300}));
    EXPECT_EQ(back().at(200, 150), 12);
    EXPECT_EQ(back().at(399, 150), 11);
}

TEST_F(RenderSprites, StarsThenEffectsGoOverTheFighters) {
    paint(1561, 831, 37, 27, 81);       // dizzy star
    paint(1551, 1201, 148, 148, 50);    // effect 15
    p1().stunSwitch = 2;
    p1().sTate = 1;
    p2().sTate = 1;
    drawFighters(*game, p1(), p2());
    // The star of a dizzy fighter stands over its middle: (275, 150)-(325, 190).
    EXPECT_EQ(back().at(300, 170), 81);
    Splite& sp = p2().returningOneSplite();
    sp.posX = 380;
    sp.posY = 1560;
    sp.Width = 40;
    sp.Height = 40;
    sp.dirStand = 1;
    sp.animPat = 15;
    drawFighters(*game, p1(), p2());
    EXPECT_EQ(back().at(300, 170), 50);
    EXPECT_EQ(sp.animPat, 15) << "one frame does not end its first picture";
}

TEST_F(RenderSprites, UnknownFighterDrawsNothing) {
    p1().NUMBER = 42;
    Character other;
    drawCharaSprite(*game, p1(), other, engine().charaSurface1);
    EXPECT_FALSE(find(11).has_value());
    EXPECT_FALSE(find(12).has_value());
}

}  // namespace
}  // namespace morvek::testing
