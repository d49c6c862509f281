// GOUDA's computer opponent: the decision outside a combo (slot 11), the typing-combo step
// (slot 12) and the super-art decision (slot 13). They press no keys: they call the
// selects with keys of their own choosing or start patterns directly. In the air GOUDA
// picks his air arts.

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Gouda.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

/// 豪衝打 in the air, 鎖打ち on the ground.
void chainStrike(EngineContext& game, Character& cpu) { start(game, cpu, cpu.floatorStand ? 790 : 240); }

/// EXタックル when the dice and the gauge allow, else Gタックル.
void tackle(EngineContext& game, Character& cpu) { cpuExArtsSelect(game, cpu, 550, 210); }

}  // namespace

void Gouda::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);

    const CpuHand hand{game, *this, cpu};
    auto superArt = [&] { CPUSpacorn(game, cpu, opponent); };

    const bool facing = facesOpponent(cpu);
    if (!facing) {
        // Turned away: only a close opponent gets an answer.
        if (distX >= 200 || distY >= 200) return;
        if (r <= 8) {
            start(game, cpu, 210);
            cpu.dirStand = cint16(-cpu.dirStand);
        } else if (r == 20) {
            hand.jumpIfLeft();
        }
        return;
    }

    if (distY >= 200) {  // far above or below
        if (r <= 3) groundOrDive(game, cpu, 250, 2);
        else if (r >= 5 && r <= 9) {
            if (cpu.floatorStand) start(game, cpu, 660);
        } else if (r >= 18) hand.jumpIfLeft();
        return;
    }

    if (distX < 100) {  // close
        switch (r) {
            case 1: groundOrDive(game, cpu, 270, 1); break;
            case 2: tackle(game, cpu); break;
            case 3:
            case 4:
                // Meets an attack with the special guard stance.
                if (opponent.sTate == stAttack) start(game, cpu, 380);
                break;
            case 5:
            case 14: chainStrike(game, cpu); break;
            case 6:
            case 7: start(game, cpu, 590); break;
            case 8: groundOrDive(game, cpu, 250, 2); break;
            case 9: start(game, cpu, 530); break;
            case 10: start(game, cpu, 720); break;
            case 11: start(game, cpu, 200); break;
            case 12: start(game, cpu, 20); break;
            case 13: startCounted(game, cpu, 650, 2); break;
            case 15: hand.attack(1, 20); break;
            case 16: hand.attack(31, 40); break;
            case 17:
            case 18:
            case 19:
                // A reeling opponent is worth the super art.
                if (opponent.sTate < 0) superArt();
                else chainStrike(game, cpu);
                break;
            default: superArt(); break;  // 20
        }
        return;
    }

    if (distX < 250) {
        if (r <= 3) hand.move(1, 40);
        else if (r <= 7) hand.attack(1, 20);
        else if (r <= 10) tackle(game, cpu);
        else if (r == 13) start(game, cpu, 580);
        else if (r == 14 || r == 15 || r == 18) hand.attack(31, 40);
        else if (r == 16 || r == 17) start(game, cpu, 720);
        else if (r == 19) superArt();
        else if (r == 20) hand.jumpIfLeft();
        return;
    }

    if (distX < 400) {
        if (r <= 2) start(game, cpu, 580);
        else if (r == 3) startCounted(game, cpu, 650, 12);
        else if (r <= 6) startCounted(game, cpu, 90, 10);
        else if (r <= 11) hand.move(21, 40);
        else if (r <= 15) hand.attack(1, 20);
        else if (r <= 18) hand.attack(31, 40);
        else if (r == 19) superArt();
        else start(game, cpu, 720);
        return;
    }

    // 400 or more away
    if (r <= 3) start(game, cpu, 580);
    else if (r <= 6) startCounted(game, cpu, 90, 10);
    else if (r >= 12 && r <= 15) hand.jumpIfLeft();
    else if (r >= 16 && r <= 18) hand.move(31, 40);
    else if (r == 19) superArt();
}

void Gouda::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    // Unlike the decision's distances these are measured afresh for the combo choice.
    measureDistances(cpu, opponent, distX, distY);
    cpuComboAnswer(game, *this, cpu, opponent, distX, distY);
}

void Gouda::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, distX, distY);
    int16_t kind = 0;
    bool fire = false;
    switch (cpu.spacornType) {
        case 0: fire = distX < 150; break;
        case 1:
            // The type-1 art is the energy stance, or one time in three the F12 dash.
            fire = true;
            cpu.spacornNumber = roll(game.random, 3, 1) == 1 ? 765 : 500;
            break;
        case 2: fire = distX < 200; break;
        default: break;
    }
    // Close and both on the ground with stock to spare: the second art, whose extra stock
    // is taken here even when the first decision was not to fire.
    if (cpu.spacornCount > 1 && distX < 150 && !cpu.floatorStand && !opponent.floatorStand) {
        kind = 1;
        payExtraStock(cpu);
    }
    if (fire) cpuSpacornStart(game, cpu, opponent, kind);
}

}  // namespace morvek
