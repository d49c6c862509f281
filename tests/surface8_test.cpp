#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "platform/Surface8.h"

using namespace morvek;

namespace {

/// A source whose every pixel tells where it came from: 1 + x + 16*y (never 0).
Surface8 numbered(int32_t w, int32_t h) {
    Surface8 s(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) s.set(x, y, static_cast<uint8_t>(1 + x + 16 * y));
    return s;
}

uint8_t srcAt(int32_t x, int32_t y) { return static_cast<uint8_t>(1 + x + 16 * y); }

/// The blitting rule pixel by pixel, as slowly and plainly as possible.
void referenceBlit(Surface8& dst, const Rect& d, const Surface8& src, const Rect& s,
                   unsigned flags) {
    if (d.empty() || s.empty() || s.left < 0 || s.top < 0 || s.right > src.width() ||
        s.bottom > src.height())
        return;
    const int64_t dw = int64_t{d.right} - d.left, dh = int64_t{d.bottom} - d.top;
    const int64_t sw = s.width(), sh = s.height();
    for (int32_t y = 0; y < dst.height(); ++y) {
        for (int32_t x = 0; x < dst.width(); ++x) {
            if (x < d.left || x >= d.right || y < d.top || y >= d.bottom) continue;
            const int64_t i = x - int64_t{d.left}, j = y - int64_t{d.top};
            const int64_t fx = i * sw / dw;
            const int64_t sx = (flags & BlitMirror) ? s.right - 1 - fx : s.left + fx;
            const int64_t sy = s.top + j * sh / dh;
            const uint8_t v = src.at(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
            if ((flags & BlitKeyed) && v == 0) continue;
            dst.set(x, y, v);
        }
    }
}

bool same(const Surface8& a, const Surface8& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int32_t y = 0; y < a.height(); ++y)
        for (int32_t x = 0; x < a.width(); ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}

Surface8 filledWith(int32_t w, int32_t h, uint8_t v) {
    Surface8 s(w, h);
    s.fill(v);
    return s;
}

}  // namespace

TEST(Surface8Basics, CreatedZeroFilledAndFillStoresLowByte) {
    Surface8 s(7, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(s.at(x, y), 0);

    s.fill(0xFFFFFF);  // RGB(255,255,255)
    EXPECT_EQ(s.at(3, 2), 255);
    s.fill(0x123456);
    EXPECT_EQ(s.at(0, 0), 0x56);

    s.fill(0);
    s.fillRect(Rect{-2, 3, 2, 99}, 0xABCD09);  // clipped at left and bottom
    EXPECT_EQ(s.at(0, 3), 9);
    EXPECT_EQ(s.at(1, 4), 9);
    EXPECT_EQ(s.at(2, 4), 0);  // right edge exclusive
    EXPECT_EQ(s.at(0, 2), 0);

    Surface8 before = s;
    s.fillRect(Rect{5, 1, 3, 4}, 7);  // inverted
    s.fillRect(Rect{2, 2, 2, 4}, 7);  // empty
    s.fillRect(Rect{9, 0, 20, 5}, 7); // wholly outside
    EXPECT_TRUE(same(s, before));

    EXPECT_TRUE(Surface8(-3, 4).isEmpty());
}

TEST(Surface8Blit, ClippingAtEachEdgeKeepsProportionalMapping) {
    const Surface8 src = numbered(8, 6);
    // A 2x stretch of a 4x3 source so that clipping by an odd amount lands mid-pixel.
    const Rect s{2, 1, 6, 4};
    const Rect cases[] = {
        {-3, 2, 5, 8},     // past the left edge
        {4, -5, 12, 1},    // past the top edge
        {15, 3, 23, 9},    // past the right edge (surface is 20 wide)
        {6, 10, 14, 16},   // past the bottom edge (surface is 12 high)
        {-7, -9, 27, 21},  // past all four
    };
    for (const Rect& d : cases) {
        for (unsigned flags : {0u, 2u}) {
            Surface8 got = filledWith(20, 12, 200);
            Surface8 want = got;
            blit(got, d, src, s, flags);
            referenceBlit(want, d, src, s, flags);
            EXPECT_TRUE(same(got, want)) << d.left << "," << d.top << " flags " << flags;
        }
    }

    // Spelled out for the left edge: destination x 0 is i = 3 of 8, reading 2 + 3*4/8 = 3;
    // mirrored it reads 6 - 1 - 1 = 4.
    Surface8 dst(20, 12);
    blit(dst, Rect{-3, 2, 5, 8}, src, s, BlitCopy);
    EXPECT_EQ(dst.at(0, 2), srcAt(3, 1));
    EXPECT_EQ(dst.at(1, 2), srcAt(4, 1));
    EXPECT_EQ(dst.at(4, 7), srcAt(5, 3));
    EXPECT_EQ(dst.at(5, 2), 0);
    blit(dst, Rect{-3, 2, 5, 8}, src, s, BlitMirror);
    EXPECT_EQ(dst.at(0, 2), srcAt(4, 1));
    EXPECT_EQ(dst.at(4, 2), srcAt(2, 1));

    // Top edge: row 0 is j = 5 of 6, reading 1 + 5*3/6 = 3.
    Surface8 top(20, 12);
    blit(top, Rect{4, -5, 12, 1}, src, s, BlitCopy);
    EXPECT_EQ(top.at(4, 0), srcAt(2, 3));
    EXPECT_EQ(top.at(4, 1), 0);
}

TEST(Surface8Blit, StretchSamplesExactly) {
    const Surface8 src = numbered(7, 7);
    Surface8 dst(16, 16);
    // Up: 3 -> 7 columns read 0,0,0,1,1,2,2.
    blit(dst, Rect{0, 0, 7, 1}, src, Rect{0, 0, 3, 1}, BlitCopy);
    const int up[] = {0, 0, 0, 1, 1, 2, 2};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(dst.at(x, 0), srcAt(up[x], 0)) << x;
    // Down: 7 -> 3 columns read 0,2,4; 7 -> 2 rows read 0,3.
    blit(dst, Rect{0, 2, 3, 4}, src, Rect{0, 0, 7, 7}, BlitCopy);
    EXPECT_EQ(dst.at(0, 2), srcAt(0, 0));
    EXPECT_EQ(dst.at(1, 2), srcAt(2, 0));
    EXPECT_EQ(dst.at(2, 3), srcAt(4, 3));
    // Mirrored 3 -> 7 reads 2,2,2,1,1,0,0 (srcRight - 1 - floor(i*sw/dw)).
    blit(dst, Rect{0, 5, 7, 6}, src, Rect{0, 0, 3, 1}, BlitMirror);
    const int mir[] = {2, 2, 2, 1, 1, 0, 0};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(dst.at(x, 5), srcAt(mir[x], 0)) << x;
}

TEST(Surface8Blit, EmptyInvertedAndOutsideRectanglesDrawNothing) {
    const Surface8 src = numbered(8, 8);
    const Surface8 blank = filledWith(10, 10, 99);
    const Rect okDst{1, 1, 5, 5}, okSrc{0, 0, 4, 4};
    const Rect badDst[] = {{5, 1, 1, 5}, {1, 5, 5, 1}, {3, 1, 3, 5}, {1, 3, 5, 3},
                           {20, 20, 30, 30}, {-30, 0, -10, 5}};
    const Rect badSrc[] = {{4, 0, 0, 4}, {0, 4, 4, 0}, {2, 2, 2, 4},
                           {-1, 0, 3, 4},   // partly left of the surface
                           {5, 0, 9, 4},    // partly right
                           {0, 6, 4, 9},    // partly below
                           {20, 20, 24, 24}};
    for (unsigned flags = 0; flags < 4; ++flags) {
        for (const Rect& d : badDst) {
            Surface8 dst = blank;
            blit(dst, d, src, okSrc, flags);
            EXPECT_TRUE(same(dst, blank));
        }
        for (const Rect& s : badSrc) {
            Surface8 dst = blank;
            blit(dst, okDst, src, s, flags);
            blitAt(dst, 1, 1, src, s, flags);
            EXPECT_TRUE(same(dst, blank)) << s.left << "," << s.top;
        }
    }
    Surface8 self = blank;
    blitSelf(self, okDst, Rect{8, 0, 12, 4});
    EXPECT_TRUE(same(self, blank));
}

TEST(Surface8Blit, KeyZeroIsTransparentOnlyWhenKeyed) {
    Surface8 src(4, 1);
    src.set(0, 0, 5);
    src.set(2, 0, 7);  // 1 and 3 stay 0
    Surface8 dst = filledWith(8, 2, 50);

    blit(dst, Rect{0, 0, 4, 1}, src, src.bounds(), BlitKeyed);
    EXPECT_EQ(dst.at(0, 0), 5);
    EXPECT_EQ(dst.at(1, 0), 50);
    EXPECT_EQ(dst.at(2, 0), 7);
    EXPECT_EQ(dst.at(3, 0), 50);

    // Keyed, mirrored and stretched 2x: columns read 3,3,2,2,1,1,0,0.
    blit(dst, Rect{0, 1, 8, 2}, src, src.bounds(), BlitKeyed | BlitMirror);
    const uint8_t want[] = {50, 50, 7, 7, 50, 50, 5, 5};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(dst.at(x, 1), want[x]) << x;

    blitAt(dst, 4, 0, src, src.bounds(), BlitCopy);  // unkeyed: zeros are copied
    EXPECT_EQ(dst.at(5, 0), 0);
    EXPECT_EQ(dst.at(6, 0), 7);
}

TEST(Surface8Blit, MatchesTheRuleForEveryFlagCombination) {
    // Long rows with zero runs exercise the wide inner loops, odd sizes their tails.
    std::mt19937 rng(12345);
    Surface8 src(97, 61);
    for (int32_t y = 0; y < src.height(); ++y)
        for (int32_t x = 0; x < src.width(); ++x)
            src.set(x, y, static_cast<uint8_t>(rng() % 3 == 0 ? 0 : rng() % 256));
    auto coord = [&](int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); };
    int drawn = 0;
    for (int n = 0; n < 300; ++n) {
        const Rect s{coord(-2, 60), coord(-2, 40), coord(0, 99), coord(0, 63)};
        const Rect d{coord(-150, 150), coord(-100, 100), coord(-50, 300), coord(-50, 200)};
        const unsigned flags = rng() % 4;
        Surface8 got = filledWith(133, 77, 9);
        Surface8 want = got;
        blit(got, d, src, s, flags);
        referenceBlit(want, d, src, s, flags);
        ASSERT_TRUE(same(got, want)) << "case " << n;
        drawn += same(got, filledWith(133, 77, 9)) ? 0 : 1;
    }
    EXPECT_GT(drawn, 50);  // the cases are not all rejected ones
}

TEST(Surface8Blit, FarAwayAndExtremeRectanglesAreSafe) {
    const Surface8 src = numbered(10, 4);
    Surface8 dst(640, 480);
    // A beam starting at x -913, 1000 wide (stretched from 10): only its tail shows.
    blit(dst, Rect{-913, 0, 87, 4}, src, src.bounds(), BlitCopy);
    EXPECT_EQ(dst.at(0, 0), srcAt(9, 0));    // i = 913 reads 913*10/1000 = 9
    EXPECT_EQ(dst.at(86, 3), srcAt(9, 3));
    EXPECT_EQ(dst.at(87, 0), 0);
    Surface8 before = dst;
    blit(dst, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, src, src.bounds(), BlitKeyed);
    blitAt(dst, INT32_MAX - 2, 0, src, src.bounds(), BlitCopy);
    blitAt(dst, INT32_MIN, INT32_MIN, src, src.bounds(), BlitCopy);
    // The huge rectangle covers everything; it must equal the rule, not crash.
    Surface8 want = before;
    referenceBlit(want, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, src, src.bounds(),
                  BlitKeyed);
    EXPECT_TRUE(same(dst, want));
}

TEST(Surface8Blit, SelfCopyEqualsCopyThroughTemporary) {
    Surface8 s = numbered(16, 12);
    // Zoom view: the middle part stretched over an overlapping, larger area.
    const Rect from{3, 2, 11, 8}, to{0, 0, 16, 12};
    Surface8 want = s;
    const Surface8 temp = s;
    blit(want, to, temp, from, BlitCopy);
    blitSelf(s, to, from);
    EXPECT_TRUE(same(s, want));

    // Shrinking onto an overlapping area to the lower right, and a plain blit of a
    // surface onto itself, behave the same way.
    Surface8 a = numbered(16, 12), b = a;
    blitSelf(a, Rect{5, 4, 13, 10}, Rect{2, 1, 16, 12});
    Surface8 c = b;
    blit(b, Rect{5, 4, 13, 10}, c, Rect{2, 1, 16, 12}, BlitCopy);
    EXPECT_TRUE(same(a, b));
    Surface8 d = numbered(16, 12);
    blit(d, Rect{5, 4, 13, 10}, d, Rect{2, 1, 16, 12}, BlitCopy);
    EXPECT_TRUE(same(d, b));
}

TEST(Surface8Circle, RingHasRadiusAndWidth) {
    Surface8 s(100, 100);
    drawCircle(s, 50, 50, 20, 1, 253);
    EXPECT_EQ(s.at(70, 50), 253);
    EXPECT_EQ(s.at(30, 50), 253);
    EXPECT_EQ(s.at(50, 30), 253);
    EXPECT_EQ(s.at(50, 70), 253);
    EXPECT_EQ(s.at(69, 50), 0);
    EXPECT_EQ(s.at(71, 50), 0);
    EXPECT_EQ(s.at(50, 50), 0);
    // 45 degrees: 20/sqrt(2) = 14.14
    EXPECT_EQ(s.at(64, 64), 253);

    Surface8 w(100, 100);
    drawCircle(w, 50, 50, 20, 3, 253);  // the super-art ring
    for (int x = 69; x <= 71; ++x) EXPECT_EQ(w.at(x, 50), 253) << x;
    EXPECT_EQ(w.at(68, 50), 0);
    EXPECT_EQ(w.at(72, 50), 0);
    EXPECT_EQ(w.at(29, 50), 253);
    EXPECT_EQ(w.at(50, 50), 0);

    // The first frame of the ring has radius 0: a dot, no hole.
    Surface8 dot(10, 10);
    drawCircle(dot, 5, 5, 0, 3, 253);
    EXPECT_EQ(dot.at(5, 5), 253);
    EXPECT_EQ(dot.at(6, 5), 253);
    EXPECT_EQ(dot.at(7, 5), 0);
}

TEST(Surface8Circle, ClippedAtEveryEdge) {
    Surface8 s(640, 480);
    drawCircle(s, 320, 240, 380, 3, 253);  // largest ring: crosses all four edges
    EXPECT_EQ(s.at(320, 0), 0);            // inside the ring
    // where the ring crosses the top edge: dx^2 = 380^2 - 240^2, dx = 294.6
    EXPECT_EQ(s.at(320 + 295, 0), 253);
    EXPECT_EQ(s.at(320 - 295, 0), 253);
    EXPECT_EQ(s.at(320 + 290, 0), 0);

    Surface8 t(640, 480);
    drawCircle(t, -10, 240, 30, 3, 7);  // centre off the left edge
    // At x 0, dx = 10: ink where 28.5 <= d <= 31.5, so |dy| in 26.7..29.9 -> rows 27..29.
    for (int dy = 27; dy <= 29; ++dy) {
        EXPECT_EQ(t.at(0, 240 - dy), 7) << dy;
        EXPECT_EQ(t.at(0, 240 + dy), 7) << dy;
    }
    EXPECT_EQ(t.at(0, 240 - 26), 0);
    EXPECT_EQ(t.at(0, 240 + 30), 0);
    EXPECT_EQ(t.at(0, 240), 0);
    drawCircle(t, 5000, -5000, 100, 3, 7);  // nowhere near: nothing, no crash
    drawCircle(t, 0, 0, INT32_MAX / 4, 3, 7);
    drawCircle(t, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, 7);
    drawCircle(t, 10, 10, -1, 3, 7);
    SUCCEED();
}
