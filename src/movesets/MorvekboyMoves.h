#pragma once
// The pieces of MORVEKBOY's moves that BETABOY, its hidden variant, shares: the per-pattern
// action script and its attack table, the attack and movement selects by keyboard
// position, the typing-combo steps, and the projectile launch, behaviour and animation
// with the few numbers in which the two fighters' shots differ.
//
// BETABOY's procedures handle their own differing patterns, keys and combo openers first
// and hand everything else to these.

#include <cstdint>

#include "movesets/AttackTable.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class MoveSet;
struct flyArts;
struct Rect;

namespace morvekboy_moves {

// ---- action script ---------------------------------------------------------------------

/// MORVEKBOY's attack frame of a pattern, or nullptr when the pattern opens none (the dive
/// kick 282 computes its own). Opened with openAttack (movesets/AttackTable.h).
const AttackRow* attackRow(int16_t pattern);

/// posX moves by dirStand x (a x sPeedEffect + b): the super-art mode lengthens a step by a.
void forward(Character& chara, int16_t a, int16_t b);
void backward(Character& chara, int16_t a, int16_t b);

/// The dive kick: falls faster every frame; the attack and its first power part grow with
/// the fall speed (at most 80).
void diveKick(BattleContext& game, Character& chara);
/// The super art's follow-up: a typing phase of `timer` frames with all eight words shown.
void superArtWordSet(BattleContext& game, Character& chara, int16_t timer);

/// MORVEKBOY's entry for the current pattern; projectiles are launched through
/// `self.FlyArtsLaunch`. Returns false when the pattern has no entry.
bool actionEntry(MoveSet& self, BattleContext& game, Character& chara, Character& opponent);

// ---- selects and typing-combo steps ----------------------------------------------------

void attackSelect(EngineContext& game, Character& chara, int16_t key);
void moveSelect(EngineContext& game, Character& chara, int16_t key);
/// The step of TPCNumber and inputKeyNum after enableAction is cleared.
void tpcFollow(BattleContext& game, Character& chara);
void tpcSecond(BattleContext& game, Character& chara);

// ---- projectiles -----------------------------------------------------------------------

/// The numbers in which the two fighters' shots differ.
struct ShotTuning {
    int16_t shotAhead;   ///< kind 1 starts this far ahead of the body centre
    int16_t shotSpeed;   ///< kind 1 (and a re-armed kind 6) moves this far per frame
    int16_t loopHold;    ///< extra frames each picture of the shot loop is held
    bool burstShot;      ///< kind 6 exists: re-arms once as a kind-1 shot
};
inline constexpr ShotTuning kMorvekboyShots{40, 10, 2, true};

void launch(EngineContext& game, Character& owner, int16_t kind, const ShotTuning& tuning);
void shotBehaviour(Character& owner, flyArts& fa, const ShotTuning& tuning);
void shotFrame(BattleContext& game, Character& owner, Rect& srcRect, flyArts& fa,
               const ShotTuning& tuning);

}  // namespace morvekboy_moves
}  // namespace morvek
