#pragma once
// The pose of every used cell. A cell's pose follows from the first pattern that draws
// it, as the fighter's own pattern table describes that pattern: engine roles (standing,
// guarding, hit, lying, ...) by pattern number and sTate, attacks by the move's name and
// the frame's place inside its block (wind-up, strike, recovery).

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "battle/Character.h"
#include "figure.h"

namespace morvek::data {

enum class PoseKind {
    Stand, Walk, Dash, Backstep, Crouch, Guard, CrouchGuard, SpecialGuard, GuardRecover, Jump, Air,
    Land, Target, Miss, Dizzy, Hit, CrouchHit, AirHit, Knockdown, Floor, Bounce, Getup, KO, Held,
    DashStop, WinA, WinB,
    PunchWind, Punch, Uppercut, Elbow, Palm, KickChamber, Kick, HighKick, LowKick, Sweep, Slide,
    Spin, Flip, AirKick, AirPunch, Grab, Throw, ShootWind, Shoot, Charge, ChargeUp, Beam,
    HammerWind, Hammer, Headbutt, BodyPress, Tackle, SlashWind, Slash, SlashLow, SlashUp,
};

inline Pose makePose(PoseKind k, double t = 0) {
    Pose p;
    const double wave = std::sin(t * 2 * M_PI);
    auto legsWide = [&] { p.legFU = 30, p.legFL = 8, p.legBU = -28, p.legBL = -14; };
    auto lunge = [&] { p.legFU = 48, p.legFL = 6, p.legBU = -34, p.legBL = -26; };
    auto crouchLegs = [&] { p.legFU = 88, p.legFL = -8, p.legBU = 40, p.legBL = -78, p.footB = 80; };
    auto guardArms = [&] { p.armFU = 55, p.armFL = 172, p.armBU = 42, p.armBL = 165; };
    auto hurtArms = [&] { p.armFU = 25, p.armFL = -25, p.armBU = -55, p.armBL = -85; };
    auto airborne = [&](double lift) { p.grounded = false, p.lift = lift; };
    switch (k) {
    case PoseKind::Stand:
        p.lean = 6 + 2 * wave, p.armFL = 150 + 6 * wave, p.armBL = 132 - 5 * wave;
        p.legFU = 24, p.legFL = 2, p.legBU = -14, p.legBL = -20;
        break;
    case PoseKind::Walk: {
        const double a = t * 2 * M_PI;
        p.legFU = 26 * std::sin(a), p.legFL = p.legFU - 18 * std::max(0.0, -std::cos(a));
        p.legBU = -26 * std::sin(a), p.legBL = p.legBU - 18 * std::max(0.0, std::cos(a));
        p.armFU = 45, p.armFL = 150;
        break;
    }
    case PoseKind::Dash: {
        const double a = t * 2 * M_PI;
        p.lean = 26, p.legFU = 40 + 30 * std::sin(a), p.legFL = p.legFU - 50;
        p.legBU = -30 - 20 * std::sin(a), p.legBL = p.legBU - 40;
        p.armFU = 60 + 30 * std::sin(a), p.armFL = p.armFU + 85, p.armBU = -40 - 20 * std::sin(a), p.armBL = p.armBU + 80;
        p.streaks = 1;
        break;
    }
    case PoseKind::Backstep:
        p.lean = -12, p.legFU = 12, p.legFL = 0, p.legBU = -38, p.legBL = -70, p.armFU = 30, p.armFL = 150;
        p.armBU = -30, p.armBL = 60;
        airborne(6 + 6 * t);
        break;
    case PoseKind::Crouch: crouchLegs(); p.lean = 22; break;
    case PoseKind::Guard:
        p.lean = -8, p.headTilt = 14, p.armFU = 78, p.armFL = 166, p.armBU = 64, p.armBL = 160;
        p.legFU = 28, p.legFL = 0, p.legBU = -18, p.legBL = -26;
        break;
    case PoseKind::CrouchGuard: crouchLegs(); guardArms(); p.lean = 14, p.headTilt = 14; break;
    case PoseKind::SpecialGuard:
        p.lean = -4, p.armFU = 85, p.armFL = 125, p.armBU = 72, p.armBL = 132, p.openF = p.openB = true;
        legsWide();
        p.face = FaceShout;
        break;
    case PoseKind::GuardRecover:
        p.lean = 0, p.armFU = 25, p.armFL = 110, p.armBU = 10, p.armBL = 90;
        break;
    case PoseKind::Jump:
        airborne(30 + 10 * t);
        p.legFU = 88, p.legFL = -20, p.legBU = 35, p.legBL = -60, p.armFU = 120, p.armFL = 160, p.armBU = 60, p.armBL = 110;
        break;
    case PoseKind::Air:
        airborne(22);
        p.legFU = 38, p.legFL = 10, p.legBU = -10, p.legBL = -35, p.armFU = 100, p.armFL = 145, p.armBU = 150, p.armBL = 175;
        break;
    case PoseKind::Land: p.lean = 16, p.legFU = 62, p.legFL = -8, p.legBU = 12, p.legBL = -52; break;
    case PoseKind::Target:
        legsWide();
        p.lean = 2, p.armFU = 86 + 4 * wave, p.armFL = 86, p.openF = true, p.armBU = -22, p.armBL = 80;
        break;
    case PoseKind::Miss:
        p.lean = 30, p.headTilt = 10, p.armFU = 150, p.armFL = 200, p.armBU = -70, p.armBL = -40;
        p.legFU = 30, p.legFL = 10, p.legBU = -60, p.legBL = -95;
        p.face = FaceHurt;
        break;
    case PoseKind::Dizzy:
        p.lean = -6, p.headTilt = 22, p.armFU = 12, p.armFL = 4, p.armBU = -10, p.armBL = -4;
        p.legFU = 12, p.legFL = -6, p.legBU = -12, p.legBL = 6, p.rot = 4, p.face = FaceHurt;
        break;
    case PoseKind::Hit:
        hurtArms();
        p.lean = -22 - 10 * t, p.headTilt = -20, p.legFU = 26, p.legFL = 12, p.legBU = -10, p.legBL = -26;
        p.face = FaceHurt;
        break;
    case PoseKind::CrouchHit: crouchLegs(); hurtArms(); p.lean = -12, p.headTilt = -20, p.face = FaceHurt; break;
    case PoseKind::AirHit:
        airborne(40);
        p.rot = -25 - 45 * t, p.lean = -10, p.armFU = 150, p.armFL = 120, p.armBU = -150, p.armBL = -170;
        p.legFU = 40, p.legFL = 30, p.legBU = 18, p.legBL = 8, p.face = FaceHurt;
        break;
    case PoseKind::Knockdown:
        airborne(16);
        p.rot = -68, p.lean = -8, p.armFU = 150, p.armFL = 130, p.armBU = -150, p.armBL = -170;
        p.legFU = 35, p.legFL = 25, p.legBU = 15, p.legBL = 5, p.face = FaceHurt;
        break;
    case PoseKind::Floor:
        p.rot = -90, p.lean = 0, p.headTilt = -5, p.armFU = 150, p.armFL = 160, p.armBU = 100, p.armBL = 80;
        p.legFU = 8, p.legFL = 2, p.legBU = -6, p.legBL = 0, p.face = FaceHurt;
        break;
    case PoseKind::Bounce:
        airborne(14);
        p.rot = -82, p.armFU = 160, p.armFL = 150, p.armBU = 120, p.armBL = 100;
        p.legFU = 40, p.legFL = 30, p.legBU = 20, p.legBL = 10, p.face = FaceHurt;
        break;
    case PoseKind::Getup: {
        // kneeling, rising toward the stance as t grows
        const double u = std::clamp(t, 0.0, 1.0);
        p.lean = 20 - 14 * u, p.legFU = 80 - 56 * u, p.legFL = 0, p.legBU = 0 - 14 * u, p.legBL = -90 + 70 * u;
        p.footB = 90 - 70 * (1 - u);
        p.armFU = 60 - 20 * u, p.armFL = 20 + 130 * u, p.armBU = -20 + 35 * u, p.armBL = 0 + 130 * u;
        break;
    }
    case PoseKind::KO:
        p.rot = -90, p.lean = 6, p.headTilt = -15, p.armFU = 170, p.armFL = 190, p.armBU = 40, p.armBL = 20;
        p.legFU = 30, p.legFL = -10, p.legBU = -4, p.legBL = 0, p.face = FaceHurt;
        break;
    case PoseKind::Held:
        airborne(26);
        p.lean = -10, p.armFU = 150, p.armFL = 150, p.armBU = 170, p.armBL = 170;
        p.legFU = 6, p.legFL = 0, p.legBU = -6, p.legBL = 6, p.face = FaceHurt;
        break;
    case PoseKind::DashStop:
        p.lean = -16, p.legFU = 48, p.legFL = 40, p.legBU = -20, p.legBL = -22, p.armFU = 70, p.armFL = 120;
        p.armBU = -70, p.armBL = -40;
        break;
    case PoseKind::WinA:
        p.lean = -3, p.armFU = 175, p.armFL = 178, p.armBU = -28, p.armBL = 62;
        p.legFU = 12, p.legFL = 8, p.legBU = -12, p.legBL = -8, p.face = FaceShout;
        break;
    case PoseKind::WinB:
        p.lean = 0, p.headTilt = 8, p.armFU = 40, p.armFL = 112, p.armBU = 30, p.armBL = 122;
        p.legFU = 14, p.legFL = 6, p.legBU = -14, p.legBL = -6;
        break;
    case PoseKind::PunchWind:
        p.lean = 0, p.armFU = 15, p.armFL = 135, p.armBU = 60, p.armBL = 150;
        legsWide();
        break;
    case PoseKind::Punch:
        p.lean = 18, p.armFU = 88 - 10 * t, p.armFL = 90 - 10 * t, p.armBU = -15, p.armBL = 110;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::Uppercut:
        p.lean = -8, p.armFU = 160, p.armFL = 176, p.armBU = 20, p.armBL = 100;
        p.legFU = 10, p.legFL = 0, p.legBU = -20, p.legBL = -36, p.face = FaceShout;
        if (t > 0.01) airborne(30 * t + 10), p.legBU = -10, p.legBL = -60;
        break;
    case PoseKind::Elbow:
        p.lean = 25, p.armFU = 96, p.armFL = -95, p.armBU = 30, p.armBL = 140;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::Palm:
        p.lean = 15, p.armFU = 80, p.armFL = 84 + 10 * t, p.armBU = 74, p.armBL = 96, p.openF = p.openB = true;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::KickChamber:
        p.lean = -10, p.legFU = 105, p.legFL = -5, p.legBU = -5, p.legBL = -5;
        guardArms();
        break;
    case PoseKind::Kick:
        p.lean = -20, p.legFU = 98, p.legFL = 96, p.legBU = -8, p.legBL = -6, p.footF = 70;
        p.armFU = 40, p.armFL = 140, p.armBU = -40, p.armBL = 0, p.face = FaceShout;
        break;
    case PoseKind::HighKick:
        p.lean = -32, p.legFU = 125, p.legFL = 132, p.legBU = -6, p.legBL = -4, p.footF = 70;
        p.armFU = 40, p.armFL = 140, p.armBU = -50, p.armBL = -10, p.face = FaceShout;
        break;
    case PoseKind::LowKick:
        p.lean = 10, p.legFU = 66, p.legFL = 82, p.legBU = 22, p.legBL = -72, p.footF = 75;
        guardArms();
        break;
    case PoseKind::Sweep:
        p.lean = 30, p.legFU = 84, p.legFL = 88, p.legBU = 70, p.legBL = -85, p.footF = 80;
        p.armFU = 20, p.armFL = 0, p.armBU = -10, p.armBL = -10;
        break;
    case PoseKind::Slide:
        p.lean = -42, p.legFU = 84, p.legFL = 88, p.legBU = 60, p.legBL = -10, p.armFU = 60, p.armFL = 140;
        p.armBU = -60, p.armBL = -30, p.streaks = 1;
        break;
    case PoseKind::Spin:
        airborne(28);
        p.lean = 0, p.legFU = 96, p.legFL = 96, p.legBU = -82, p.legBL = -92;
        p.armFU = 95, p.armFL = 100, p.armBU = -95, p.armBL = -100, p.rot = -18 + 36 * t, p.streaks = 2;
        break;
    case PoseKind::Flip:
        airborne(36);
        p.rot = -70 - 200 * t, p.legFU = 150, p.legFL = 152, p.legBU = 60, p.legBL = -10;
        p.armFU = -30, p.armFL = -20, p.armBU = -50, p.armBL = -30;
        break;
    case PoseKind::AirKick:
        airborne(34);
        p.lean = -12, p.legFU = 56, p.legFL = 48, p.legBU = 80, p.legBL = -40, p.armFU = 110, p.armFL = 150;
        p.armBU = -60, p.armBL = -20, p.streaks = 1, p.face = FaceShout;
        break;
    case PoseKind::AirPunch:
        airborne(34);
        p.lean = 26, p.armFU = 62, p.armFL = 55, p.armBU = -40, p.armBL = 60;
        p.legFU = 72, p.legFL = -20, p.legBU = 22, p.legBL = -50, p.face = FaceShout;
        break;
    case PoseKind::Grab:
        p.lean = 22, p.armFU = 82, p.armFL = 76, p.armBU = 70, p.armBL = 82, p.openF = p.openB = true;
        lunge();
        break;
    case PoseKind::Throw:
        p.lean = -25, p.armFU = 160, p.armFL = 205, p.armBU = 150, p.armBL = 195;
        legsWide();
        p.face = FaceShout;
        break;
    case PoseKind::ShootWind:
        p.lean = 4, p.armFU = -35, p.armFL = 25, p.armBU = -42, p.armBL = 20, p.openF = p.openB = true;
        legsWide();
        break;
    case PoseKind::Shoot:
        p.lean = 15, p.armFU = 86, p.armFL = 90, p.armBU = 80, p.armBL = 95, p.openF = p.openB = true;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::Charge:
        p.lean = 0, p.headTilt = -6, p.armFU = 28, p.armFL = 12, p.armBU = -28, p.armBL = -12;
        p.legFU = 26, p.legFL = 10, p.legBU = -26, p.legBL = -10, p.face = FaceShout;
        break;
    case PoseKind::ChargeUp:
        p.lean = -4, p.headTilt = -12, p.armFU = 155, p.armFL = 165, p.armBU = 205, p.armBL = 195;
        p.openF = p.openB = true;
        p.legFU = 22, p.legFL = 10, p.legBU = -22, p.legBL = -10, p.face = FaceShout;
        break;
    case PoseKind::Beam:
        p.lean = 10, p.headTilt = 8, p.armFU = 130, p.armFL = 212, p.armBU = 118, p.armBL = 205;
        legsWide();
        p.face = FaceShout;
        break;
    case PoseKind::HammerWind:
        p.lean = -10, p.armFU = 170, p.armFL = 178, p.armBU = 160, p.armBL = 172;
        legsWide();
        break;
    case PoseKind::Hammer:
        p.lean = 32, p.armFU = 78, p.armFL = 45, p.armBU = 72, p.armBL = 50;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::Headbutt:
        p.lean = 45, p.headTilt = 10, p.armFU = -40, p.armFL = -20, p.armBU = -50, p.armBL = -30;
        lunge();
        break;
    case PoseKind::BodyPress:
        airborne(26);
        p.rot = 78, p.armFU = 150, p.armFL = 160, p.armBU = 140, p.armBL = 150;
        p.legFU = -5, p.legFL = -10, p.legBU = 5, p.legBL = 0;
        break;
    case PoseKind::Tackle:
        p.lean = 46, p.armFU = 60, p.armFL = 100, p.armBU = 30, p.armBL = 120;
        p.legFU = 62, p.legFL = 20, p.legBU = -45, p.legBL = -52, p.streaks = 1;
        break;
    case PoseKind::SlashWind:
        p.lean = -6, p.armFU = 150, p.armFL = 205, p.swordAngle = 25, p.armBU = 140, p.armBL = 200;
        legsWide();
        break;
    case PoseKind::Slash:
        p.lean = 22, p.armFU = 92 - 12 * t, p.armFL = 98 - 10 * t, p.swordAngle = -8, p.armBU = -30, p.armBL = 40;
        lunge();
        p.face = FaceShout;
        break;
    case PoseKind::SlashLow:
        p.lean = 30, p.armFU = 66, p.armFL = 60, p.swordAngle = 22, p.armBU = -30, p.armBL = 30;
        p.legFU = 70, p.legFL = 0, p.legBU = -10, p.legBL = -80;
        p.face = FaceShout;
        break;
    case PoseKind::SlashUp:
        p.lean = -8, p.armFU = 150, p.armFL = 162, p.swordAngle = 8, p.armBU = 30, p.armBL = 90;
        p.legFU = 12, p.legFL = 0, p.legBU = -22, p.legBL = -40, p.face = FaceShout;
        if (t > 0.01) airborne(26 * t + 8);
        break;
    }
    return p;
}

// ---- which pose a cell shows ------------------------------------------------------

enum class Style { Brawler, Swordsman, Wrestler, KungFu, Karate, Ninja };

/// How the first pattern showing a cell uses it.
struct CellUse {
    int pattern = 0;
    int first = 0;      ///< first pattern of its block
    int state = 0;      ///< the pattern's sTate
    int firstState = 0; ///< sTate of the block's first pattern
    int phase = 0;      ///< index of the cell among the block's distinct cells
    int distinct = 1;   ///< number of distinct cells in the block
    std::string move;   ///< the block's move name, or a hint for an unnamed move
};

inline bool has(std::string_view s, std::string_view w) { return s.find(w) != std::string_view::npos; }

/// The sTate of a short hop, which the character's state list leaves unnamed.
inline constexpr int kStateHop = 15;

struct CellPose {
    PoseKind kind = PoseKind::Stand;
    double t = 0;
};

/// The attack family a move name suggests.
inline PoseKind attackFamily(std::string_view m, Style style, int salt) {
    const bool air = has(m, "air") || has(m, "空中") || has(m, "in the air") || has(m, "airborne");
    if (has(m, "光線")) return PoseKind::Beam;
    if (has(m, "ショット") || has(m, "波動") || has(m, "弾") || has(m, "手裏剣") || has(m, "乱射") ||
        has(m, "キャノネード") || has(m, "練気閃") || has(m, "ショックウェイブ") || has(m, "energy shot") ||
        has(m, "虎炮") || has(m, "虎砲"))
        return PoseKind::Shoot;
    if (has(m, "アッパー") || has(m, "昇龍") || has(m, "ドラゴン") || has(m, "降龍") || has(m, "uppercut"))
        return PoseKind::Uppercut;
    if (has(m, "サマソ") || has(m, "フリップ") || has(m, "転身")) return PoseKind::Flip;
    if (has(m, "スライディング")) return PoseKind::Slide;
    if (has(m, "竜巻") || has(m, "旋風") || has(m, "旋") || has(m, "回転") || has(m, "スクリュー") ||
        has(m, "スパイラル") || has(m, "ウリアット") || has(m, "車輪"))
        return style == Style::Swordsman && has(m, "車輪") ? PoseKind::SlashUp : PoseKind::Spin;
    if (has(m, "投げ") || has(m, "釣り") || has(m, "バックドロップ") || has(m, "キャッチ") || has(m, "throw") ||
        has(m, "grab") || has(m, "セクハラ") || has(m, "catch"))
        return PoseKind::Grab;
    if (has(m, "ボディプレス")) return PoseKind::BodyPress;
    if (has(m, "ヘッドバット")) return PoseKind::Headbutt;
    if (has(m, "ハンマー") || has(m, "スタンプ") || has(m, "斧瓦") || has(m, "頭蓋")) return PoseKind::Hammer;
    if (has(m, "タックル") || has(m, "斬影") || has(m, "dash")) return PoseKind::Tackle;
    if (has(m, "super art") || has(m, "練功") || has(m, "spacorn") || has(m, "分身") || has(m, "大絶唱") ||
        has(m, "混濁") || has(m, "障壁") || has(m, "インフィニティ") || has(m, "ディストーション") ||
        has(m, "業魔") || has(m, "暴力") || has(m, "opening") || has(m, "雷震") || has(m, "ママ"))
        return salt % 2 ? PoseKind::ChargeUp : PoseKind::Charge;
    if (style == Style::Swordsman) {
        if (has(m, "雷鳴")) return PoseKind::SlashUp;
        if (has(m, "足") || has(m, "地擦り")) return PoseKind::SlashLow;
        return PoseKind::Slash;
    }
    if (has(m, "足払い") || has(m, "小足") || has(m, "掃") || has(m, "水面") || has(m, "根削り") || has(m, "底蹴") ||
        has(m, "low"))
        return salt % 2 ? PoseKind::Sweep : PoseKind::LowKick;
    if (air || has(m, "天空") || has(m, "雷撃蹴") || has(m, "メテオ") || has(m, "斬空") || has(m, "天魔"))
        return has(m, "拳") || has(m, "打") ? PoseKind::AirPunch : PoseKind::AirKick;
    if (has(m, "キック") || has(m, "脚") || has(m, "蹴") || has(m, "腿") || has(m, "kick"))
        return salt % 3 == 0 ? PoseKind::HighKick : PoseKind::Kick;
    if (has(m, "肘") || has(m, "靠") || has(m, "鉄山") || has(m, "崩山")) return PoseKind::Elbow;
    if (has(m, "掌") || has(m, "撲") || has(m, "貫き手") || has(m, "地獄突き")) return PoseKind::Palm;
    if (has(m, "パンチ") || has(m, "拳") || has(m, "打") || has(m, "ブロウ")) return PoseKind::Punch;
    // unnamed steps: a fist or a foot, varied by cell
    switch (style) {
    case Style::Ninja: return salt % 3 ? PoseKind::Kick : PoseKind::Punch;
    case Style::Wrestler: return salt % 3 == 0 ? PoseKind::Grab : PoseKind::Hammer;
    case Style::KungFu: return salt % 3 == 0 ? PoseKind::Palm : (salt % 3 == 1 ? PoseKind::Kick : PoseKind::Elbow);
    default: return salt % 3 == 0 ? PoseKind::Kick : PoseKind::Punch;
    }
}

/// The wind-up pose before a strike of the given family.
inline PoseKind windupOf(PoseKind f) {
    switch (f) {
    case PoseKind::Punch: case PoseKind::Elbow: case PoseKind::Palm: case PoseKind::Headbutt: return PoseKind::PunchWind;
    case PoseKind::Kick: case PoseKind::HighKick: return PoseKind::KickChamber;
    case PoseKind::LowKick: case PoseKind::Sweep: case PoseKind::Uppercut: case PoseKind::Slide: return PoseKind::Crouch;
    case PoseKind::Shoot: return PoseKind::ShootWind;
    case PoseKind::Hammer: return PoseKind::HammerWind;
    case PoseKind::Grab: return PoseKind::PunchWind;
    case PoseKind::Slash: case PoseKind::SlashLow: case PoseKind::SlashUp: return PoseKind::SlashWind;
    case PoseKind::Spin: case PoseKind::Flip: return PoseKind::Jump;
    case PoseKind::AirKick: case PoseKind::AirPunch: case PoseKind::BodyPress: return PoseKind::Jump;
    case PoseKind::Tackle: return PoseKind::Crouch;
    default: return f;
    }
}

/// Pose of a cell given its first use.
inline CellPose poseForUse(const CellUse& u, Style style, int salt) {
    const int p = u.pattern;
    const std::string_view m = u.move;
    const int first = u.first;
    const double t = u.distinct > 1 ? double(u.phase) / (u.distinct - 1) : 0.5;
    auto role = [&](PoseKind k, double tt = 0) { return CellPose{k, tt}; };
    auto hop = [&] { return role(u.phase ? PoseKind::Air : PoseKind::Jump, t); };
    // the movement a block's opening sTate names
    const int opening = u.firstState;
    if (p < 20 && u.state == stStand) return role(PoseKind::Stand, p * 0.25);
    if (p >= 30 && p < 40) return role(PoseKind::Guard);
    if (p >= 40 && p < 50) return role(PoseKind::CrouchGuard);
    if (p >= 50 && p < 60) return role(PoseKind::Target, u.phase * 0.25);
    if (p >= 60 && p < 70) return role(p == 60 ? PoseKind::Miss : PoseKind::Hit, 0);
    if (p >= 70 && p < 80) {
        if (opening == stDash) return role(PoseKind::Dash, t);
        if (opening == kStateHop) return hop();
        return role(PoseKind::Backstep, t);
    }
    if (p >= 80 && p < 90) return role(u.phase ? PoseKind::Crouch : PoseKind::Land);
    if (p >= 90 && p < 100) {
        if (opening == stWalk) return role(PoseKind::Walk, t);
        if (opening == stDash) return role(PoseKind::Dash, t);
        return hop();
    }
    if (p >= 100 && p < 110) return role(PoseKind::Walk, u.phase * 0.25);
    if (p >= 110 && p < 130) {
        if (opening == stWalk) return role(PoseKind::Walk, t);
        if (opening == stBackStep) return role(PoseKind::Backstep, t);
        return role(PoseKind::Dash, t);
    }
    if (p >= 130 && p < 180) return role(u.phase == 0 ? PoseKind::Jump : PoseKind::Air, t);
    if (p >= 180 && p < 200) return role(PoseKind::Dizzy);
    if (p >= 300 && p < 310) return role(PoseKind::Hit, u.phase * 0.5);
    if (p >= 310 && p < 330) return role(PoseKind::AirHit, t);
    if (p >= 330 && p < 340) return role(u.state == stGetUp ? PoseKind::Getup : PoseKind::Floor, u.state == stGetUp ? 0.2 : 0);
    if (p >= 340 && p < 350) return role(PoseKind::Hit, u.phase * 0.5);
    if (p >= 350 && p < 360) return role(PoseKind::CrouchHit);
    if (p >= 360 && p < 370) return role(PoseKind::Bounce);
    if (p >= 370 && p < 380) return role(u.phase == 0 ? PoseKind::Knockdown : PoseKind::Floor);
    if (p >= 380 && p < 390) return role(PoseKind::SpecialGuard);
    if (p >= 390 && p < 400) return role(PoseKind::GuardRecover);
    if (p >= 400 && p < 410) return role(PoseKind::KO);
    if (p >= 410 && p < 420) return role(PoseKind::Hit, 1);
    if (p >= 420 && p < 430) return role(PoseKind::Held);
    if (p >= 430 && p < 440) return role(PoseKind::DashStop);
    if (p >= 440 && p < 470) return role(PoseKind::Getup, t);
    if ((p >= 470 && p < 500) || p == 950) return role(u.phase % 2 ? PoseKind::WinB : PoseKind::WinA);
    // attacks
    // An attack that opens with a hop or in the air says so by its sTate.
    std::string named(m);
    if (opening == stAirborne || opening == kStateHop) named += " airborne";
    const PoseKind fam = attackFamily(named, style, salt + first / 10);
    if (fam == PoseKind::Charge || fam == PoseKind::ChargeUp || fam == PoseKind::Beam)
        return role(u.phase % 2 ? (fam == PoseKind::Charge ? PoseKind::ChargeUp : fam) : fam, t);
    if (fam == PoseKind::Spin || fam == PoseKind::Flip) return role(u.phase == 0 && u.distinct > 2 ? PoseKind::Jump : fam, t);
    if (u.distinct >= 2 && u.phase == 0) return role(windupOf(fam));
    if (u.distinct >= 4 && u.phase == u.distinct - 1) return role(windupOf(fam));
    return role(fam, u.distinct > 2 ? double(u.phase - 1) / std::max(1, u.distinct - 2) : 0);
}

}  // namespace morvek::data
