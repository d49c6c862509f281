#include <gtest/gtest.h>

#include <set>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "game/Game.h"
#include "movesets/Registry.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

TEST(BattleDispatch, RegistryHasOneModulePerFighter) {
    MoveSetRegistry registry;
    registry.setMaker(&makeMoveSet);  // as the game wires it
    std::set<MoveSet*> seen;
    for (int16_t n = 0; n <= 8; ++n) {
        MoveSet* set = registry.find(n);
        ASSERT_NE(set, nullptr) << n;
        EXPECT_EQ(registry.find(n), set);  // kept for the whole run
        seen.insert(set);
    }
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_EQ(registry.find(9), nullptr);
    EXPECT_EQ(registry.find(-1), nullptr);
    EXPECT_EQ(makeMoveSet(9), nullptr);
}

TEST(BattleDispatch, NumbersOutsideTheRosterDispatchNowhere) {
    HeadlessPlatform platform;
    Game game{platform};
    for (int16_t number : {int16_t{9}, int16_t{-1}}) {
        SCOPED_TRACE(number);
        Character c;
        c.NUMBER = number;
        c.animPat = 20;
        c.fixTime = 7;
        c.nextAnim = 1;
        c.sTate = 0;
        c.zoomCount = 5;
        c.ATFnumber = 2;
        c.hitFieldLeft = 11;
        c.enableAction = true;
        c.spacornTimer = 0;
        Character other;
        Rect src{3, 4, 5, 6};

        animPatternDispatch(game, src, c);
        animActionDispatch(game, c, other);
        servantAnimAttackDispatch(game, c);
        moveSelectDispatch(game, c, 12);
        TPCFollowDispatch(game, c);
        TPCSecondDispatch(game, c);
        EXPECT_EQ(src, (Rect{3, 4, 5, 6}));
        EXPECT_EQ(c.animPat, 20);
        EXPECT_EQ(c.fixTime, 7);
        EXPECT_EQ(c.nextAnim, 1);
        EXPECT_EQ(c.zoomCount, 5);  // the pattern table never ran
        EXPECT_EQ(c.ATFnumber, 2);
        EXPECT_EQ(c.hitFieldLeft, 11);
        EXPECT_TRUE(c.enableAction);

        attackSelectDispatch(game, c, 12);  // closes the command whatever the number
        EXPECT_FALSE(c.enableAction);
        EXPECT_EQ(c.animPat, 20);
    }
}

TEST(BattleDispatch, TypingComboStepDuringASpacornRedrawsTheWordJustTyped) {
    HeadlessPlatform platform;
    Game game{platform};
    game.engine.keyCount = kNormalKeyCount;
    auto& letters = game.battle.targetLetters;
    letters = {1, 2, 3, 4, 5, 6, 7, 8};
    Character c;
    c.NUMBER = 9;
    c.inputKeyNum = 4;

    game.random.script({0.99});
    TPCFollowDispatch(game, c);  // no spacorn running: the letters stay
    EXPECT_EQ(letters[3], 4);

    c.spacornTimer = 12;
    game.random.script({0.99});
    TPCFollowDispatch(game, c);
    EXPECT_EQ(letters[3], 40);  // Int(40 * 0.99 + 1)
    EXPECT_EQ(letters[2], 3);
}
