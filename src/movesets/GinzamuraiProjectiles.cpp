// GINZAMURAI's twelve projectile kinds: the launch (shape, power, place), the frames and
// the per-frame flight.
//
//   1 棒手裏剣 spike           7 超手裏剣 giant spike
//   2-6 sword trails (never hit: Force false)      8 雷鳴剣 lightning, hits every other draw
//   9, 10 風刃剣 wind blades    11 十文字剣 trail     12 乱射 spike, scattered

#include <array>

#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Ginzamurai.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

struct Shape {  // flyArtsFrameSet's values, then the placement
    ShotShape shot;
    int16_t behind, below;        ///< start: this far behind the body centre, below posY
    int16_t extraW, extraH;       ///< the hit box reaches this much past the frame
};

// Indexed by kind 1-12.
constexpr std::array<Shape, 13> kShapes = {{
    {},
    {{38, 18, 5, 70, 3, 19, 5, -30, -40, 10, 30, 30, 30, 30, 0, -25}, 50, 170, 0, 0},
    {{298, 98, 10, 5, 3, 16, 5, 100, -20, 10, 80, 50, 80, 50, 0, 0}, 100, 90, 0, 0},
    {{298, 98, 15, 5, 3, 16, 5, 100, -20, 10, 80, 50, 80, 50, 0, 0}, 100, 90, 100, 50},
    {{98, 298, 20, 5, 3, 16, 15, 100, -20, 10, 80, 50, 80, 50, 0, 0}, 100, 0, 150, 0},
    {{298, 98, 25, 5, 3, 16, 15, 0, 120, 10, 80, 50, 80, 50, 0, 0}, 100, 40, 0, 0},
    {{198, 298, 30, 5, 3, 16, 15, 0, 120, 10, 80, 50, 80, 50, 0, 0}, 100, -40, 150, 30},
    {{38, 18, 5, 70, 2, 37, 5, 100, 100, 10, 120, 0, 120, 0, 0, 0}, 50, 30, 250, 200},
    {{89, 298, 35, 70, 2, 38, 45, 100, 100, 10, 100, 0, 100, 0, 100, 100}, 250, -750, 400, 800},
    {{198, 298, 45, 5, 3, 31, 15, 0, 220, 10, 80, 50, 80, 50, -70, 50}, 100, -40, 150, 30},
    {{298, 98, 50, 5, 3, 31, 15, 0, 220, 10, 80, 50, 80, 50, 0, 0}, 100, 40, 0, 0},
    {{148, 148, 60, 30, 3, 16, 15, 0, 120, 10, 80, 50, 80, 50, 0, 0}, 100, -40, 200, 200},
    {{38, 18, 5, 70, 3, 19, 5, -30, -40, 10, 30, 30, 30, 30, 0, -25}, 0, 0, 0, 0},  // placed at random
}};
constexpr std::array<ShotPower, 13> kPowers = {{
    {},
    {20, 0, 0, 0, 0, 1, true, true, false, false},
    {20, 10, 1, 20, 10, 2, false, true, false, false},
    {20, 5, 1, 20, 10, 2, false, true, false, false},
    {20, 10, 20, 20, 10, 2, false, true, false, false},
    {20, 4, 1, 8, 6, 2, false, true, false, false},
    {25, 4, 1, 18, 16, 2, false, true, false, false},
    {10, 20, 5, 0, 0, 2, true, true, false, true},
    {40, 1, 0, 0, 0, 0, true, true, true, true},
    {25, 10, 1, 1, 0, 2, true, true, false, true},
    {16, 4, 1, 1, 0, 2, true, true, false, true},
    {25, 4, 1, 18, 16, 2, false, true, false, false},
    {17, 2, 1, 0, 0, 1, true, true, false, false},
}};

constexpr int16_t kScatterKind = 12;

/// What a frame does to the projectile besides showing itself.
enum class After : uint8_t { Nothing, End, ForceOn, ForceOff };

struct Frame {
    int16_t animPat, cellX, cellY, hold, step;
    After after;
    int16_t width = 0, height = 0;  ///< when not 0, the frame's size is set first
};

constexpr Frame kFrames[] = {
    {5, 1, 2701, 20, 0, After::Nothing},  // spikes: one frame for their whole flight
    {10, 1, 2101, 2, -1, After::Nothing},   {11, 1, 2101, 2, -1, After::End},
    {15, 1, 2201, 2, -1, After::Nothing},   {16, 1, 2201, 2, -1, After::Nothing},
    {17, 1, 2101, 2, -1, After::End},
    {20, 201, 2401, 4, -1, After::Nothing}, {21, 201, 2401, 2, -1, After::End},
    {25, 1, 2301, 4, -1, After::Nothing},   {26, 1, 2301, 2, -1, After::End},
    {30, 1, 2401, 4, -1, After::Nothing},   {31, 1, 2401, 2, -1, After::End},
    // the lightning flickers between striking and not
    {35, 301, 2101, 2, -1, After::ForceOn},  {36, 401, 2101, 1, -1, After::ForceOff},
    {37, 501, 2101, 1, -1, After::ForceOn},  {38, 601, 2101, 1, -1, After::ForceOff},
    {39, 701, 2101, 1, 3, After::ForceOn},
    // the wind blades turn between a wide and a tall frame
    {45, 1, 2301, 4, -1, After::Nothing, 298, 98}, {46, 1, 2401, 4, 1, After::Nothing, 198, 298},
    {50, 1, 2401, 4, -1, After::Nothing, 198, 298}, {51, 1, 2301, 4, 1, After::Nothing, 298, 98},
    {60, 901, 2101, 3, -1, After::Nothing}, {61, 901, 2251, 3, -1, After::Nothing},
    {62, 901, 2401, 2, -1, After::Nothing}, {63, 901, 2401, 5, -1, After::End},
};

void moveAlong(flyArts& fa, int16_t speed) {
    const int16_t dx = cint16(fa.dirStand * speed);
    fa.ATFleft = cint16(fa.ATFleft + dx);
    fa.ATFright = cint16(fa.ATFright + dx);
}

}  // namespace

void Ginzamurai::FlyArtsLaunch(BattleContext& game, Character& c, int16_t kind) {
    // Not a kind of his: the ring keeps its slot.
    if (kind < 1 || static_cast<size_t>(kind) >= kShapes.size()) return;
    flyArts& fa = c.returningOneFlyArts();
    flyArtsStart(game, fa, c);
    fa.FAType = kind;

    const Shape& s = kShapes[static_cast<size_t>(kind)];
    setShot(fa, s.shot, kPowers[static_cast<size_t>(kind)]);

    const double centre = c.posX + c.Width / 2.0;
    if (kind == kScatterKind) {
        // 乱射 sprays its spikes: 0-29 px in front of the centre line, 151-190 px down.
        const double x = centre + fa.dirStand * (30 - dice(game, 30));  // drawn before the height
        placeShot(fa, x, c.posY + 150 + dice(game, 40));
    } else {
        placeShot(fa, centre - fa.dirStand * s.behind, c.posY + s.below);
    }
    if (kind == 7) {
        fa.ATFvectorX = 5;
        fa.ATFvectorY = 3;
    }
    if (kind == 7 || kind == 8) fa.stRength = -1;  // outlasts every clash

    // The box reaches out toward the side the fighter faces.
    setLaunchBox(fa, s.extraW, s.extraH);
}

void Ginzamurai::FlyArtsAnimPat(BattleContext& game, Character& c, Rect& srcRect, flyArts& fa) {
    for (const Frame& f : kFrames) {
        if (f.animPat != fa.animPat) continue;
        if (f.width != 0) {
            fa.Width = f.width;
            fa.Height = f.height;
        }
        flyArtsAnimStep(game, srcRect, fa, c, f.cellX, f.cellY, f.hold, f.step);
        switch (f.after) {
            case After::End: fa.Running = false; break;
            case After::ForceOn: fa.Force = true; break;
            case After::ForceOff: fa.Force = false; break;
            case After::Nothing: break;
        }
        return;
    }
}

void Ginzamurai::FAMorfizm(BattleContext&, Character&, flyArts& fa) {
    switch (fa.FAType) {
        case 1: case 12:
            moveAlong(fa, 50);
            if (!fa.Force) fa.Running = false;  // a spike that lost a clash falls away
            break;
        case 7: moveAlong(fa, 20); break;
        case 9: case 10: moveAlong(fa, 30); break;
        default: break;  // trails and lightning stay where they were launched
    }
}

}  // namespace morvek
