// NANGIEF's computer opponent: the decision outside a combo (slot 11), the typing-combo
// step (slot 12) and the super-art decision (slot 13). They press no keys: they call the
// selects with keys of their own choosing or start patterns directly.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Nangief.h"

namespace morvek {

namespace {

/// A key drawn uniformly from first-last.
int16_t keyFrom(EngineContext& game, int16_t first, int16_t last) {
    return cint16(Int(game.random.next() * (last - first + 1) + first));
}

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

void startCounting(EngineContext& game, Character& cpu, int16_t pattern, int16_t counter) {
    animChange(game, pattern, cpu);
    cpu.counTer = counter;
}

}  // namespace

void Nangief::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = static_cast<int>(Int(game.random.next() * 20 + 1));
    distX = distanceX(cpu, opponent);
    distY = distanceY(cpu, opponent);

    auto attack = [&](int16_t first, int16_t last) { AttackSelect(game, cpu, keyFrom(game, first, last)); };
    auto move = [&](int16_t first, int16_t last) { MoveSelect(game, cpu, keyFrom(game, first, last)); };
    auto moveIfJumpLeft = [&](int16_t first, int16_t last) {
        if (cpu.airialJumpCount > 0) move(first, last);
    };
    auto antiAir = [&] {
        if (opponent.floatorStand) attack(1, 20);
    };
    auto superArt = [&] { CPUSpacorn(game, cpu, opponent); };
    auto dynamite = [&] { cpuExArtsSelect(game, cpu, 540, 20); };

    const bool facing = (cpu.dirStand == 1 && cpu.LeftOrRight == 1) ||
                        (cpu.dirStand == -1 && cpu.LeftOrRight == -1);
    if (!facing) {
        // Turned away: only a close opponent gets an answer.
        if (distX >= 200 || distY >= 200) return;
        if (r <= 6) start(game, cpu, 640);
        else if (r <= 9) AttackSelect(game, cpu, 31);
        else if (r == 11) move(21, 40);
        else if (r == 12) start(game, cpu, 20);
        else if (r == 14 || r == 15) AttackSelect(game, cpu, 40);
        else if (r == 19) moveIfJumpLeft(1, 40);
        return;
    }

    if (distY >= 200) {  // far above or below
        if (r >= 5 && r <= 10) superArt();
        else if (r >= 12 && r <= 15) antiAir();
        else if (r == 19) moveIfJumpLeft(1, 40);
        else if (r == 20) moveIfJumpLeft(1, 20);
    } else if (distX < 100) {  // in grabbing range
        switch (r) {
            case 1: start(game, cpu, 270); break;
            case 2: start(game, cpu, 210); break;
            case 3: case 4:
                if (opponent.sTate == stAttack) start(game, cpu, 380);  // meets an attack
                break;
            case 5: case 14: start(game, cpu, 240); break;
            case 6: case 7: start(game, cpu, 590); break;
            case 8: start(game, cpu, 250); break;
            case 9:
                start(game, cpu, 530);
                cpu.posY = cint16(cpu.posY - 10);
                cpu.upVector = 2;
                cpu.slideVector = cpu.dirStand * 4;
                break;
            case 10: start(game, cpu, 640); break;
            case 11: start(game, cpu, 200); break;
            case 12: dynamite(); break;
            case 13: startCounting(game, cpu, 650, 0); break;
            case 15: antiAir(); break;
            case 16: attack(31, 40); break;
            default: superArt(); break;  // 17-20
        }
    } else if (distX < 250) {
        if (r <= 3) move(1, 40);
        else if (r <= 7) antiAir();
        else if (r <= 10) startCounting(game, cpu, 650, 0);
        else if (r == 13) start(game, cpu, 250);
        else if (r >= 14 && r <= 16) superArt();
        else if (r == 17) dynamite();
        else if (r == 18 || r == 19) {
            if (opponent.sTate >= 0) attack(11, 20);
            else superArt();  // a reeling opponent is worth the super art
        } else if (r == 20) moveIfJumpLeft(1, 20);
    } else if (distX < 400) {
        if (r <= 2) start(game, cpu, 250);
        else if (r == 3) {
            attack(1, 20);
            cpu.counTer = 12;
        } else if (r <= 6) startCounting(game, cpu, 90, 10);
        else if (r <= 11) move(21, 40);
        else if (r <= 15) antiAir();
        else if (r <= 19) attack(31, 40);
        else dynamite();
    } else {
        if (r >= 4 && r <= 6) startCounting(game, cpu, 90, 10);
        else if (r >= 12 && r <= 15) moveIfJumpLeft(1, 20);
        else if (r >= 16 && r <= 19) move(31, 40);
    }
}

void Nangief::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    if (cpu.TPCNumber == 310) {  // the air recovery: body press, hop, or nothing
        const uint8_t choice = cpuTPCChoice(game, cpu, opponent, distX, distY);
        if (choice == 0) {
            TPCFollow(game, cpu);
            cpu.TPC = false;
            cpu.enableAction = false;
        } else if (choice <= 2) {
            TPCSecond(game, cpu);
            cpu.TPC = false;
        } else {
            cpu.TPC = false;
            cpu.enableAction = false;
        }
        return;
    }
    // Every other combo: the follow-up at the first chance.
    TPCFollow(game, cpu);
    cpu.TPC = false;
    cpu.enableAction = false;
}

void Nangief::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    distX = distanceX(cpu, opponent);
    distY = distanceY(cpu, opponent);
    int16_t kind = 0;
    bool fire = false;
    switch (cpu.spacornType) {
        case 0:
            fire = distX < 250;
            if (fire) {
                // The screw's target: somewhere ahead, at some height.
                cpu.targetX = cint16(Int(game.random.next() * 20 + 1) * 10 * cpu.dirStand);
                cpu.targetY = cint16(Int(game.random.next() * 10 + 1) * 10);
                if (cpu.spacornCount > 1) {  // the second art, paying a stock of its own
                    kind = 1;
                    cpu.spacornCount = cint16(cpu.spacornCount - 1);
                    cpu.spacornGauge = cpu.spacornGauge - cpu.spacornGaugeMax;
                }
            }
            break;
        case 1: fire = distX < 200; break;
        case 2: fire = distX < 100; break;
        default: break;
    }
    if (fire) cpuSpacornStart(game, cpu, opponent, kind);
}

}  // namespace morvek
