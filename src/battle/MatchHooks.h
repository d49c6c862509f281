#pragma once
// The match modes' steps that the battle reaches but does not own: the tutorial's set-up
// at the end of a round's set-up and the training pause menu inside the overlay drawing.
// The game layer wires them to the screens; without hooks a match simply has no modes.

namespace morvek {

struct BattleContext;

class MatchHooks {
public:
    virtual ~MatchHooks() = default;
    /// Last step of the round set-up in tutorial mode.
    virtual void tutorialRoundInit(BattleContext& game) = 0;
    /// The pause menu of a training match (PlayMode::Pause), drawn over the match.
    virtual void trainingPauseMenu(BattleContext& game) = 0;
};

}  // namespace morvek
