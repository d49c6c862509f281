// MORVEKBOY's computer opponent: the decision outside a combo (slot 11), the typing-combo
// step (slot 12) and the super-art decision (slot 13).

#include "movesets/MorvekboyCpu.h"

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Morvekboy.h"
#include "battle/MoveSet.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace morvekboy_cpu {

namespace {

void start(EngineContext& game, Character& cpu, int16_t pattern) { animChange(game, pattern, cpu); }

void morvekboyExArt(BattleContext& game, Character& cpu) { cpuExArtsSelect(game, cpu, 570, 580); }

void morvekboySpinArt(BattleContext& game, Character& cpu) {
    animChange(game, cpu.floatorStand ? 790 : 240, cpu);
}

/// Close in: the opponent is less than 100 away.
void closeRange(BattleContext& game, MoveSet& self, const ThinkRules& rules, int r, Character& cpu,
                Character& opponent) {
    switch (r) {
        case 1: groundOrDive(game, cpu, 270, 1); break;
        case 2: start(game, cpu, 210); break;
        case 3:
        case 4:
            // Meets an attack with the special guard stance.
            if (opponent.sTate == stAttack) start(game, cpu, 380);
            break;
        case 5: rules.spinArt(game, cpu); break;
        case 6:
        case 7: start(game, cpu, 590); break;
        case 8: groundOrDive(game, cpu, 250, 2); break;
        case 9: start(game, cpu, 530); break;
        case 10: start(game, cpu, 720); break;
        case 11: start(game, cpu, 200); break;
        case 12: start(game, cpu, 20); break;
        case 13: startCounted(game, cpu, 650, 2); break;
        case 14: rules.spinArt(game, cpu); break;
        case 15: CpuHand{game, self, cpu}.attack(1, 20); break;
        case 16: CpuHand{game, self, cpu}.attack(31, 40); break;
        case 17:
        case 18:
        case 19:
            // A reeling opponent is worth the super art.
            if (opponent.sTate < 0) self.CPUSpacorn(game, cpu, opponent);
            else rules.spinArt(game, cpu);
            break;
        default: self.CPUSpacorn(game, cpu, opponent); break;  // 20
    }
}

/// 100 to 249 away.
void middleRange(BattleContext& game, MoveSet& self, const ThinkRules& rules, int r, Character& cpu,
                 Character& opponent) {
    if (r <= 3) CpuHand{game, self, cpu}.move(1, 40);
    else if (r <= 7) CpuHand{game, self, cpu}.attack(1, 20);
    else if (r <= 10) start(game, cpu, 210);
    else if (r <= 12) return;
    else if (r == 13) rules.exArt(game, cpu);
    else if (r <= 15) CpuHand{game, self, cpu}.attack(31, 40);
    else if (r <= 17) start(game, cpu, 720);
    else if (r == 18) CpuHand{game, self, cpu}.attack(31, 40);
    else if (r == 19) self.CPUSpacorn(game, cpu, opponent);
    else CpuHand{game, self, cpu}.jumpIfLeft();
}

/// 250 to 399 away.
void farRange(BattleContext& game, MoveSet& self, const ThinkRules& rules, int r, Character& cpu,
              Character& opponent) {
    if (r <= 2) rules.exArt(game, cpu);
    else if (r == 3) startCounted(game, cpu, 650, 12);
    else if (r <= 6) startCounted(game, cpu, 90, 10);
    else if (r <= 11) CpuHand{game, self, cpu}.move(21, 40);
    else if (r <= 15) CpuHand{game, self, cpu}.attack(1, 20);
    else if (r <= 18) CpuHand{game, self, cpu}.attack(31, 40);
    else if (r == 19) self.CPUSpacorn(game, cpu, opponent);
    else start(game, cpu, 720);
}

/// 400 or more away.
void veryFarRange(BattleContext& game, MoveSet& self, const ThinkRules& rules, int r, Character& cpu,
                  Character& opponent) {
    if (r <= 3) rules.exArt(game, cpu);
    else if (r <= 6) startCounted(game, cpu, 90, 10);
    else if (r <= 11) return;
    else if (r <= 15) CpuHand{game, self, cpu}.jumpIfLeft();
    else if (r <= 18) CpuHand{game, self, cpu}.move(31, 40);
    else if (r == 19) self.CPUSpacorn(game, cpu, opponent);
}

}  // namespace

const ThinkRules kMorvekboyThink{morvekboyExArt, morvekboySpinArt};

void think(BattleContext& game, MoveSet& self, const ThinkRules& rules, CpuDistances& dist,
           Character& cpu, Character& opponent) {
    const int r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, dist.distX, dist.distY);
    const int16_t distX = dist.distX;
    const int16_t distY = dist.distY;

    const bool facing = facesOpponent(cpu);
    if (!facing) {
        if (distX >= 200 || distY >= 200) return;
        if (r <= 8) {
            // Turns with a back-fist.
            animChange(game, 780, cpu);
            cpu.dirStand = cint16(-cpu.dirStand);
        } else if (r == 20) {
            CpuHand{game, self, cpu}.jumpIfLeft();
        }
        return;
    }

    if (distY >= 200) {
        // The opponent is far above or below: rise to meet it, or jump.
        if (r <= 3) groundOrDive(game, cpu, 250, 2);
        else if (r >= 18) CpuHand{game, self, cpu}.jumpIfLeft();
        return;
    }

    if (distX < 100) closeRange(game, self, rules, r, cpu, opponent);
    else if (distX < 250) middleRange(game, self, rules, r, cpu, opponent);
    else if (distX < 400) farRange(game, self, rules, r, cpu, opponent);
    else veryFarRange(game, self, rules, r, cpu, opponent);
}

void comboStep(BattleContext& game, MoveSet& self, const PickedOpener& picked, CpuDistances& dist,
               Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, dist.distX, dist.distY);

    if (cpu.TPCNumber == 820) {
        // A new follow-up on every granted frame until the action script ends the combo.
        static constexpr int16_t kWords[] = {1, 3, 4, 5, 6, 7, 8};
        cpu.inputKeyNum = pickWord(game.random, kWords);
        self.TPCFollow(game, cpu);
        return;
    }

    if (cpu.TPCNumber == picked.opener) {
        cpu.inputKeyNum = pickWord(game.random, picked.words);
        if (picked.keepOpen) {
            self.TPCFollow(game, cpu);
            return;
        }
    }
    cpuComboAnswer(game, self, cpu, opponent, dist.distX, dist.distY);
}

void spacornDecision(BattleContext& game, CpuDistances& dist, Character& cpu, Character& opponent) {
    measureDistances(cpu, opponent, dist.distX, dist.distY);
    bool fire = false;
    switch (cpu.spacornType) {
        case 0: fire = !cpu.floatorStand && dist.distX < 150 && dist.distY < 200; break;
        case 1: fire = dist.distX < 100; break;
        case 2: fire = true; break;
        default: break;
    }
    if (fire) cpuSpacornStart(game, cpu, opponent, 0);
}

}  // namespace morvekboy_cpu

namespace {
/// From the punch-elbow opener the computer picks the first or the third word.
constexpr int16_t kMorvekboyPickedWords[] = {1, 3};
constexpr morvekboy_cpu::PickedOpener kMorvekboyPicked{240, kMorvekboyPickedWords, false};
}  // namespace

void Morvekboy::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    morvekboy_cpu::think(game, *this, morvekboy_cpu::kMorvekboyThink, cpuDist, cpu, opponent);
}

void Morvekboy::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    morvekboy_cpu::comboStep(game, *this, kMorvekboyPicked, cpuDist, cpu, opponent);
}

void Morvekboy::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    morvekboy_cpu::spacornDecision(game, cpuDist, cpu, opponent);
}

}  // namespace morvek
