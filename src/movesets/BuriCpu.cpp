// BURI's computer opponent. It never flies, dashes or walks: it bombs a random place of
// the key grid, warps along the bottom key row or tries its super art, the same at every
// distance, and only while it faces its opponent.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Buri.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

void Buri::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int16_t r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);
    if (!facesOpponent(cpu)) return;
    if (r <= 10) {
        AttackSelect(game, cpu, roll(game.random, 40, 1));  // a bomb anywhere on the grid
    } else if (r <= 15) {
        MoveSelect(game, cpu, roll(game.random, 10, 31));  // a warp along the bottom row
    } else if (r == 20) {
        CPUSpacorn(game, cpu, opponent);
    }
}

void Buri::CPUTPC(BattleContext& game, Character& cpu, Character&) {
    TPCFollow(game, cpu);
    cpu.TPC = false;
    cpu.enableAction = false;
}

void Buri::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    switch (cpu.spacornType) {
        case 0:
        case 1: cpuSpacornStart(game, cpu, opponent, 0); break;
        case 2:
            if (distX < 100) cpuSpacornStart(game, cpu, opponent, 0);
            break;
        default: break;
    }
}

}  // namespace morvek
