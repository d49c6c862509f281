// BETABOY's pattern table, attack select, typing-combo steps, projectiles and computer
// decisions: MORVEKBOY's, with BETABOY's few keys, combo openers and numbers handled first.

#include "movesets/Betaboy.h"

#include "battle/BattleContext.h"
#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "movesets/BetaboyPatterns.h"
#include "movesets/MorvekboyCpu.h"
#include "movesets/MorvekboyMoves.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr int32_t kCellSize = 200;  // the sheet has MORVEKBOY's layout

/// On the ground the "F" key starts the uppercut, or the rising art while the uppercut
/// runs; this is also the computer's choice where MORVEKBOY picks its spin art.
void uppercutOrRisingArt(BattleContext& game, Character& chara) {
    const bool uppercutRunning = chara.animPat >= 520 && chara.animPat <= 525;
    animChange(game, uppercutRunning ? 230 : 520, chara);
}

void stunShot(BattleContext& game, Character& chara) { animChange(game, 580, chara); }

constexpr morvekboy_cpu::ThinkRules kBetaboyThink{stunShot, uppercutOrRisingArt};

/// From 似非鉄山 the computer picks one of the four 正中線連撃 words and keeps the combo open.
constexpr int16_t kCentreLineWords[] = {1, 3, 4, 5};
constexpr morvekboy_cpu::PickedOpener kBetaboyPicked{210, kCentreLineWords, true};

}  // namespace

void Betaboy::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(betaboy_patterns::kTable, chara, kCellSize);
}

void Betaboy::AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    KeyPlace at{};
    if (keyPlace(chara, targetKey, at) && at.row == 2) {
        if (at.column == 4) {
            if (chara.floatorStand) animChange(game, 790, chara);
            else uppercutOrRisingArt(game, chara);
            return;
        }
        if (at.column == 10) {  // no EX art: the shift key changes nothing
            stunShot(game, chara);
            return;
        }
    }
    morvekboy_moves::attackSelect(game, chara, targetKey);
}

void Betaboy::TPCFollow(BattleContext& game, Character& chara) {
    chara.enableAction = false;
    switch (chara.TPCNumber) {
        case 210:
            switch (chara.inputKeyNum) {
                case 1: animChange(game, 760, chara); break;
                case 3: animChange(game, 755, chara); break;
                case 4: animChange(game, 750, chara); break;
                case 5: animChange(game, 765, chara); break;
                default: break;
            }
            return;
        case 240: return;  // 打旋 opens words that lead nowhere
        case 310:          // recovery from the air into the rising art
            animChange(game, 230, chara);
            chara.slideVector = chara.dirStand * 4;
            neutralReturnCheck(game, chara);
            return;
        default: morvekboy_moves::tpcFollow(game, chara); return;
    }
}

const morvekboy_moves::ShotTuning& Betaboy::shots() const { return betaboy_moves::kShots; }

void Betaboy::CPUThink(BattleContext& game, Character& cpu, Character& opponent) {
    morvekboy_cpu::think(game, *this, kBetaboyThink, cpuDist, cpu, opponent);
}

void Betaboy::CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {
    morvekboy_cpu::comboStep(game, *this, kBetaboyPicked, cpuDist, cpu, opponent);
}

}  // namespace morvek
