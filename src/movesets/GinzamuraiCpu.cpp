// GINZAMURAI's computer opponent: one roll of 1-20 against the facing and the distance
// bands picks the next move; open combos are always continued with their art (the air-hit
// recovery by the shared combo choice); the super art by spacornType and distance.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Ginzamurai.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

void Ginzamurai::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);

    const CpuHand hand{game, *this, cpu};
    auto start = [&](int16_t pattern) { animChange(game, pattern, cpu); };
    auto startCounted = [&](int16_t pattern, int16_t counter) {
        animChange(game, pattern, cpu);
        cpu.counTer = counter;
    };
    auto ex = [&] { cpuExArtsSelect(game, cpu, 570, 580); };
    auto super = [&] { CPUSpacorn(game, cpu, opponent); };
    const bool jumpLeft = cpu.airialJumpCount >= 1;
    const bool opponentAttacking = opponent.sTate == 0;
    const bool opponentSteady = opponent.sTate >= 0;  // not reeling from a hit

    const bool facing = facesOpponent(cpu);

    if (!facing) {  // the opponent is behind
        if (distX >= 200 || distY >= 200) return;
        if (r <= 8) start(640);  // 斬り返し, the turn-around slash
        else if (r == 11) hand.move(21, 40);
        else if (r == 12) start(20);
        else if (r == 19 && jumpLeft) hand.move(1, 40);
        return;
    }

    if (distY >= 200) {  // far above or below: only jumps
        if (r == 19 && jumpLeft) hand.move(1, 40);
        else if (r == 20 && jumpLeft) hand.move(1, 20);
        return;
    }

    if (distX < 100) {
        switch (r) {
            case 1: start(270); break;
            case 2: start(210); break;
            case 3: case 4:
                if (opponentAttacking) start(380);  // special guard
                break;
            case 5: start(240); break;
            case 6: case 7: start(590); break;
            case 8: start(250); break;
            case 9: start(530); break;
            case 10: start(580); break;
            case 11: start(200); break;
            case 12: start(20); break;
            case 13: startCounted(650, 0); break;
            case 14: start(590); break;
            case 15: hand.attack(1, 20); break;
            case 16: hand.attack(31, 40); break;
            case 17: case 18: case 19:
                if (opponentSteady) start(240);
                else super();
                break;
            case 20: super(); break;
            default: break;
        }
    } else if (distX < 250) {
        switch (r) {
            case 1: case 2: case 3: hand.move(1, 40); break;
            case 4: case 5: case 6: case 7: hand.attack(1, 20); break;
            case 8: case 9: case 10: startCounted(650, 5); break;
            case 13: ex(); break;
            case 14: case 15:
                if (opponentSteady) start(20);
                else super();
                break;
            case 16: case 17: super(); break;
            case 18: case 19:
                if (opponentSteady) hand.attack(11, 20);
                else super();
                break;
            case 20:
                if (jumpLeft) hand.move(1, 20);
                break;
            default: break;
        }
    } else if (distX < 400) {
        switch (r) {
            case 1: case 2: ex(); break;
            case 3: startCounted(650, 12); break;
            case 4: case 5: case 6: startCounted(90, 10); break;
            case 7: case 8: case 9: case 10: case 11: hand.move(21, 40); break;
            case 12: case 13: case 14: case 15: hand.attack(1, 20); break;
            case 16: case 17: case 18: case 19: hand.attack(31, 40); break;
            case 20: start(20); break;
            default: break;
        }
    } else {
        switch (r) {
            case 1: case 2: case 3: ex(); break;
            case 4: case 5: case 6: startCounted(90, 10); break;
            case 12: case 13: case 14: case 15:
                if (jumpLeft) hand.move(1, 20);
                break;
            case 16: case 17: case 18: case 19: hand.move(31, 40); break;
            default: break;
        }
    }
}

void Ginzamurai::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    // Every combo but the air recovery goes on into its art; from the air 弧月斬, a hop
    // out of the hit, or nothing.
    cpuComboAnswer(game, *this, cpu, opponent, distX, distY);
}

void Ginzamurai::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, distX, distY);
    switch (cpu.spacornType) {
        case 0:  // 雷鳴剣 reaches only close by
            if (distX < 150) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        case 1:  // 風刃剣
            if (distX < 240 && distY < 200) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        case 2:
            // One clone at a time: while one is out (or the opponent is far) throw instead.
            cpu.spacornNumber = (cpu.SPspacornTimer > 0 || distX >= 200) ? 500 : 750;
            if (distY < 200) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        default: break;
    }
}

}  // namespace morvek
