#pragma once
// The animation pattern table every move set is built on.
//
// A fighter's whole behaviour hangs on one number, `animPat`: everybody else only ever
// picks a pattern, and what a pattern means (the sprite cell shown, how long it is held,
// where the animation goes next, the fighter's state, its body box, the move's name) is
// looked up here. A move set writes its table as a list of blocks, one block per move of
// consecutive pattern numbers, close to the way the moves were designed:
//
//     {"男パンチ", 0, 0, 0, {{20, 4, 11, 3}, {21, 7, 10, 2}, {22, 7, 10, s + 12},
//                             {23, 9, 10, s + 2, to(0)}}},
//
// reads: move name, state, body class, zoom, then per pattern its number, cell (column,
// row), hold and, where it does not simply go on to the next number, its step. At compile
// time the blocks become a dense lookup by pattern number (0-950), checked for gaps and
// duplicates, so drawing a fighter costs one index and a handful of stores.
//
// A variant fighter shares rows with the fighter it varies: pickBlocks() takes a base
// table's blocks by their first pattern, and buildPatternTable() joins them with the
// variant's own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "platform/Surface8.h"

namespace morvek {

class Character;

namespace anim {

/// Highest pattern number a table can hold; the lookup is dense from 0.
inline constexpr int kLastPattern = 950;
inline constexpr size_t kMaxBlockPatterns = 10;
inline constexpr size_t kMaxBlockSets = 6;
inline constexpr size_t kMaxSplitPieces = 4;

/// Hold time of a pattern in frames: k + sPeed*sMul + counTer*cMul + sPeedEffect*eMul.
/// Written in a table as the expression itself (3, s + 12, s + 5 * c, 4 - e, 2 * s + 3)
/// with the terms of namespace `hold`.
struct Hold {
    int16_t k = 0;
    int8_t sMul = 0;
    int8_t cMul = 0;
    int8_t eMul = 0;

    constexpr Hold() = default;
    constexpr Hold(int constant) : k(static_cast<int16_t>(constant)) {}  // NOLINT: reads as a number
    constexpr Hold(int constant, int s, int c, int e)
        : k(static_cast<int16_t>(constant)),
          sMul(static_cast<int8_t>(s)),
          cMul(static_cast<int8_t>(c)),
          eMul(static_cast<int8_t>(e)) {}
    constexpr bool operator==(const Hold&) const = default;
};

constexpr Hold operator+(Hold a, Hold b) {
    return Hold(a.k + b.k, a.sMul + b.sMul, a.cMul + b.cMul, a.eMul + b.eMul);
}
constexpr Hold operator-(Hold a, Hold b) {
    return Hold(a.k - b.k, a.sMul - b.sMul, a.cMul - b.cMul, a.eMul - b.eMul);
}
constexpr Hold operator*(int n, Hold h) {
    return Hold(n * h.k, n * h.sMul, n * h.cMul, n * h.eMul);
}

namespace hold {
inline constexpr Hold s{0, 1, 0, 0};  ///< `sPeed`: 3 in normal play, 0 in the super-art mode
inline constexpr Hold c{0, 0, 1, 0};  ///< `counTer`
inline constexpr Hold e{0, 0, 0, 1};  ///< `sPeedEffect`: 1 in the super-art mode
}  // namespace hold

/// A step that depends on the fighter: returns the pattern to go to (absolute) and may
/// count the fighter's `counTer`. a and b are the targets the step was written with.
using StepRule = int16_t (*)(Character& chara, int16_t pattern, int16_t a, int16_t b);

/// Where a pattern goes when its hold has run out.
struct Step {
    enum class Kind : uint8_t { Next, To, Stay, Rule };
    Kind kind = Kind::Next;
    int16_t a = 0;
    int16_t b = 0;
    StepRule rule = nullptr;
    constexpr bool operator==(const Step&) const = default;
};

/// Go to the given pattern.
constexpr Step to(int target) { return Step{Step::Kind::To, static_cast<int16_t>(target), 0, nullptr}; }
/// Keep the pattern until another routine changes it.
inline constexpr Step stay{Step::Kind::Stay, 0, 0, nullptr};
/// A step decided by the fighter's fields at every evaluation.
constexpr Step when(StepRule rule, int a, int b) {
    return Step{Step::Kind::Rule, static_cast<int16_t>(a), static_cast<int16_t>(b), rule};
}

// The conditional steps that recur across move sets.

/// Guards: stay while guard stun (`gardFixTime`) is left, else go to `exit`.
int16_t ruleGuardStun(Character&, int16_t pattern, int16_t exit, int16_t);
/// Loops: while `counTer` is not 0 count it down and go back to `loopTo`, else go to `exit`.
int16_t ruleLoopCountingDown(Character&, int16_t pattern, int16_t loopTo, int16_t exit);
/// Walks: while `counTer` is not 0 move it one toward 0 and go back to `loopTo`, else `exit`.
int16_t ruleLoopTowardZero(Character&, int16_t pattern, int16_t loopTo, int16_t exit);
/// Floor: a fighter without vitality stays down; else go to `next`.
int16_t ruleStayWhileKnockedOut(Character&, int16_t pattern, int16_t next, int16_t);
/// Hit reactions: with vitality left go to `alive`, else to `collapse`.
int16_t ruleCollapseWithoutVitality(Character&, int16_t pattern, int16_t alive, int16_t collapse);
/// While `counTer` >= 0 count it down and go back to `loopTo`, else go to `exit`.
int16_t ruleLoopUntilCounterNegative(Character&, int16_t pattern, int16_t loopTo, int16_t exit);
/// While `counTer` >= 0 go back to `loopTo`, else to `exit`; the action script counts it.
int16_t ruleLoopWhileCounterNotNegative(Character&, int16_t pattern, int16_t loopTo, int16_t exit);
/// While `counTer` > 0 go back to `loopTo`, else to `exit`; the action script counts it.
int16_t ruleLoopWhileCounterPositive(Character&, int16_t pattern, int16_t loopTo, int16_t exit);

constexpr Step guardHold(int exit) { return when(ruleGuardStun, exit, 0); }
constexpr Step loopCountingDown(int loopTo, int exit) { return when(ruleLoopCountingDown, loopTo, exit); }
constexpr Step loopTowardZero(int loopTo, int exit) { return when(ruleLoopTowardZero, loopTo, exit); }
constexpr Step stayWhileKnockedOut(int next) { return when(ruleStayWhileKnockedOut, next, 0); }
constexpr Step collapseWithoutVitality(int alive, int collapse) {
    return when(ruleCollapseWithoutVitality, alive, collapse);
}
constexpr Step loopUntilCounterNegative(int loopTo, int exit) {
    return when(ruleLoopUntilCounterNegative, loopTo, exit);
}
constexpr Step loopWhileCounterNotNegative(int loopTo, int exit) {
    return when(ruleLoopWhileCounterNotNegative, loopTo, exit);
}
constexpr Step loopWhileCounterPositive(int loopTo, int exit) {
    return when(ruleLoopWhileCounterPositive, loopTo, exit);
}

/// One pattern of a block: its number, sprite cell, hold and step.
struct Pat {
    int16_t number = -1;
    int8_t column = 0;
    int8_t row = 0;
    Hold hold{};
    Step step{};
};

/// A block attribute that is one value for the whole block or changes at given patterns:
/// `7` or `from(70, 10, 72, 7)` (10 on 70-71, 7 from 72 on).
struct Split {
    struct Piece {
        int16_t first = 0;
        int16_t value = 0;
    };
    std::array<Piece, kMaxSplitPieces> pieces{};
    uint8_t count = 0;

    constexpr Split(int value) : count(1) {  // NOLINT: a single value reads as a number
        pieces[0] = Piece{INT16_MIN, static_cast<int16_t>(value)};
    }
    constexpr Split() = default;

    constexpr int16_t at(int pattern) const {
        int16_t v = pieces[0].value;
        for (size_t i = 0; i < count; ++i)
            if (pattern >= pieces[i].first) v = pieces[i].value;
        return v;
    }
};

template <typename... Ints>
constexpr Split from(Ints... firstAndValue) {
    static_assert(sizeof...(Ints) % 2 == 0 && sizeof...(Ints) / 2 <= kMaxSplitPieces);
    const int v[] = {static_cast<int>(firstAndValue)...};
    Split s;
    for (size_t i = 0; i < sizeof...(Ints); i += 2)
        s.pieces[s.count++] = Split::Piece{static_cast<int16_t>(v[i]), static_cast<int16_t>(v[i + 1])};
    return s;
}

/// A field some patterns write besides the common ones.
struct Set {
    enum class Field : uint8_t { None, EnableAction, EnableGard, Counter };
    Field field = Field::None;
    int16_t pattern = 0;
    int16_t value = 0;
};

constexpr Set enableActionAt(int pattern, bool on) {
    return Set{Set::Field::EnableAction, static_cast<int16_t>(pattern), static_cast<int16_t>(on)};
}
constexpr Set enableGardAt(int pattern, bool on) {
    return Set{Set::Field::EnableGard, static_cast<int16_t>(pattern), static_cast<int16_t>(on)};
}
constexpr Set counTerAt(int pattern, int value) {
    return Set{Set::Field::Counter, static_cast<int16_t>(pattern), static_cast<int16_t>(value)};
}

/// The move's name (`artsName`), written by one pattern of the block (its first unless
/// given) and kept afterwards. A block without a name leaves the previous name in place.
struct Name {
    const char* text = nullptr;
    int16_t pattern = -1;  ///< -1: the block's first pattern

    constexpr Name() = default;
    constexpr Name(const char* t) : text(t) {}  // NOLINT: a name reads as a string
    constexpr Name(const char* t, int p) : text(t), pattern(static_cast<int16_t>(p)) {}
};
inline constexpr Name unnamed{};

/// One move: consecutive patterns sharing name, state, body class and zoom level.
struct Block {
    Name name;
    Split state;  ///< `sTate`
    Split body;   ///< `ATFnumber`, the body-box class
    Split zoom;   ///< `zoomCount`
    Pat pats[kMaxBlockPatterns]{};
    Set sets[kMaxBlockSets]{};

    constexpr int16_t first() const { return pats[0].number; }
    constexpr size_t size() const {
        size_t n = 0;
        while (n < kMaxBlockPatterns && pats[n].number >= 0) ++n;
        return n;
    }
};

/// One pattern as the evaluation writes it.
struct Entry {
    int16_t number = -1;
    int8_t column = 0;
    int8_t row = 0;
    Hold hold{};
    Step step{};  ///< Next and Stay resolved into To with the absolute target
    int16_t state = 0;
    int16_t body = 0;
    int16_t zoom = 0;
    const char* name = nullptr;  ///< written when not null
    int8_t enableAction = -1;    ///< -1 not written, 0 False, 1 True
    int8_t enableGard = -1;
    bool setsCounter = false;
    int16_t counter = 0;
};

/// The compiled table: every pattern of the blocks, found by number.
template <size_t N>
struct PatternTable {
    std::array<int16_t, kLastPattern + 1> index{};  ///< into entries; -1 = not in the table
    std::array<Entry, N> entries{};

    constexpr const Entry* find(int pattern) const {
        if (pattern < 0 || pattern > kLastPattern) return nullptr;
        const int16_t i = index[static_cast<size_t>(pattern)];
        return i < 0 ? nullptr : &entries[static_cast<size_t>(i)];
    }
    static constexpr size_t size() { return N; }
};

/// Builds the lookup. Fails to compile when a block's patterns are not consecutive, when
/// a pattern appears twice or lies outside 0-950, or when the count is not N.
template <size_t N>
consteval PatternTable<N> buildPatternTable(std::initializer_list<std::span<const Block>> parts) {
    PatternTable<N> t;
    for (auto& i : t.index) i = -1;
    size_t n = 0;
    for (std::span<const Block> part : parts) {
        for (const Block& b : part) {
            const size_t len = b.size();
            if (len == 0) throw "empty block";
            for (size_t k = 0; k < len; ++k) {
                const Pat& p = b.pats[k];
                if (k > 0 && p.number != b.pats[k - 1].number + 1) throw "block not consecutive";
                if (p.number < 0 || p.number > kLastPattern) throw "pattern out of range";
                if (t.index[static_cast<size_t>(p.number)] >= 0) throw "pattern defined twice";
                if (n >= N) throw "more patterns than declared";
                Entry e;
                e.number = p.number;
                e.column = p.column;
                e.row = p.row;
                e.hold = p.hold;
                switch (p.step.kind) {
                case Step::Kind::Next: e.step = to(p.number + 1); break;
                case Step::Kind::Stay: e.step = to(p.number); break;
                default: e.step = p.step; break;
                }
                e.state = b.state.at(p.number);
                e.body = b.body.at(p.number);
                e.zoom = b.zoom.at(p.number);
                const int16_t namedAt = b.name.pattern < 0 ? b.first() : b.name.pattern;
                if (b.name.text != nullptr && p.number == namedAt) e.name = b.name.text;
                for (const Set& s : b.sets) {
                    if (s.field == Set::Field::None || s.pattern != p.number) continue;
                    switch (s.field) {
                    case Set::Field::EnableAction: e.enableAction = static_cast<int8_t>(s.value); break;
                    case Set::Field::EnableGard: e.enableGard = static_cast<int8_t>(s.value); break;
                    case Set::Field::Counter:
                        e.setsCounter = true;
                        e.counter = s.value;
                        break;
                    default: break;
                    }
                }
                t.index[static_cast<size_t>(p.number)] = static_cast<int16_t>(n);
                t.entries[n++] = e;
            }
            for (const Set& s : b.sets)
                if (s.field != Set::Field::None && (s.pattern < b.first() || s.pattern >= b.first() + static_cast<int>(len)))
                    throw "field set outside its block";
        }
    }
    if (n != N) throw "fewer patterns than declared";
    return t;
}

/// The blocks of `all` whose first patterns are listed, in the order listed: the rows a
/// variant fighter shares with the fighter it varies.
template <size_t K>
consteval std::array<Block, K> pickBlocks(std::span<const Block> all, const int16_t (&firsts)[K]);

template <size_t K, size_t M>
consteval std::array<Block, K> pickBlocks(const Block (&all)[M], const int16_t (&firsts)[K]) {
    return pickBlocks(std::span<const Block>(all), firsts);
}

template <size_t K>
consteval std::array<Block, K> pickBlocks(std::span<const Block> all, const int16_t (&firsts)[K]) {
    std::array<Block, K> out{};
    for (size_t i = 0; i < K; ++i) {
        bool found = false;
        for (const Block& b : all)
            if (b.first() == firsts[i]) {
                out[i] = b;
                found = true;
            }
        if (!found) throw "no block starts at this pattern";
    }
    return out;
}

/// Source rectangle of cell (column, row) on a sheet of square cells of `cellSize` pixels,
/// as the sprite blit takes it: one pixel in from the cell's corner, cellSize - 1 wide.
constexpr Rect cellRect(int column, int row, int32_t cellSize) {
    const int32_t left = column * cellSize + 1;
    const int32_t top = row * cellSize + 1;
    return Rect{left, top, left + cellSize - 1, top + cellSize - 1};
}

/// Evaluates the fighter's current pattern: resets `zoomCount` and `ATFnumber`, writes the
/// entry's fields (a pattern the table lacks writes nothing more) and returns its cell
/// (cell (0, 0) for a missing pattern).
Rect applyPattern(std::span<const int16_t> index, std::span<const Entry> entries,
                  Character& chara, int32_t cellSize);

template <size_t N>
Rect evaluatePattern(const PatternTable<N>& table, Character& chara, int32_t cellSize) {
    return applyPattern(table.index, table.entries, chara, cellSize);
}

/// Body-box insets of one class, from the cell's edges.
struct BodyInsets {
    int16_t left = 0;
    int16_t top = 0;
    int16_t right = 0;
    int16_t bottom = 0;
};

/// Writes the insets of the fighter's `ATFnumber`; a class the list lacks changes nothing.
void applyBodyBox(Character& chara, std::span<const BodyInsets> classes);

/// A body class named by its number, for lists that skip numbers.
struct BodyClass {
    int16_t number;
    BodyInsets insets;
};
/// The same for a list of numbered classes: one the list lacks keeps the previous box.
void applyBodyBox(Character& chara, std::span<const BodyClass> classes);

}  // namespace anim
}  // namespace morvek
