// GINZAMURAI's selects and typing-combo steps: the key map in both facings, the guard
// column, the turned low slashes, jumps without jumps left, and the combo words.

#include "ginzamurai_fixture.h"

namespace morvek::ginzamurai_test {
namespace {

using GinzamuraiSelects = GinzamuraiTest;

constexpr int16_t kUntouchedCounter = -99;
constexpr double kUntouched = 0.5;

struct KeyCase {
    int16_t key;
    int16_t facing;
    int16_t pattern;  // 0: nothing started
    int16_t facingAfter;
    double slide;     // kUntouched: not written
    int16_t counter;  // kUntouchedCounter: not written
    double up;        // kUntouched: not written
};

const KeyCase kAttackKeys[] = {
    // number row: 大車輪 with the high jump
    {1, 1, 260, 1, -4, kUntouchedCounter, 10}, {3, 1, 260, 1, 0, kUntouchedCounter, 10},
    {10, 1, 260, 1, 10, kUntouchedCounter, 10}, {1, -1, 260, -1, -10, kUntouchedCounter, 10},
    {8, -1, 260, -1, 0, kUntouchedCounter, 10},
    // Q row
    {11, 1, 260, 1, -4, kUntouchedCounter, 7}, {13, 1, 380, 1, kUntouched, kUntouchedCounter, kUntouched},
    {14, 1, 200, 1, kUntouched, kUntouchedCounter, kUntouched}, {15, 1, 530, 1, kUntouched, kUntouchedCounter, kUntouched},
    {16, 1, 260, 1, 6, kUntouchedCounter, 7}, {18, -1, 380, -1, kUntouched, kUntouchedCounter, kUntouched},
    {16, -1, 530, -1, kUntouched, kUntouchedCounter, kUntouched}, {20, -1, 260, -1, 4, kUntouchedCounter, 7},
    // A row
    {21, 1, 640, 1, kUntouched, kUntouchedCounter, kUntouched}, {22, 1, 590, 1, kUntouched, kUntouchedCounter, kUntouched},
    {23, 1, 0, 1, kUntouched, kUntouchedCounter, kUntouched}, {24, 1, 240, 1, kUntouched, kUntouchedCounter, kUntouched},
    {25, 1, 210, 1, kUntouched, kUntouchedCounter, kUntouched}, {26, 1, 20, 1, kUntouched, kUntouchedCounter, kUntouched},
    {27, 1, 650, 1, kUntouched, 0, kUntouched}, {28, 1, 650, 1, kUntouched, 5, kUntouched},
    {29, 1, 650, 1, kUntouched, 12, kUntouched}, {30, 1, 580, 1, kUntouched, kUntouchedCounter, kUntouched},
    {28, -1, 0, -1, kUntouched, kUntouchedCounter, kUntouched}, {30, -1, 640, -1, kUntouched, kUntouchedCounter, kUntouched},
    {21, -1, 580, -1, kUntouched, kUntouchedCounter, kUntouched}, {22, -1, 650, -1, kUntouched, 12, kUntouched},
    {25, -1, 20, -1, kUntouched, kUntouchedCounter, kUntouched},
    // Z row: "Z" and "X" (facing left "." and "/") turn before the low slashes
    {31, 1, 250, -1, kUntouched, kUntouchedCounter, kUntouched}, {32, 1, 270, -1, kUntouched, kUntouchedCounter, kUntouched},
    {33, 1, 0, 1, kUntouched, kUntouchedCounter, kUntouched}, {34, 1, 270, 1, kUntouched, kUntouchedCounter, kUntouched},
    {35, 1, 250, 1, kUntouched, kUntouchedCounter, kUntouched}, {36, 1, 220, 1, 6, kUntouchedCounter, 3},
    {40, 1, 220, 1, 10, kUntouchedCounter, 3}, {40, -1, 250, 1, kUntouched, kUntouchedCounter, kUntouched},
    {39, -1, 270, 1, kUntouched, kUntouchedCounter, kUntouched}, {38, -1, 0, -1, kUntouched, kUntouchedCounter, kUntouched},
    {31, -1, 220, -1, -10, kUntouchedCounter, 3},
    // off the grid
    {0, 1, 0, 1, kUntouched, kUntouchedCounter, kUntouched}, {41, 1, 0, 1, kUntouched, kUntouchedCounter, kUntouched},
};

const KeyCase kMoveKeys[] = {
    // jumps: number row 14, Q row 8; the guard column jumps straight up
    {1, 1, 130, 1, -2, kUntouchedCounter, 14}, {3, 1, 150, 1, 0, kUntouchedCounter, 14},
    {10, 1, 130, 1, 7, kUntouchedCounter, 14}, {14, 1, 130, 1, 1, kUntouchedCounter, 8},
    {18, -1, 150, -1, 0, kUntouchedCounter, 8}, {11, -1, 130, -1, -7, kUntouchedCounter, 8},
    // A row
    {21, 1, 70, 1, -10, kUntouchedCounter, kUntouched}, {22, 1, 100, 1, kUntouched, -10, kUntouched},
    {23, 1, 0, 1, kUntouched, kUntouchedCounter, kUntouched}, {24, 1, 100, 1, kUntouched, 10, kUntouched},
    {25, 1, 75, 1, 5, kUntouchedCounter, kUntouched}, {29, 1, 75, 1, 9, kUntouchedCounter, kUntouched},
    {30, 1, 90, 1, kUntouched, 10, kUntouched}, {21, -1, 90, -1, kUntouched, 10, kUntouched},
    {27, -1, 100, -1, kUntouched, 10, kUntouched}, {29, -1, 100, -1, kUntouched, -10, kUntouched},
    {28, -1, 0, -1, kUntouched, kUntouchedCounter, kUntouched}, {30, -1, 70, -1, 10, kUntouchedCounter, kUntouched},
    // Z row: not mirrored; the guard key hops on the spot
    {31, 1, 70, 1, -10, kUntouchedCounter, kUntouched}, {32, 1, 70, 1, -8, kUntouchedCounter, kUntouched},
    {33, 1, 70, 1, 0, kUntouchedCounter, kUntouched}, {34, 1, 70, 1, 8, kUntouchedCounter, kUntouched},
    {40, 1, 70, 1, 20, kUntouchedCounter, kUntouched}, {31, -1, 70, -1, -10, kUntouchedCounter, kUntouched},
    {37, -1, 70, -1, -4, kUntouchedCounter, kUntouched}, {38, -1, 70, -1, 0, kUntouchedCounter, kUntouched},
    {39, -1, 70, -1, 4, kUntouchedCounter, kUntouched}, {40, -1, 70, -1, 5, kUntouchedCounter, kUntouched},
};

class GinzamuraiKeys : public GinzamuraiTest {
protected:
    void check(const KeyCase& k, bool attack) {
        SCOPED_TRACE(testing::Message() << (attack ? "attack" : "move") << " key " << k.key
                                        << " facing " << k.facing);
        place(p1, 300, k.facing, true);
        animChange(game, 1, p1);
        p1.slideVector = kUntouched;
        p1.upVector = kUntouched;
        p1.counTer = kUntouchedCounter;
        if (attack) moves().AttackSelect(game, p1, k.key);
        else moves().MoveSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern == 0 ? 1 : k.pattern);
        EXPECT_EQ(p1.dirStand, k.facingAfter);
        EXPECT_DOUBLE_EQ(p1.slideVector, k.slide == kUntouched ? kUntouched : k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_DOUBLE_EQ(p1.upVector, k.up);
    }
};

TEST_F(GinzamuraiKeys, AttackSelectFollowsTheKeyMapMirroredByFacing) {
    for (const KeyCase& k : kAttackKeys) check(k, true);
}

TEST_F(GinzamuraiKeys, MoveSelectFollowsTheKeyMapWithItsUnevenBottomRow) {
    for (const KeyCase& k : kMoveKeys) check(k, false);
}

TEST_F(GinzamuraiSelects, JumpsUseUpTheJumpCount) {
    p1.airialJumpCount = 1;
    p1.fallVector = 3;
    moves().AttackSelect(game, p1, 5);
    EXPECT_EQ(p1.airialJumpCount, 0);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.upVector, 10);

    // No jump left: the slash still starts, drifting, but without the kick upward.
    p1.upVector = 0;
    p1.fallVector = 3;
    moves().AttackSelect(game, p1, 10);
    EXPECT_EQ(p1.animPat, 260);
    EXPECT_DOUBLE_EQ(p1.slideVector, 10);
    EXPECT_EQ(p1.upVector, 0);
    EXPECT_EQ(p1.fallVector, 3);
    EXPECT_EQ(p1.airialJumpCount, 0);
    moves().MoveSelect(game, p1, 13);
    EXPECT_EQ(p1.animPat, 150);
    EXPECT_EQ(p1.upVector, 0);
}

TEST_F(GinzamuraiSelects, WalkDirectionFlag) {
    moves().MoveSelect(game, p1, 22);
    EXPECT_EQ(p1.AorMflag, 1);
    moves().MoveSelect(game, p1, 24);
    EXPECT_EQ(p1.AorMflag, 0);
}

TEST_F(GinzamuraiSelects, FollowUpWordLeadsIntoEachOpeningsArt) {
    const std::pair<int16_t, int16_t> kFollow[] = {{210, 242}, {310, 710}, {500, 510}, {530, 20},
                                                   {630, 610}, {720, 730}, {740, 740}, {750, 755}};
    for (const auto& [opening, art] : kFollow) {
        animChange(game, 1, p1);
        p1.enableAction = true;
        p1.TPCNumber = opening;
        moves().TPCFollow(game, p1);
        EXPECT_EQ(p1.animPat, art) << opening;
        // Out of the air hit the neutral bookkeeping runs after the art has started.
        if (opening != 310) {
            EXPECT_FALSE(p1.enableAction) << opening;
        }
    }
    // An unknown number only takes the action away.
    animChange(game, 1, p1);
    p1.enableAction = true;
    p1.TPCNumber = 820;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 1);
    EXPECT_FALSE(p1.enableAction);
}

TEST_F(GinzamuraiSelects, CrossSlashRestartsItself) {
    animChange(game, 741, p1);
    p1.animTimer = 3;
    p1.wavSndFlag = true;
    p1.TPCNumber = 740;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 740);
    EXPECT_EQ(p1.animTimer, 0);
    EXPECT_FALSE(p1.wavSndFlag);
}

TEST_F(GinzamuraiSelects, SecondWordHopsBackOrUpOutOfAnAirHit) {
    p1.TPCNumber = 210;
    p1.upVector = 1;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_DOUBLE_EQ(p1.slideVector, -10);
    EXPECT_EQ(p1.upVector, 1);
    EXPECT_EQ(timesPlayed(119), 0);

    p1.dirStand = -1;
    p1.slideVector = 2;
    p1.fallVector = 6;
    p1.TPCNumber = 310;
    p1.wavSndFlag = true;  // played directly, not once per pattern
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_DOUBLE_EQ(p1.slideVector, 2);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.upVector, 5);
    EXPECT_EQ(timesPlayed(119), 1);
}

}  // namespace
}  // namespace morvek::ginzamurai_test
