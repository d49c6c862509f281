#pragma once
// Full pictures: the four stage backgrounds (1400 x 2000, dimming colours only, the floor
// from about y 1890 where the fighters stand), the title picture, the character-select
// backdrop and the loading picture (640 x 480).

#include <cmath>

#include "common_sheet.h"

namespace morvek::data {

inline constexpr int kStageW = 1400;
inline constexpr int kStageH = 2000;
inline constexpr int kFloorY = 1890;

/// Floor in perspective: bands toward the viewer and lines converging on (700, horizon).
inline void stageFloor(Surface8& s, uint8_t a, uint8_t b, uint8_t lineCol) {
    for (int y = kFloorY; y < kStageH; ++y) {
        const int lv = std::clamp((y - kFloorY) * 16 / (kStageH - kFloorY), 0, 16);
        for (int x = 0; x < kStageW; ++x) s.set(x, y, dither(x, y, a, b, lv / 2));
    }
    for (int i = -14; i <= 14; ++i) {
        const double xTop = 700 + i * 60.0, xBot = 700 + i * 160.0;
        line(s, {xTop, double(kFloorY)}, {xBot, double(kStageH)}, 1.2, lineCol);
    }
    for (int k = 0; k < 5; ++k) {
        const double y = kFloorY + (kStageH - kFloorY) * (k * k) / 25.0 + 2;
        line(s, {0, y}, {double(kStageW), y}, 1.0, lineCol);
    }
    fillBox(s, 0, kFloorY - 3, kStageW, 3, lineCol);
}

inline void mountainRange(Surface8& s, uint32_t seed, double baseY, double height, uint8_t col, double roughness) {
    Prng rng(seed);
    std::vector<Pt> pts{{0, double(kStageH)}};
    double y = baseY - height * 0.5;
    for (int x = 0; x <= kStageW; x += 40) {
        y += (rng.unit() - 0.5) * roughness;
        y = std::clamp(y, baseY - height, baseY - 10);
        pts.push_back({double(x), y});
    }
    pts.push_back({double(kStageW), double(kStageH)});
    fillPolygon(s, pts, col);
}

/// 1: a courtyard at sunset.
inline Surface8 buildStage1() {
    Surface8 s(kStageW, kStageH);
    ditherRamp(s, 0, 0, kStageW, 1100, {kBgMaroon, kBgMaroon, kBgMagenta});
    ditherRamp(s, 0, 1100, kStageW, kFloorY, {kBgMagenta, kBgRed, kBgGold, kBgYellow});
    fillCircle(s, {1000, 1600}, 78, kBgYellow);
    fillCircle(s, {1000, 1600}, 62, kBgWhite);
    mountainRange(s, 7, 1790, 170, kBgMaroon, 50);
    // courtyard wall with a gate
    fillBox(s, 0, 1790, kStageW, 100, kBgLight);
    for (int x = 0; x < kStageW; x += 70) fillBox(s, x, 1790, 4, 100, kBgGrey);
    fillBox(s, 0, 1776, kStageW, 16, kBgRed);
    fillBox(s, 580, 1660, 240, 16, kBgRed);
    fillBox(s, 560, 1642, 280, 14, kBgMaroon);
    fillBox(s, 604, 1670, 18, 220, kBgRed);
    fillBox(s, 778, 1670, 18, 220, kBgRed);
    stageFloor(s, kBgGold, kBgRed, kBgMaroon);
    return s;
}

/// 2: a city street at night.
inline Surface8 buildStage2() {
    Surface8 s(kStageW, kStageH);
    ditherRamp(s, 0, 0, kStageW, kFloorY, {kBgBlack, kBgBlack, kBgMaroon, kBgMaroon});
    Prng rng(22);
    for (int i = 0; i < 260; ++i) plot(s, rng.range(0, kStageW - 1), rng.range(0, 1650), kBgWhite);
    fillCircle(s, {300, 1250}, 60, kBgLight);
    fillCircle(s, {325, 1235}, 55, kBgBlack);
    // skyline
    Prng b(5);
    for (int x = -20; x < kStageW; x += b.range(70, 130)) {
        const int w = b.range(60, 120), h = b.range(180, 420);
        const int top = kFloorY - 30 - h;
        fillBox(s, x, top, w, h + 30, kBgDarkGreen);
        fillBox(s, x, top, w, 4, kBgGrey);
        for (int wy = top + 16; wy < kFloorY - 50; wy += 26)
            for (int wx = x + 8; wx < x + w - 12; wx += 18)
                if (b.range(0, 2) == 0) fillBox(s, wx, wy, 8, 12, b.range(0, 4) ? kBgGold : kBgYellow);
    }
    fillBox(s, 0, kFloorY - 30, kStageW, 30, kBgGrey);
    stageFloor(s, kBgGrey, kBgBlack, kBgLight);
    for (int x = 20; x < kStageW; x += 160) fillBox(s, x, 1950, 80, 8, kBgWhite);
    return s;
}

/// 3: a meadow with woods under a pale sky.
inline Surface8 buildStage3() {
    Surface8 s(kStageW, kStageH);
    ditherRamp(s, 0, 0, kStageW, kFloorY, {kBgPale, kBgLight, kBgWhite});
    Prng rng(33);
    for (int i = 0; i < 14; ++i) {
        const double cx = rng.range(0, kStageW), cy = rng.range(900, 1600);
        for (int k = 0; k < 5; ++k) fillEllipse(s, {cx + k * 40 - 80, cy + (k % 2) * 10}, 50, 26, kBgWhite);
    }
    mountainRange(s, 3, 1780, 300, kBgSage, 60);
    mountainRange(s, 4, 1850, 160, kBgGreen, 40);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(0, kStageW), y = 1850 + rng.range(0, 30);
        fillBox(s, static_cast<int>(x) - 6, static_cast<int>(y) - 40, 12, 50, kBgMaroon);
        fillCircle(s, {x, y - 70}, 42, kBgDarkGreen);
        fillCircle(s, {x - 16, y - 82}, 22, kBgGreen);
    }
    stageFloor(s, kBgGreen, kBgSage, kBgDarkGreen);
    return s;
}

/// 4: a volcanic temple ground.
inline Surface8 buildStage4() {
    Surface8 s(kStageW, kStageH);
    ditherRamp(s, 0, 0, kStageW, kFloorY, {kBgBlack, kBgMaroon, kBgRed, kBgGold});
    // a distant volcano glowing at the crater, then a dark ridge
    fillPolygon(s, {{380, 1800}, {640, 1500}, {760, 1500}, {1020, 1800}}, kBgMaroon);
    fillPolygon(s, {{640, 1500}, {760, 1500}, {730, 1530}, {700, 1515}, {668, 1535}}, kBgRed);
    Prng rng(44);
    for (int i = 0; i < 16; ++i)
        fillCircle(s, {double(rng.range(600, 820)), double(rng.range(1330, 1470))}, rng.range(18, 36), kBgGrey);
    mountainRange(s, 9, 1890, 110, kBgBlack, 40);
    // temple pillars
    for (int k = 0; k < 4; ++k) {
        const int x = k < 2 ? 60 + k * 170 : 1080 + (k - 2) * 170;
        fillBox(s, x, 1600, 50, 290, kBgGrey);
        fillBox(s, x - 10, 1590, 70, 16, kBgLight);
        fillBox(s, x + 6, 1606, 6, 284, kBgLight);
    }
    stageFloor(s, kBgMaroon, kBgBlack, kBgRed);
    return s;
}

inline Surface8 buildStage(int n) {
    switch (n) {
    case 1: return buildStage2();
    case 2: return buildStage3();
    case 3: return buildStage4();
    default: return buildStage1();
    }
}

/// The title picture: the logo over a dark sky, two fighters facing each other, a plain
/// dark band (y 365-450) for the menu label and its markers.
inline Surface8 buildTitlePicture() {
    Surface8 s(640, 480);
    ditherRamp(s, 0, 0, 640, 480, {kBlack, kBlack, kViolet, kBlue, kBlack});
    fillPolygon(s, starPoints({320, 190}, 18, 90, 240, 0), kPlum);
    fillPolygon(s, starPoints({320, 190}, 18, 60, 170, 10), kViolet);
    TextStyle st;
    st.fill = kRed, st.edge = kBlack, st.stroke = 10, st.edgeWidth = 5, st.shine = kYellow;
    drawText(s, "MORVEK", 40, 110, 560, 150, st);
    // two fighters at the sides, facing each other
    const auto arts = fighterArts();
    Surface8 left(220, 220), right(220, 220);
    Build a = arts[0].build;
    a.height = 190;
    drawFigure(left, a, makePose(PoseKind::Target), 100, 212);
    Build g = arts[5].build;
    g.height = 196;
    drawFigure(right, g, makePose(PoseKind::Stand), 110, 212);
    blit(s, rectXYWH(-10, 262, 220, 220), left, left.bounds(), BlitKeyed);
    blit(s, rectXYWH(430, 262, 220, 220), right, right.bounds(), BlitKeyed | BlitMirror);
    // the calm band for the menu
    fillRoundRect(s, 220, 360, 200, 96, 14, kGrey);
    fillRoundRect(s, 223, 363, 194, 90, 12, kBlack);
    return s;
}

/// The character select backdrop: light, with six marked places at the cursor points.
inline Surface8 buildSelectPicture() {
    Surface8 s(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) s.set(x, y, ((x + y) / 24) % 2 ? kWhite : dither(x, y, kWhite, kBgLight, 6));
    fillBox(s, 0, 236, 640, 244, kBgLight);
    for (int x = 0; x < 640; x += 40) line(s, {double(x), 236}, {320 + (x - 320) * 2.0, 480}, 0.6, kGrey);
    struct Place { int x, y, art; };
    static constexpr Place places[6] = {{59, 403, 0}, {87, 314, 2}, {194, 268, 4}, {221, 410, 3}, {305, 364, 5}, {433, 387, 6}};
    const auto arts = fighterArts();
    for (const Place& p : places) {
        const Pt pad{p.x + 24.0, p.y + 40.0};
        fillEllipse(s, pad, 34, 11, kBlack);
        fillEllipse(s, pad, 32, 9, kGrey);
        fillEllipse(s, pad + Pt{0, -1}, 26, 6, kSky);
        Surface8 fig(90, 100);
        Build b = arts[p.art].build;
        b.height = 72;
        drawFigure(fig, b, makePose(PoseKind::Stand), 40, 94);
        stamp(s, fig, static_cast<int>(pad.x) - 40, static_cast<int>(pad.y) - 92);
    }
    return s;
}

/// The loading picture.
inline Surface8 buildLoadingPicture() {
    Surface8 s(640, 480);
    ditherRamp(s, 0, 0, 640, 480, {kBlack, kPlum, kBlack});
    TextStyle st;
    st.fill = kRed, st.edge = kBlack, st.stroke = 6, st.edgeWidth = 3, st.shine = kYellow;
    drawText(s, "MORVEK", 120, 150, 400, 100, st);
    for (int i = 0; i < 12; ++i) fillCircle(s, {320 + 60 * std::cos(i * M_PI / 6), 330 + 60 * std::sin(i * M_PI / 6)}, 5 + (i % 4), i % 3 ? kGrey : kWhite);
    return s;
}

}  // namespace morvek::data
