#pragma once
// The common sheet "attackeffect.cha": gauges, HUD panel, letters and digits, marks,
// banners, balloons, panels, the shutter, effect sparks, the K.O. picture, portraits
// and face icons, each at the place the drawing code reads it.

#include <algorithm>
#include <cmath>
#include <string>

#include "effects.h"
#include "fighters.h"
#include "glyphs.h"

namespace morvek::data {

inline constexpr int kCommonW = 2450;
inline constexpr int kCommonH = 2700;

/// Letter number L (1..40) to its character: A-Z, 0-9, ';', ',', '.', '/'.
inline char letterChar(int L) {
    if (L >= 1 && L <= 26) return static_cast<char>('A' + L - 1);
    if (L >= 27 && L <= 36) return static_cast<char>('0' + L - 27);
    static constexpr char tail[] = {';', ',', '.', '/'};
    return (L >= 37 && L <= 40) ? tail[L - 37] : ' ';
}
/// Top-left of the red (blue when `blue`) glyph cell of letter L; cells are 40 x 30.
inline Rect glyphCell(int L, bool blue) {
    return rectXYWH(40 * ((L - 1) % 10), (blue ? 500 : 300) + 30 * ((L - 1) / 10), 40, 30);
}

inline TextStyle letterStyle(uint8_t fill) {
    TextStyle st;
    st.fill = fill;
    st.edge = kBlack;
    st.stroke = 2.3;
    st.edgeWidth = 1.5;
    return st;
}

/// One 40 x 30 glyph cell: the character centred, strokes kept 2 px inside the cell.
inline void drawLetterCell(Surface8& s, const Rect& cell, char c, uint8_t fill) {
    drawGlyph(s, c, cell.left + 6, cell.top + 1, 28, 28, letterStyle(fill));
}

inline void drawGlyphRows(Surface8& s) {
    for (int L = 1; L <= 40; ++L) {
        drawLetterCell(s, glyphCell(L, false), letterChar(L), kRed);
        drawLetterCell(s, glyphCell(L, true), letterChar(L), kSky);
    }
    for (int d = 0; d <= 9; ++d) {
        drawLetterCell(s, rectXYWH(40 * d, 420, 40, 30), static_cast<char>('0' + d), kYellow);
        drawLetterCell(s, rectXYWH(40 * d, 450, 40, 30), static_cast<char>('0' + d), kWhite);
    }
    // grade cells 2, 1, 0 on a third strip: E, F, G in grey
    drawLetterCell(s, rectXYWH(160, 700, 40, 30), 'E', kGrey);
    drawLetterCell(s, rectXYWH(200, 700, 40, 30), 'F', kGrey);
    drawLetterCell(s, rectXYWH(240, 700, 40, 30), 'G', kGrey);
}

/// A round badge with a letter (win marks).
inline void badge(Surface8& s, const Rect& r, uint8_t disc, char c, uint8_t letter) {
    const Pt ctr{r.left + r.width() / 2.0, r.top + r.height() / 2.0};
    const double rad = std::min(r.width(), r.height()) / 2.0 - 1;
    fillCircle(s, ctr, rad, kBlack);
    fillCircle(s, ctr, rad - 1.5, disc);
    fillCircle(s, ctr + Pt{-rad * 0.3, -rad * 0.3}, rad * 0.25, kWhite);
    TextStyle st = letterStyle(letter);
    st.stroke = std::max(1.4, rad * 0.14);
    st.edgeWidth = 1.0;
    drawGlyph(s, c, ctr.x - rad * 0.62, ctr.y - rad * 0.7, rad * 1.24, rad * 1.4, st);
}

inline void drawMarks(Surface8& s) {
    badge(s, rectXYWH(400 + 5, 300, 30, 30), kGreen, 'G', kWhite);   // kind 2: K.O. through guard
    badge(s, rectXYWH(400 + 5, 330, 30, 30), kSky, 'T', kWhite);     // kind 3: time
    badge(s, rectXYWH(400 + 5, 360, 30, 30), kYellow, 'P', kRed);    // kind 1: perfect
    // plus mark
    line(s, {420, 395}, {420, 415}, 4, kBlack);
    line(s, {410, 405}, {430, 405}, 4, kBlack);
    line(s, {420, 396}, {420, 414}, 2.5, kYellow);
    line(s, {411, 405}, {429, 405}, 2.5, kYellow);
    // empty win lamp (drawn 20 x 10): an unlit lamp filling its cell
    fillRoundRect(s, 401, 421, 38, 28, 10, kBlack);
    fillRoundRect(s, 404, 424, 32, 22, 8, kGrey);
    fillRoundRect(s, 408, 427, 12, 6, 3, kWhite);
    // infinity
    for (int pass = 0; pass < 2; ++pass) {
        const double w = pass ? 2.6 : 4.2;
        const uint8_t c = pass ? kYellow : kBlack;
        for (int i = 0; i < 48; ++i) {
            const double a0 = i * 2 * M_PI / 48, a1 = (i + 1) * 2 * M_PI / 48;
            auto pt = [](double a) { return Pt{420 + 15 * std::sin(a), 465 + 9 * std::sin(a) * std::cos(a)}; };
            line(s, pt(a0), pt(a1), w, c);
        }
    }
    badge(s, rectXYWH(400 + 5, 500, 30, 30), kViolet, 'S', kYellow);  // kind 4: super finish
    // kind 0: K.O. (68 x 60)
    {
        const Rect r = rectXYWH(1683, 837, 68, 60);
        fillPolygon(s, starPoints({1717, 867}, 10, 20, 30, -90), kBlack);
        fillPolygon(s, starPoints({1717, 867}, 10, 17, 27, -90), kRed);
        TextStyle st = letterStyle(kYellow);
        st.stroke = 2.4, st.edgeWidth = 1.2;
        drawText(s, "KO", r.left + 12, r.top + 15, 44, 30, st);
    }
}

inline void drawGaugeAndMarkers(Surface8& s) {
    // super gauge frame: a metal bar whose trough (rows 8-12, from x 9) holds the fill
    fillRoundRect(s, 1, 3, 138, 15, 6, kBlack);
    fillRoundRect(s, 2, 4, 136, 13, 5, kGrey);
    line(s, {6, 5.5}, {134, 5.5}, 0.7, kWhite);
    fillBox(s, 8, 7, 124, 7, kBlack);
    // EX mark = first frame of the down marker; up markers; three bob frames each
    for (int f = 0; f < 3; ++f) {
        const double dy = f * 2.0;
        const uint8_t c = f == 1 ? kYellow : kOrange;
        std::vector<Pt> down{{261 + 30.0 * f + 5, 3 + dy}, {261 + 30.0 * f + 23, 3 + dy}, {261 + 30.0 * f + 14, 22 + dy}};
        fillPolygonFat(s, down, 1.6, kBlack);
        fillPolygon(s, down, c);
        line(s, {261 + 30.0 * f + 10, 6 + dy}, {261 + 30.0 * f + 18, 6 + dy}, 0.8, kWhite);
        std::vector<Pt> up{{261 + 30.0 * f + 5, 56 - dy}, {261 + 30.0 * f + 23, 56 - dy}, {261 + 30.0 * f + 14, 37 - dy}};
        fillPolygonFat(s, up, 1.6, kBlack);
        fillPolygon(s, up, c);
    }
    // menu cursor: a pulsing arrow pointing right
    for (int k = 0; k < 4; ++k) {
        const double x0 = 351 + 50 * k, grow = (k == 1 || k == 3) ? 1.5 : (k == 2 ? 3 : 0);
        std::vector<Pt> arrow{{x0 + 4 - grow, 12 - grow}, {x0 + 22, 12 - grow}, {x0 + 22, 4 - grow}, {x0 + 44 + grow * 0.3, 24},
                              {x0 + 22, 44 + grow}, {x0 + 22, 36 + grow}, {x0 + 4 - grow, 36 + grow}};
        fillPolygonFat(s, arrow, 1.8, kBlack);
        fillPolygon(s, arrow, k % 2 ? kYellow : kOrange);
        line(s, {x0 + 7, 16}, {x0 + 24, 16}, 1.2, kWhite);
    }
    // "press Enter" prompt: an Enter key cap, pressed in frame 3's neighbours
    for (int f = 0; f < 4; ++f) {
        const double x0 = 351 + 50 * f, press = (f == 0) ? 0 : (f == 3 ? 4 : (f == 2 ? 2.5 : 1));
        fillRoundRect(s, x0 + 2, 8 + 51, 43, 38, 7, kBlack);
        fillRoundRect(s, x0 + 4, 10 + 51 + press, 39, 30 - press, 6, kGrey);
        fillRoundRect(s, x0 + 6, 11 + 51 + press, 35, 24 - press, 5, kWhite);
        // return arrow
        const double y = 51 + 24 + press * 0.6;
        line(s, {x0 + 33, y - 8}, {x0 + 33, y}, 1.6, kBlack);
        line(s, {x0 + 33, y}, {x0 + 15, y}, 1.6, kBlack);
        fillPolygon(s, {{x0 + 10, y}, {x0 + 17, y - 5}, {x0 + 17, y + 5}}, kBlack);
    }
    // balloon tail: a white wedge pointing down-left, edged in black, open at the top
    std::vector<Pt> tail{{553, 1}, {600, 1}, {560, 44}};
    fillPolygonFat(s, tail, 2, kBlack);
    fillPolygon(s, {{556, 1}, {596, 1}, {561, 39}}, kWhite);
}

inline void drawLabels(Surface8& s) {
    TextStyle st = letterStyle(kYellow);
    st.stroke = 3.2, st.edgeWidth = 2;
    drawText(s, "STUN", 4, 63, 142, 32, st);
    TextStyle mx = letterStyle(kOrange);
    mx.stroke = 3.4, mx.edgeWidth = 2, mx.shine = kYellow;
    drawText(s, "MAX", 4, 103, 142, 32, mx);
    TextStyle hits = letterStyle(kYellow);
    hits.stroke = 3, hits.edgeWidth = 1.8;
    drawText(s, "HITS", 1430, 42, 76, 36, hits);
}

inline void drawTypingFrames(Surface8& s) {
    static constexpr uint8_t rim[3] = {kWhite, kYellow, kOrange};
    for (int f = 0; f < 3; ++f) {
        const int x0 = 64 * f, y0 = 192;
        // a shaded plate: every other pixel dark, so the stage shows through
        for (int y = 4; y < 60; ++y)
            for (int x = 4; x < 60; ++x)
                if (((x + y) & 1) == 0) s.set(x0 + x, y0 + y, kBlack);
        for (int i = 0; i < 4; ++i) {  // corner brackets
            const double cx = x0 + (i % 2 ? 60 : 4), cy = y0 + (i / 2 ? 60 : 4);
            const double sx = i % 2 ? -1 : 1, sy = i / 2 ? -1 : 1;
            line(s, {cx, cy}, {cx + sx * 16, cy}, 3.2, kBlack);
            line(s, {cx, cy}, {cx, cy + sy * 16}, 3.2, kBlack);
            line(s, {cx, cy}, {cx + sx * 15, cy}, 2, rim[f]);
            line(s, {cx, cy}, {cx, cy + sy * 15}, 2, rim[f]);
        }
    }
    // the miss frame: a red cross with open centre so the letter stays visible
    const double x0 = 192, y0 = 192;
    for (int pass = 0; pass < 2; ++pass) {
        const double w = pass ? 3.5 : 5.5;
        const uint8_t c = pass ? kRed : kBlack;
        line(s, {x0 + 6, y0 + 6}, {x0 + 22, y0 + 22}, w, c);
        line(s, {x0 + 42, y0 + 42}, {x0 + 58, y0 + 58}, w, c);
        line(s, {x0 + 58, y0 + 6}, {x0 + 42, y0 + 22}, w, c);
        line(s, {x0 + 22, y0 + 42}, {x0 + 6, y0 + 58}, w, c);
        fillRing(s, {x0 + 32, y0 + 32}, pass ? 27 : 26, pass ? 29.5 : 31, c);
    }
}

inline void drawHudPanel(Surface8& s) {
    const int X = 690, Y = 60;
    auto box = [&](int x, int y, int w, int h, int r, uint8_t edge, uint8_t fill) {
        fillRoundRect(s, X + x, Y + y, w, h, r, kBlack);
        fillRoundRect(s, X + x + 2, Y + y + 2, w - 4, h - 4, std::max(0, r - 2), edge);
        fillRoundRect(s, X + x + 4, Y + y + 4, w - 8, h - 8, std::max(0, r - 3), fill);
    };
    // tabs above the housings: the arcade score is written at y 5-20 ending at x 240, the
    // training's "PRESS F1 CALL MENU" at y 10-24 from x 400
    box(58, 0, 232, 30, 8, kSky, kBlack);
    box(350, 0, 232, 30, 8, kSky, kBlack);
    // two bar housings: troughs y 26-60, stun troughs y 62-67; they reach down to the
    // panel's last row so that the fighters' names (written at y 60-75) stand on black
    for (int side = 0; side < 2; ++side) {
        const int x = side ? 344 : 22;
        box(x, 18, 274, 62, 10, kSky, kBlack);
        fillBox(s, X + (side ? 350 : 30), Y + 26, 258, 35, kBlack);      // bar trough
        fillBox(s, X + (side ? 350 : 131), Y + 62, 157, 6, kGrey);         // stun trough
        line(s, {X + x + 10.0, Y + 20.5}, {X + x + 264.0, Y + 20.5}, 0.7, kCyan);
    }
    fillBox(s, X + 62, Y + 4, 224, 22, kBlack);   // the tabs open into the housings
    fillBox(s, X + 354, Y + 4, 224, 22, kBlack);
    // centre timer box
    box(284, 2, 72, 66, 12, kYellow, kBlack);
    line(s, {X + 296.0, Y + 5.0}, {X + 344.0, Y + 5.0}, 0.8, kWhite);
}

inline void drawKoPanel(Surface8& s) {
    const int X = 750, Y = 180;
    fillPolygon(s, {{X + 30.0, Y + 8.0}, {X + 479.0, Y + 8.0}, {X + 450.0, Y + 102.0}, {X + 1.0, Y + 102.0}}, kBlack);
    fillPolygon(s, {{X + 34.0, Y + 12.0}, {X + 473.0, Y + 12.0}, {X + 446.0, Y + 98.0}, {X + 6.0, Y + 98.0}}, kDarkRed);
    for (int y = Y + 14; y < Y + 97; y += 4) line(s, {X + 20.0, double(y)}, {X + 460.0, double(y)}, 0.5, kRed);
    TextStyle st = letterStyle(kYellow);
    st.stroke = 8, st.edgeWidth = 3.5, st.shine = kWhite;
    drawText(s, "K.O.", X + 60, Y + 10, 360, 90, st);
}

inline void drawBanners(Surface8& s) {
    TextStyle round = letterStyle(kYellow);
    round.stroke = 6, round.edgeWidth = 3, round.shine = kWhite;
    drawText(s, "ROUND", 732, 452, 248, 84, round);
    // FIGHT! growing in three pictures
    for (int i = 0; i < 3; ++i) {
        const double x0 = i == 1 ? 301 : 1, y0 = i == 2 ? 1601 : 1401;
        const double k = i == 0 ? 0.55 : (i == 1 ? 0.8 : 1.0);
        const Pt c{x0 + 149, y0 + 99};
        if (i == 2) {
            fillPolygon(s, starPoints(c, 14, 60, 98, 0), kOrange);
            fillPolygon(s, starPoints(c, 14, 45, 80, 12), kYellow);
        }
        TextStyle st = letterStyle(i == 2 ? kRed : kOrange);
        st.stroke = 7 * k, st.edgeWidth = 3.5 * k, st.shine = kYellow;
        drawText(s, "FIGHT!", c.x - 145 * k, c.y - 60 * k, 290 * k, 120 * k, st);
    }
}

/// A speech balloon: white body with a black edge inside the box.
inline void balloon(Surface8& s, double x, double y, double w, double h, bool oval, double tailX = -1) {
    if (oval) {
        if (tailX >= 0) {
            fillPolygonFat(s, {{tailX, y + h - 30}, {tailX + 50, y + h - 30}, {tailX - 30, y + h - 1}}, 2.5, kBlack);
        }
        fillEllipse(s, {x + w / 2, y + (h - 14) / 2}, w / 2 - 1, (h - 14) / 2 - 1, kBlack);
        fillEllipse(s, {x + w / 2, y + (h - 14) / 2}, w / 2 - 5, (h - 14) / 2 - 5, kWhite);
        if (tailX >= 0) fillPolygon(s, {{tailX + 4, y + h - 36}, {tailX + 44, y + h - 36}, {tailX - 24, y + h - 4}}, kWhite);
    } else {
        fillRoundRect(s, x + 1, y + 1, w - 2, h - 2, 22, kBlack);
        fillRoundRect(s, x + 5, y + 5, w - 10, h - 10, 18, kWhite);
    }
}

inline void drawPanels(Surface8& s) {
    // choice panel: light panel whose inner part also serves as the quote balloon
    fillRoundRect(s, 460, 1070, 420, 120, 16, kBlack);
    fillRoundRect(s, 462, 1072, 416, 116, 14, kGrey);
    fillRoundRect(s, 464, 1076, 412, 110, 12, kWhite);
    line(s, {478, 1080}, {862, 1080}, 1, kWhite);
    // the quote balloon (464, 1083, 368 x 82) is part of this interior; its grey rim keeps
    // it visible on the result screen's white, and in the panel it frames the text
    fillRoundRect(s, 464, 1083, 368, 82, 12, kGrey);
    fillRoundRect(s, 466, 1085, 364, 78, 10, kWhite);
    // special grade emblem: a gold medal with a star
    fillPolygonFat(s, {{490, 1208}, {510, 1208}, {521, 1262}, {505, 1256}, {494, 1266}}, 1.5, kBlack);
    fillPolygon(s, {{492, 1210}, {508, 1210}, {518, 1260}, {504, 1254}, {495, 1262}}, kRed);
    fillPolygonFat(s, {{530, 1208}, {550, 1208}, {546, 1266}, {535, 1256}, {520, 1262}}, 1.5, kBlack);
    fillPolygon(s, {{532, 1210}, {548, 1210}, {544, 1262}, {536, 1254}, {523, 1258}}, kSky);
    fillCircle(s, {521, 1298}, 46, kBlack);
    fillCircle(s, {521, 1298}, 43, kOrange);
    fillCircle(s, {521, 1298}, 37, kYellow);
    fillPolygon(s, starPoints({521, 1300}, 5, 13, 30, -90), kBlack);
    fillPolygon(s, starPoints({521, 1300}, 5, 10.5, 26, -90), kWhite);
    // G O D's defeat balloon and the tutorial balloon
    balloon(s, 730, 740, 420, 180, true, 800);
    balloon(s, 601, 1601, 410, 190, false);
    // shutter: steel slats with rivets, fully opaque
    const int X = 601, Y = 1801;
    fillBox(s, X, Y, 200, 199, kBlack);
    for (int i = 0; i < 9; ++i) {
        const int y = Y + 2 + i * 22;
        fillBox(s, X + 2, y, 196, 19, kGrey);
        fillBox(s, X + 2, y, 196, 3, kWhite);
        fillBox(s, X + 2, y + 16, 196, 3, kSage);
    }
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 2; ++k) fillCircle(s, {X + 10.0 + k * 180, Y + 12.0 + i * 50}, 3, kSage);
    // fighter shadow: a dark ellipse, dithered so the floor shows through
    for (int y = 920; y < 970; ++y)
        for (int x = 0; x < 170; ++x) {
            const double dx = (x + 0.5 - 85) / 84, dy = (y + 0.5 - 945) / 24;
            if (dx * dx + dy * dy <= 1 && ((x + y) & 1) == 0) s.set(x, y, kBlack);
        }
    // hit-box debug cell: a translucent red box with a solid edge
    for (int y = 1000; y < 1100; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool edge = x < 2 || y < 1002 || x > 97 || y > 1097;
            if (edge || ((x + y) & 1) == 0) s.set(x, y, edge ? kRed : kRed2);
        }
}

inline void drawDizzyStars(Surface8& s) {
    for (int f = 0; f < 3; ++f) {
        const double x0 = 1561 + 38 * f, y0 = 831;
        for (int k = 0; k < 3; ++k) {
            const double a = (f * 40 + k * 120) * M_PI / 180;
            const Pt c{x0 + 18.5 + 12 * std::cos(a), y0 + 13.5 + 6 * std::sin(a)};
            fillPolygon(s, starPoints(c, 5, 2.6, 6.5, -90 + f * 20), kBlack);
            fillPolygon(s, starPoints(c, 5, 1.8, 5.0, -90 + f * 20), kYellow);
        }
    }
}

inline void drawKoPictures(Surface8& s) {
    for (int n = 0; n < 22; ++n) {
        const double x0 = 1701 + 126 * (n % 5), y0 = 1951 + 126 * (n / 5);
        const Box b{x0, y0, 124, 124};
        const double t = n / 21.0;
        sparkBurst(s, b, n % 2 ? kFireRamp : kHitRamp, 12, 0.7 + 0.28 * std::min(1.0, t * 3), n * 8, 0.5);
        TextStyle st = letterStyle(n % 4 < 2 ? kRed : kWhite);
        st.stroke = 4.2, st.edgeWidth = 2;
        const double k = 0.7 + 0.3 * std::min(1.0, t * 2);
        drawText(s, "K.O.", x0 + 62 - 56 * k, y0 + 62 - 30 * k, 112 * k, 60 * k, st);
    }
}

inline void drawEffects(Surface8& s) {
    // 5: light hit / slash, frames at y 444, 700, 572
    const double ys[3] = {444, 700, 572};
    for (int f = 0; f < 3; ++f) {
        const Box b{1560, ys[f], 200, 120};
        const double k = f == 0 ? 0.55 : (f == 1 ? 1.0 : 0.8);
        const Pt c = b.centre();
        fillPolygon(s, {{c.x - 95 * k, c.y + 8 * k}, {c.x, c.y - 14 * k}, {c.x + 95 * k, c.y - 8 * k}, {c.x, c.y + 14 * k}}, kOrange);
        fillPolygon(s, {{c.x - 80 * k, c.y + 5 * k}, {c.x, c.y - 7 * k}, {c.x + 80 * k, c.y - 5 * k}, {c.x, c.y + 7 * k}}, kWhite);
        if (f < 2) sparkBurst(s, {c.x - 40 * k, c.y - 40 * k, 80 * k, 80 * k}, kHitRamp, 6, 0.9, 15, 0.4);
        else rayRing(s, b, kYellow, 8, 0.55, 0.9, 1.5, 10);
    }
    auto cell = [](double x, double y) { return Box{x, y, 148, 148}; };
    // 10: standard hit
    sparkBurst(s, cell(1401, 1201), kHitRamp, 8, 0.6, 0, 0.45);
    sparkBurst(s, cell(1401, 1351), kFireRamp, 10, 0.95, 12, 0.42);
    ringPuff(s, cell(1401, 1501), 0.7, kHitRamp);
    // 15: heavy hit
    sparkBurst(s, cell(1551, 1201), kFireRamp, 12, 0.98, 0, 0.38);
    rayRing(s, cell(1551, 1201), kWhite, 12, 0.75, 0.98, 2, 15);
    ringPuff(s, cell(1551, 1351), 0.8, kFireRamp);
    // 20: guard: a blue shield arc with sparks
    for (int f = 0; f < 2; ++f) {
        const Box b = cell(1701, 1201 + 150 * f);
        const Pt c = b.centre();
        const double r = f ? 66 : 56;
        fillRing(s, c + Pt{-30, 0}, r - 12, r, kBlack, -70, 70);
        fillRing(s, c + Pt{-30, 0}, r - 10, r - 2, kSky, -68, 68);
        fillRing(s, c + Pt{-30, 0}, r - 7, r - 4, kWhite, -60, 60);
        rayRing(s, b, f ? kCyan : kWhite, 6, 0.55 + 0.2 * f, 0.8 + 0.18 * f, 1.8, 30);
    }
    // 25: green energy burst
    sparkBurst(s, cell(2001, 1201), kGreenRamp, 8, 0.7, 0, 0.5);
    sparkBurst(s, cell(2001, 1351), kGreenRamp, 10, 0.98, 18, 0.45);
    ringPuff(s, cell(2001, 1501), 0.8, kGreenRamp);
    // 30 (and 60): super hit
    sparkBurst(s, cell(1851, 1201), kSuperRamp, 12, 0.75, 0, 0.4);
    sparkBurst(s, cell(1851, 1351), kSuperRamp, 16, 0.98, 10, 0.35);
    rayRing(s, cell(1851, 1351), kWhite, 16, 0.5, 0.98, 1.6, 5);
    ringPuff(s, cell(1851, 1501), 0.85, kSuperRamp);
    // 35: special-guard flash
    for (int f = 0; f < 3; ++f) {
        const Box b = cell(2151, 1201 + 150 * f);
        const Pt c = b.centre();
        const double r = 30 + 20 * f;
        fillRing(s, c, r - 8, r, kCyan);
        fillRing(s, c, r - 5, r - 2, kWhite);
        if (f == 0) fillCircle(s, c, 18, kWhite);
        rayRing(s, b, kWhite, 8, 0.45 + 0.2 * f, 0.6 + 0.3 * f, 1.5, 22.5);
    }
    // 40: throw / slam impact: dust and a flat star
    for (int f = 0; f < 3; ++f) {
        const Box b = cell(2301, 1201 + 150 * f);
        const Pt c = b.centre() + Pt{0, 30};
        Prng rng(40 + f);
        for (int i = 0; i < 7; ++i)
            fillCircle(s, c + Pt{(rng.unit() - 0.5) * (50 + 40 * f), -rng.unit() * 20}, 14 + 6 * f, kGrey);
        if (f < 2) {
            fillPolygon(s, starPoints(c + Pt{0, -10}, 8, 14, 45 + 15 * f, 0), kOrange);
            fillPolygon(s, starPoints(c + Pt{0, -10}, 8, 9, 28 + 10 * f, 0), kYellow);
        }
        outline(s, rectXYWH(2301, 1201 + 150 * f, 148, 148), kBlack, 1);
    }
    // 45: beam, bomb and lightning hits: explosions
    for (int f = 0; f < 3; ++f) explosion(s, cell(1551, 1651 + 150 * f), f / 2.0, 45 + f);
    // 50: super-art hits
    sparkBurst(s, cell(1401, 1651), kSuperRamp, 14, 0.9, 0, 0.4);
    rayRing(s, cell(1401, 1651), kYellow, 14, 0.6, 0.98, 2, 0);
    sparkBurst(s, cell(1401, 1801), kFireRamp, 14, 0.98, 13, 0.42);
    ringPuff(s, cell(1401, 1951), 0.9, kSuperRamp);
    // 65: EX flash, growing ring (its fifth frame is 50's first)
    for (int f = 0; f < 4; ++f) {
        const Box b = cell(1251, 1201 + 150 * f);
        const Pt c = b.centre();
        const double r = 22 + 16 * f;
        fillRing(s, c, r - 9, r, kLime);
        fillRing(s, c, r - 6, r - 3, kWhite);
        rayRing(s, b, kYellow, 12, 0.2 + 0.2 * f, 0.4 + 0.2 * f, 1.6, f * 15);
    }
}

/// The build fighter n is drawn with; BURI (6), the small spirit, has none.
inline Build bustBuild(int fighter) {
    if (fighter == 7) return godBuild();
    static constexpr int artIndex[] = {0, 2, 4, 3, 5, 6, 0, 0, 1};
    return fighterArts()[artIndex[fighter]].build;
}

/// Fighter number n's figure for the face icons.
inline void drawBust(Surface8& s, int fighter, double x, double y, double w, double h, double figureHeight) {
    Surface8 c(static_cast<int>(w), static_cast<int>(h));
    if (fighter == 6) {  // BURI: the small spirit, enlarged
        drawBuri(c, w * 0.1, h * 0.12, 0, 0, w * 0.8 / 47);
    } else {
        Build b = bustBuild(fighter);
        b.height = figureHeight;
        Pose p = makePose(PoseKind::WinB);
        p.headTilt = 0;
        drawFigure(c, b, p, w * 0.5, figureHeight + h * 0.08);
    }
    stamp(s, c, static_cast<int>(x), static_cast<int>(y));
}

// Portraits are blitted with colour key 0 over screens that write around them (the
// training set-up's title above, its fighter lists below, the result's WIN / LOSE), so a
// cell holds the figure alone and keeps its top and bottom rows clear.
inline constexpr int kPortraitSize = 298;
inline constexpr int kPortraitClearTop = 14;
inline constexpr int kPortraitClearBottom = 32;

/// Fighter n's portrait in the 298 x 298 cell at (px, py): a bust from the head down,
/// centred across the cell and cut square, with an edge, where the clear bottom rows begin.
inline void drawPortrait(Surface8& s, int fighter, int px, int py) {
    constexpr int top = kPortraitClearTop + 2;  // a little air above the hair and halo
    constexpr int rows = kPortraitSize - kPortraitClearBottom - top;
    Surface8 c(2 * kPortraitSize, 2 * kPortraitSize);  // room to measure the figure first
    int edge = 0;
    if (fighter == 6) {  // BURI is small: the whole spirit fits
        drawBuri(c, kPortraitSize / 2.0, 40, 0, 0, 5.6);
    } else {
        Build b = bustBuild(fighter);
        b.height = fighter == 7 ? 430 : 470;
        b.sword = false;  // the blade would reach far out of the cell: the bust shows the man
        Pose p = makePose(PoseKind::WinB);
        p.headTilt = 0;
        drawFigure(c, b, p, kPortraitSize, 40 + b.height);
        edge = static_cast<int>(std::lround(1.6 * b.height / 120));
    }
    auto inkRow = [&](int y) { return std::any_of(c.row(y), c.row(y) + c.width(), [](uint8_t v) { return v != 0; }); };
    int y0 = 0;
    while (y0 < c.height() && !inkRow(y0)) ++y0;
    const int y1 = std::min(c.height(), y0 + rows);
    const bool cut = y1 < c.height() && inkRow(y1);
    int x0 = c.width(), x1 = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) != 0) x0 = std::min(x0, x), x1 = std::max(x1, x);
    if (x1 < 0) return;
    const int dx = (kPortraitSize - (x1 - x0 + 1)) / 2 - x0, dy = top - y0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const uint8_t v = c.at(x, y);
            if (v == 0 || x + dx < 0 || x + dx >= kPortraitSize) continue;
            s.set(px + x + dx, py + y + dy, cut && y >= y1 - edge ? kBlack : v);
        }
}

inline void drawPortraits(Surface8& s) {
    struct Place { int px, py, ix, iy; uint8_t bg, bg2; };
    static constexpr Place places[9] = {
        {1, 2101, 900, 2100, kSky, kBlue},       {301, 2401, 1018, 2100, kPlum, kViolet},
        {301, 2101, 1136, 2100, kOrange, kRed},  {1, 1801, 900, 2218, kLime, kGreen},
        {301, 1801, 1018, 2218, kDarkRed, kPlum}, {1, 2401, 1136, 2218, kGrey, kSage},
        {601, 2401, 900, 2336, kYellow, kOrange}, {601, 2101, 1018, 2336, kYellow, kWhite},
        {901, 1801, 1136, 2336, kGreen, kSky},
    };
    for (int n = 0; n < 9; ++n) {
        const Place& pl = places[n];
        drawPortrait(s, n, pl.px, pl.py);
        // face icon: head close-up on the fighter's colours; neighbours share the edge line
        for (int y = 0; y < 119; ++y)
            for (int x = 0; x < 119; ++x) s.set(pl.ix + x, pl.iy + y, dither(x, y, pl.bg, pl.bg2, y * 17 / 119));
        drawBust(s, n, pl.ix, pl.iy + (n == 6 ? 0 : 6), 119, 113, n == 6 ? 0 : 340);
        for (int i = 0; i < 119; ++i) {
            s.set(pl.ix + i, pl.iy, kBlack);
            s.set(pl.ix + i, pl.iy + 118, kBlack);
            s.set(pl.ix, pl.iy + i, kBlack);
            s.set(pl.ix + 118, pl.iy + i, kBlack);
        }
    }
}

inline Surface8 buildCommonSheet() {
    Surface8 s(kCommonW, kCommonH);
    drawGaugeAndMarkers(s);
    drawLabels(s);
    drawTypingFrames(s);
    drawHudPanel(s);
    drawKoPanel(s);
    drawGlyphRows(s);
    drawMarks(s);
    drawBanners(s);
    drawPanels(s);
    drawDizzyStars(s);
    drawEffects(s);
    drawKoPictures(s);
    drawPortraits(s);
    return s;
}

}  // namespace morvek::data
