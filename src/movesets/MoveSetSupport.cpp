#include "movesets/MoveSetSupport.h"

#include <algorithm>

#include "battle/Character.h"
#include "battle/AttackFrames.h"
#include "battle/CpuTick.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "battle/MoveSet.h"

namespace morvek {

bool keyPlace(const Character& chara, int16_t key, KeyPlace& place) {
    if (key < 1 || key > 40) return false;
    place.row = static_cast<int16_t>((key - 1) / 10);
    place.column = static_cast<int16_t>((key - 1) % 10 + 1);
    if (chara.dirStand != 1) place.column = static_cast<int16_t>(11 - place.column);
    return true;
}

bool lowKicks(EngineContext& game, Character& chara, int16_t column, int16_t sweepSlide, int16_t kickSlide) {
    switch (column) {
        case 1:
            turnAround(chara);
            groundOrDive(game, chara, kSweep, sweepSlide);
            return true;
        case 2:
            turnAround(chara);
            groundOrDive(game, chara, kShortKick, kickSlide);
            return true;
        case kGuardColumn: return true;
        case 4: groundOrDive(game, chara, kShortKick, kickSlide); return true;
        case 5: groundOrDive(game, chara, kSweep, sweepSlide); return true;
        default: return false;
    }
}

void jumpByColumn(EngineContext& game, Character& chara, const KeyPlace& at, double high, double low) {
    animChange(game, kJumpRise, chara);
    // Without a jump left only the pose and the drift change.
    takeJump(chara, at.row == numberRow ? high : low);
    slide(chara, cint16(at.column - kGuardColumn));
    if (at.column == kGuardColumn) animChange(game, kJumpStraight, chara);  // straight up
}

void forward(Character& chara, double k) { chara.posX = chara.posX + chara.dirStand * k; }
void backward(Character& chara, double k) { chara.posX = chara.posX - chara.dirStand * k; }
void slide(Character& chara, int16_t k) { chara.slideVector = chara.dirStand * k; }
void turnAround(Character& chara) { chara.dirStand = cint16(-chara.dirStand); }

void takeJump(Character& chara, double up) {
    if (chara.airialJumpCount <= 0) return;
    chara.fallVector = 0;
    chara.airialJumpCount = cint16(chara.airialJumpCount - 1);
    chara.upVector = up;
}

void groundOrDive(EngineContext& game, Character& chara, int16_t ground, int16_t diveSlide) {
    if (chara.floatorStand) {
        animChange(game, kDive, chara);
        slide(chara, diveSlide);
    } else {
        animChange(game, ground, chara);
    }
}

void fallPastTheTop(EngineContext& game, Character& chara) {
    if (chara.upVector < chara.fallVector) animChange(game, kJumpFall, chara);
}

void diveBlow(BattleContext& game, Character& chara, int16_t boxX, int16_t boxW, int16_t vectorY,
              int16_t controlX) {
    const double fall = chara.fallVector;
    const bool hard = !(fall < 25);
    const int16_t size = cint16(fall);
    setAttackFrame(game, chara, 3, hard ? 14 : 11, boxX, 150, boxW, 30, hard ? 15 : 10, 0, vectorY,
                   controlX, 110, size, size, 8, 2);
    int16_t power = cint16(Int(fall * fall / 20));
    setAttackPower(chara, fallAttackPowCap(power), 2, 0, false, 10, 15, false);
}

void secondWordHop(BattleContext& game, Character& chara, int16_t voice, bool hopsBack) {
    animChange(game, kSecondWordHop, chara);
    if (chara.TPCNumber != kAirHit) {
        if (hopsBack) slide(chara, -10);
        return;
    }
    chara.fallVector = 0;
    chara.upVector = 5;
    if (voice != kNoVoice) soundPlay(game, voice);  // on every call, not once per pattern
    neutralReturnCheck(game, chara);
}

void startCounted(EngineContext& game, Character& chara, int16_t pattern, int16_t counter) {
    animChange(game, pattern, chara);
    chara.counTer = counter;
}

bool firstFrame(const Character& chara) { return !chara.wavSndFlag; }

void sound(EngineContext& game, Character& chara, int16_t index) { charaSoundPlay(game, index, chara); }

void launchOnce(BattleContext& game, MoveSet& self, Character& chara, int16_t kind, int16_t index) {
    if (firstFrame(chara)) self.FlyArtsLaunch(game, chara, kind);
    sound(game, chara, index);
}

void gettingUp(BattleContext& game, Character& chara) {
    if (firstFrame(chara)) {
        neutralReturnCheck(game, chara);
        chara.wavSndFlag = true;
    }
    chara.enableGard = false;
    chara.enableAction = false;
}

void openCombo(BattleContext& game, Character& chara, int16_t number) {
    TPCStart(game, chara);
    chara.TPCNumber = number;
}

void openComboOnHit(BattleContext& game, Character& chara, int16_t number) {
    if (chara.attackWasHit > 0) openCombo(game, chara, number);
}

void closeCombo(EngineContext& game, Character& chara) {
    if (chara.TPC) TPCEnd(game, chara);
}

void freeOnHit(Character& chara) {
    if (chara.attackWasHit > 0) chara.enableAction = true;
}

void lockUnlessTargeting(Character& chara) {
    if (!chara.tarGeting) chara.enableAction = false;
}

void airRecovery(BattleContext& game, Character& chara) {
    if (!(chara.upVector < chara.fallVector)) return;
    animChange(game, kAirHitFall, chara);
    if (chara.KBTimer == 0 && chara.viTality > 0 && chara.stunSwitch == stunNormal)
        openCombo(game, chara, kAirHit);
}

int16_t roll(Random& random, int count, int first) {
    return cint16(Int(random.next() * count + first));
}

int16_t pickWord(Random& random, std::span<const int16_t> words) {
    const auto n = static_cast<double>(words.size());
    const double place = Int(random.next() * n + 1);
    const auto index = static_cast<size_t>(std::clamp(place, 1.0, n)) - 1;
    return words[index];
}

void measureDistances(const Character& cpu, const Character& opponent, int16_t& distX, int16_t& distY) {
    distX = distanceX(cpu, opponent);
    distY = distanceY(cpu, opponent);
}

bool facesOpponent(const Character& cpu) {
    return (cpu.dirStand == 1 && cpu.LeftOrRight == 1) || (cpu.dirStand == -1 && cpu.LeftOrRight == -1);
}

void CpuHand::attack(int first, int last) const {
    self.AttackSelect(game, cpu, roll(game.random, last - first + 1, first));
}

void CpuHand::move(int first, int last) const {
    self.MoveSelect(game, cpu, roll(game.random, last - first + 1, first));
}

void CpuHand::jumpIfLeft(int first, int last) const {
    if (cpu.airialJumpCount > 0) move(first, last);
}

void cpuFollowAndEnd(BattleContext& game, MoveSet& self, Character& cpu) {
    self.TPCFollow(game, cpu);
    cpu.TPC = false;
    cpu.enableAction = false;
}

void cpuComboAnswer(BattleContext& game, MoveSet& self, Character& cpu, const Character& opponent,
                    int16_t distX, int16_t distY) {
    if (cpu.TPCNumber != kAirHit) {
        cpuFollowAndEnd(game, self, cpu);
        return;
    }
    switch (cpuTPCChoice(game, cpu, opponent, distX, distY)) {
        case 0:
            cpuFollowAndEnd(game, self, cpu);
            break;
        case 1: case 2:  // the second word: a hop out of the hit
            self.TPCSecond(game, cpu);
            cpu.TPC = false;
            break;
        default:  // 3: the combo is let go
            cpu.TPC = false;
            cpu.enableAction = false;
            break;
    }
}

}  // namespace morvek
