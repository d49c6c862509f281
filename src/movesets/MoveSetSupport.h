#pragma once
// The small steps every move set is written in: where a target key lies for the fighter,
// the steps and turns of a pattern, the once-per-pattern tests, opening and closing the
// typing combo, the recovery from an air hit, and the computer's draws and combo answers.
// A fighter's own arithmetic (a step lengthened by its super-art mode, a box that follows
// the cursor) stays in its module.

#include <cstdint>
#include <span>

// The sounds and voices the scripts share are named beside their file table.
#include "engine/DataTables.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class MoveSet;
class Random;

// ---- the patterns every fighter shares ------------------------------------------------------

inline constexpr int16_t kSecondWordHop = 70;
inline constexpr int16_t kJumpRise = 130;
inline constexpr int16_t kJumpFall = 135;
inline constexpr int16_t kJumpStraight = 150;
inline constexpr int16_t kSweep = 250;
inline constexpr int16_t kShortKick = 270;
inline constexpr int16_t kDive = 280;
/// The fall out of an air hit (kAirHit), from which the fighter may type its way out.
inline constexpr int16_t kAirHitFall = 320;

// ---- target keys ------------------------------------------------------------------------

/// The keyboard grid's rows as the key codes 1-40 run.
enum KeyRow : int16_t { numberRow = 0, topRow = 1, homeRow = 2, bottomRow = 3 };
/// The guard keys' column as the fighter sees it ("D"/"C" facing right, "K"/"," facing
/// left): they start no attack, and on the lower rows no movement either.
inline constexpr int16_t kGuardColumn = 3;

/// Where a target key lies for the fighter: the row, and the column 1-10 as a fighter
/// facing right sees it (any other facing mirrors the columns).
struct KeyPlace {
    int16_t row;
    int16_t column;
};
/// False for a key off the grid (outside 1-40).
bool keyPlace(const Character& chara, int16_t key, KeyPlace& place);

/// The bottom row's low kicks, columns 1-5: the sweep on the outer keys, the short kick on
/// the inner ones, the back ones turning round first; in the air each is the
/// dive with its slide. Returns false for the columns it leaves to the fighter (6-10).
bool lowKicks(EngineContext& game, Character& chara, int16_t column, int16_t sweepSlide, int16_t kickSlide);
/// The jump keys (number and top rows): the jump pose, one of the fighter's jumps rising at
/// `high` or `low` by row, a drift by column, and straight up from the guard column.
void jumpByColumn(EngineContext& game, Character& chara, const KeyPlace& at, double high, double low);

// ---- steps of a pattern -----------------------------------------------------------------

/// posX moves k pixels towards the facing (backward: away from it).
void forward(Character& chara, double k);
void backward(Character& chara, double k);
/// slideVector = k pixels a frame towards the facing.
void slide(Character& chara, int16_t k);
void turnAround(Character& chara);
/// Takes one of the fighter's jumps, if one is left: the rise starts at `up`.
void takeJump(Character& chara, double up);
/// In the air the dive sliding `diveSlide` towards the facing, else `ground`.
void groundOrDive(EngineContext& game, Character& chara, int16_t ground, int16_t diveSlide);
/// A jump turns into its fall once the top of the flight is passed.
void fallPastTheTop(EngineContext& game, Character& chara);
/// The dive kicks' blow at the fall speed: past 25 it strikes harder (another hit sound
/// and effect), the effect grows with the speed, and the power is speed squared over 20, at
/// most 80. The box, knock-back and effect place are the fighter's.
void diveBlow(BattleContext& game, Character& chara, int16_t boxX, int16_t boxW, int16_t vectorY,
              int16_t controlX);
/// The second word's hop: out of an air hit (combo kAirHit) straight up with the
/// fighter's `voice` (kNoVoice: silent) and back to neutral; otherwise 10 a frame
/// backwards when the fighter `hopsBack`.
inline constexpr int16_t kNoVoice = -1;
void secondWordHop(BattleContext& game, Character& chara, int16_t voice, bool hopsBack);
/// Starts `pattern` with its counTer.
void startCounted(EngineContext& game, Character& chara, int16_t pattern, int16_t counter);

// ---- once per pattern -------------------------------------------------------------------

/// True until the pattern's one-off step has been done: its sound (or combo opening) sets
/// wavSndFlag, which every pattern change clears.
bool firstFrame(const Character& chara);
/// The fighter's sound, at most once per pattern.
void sound(EngineContext& game, Character& chara, int16_t index);
/// On the first frame the projectile of `kind`, then the pattern's sound.
void launchOnce(BattleContext& game, MoveSet& self, Character& chara, int16_t kind, int16_t index);
/// Getting up: the neutral bookkeeping once, and on every frame neither guard nor action.
void gettingUp(BattleContext& game, Character& chara);

// ---- typing combos ----------------------------------------------------------------------

/// Opens the pattern's typing combo (once) and names its step.
void openCombo(BattleContext& game, Character& chara, int16_t number);
/// The same once the attack has touched (hit or guarded).
void openComboOnHit(BattleContext& game, Character& chara, int16_t number);
/// Closes the typing combo if one is open.
void closeCombo(EngineContext& game, Character& chara);
/// A hit or guarded attack lets the next move be typed before the pattern ends.
void freeOnHit(Character& chara);
/// Without the typing frame the fighter may not act.
void lockUnlessTargeting(Character& chara);
/// Knocked into the air (kAirHit and the two after it): on the frame the top of the flight
/// is passed the fall starts, and a fighter neither just struck, stunned nor beaten may type
/// its way out.
void airRecovery(BattleContext& game, Character& chara);

// ---- the computer -------------------------------------------------------------------------

/// The computer's measure of its opponent: the distances of the two centres.
void measureDistances(const Character& cpu, const Character& opponent, int16_t& distX, int16_t& distY);
/// The computer facing its opponent (LeftOrRight tells on which side the opponent stands).
bool facesOpponent(const Character& cpu);

/// The computer's hand in one decision: it presses no keys, but hands the selects keys of
/// its own drawing.
struct CpuHand {
    BattleContext& game;
    MoveSet& self;
    Character& cpu;
    /// A key drawn from first-last for the attack (movement) select.
    void attack(int first, int last) const;
    void move(int first, int last) const;
    /// A movement key drawn from first-last while a jump is left.
    void jumpIfLeft(int first = 1, int last = 20) const;
};

/// One draw: Int(r x count + first), a whole number from first to first + count - 1.
int16_t roll(Random& random, int count, int first);
/// The computer's pick of a typed word: one draw, Int(r x n + 1), names the word of `words`
/// with equal chances; the pick stays inside the list whatever the draw.
int16_t pickWord(Random& random, std::span<const int16_t> words);
/// The computer's typing-combo step of most fighters: in the air recovery (kAirHit) the shared
/// choice answers with the follow-up, the second word or nothing; every other combo takes
/// its follow-up at once. The combo ends either way.
void cpuComboAnswer(BattleContext& game, MoveSet& self, Character& cpu, const Character& opponent,
                    int16_t distX, int16_t distY);
/// A combo's follow-up at once, and the combo ends.
void cpuFollowAndEnd(BattleContext& game, MoveSet& self, Character& cpu);

}  // namespace morvek
