#pragma once
// A bold stroke font for every letter the game shows from the sheets: the red and blue
// typing letters, digits, banners and labels. Each character is a few strokes on an
// 8 x 12 grid; strokes are drawn as round-ended thick lines, so one definition serves
// every size from the 40 x 30 letter cells to the large banner words.

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "draw.h"

namespace morvek::data {

/// Strokes of a character: "|" separates polylines; a point is "x,y"; "Acx,cy,rx,ry,a0,a1"
/// inserts an arc (screen degrees, 0 = right, 90 = down) into the current polyline.
inline std::string_view glyphStrokes(char c) {
    switch (c) {
    case 'A': return "0,12 4,0 8,12|1.6,7.7 6.4,7.7";
    case 'B': return "0,12 0,0 4.8,0 A4.8,3,2.9,3,-90,90 0,6|0,6 5,6 A5,9,3,3,-90,90 0,12";
    case 'C': return "A4.2,6,4.2,6,-40,-320";
    case 'D': return "0,0 0,12|0,0 2.8,0 A2.8,6,5.2,6,-90,90 0,12";
    case 'E': return "8,0 0,0 0,12 8,12|0,6 6.2,6";
    case 'F': return "8,0 0,0 0,12|0,6 6.2,6";
    case 'G': return "A4.2,6,4.2,6,-40,-360 8.4,6.6 4.8,6.6";
    case 'H': return "0,0 0,12|8,0 8,12|0,6 8,6";
    case 'I': return "4,0 4,12|1.5,0 6.5,0|1.5,12 6.5,12";
    case 'J': return "3,0 8,0 8,8 A4,8,4,4,0,180";
    case 'K': return "0,0 0,12|7.8,0 0,7.4|2.6,4.9 8,12";
    case 'L': return "0,0 0,12 7.8,12";
    case 'M': return "0,12 0,0 4,8 8,0 8,12";
    case 'N': return "0,12 0,0 8,12 8,0";
    case 'O': return "A4,6,4.2,6,0,360";
    case 'P': return "0,12 0,0 4.8,0 A4.8,3.3,3.2,3.3,-90,90 0,6.6";
    case 'Q': return "A4,6,4.2,6,0,360|4.6,8.2 8.4,12.2";
    case 'R': return "0,12 0,0 4.8,0 A4.8,3.3,3.2,3.3,-90,90 0,6.6|3.8,6.6 8,12";
    case 'S': return "A4,3.1,3.8,3.1,-15,-270 A4,9,4,3,-90,160";
    case 'T': return "0,0 8,0|4,0 4,12";
    case 'U': return "0,0 0,8 A4,8,4,4,180,0 8,0";
    case 'V': return "0,0 4,12 8,0";
    case 'W': return "0,0 1.8,12 4,3.5 6.2,12 8,0";
    case 'X': return "0,0 8,12|8,0 0,12";
    case 'Y': return "0,0 4,6 8,0|4,6 4,12";
    case 'Z': return "0,0 8,0 0,12 8,12";
    case '0': return "A4,6,3.8,6,0,360|6.3,2.6 1.7,9.4";
    case '1': return "1.2,2.6 4.6,0 4.6,12|1.4,12 7.8,12";
    case '2': return "A4,3.6,3.8,3.6,-165,30 0,12 8,12";
    case '3': return "A4,3,3.6,3,-165,90|2.6,6 4,6 A4,9,3.9,3,-90,165";
    case '4': return "6,12 6,0 0,8.4 8,8.4";
    case '5': return "7.6,0 1.2,0 0.6,5 4,4.5 A4,8.2,3.9,3.7,-90,150";
    case '6': return "A4,8.3,3.8,3.7,0,360|7,0.6 3.6,1.2 1.3,3.4 0.3,7 0.4,8.8";
    case '7': return "0,0 8,0 3.2,12";
    case '8': return "A4,3,3.3,3,0,360|A4,9,3.9,3,0,360";
    case '9': return "A4,3.7,3.8,3.7,0,360|7.7,3.8 7.6,7 6.6,10 4.4,11.6 1,11.4";
    case ';': return "4,3.4|4.4,8.4 4.4,10 3.2,11.6";
    case ',': return "4.4,8.4 4.4,10 3.2,11.6";
    case '.': return "4,11";
    case '/': return "7.2,0 0.8,12";
    case '!': return "4,0 4,7.4|4,11.2";
    case '-': return "1,6.2 7,6.2";
    case '+': return "4,2 4,10|0,6 8,6";
    case '?': return "A4,3.4,3.6,3.4,-170,70 4,7.4 4,8|4,11.4";
    case ':': return "4,3.4|4,10.6";
    case '\'': return "4,0 4,3.4";
    default: return "";
    }
}

using Polyline = std::vector<Pt>;

/// The strokes of `c` in grid units (x 0..8, y 0..12).
inline std::vector<Polyline> glyphPolylines(char c) {
    std::vector<Polyline> out;
    const std::string s(glyphStrokes(c));
    size_t start = 0;
    while (start <= s.size()) {
        size_t bar = s.find('|', start);
        if (bar == std::string::npos) bar = s.size();
        const std::string part = s.substr(start, bar - start);
        Polyline pl;
        size_t i = 0;
        while (i < part.size()) {
            while (i < part.size() && part[i] == ' ') ++i;
            if (i >= part.size()) break;
            size_t j = part.find(' ', i);
            if (j == std::string::npos) j = part.size();
            std::string tok = part.substr(i, j - i);
            if (tok[0] == 'A') {
                double v[6];
                const char* p = tok.c_str() + 1;
                for (double& d : v) {
                    char* e = nullptr;
                    d = std::strtod(p, &e);
                    p = (*e == ',') ? e + 1 : e;
                }
                const int steps = std::max(6, static_cast<int>(std::abs(v[5] - v[4]) / 6));
                for (int k = 0; k <= steps; ++k) {
                    const double a = (v[4] + (v[5] - v[4]) * k / steps) * M_PI / 180.0;
                    pl.push_back({v[0] + v[2] * std::cos(a), v[1] + v[3] * std::sin(a)});
                }
            } else {
                const size_t comma = tok.find(',');
                pl.push_back({std::strtod(tok.c_str(), nullptr), std::strtod(tok.c_str() + comma + 1, nullptr)});
            }
            i = j;
        }
        if (!pl.empty()) out.push_back(pl);
        start = bar + 1;
    }
    return out;
}

struct TextStyle {
    uint8_t fill = 4;
    uint8_t edge = 255;    ///< outline colour (0 = none)
    double stroke = 2.3;   ///< stroke radius in pixels
    double edgeWidth = 1.6;
    uint8_t shine = 0;     ///< optional highlight colour drawn along the upper half of strokes
};

/// Draws character `c` into the box (x, y, w, h), the 8 x 12 grid mapped onto the box
/// less the stroke radius and outline on every side.
inline void drawGlyph(Surface8& s, char c, double x, double y, double w, double h, const TextStyle& st) {
    const double pad = st.stroke + (st.edge ? st.edgeWidth : 0);
    const double sx = (w - 2 * pad) / 8.0, sy = (h - 2 * pad) / 12.0;
    const auto lines = glyphPolylines(c);
    auto map = [&](Pt p) { return Pt{x + pad + p.x * sx, y + pad + p.y * sy}; };
    for (int pass = st.edge ? 0 : 1; pass < 2; ++pass) {
        const double r = pass == 0 ? st.stroke + st.edgeWidth : st.stroke;
        const uint8_t col = pass == 0 ? st.edge : st.fill;
        for (const auto& pl : lines) {
            if (pl.size() == 1) {
                fillCircle(s, map(pl[0]), r * 1.25, col);
                continue;
            }
            for (size_t i = 0; i + 1 < pl.size(); ++i) line(s, map(pl[i]), map(pl[i + 1]), r, col);
        }
    }
    if (st.shine) {
        for (const auto& pl : lines)
            for (size_t i = 0; i + 1 < pl.size(); ++i) {
                const Pt a = map(pl[i]) + Pt{-st.stroke * 0.35, -st.stroke * 0.35};
                const Pt b = map(pl[i + 1]) + Pt{-st.stroke * 0.35, -st.stroke * 0.35};
                line(s, a, b, std::max(0.6, st.stroke * 0.3), st.shine);
            }
    }
}

/// Draws `text` centred in the box (x, y, w, h): each character gets a cell of width
/// `charW` (h * 0.75 when 0) with `gap` pixels between cells; the row is scaled down to
/// fit the box.
inline void drawText(Surface8& s, std::string_view text, double x, double y, double w, double h,
                     const TextStyle& st, double charW = 0, double gap = -1) {
    if (text.empty()) return;
    if (charW <= 0) charW = h * 0.72;
    if (gap < 0) gap = h * 0.06;
    auto cellW = [&](char c) {
        if (c == '.' || c == '!' || c == '\'' || c == ':' || c == ',' || c == ';') return charW * 0.45;
        if (c == ' ') return charW * 0.55;
        return charW;
    };
    double total = -gap;
    for (char c : text) total += cellW(c) + gap;
    const double k = total > w ? w / total : 1.0;
    double cx = x + (w - total * k) / 2;
    for (char c : text) {
        const double cw = cellW(c) * k;
        if (c != ' ') {
            if (cw < charW * k * 0.9) {
                // narrow punctuation: draw on a full-width grid centred on its cell
                drawGlyph(s, c, cx + cw / 2 - charW * k / 2, y, charW * k, h, st);
            } else {
                drawGlyph(s, c, cx, y, cw, h, st);
            }
        }
        cx += cw + gap * k;
    }
}

}  // namespace morvek::data
