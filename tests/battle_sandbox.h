#pragma once
// A headless sandbox: two fighters standing on the ground, stepped frame by frame in the
// battle frame's order (facing and stun recovery, physics of player 1 then player 2, the
// pattern tables while the fighters are drawn, then each fighter's animation stepper and
// action script), without the battle loop, the input or the collisions.
//
// A fighter may run on a scripted pattern table (pattern -> hold, step, state) instead of
// its move set, so the stepper and the physics can be checked against hand-made moves.
// Events scheduled for a frame run at its start (pattern changes, vectors, knock-back).

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::battle_test {

/// One pattern of a scripted table.
struct ScriptedPattern {
    int16_t fixTime = 0;
    int16_t nextAnim = 0;  ///< relative step
    int16_t sTate = 1;
};
using ScriptedTable = std::map<int16_t, ScriptedPattern>;

/// What a fighter looked like at the end of a frame.
struct FighterTrace {
    double posX = 0;
    int16_t posY = 0;
    int16_t animPat = 0;
    int16_t sTate = 0;
    bool floatorStand = false;
    int16_t nockLenge = 0;
};
struct FrameTrace {
    int frame = 0;
    FighterTrace p1, p2;
};

class BattleSandbox {
public:
    /// Player 1 (human) at posX 300 and player 2 (computer) at posX 700, both standing on
    /// the ground line in pattern 0, sPeed 3, with the stems' roster rows.
    explicit BattleSandbox(const std::string& stem1 = "morvekboy",
                           const std::string& stem2 = "morvekboy") {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        platform.clearLogs();
        place(p1, stem1, 300, true);
        place(p2, stem2, 700, false);
        faceAndStunRecover(game, p1, p2);
    }

    /// From now on `chara` shows a scripted table instead of its move set's.
    void script(Character& chara, ScriptedTable table) { tables_[&chara] = std::move(table); }
    /// Runs `action` at the start of frame `frame` (frames count from 1).
    void at(int frame, std::function<void(BattleSandbox&)> action) {
        events_.emplace(frame, std::move(action));
    }

    /// One battle frame.
    void step() {
        ++frame_;
        auto [first, last] = events_.equal_range(frame_);
        for (auto it = first; it != last; ++it) it->second(*this);

        faceAndStunRecover(game, p1, p2);
        physicsStep(game, p1, p2);
        physicsStep(game, p2, p1);
        showPattern(p1);
        showPattern(p2);
        runScript(p1, p2);
        runScript(p2, p1);
        trace.push_back(FrameTrace{frame_, snapshot(p1), snapshot(p2)});
    }
    void run(int frames) {
        for (int i = 0; i < frames; ++i) step();
    }

    /// Starts a jump: off the ground with the given rise and slide.
    static void jump(Character& c, double up, double slide) {
        c.upVector = up;
        c.slideVector = slide;
    }
    static int16_t groundY(const Character& c) { return static_cast<int16_t>(kGroundLine - c.bottom); }

    int frame() const { return frame_; }
    int soundsPlayed(int index) const {
        int n = 0;
        for (const auto& e : platform.audioLog())
            if (e.kind == AudioEvent::PlaySound && e.index == index) ++n;
        return n;
    }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
    std::vector<FrameTrace> trace;

private:
    void place(Character& c, const std::string& stem, double x, bool human) {
        c.PrimalPlayer = human;
        c.charaname = stem;
        charaBaseSet(c, stem);
        c.posX = x;
        c.posY = groundY(c);
        c.sPeed = 3;
        c.viTality = 254;
        c.sTate = stStand;
        animChange(game, 0, c);
    }
    void showPattern(Character& c) {
        auto it = tables_.find(&c);
        if (it == tables_.end()) {
            Rect src;
            animPatternDispatch(game, src, c);
            return;
        }
        auto row = it->second.find(c.animPat);
        if (row == it->second.end()) return;  // a pattern the table lacks changes nothing
        c.fixTime = row->second.fixTime;
        c.nextAnim = row->second.nextAnim;
        c.sTate = row->second.sTate;
    }
    void runScript(Character& c, Character& other) {
        animTimerCount(game, c);
        if (!tables_.count(&c)) animActionDispatch(game, c, other);
    }
    static FighterTrace snapshot(const Character& c) {
        return FighterTrace{c.posX, c.posY, c.animPat, c.sTate, c.floatorStand, c.nockLenge};
    }

    int frame_ = 0;
    std::map<const Character*, ScriptedTable> tables_;
    std::multimap<int, std::function<void(BattleSandbox&)>> events_;
};

}  // namespace morvek::battle_test
