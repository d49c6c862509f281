// INTERRUPTER's projectiles: energy orbs, the cannonade's muzzle flashes and shells,
// falling missiles that burst on the ground, a barrier that follows him, and the growing
// and pulsing fields of the super arts.
//
//   1 orb (re-arms up to nine times)      8 drifting missile ("練気閃")
//   2, 4, 6 muzzle flash                  9 explosion (what 8 and 13 turn into)
//   3, 5, 7 cannonade shell               10 cut ("閃断")     11 barrier
//   13 falling missile of the shock wave  15 infinity field   16 distortion field
//
// The world box ATFleft..ATFbottom is both where the picture is stretched to and what is
// hit-tested, so moving or resizing a projectile means changing that box.

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Sound.h"
#include "movesets/Interrupter.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

/// A missile explodes once its box reaches below this line (the ground).
constexpr int16_t kGround = 1900;
constexpr int16_t kGather = 33;   // gather

struct Shape {
    int16_t kind;
    ShotShape shot;
    int16_t grow;  ///< the initial box is this much larger than the picture
};

constexpr Shape kShapes[] = {
    {1, {198, 198, 5, 30, 3, 11, 5, -30, 100, 10, 30, 30, 30, 30, 0, 0}, 0},
    {2, {198, 198, 10, 40, 3, 11, 5, 100, -50, 10, 0, 0, 0, 0, 0, 100}, 0},
    {3, {198, 198, 15, 40, 3, 16, 5, 100, 0, 10, 90, 80, 90, 80, 0, 45}, 0},
    {4, {198, 198, 20, 40, 3, 11, 5, 100, -50, 10, 0, 0, 0, 0, 0, 100}, 0},
    {6, {198, 198, 25, 40, 3, 11, 5, 100, -50, 10, 0, 0, 0, 0, 0, 100}, 0},
    {8, {198, 198, 5, 170, 3, 11, 40, 0, 0, 10, 50, 10, 50, 10, 50, 100}, -150},
    {10, {198, 198, 5, 70, 3, 31, 25, 50, 50, 10, 30, 30, 30, 30, 0, -10}, -100},
    {11, {98, 98, 40, 7, 3, 11, 5, -30, 100, 10, 30, 30, 30, 30, 0, 0}, 100},
    {13, {198, 198, 5, 170, 2, 31, 40, 0, 0, 20, 50, 10, 50, 10, 50, 100}, -150},
    {15, {98, 98, 50, 150, 3, 21, 25, 200, 200, 0, 50, 50, 50, 50, 200, 0}, -50},
    {16, {98, 98, 40, 210, 2, 21, 25, 200, 200, 0, 20, 20, 20, 20, 200, 0}, -50},
};

constexpr ShotPower kOrb{10, 0, 0, 0, 0, 2, true, true, false, false};
constexpr ShotPower kFlash{10, 0, 0, 0, 0, 0, false, true, false, false};
constexpr ShotPower kShell{15, 3, 1, 4, 0, 2, true, true, false, true};
constexpr ShotPower kDrift{10, 0, 0, 0, 0, 2, true, true, true, false};
constexpr ShotPower kCut{12, 10, 2, 20, 20, 2, true, true, true, false};
constexpr ShotPower kBarrier{0, 10, 10, 0, 0, 0, false, true, false, false};
constexpr ShotPower kFalling{30, 5, 0, 0, 0, 2, false, true, true, true};
constexpr ShotPower kInfinity{30, 0, 0, 0, 0, 2, true, true, true, true};
constexpr ShotPower kDistortion{10, 0, 0, 0, 0, 2, true, true, true, true};
/// A missile that reaches the ground explodes with this.
constexpr ShotPower kGroundBlast{30, 10, 0, 0, 0, 2, true, true, true, false};

const Shape* shapeOf(int16_t kind) {
    const int16_t k = kind == 5 || kind == 7 ? 3 : kind;  // the three shells look alike
    for (const Shape& s : kShapes)
        if (s.kind == k) return &s;
    return nullptr;
}

void applyPower(flyArts& fa, const ShotPower& p) { setShotPower(fa, p); }

enum class After : uint8_t { None, BoxA, BoxB, End, Arm };
struct Cell {
    int16_t animPat, x, y, hold, step;
    After after;
};
constexpr Cell kCells[] = {
    {5, 201, 2201, 2, -1, After::None},   {6, 401, 2201, 2, -1, After::None},
    {7, 601, 2201, 2, 2, After::None},    // orb loop
    {10, 1, 2401, 1, -1, After::BoxA},    {11, 1, 2401, 1, -1, After::BoxB},
    {12, 1, 2401, 1, -1, After::End},     // muzzle flash, kinds 2
    {15, 601, 2401, 2, 0, After::None},   // shell
    {20, 201, 2401, 1, -1, After::BoxA},  {21, 201, 2401, 1, -1, After::BoxB},
    {22, 201, 2401, 1, -1, After::End},   // kind 4
    {25, 401, 2401, 1, -1, After::BoxA},  {26, 401, 2401, 1, -1, After::BoxB},
    {27, 401, 2401, 1, -1, After::End},   // kind 6
    {30, 201, 2601, 3, -1, After::None},  {31, 401, 2601, 3, -1, After::None},
    {32, 401, 2201, 3, 2, After::End},    // small explosion
    {35, 601, 2601, 5, -1, After::None},  {36, 1001, 2601, 30, -1, After::None},
    {37, 1001, 2601, 5, 2, After::End},   // large explosion
    {40, 801, 2401, 1, -1, After::None},  {41, 901, 2401, 1, -1, After::None},
    {42, 801, 2501, 1, -1, After::None},  {43, 901, 2501, 1, 3, After::None},  // field pulse
    {50, 1, 2601, 1, -1, After::Arm},     {51, 101, 2601, 1, -1, After::None},
    {52, 1, 2701, 1, -1, After::None},    {53, 101, 2701, 1, 3, After::None},  // infinity
};

/// Widens the box forward by `reach` beyond its left (facing right) or right edge.
void reachForward(flyArts& fa, double reach) {
    if (fa.dirStand == 1) fa.ATFright = cint16(fa.ATFleft + reach);
    else fa.ATFleft = cint16(fa.ATFright - reach);
}

void moveForward(flyArts& fa, int dx) {
    fa.ATFleft = cint16(fa.ATFleft + fa.dirStand * dx);
    fa.ATFright = cint16(fa.ATFright + fa.dirStand * dx);
}
void moveDown(flyArts& fa, int dy) {
    fa.ATFtop = cint16(fa.ATFtop + dy);
    fa.ATFbottom = cint16(fa.ATFbottom + dy);
}

/// The per-frame change of a box's edges: left edge out by dL, width by dW, top by dT and
/// height by dH, mirrored for a projectile facing left.
struct Resize {
    int dL = 0, dW = 0, dT = 0, dH = 0;
    void grow(int k) { set(k, 2 * k, -k, 2 * k); }
    void shrink(int k) { set(-k, -2 * k, k, -2 * k); }
    void set(int l, int w, int t, int h) {
        dL = l;
        dW = w;
        dT = t;
        dH = h;
    }
};

/// A missile reaching the ground becomes the large explosion.
void explodeOnGround(flyArts& fa, Resize& r) {
    fa.animPat = 35;
    fa.FAType = 9;
    r.set(70, 100, -190, 200);
    fa.AttackTop = 100;
}

}  // namespace

void Interrupter::FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {
    const Shape* s = shapeOf(kind);
    if (s == nullptr) return;  // not a kind of his: the ring keeps its slot
    flyArts& fa = chara.returningOneFlyArts();
    flyArtsStart(game, fa, chara);
    fa.FAType = kind;
    setShotShape(fa, s->shot);

    const int d = fa.dirStand;
    const int c = chara.characterAxis();
    switch (kind) {
        case 1:
            applyPower(fa, kOrb);
            placeShot(fa, c - d * 50, chara.posY);
            fa.genericCounter = 9;
            fa.stRength = -1;
            break;
        case 2: case 4: case 6:
            applyPower(fa, kFlash);
            placeShot(fa, c, chara.posY);
            break;
        case 3: case 5: case 7: {
            applyPower(fa, kShell);
            const int drop = kind == 3 ? -20 : kind == 5 ? 10 : 50;  // one shell per height
            placeShot(fa, c - d * 100, chara.posY + drop);
            break;
        }
        case 8:
            applyPower(fa, kDrift);
            placeShot(fa, c + d * 30, chara.posY + 50);
            fa.ATFvectorX = 2;
            fa.ATFvectorY = 2;
            fa.stRength = -1;
            break;
        case 10:
            // Lands ahead of his cell, a further column out for every unit of counTer.
            applyPower(fa, kCut);
            placeShot(fa, chara.posX + chara.Width / 2.0 * (d + 1) + d * 64 * chara.counTer, chara.posY + 60);
            fa.stRength = -1;
            break;
        case 11:
            applyPower(fa, kBarrier);
            placeShot(fa, c - d * 100, chara.posY);
            fa.stRength = -1;
            break;
        case 13:
            // Falls somewhere 0-90 pixels ahead of a point in front of him.
            applyPower(fa, kFalling);
            placeShot(fa, chara.posX + 100 + chara.dirStand * 10 * (dice(game, 10) - 1), chara.posY + 150);
            fa.ATFvectorX = 0;
            fa.ATFvectorY = 2;
            break;
        case 15:
            applyPower(fa, kInfinity);
            placeShot(fa, c + d * 10, chara.posY + 60);
            fa.stRength = -1;
            break;
        case 16:
            applyPower(fa, kDistortion);
            placeShot(fa, c + d * 12, chara.posY + 64);
            fa.ATFvectorY = 2;
            fa.stRength = -1;
            break;
        default: break;
    }

    setLaunchBox(fa, s->grow, s->grow);
}

void Interrupter::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    for (const Cell& cell : kCells) {
        if (cell.animPat != fa.animPat) continue;
        flyArtsAnimStep(game, srcRect, fa, chara, cell.x, cell.y, cell.hold, cell.step);
        switch (cell.after) {
            case After::BoxA: reachForward(fa, fa.Width / 2.0 + 200); break;
            case After::BoxB: reachForward(fa, fa.Width + 200); break;
            case After::End: fa.Running = false; break;
            case After::Arm: fa.Force = true; break;  // the infinity field hits once a turn
            case After::None: break;
        }
        return;
    }
}

void Interrupter::FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) {
    Resize r;
    bool burst = false;  // a missile reached the ground in this call

    if (fa.FAType == 1) {
        moveForward(fa, 20);
        r.shrink(2);
        if (!fa.Force && fa.genericCounter > 0) {  // re-arms after each hit, nine times
            fa.Force = true;
            fa.genericCounter = cint16(fa.genericCounter - 1);
        }
    }
    if ((fa.FAType == 3 || fa.FAType == 5 || fa.FAType == 7) && fa.Force) moveForward(fa, 50);
    if (fa.FAType == 8) {
        moveForward(fa, chara.counTer * 5 + 10);
        moveDown(fa, 170 - fa.RunTimer);
        if (!fa.Force) {  // it has touched something: the small burst
            fa.animPat = 30;
            fa.FAType = 9;
        }
        if (fa.ATFbottom > kGround) {
            applyPower(fa, kGroundBlast);
            explodeOnGround(fa, r);
            burst = true;
            fa.ATFtype = hitJuggle;
            soundPlay(game, kGather);
        }
    }
    if (fa.FAType == 9 && !burst) r.set(-1, -2, -75, 80);  // the burst narrows and rises
    if (fa.FAType == 10) {
        r.set(-1, -2, 0, -2);
        if (!fa.Force) fa.animPat = 30;
    }
    if (fa.FAType == 11) {  // the barrier stays on him
        fa.ATFleft = cint16(chara.posX);
        fa.ATFright = cint16(fa.ATFleft + 200);
        fa.ATFtop = chara.posY;
        fa.ATFbottom = cint16(fa.ATFtop + 200);
    }
    if (fa.FAType == 13) {
        moveForward(fa, 5);
        moveDown(fa, 170 - fa.RunTimer);
        if (fa.ATFbottom > kGround) {  // it cannot hit before it explodes
            fa.Force = true;
            explodeOnGround(fa, r);
            soundPlay(game, kMissileSound);
        }
    }
    if (fa.FAType == 15) {
        if (fa.RunTimer > 40) r.grow(3);
        else r.shrink(8);
    }
    if (fa.FAType == 16) {
        const int16_t t = fa.RunTimer;
        if (t >= 181 && t <= 200) r.grow(3);
        else if (t >= 140 && t <= 160) moveForward(fa, 2);
        else if ((t >= 120 && t <= 139) || (t >= 161 && t <= 180)) moveForward(fa, 1);
        else if (t >= 0 && t <= 20) r.shrink(3);
        fa.Force = fa.animPat == 40 && fa.animCounter == 0;  // one hit per turn of its pulse
    }

    if (fa.dirStand == 1) {
        fa.ATFleft = cint16(fa.ATFleft - r.dL);
        fa.ATFright = cint16(fa.ATFright + r.dW - r.dL);
    } else {
        fa.ATFright = cint16(fa.ATFright + r.dL);
        fa.ATFleft = cint16(fa.ATFleft - r.dW + r.dL);
    }
    fa.ATFtop = cint16(fa.ATFtop + r.dT);
    fa.ATFbottom = cint16(fa.ATFbottom + r.dH + r.dT);
}

}  // namespace morvek
