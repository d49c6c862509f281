// NANGIEF's projectiles: the shock waves his super arts leave at his feet and at the
// typing target. They are only drawn (never forceful), stand where they were put and
// cycle four pictures until their time runs out.
//
//   1 small wave at the fighter        3 small wave at the target
//   2 full wave at the fighter         4 full wave at the target
//   5 huge wave around the fighter

#include "battle/Character.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Nangief.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

constexpr int16_t kWaveSize = 148;  // one picture: a quarter of a sheet cell

/// Every wave is shaped and hits alike; the kind gives its first picture and run.
constexpr ShotShape kWaveShape{kWaveSize, kWaveSize, 0, 0, 3, 19, 5, -30, -40, 10, 30, 30, 30, 30, 0, -25};
constexpr ShotPower kWavePower{20, 0, 0, 0, 0, 1, false, true, false, false};

struct KindRow {
    int16_t animPat;   ///< first picture
    int16_t runTimer;  ///< frames shown
    int16_t grow;      ///< drawn this much larger than a picture
};
// Indexed by kind 1-5.
constexpr KindRow kKinds[6] = {{}, {40, 15, -100}, {40, 35, 0}, {35, 15, -100}, {35, 35, 0}, {35, 35, 400}};

struct CellRow {
    int16_t animPat, cellX, cellY, hold, step;
};
// Two loops of four pictures: 35-38 (the target's waves) and 40-43 (the fighter's).
constexpr CellRow kCells[] = {
    {35, 301, 2101, 2, -1}, {36, 451, 2101, 2, -1}, {37, 301, 2251, 2, -1}, {38, 451, 2251, 2, 3},
    {40, 601, 2101, 2, -1}, {41, 751, 2101, 2, -1}, {42, 601, 2251, 2, -1}, {43, 751, 2251, 2, 3},
};

}  // namespace

void Nangief::FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {
    flyArts& fa = chara.returningOneFlyArts();
    flyArtsStart(game, fa, chara);
    fa.FAType = kind;
    if (kind < 1 || kind > 5) return;
    const KindRow& k = kKinds[kind];

    ShotShape shape = kWaveShape;
    shape.animPat = k.animPat;
    shape.runTimer = k.runTimer;
    setShot(fa, shape, kWavePower);

    const double dir = fa.dirStand;
    const double centre = chara.posX + chara.Width / 2.0;
    // The target's waves: the cursor's place, shifted for the fighter's cell size.
    const double atTargetX = chara.posX + chara.targetX + (chara.Width - 200) / 2.0;
    const double atTargetY = chara.posY + chara.targetY + 2.0 * (chara.Height - 200) / 3.0;
    switch (kind) {
        case 1:
            placeShot(fa, centre - 15 * dir, chara.posY + 138);
            break;
        case 2:
            placeShot(fa, centre - 60 * dir, chara.posY + 80);
            break;
        case 3:
            placeShot(fa, atTargetX, atTargetY);
            break;
        case 4:
            placeShot(fa, atTargetX - 45 * dir, atTargetY - 58);
            break;
        default:  // 5
            placeShot(fa, chara.posX + 150 - 200 * dir, chara.posY + 2.0 * 100 / 3 - 58 - 200);
            break;
    }
    fa.stRength = -1;  // nothing cancels a wave

    // The picture is stretched into this rectangle, which grows away from the facing edge.
    setLaunchBox(fa, k.grow, k.grow);
}

void Nangief::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    for (const CellRow& r : kCells) {
        if (r.animPat != fa.animPat) continue;
        flyArtsAnimStep(game, srcRect, fa, chara, r.cellX, r.cellY, r.hold, r.step);
        return;
    }
}

void Nangief::FAMorfizm(BattleContext&, Character&, flyArts&) {
    // The waves stay where and as large as they were launched.
}

}  // namespace morvek
