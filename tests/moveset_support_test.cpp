// What every move set leans on: the attack table that must name a missing row instead of
// reading nothing, and the computer's word pick that stays inside its list.

#include <gtest/gtest.h>

#include "engine/Basic.h"
#include "movesets/AttackTable.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace {

constexpr AttackEntry kRows[] = {
    {21, {2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0, 25, 16, 4, false, 18, 8, false}},
    {patterns(30, 32), {3, 11, 0, 0, 40, 40, 5, 0, 0, 0, 0, 0, 0, 0, 0, 5, 1, 0, false, 2, 3, false}},
};
constexpr AttackTable kTable{"GOUDA", kRows};

TEST(AttackTable, PatternThatStrikesWithoutARowStopsNamingFighterAndPattern) {
    EXPECT_EQ(&kTable.at(31), &kRows[1].row);
    EXPECT_EQ(kTable.find(25), nullptr);
    try {
        kTable.at(25);
        ADD_FAILURE() << "no error for a pattern without a row";
    } catch (const MissingAttackRow& e) {
        EXPECT_STREQ(e.what(), "GOUDA: pattern 25 strikes but has no attack row");
    }
    EXPECT_THROW(requireAttackRow(nullptr, "BETABOY", 211), MissingAttackRow);
}

TEST(ComputerWordPick, EqualChancesAndNeverPastTheList) {
    constexpr int16_t kWords[] = {1, 3, 4};
    Random random;
    random.script({0.0, 0.34, 0.67, 0.999999, 1.0, 7.5, -0.5});
    EXPECT_EQ(pickWord(random, kWords), 1);
    EXPECT_EQ(pickWord(random, kWords), 3);
    EXPECT_EQ(pickWord(random, kWords), 4);
    EXPECT_EQ(pickWord(random, kWords), 4);
    EXPECT_EQ(pickWord(random, kWords), 4);  // a draw the generator never makes stays inside
    EXPECT_EQ(pickWord(random, kWords), 4);
    EXPECT_EQ(pickWord(random, kWords), 1);
}

}  // namespace
}  // namespace morvek
