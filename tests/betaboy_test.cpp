// BETABOY, MORVEKBOY's variant: the rows of its pattern table that differ (and that every
// other row is MORVEKBOY's), its per-frame gauge gain as the computer, the rise and drop of
// 降龍拳, its own attack frames and steps, its selects and combo steps, its shots and the
// replaced entries of the computer's decisions.

#include <string>
#include <vector>

#include "moveset_fixture.h"

#include "combat_harness.h"
#include "movesets/Betaboy.h"
#include "platform/Keys.h"

namespace morvek::combat_test {
namespace {

// ---- pattern table ----------------------------------------------------------------------

class BetaboyPatterns : public moveset_test::PatternTest<Betaboy> {
protected:
    void superArtMode() {
        chara.sPeed = 0;
        chara.sPeedEffect = 1;
    }
};

TEST_F(BetaboyPatterns, ChangedRowsWriteTheirOwnCellsHoldsAndSteps) {
    Rect r = show(22);  // 羅漢拳: another cell and a longer hold than MORVEKBOY's punch
    EXPECT_EQ(r.left, 7 * 200 + 1);
    EXPECT_EQ(r.top, 11 * 200 + 1);
    EXPECT_EQ(chara.fixTime, 18);
    EXPECT_EQ(target(), 23);

    show(210);
    EXPECT_EQ(chara.fixTime, 9);  // 2s + 3
    EXPECT_EQ(chara.ATFnumber, 1);
    EXPECT_EQ(chara.artsName, "似非鉄山");
    show(212);
    EXPECT_EQ(chara.ATFnumber, 0);
    superArtMode();
    show(210);
    EXPECT_EQ(chara.fixTime, 3);
}

TEST_F(BetaboyPatterns, SpinRepeatsOverSixPatternsHeldNothingInTheSuperArtMode) {
    show(770);
    EXPECT_EQ(chara.fixTime, 4);
    superArtMode();
    for (int16_t p = 771; p <= 776; ++p) {
        show(p);
        EXPECT_EQ(chara.fixTime, 0) << p;
        EXPECT_EQ(chara.sTate, 15);
        EXPECT_EQ(target(), p == 776 ? 771 : p + 1);
    }
}

TEST_F(BetaboyPatterns, SuperArtStagesHoldStayOrReturnToTheLanding) {
    show(746);
    EXPECT_EQ(chara.nextAnim, -665);
    EXPECT_EQ(chara.zoomCount, 5);
    EXPECT_EQ(chara.sTate, 0);

    show(735);
    EXPECT_EQ(chara.fixTime, 99);
    EXPECT_EQ(chara.nextAnim, 0);
    EXPECT_EQ(chara.artsName, "降龍拳");
    show(740);
    EXPECT_EQ(chara.sTate, 14);
    EXPECT_EQ(chara.zoomCount, 2);
    show(741);
    EXPECT_EQ(chara.zoomCount, 3);
    EXPECT_EQ(chara.nextAnim, 0);

    // The opening of the type-1 art leaves the previous move's name in place.
    chara.artsName = "羅漢拳";
    show(730);
    EXPECT_EQ(chara.artsName, "羅漢拳");

    // The type-2 opening has no charge counter; 512 steps on whatever the counter says.
    chara.counTer = 7;
    show(500);
    EXPECT_EQ(chara.zoomCount, 5);
    EXPECT_EQ(chara.counTer, 7);
    show(502);
    EXPECT_EQ(target(), 0);
    EXPECT_EQ(chara.zoomCount, 0);
    show(512);
    EXPECT_EQ(target(), 513);
    EXPECT_EQ(chara.counTer, 7);
    show(515);
    EXPECT_EQ(target(), 512);

    show(845);
    EXPECT_EQ(target(), 830);
    show(843);
    EXPECT_EQ(target(), 844);
    chara.enableAction = false;
    show(841);
    EXPECT_FALSE(chara.enableAction);
    show(842);
    EXPECT_TRUE(chara.enableAction);
}

TEST_F(BetaboyPatterns, MorvekboyPatternsItLacksAreUndefined) {
    for (int16_t p : {503, 504, 570, 572, 575, 736, 737, 742}) {
        SCOPED_TRACE(p);
        show(30);  // something to keep
        chara.fixTime = 77;
        chara.nextAnim = -5;
        chara.sTate = 9;
        chara.zoomCount = 4;
        chara.ATFnumber = 3;
        Rect r = show(p);
        EXPECT_EQ(r.left, 1);
        EXPECT_EQ(r.top, 1);
        EXPECT_EQ(r.right, 200);
        EXPECT_EQ(r.bottom, 200);
        EXPECT_EQ(chara.zoomCount, 0);
        EXPECT_EQ(chara.ATFnumber, 0);
        EXPECT_EQ(chara.fixTime, 77);
        EXPECT_EQ(chara.nextAnim, -5);
        EXPECT_EQ(chara.sTate, 9);
    }
}

/// Every pattern outside BETABOY's own and changed blocks (and the ones it lacks) is drawn
/// exactly as MORVEKBOY draws it, in both speed modes and at the counter's edges.
TEST_F(BetaboyPatterns, EveryOtherPatternIsMorvekboys) {
    const std::vector<std::pair<int, int>> differing = {
        {20, 23},   {210, 214}, {230, 232}, {500, 525}, {570, 575}, {650, 654},
        {730, 746}, {750, 776}, {790, 814}, {840, 845}};
    auto differs = [&](int p) {
        for (auto [a, b] : differing)
            if (p >= a && p <= b) return true;
        return false;
    };
    Morvekboy base;
    int compared = 0;
    for (int p = 0; p <= 951; ++p) {
        if (differs(p)) continue;
        for (int mode = 0; mode < 2; ++mode)
            for (int counter : {-1, 0, 2}) {
                Character a, b;
                for (Character* c : {&a, &b}) {
                    c->animPat = static_cast<int16_t>(p);
                    c->sPeed = mode ? 0 : 3;
                    c->sPeedEffect = static_cast<int16_t>(mode);
                    c->counTer = static_cast<int16_t>(counter);
                    c->viTality = counter > 0 ? 100 : 0;
                    c->gardFixTime = static_cast<int16_t>(counter > 0 ? 3 : 0);
                }
                Rect ra, rb;
                moves.AnimPattern(game, a, ra);
                moves.HitFieldSet(game, a);
                base.AnimPattern(game, b, rb);
                base.HitFieldSet(game, b);
                SCOPED_TRACE(p);
                EXPECT_EQ(ra.left, rb.left);
                EXPECT_EQ(ra.top, rb.top);
                EXPECT_EQ(a.fixTime, b.fixTime);
                EXPECT_EQ(a.nextAnim, b.nextAnim);
                EXPECT_EQ(a.sTate, b.sTate);
                EXPECT_EQ(a.ATFnumber, b.ATFnumber);
                EXPECT_EQ(a.hitFieldTop, b.hitFieldTop);
                EXPECT_EQ(a.zoomCount, b.zoomCount);
                EXPECT_EQ(a.counTer, b.counTer);
                EXPECT_EQ(a.artsName, b.artsName);
                EXPECT_EQ(a.enableAction, b.enableAction);
                EXPECT_EQ(a.enableGard, b.enableGard);
                ++compared;
            }
    }
    EXPECT_GT(compared, 0);
}

// ---- action script ----------------------------------------------------------------------

class BetaboyMoves : public CombatTest {
protected:
    BetaboyMoves() {
        p1.NUMBER = 8;
        p2.NUMBER = 8;
    }
    void enter(Character& c, int16_t pattern) { animChange(game, pattern, c); }
    void act(Character& c) { bb.AnimAction(game, c, &c == &p1 ? p2 : p1); }

    Betaboy bb;
};

TEST_F(BetaboyMoves, GaugeFillsByOneEveryFrameOnlyOnTheComputerSide) {
    enter(p1, 1);
    enter(p2, 1);  // no entry of its own: only the gain and the super-art mode
    for (int f = 0; f < 3; ++f) {
        act(p1);
        act(p2);
    }
    EXPECT_EQ(p1.spacornGauge, 0);
    EXPECT_EQ(p2.spacornGauge, 3);
    p2.spacornGauge = 99.5;
    act(p2);
    EXPECT_EQ(p2.spacornCount, 1);  // the frame's point fills a stock
    EXPECT_EQ(p2.spacornGauge, 0.5);
}

TEST_F(BetaboyMoves, RisingFistClimbsPast1000ThenDropsAndLands) {
    enter(p1, 735);
    p1.posY = -800;
    act(p1);
    EXPECT_EQ(p1.posY, -1000);  // not yet above -1000
    EXPECT_EQ(p1.animPat, 735);
    EXPECT_EQ(p1.upVector, 40);
    EXPECT_EQ(p1.ATFtype, 2);
    EXPECT_EQ(p1.attackPow1st, 5);
    p1.upVector = 7;
    act(p1);
    EXPECT_EQ(p1.posY, -1200);
    EXPECT_EQ(p1.animPat, 740);
    EXPECT_EQ(p1.upVector, 7);  // the rise is set once per entry

    act(p1);
    EXPECT_EQ(p1.posY, -800);
    EXPECT_EQ(p1.fallVector, 80);
    EXPECT_EQ(p1.upVector, 0);
    act(p1);
    EXPECT_EQ(p1.posY, -400);

    enter(p1, 741);
    p1.floatorStand = true;
    act(p1);
    EXPECT_EQ(p1.animPat, 741);
    EXPECT_EQ(p1.ATFtype, 10);
    EXPECT_EQ(p1.attackPow1st, 20);
    EXPECT_EQ(p1.stunPoint, 5);
    p1.floatorStand = false;
    act(p1);
    EXPECT_EQ(p1.animPat, 745);
}

struct FrameCase {
    int16_t pattern;
    int16_t type, hitSound, vectorX, vectorY, lenge;
    int16_t pow1, pow2, pow3;
    bool ex;
    int16_t stun, spacorn;
};

TEST_F(BetaboyMoves, OwnAttackFramesAndMorvekboysElsewhere) {
    const FrameCase cases[] = {
        {21, 2, 15, 80, 4, 20, 27, 18, 7, true, 24, 10},
        {212, 7, 14, 0, 10, 0, 15, 1, 1, false, 8, 8},
        {520, 3, 1, 3, 4, 0, 15, 5, 2, false, 8, 12},
        {652, 2, 14, 5, 5, 0, 15, 14, 4, true, 8, 14},
        {773, 4, 14, 4, 6, 20, 16, 2, 0, true, 4, 2},
        {781, 4, 1, 0, 0, 0, 15, 1, 1, false, 8, 8},
        {812, 4, 16, 0, 0, 0, 10, 15, 1, false, 12, 12},
        {842, 3, 14, 3, 4, 0, 5, 2, 2, true, 5, 0},
        {201, 8, 14, 4, 12, 8, 10, 1, 1, false, 8, 13},  // MORVEKBOY's
    };
    for (const FrameCase& k : cases) {
        SCOPED_TRACE(k.pattern);
        standUp(p1, 200, 1, true);
        enter(p1, k.pattern);
        p1.spacornTimer = 50;  // 842 ends the follow-up once the timer has run out
        act(p1);
        EXPECT_EQ(p1.ATFflag, 1);
        EXPECT_EQ(p1.ATFtype, k.type);
        EXPECT_EQ(p1.ATFHitSound, k.hitSound);
        EXPECT_EQ(p1.ATFvectorX, k.vectorX);
        EXPECT_EQ(p1.ATFvectorY, k.vectorY);
        EXPECT_EQ(p1.setLenge, k.lenge);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.attackPow2nd, k.pow2);
        EXPECT_EQ(p1.attackPow3rd, k.pow3);
        EXPECT_EQ(p1.normalorEX, k.ex);
        EXPECT_EQ(p1.stunPoint, k.stun);
        EXPECT_EQ(p1.spacornPoint, k.spacorn);
    }
    // The spin hits from 771 and 773 only; 771 behind the fighter, 773 in front.
    for (int16_t p : {772, 774, 790, 841}) {
        standUp(p1, 200, 1, true);
        enter(p1, p);
        act(p1);
        EXPECT_EQ(p1.ATFflag, 0) << p;
    }
    standUp(p1, 200, 1, true);
    enter(p1, 771);
    act(p1);
    EXPECT_LT(p1.ATFleft, 300);  // body centre 300
    standUp(p1, 200, 1, true);
    enter(p1, 773);
    act(p1);
    EXPECT_GT(p1.ATFleft, 300);
}

TEST_F(BetaboyMoves, ElbowTurnsIntoTheAirComboOnlyWhenAirborne) {
    enter(p1, 210);
    act(p1);
    EXPECT_EQ(p1.animPat, 210);
    EXPECT_EQ(platform.audioLog().size(), 0u);
    lift(p1);
    act(p1);
    EXPECT_EQ(p1.animPat, 810);
}

TEST_F(BetaboyMoves, CentreLineStepsGrowInTheSuperArtMode) {
    struct Step {
        int16_t pattern;
        double normal, superArt;
    };
    for (const Step& k : {Step{750, 12, 14}, Step{755, 10, 11}, Step{760, 20, 21},
                          Step{765, 10, 11}, Step{811, 15, 15}, Step{812, 50, 50}}) {
        for (int mode = 0; mode < 2; ++mode) {
            SCOPED_TRACE(testing::Message() << k.pattern << " mode " << mode);
            standUp(p1, 200, -1, true);
            enter(p1, k.pattern);
            p1.sPeedEffect = static_cast<int16_t>(mode);
            p1.SPspacornTimer = static_cast<float>(mode);
            act(p1);
            EXPECT_EQ(p1.posX, 200 - (mode ? k.superArt : k.normal));
        }
    }
    standUp(p1, 200, 1, true);
    p1.word4thDisp = true;
    enter(p1, 750);
    act(p1);
    EXPECT_FALSE(p1.word4thDisp);
}

TEST_F(BetaboyMoves, SuperArtFollowUpGivesAShorterWordPhase) {
    enter(p1, 824);
    act(p1);
    EXPECT_EQ(p1.spacornTimer, 160);
    EXPECT_EQ(p1.TPCNumber, 820);
}

// ---- selects and combo steps --------------------------------------------------------------

TEST_F(BetaboyMoves, UppercutKeyStartsTheRisingArtWhileTheUppercutRuns) {
    struct KeyCase {
        int16_t key, facing, pattern;
        bool airborne;
        int16_t expected;
    };
    const KeyCase cases[] = {
        {24, 1, 0, false, 520},  {27, -1, 0, false, 520}, {24, 1, 523, false, 230},
        {24, 1, 520, false, 230}, {24, 1, 526, false, 520}, {24, 1, 0, true, 790},
        {25, 1, 0, false, 20},   {30, 1, 0, false, 580},  {21, -1, 0, false, 580},
    };
    for (const KeyCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " on " << k.pattern);
        standUp(p1, 200, k.facing, true);
        p1.animPat = k.pattern;
        p1.floatorStand = k.airborne;
        bb.AttackSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.expected);
    }
    // No EX art: Left Shift with a full gauge still gives the plain shot, free.
    standUp(p1, 200, 1, true);
    p1.spacornGauge = 100;
    platform.holdKeysForPresents({key::LeftShift}, 0, 1000);
    bb.AttackSelect(game, p1, 30);
    EXPECT_EQ(p1.animPat, 580);
    EXPECT_EQ(p1.spacornGauge, 100);
}

TEST_F(BetaboyMoves, ComboStepsByOpenerAndWord) {
    struct FollowCase {
        int16_t opener, word, expected;
    };
    const FollowCase cases[] = {
        {210, 1, 760}, {210, 3, 755}, {210, 4, 750}, {210, 5, 765}, {210, 6, 1},
        {240, 1, 1},   {240, 3, 1},   {500, 1, 510}, {735, 1, 740}, {780, 1, 20},
        {800, 1, 810}, {820, 1, 840},
    };
    for (const FollowCase& k : cases) {
        SCOPED_TRACE(testing::Message() << k.opener << " word " << k.word);
        standUp(p1, 200, 1, true);
        p1.animPat = 1;
        p1.TPCNumber = k.opener;
        p1.inputKeyNum = k.word;
        bb.TPCFollow(game, p1);
        EXPECT_EQ(p1.animPat, k.expected);
        EXPECT_FALSE(p1.enableAction);
    }
    standUp(p1, 200, -1, true);
    p1.TPCNumber = 310;
    bb.TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 230);
    EXPECT_EQ(p1.slideVector, -4);
}

// ---- projectiles ------------------------------------------------------------------------

TEST_F(BetaboyMoves, StunShotStartsCloserAndFliesFaster) {
    p1.posX = 300;
    p1.dirStand = 1;
    bb.FlyArtsLaunch(game, p1, 1);
    flyArts& fa = p1.flyArtsAt(p1.FANumber);
    EXPECT_EQ(fa.posX, 415);
    EXPECT_EQ(fa.ATFleft, 415);
    bb.FAMorfizm(game, p1, fa);
    EXPECT_EQ(fa.ATFleft, 430);
    EXPECT_EQ(fa.ATFright, 478);

    fa.FAType = 6;  // no burst shot: a kind 6 does nothing
    bb.FAMorfizm(game, p1, fa);
    EXPECT_EQ(fa.ATFleft, 430);
}

// ---- computer ---------------------------------------------------------------------------

TEST_F(BetaboyMoves, ComputerKeepsTheElbowComboOpenWithARandomWord) {
    for (auto [draw, expected] : {std::pair{0.1, 760}, std::pair{0.3, 755}, std::pair{0.6, 750},
                                  std::pair{0.9, 765}}) {
        SCOPED_TRACE(draw);
        standUp(p2, 400, -1, false);
        p2.LeftOrRight = -1;
        p2.TPC = true;
        p2.TPCNumber = 210;
        game.random.script({draw});
        bb.CPUTPC(game, p2, p1);
        EXPECT_EQ(p2.animPat, expected);
        EXPECT_TRUE(p2.TPC);
    }
    standUp(p2, 400, -1, false);
    p2.TPC = true;
    p2.TPCNumber = 240;
    p2.animPat = 1;
    bb.CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_FALSE(p2.TPC);
}

TEST_F(BetaboyMoves, ComputerTakesTheShotForTheExArtAndTheUppercutForTheSpin) {
    struct ThinkCase {
        double distX;
        int roll;
        int16_t current, expected;
    };
    const ThinkCase cases[] = {
        {300, 1, 1, 580}, {450, 3, 1, 580}, {150, 13, 1, 580},
        {50, 5, 1, 520},  {50, 14, 522, 230}, {50, 18, 1, 520},
    };
    for (const ThinkCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "distX " << k.distX << " roll " << k.roll);
        standUp(p2, 200 + k.distX, -1, false);
        p2.LeftOrRight = -1;
        p2.spacornGauge = 100;
        p2.animPat = k.current;
        p1.sTate = stStand;
        game.random.script({rollOf(k.roll)});
        bb.CPUThink(game, p2, p1);
        EXPECT_EQ(p2.animPat, k.expected);
        EXPECT_EQ(p2.spacornGauge, 100);  // no EX cost
    }
}

}  // namespace
}  // namespace morvek::combat_test
