#pragma once
// The attack frames of a move set, by pattern.
//
// Every melee attack is the same two calls, setAttackFrame then setAttackPower, and a move
// set opens them from a table written one row per attacking pattern, the values in the
// order of the two calls:
//
//     {21, {2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0,
//           25, 16, 4, false, 18, 8, false}},
//
// reads: pattern; type, hit sound, box x, y, w, h, effect, knock-back x, y, effect control
// x, y, zoom x, y, lenge, guard type; then the power's three parts, EX, stun, spacorn point
// and spacorn hit. A row may stand for a run of patterns (`patterns(513, 516)`). The table
// is checked at compile time (sorted, no pattern twice) and looked up by binary search; it
// carries its fighter's name so that a pattern that should strike but has no row stops the
// game with an error naming both, instead of reading nothing.
//
// What a fighter computes around a row (a knock-back taken from its own fall, a box that
// follows the cursor, a box that keeps the previous power) stays in that fighter's code:
// it looks the row up, adjusts a copy, and opens it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

namespace morvek {

struct BattleContext;
class Character;

/// One attack: the arguments of setAttackFrame, then those of setAttackPower, in order.
struct AttackRow {
    // setAttackFrame
    int16_t type, hitSound, boxX, boxY, boxW, boxH, effect, vectorX, vectorY;
    int16_t controlX, controlY, zoomX, zoomY, lenge, gardable;
    // setAttackPower
    int16_t pow1, pow2, pow3;
    bool ex;
    int16_t stun, spacorn;
    bool spHit;
};

/// The patterns a table row stands for: one (`21`) or a run (`patterns(513, 516)`).
struct PatternRun {
    int16_t first = 0;
    int16_t last = 0;
    constexpr PatternRun(int pattern)  // NOLINT: a row names its pattern as a plain number
        : first(static_cast<int16_t>(pattern)), last(static_cast<int16_t>(pattern)) {}
    constexpr PatternRun(int firstPattern, int lastPattern)
        : first(static_cast<int16_t>(firstPattern)), last(static_cast<int16_t>(lastPattern)) {}
};
constexpr PatternRun patterns(int first, int last) { return PatternRun(first, last); }

/// A table row: the patterns, then the attack they open.
struct AttackEntry {
    PatternRun at;
    AttackRow row;
};

/// A pattern that must open an attack found no row: the table and the script disagree.
class MissingAttackRow : public std::logic_error {
public:
    MissingAttackRow(std::string_view fighter, int16_t pattern);
};

/// `row`, or MissingAttackRow naming the fighter and pattern when there is none.
const AttackRow& requireAttackRow(const AttackRow* row, std::string_view fighter, int16_t pattern);

/// A move set's attack rows, checked when the table is built (at compile time).
class AttackTable {
public:
    template <size_t N>
    consteval AttackTable(const char* fighter, const AttackEntry (&entries)[N])
        : fighter_(fighter), entries_(entries) {
        for (size_t i = 0; i < N; ++i) {
            if (entries[i].at.first > entries[i].at.last) throw "pattern run backwards";
            if (i > 0 && entries[i - 1].at.last >= entries[i].at.first)
                throw "attack rows not sorted by pattern, or a pattern twice";
        }
    }

    /// The attack a pattern opens, or nullptr when it opens none from the table.
    const AttackRow* find(int16_t pattern) const;
    /// The attack of a pattern that must strike; MissingAttackRow when it has no row.
    const AttackRow& at(int16_t pattern) const { return requireAttackRow(find(pattern), fighter_, pattern); }

    std::string_view fighter() const { return fighter_; }
    std::span<const AttackEntry> entries() const { return entries_; }

private:
    const char* fighter_;
    std::span<const AttackEntry> entries_;
};

/// Opens (or refreshes) the attack frame and its power, frame first.
void openAttack(BattleContext& game, Character& chara, const AttackRow& row);
/// Only the frame: the power set by an earlier pattern of the move stays in force.
void openAttackFrame(BattleContext& game, Character& chara, const AttackRow& row);
/// Only the power.
void setAttackPower(Character& chara, const AttackRow& row);

}  // namespace morvek
