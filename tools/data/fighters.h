#pragma once
// The fighter sheets: one square-cell sheet per fighter file stem, each used cell holding
// the fighter in the pose that cell is used for, plus the projectile frames at the places
// the move sets read them; and G O D's sheet with BURI's small cells.

#include <string>
#include <string_view>
#include <vector>

#include "effects.h"
#include "figure.h"
#include "move_hints.h"
#include "move_tables.h"
#include "poses.h"

namespace morvek::data {

struct FighterArt {
    std::string_view stem;
    int16_t number;       ///< fighter number: whose pattern table the cells follow
    int pitch;            ///< cell pitch (the cell's first row and column are never read)
    int sheetW, sheetH;
    double centreX, groundY;
    Build build;
    Style style;
};

inline Build morvekBuild() {
    Build b;
    b.height = 124;
    b.top = kRed, b.sleeve = kSkin, b.pants = kBlue, b.pantsBack = kBlue, b.glove = kWhite, b.belt = kYellow;
    b.shoes = kGrey, b.hair = kBlack2, b.band = kWhite, b.hairStyle = Hair::Spiky;
    return b;
}

inline std::vector<FighterArt> fighterArts() {
    std::vector<FighterArt> v;
    {
        FighterArt f{"morvekboy", 0, 200, 2400, 2600, 100, 182, morvekBuild(), Style::Brawler};
        v.push_back(f);
    }
    {
        Build b = morvekBuild();
        b.top = kGreen, b.pants = b.pantsBack = kViolet, b.band = kYellow, b.glove = kCyan, b.hair = kPlum;
        b.shoes = kDarkRed, b.belt = kWhite;
        v.push_back({"betaboy", 8, 200, 2400, 2600, 100, 182, b, Style::Brawler});
    }
    {
        Build b;
        b.height = 160;
        b.top = kWhite, b.sleeve = kWhite, b.armBack = kGrey, b.pants = kSage, b.pantsBack = kSage;
        b.legR = 0.07, b.glove = kSkin, b.belt = kViolet, b.shoes = kGrey, b.hairStyle = Hair::Topknot;
        b.hair = kBlack2, b.sword = true, b.chest = 0.09;
        v.push_back({"ginzamurai", 1, 300, 2700, 2720, 140, 248, b, Style::Swordsman});
    }
    {
        Build b;
        b.height = 122;
        b.chest = 0.08, b.waist = 0.062, b.armR = 0.033, b.legR = 0.044, b.handR = 0.044;
        b.top = kOrange, b.sleeve = kOrange, b.forearm = kSkin, b.armBack = kOrange, b.pants = kYellow, b.pantsBack = kYellow;
        b.glove = kSkin, b.belt = kDarkRed, b.shoes = kBlack2, b.hairStyle = Hair::Bald, b.hair = kBlack2;
        v.push_back({"honekawa", 3, 200, 2600, 2400, 100, 182, b, Style::KungFu});
    }
    {
        Build b;
        b.height = 176, b.headR = 0.075, b.torso = 0.3;
        b.chest = 0.15, b.waist = 0.115, b.armR = 0.058, b.handR = 0.06, b.legR = 0.07, b.upperArm = 0.17;
        b.bareChest = true, b.top = kSkin, b.sleeve = kSkin, b.pants = kRed, b.pantsBack = kRed;
        b.glove = kYellow, b.belt = kYellow, b.shoes = kDarkRed, b.hairStyle = Hair::Mohawk, b.hair = kBlack2;
        b.beard = true;
        v.push_back({"nangief", 2, 300, 2700, 2700, 150, 248, b, Style::Wrestler});
    }
    {
        Build b;
        b.height = 128;
        b.chest = 0.125, b.waist = 0.09, b.armR = 0.05, b.legR = 0.062, b.handR = 0.058;
        b.top = kPlum, b.sleeve = kSkin, b.pants = kPlum, b.pantsBack = kPlum, b.glove = kSkin;
        b.belt = kBlack2, b.shoes = kSkin, b.hairStyle = Hair::Spiky, b.hair = kRed, b.band = 0;
        v.push_back({"gouda", 4, 200, 2400, 2600, 100, 182, b, Style::Karate});
    }
    {
        Build b;
        b.height = 126;
        b.chest = 0.095, b.waist = 0.07, b.armR = 0.037, b.legR = 0.05;
        b.top = kViolet, b.sleeve = kViolet, b.forearm = kViolet, b.pants = kViolet, b.pantsBack = kViolet, b.glove = kGreen;
        b.shoes = kGreen, b.belt = kCyan, b.hairStyle = Hair::Helmet, b.hair = kGrey, b.visor = kCyan;
        b.cape = kDarkRed;
        v.push_back({"interrupter", 5, 200, 2800, 2800, 100, 182, b, Style::Ninja});
    }
    return v;
}

inline Build godBuild() {
    Build b;
    b.height = 296, b.headR = 0.085, b.chest = 0.17, b.waist = 0.14, b.armR = 0.062, b.legR = 0.078;
    b.handR = 0.07;
    b.top = kViolet, b.sleeve = kViolet, b.armBack = kPlum, b.pants = kViolet, b.pantsBack = kPlum;
    b.glove = kYellow, b.belt = kYellow, b.shoes = kYellow, b.hairStyle = Hair::Long, b.hair = kWhite;
    b.beard = true, b.cape = kDarkRed, b.halo = kYellow;
    return b;
}

/// The cells a fighter's table shows, each with the patterns showing it.
inline std::vector<UsedCell> usedCells(const FighterArt& f) { return usedCellsOf(readMoveTable(f.number), f.pitch); }

/// How pattern `p` of table `t` uses cell (c, r): its block, its place among the block's
/// distinct cells, and the move name (or, for an unnamed block, its hint).
inline CellUse cellUseOf(const MoveTable& t, int16_t fighter, int pitch, int p) {
    CellUse u;
    u.pattern = p;
    const PatternUse* use = t.find(p);
    if (use == nullptr) return u;
    u.first = use->first;
    u.state = use->state;
    u.move = use->name;
    const std::string hint = moveHint(fighter, use->first);
    if (!hint.empty()) u.move += (u.move.empty() ? "" : " ") + hint;
    auto cellOf = [&](const PatternUse* q) { return std::make_pair((q->cell.left - 1) / pitch, (q->cell.top - 1) / pitch); };
    std::vector<std::pair<int, int>> distinct;
    for (const PatternUse* q : t.block(use->first)) {
        if (q->number == use->first) u.firstState = q->state;
        if (std::find(distinct.begin(), distinct.end(), cellOf(q)) == distinct.end()) distinct.push_back(cellOf(q));
    }
    u.distinct = static_cast<int>(distinct.size());
    u.phase = static_cast<int>(std::find(distinct.begin(), distinct.end(), cellOf(use)) - distinct.begin());
    return u;
}

/// The pose a used cell shows: the one its first pattern asks for.
inline CellPose cellPose(const FighterArt& f, const MoveTable& t, const UsedCell& cell) {
    const CellUse u = cellUseOf(t, f.number, f.pitch, cell.patterns.empty() ? 0 : cell.patterns.front());
    return poseForUse(u, f.style, cell.col * 7 + cell.row * 3);
}

/// One figure drawn into a cell-sized surface (pitch - 1 square) and outlined.
inline Surface8 drawFighterCell(const FighterArt& f, const CellPose& cp) {
    const int n = f.pitch - 1;
    Surface8 cell(n, n);
    Pose p = makePose(cp.kind, cp.t);
    drawFigure(cell, f.build, p, f.centreX, f.groundY);
    return cell;
}

/// Stamps `cell` with its top-left at the readable corner of tile (c, r).
inline void placeCell(Surface8& sheet, int pitch, int c, int r, const Surface8& cell) {
    stamp(sheet, cell, pitch * c + 1, pitch * r + 1);
}

// ---- projectile frames ----------------------------------------------------------

inline void shotFrames(Surface8& s, const Ramp& ramp) {
    for (int i = 0; i < 8; ++i) energyBall(s, {1201.0 + 50 * (i % 4), 1.0 + 50 * (i / 4), 48, 48}, i, ramp);
    for (int i = 0; i < 4; ++i) ringPuff(s, {1201.0 + 50 * i, 101, 48, 48}, i / 3.0, ramp);
}

inline void drawProjectiles(Surface8& s, std::string_view stem) {
    if (stem == "morvekboy" || stem == "betaboy") {
        shotFrames(s, kGuardRamp);
        for (int i = 0; i < 4; ++i) sparkBurst(s, {1401.0 + 100 * (i % 2), 2401.0 + 100 * (i / 2), 98, 98}, kSuperRamp, 10, 0.7 + 0.08 * i, i * 9, 0.6);
        sparkBurst(s, {1601, 2401, 98, 98}, kSuperRamp, 10, 0.95, 40, 0.6);
        if (stem == "morvekboy") {
            for (int i = 0; i < 6; ++i) {
                const Box b{201.0 + 200 * i, 2401, 198, 198};
                sparkBurst(s, b, kSuperRamp, 12, 0.45 + 0.1 * i, i * 13, 0.35);
            }
            beamBand(s, {1801, 1, 598, 198}, 0, kSuperRamp);
            beamBand(s, {1801, 201, 598, 198}, 1, kSuperRamp);
        }
    } else if (stem == "ginzamurai") {
        // throwing spike
        line(s, {4, 2710}, {30, 2710}, 3, kBlack);
        line(s, {4, 2710}, {30, 2710}, 1.8, kWhite);
        fillPolygon(s, {{28, 2703}, {38, 2710}, {28, 2717}}, kGrey);
        swordTrail(s, {1, 2101, 298, 98}, false, 0, kGuardRamp);
        swordTrail(s, {1, 2201, 298, 98}, false, 0.5, kGuardRamp);
        swordTrail(s, {201, 2401, 98, 298}, true, 0, kGuardRamp);
        swordTrail(s, {1, 2301, 298, 98}, false, 1, kSuperRamp);
        swordTrail(s, {1, 2401, 198, 298}, true, 0.3, kSuperRamp);
        for (int i = 0; i < 5; ++i) lightning(s, {301.0 + 100 * i, 2101, 89, 298}, i);
        for (int i = 0; i < 3; ++i) {
            const Box b{901, 2101.0 + 150 * i, 148, 148};
            const Pt c = b.centre();
            const double r = 60 + 8 * i;
            line(s, c + Pt{-r, -r}, c + Pt{r, r}, 9, kSky);
            line(s, c + Pt{-r, r}, c + Pt{r, -r}, 9, kSky);
            line(s, c + Pt{-r, -r}, c + Pt{r, r}, 4, kWhite);
            line(s, c + Pt{-r, r}, c + Pt{r, -r}, 4, kWhite);
        }
    } else if (stem == "nangief") {
        for (int i = 0; i < 4; ++i) {
            sparkBurst(s, {301.0 + 150 * (i % 2), 2101.0 + 150 * (i / 2), 148, 148}, kFireRamp, 9, 0.6 + 0.1 * i, i * 20, 0.5);
            hexField(s, {601.0 + 150 * (i % 2), 2101.0 + 150 * (i / 2), 148, 148}, i, kGreenRamp);
        }
    } else if (stem == "gouda") {
        shotFrames(s, kPlumRamp);
        for (int i = 0; i < 6; ++i) sparkBurst(s, {201.0 + 200 * i, 2401, 198, 198}, kPlumRamp, 14, 0.4 + 0.1 * i, i * 11, 0.5);
        energyBall(s, {1801, 1, 48, 48}, 0, kPlumRamp);
        energyBall(s, {1801, 201, 48, 48}, 1, kPlumRamp);
        sparkBurst(s, {1201, 151, 48, 48}, kFireRamp, 8, 0.95, 0, 0.5);
        sparkBurst(s, {1251, 151, 48, 48}, kPlumRamp, 8, 0.95, 20, 0.5);
        // one-frame picture stretched over the whole screen: a dark slash across a red field
        fillBox(s, 1351, 151, 48, 48, kDarkRed);
        line(s, {1354, 195}, {1396, 154}, 5, kBlack);
        line(s, {1354, 160}, {1392, 196}, 3, kBlack);
        line(s, {1356, 193}, {1394, 156}, 1.5, kWhite);
    } else if (stem == "interrupter") {
        for (int i = 0; i < 3; ++i) energyBall(s, {201.0 + 200 * i, 2201, 198, 198}, i, kGreenRamp);
        for (int i = 0; i < 3; ++i) {
            const Box b{1.0 + 200 * i, 2401, 198, 198};
            sparkBurst(s, {b.x, b.y + 40, b.w, b.h - 80}, kFireRamp, 6 + 2 * i, 0.9, 0, 0.35);
        }
        // cannon shell
        fillEllipse(s, {700, 2500}, 46, 22, kBlack);
        fillEllipse(s, {700, 2500}, 43, 19, kGrey);
        fillEllipse(s, {730, 2500}, 14, 18, kOrange);
        line(s, {665, 2492}, {720, 2492}, 3, kWhite);
        explosion(s, {201, 2601, 198, 198}, 0.2, 11);
        explosion(s, {401, 2601, 198, 198}, 0.6, 12);
        explosion(s, {601, 2601, 198, 198}, 0.5, 13);
        explosion(s, {1001, 2601, 198, 198}, 0.9, 14);
        for (int i = 0; i < 4; ++i) hexField(s, {801.0 + 100 * (i % 2), 2401.0 + 100 * (i / 2), 98, 98}, i, kGuardRamp);
        for (int i = 0; i < 4; ++i) hexField(s, {1.0 + 100 * (i % 2), 2601.0 + 100 * (i / 2), 98, 98}, i, kSuperRamp);
    }
}

/// A fighter's whole sheet.
inline Surface8 buildFighterSheet(const FighterArt& f) {
    Surface8 sheet(f.sheetW, f.sheetH);
    const MoveTable table = readMoveTable(f.number);
    for (const UsedCell& cell : usedCellsOf(table, f.pitch)) {
        const CellPose cp = cellPose(f, table, cell);
        placeCell(sheet, f.pitch, cell.col, cell.row, drawFighterCell(f, cp));
    }
    drawProjectiles(sheet, f.stem);
    return sheet;
}

// ---- G O D and BURI ---------------------------------------------------------------

/// BURI: a small round floating spirit, 47 x 47 (times `scale` for portraits).
inline void drawBuri(Surface8& s, double x, double y, int mode, int frame, double scale = 1) {
    const double k = scale;
    Surface8 c(static_cast<int>(47 * k), static_cast<int>(47 * k));
    auto P = [&](double px, double py) { return Pt{px * k, py * k}; };
    const double bob = (frame % 2) ? 1.5 : -1.5;
    const Pt body = P(23, 26 + bob);
    fillRing(c, P(23, 9 + bob), 6 * k, 8.5 * k, kYellow);  // halo
    fillCircle(c, body, 13 * k, kWhite);
    fillCircle(c, body + P(0, 5), 9 * k, kWhite);
    fillEllipse(c, body + P(2, 11), 11 * k, 4 * k, kYellow);  // robe hem
    if (mode == 1) {  // hit
        line(c, body + P(3, -5), body + P(8, 0), 0.8 * k, kBlack);
        line(c, body + P(3, 0), body + P(8, -5), 0.8 * k, kBlack);
    } else {
        fillEllipse(c, body + P(6, -3), 1.5 * k, 2.5 * k, kBlack);
        fillEllipse(c, body + P(1, -3), 1.2 * k, 2.2 * k, kBlack);
        line(c, body + P(3, 3), body + P(7, 3), 0.5 * k, kBlack);
    }
    if (mode == 2) {  // attack: arm up with a glow
        line(c, body + P(8, 2), body + P(14, -10.0 + frame * 2), 2 * k, kSkin);
        fillCircle(c, body + P(14, -12.0 + frame * 2), 4 * k, kOrange);
        fillCircle(c, body + P(14, -12.0 + frame * 2), 2 * k, kYellow);
    } else if (mode == 3) {  // guard
        line(c, body + P(6, -2), body + P(12, 8), 2 * k, kSkin);
        fillRing(c, body + P(8, 2), 14 * k, 16 * k, kCyan, -60, 60);
    } else {
        line(c, body + P(9, 4), body + P(15, 8 + bob), 2 * k, kSkin);
    }
    outline(c, c.bounds(), kBlack, std::max(1, static_cast<int>(k)));
    stamp(s, c, static_cast<int>(x), static_cast<int>(y));
}

inline Surface8 buildGodSheet() {
    Surface8 s(1600, 2800);
    const Build b = godBuild();
    auto frame = [&](int row, PoseKind k, double t, double dx = 0) {
        Surface8 c(498, 398);
        // halo behind the head
        Pose p = makePose(k, t);
        p.dx = dx;
        p.lift = std::min(p.lift, 8.0);  // the frame is only a little taller than the figure
        drawFigure(c, b, p, 250, 372);
        outline(c, c.bounds(), kBlack, 1);
        stamp(s, c, 1, 1 + 400 * row);
    };
    frame(0, PoseKind::WinB, 0);
    frame(1, PoseKind::Air, 0);
    frame(2, PoseKind::Hit, 0.5);
    frame(3, PoseKind::Walk, 0.25);
    frame(4, PoseKind::ChargeUp, 0);
    frame(5, PoseKind::KO, 0);
    {
        // dash row: frames at x 1, 51, 101, 151 read 498 px from there, so the figure stays
        // within x 151-499 (seen in all four) and right of BURI's cells in the corner.
        Surface8 c(648, 398);
        Pose p = makePose(PoseKind::Dash, 0.3);
        drawFigure(c, b, p, 330, 372);
        outline(c, c.bounds(), kBlack, 1);
        stamp(s, c, 1, 2401);
    }
    // BURI cells on the 50-px grid, then the corner cell inside G O D's first frame
    for (int i = 0; i < 4; ++i) drawBuri(s, 1 + 50 * i, 2401, 0, i);
    drawBuri(s, 1, 2451, 1, 0);
    for (int i = 0; i < 3; ++i) drawBuri(s, 51 + 50 * i, 2451, 2, i);
    drawBuri(s, 1, 2501, 3, 0);
    drawBuri(s, 7, 8, 0, 0);
    // projectiles
    for (int p = 5; p <= 24; ++p) {
        const int i = p - 5;
        explosion(s, {901.0 + 126 * (i % 5), 1801.0 + 126 * (i / 5), 124, 124}, i / 19.0, 100 + i);
    }
    for (int p = 30; p <= 34; ++p) sparkBurst(s, {901.0 + 126 * (p - 30), 2305, 124, 124}, kFireRamp, 10, 0.6 + 0.08 * (p - 30), p * 9, 0.45);
    beamBand(s, {501, 801, 598, 198}, 0, kFireRamp);
    beamBand(s, {501, 1001, 598, 198}, 1, kFireRamp);
    for (int i = 0; i < 4; ++i) sparkBurst(s, {501, 1.0 + 150 * i, 298, 148}, i == 3 ? kFireRamp : kHitRamp, 12, 0.95, i * 10, 0.4);
    sparkBurst(s, {901, 1, 398, 398}, kFireRamp, 16, 0.95, 0, 0.45);
    sparkBurst(s, {901, 401, 398, 398}, kHitRamp, 16, 0.95, 11, 0.45);
    lightPillar(s, {501, 1651, 198, 348}, 0, kHitRamp);
    lightPillar(s, {701, 1651, 198, 348}, 1, kHitRamp);
    for (int i = 0; i < 3; ++i) {
        const Box w{901, 1201.0 + 200 * i, 498, 198};
        for (int k = 0; k < 5; ++k) {
            const double x = w.x + 20 + k * 95 + i * 20;
            fillPolygon(s, {{x, w.y + w.h - 4}, {x + 40, w.y + 30 + 15 * ((k + i) % 3)}, {x + 80, w.y + w.h - 4}}, kOrange);
            fillPolygon(s, {{x + 18, w.y + w.h - 4}, {x + 40, w.y + 80 + 15 * ((k + i) % 3)}, {x + 62, w.y + w.h - 4}}, kYellow);
        }
    }
    sparkBurst(s, {501, 1201, 396, 196}, kHitRamp, 14, 0.95, 0, 0.3);
    return s;
}

}  // namespace morvek::data
