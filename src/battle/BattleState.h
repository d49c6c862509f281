#pragma once
// Module-level state of the battle system: player1, player2, stageState and the battle's
// shared globals. Everything here lives for the whole run: nothing is reset between
// rounds or matches except by the procedures that say so.

#include <array>
#include <cstdint>

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Ladder.h"
#include "battle/Servants.h"
#include "battle/StateOfStage.h"
#include "battle/MoveSetRegistry.h"
#include "battle/TutorialState.h"

namespace morvek {

struct BattleState {
    Character player1;         ///< the human side
    Character player2;         ///< the computer
    StateOfStage stageState;   ///< the match and arcade state
    MoveSetRegistry moveSets;  ///< the fighters' modules by NUMBER

    /// Camera offset turning world coordinates into screen coordinates (horizontal
    /// -700..0, vertical -1480..0). Moved only by the stage drawing.
    int16_t scrollX = 0;
    int16_t scrollY = 0;

    // ---- player 1's keys (PressKeyJudge) --------------------------------------------
    /// Frames the typing frame still flashes the word just typed or the miss
    /// (kWordFlashFrames, kMissFlashFrames); counted down by the frame that draws it.
    int16_t typingFlashFrames = 0;
    /// The last grid key pressed while the typing frame was shut: the key that opened it,
    /// whose attack or movement the red or blue word throws. A guard key is kept too,
    /// though it opens nothing.
    int16_t openingKey = 0;
    /// A key was down at the last read: a key held acts once, not every frame.
    bool keyHeld = false;
    /// 1-8 for the word just typed correctly, minus the letter number for a wrong one.
    int16_t hitSlot = 0;
    /// Holds the action (finish display): projectiles, effects and scripts stand still.
    bool freezeFlag = false;
    /// No damage once the round is decided.
    bool damageLock = false;
    /// The eight target letters (letter numbers): [0] the red word, [1] the blue word,
    /// [2]-[7] the extra words 3-8 of a typing combo.
    std::array<int16_t, 8> targetLetters{};
    /// The last combo bonus and its display timer.
    ComboBonusState comboBonus;
    /// Which regular fighters this game has met.
    LadderState ladder;
    /// Both sides' servants and their masters' trails.
    ServantState servants;

    // ---- fighter mechanics' counters (never reset between rounds) -------------------
    /// Per-frame stun recovery of player 1 and player 2; grows 0.0005 every frame.
    double stunRecover1 = 0;
    double stunRecover2 = 0;
    /// The computer's frame counters modulo 10 and 30.
    int16_t cpuTick10 = 0;
    int16_t cpuTick30 = 0;

    /// The tutorial's drill counters, kept from one tutorial to the next.
    TutorialState tutorial;
};

}  // namespace morvek
