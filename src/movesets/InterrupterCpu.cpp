// INTERRUPTER's computer opponent: the decision outside a combo (slot 11), the typing-combo
// step (slot 12) and the super-art decision (slot 13). Like every computer fighter he
// presses no keys: he calls his selects with keys of his own choosing or starts patterns
// directly. The boss keeps his distance more than the others: his close band reaches 150
// pixels, and from afar he shoots.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Interrupter.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

/// "練気閃" with a random drift speed 0-3.
void missile(EngineContext& game, Character& cpu) {
    animChange(game, 670, cpu);
    cpu.counTer = roll(game.random, 4, 0);
}
/// "閃断" landing a random 1-3 columns out.
void cut(EngineContext& game, Character& cpu) {
    animChange(game, 700, cpu);
    cpu.counTer = roll(game.random, 3, 1);
}

}  // namespace

void Interrupter::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);

    const CpuHand hand{game, *this, cpu};
    auto superArt = [&] { CPUSpacorn(game, cpu, opponent); };
    const bool reeling = opponent.sTate < 0;

    const bool facing = facesOpponent(cpu);
    if (!facing) {
        // Turned away: only a close opponent gets an answer, the backward sickle.
        if (distX >= 200 || distY >= 200) return;
        if (r <= 10) start(game, cpu, 570);
        else if (r >= 18) hand.jumpIfLeft();
        return;
    }

    if (distY >= 200) {  // far above or below
        if (r >= 4 && r <= 6) missile(game, cpu);
        else if (r >= 15) hand.jumpIfLeft();
    } else if (distX < 150) {  // close
        switch (r) {
            case 1: start(game, cpu, cpu.floatorStand ? 210 : 200); break;
            case 2: start(game, cpu, 500); break;
            case 3: case 4:
                if (opponent.sTate == stAttack) start(game, cpu, 380);  // meets an attack
                break;
            case 5: start(game, cpu, 250); break;
            case 6: case 7: start(game, cpu, 70); break;
            case 8: start(game, cpu, cpu.floatorStand ? 230 : 220); break;
            case 9: start(game, cpu, 510); break;
            case 10: start(game, cpu, 530); break;
            case 11: start(game, cpu, 650); break;
            case 12: start(game, cpu, 670); break;
            case 13: start(game, cpu, 700); break;
            case 14: start(game, cpu, 620); break;
            case 15: hand.attack(1, 10); break;
            case 16: hand.attack(11, 20); break;
            case 17: case 18: case 19: superArt(); break;
            default: hand.jumpIfLeft(); break;  // 20
        }
    } else if (distX < 250) {
        if (r <= 3) start(game, cpu, 70);
        else if (r <= 7) start(game, cpu, 90);
        else if (r <= 10) missile(game, cpu);
        else if (r <= 13) cut(game, cpu);
        else if (r == 14) superArt();
        else if (r <= 17) {
            if (reeling) superArt();  // a reeling opponent is worth the super art
            else hand.attack(1, 10);
        } else if (r <= 19) {
            if (reeling) superArt();
            else hand.attack(11, 20);
        } else {
            hand.jumpIfLeft();
        }
    } else if (distX < 400) {
        if (r <= 2) start(game, cpu, 550);
        else if (r == 3) cut(game, cpu);
        else if (r <= 6) superArt();
        else if (r <= 11) start(game, cpu, 75);
        else if (r <= 15) hand.jumpIfLeft();
        else if (r <= 19) hand.move(31, 40);
        else missile(game, cpu);
    } else {
        if (r <= 2) start(game, cpu, 550);
        else if (r == 3) cut(game, cpu);
        else if (r <= 6) missile(game, cpu);
        else if (r <= 11) start(game, cpu, 75);
        else if (r <= 15) hand.jumpIfLeft();
        else if (r <= 19) hand.move(31, 40);
        else superArt();
    }
}

void Interrupter::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    const int16_t combo = cpu.TPCNumber;
    if (combo == 610) {
        // The cannonade: a random shot of the three, and the combo stays open for more.
        static constexpr int16_t kWords[] = {1, 3, 4};
        cpu.inputKeyNum = pickWord(game.random, kWords);
        TPCFollow(game, cpu);
        return;
    }
    // The air recovery: barrier, back step, or nothing; any other combo its follow-up.
    cpuComboAnswer(game, *this, cpu, opponent, distX, distY);
}

void Interrupter::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    distX = distanceX(cpu, opponent);
    if (!cpu.floatorStand && cpu.spacornCount > 1 && distX < 150) {
        // Two stocks at close quarters: the catching super art, paying a stock of its own.
        payExtraStock(cpu);
        spacornStart(game, cpu, opponent, 860);
        cpu.spacornSwitch = true;
        cpu.spacornCircle = 20;
        return;
    }
    bool fire = false;
    if (cpu.spacornType == 0 || cpu.spacornType == 1) fire = true;
    else if (cpu.spacornType == 2) fire = distX < 100;
    const int16_t kind = roll(game.random, 3, 1) == 2 ? 1 : 0;  // drawn either way
    if (fire) cpuSpacornStart(game, cpu, opponent, kind);
}

}  // namespace morvek
