#pragma once
// The arcade ladder: who player 2 is on the next stage, its super art and its computer
// level, and the tune each stage opens with.
//
// Stages 1-5 meet the five regular fighters in random order, each once; stage 6 is
// INTERRUPTER; then, for a flawless run at a fast speed on HARD, BETABOY; and last the
// final boss, G O D, or its small form BURI on EASY or at speed mode 0.

#include <array>
#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;

/// The regular fighters by their place in the ladder's draw (file stems).
inline constexpr std::array<const char*, 5> kRegularRoster = {"morvekboy", "ginzamurai", "honekawa",
                                                             "nangief", "gouda"};

/// The ladder's memory for the run: which regular fighters this game has already met
/// (True = -1). Elements 0-4 are used.
struct LadderState {
    std::array<int16_t, 6> foughtFlag{};
};

/// Chooses player 2 for the next stage and raises its level; newGame starts the ladder
/// over at stage 1 with cpuLevel = baseLevel + 1.
void nextOpponentSet(BattleContext& game, Character& opponent, StateOfStage& stage, bool newGame);

/// Starts the stage tune of fighter number n (player 2's NUMBER). When G O D has just been
/// chosen (ladderstage::GodChosen), its boss theme 13 takes over and its stage begins
/// (ladderstage::God).
void stageMusicPlay(EngineContext& game, int16_t n, StateOfStage& stage);

}  // namespace morvek
