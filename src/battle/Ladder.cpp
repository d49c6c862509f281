#include "battle/Ladder.h"

#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

/// A random super art, 0-2.
int16_t randomSpacornType(EngineContext& game) { return cint16(Int(3 * game.random.next())); }

}  // namespace

void nextOpponentSet(BattleContext& game, Character& opponent, StateOfStage& stage, bool newGame) {
    auto& fought = game.battle.ladder.foughtFlag;
    if (newGame) {
        for (size_t i = 0; i < kRegularRoster.size(); ++i) fought[i] = kFalse;
    }

    std::array<size_t, kRegularRoster.size()> candidates{};
    int count = 0;
    for (size_t i = 0; i < kRegularRoster.size(); ++i) {
        if (fought[i] == kFalse) candidates[static_cast<size_t>(count++)] = i;
    }

    switch (stage.checkCounter) {
        case ladderstage::Regulars:
            // With everyone met (only reachable if the boss progress was reset without a
            // new game) there is no one to draw: the opponent stays as it is.
            if (count > 0) {
                const int r = static_cast<int>(Int(count * game.random.next()));
                const size_t pick = candidates[static_cast<size_t>(r)];
                opponent.charaname = kRegularRoster[pick];
                fought[pick] = kTrue;
                opponent.spacornType = randomSpacornType(game);
            }
            break;
        case ladderstage::InterrupterNext:
            opponent.charaname = "interrupter";
            opponent.spacornType = randomSpacornType(game);
            opponent.cpuLevel = cint16(opponent.cpuLevel + 1);
            stage.checkCounter = ladderstage::Interrupter;
            stage.VSactionFlag = false;
            break;
        case ladderstage::Interrupter:
            if (stage.NoContinue && stage.gameSpeedMode != 0 && stage.stageNumber == 6 &&
                stage.baseLevel == 20) {
                // checkCounter stays Interrupter: the stage after BETABOY asks again, and then
                // stageNumber is no longer 6.
                opponent.charaname = "betaboy";
            } else if (stage.gameSpeedMode != 0 && stage.baseLevel != 0) {
                opponent.charaname = "god";
                stage.checkCounter = ladderstage::GodChosen;
                opponent.cpuLevel = cint16(opponent.cpuLevel + 1);
            } else {
                opponent.charaname = "buri";
                stage.checkCounter = ladderstage::Buri;
                opponent.cpuLevel = cint16(opponent.cpuLevel + 1);
            }
            opponent.spacornType = randomSpacornType(game);
            stage.VSactionFlag = false;
            break;
        default:
            break;
    }

    if (newGame) {
        stage.stageNumber = 0;
        opponent.cpuLevel = stage.baseLevel;
    }
    stage.stageNumber = cint16(stage.stageNumber + 1);
    opponent.cpuLevel = cint16(opponent.cpuLevel + 1);
    if (count == 1) stage.checkCounter = ladderstage::InterrupterNext;
}

void stageMusicPlay(EngineContext& game, int16_t n, StateOfStage& stage) {
    struct StageTune {
        int16_t tune;
        int32_t volume;
    };
    static constexpr std::array<StageTune, 9> kStageTunes = {{
        {kMorvekboyTune, 500}, {kGinzamuraiTune, 500}, {kNangiefTune, 500},
        {kHonekawaTune, 500},  {kGoudaTune, 300},       {kInterrupterTune, 500},
        {kBuriTune, 500},      {kGodTune, 500},         {kBetaboyTune, 500},
    }};
    if (n >= 0 && n < static_cast<int16_t>(kStageTunes.size())) {
        const StageTune& t = kStageTunes[static_cast<size_t>(n)];
        musicPlay(game, t.tune, t.volume);
    }
    if (stage.checkCounter == ladderstage::GodChosen) {
        stage.checkCounter = ladderstage::God;
        musicPlay(game, kFinalStageTune, kUsualMusicVolume);
    }
}

}  // namespace morvek
