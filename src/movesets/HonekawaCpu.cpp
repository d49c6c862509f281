// HONEKAWA's computer opponent: the decision outside a combo (one roll of 1-20 against the
// facing and the distance bands), the typing-combo step and the super-art decision.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Honekawa.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

/// 鉄山靠 with the middle lunge.
void shoulder(EngineContext& game, Character& cpu) {
    animChange(game, 650, cpu);
    cpu.counTer = 5;
}

/// 雷撃蹴 with a random slide of 1-7 toward the facing.
void randomDive(EngineContext& game, Character& cpu) {
    animChange(game, 280, cpu);
    cpu.slideVector = roll(game.random, 7, 1) * cpu.dirStand;
}

}  // namespace

void Honekawa::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int d = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);

    const CpuHand hand{game, *this, cpu};
    const bool opponentNotDown = opponent.sTate >= 0;

    const bool facing = facesOpponent(cpu);

    if (!facing) {
        if (distX >= 200 || distY >= 200) return;
        switch (d) {
            case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:
                start(game, cpu, 640);  // 打開 strikes behind
                break;
            case 11: hand.move(21, 40); break;
            case 12: start(game, cpu, 650); break;  // keeps whatever counTer holds
            case 13: case 14: AttackSelect(game, cpu, 31); break;
            case 15: case 16: hand.jumpIfLeft(1, 40); break;
            case 17: case 18: AttackSelect(game, cpu, 40); break;
            default: break;  // 9, 10, 19, 20
        }
        return;
    }

    if (distY >= 200) {  // far above or below
        switch (d) {
            case 1: case 2: case 3:
                if (cpu.floatorStand) randomDive(game, cpu);
                break;
            case 7: case 8: case 9: shoulder(game, cpu); break;
            case 10: case 11: start(game, cpu, 580); break;
            case 15: case 16: hand.jumpIfLeft(1, 40); break;
            case 17: case 18: case 19: case 20: hand.jumpIfLeft(1, 20); break;
            default: break;  // 4-6, 12-14
        }
        return;
    }

    if (distX < 100) {  // close
        switch (d) {
            case 1: start(game, cpu, cpu.floatorStand ? 280 : 270); break;
            case 2: start(game, cpu, 210); break;
            case 3: case 4:
                if (opponent.sTate == stAttack) start(game, cpu, 380);  // parry an attack
                break;
            case 5:
                if (!cpu.floatorStand) {  // a dash of 1-5 runs into 穿弓腿
                    animChange(game, 120, cpu);
                    cpu.counTer = roll(game.random, 5, 1);
                    cpu.AorMflag = 1;
                } else {
                    randomDive(game, cpu);
                }
                break;
            case 6: case 7: start(game, cpu, 70); break;
            case 8:
                if (!cpu.floatorStand) start(game, cpu, 250);
                else randomDive(game, cpu);
                break;
            case 9: start(game, cpu, cpu.floatorStand ? 560 : 240); break;
            case 10: start(game, cpu, 530); break;
            case 11: shoulder(game, cpu); break;
            case 12: start(game, cpu, 230); break;
            case 13: start(game, cpu, 20); break;
            case 14: start(game, cpu, 590); break;
            case 15: hand.attack(1, 10); break;
            case 16: hand.attack(11, 20); break;
            case 17: case 18: case 19:
                if (opponentNotDown) start(game, cpu, 240);
                else CPUSpacorn(game, cpu, opponent);
                break;
            default: CPUSpacorn(game, cpu, opponent); break;
        }
        return;
    }

    if (distX < 250) {  // middle
        switch (d) {
            case 1: case 2: case 3: start(game, cpu, 70); break;
            case 4: case 5: case 6: case 7: hand.move(21, 40); break;
            case 8: case 9: case 10: shoulder(game, cpu); break;
            case 13: start(game, cpu, 20); break;
            case 14: case 15:
                if (opponentNotDown) start(game, cpu, 240);
                else CPUSpacorn(game, cpu, opponent);
                break;
            case 16: case 17: CPUSpacorn(game, cpu, opponent); break;
            case 18: case 19:
                if (opponentNotDown) hand.attack(11, 20);
                else CPUSpacorn(game, cpu, opponent);
                break;
            case 20: hand.jumpIfLeft(1, 20); break;
            default: break;  // 11, 12
        }
        return;
    }

    if (distX < 400) {  // far
        switch (d) {
            case 1: case 2: start(game, cpu, 580); break;
            case 3: shoulder(game, cpu); break;
            case 4: case 5: case 6: start(game, cpu, 170); break;
            case 7: case 8: case 9: case 10: case 11: hand.move(21, 40); break;
            case 12: case 13: case 14: case 15: hand.jumpIfLeft(1, 20); break;
            case 16: case 17: case 18: case 19: hand.move(31, 40); break;
            default: break;  // 20
        }
        return;
    }

    switch (d) {  // very far
        case 1: case 2: shoulder(game, cpu); break;
        case 3: start(game, cpu, 580); break;
        case 7: case 8: case 9: case 10: case 11: start(game, cpu, 170); break;
        case 12: case 13: case 14: case 15: hand.jumpIfLeft(1, 20); break;
        case 16: case 17: case 18: case 19: hand.move(31, 40); break;
        case 20: CPUSpacorn(game, cpu, opponent); break;
        default: break;  // 4-6
    }
}

void Honekawa::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    // Always the combo's next move; falling after an air hit, a kick or a hop out of it,
    // or just the fall.
    cpuComboAnswer(game, *this, cpu, opponent, distX, distY);
}

void Honekawa::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, distX, distY);
    switch (cpu.spacornType) {
        case 0:  // 雷震魔破拳
            if (distX < 150) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        case 1:  // the dash into 転身穿弓腿
            if (distX < 300) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        case 2:  // 槍雷虎炮 up close; from afar the variant summons its servants
            if (distX < 100) {
                cpu.spacornNumber = 700;
                if (distY < 200) cpuSpacornStart(game, cpu, opponent, 0);
            } else if (cpu.SPspacornTimer <= 0 && cpu.ReverseCharaFlag) {
                cpu.spacornNumber = 750;
                if (distY < 200) cpuSpacornStart(game, cpu, opponent, 0);
            }
            break;
        default: break;
    }
}

}  // namespace morvek
