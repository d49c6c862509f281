#include "battle/PlayerInput.h"


#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "battle/Targets.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"

namespace morvek {

namespace {

bool isGridKey(int16_t key) { return key >= 1 && key <= 40; }

bool& wordShown(Character& c, int n) {
    switch (n) {
        case 3: return c.word3rdDisp;
        case 4: return c.word4thDisp;
        case 5: return c.word5thDisp;
        case 6: return c.word6thDisp;
        case 7: return c.word7thDisp;
        default: return c.word8thDisp;
    }
}

/// The letter typed while the frame is open: the red word, the blue word, an extra word
/// of a combo, or a miss.
void judgeTypedLetter(BattleContext& game, int16_t letter, int16_t& flashCounter) {
    BattleState& b = game.battle;
    Character& p1 = b.player1;
    const int16_t openingKey = b.openingKey;

    if (letter == b.targetLetters[0]) {
        // The attack is chosen by the key that opened the frame, not by the letter.
        if (!p1.TPC) {
            attackSelectDispatch(game, p1, openingKey);
        } else {
            p1.inputKeyNum = 1;
            TPCFollowDispatch(game, p1);
        }
        if (!p1.MultiTPC) targetingOnOff(game, p1, targetDone, 0);
        b.hitSlot = 1;
        flashCounter = kWordFlashFrames;
        return;
    }
    if (letter == b.targetLetters[1]) {
        if (!p1.TPC) {
            moveSelectDispatch(game, p1, openingKey);
        } else {
            TPCSecondDispatch(game, p1);
        }
        targetingOnOff(game, p1, targetDone, 0);
        b.hitSlot = 2;
        flashCounter = kWordFlashFrames;
        return;
    }
    bool matched = false;
    for (int n = 3; n <= 8; ++n) {
        if (wordShown(p1, n) && letter == b.targetLetters[static_cast<size_t>(n - 1)]) {
            // The frame stays open for the rest of the combo.
            p1.inputKeyNum = static_cast<int16_t>(n);
            TPCFollowDispatch(game, p1);
            b.hitSlot = static_cast<int16_t>(n);
            flashCounter = kWordFlashFrames;
            matched = true;
        }
    }
    if (matched || letter == 0) return;  // Space, Return, F12 and Ctrl are no miss

    animChange(game, kInputMissPattern, p1);
    p1.enableAction = false;
    targetingOnOff(game, p1, targetMiss, 0);
    b.hitSlot = static_cast<int16_t>(-letter);
    flashCounter = kMissFlashFrames;
}

}  // namespace

bool isGuardKeyOfFacing(int16_t key, int16_t dirStand) {
    if (dirStand == 1) return key == kGuardRightHigh || key == kGuardRightLow;
    if (dirStand == -1) return key == kGuardLeftHigh || key == kGuardLeftLow;
    return false;
}

void PressKeyJudge(BattleContext& game, int16_t& flashCounter) {
    BattleState& b = game.battle;
    Character& p1 = b.player1;
    Character& p2 = b.player2;

    const int16_t key = inkeyRead(game);
    const int16_t letter = keyNumToLetterNum(key);
    const bool latched = b.keyHeld;

    if (p1.enableAction && !latched) {
        if (!p1.tarGeting) {
            if (isGridKey(key)) {
                // With a facing other than +-1 no key opens the frame.
                const bool facing = p1.dirStand == 1 || p1.dirStand == -1;
                if (facing && !isGuardKeyOfFacing(key, p1.dirStand))
                    targetingOnOff(game, p1, targetOpen, key);
                // A guard key is only remembered: its guard starts on the next frame.
                b.openingKey = key;
                p1.TPC = false;
            }
        } else {
            judgeTypedLetter(game, letter, flashCounter);
        }
        if (key == keycode::Space) {
            if (p1.sTate == stDash && !p1.tarGeting) animChange(game, kDashStopPattern, p1);
            targetingOnOff(game, p1, targetCancel, 0);
        }
    } else if (p1.viTality > 0 && isGuardKeyOfFacing(key, p1.LeftOrRight)) {
        gardAndTurnKey(game, p1, key);
    }

    if (p1.sTate >= 0 && !latched && p1.spacornCount > 0) {
        if (key == keycode::Enter) spacornStart(game, p1, p2, p1.spacornNumber);
        if (key == keycode::F12) spacornF12KeyStart(game, p1, p2);
        if (key == keycode::Ctrl) spacornCtrlKeyStart(game, p1, p2);
    }

    b.keyHeld = key != 0;
}

}  // namespace morvek
