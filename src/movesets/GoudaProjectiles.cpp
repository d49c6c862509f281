// GOUDA's eight projectile kinds: the launch (shape, power, launch point and box), the
// per-frame behaviour of each kind and the sprite frames.
//
//   1 豪波動拳 shot, 10 px a frame          5 斬空波動拳 shot, diagonally down
//   2 アンダーアーモンド shot, 15 px a frame  6 大絶唱 picture whose box trembles
//   3 aura of the energy stance, never hits  7 滅殺豪斬空 shot, as 5 but wider and stronger
//   4 滅殺豪波動 shot with a widened box     8 瞬刻殺 backdrop, one frame, never hits

#include "battle/Character.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Gouda.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

constexpr int16_t kKinds = 8;


// Indexed by kind 1-8.
constexpr ShotShape kShapes[kKinds + 1] = {
    {},
    {48, 48, 5, 140, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -55},
    {48, 48, 5, 100, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -55},
    {198, 198, 15, 70, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 30, -30},
    {48, 48, 5, 150, 7, 19, 10, 0, 120, 10, 50, 30, 50, 30, 20, -30},
    {48, 48, 5, 150, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, 20},
    {48, 48, 40, 70, 3, 19, 45, 0, 40, 10, 0, 0, 0, 0, 50, 50},
    {48, 48, 5, 150, 7, 19, 10, 0, 120, 10, 50, 30, 50, 30, 20, -30},
    {48, 48, 50, 1, 3, 19, 50, 0, 40, 10, 0, 0, 0, 0, 0, -30},
};
constexpr ShotPower kPowers[kKinds + 1] = {
    {},
    {8, 10, 0, 5, 10, 2, true, true, false, false},
    {20, 0, 0, 0, 10, 2, true, true, false, false},
    {0, 0, 0, 0, 0, 1, false, true, false, false},
    {25, 5, 5, 5, 0, 2, true, true, false, true},
    {8, 10, 0, 5, 10, 2, true, true, false, false},
    {20, 0, 0, 5, 0, 2, true, true, true, true},
    {20, 4, 4, 4, 0, 2, true, true, false, true},
    {0, 0, 0, 0, 0, 2, false, true, false, false},
};
// How much wider and taller than its cell the box (and the drawn picture) is.
constexpr int16_t kExtraWidth[kKinds + 1] = {0, 0, 0, 0, 120, 0, 0, 120, 1000};
constexpr int16_t kExtraHeight[kKinds + 1] = {0, 0, -10, 0, 120, 0, 0, 120, 600};

/// The fade-out a shot plays once its Force is spent.
constexpr int16_t kFadePattern = 35;
/// Diving shots stop hitting once their box sinks below this line.
constexpr int16_t kDiveFloor = 1900;

struct Frame {
    int16_t animPat, cellX, cellY, hold, step;
    bool last;  ///< the projectile ends right after this frame is set
};
constexpr Frame kFrames[] = {
    // the shots' flight, eight frames round
    {5, 1201, 1, 2, -1, false},   {6, 1251, 1, 2, -1, false},   {7, 1301, 1, 2, -1, false},
    {8, 1351, 1, 2, -1, false},   {9, 1201, 51, 2, -1, false},  {10, 1251, 51, 2, -1, false},
    {11, 1301, 51, 2, -1, false}, {12, 1351, 51, 2, 7, false},
    // the aura, once
    {15, 201, 2401, 1, -1, false}, {16, 401, 2401, 1, -1, false}, {17, 601, 2401, 1, -1, false},
    {18, 801, 2401, 1, -1, false}, {19, 1001, 2401, 1, -1, false}, {20, 1201, 2401, 1, -1, false},
    {21, 601, 2401, 1, -1, true},
    // a two-frame loop no kind starts on
    {25, 1801, 1, 1, -1, false},   {26, 1801, 201, 1, 1, false},
    // the shots' fade-out
    {35, 1201, 101, 2, -1, false}, {36, 1251, 101, 2, -1, false}, {37, 1301, 101, 2, -1, false},
    {38, 1351, 101, 2, -1, false}, {39, 1351, 101, 2, -1, true},
    // still pictures
    {40, 1201, 151, 2, 0, false},  {45, 1251, 151, 2, 0, false},  {50, 1351, 151, 2, 0, false},
};

void moveAcross(flyArts& fa, int16_t speed) {
    const int16_t dx = cint16(fa.dirStand * speed);
    fa.ATFleft = cint16(fa.ATFleft + dx);
    fa.ATFright = cint16(fa.ATFright + dx);
}

/// A shot without Force (it hit, or lost a clash) fades out and flies no further.
void fadeWhenSpent(flyArts& fa) {
    if (fa.Force) return;
    fa.animPat = kFadePattern;
    fa.FAType = 0;
}

int16_t tremble(EngineContext& game, int16_t edge) {
    return cint16(edge + Int(game.random.next() * 50) - 25);
}

}  // namespace

void Gouda::FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {
    flyArts& fa = chara.returningOneFlyArts();
    flyArtsStart(game, fa, chara);
    fa.FAType = kind;

    const bool known = kind >= 1 && kind <= kKinds;
    if (known) {
        setShot(fa, kShapes[kind], kPowers[kind]);

        const double centre = chara.posX + chara.Width / 2.0;
        const int16_t d = fa.dirStand;
        switch (kind) {
            case 1:
                placeShot(fa, centre + 40 * d, chara.posY + 65);
                break;
            case 2:
                placeShot(fa, centre + 15 * d, chara.posY + 140);
                break;
            case 3:
                placeShot(fa, chara.posX + 60 + (chara.dirStand == -1 ? 70 : 0), chara.posY + 200);
                break;
            case 4:
            case 7:
                placeShot(fa, centre + 20 * d, chara.posY + (kind == 7 ? 30 : 0));
                fa.ATFvectorX = 5;
                fa.ATFvectorY = 1;
                break;
            case 5:
                placeShot(fa, centre + 40 * d, chara.posY + 75);
                break;
            case 6:
                placeShot(fa, centre, chara.posY + 65);
                break;
            default:  // 8: far behind and above
                placeShot(fa, centre - 600 * d, chara.posY - 300);
                break;
        }
    }

    // The box starts at the launch point and reaches out in the facing direction.
    const int16_t wx = known ? kExtraWidth[kind] : 0;
    const int16_t hx = known ? kExtraHeight[kind] : 0;
    setLaunchBox(fa, wx, hx);
}

void Gouda::FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) {
    switch (fa.FAType) {
        case 1:
            moveAcross(fa, 10);
            fadeWhenSpent(fa);
            break;
        case 2:
        case 4:
            moveAcross(fa, 15);
            fadeWhenSpent(fa);
            break;
        case 3:  // the aura follows GOUDA up and down, not across
            fa.ATFtop = cint16(chara.posY + 40);
            fa.ATFbottom = cint16(chara.posY + 240);
            break;
        case 5:
        case 7:
            moveAcross(fa, 10);
            fa.ATFtop = cint16(fa.ATFtop + 5);
            fa.ATFbottom = cint16(fa.ATFbottom + 5);
            if (fa.ATFbottom > kDiveFloor) fa.Force = false;
            fadeWhenSpent(fa);
            break;
        case 6:
            fa.ATFleft = tremble(game, fa.ATFleft);
            fa.ATFright = tremble(game, fa.ATFright);
            fa.ATFtop = tremble(game, fa.ATFtop);
            fa.ATFbottom = tremble(game, fa.ATFbottom);
            break;
        default: break;
    }
}

void Gouda::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    for (const Frame& f : kFrames) {
        if (f.animPat != fa.animPat) continue;
        flyArtsAnimStep(game, srcRect, fa, chara, f.cellX, f.cellY, f.hold, f.step);
        if (f.last) fa.Running = false;
        return;
    }
}

}  // namespace morvek
