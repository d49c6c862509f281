#pragma once
// Servants: delayed clones of GINZAMURAI (one) and HONEKAWA (three). Each side keeps up to
// three servant fighters and a 60-frame trail of its master's pattern, position and
// facing; servant k replays the trail 5k frames late (HONEKAWA) or in step (GINZAMURAI,
// drawn 20 px behind). Servants are drawn and attack like their master but are never
// hit. They live while the master's SPspacornTimer is above 0; the master's move set only
// asks for them through servantCreate, the fighter drawing runs them every frame.

#include <array>
#include <cstdint>
#include <optional>

#include "battle/Character.h"

namespace morvek {

struct BattleContext;
class Surface8;

constexpr int kServantSlots = 3;
constexpr int kServantTrailLength = 60;

/// One frame of the master.
struct ServantTrailEntry {
    int16_t animPat = 0;
    int16_t posX = 0;   ///< the master's posX rounded
    int16_t posY = 0;
    int16_t dirStand = 0;
};

using ServantTrail = std::array<ServantTrailEntry, kServantTrailLength>;

/// One side's servants and trail. A slot stays empty until its first creation; later
/// creations replace the object in it.
struct ServantSide {
    std::array<std::optional<Character>, kServantSlots> servantSlots;
    ServantTrail servantTrail{};
    /// The entry that receives the master's state this frame.
    uint8_t servantTrailIndex = 0;
};

/// Both sides' blocks; they live for the whole run.
struct ServantState {
    ServantSide player1Side;  ///< masters with PrimalPlayer set
    ServantSide player2Side;
};

/// The side block of master (by PrimalPlayer).
ServantSide& servantSideOf(BattleContext& game, const Character& master);

/// Creates the master's NumOfServant servants (at most three) and starts the spell.
void servantCreate(BattleContext& game, Character& master);
/// A new servant of master's fighter in slot; restarts the master's spell timer.
void servantClone(std::optional<Character>& slot, Character& master);
/// Every entry = master's current state.
void servantTrailFill(ServantTrail& trail, const Character& master);
/// Draws one servant and its projectiles from sheet.
void servantDraw(BattleContext& game, Character& servant, const Surface8& sheet);
/// Stores master's state in one entry.
void servantTrailRecord(ServantTrailEntry& entry, const Character& master);
/// Moves the trail index on and puts each servant into its entry.
void servantFollowAll(ServantSide& side, const Character& master);
/// Puts a servant into the entry's state; a new pattern may open a new attack frame.
void servantFollow(Character& servant, const ServantTrailEntry& entry);
/// One servant's attack frame against the opponent, its powers folded into one.
void servantAttack(BattleContext& game, Character& servant, Character& opponent);

/// Draws the effect sprites of master's servants.
void servantAttackEffectDraw(BattleContext& game, Character& master);
/// Draws the side's servants.
void servantDrawAll(BattleContext& game, Character& master);
/// Records the master in the trail and moves the servants.
void servantTrailStep(BattleContext& game, Character& master);
/// Runs each servant's attack frame against the opponent.
void servantAttackAll(BattleContext& game, Character& master, Character& opponent);

}  // namespace morvek
