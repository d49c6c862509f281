#pragma once
// The fighters' pattern tables, read from the game itself: every pattern number 0-950 is
// evaluated through the fighter's slot 1 on a scratch Character, exactly as the match
// does, so the sheets are drawn from the same cells, states, body classes and move names
// the game shows. Nothing here is copied from the move sets, so the art cannot drift
// from them.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "battle/Character.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "movesets/PatternTable.h"
#include "movesets/Registry.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Surface8.h"

namespace morvek::data {

/// One pattern of a fighter as slot 1 writes it.
struct PatternUse {
    int number = 0;
    Rect cell{};        ///< the source rectangle slot 1 returns
    int state = 0;      ///< `sTate`
    int body = 0;       ///< `ATFnumber`
    std::string name;   ///< the move name its block writes; empty for an unnamed block
    int first = 0;      ///< first pattern of its block
    int position = 0;   ///< index within the block
    int length = 1;     ///< patterns in the block
};

struct MoveTable {
    std::vector<PatternUse> patterns;  ///< by ascending number

    const PatternUse* find(int number) const {
        for (const PatternUse& p : patterns)
            if (p.number == number) return &p;
        return nullptr;
    }
    /// The patterns of the block that starts at `first`.
    std::vector<const PatternUse*> block(int first) const {
        std::vector<const PatternUse*> v;
        for (const PatternUse& p : patterns)
            if (p.first == first) v.push_back(&p);
        return v;
    }
};

namespace detail {

// Probes for the conditional steps: the counters, vitality, guard stun and contact flags
// the rules read, each at a value on either side of its test.
struct Probe {
    int16_t counTer, viTality, gardFixTime, attackWasHit, AorMflag;
};
inline constexpr Probe kProbes[] = {
    {0, 100, 0, 0, 0}, {3, 100, 5, 1, 1}, {-1, 0, 0, 0, 0}, {1, 0, 5, 1, 0}, {-3, 50, 0, 0, 1},
};

// Values no pattern writes, to tell a pattern the table lacks (slot 1 then writes neither
// the state nor the step) and a block that writes no name.
constexpr int16_t kUnwritten = -32000;
inline const char* const kNoName = "\x7f";

}  // namespace detail

/// Evaluates every pattern of fighter `number` (0-8) and groups them into blocks: a block
/// runs on while a pattern can step to the next number and no second name is written.
inline MoveTable readMoveTable(int16_t number) {
    HeadlessPlatform platform;
    Game game(platform);
    MoveSet* set = game.battle.moveSets.find(number);
    MoveTable t;
    if (set == nullptr) return t;
    auto base = std::make_unique<Character>();
    base->NUMBER = number;

    bool prevContinues = false;
    bool blockNamed = false;
    for (int p = 0; p <= anim::kLastPattern; ++p) {
        PatternUse u;
        u.number = p;
        bool present = false;
        bool continues = false;
        std::string written;
        for (const detail::Probe& pr : detail::kProbes) {
            auto c = std::make_unique<Character>(*base);
            c->animPat = static_cast<int16_t>(p);
            c->sTate = detail::kUnwritten;
            c->nextAnim = detail::kUnwritten;
            c->artsName = detail::kNoName;
            c->counTer = pr.counTer;
            c->viTality = pr.viTality;
            c->gardFixTime = pr.gardFixTime;
            c->attackWasHit = pr.attackWasHit;
            c->AorMflag = pr.AorMflag;
            Rect r{};
            set->AnimPattern(game, *c, r);
            if (c->sTate == detail::kUnwritten && c->nextAnim == detail::kUnwritten) break;
            present = true;
            if (&pr == &detail::kProbes[0]) {
                u.cell = r;
                u.state = c->sTate;
                u.body = c->ATFnumber;
                if (c->artsName != detail::kNoName) written = c->artsName;
            }
            if (c->nextAnim == 1) continues = true;
        }
        if (!present) {
            prevContinues = false;
            continue;
        }
        const bool starts = !prevContinues || t.patterns.empty() || (!written.empty() && blockNamed);
        if (starts) {
            u.first = p;
            u.position = 0;
            blockNamed = false;
        } else {
            const PatternUse& prev = t.patterns.back();
            u.first = prev.first;
            u.position = prev.position + 1;
        }
        if (!written.empty()) blockNamed = true;
        u.name = written;
        t.patterns.push_back(u);
        prevContinues = continues;
    }
    // Spread each block's name and length over all its patterns.
    for (size_t i = 0; i < t.patterns.size();) {
        size_t j = i;
        std::string name;
        while (j < t.patterns.size() && t.patterns[j].first == t.patterns[i].first) {
            if (name.empty()) name = t.patterns[j].name;
            ++j;
        }
        for (size_t k = i; k < j; ++k) {
            t.patterns[k].name = name;
            t.patterns[k].length = static_cast<int>(j - i);
        }
        i = j;
    }
    return t;
}

/// A used cell of a square-cell sheet and the patterns that show it, ascending.
struct UsedCell {
    int col = 0;
    int row = 0;
    std::vector<int> patterns;
};

/// The cells a square-cell table shows, in order of the first pattern showing each.
inline std::vector<UsedCell> usedCellsOf(const MoveTable& t, int pitch) {
    std::vector<UsedCell> cells;
    for (const PatternUse& p : t.patterns) {
        const int c = (p.cell.left - 1) / pitch;
        const int r = (p.cell.top - 1) / pitch;
        auto it = std::find_if(cells.begin(), cells.end(), [&](const UsedCell& u) { return u.col == c && u.row == r; });
        if (it == cells.end()) cells.push_back(UsedCell{c, r, {p.number}});
        else it->patterns.push_back(p.number);
    }
    return cells;
}

}  // namespace morvek::data
