// The computer opponent's tick, dice and distances.

#include "battle/CpuTick.h"

#include <cmath>

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "battle/MoveSet.h"

namespace morvek {

void cpuThinkTick(BattleContext& game, Character& cpu, Character& opponent) {
    BattleState& battle = game.battle;
    bool act = false;
    if (battle.cpuTick10 == 0 || battle.cpuTick10 == 5) {
        if (!cpu.TPC) {
            // The roll is drawn in both frames, though only the first of them can act: the
            // random sequence of a match depends on it.
            const double x = Int(game.random.next() * 20 + 1);
            act = x < cpu.cpuLevel + 5 && battle.cpuTick10 == 0 &&
                  battle.cpuTick30 < cpu.cpuLevel;
        } else {
            act = battle.cpuTick30 < cpu.cpuLevel + 5;
        }
    }

    if (act) {
        if (cpu.enableAction) {
            // The fighter's own decisions, chosen here by NUMBER (read once).
            MoveSet* set = battle.moveSets.find(cpu.NUMBER);
            if (!cpu.TPC) {
                if (set) set->CPUThink(game, cpu, opponent);
                cpu.enableAction = false;
            } else if (set) {
                set->CPUTPC(game, cpu, opponent);
            }
        }
        // A computer lying on the floor gets up when its turn comes, facing the opponent.
        if (cpu.stunSwitch == stunNormal && cpu.sTate == stLyingDown) {
            cpu.dirStand = cpu.LeftOrRight;
            if (Int(game.random.next() * 3 + 1) == 1) {
                animChange(game, kGetUpHop, cpu);
                cpu.posY = cint16(cpu.posY - 10);
                cpu.upVector = 5;
            } else {
                animChange(game, kGetUp, cpu);
            }
        }
    }

    battle.cpuTick10 = cint16(battle.cpuTick10 + 1);
    if (battle.cpuTick10 >= 10) battle.cpuTick10 = 0;
    battle.cpuTick30 = cint16(battle.cpuTick30 + 1);
    if (battle.cpuTick30 >= 30) battle.cpuTick30 = 0;
}

int16_t dice(EngineContext& game, int16_t n) { return cint16(Int(n * game.random.next() + 1)); }

int16_t distanceX(const Character& a, const Character& b) {
    return cint16(std::fabs((a.posX + a.Width / 2.0) - (b.posX + b.Width / 2.0)));
}

int16_t distanceY(const Character& a, const Character& b) {
    return cint16(std::fabs((a.posY + a.Height / 2.0) - (b.posY + b.Height / 2.0)));
}

uint8_t cpuTPCChoice(EngineContext& game, const Character&, const Character&, int16_t distX,
                     int16_t distY) {
    if (dice(game, 8) >= 6) return 3;
    if (distX >= 100 || distY >= 200) return 2;
    if (dice(game, 8) >= 3) return 1;
    return 0;
}

}  // namespace morvek
