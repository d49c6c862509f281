#pragma once
// MORVEKBOY's computer opponent, shaped so that BETABOY, its hidden variant, runs the same
// decision table, combo steps and super-art decision with its own few replacements.
//
// The selects, combo steps and super-art decision are reached through `self` (the calling
// module), so each fighter's decisions start its own moves.

#include <cstdint>
#include <span>

namespace morvek {

struct BattleContext;
class Character;
class MoveSet;

namespace morvekboy_cpu {

/// A module's own pair of distances, overwritten by each of its computer procedures.
struct CpuDistances {
    int16_t distX = 0;
    int16_t distY = 0;
};

/// The entries of the decision table in which the two fighters differ.
struct ThinkRules {
    /// The "EX" entries (MORVEKBOY: the EX choice between 570 and 580).
    void (*exArt)(BattleContext& game, Character& cpu);
    /// The "ground 240 / air 790" entries.
    void (*spinArt)(BattleContext& game, Character& cpu);
};

/// MORVEKBOY's rules.
extern const ThinkRules kMorvekboyThink;

/// The decision outside a typing combo: one roll of 1-20 against the distance bands.
void think(BattleContext& game, MoveSet& self, const ThinkRules& rules, CpuDistances& dist,
           Character& cpu, Character& opponent);

/// The combo opener whose follow-up word the computer picks itself.
struct PickedOpener {
    int16_t opener;          ///< the TPCNumber
    std::span<const int16_t> words;  ///< the word numbers to pick from, with equal chances
    bool keepOpen;           ///< the combo goes on after the step (else it is closed)
};

/// The combo step: 310 by cpuTPCChoice, 820 a new follow-up each time (the combo stays
/// open), `picked` by its own word list, any other opener one follow-up and the end.
void comboStep(BattleContext& game, MoveSet& self, const PickedOpener& picked, CpuDistances& dist,
               Character& cpu, Character& opponent);

/// The super-art decision by spacornType and the distances.
void spacornDecision(BattleContext& game, CpuDistances& dist, Character& cpu, Character& opponent);

}  // namespace morvekboy_cpu
}  // namespace morvek
