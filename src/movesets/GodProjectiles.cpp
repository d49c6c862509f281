// G O D's projectiles. Most are one-frame pictures laid over its poses (flashes and
// streaks that never hit, launched again on every frame of the pose); the harmful ones are
// the bomb (kind 1, harmful for a single frame of its burst), the three beams of the
// judgement (3, 6, 7) and the pillar of the super art (20). None of them moves.
//
//   1 bomb of スティングボム      2, 4, 5 blasts of the first judgement
//   3, 6, 7 beams of the second  10, 11, 12 streaks of the fingertip and the flick
//   15, 16, 17 the fist's flashes 20 pillar, 25 ground wave of the super art
//   30 glow around the speaking G O D

#include "battle/Character.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/God.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

struct Placement {
    int16_t dx;  ///< from the fighter's centre, along the projectile's facing
    int16_t dy;  ///< from the fighter's posY
};
struct Kind {
    int16_t kind;
    ShotShape shape;
    bool hasPower;  ///< false: only eraseType 2 and no Force are written
    ShotPower power;
    Placement at;
    int16_t stRength;
    int16_t extraWidth;   ///< the hit box reaches further than the picture
    int16_t extraHeight;
};

constexpr ShotShape kFlashShape(int16_t w, int16_t h, int16_t animPat) {
    return ShotShape{w, h, animPat, 1, 2, 45, 45, -30, 100, 20, 5, 5, 5, 5, 0, 0};
}
constexpr ShotShape kBlastShape{124, 124, 30, 70, 2, 45, 45, -30, 100, 20, 5, 5, 5, 5, 0, 0};
constexpr ShotShape kBeamShape{598, 198, 40, 4, 3, 19, 45, 100, 140, 10, 0, 0, 0, 0, 100, -30};
constexpr ShotPower kHarmless{10, 10, 10, 0, 0, 2, false, true, false, false};
constexpr ShotPower kBeamPower{40, 0, 0, 0, 0, 2, true, true, true, true};
constexpr ShotPower kNoPower{};

// Kind 1's position also depends on counTer and AorMflag (see below).
constexpr Kind kKinds[] = {
    {1, {124, 124, 5, 70, 2, 45, 45, -30, 100, 20, 5, 5, 5, 5, 0, 0}, true, kHarmless, {0, -30}, -1, 0, 0},
    {2, kBlastShape, true, kHarmless, {120, 0}, 0, 0, 0},
    {4, kBlastShape, true, kHarmless, {120, 120}, 0, 0, 0},
    {5, kBlastShape, true, kHarmless, {120, 240}, 0, 0, 0},
    {3, kBeamShape, true, kBeamPower, {120, -40}, -1, 600, 0},
    {6, kBeamShape, true, kBeamPower, {120, 80}, -1, 600, 0},
    {7, kBeamShape, true, kBeamPower, {120, 200}, -1, 600, 0},
    {10, kFlashShape(298, 148, 50), true, kHarmless, {100, 240}, 0, 0, 0},
    {11, kFlashShape(298, 148, 60), true, kHarmless, {100, 240}, 0, 0, 0},
    {12, kFlashShape(298, 148, 65), true, kHarmless, {100, 240}, 0, 0, 0},
    {15, kFlashShape(298, 148, 70), true, kHarmless, {20, 40}, 0, 0, 0},
    {16, kFlashShape(398, 398, 75), true, kHarmless, {-60, -120}, 0, 0, 0},
    {17, kFlashShape(398, 398, 80), false, kNoPower, {-30, -10}, 0, 0, 0},
    {20, {198, 348, 90, 4, 3, 19, 45, 100, 140, 10, 0, 0, 0, 0, 100, -30}, true, kBeamPower, {-200, 0}, -1,
     200, 1550},
    {25, {498, 198, 95, 5, 3, 19, 45, 100, 140, 10, 0, 0, 0, 0, 100, -30}, true,
     {40, 0, 0, 0, 0, 2, false, true, true, true}, {-400, 0}, 0, 320, 50},
    {30, kFlashShape(396, 196, 100), false, kNoPower, {100, 10}, 0, 0, 0},
};

/// The pillar and the ground wave stand at fixed heights of the world.
constexpr int16_t kPillarTop = 0;
constexpr int16_t kWaveTop = 1700;
/// The beams start 40 pixels further out when the fighter faces left.
constexpr int16_t kBeamLeftShift = 40;

const Kind* findKind(int16_t kind) {
    for (const Kind& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

struct Cell {
    int16_t first, last;  ///< animPat range
    int16_t cellX, cellY, dX;  ///< cell of `first`; the others lie dX apart to the right
    int16_t hold, step;  ///< step on the range's last pattern (the others step -1)
};
// clang-format off
constexpr Cell kCells[] = {
    {5, 9, 901, 1801, 126, 1, -1},    // the bomb's fuse and burst...
    {10, 14, 901, 1927, 126, 1, -1},
    {15, 19, 901, 2053, 126, 1, -1},
    {20, 24, 901, 2179, 126, 1, -1},  // ...ending at 24
    {30, 33, 901, 2305, 126, 1, -1},  // blasts, looping
    {34, 34, 1405, 2305, 0, 1, 4},
    {40, 40, 501, 801, 0, 1, -1},     // beams
    {41, 41, 501, 1001, 0, 1, 1},
    {50, 50, 501, 1, 0, 20, 0},       // one-frame flashes
    {60, 60, 501, 151, 0, 20, 0},
    {65, 65, 501, 301, 0, 20, 0},
    {70, 70, 501, 451, 0, 20, 0},
    {75, 75, 901, 1, 0, 20, 0},
    {80, 80, 901, 401, 0, 20, 0},
    {90, 90, 501, 1651, 0, 1, -1},    // pillar
    {91, 91, 701, 1651, 0, 1, 1},
    {95, 95, 901, 1201, 0, 1, -1},    // ground wave
    {96, 96, 901, 1401, 0, 1, -1},
    {97, 97, 901, 1601, 0, 1, 2},
    {100, 100, 501, 1201, 0, 20, 0},  // glow
};
// clang-format on

/// The bomb can hit only in the collision phase right after its frame 7 gives way.
constexpr int16_t kBombArmed = 7;
constexpr int16_t kBombSpent = 8;
constexpr int16_t kBombGone = 24;

}  // namespace

void God::FlyArtsLaunch(BattleContext& game, Character& c, int16_t kind) {
    const Kind* k = findKind(kind);
    if (k == nullptr) return;  // the action script launches only the kinds above
    flyArts& fa = c.returningOneFlyArts();
    flyArtsStart(game, fa, c);
    fa.FAType = kind;
    setShotShape(fa, k->shape);
    if (k->hasPower) {
        setShotPower(fa, k->power);
    } else {
        // The flashes of the fist and the speech glow only mark the fighter's art as EX;
        // their other power fields keep what the pool element held.
        fa.eraseType = 2;
        fa.Force = false;
        c.normalorEX = true;
    }

    const double centre = c.posX + c.Width / 2.0;
    const int16_t d = fa.dirStand;
    double x = centre + k->at.dx * d;
    int16_t y = cint16(c.posY + k->at.dy);
    if (kind == 1) {
        x = centre + c.counTer * 64 * d - 50;  // lands counTer cells ahead
        y = cint16(c.posY - 30 - c.AorMflag * 64);
    }
    if ((kind == 3 || kind == 6 || kind == 7) && c.dirStand == -1) x += kBeamLeftShift;
    if (kind == 20) y = kPillarTop;
    if (kind == 25) y = kWaveTop;
    placeShot(fa, x, y);
    fa.stRength = k->stRength;

    setLaunchBox(fa, k->extraWidth, k->extraHeight);
}

void God::FlyArtsAnimPat(BattleContext& game, Character& c, Rect& srcRect, flyArts& fa) {
    const int16_t p = fa.animPat;
    for (const Cell& cell : kCells) {
        if (p < cell.first || p > cell.last) continue;
        const int16_t x = cint16(cell.cellX + cell.dX * (p - cell.first));
        const int16_t step = p == cell.last ? cell.step : -1;
        if (p == kBombSpent) fa.Force = false;
        flyArtsAnimStep(game, srcRect, fa, c, x, cell.cellY, cell.hold, step);
        if (p == kBombArmed && fa.animPat != kBombArmed) fa.Force = true;
        if (p == kBombGone) fa.Running = false;
        return;
    }
}

void God::FAMorfizm(BattleContext&, Character&, flyArts&) {
    // G O D's projectiles stay where they were laid, box and all.
}

}  // namespace morvek
