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

namespace morvek {

namespace {

/// A key drawn uniformly from first to first + count - 1: Int(r * count + first).
int16_t drawKey(EngineContext& game, int count, int first) {
    return cint16(Int(game.random.next() * count + first));
}

}  // namespace

void Ginzamurai::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = static_cast<int>(Int(game.random.next() * 20 + 1));
    distX = distanceX(cpu, opponent);
    distY = distanceY(cpu, opponent);

    auto attack = [&](int count, int first) { AttackSelect(game, cpu, drawKey(game, count, first)); };
    auto move = [&](int count, int first) { MoveSelect(game, cpu, drawKey(game, count, first)); };
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

    const bool facing = (cpu.LeftOrRight == 1 && cpu.dirStand == 1) ||
                        (cpu.LeftOrRight == -1 && cpu.dirStand == -1);

    if (!facing) {  // the opponent is behind
        if (distX >= 200 || distY >= 200) return;
        if (r <= 8) start(640);  // 斬り返し, the turn-around slash
        else if (r == 11) move(20, 21);
        else if (r == 12) start(20);
        else if (r == 19 && jumpLeft) move(40, 1);
        return;
    }

    if (distY >= 200) {  // far above or below: only jumps
        if (r == 19 && jumpLeft) move(40, 1);
        else if (r == 20 && jumpLeft) move(20, 1);
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
            case 15: attack(20, 1); break;
            case 16: attack(10, 31); break;
            case 17: case 18: case 19:
                if (opponentSteady) start(240);
                else super();
                break;
            case 20: super(); break;
            default: break;
        }
    } else if (distX < 250) {
        switch (r) {
            case 1: case 2: case 3: move(40, 1); break;
            case 4: case 5: case 6: case 7: attack(20, 1); break;
            case 8: case 9: case 10: startCounted(650, 5); break;
            case 13: ex(); break;
            case 14: case 15:
                if (opponentSteady) start(20);
                else super();
                break;
            case 16: case 17: super(); break;
            case 18: case 19:
                if (opponentSteady) attack(10, 11);
                else super();
                break;
            case 20:
                if (jumpLeft) move(20, 1);
                break;
            default: break;
        }
    } else if (distX < 400) {
        switch (r) {
            case 1: case 2: ex(); break;
            case 3: startCounted(650, 12); break;
            case 4: case 5: case 6: startCounted(90, 10); break;
            case 7: case 8: case 9: case 10: case 11: move(20, 21); break;
            case 12: case 13: case 14: case 15: attack(20, 1); break;
            case 16: case 17: case 18: case 19: attack(10, 31); break;
            case 20: start(20); break;
            default: break;
        }
    } else {
        switch (r) {
            case 1: case 2: case 3: ex(); break;
            case 4: case 5: case 6: startCounted(90, 10); break;
            case 12: case 13: case 14: case 15:
                if (jumpLeft) move(20, 1);
                break;
            case 16: case 17: case 18: case 19: move(10, 31); break;
            default: break;
        }
    }
}

void Ginzamurai::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    if (cpu.TPCNumber != 310) {  // every combo but the air recovery goes on into its art
        TPCFollow(game, cpu);
        cpu.TPC = false;
        cpu.enableAction = false;
        return;
    }
    switch (cpuTPCChoice(game, cpu, opponent, distX, distY)) {
        case 0:  // 弧月斬
            TPCFollow(game, cpu);
            cpu.TPC = false;
            cpu.enableAction = false;
            break;
        case 1: case 2:  // hop out of the hit
            TPCSecond(game, cpu);
            cpu.TPC = false;
            break;
        case 3:
            cpu.TPC = false;
            cpu.enableAction = false;
            break;
        default: break;
    }
}

void Ginzamurai::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    distX = distanceX(cpu, opponent);
    distY = distanceY(cpu, opponent);
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
