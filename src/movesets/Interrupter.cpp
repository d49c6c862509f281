// INTERRUPTER's pattern table, body boxes and stage intro.

#include "movesets/Interrupter.h"

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/InterrupterPatterns.h"

namespace morvek {

namespace {
constexpr int32_t kCellSize = 200;  // the sheet is 14 x 12 cells of 200 pixels

constexpr int16_t kIntroVoiceFrame = 30;
constexpr int16_t kIntroLength = 100;
constexpr int16_t kIntroVoice = 139;  // watashiga
}  // namespace

namespace interrupter_patterns {
int16_t ruleCountDownLoopWhilePositive(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    chara.counTer = cint16(chara.counTer - 1);
    return chara.counTer > 0 ? loopTo : exit;
}
}  // namespace interrupter_patterns

void Interrupter::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(interrupter_patterns::kTable, chara, kCellSize);
}

void Interrupter::HitFieldSet(BattleContext&, Character& chara) {
    anim::applyBodyBox(chara, interrupter_patterns::kBodyBoxes);
}

void interrupterStageIntro(BattleContext& game, StateOfStage& stage) {
    auto* self = static_cast<Interrupter*>(game.battle.moveSets.find(fighter::Interrupter));
    stage.wholeTimer = 0;  // the round start waits while the intro runs
    self->interrupterIntroCount = cint16(self->interrupterIntroCount + 1);
    if (self->interrupterIntroCount == kIntroVoiceFrame) soundPlay(game, kIntroVoice);
    if (self->interrupterIntroCount > kIntroLength) stage.VSactionFlag = true;
}

void Interrupter::StageIntro(BattleContext& game, StateOfStage& stage, Character&, Character&) {
    interrupterStageIntro(game, stage);
}

}  // namespace morvek
