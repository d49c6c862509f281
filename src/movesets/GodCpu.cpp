// G O D's computer opponent: the decision outside a typing combo (slot 11), the combo step
// (slot 12) and the typing-combo art decision (slot 13).

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/God.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

/// What a roll of the decision does.
enum class Act : uint8_t {
    SuperArt,     ///< the second super art
    AnyMove,      ///< a movement key 1-40
    LowJump,      ///< a movement key of the Z row
    AnyAttack,    ///< an attack key 1-40 (only three of them start an art)
    LongStep,     ///< movement key 30
    QuickStep,    ///< movement key 21
    ComboArt,     ///< the typing-combo art decision
    Fingertip,    ///< pattern 500
    Flick,        ///< pattern 510
    Fist,         ///< pattern 520
};

using Row = Act[20];  // by roll 1-20
// clang-format off
constexpr Row kHigh = {  // 200 or more apart vertically
    Act::SuperArt, Act::SuperArt, Act::SuperArt, Act::SuperArt,
    Act::AnyMove, Act::AnyMove, Act::AnyMove, Act::AnyMove, Act::AnyMove,
    Act::LongStep, Act::LongStep, Act::QuickStep, Act::QuickStep, Act::QuickStep,
    Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt};
constexpr Row kFar = {  // 250 or more apart
    Act::LowJump, Act::LowJump, Act::LowJump, Act::LowJump,
    Act::AnyAttack, Act::AnyAttack, Act::AnyAttack, Act::AnyAttack, Act::AnyAttack,
    Act::LongStep, Act::LongStep, Act::QuickStep, Act::QuickStep, Act::QuickStep,
    Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt, Act::ComboArt};
constexpr Row kMiddle = {  // 150 to 249 apart
    Act::Fingertip, Act::Fingertip, Act::Fingertip, Act::Fingertip,
    Act::Flick, Act::Flick, Act::Flick, Act::Flick, Act::Fist, Act::Fist,
    Act::SuperArt, Act::SuperArt, Act::SuperArt, Act::SuperArt, Act::SuperArt,
    Act::QuickStep, Act::QuickStep, Act::QuickStep, Act::QuickStep, Act::ComboArt};
constexpr Row kNear = {  // closer than 150
    Act::Fingertip, Act::Fingertip, Act::Fingertip, Act::Fingertip,
    Act::Flick, Act::Flick, Act::Flick, Act::Flick, Act::Fist, Act::Fist,
    Act::LongStep, Act::LongStep, Act::LongStep, Act::LongStep, Act::LongStep,
    Act::SuperArt, Act::SuperArt, Act::SuperArt, Act::SuperArt, Act::ComboArt};
// clang-format on

constexpr int16_t kHighBand = 200;
constexpr int16_t kFarBand = 250;
constexpr int16_t kMiddleBand = 150;
constexpr int16_t kCloseForType2 = 100;
/// The combo step that lets the computer choose among words 1, 3 and 4.
constexpr int16_t kChoiceCombo = 610;

}  // namespace

void God::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    const int16_t r = roll(game.random, 20, 1);
    measureDistances(cpu, opponent, distX, distY);
    if (!facesOpponent(cpu)) return;

    const Row& row = distY >= kHighBand   ? kHigh
                     : distX >= kFarBand  ? kFar
                     : distX >= kMiddleBand ? kMiddle
                                          : kNear;
    if (r < 1 || r > 20) return;
    switch (row[r - 1]) {
    case Act::SuperArt: cpuSpacornStart(game, cpu, opponent, 1); break;
    case Act::AnyMove: MoveSelect(game, cpu, roll(game.random, 40, 1)); break;
    case Act::LowJump: MoveSelect(game, cpu, roll(game.random, 10, 31)); break;
    case Act::AnyAttack: AttackSelect(game, cpu, roll(game.random, 40, 1)); break;
    case Act::LongStep: MoveSelect(game, cpu, 30); break;
    case Act::QuickStep: MoveSelect(game, cpu, 21); break;
    case Act::ComboArt: CPUSpacorn(game, cpu, opponent); break;
    case Act::Fingertip: animChange(game, 500, cpu); break;
    case Act::Flick: animChange(game, 510, cpu); break;
    case Act::Fist: animChange(game, 520, cpu); break;
    }
}

void God::CPUTPC(BattleContext& game, Character& cpu, Character&) {
    if (cpu.TPCNumber == kChoiceCombo) {
        constexpr int16_t kWords[3] = {1, 3, 4};
        cpu.inputKeyNum = pickWord(game.random, kWords);
        TPCFollow(game, cpu);
        return;  // the combo stays open
    }
    TPCFollow(game, cpu);
    cpu.TPC = false;
    cpu.enableAction = false;
}

void God::CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {
    if (cpu.spacornType == 0 || cpu.spacornType == 1) {
        cpuSpacornStart(game, cpu, opponent, 0);
    } else if (cpu.spacornType == 2 && distX < kCloseForType2) {
        cpuSpacornStart(game, cpu, opponent, 0);
    }
}

}  // namespace morvek
