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
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

}  // namespace

void Nangief::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);

    const CpuHand hand{game, *this, cpu};
    auto antiAir = [&] {
        if (opponent.floatorStand) hand.attack(1, 20);
    };
    auto superArt = [&] { CPUSpacorn(game, cpu, opponent); };
    auto dynamite = [&] { cpuExArtsSelect(game, cpu, 540, 20); };

    const bool facing = facesOpponent(cpu);
    if (!facing) {
        // Turned away: only a close opponent gets an answer.
        if (distX >= 200 || distY >= 200) return;
        if (r <= 6) start(game, cpu, 640);
        else if (r <= 9) AttackSelect(game, cpu, 31);
        else if (r == 11) hand.move(21, 40);
        else if (r == 12) start(game, cpu, 20);
        else if (r == 14 || r == 15) AttackSelect(game, cpu, 40);
        else if (r == 19) hand.jumpIfLeft(1, 40);
        return;
    }

    if (distY >= 200) {  // far above or below
        if (r >= 5 && r <= 10) superArt();
        else if (r >= 12 && r <= 15) antiAir();
        else if (r == 19) hand.jumpIfLeft(1, 40);
        else if (r == 20) hand.jumpIfLeft(1, 20);
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
            case 13: startCounted(game, cpu, 650, 0); break;
            case 15: antiAir(); break;
            case 16: hand.attack(31, 40); break;
            default: superArt(); break;  // 17-20
        }
    } else if (distX < 250) {
        if (r <= 3) hand.move(1, 40);
        else if (r <= 7) antiAir();
        else if (r <= 10) startCounted(game, cpu, 650, 0);
        else if (r == 13) start(game, cpu, 250);
        else if (r >= 14 && r <= 16) superArt();
        else if (r == 17) dynamite();
        else if (r == 18 || r == 19) {
            if (opponent.sTate >= 0) hand.attack(11, 20);
            else superArt();  // a reeling opponent is worth the super art
        } else if (r == 20) hand.jumpIfLeft(1, 20);
    } else if (distX < 400) {
        if (r <= 2) start(game, cpu, 250);
        else if (r == 3) {
            hand.attack(1, 20);
            cpu.counTer = 12;
        } else if (r <= 6) startCounted(game, cpu, 90, 10);
        else if (r <= 11) hand.move(21, 40);
        else if (r <= 15) antiAir();
        else if (r <= 19) hand.attack(31, 40);
        else dynamite();
    } else {
        if (r >= 4 && r <= 6) startCounted(game, cpu, 90, 10);
        else if (r >= 12 && r <= 15) hand.jumpIfLeft(1, 20);
        else if (r >= 16 && r <= 19) hand.move(31, 40);
    }
}

void Nangief::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    // The air recovery: body press, hop, or nothing; every other combo its follow-up at
    // the first chance.
    cpuComboAnswer(game, *this, cpu, opponent, distX, distY);
}

void Nangief::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, distX, distY);
    int16_t kind = 0;
    bool fire = false;
    switch (cpu.spacornType) {
        case 0:
            fire = distX < 250;
            if (fire) {
                // The screw's target: somewhere ahead, at some height.
                cpu.targetX = cint16(roll(game.random, 20, 1) * 10 * cpu.dirStand);
                cpu.targetY = cint16(roll(game.random, 10, 1) * 10);
                if (cpu.spacornCount > 1) {  // the second art, paying a stock of its own
                    kind = 1;
                    payExtraStock(cpu);
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
