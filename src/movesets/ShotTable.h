#pragma once
// The shape and power of a move set's projectiles, as table rows.
//
// A launch sets a projectile up with two calls, flyArtsFrameSet (its picture, life and
// attack box) and flyArtsPowerSet (what it does on contact). A move set writes the values
// of each kind as one row of each, in the order of the calls' arguments:
//
//     ShotShape{48, 48, 5, 120, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -52}
//     ShotPower{8, 10, 0, 15, 10, 2, true, true, false, false}
//
// and applies them with setShot(). Where a kind starts, how far its box reaches past the
// picture and how it moves stay the fighter's own.

#include <cstdint>

#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"

namespace morvek {

/// flyArtsFrameSet's arguments after the projectile, in order.
struct ShotShape {
    int16_t width, height, animPat, runTimer, type, hitSound, effect, zoomX, zoomY, lenge;
    int16_t insetLeft, insetTop, insetRight, insetBottom, controlX, controlY;
};

/// flyArtsPowerSet's arguments after the projectile, in order (not setAttackPower's order).
struct ShotPower {
    int16_t pow1, pow2, pow3, stun, spacorn, eraseType;
    bool force, ex, drawOnChara, spacornHit;
};

inline void setShotShape(flyArts& fa, const ShotShape& s) {
    flyArtsFrameSet(fa, s.width, s.height, s.animPat, s.runTimer, s.type, s.hitSound, s.effect,
                    s.zoomX, s.zoomY, s.lenge, s.insetLeft, s.insetTop, s.insetRight,
                    s.insetBottom, s.controlX, s.controlY);
}

inline void setShotPower(flyArts& fa, const ShotPower& p) {
    flyArtsPowerSet(fa, p.pow1, p.pow2, p.pow3, p.stun, p.spacorn, p.eraseType, p.force, p.ex,
                    p.drawOnChara, p.spacornHit);
}

/// Where a launch puts the projectile (world coordinates, rounded to 16 bits).
inline void placeShot(flyArts& fa, double x, double y) {
    fa.posX = cint16(x);
    fa.posY = cint16(y);
}

/// The box a launch starts with: from the projectile's place it reaches its width and
/// `extraW` more towards its facing, and its height and `extraH` more downwards.
inline void setLaunchBox(flyArts& fa, int extraW, int extraH) {
    if (fa.dirStand == 1) {
        fa.ATFleft = fa.posX;
        fa.ATFright = cint16(fa.posX + fa.Width + extraW);
    } else {
        fa.ATFright = fa.posX;
        fa.ATFleft = cint16(fa.posX - fa.Width - extraW);
    }
    fa.ATFtop = fa.posY;
    fa.ATFbottom = cint16(fa.posY + fa.Height + extraH);
}

/// Shape first, then power, as a launch sets them.
inline void setShot(flyArts& fa, const ShotShape& shape, const ShotPower& power) {
    setShotShape(fa, shape);
    setShotPower(fa, power);
}

}  // namespace morvek
