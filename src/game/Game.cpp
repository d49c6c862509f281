#include "game/Game.h"

#include "movesets/Registry.h"
#include "screens/Training.h"
#include "screens/Tutorial.h"

namespace morvek {

namespace {

/// The training and tutorial screens behind the battle's hooks.
class GameModes final : public MatchHooks {
public:
    void tutorialRoundInit(BattleContext& game) override {
        BattleState& b = game.battle;
        tutorialInit(game, b.player1, b.player2, b.stageState);
    }
    void trainingPauseMenu(BattleContext& game) override { morvek::trainingPauseMenu(game); }
};

}  // namespace

Game::Game(Platform& p) : BattleContext(p), modes_(std::make_unique<GameModes>()) {
    battle.moveSets.setMaker(&makeMoveSet);
    hooks = modes_.get();
}

Game::~Game() = default;

}  // namespace morvek
