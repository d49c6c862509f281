#include <gtest/gtest.h>

#include <climits>
#include <new>

#include "platform/Platform.h"

using namespace morvek;

TEST(PlatformCommon, DefaultPaletteHoldsTheStaticColoursAndBlackElsewhere) {
    const Palette p = defaultSystemPalette();
    EXPECT_EQ(p[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[1], (Rgb{128, 0, 0}));
    EXPECT_EQ(p[2], (Rgb{0, 128, 0}));
    EXPECT_EQ(p[3], (Rgb{128, 128, 0}));
    EXPECT_EQ(p[4], (Rgb{0, 0, 128}));
    EXPECT_EQ(p[5], (Rgb{128, 0, 128}));
    EXPECT_EQ(p[6], (Rgb{0, 128, 128}));
    EXPECT_EQ(p[7], (Rgb{192, 192, 192}));
    EXPECT_EQ(p[8], (Rgb{192, 220, 192}));
    EXPECT_EQ(p[9], (Rgb{166, 202, 240}));
    EXPECT_EQ(p[246], (Rgb{255, 251, 240}));
    EXPECT_EQ(p[247], (Rgb{160, 160, 164}));
    EXPECT_EQ(p[248], (Rgb{128, 128, 128}));
    EXPECT_EQ(p[249], (Rgb{255, 0, 0}));
    EXPECT_EQ(p[250], (Rgb{0, 255, 0}));
    EXPECT_EQ(p[251], (Rgb{255, 255, 0}));
    EXPECT_EQ(p[252], (Rgb{0, 0, 255}));
    EXPECT_EQ(p[253], (Rgb{255, 0, 255}));
    EXPECT_EQ(p[254], (Rgb{0, 255, 255}));
    EXPECT_EQ(p[255], (Rgb{255, 255, 255}));
    for (int i = 10; i <= 245; ++i) EXPECT_EQ(p[i], (Rgb{0, 0, 0})) << "entry " << i;
}

TEST(PlatformCommon, NearestIndexTakesTheClosestColourAndTheLowestIndexOnATie) {
    const Palette sys = defaultSystemPalette();
    // The loading text's magenta is an exact entry.
    EXPECT_EQ(nearestPaletteIndex(sys, {255, 0, 255}), 253);
    EXPECT_EQ(nearestPaletteIndex(sys, {250, 10, 240}), 253);
    // Black is in entries 0 and 10..245: the first wins.
    EXPECT_EQ(nearestPaletteIndex(sys, {0, 0, 0}), 0);
    // (64,0,0) is 64^2 from both black (0) and dark red (1).
    EXPECT_EQ(nearestPaletteIndex(sys, {64, 0, 0}), 0);
    EXPECT_EQ(nearestPaletteIndex(sys, {65, 0, 0}), 1);

    Palette p{};
    for (auto& c : p) c = {200, 200, 200};
    p[40] = {10, 0, 0};
    p[7] = {30, 0, 0};  // equally far from (20,0,0) as entry 40, but lower
    EXPECT_EQ(nearestPaletteIndex(p, {20, 0, 0}), 7);
    // Squared distance, not the summed difference: from black, (60,0,0) is 3600 away
    // (sum 60) and (35,35,0) is 2450 away (sum 70).
    Palette q{};
    for (auto& c : q) c = {255, 255, 255};
    q[100] = {60, 0, 0};
    q[101] = {35, 35, 0};
    EXPECT_EQ(nearestPaletteIndex(q, {0, 0, 0}), 101);
}

TEST(PlatformCommon, MusicVolumeFollowsTheDecibelCurveAndClamps) {
    EXPECT_EQ(musicVolumeToMixer(1000), 128);
    EXPECT_EQ(musicVolumeToMixer(500), 72);
    EXPECT_EQ(musicVolumeToMixer(0), 40);
    EXPECT_EQ(musicVolumeToMixer(900), 114);   // 128 * 10^-0.05 = 114.08
    EXPECT_EQ(musicVolumeToMixer(-1000), 13);  // 12.8 rounds up
    EXPECT_EQ(musicVolumeToMixer(1001), 128);
    EXPECT_EQ(musicVolumeToMixer(5000), 128);
    EXPECT_EQ(musicVolumeToMixer(INT32_MAX), 128);
    EXPECT_EQ(musicVolumeToMixer(-10000), 0);
    EXPECT_EQ(musicVolumeToMixer(INT32_MIN), 0);
}

TEST(PlatformCommon, EveryFailureEndsInOneLineAndStatusOneNeverAnAbort) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(exitStatusOf("morvek", [] { throw std::bad_alloc(); }), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "morvek: std::bad_alloc\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(exitStatusOf("morvek", [] { throw PlatformError("cannot read file SCORE"); }), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "morvek: cannot read file SCORE\n");
    // The player quitting is no failure.
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(exitStatusOf("morvek", [] { throw GameExitRequest(); }), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}
