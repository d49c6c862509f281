#pragma once
// Two fighters placed by hand on a headless game, with the helpers the combat tests use to
// open attack frames, launch projectiles and step collision phases without a battle loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Collision.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Projectiles.h"
#include "battle/Spacorn.h"
#include "battle/Targets.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::combat_test {

/// Cell size and margins of the test fighters. Body box: 60 in from the back edge of the
/// cell, 80 in from the front, 40 below the top, 20 above the bottom.
constexpr int16_t kWidth = 200;
constexpr int16_t kHeight = 300;
constexpr int16_t kBottom = 16;
constexpr int16_t kGroundY = kGroundLine - kBottom;

/// The random value that makes the computer's roll Int(r * 20 + 1) come out as `roll`.
inline double rollOf(int roll) { return (roll - 1) / 20.0 + 0.01; }

class CombatTest : public ::testing::Test {
protected:
    CombatTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        platform.clearLogs();
        game.engine.keyCount = kNormalKeyCount;
        game.engine.playMode = PlayMode::Arcade;
        // Marker colours: entry 0 tells which palette the display was last handed.
        game.engine.workPalette[0] = Rgb{1, 1, 1};
        game.engine.targetPalette[0] = Rgb{2, 2, 2};
        game.engine.blackPalette[0] = Rgb{3, 3, 3};
        standUp(p1, 200, 1, true);
        standUp(p2, 400, -1, false);
        p1.LeftOrRight = 1;
        p2.LeftOrRight = -1;
    }

    /// A fresh, idle fighter standing on the ground line at posX, facing `facing`.
    static void standUp(Character& c, double posX, int16_t facing, bool human) {
        c = Character{};
        c.PrimalPlayer = human;
        c.Width = kWidth;
        c.Height = kHeight;
        c.bottom = kBottom;
        c.hitFieldLeft = 60;
        c.hitFieldRight = 80;
        c.hitFieldTop = 40;
        c.hitFieldBottom = 20;
        c.posX = posX;
        c.posY = kGroundY;
        c.dirStand = facing;
        c.sTate = stStand;
        c.viTality = 254;
        c.stunPointMax = 100;
        c.stunGauge = 100;
        c.difensiBle = 5;
        c.spacornGaugeMax = 100;
        c.spacornCountMax = 3;
        c.ExArtsConsumption = 50;
        c.enableAction = true;
        c.InitFlyArts();
        c.InitSplite();
    }

    /// Lifts a fighter off the ground line; the physics would have marked it airborne.
    static void lift(Character& c, int16_t by = 100) {
        c.posY = static_cast<int16_t>(c.posY - by);
        c.floatorStand = true;
    }

    /// Opens a melee attack frame in front of `c`, as an action script does, with the
    /// power of fighter 0's first punch unless given.
    void openAttack(Character& c, int16_t type, int16_t gardable = 0, int16_t setLenge = 20,
                    double boxX = 10, double boxW = 300) {
        setAttackFrame(game, c, type, 14, boxX, 70, boxW, 60, 10, 30, 4, 40, -20, 120, 100,
                       setLenge, gardable);
        setAttackPower(c, 25, 16, 4, false, 18, 8, false);
    }

    /// A running projectile of `owner` whose box covers `target`'s body.
    flyArts& launchAt(Character& owner, const Character& target, int16_t type = 3,
                      int16_t eraseType = 1) {
        flyArts& fa = owner.returningOneFlyArts();
        flyArtsStart(game, fa, owner);
        flyArtsFrameSet(fa, 100, 80, 1, 60, type, 11, 12, 0, 0, 20, 0, 0, 0, 0, 30, 10);
        flyArtsPowerSet(fa, 25, 16, 4, 18, 8, eraseType, true, false, true, false);
        placeOver(fa, target);
        return fa;
    }

    /// Moves a projectile's frame over the middle of `target`'s body (world coordinates).
    static void placeOver(flyArts& fa, const Character& target) {
        const int16_t x = static_cast<int16_t>(target.posX + 90);
        fa.posX = x;
        fa.posY = static_cast<int16_t>(target.posY + 100);
        fa.ATFleft = x;
        fa.ATFtop = fa.posY;
        fa.ATFright = static_cast<int16_t>(x + 20);
        fa.ATFbottom = static_cast<int16_t>(fa.posY + 20);
    }

    /// Sound indexes played since the last clear, in order.
    std::vector<int> sounds() const {
        std::vector<int> out;
        for (const AudioEvent& e : platform.audioLog())
            if (e.kind == AudioEvent::PlaySound) out.push_back(e.index);
        return out;
    }
    int timesPlayed(int index) const {
        const auto s = sounds();
        return static_cast<int>(std::count(s.begin(), s.end(), index));
    }
    /// Marker of the palette last handed to the display: 1 work, 2 target, 3 black.
    int displayedPalette() const { return platform.displayPalette()[0].r; }

    /// The effect sprite most recently handed out by `c`'s ring.
    static const Splite& lastSplite(const Character& c) { return c.spliteAt(c.SpliteNumber); }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
};

}  // namespace morvek::combat_test
