#include <gtest/gtest.h>

#include "engine/Basic.h"

using namespace morvek;

TEST(NumericRules, StoreRoundsHalvesToEven) {
    EXPECT_EQ(cint16(2.5), 2);
    EXPECT_EQ(cint16(3.5), 4);
    EXPECT_EQ(cint16(-2.5), -2);
    EXPECT_EQ(cint16(-3.5), -4);
    EXPECT_EQ(cint16(102.5), 102);  // 205 / 2
    EXPECT_EQ(cint16(2.4999), 2);
    EXPECT_EQ(cint16(-0.6), -1);
}

TEST(NumericRules, StoreSaturatesAtSixteenBitLimits) {
    EXPECT_EQ(cint16(32767.4), 32767);
    EXPECT_EQ(cint16(40000), 32767);
    EXPECT_EQ(cint16(-40000), -32768);
    EXPECT_EQ(cint16(1e300), 32767);
    EXPECT_EQ(cbyte(-3), 0);
    EXPECT_EQ(cbyte(255.5), 255);
    EXPECT_EQ(cbyte(127.5), 128);
}

TEST(NumericRules, IntFloorsAndFixTruncates) {
    EXPECT_EQ(Int(-0.6), -1);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Fix(-0.6), 0);
    EXPECT_EQ(Fix(-2.9), -2);
}

TEST(NumericRules, ModRoundsOperandsFirstAndKeepsDividendSign) {
    EXPECT_EQ(Mod(7, 3), 1);
    EXPECT_EQ(Mod(-7, 3), -1);
    EXPECT_EQ(Mod(7.5, 3), 2);  // 7.5 rounds to 8
    EXPECT_EQ(Mod(6.5, 2.5), 0);  // 6 mod 2
    EXPECT_EQ(Mod(5, 0), 0);
}

TEST(NumericRules, LenCountsCodePoints) {
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("ABC"), 3);
    EXPECT_EQ(Len("NOW LOADING・・・"), 14);
    EXPECT_EQ(Len("ギンザムライ"), 6);
}

TEST(RandomSource, SameSeedSameSequenceInUnitRange) {
    Random a(42), b(42);
    for (int i = 0; i < 1000; ++i) {
        const double r = a.next();
        EXPECT_EQ(r, b.next());
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

TEST(RandomSource, ScriptedValuesComeFirst) {
    Random r(1);
    Random plain(1);
    r.script({0.25, 0.75});
    EXPECT_EQ(r.next(), 0.25);
    EXPECT_EQ(r.next(), 0.75);
    EXPECT_EQ(r.next(), plain.next());
}
