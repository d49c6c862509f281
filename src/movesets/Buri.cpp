// BURI's pattern table and body box.

#include "movesets/Buri.h"

#include "battle/Character.h"
#include "movesets/BuriPatterns.h"

namespace morvek {

namespace {

/// The sheet rectangle of a table cell; cells are not on a uniform grid, so the shared
/// evaluation's grid rectangle is replaced by this one.
Rect cellOf(const anim::Entry* e) {
    using namespace buri_patterns;
    if (e == nullptr) return Rect{0, 0, kCellExtent, kCellExtent};
    const CellPos& p = kCells[static_cast<size_t>(e->column)];
    return Rect{p.x, p.y, p.x + kCellExtent, p.y + kCellExtent};
}

}  // namespace

void Buri::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    const anim::Entry* e = buri_patterns::kTable.find(chara.animPat);
    anim::evaluatePattern(buri_patterns::kTable, chara, 1);
    srcRect = cellOf(e);
}

void Buri::HitFieldSet(BattleContext&, Character& chara) {
    const anim::BodyInsets& b = buri_patterns::kBodyBox;
    chara.hitFieldLeft = b.left;
    chara.hitFieldTop = b.top;
    chara.hitFieldRight = b.right;
    chara.hitFieldBottom = b.bottom;
}

}  // namespace morvek
