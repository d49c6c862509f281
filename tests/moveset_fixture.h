#pragma once
// Two fighters of one move set on a headless game, player 1 facing right and player 2
// facing left, both standing on the ground line with the roster's data, and the helpers
// the move-set tests share: starting and drawing patterns, running the action script,
// stepping frames, and reading sounds, projectiles and the attack box.
//
// A fighter's tests derive a fixture that names the fighter and where the two stand:
//
//     class GoudaTest : public moveset_test::MoveSetTest {
//     protected:
//         GoudaTest() : MoveSetTest({.number = 4, .name = "gouda", .x1 = 400}) {}
//     };

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/FlyArts.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Surface8.h"

namespace morvek::moveset_test {

/// Pair::jumps: leave airialJumpCount as it is, or give the full MaxJumpCount.
inline constexpr int16_t kKeepJumps = -1;
inline constexpr int16_t kFullJumps = -2;

/// The fighter and how the pair is set up.
struct Pair {
    int16_t number = 0;          ///< fighter NUMBER: the registry's key
    const char* name = "";       ///< charaname and roster stem
    double x1 = 300;             ///< player 1's posX, facing right (human)
    double x2 = 600;             ///< player 2's posX, facing left (computer)
    bool standState = false;     ///< sTate = stStand before the first pattern is entered
    int16_t jumps = kKeepJumps;  ///< airialJumpCount: a number, kFullJumps or kKeepJumps (as is)
    bool drawn = true;           ///< pattern 0 is drawn once after it is entered
};

/// Where a fighter's feet meet the ground line: its cell's bottom margin above it.
inline int16_t standY(const Character& c) { return static_cast<int16_t>(kGroundLine - c.bottom); }

class MoveSetTest : public ::testing::Test {
protected:
    explicit MoveSetTest(const Pair& pair) : pair_(pair) {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        game.engine.keyCount = kNormalKeyCount;
        game.battle.scrollX = 0;
        game.battle.scrollY = 0;
        place(p1, pair.x1, 1, true);
        place(p2, pair.x2, -1, false);
        platform.clearLogs();
    }

    /// Sets a fighter up from the roster, standing at x with the given facing, in pattern 0.
    void place(Character& c, double x, int16_t facing, bool human) {
        c.PrimalPlayer = human;
        c.charaname = pair_.name;
        charaBaseSet(c, pair_.name);
        c.posX = x;
        c.posY = standY(c);
        c.dirStand = facing;
        c.LeftOrRight = facing;
        c.sPeed = 3;
        c.viTality = 254;
        if (pair_.standState) c.sTate = stStand;
        if (pair_.jumps == kFullJumps) c.airialJumpCount = c.MaxJumpCount;
        else if (pair_.jumps != kKeepJumps) c.airialJumpCount = pair_.jumps;
        c.InitFlyArts();
        c.InitSplite();
        animChange(game, 0, c);
        if (pair_.drawn) show(c);
    }

    MoveSet& moveSet() { return *game.battle.moveSets.find(pair_.number); }

    // ---- patterns and frames ----------------------------------------------------------

    /// The pattern table and body box, as the drawing pass evaluates them.
    Rect show(Character& c) {
        Rect r{-1, -1, -1, -1};
        animPatternDispatch(game, r, c);
        return r;
    }
    /// Sets player 1's pattern without a change and draws it.
    Rect showPattern(int16_t pattern) {
        p1.animPat = pattern;
        return show(p1);
    }
    /// Starts a pattern on player 1 (animChange) without drawing it.
    void start(int16_t pattern) { animChange(game, pattern, p1); }
    /// Starts a pattern on player 1 and draws it once, as the frame does before the script.
    void startShown(int16_t pattern) {
        start(pattern);
        show(p1);
    }
    /// Player 1's action script alone.
    void runAction() { moveSet().AnimAction(game, p1, p2); }
    /// Both halves of player 1's action script, as the dispatcher runs them.
    void dispatch() { animActionDispatch(game, p1, p2); }
    /// One frame of player 1 as the battle frame runs it: drawn, stepped, acted.
    void stepP1() {
        show(p1);
        animTimerCount(game, p1);
        animActionDispatch(game, p1, p2);
    }
    /// One frame of both fighters as the battle frame runs them after the collisions:
    /// both drawn, then each stepped and acted.
    void stepBoth() {
        show(p1);
        show(p2);
        animTimerCount(game, p1);
        animActionDispatch(game, p1, p2);
        animTimerCount(game, p2);
        animActionDispatch(game, p2, p1);
    }

    // ---- what came out ----------------------------------------------------------------

    int timesPlayed(int index) const {
        return static_cast<int>(std::count_if(
            platform.audioLog().begin(), platform.audioLog().end(),
            [&](const AudioEvent& e) { return e.kind == AudioEvent::PlaySound && e.index == index; }));
    }
    int soundsPlayed() const { return countAudio(AudioEvent::PlaySound); }
    int countAudio(AudioEvent::Kind kind) const {
        return static_cast<int>(std::count_if(platform.audioLog().begin(), platform.audioLog().end(),
                                              [&](const AudioEvent& e) { return e.kind == kind; }));
    }
    /// Projectiles of the fighter's pool now running.
    int running(const Character& c) const {
        int n = 0;
        for (int i = 0; i < kFlyArtsPool; ++i) n += c.flyArtsAt(i).Running ? 1 : 0;
        return n;
    }
    /// The kinds (FAType) of the running projectiles, in pool order.
    std::vector<int16_t> runningTypes(const Character& c) const {
        std::vector<int16_t> out;
        for (int i = 0; i < kFlyArtsPool; ++i)
            if (c.flyArtsAt(i).Running) out.push_back(c.flyArtsAt(i).FAType);
        return out;
    }
    /// The projectile most recently handed out by the fighter's ring.
    flyArts& lastShot(Character& c) { return c.flyArtsAt(c.FANumber); }

    /// The fighter's attack box as the collisions read it.
    struct Edges {
        int16_t left, top, right, bottom;
        bool operator==(const Edges&) const = default;
    };
    static Edges attackBox(const Character& c) { return {c.ATFleft, c.ATFtop, c.ATFright, c.ATFbottom}; }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;

private:
    Pair pair_;
};

/// A move set whose selects, typing-combo steps and super-art decision are recorded
/// instead of played, so a test sees which entry a decision chose and with which key.
template <class Moves>
class RecordingSpy : public Moves {
public:
    std::vector<int> attackKeys, moveKeys;
    std::vector<int> followWords;  ///< inputKeyNum at each TPCFollow
    int follows = 0, seconds = 0, spacorns = 0;
    void AttackSelect(BattleContext&, Character&, int16_t key) override { attackKeys.push_back(key); }
    void MoveSelect(BattleContext&, Character&, int16_t key) override { moveKeys.push_back(key); }
    void TPCFollow(BattleContext&, Character& c) override {
        ++follows;
        followWords.push_back(c.inputKeyNum);
    }
    void TPCSecond(BattleContext&, Character&) override { ++seconds; }
    void CPUSpacorn(BattleContext&, Character&, Character&) override { ++spacorns; }
    bool nothingCalled() const {
        return attackKeys.empty() && moveKeys.empty() && follows == 0 && seconds == 0 &&
               spacorns == 0;
    }
};

/// The computer's decisions under scripted draws, on a fixture `Base` that has `game`,
/// `p1` (the opponent) and `p2` (the computer). `spy` is the move set that decides, as a
/// rule one that records the selects, combo steps and super-art decision it is handed.
template <class Base, class Spy>
class CpuDecisionTest : public Base {
protected:
    /// Scripted after a decision's draws: the next draw shows whether all were used.
    static constexpr double kSentinel = 0.123456;
    /// The draw that makes the decision's roll Int(r * 20) + 1 come out as `roll` (1-20).
    static double drawForRoll(int roll) { return (roll - 1) / 20.0 + 0.01; }

    /// The computer stands distX right of the opponent (at 200) and dy above it, facing it.
    void place(double distX, int16_t dy = 0) {
        this->p1.posX = 200;
        this->p2.posX = 200 + distX;
        this->p2.posY = cint16(this->p1.posY - dy);
        this->p2.dirStand = -1;
        this->p2.LeftOrRight = -1;
    }
    /// One decision with roll r, then the further draws given.
    void think(int r, std::vector<double> more = {}) {
        std::vector<double> draws{drawForRoll(r)};
        draws.insert(draws.end(), more.begin(), more.end());
        draws.push_back(kSentinel);
        this->game.random.script(draws);
        spy.CPUThink(this->game, this->p2, this->p1);
    }
    /// Every scripted draw was used, and no more.
    bool allDrawsUsed() { return this->game.random.next() == kSentinel; }

    Spy spy;
};

/// One fighter's pattern table and body boxes on their own: a bare Character (no roster
/// data) drawn by a move set `Moves` of its own, in normal play (sPeed 3).
template <class Moves>
class PatternTest : public ::testing::Test {
protected:
    PatternTest() { chara.sPeed = 3; }

    /// Shows the fighter once: pattern table, then body box, as the drawing does.
    Rect show(int16_t pattern) {
        chara.animPat = pattern;
        return showAgain();
    }
    Rect showAgain() {
        Rect r;
        moves.AnimPattern(game, chara, r);
        moves.HitFieldSet(game, chara);
        return r;
    }
    /// The pattern the stepper goes to once the hold has run out.
    int target() const { return chara.animPat + chara.nextAnim; }
    void expectInsets(int16_t l, int16_t t, int16_t r, int16_t b) {
        EXPECT_EQ(chara.hitFieldLeft, l);
        EXPECT_EQ(chara.hitFieldTop, t);
        EXPECT_EQ(chara.hitFieldRight, r);
        EXPECT_EQ(chara.hitFieldBottom, b);
    }

    HeadlessPlatform platform;
    Game game{platform};
    Moves moves;
    Character chara;
};

}  // namespace morvek::moveset_test
