#include "battle/Splite.h"

#include <array>

#include "battle/BattleContext.h"

namespace morvek {

namespace {

/// One effect: its first pattern, cell size, and the pictures with their holds.
struct EffectRow {
    int16_t first;
    int16_t size;
    int count;
    std::array<std::array<int16_t, 3>, 5> pictures;  // x, y, hold
};

constexpr std::array<EffectRow, 13> kEffects{{
    {5, 0, 3, {{{1560, 444, 2}, {1560, 700, 4}, {1560, 572, 3}}}},
    {10, 148, 3, {{{1401, 1201, 2}, {1401, 1351, 4}, {1401, 1501, 3}}}},
    {15, 148, 2, {{{1551, 1201, 4}, {1551, 1351, 3}}}},
    {20, 148, 2, {{{1701, 1201, 4}, {1701, 1351, 3}}}},
    {25, 148, 3, {{{2001, 1201, 4}, {2001, 1351, 4}, {2001, 1501, 3}}}},
    {30, 148, 3, {{{1851, 1201, 3}, {1851, 1351, 1}, {1851, 1501, 1}}}},
    {35, 148, 3, {{{2151, 1201, 3}, {2151, 1351, 1}, {2151, 1501, 1}}}},
    {40, 148, 3, {{{2301, 1201, 3}, {2301, 1351, 1}, {2301, 1501, 1}}}},
    {45, 148, 3, {{{1551, 1651, 2}, {1551, 1801, 2}, {1551, 1951, 2}}}},
    {50, 148, 3, {{{1401, 1651, 2}, {1401, 1801, 2}, {1401, 1951, 2}}}},
    {60, 148, 3, {{{1851, 1201, 2}, {1851, 1351, 3}, {1851, 1501, 2}}}},
    {65, 148, 5,
     {{{1251, 1201, 2}, {1251, 1351, 2}, {1251, 1501, 2}, {1251, 1651, 2}, {1401, 1651, 2}}}},
    {80, 125, 5,
     {{{2205, 1951, 2}, {1953, 2077, 2}, {2205, 2077, 2}, {2079, 2203, 2}, {1827, 2329, 2}}}},
}};

/// The table unrolled by pattern number 0..84.
struct FrameTable {
    std::array<SpliteFrame, 85> frames{};
    std::array<bool, 85> known{};
};

constexpr FrameTable buildFrames() {
    FrameTable t{};
    for (const EffectRow& row : kEffects) {
        for (int i = 0; i < row.count; ++i) {
            const int pat = row.first + i;
            const auto& p = row.pictures[static_cast<size_t>(i)];
            // The first effect's cells are 200 wide and 120 high.
            const int32_t w = row.size == 0 ? 200 : row.size;
            const int32_t h = row.size == 0 ? 120 : row.size;
            t.frames[static_cast<size_t>(pat)] =
                SpliteFrame{Rect{p[0], p[1], p[0] + w, p[1] + h}, p[2],
                            static_cast<int16_t>(i + 1 < row.count ? pat + 1 : 0)};
            t.known[static_cast<size_t>(pat)] = true;
        }
    }
    return t;
}

constexpr FrameTable kFrames = buildFrames();
}  // namespace

const SpliteFrame* spliteFrameOf(int16_t animPat) {
    if (animPat < 0 || animPat >= static_cast<int16_t>(kFrames.frames.size())) return nullptr;
    const auto i = static_cast<size_t>(animPat);
    return kFrames.known[i] ? &kFrames.frames[i] : nullptr;
}

void spliteAnimPat(BattleContext& game, Rect& srcRect, Splite& sp) {
    const SpliteFrame* frame = spliteFrameOf(sp.animPat);
    if (!frame) {
        srcRect = Rect{};
        return;
    }
    srcRect = frame->cell;
    int16_t& hold = game.engine.render.spliteHold;
    if (!game.battle.freezeFlag) hold = cint16(hold + 1);
    if (hold > frame->hold) {
        hold = 0;
        sp.animPat = frame->next;
    }
}

void drawSplite(BattleContext& game, Splite& sp) {
    Rect src{};
    spliteAnimPat(game, src, sp);
    if (src.empty()) return;
    const int32_t x = sp.posX + game.battle.scrollX;
    const int32_t y = sp.posY + game.battle.scrollY;
    const bool left = sp.dirStand == -1;
    const Rect dst = left ? Rect{x - sp.Width, y, x, y + sp.Height}
                          : Rect{x, y, x + sp.Width, y + sp.Height};
    blit(game.engine.backBuffer, dst, game.engine.attackEffectSurface, src,
         BlitKeyed | (left ? BlitMirror : BlitCopy));
}

}  // namespace morvek
