#pragma once
// Drawing helpers for the generated art: filled shapes, thick strokes, outlines and
// ordered dithering on an 8-bit surface. Everything is clipped to the surface, works in
// pixel-centre coordinates (a pixel (x, y) is covered when its centre (x+0.5, y+0.5)
// lies inside the shape) and is fully deterministic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/Surface8.h"

namespace morvek::data {

struct Pt {
    double x = 0;
    double y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
inline double len(Pt a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline Pt lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
/// Point at `deg` degrees from straight down, turning toward +x (the front), `r` away.
inline Pt polarDown(double deg, double r) {
    const double a = deg * M_PI / 180.0;
    return {std::sin(a) * r, std::cos(a) * r};
}
/// Screen-angle point: 0 = +x, 90 = +y (down).
inline Pt polar(double deg, double r) {
    const double a = deg * M_PI / 180.0;
    return {std::cos(a) * r, std::sin(a) * r};
}
inline Pt rotateAbout(Pt p, Pt c, double deg) {
    const double a = deg * M_PI / 180.0;
    const double s = std::sin(a), k = std::cos(a);
    const Pt d = p - c;
    return {c.x + d.x * k - d.y * s, c.y + d.x * s + d.y * k};
}

inline void plot(Surface8& s, int x, int y, uint8_t c) {
    if (x >= 0 && y >= 0 && x < s.width() && y < s.height()) s.set(x, y, c);
}

/// Calls f(x, y) for every pixel whose centre lies in [x0, x1) x [y0, y1), clipped.
template <typename F>
void scanBox(const Surface8& s, double x0, double y0, double x1, double y1, F f) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(s.width() - 1, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(s.height() - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) f(x, y);
}

inline void fillBox(Surface8& s, int x, int y, int w, int h, uint8_t c) {
    s.fillRect(rectXYWH(x, y, w, h), c);
}

/// Ellipse centred at c with radii rx, ry, turned by `deg`.
inline void fillEllipse(Surface8& s, Pt c, double rx, double ry, uint8_t col, double deg = 0) {
    if (rx <= 0 || ry <= 0) return;
    const double a = deg * M_PI / 180.0, sn = std::sin(a), cs = std::cos(a);
    const double m = std::max(rx, ry);
    scanBox(s, c.x - m - 1, c.y - m - 1, c.x + m + 1, c.y + m + 1, [&](int x, int y) {
        const double dx = x + 0.5 - c.x, dy = y + 0.5 - c.y;
        const double u = dx * cs + dy * sn, v = -dx * sn + dy * cs;
        if ((u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.0) s.set(x, y, col);
    });
}
inline void fillCircle(Surface8& s, Pt c, double r, uint8_t col) { fillEllipse(s, c, r, r, col); }

/// Ring between radii r0 and r1 (r0 < r1), optionally only between angles a0..a1 (screen
/// degrees, 0 = +x, 90 = down).
inline void fillRing(Surface8& s, Pt c, double r0, double r1, uint8_t col, double a0 = 0,
                     double a1 = 360) {
    scanBox(s, c.x - r1 - 1, c.y - r1 - 1, c.x + r1 + 1, c.y + r1 + 1, [&](int x, int y) {
        const double dx = x + 0.5 - c.x, dy = y + 0.5 - c.y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < r0 || d > r1) return;
        double ang = std::atan2(dy, dx) * 180.0 / M_PI;
        while (ang < a0) ang += 360;
        while (ang >= a0 + 360) ang -= 360;
        if (ang <= a1) s.set(x, y, col);
    });
}

/// A stroke from a to b with round ends, radius ra at a and rb at b.
inline void capsule(Surface8& s, Pt a, Pt b, double ra, double rb, uint8_t col) {
    const double m = std::max(ra, rb);
    const Pt d = b - a;
    const double l2 = d.x * d.x + d.y * d.y;
    scanBox(s, std::min(a.x, b.x) - m - 1, std::min(a.y, b.y) - m - 1, std::max(a.x, b.x) + m + 1,
            std::max(a.y, b.y) + m + 1, [&](int x, int y) {
                const Pt p{x + 0.5, y + 0.5};
                double t = l2 > 0 ? ((p.x - a.x) * d.x + (p.y - a.y) * d.y) / l2 : 0;
                t = std::clamp(t, 0.0, 1.0);
                const Pt q = a + d * t;
                const double r = ra + (rb - ra) * t;
                const double dx = p.x - q.x, dy = p.y - q.y;
                if (dx * dx + dy * dy <= r * r) s.set(x, y, col);
            });
}
inline void line(Surface8& s, Pt a, Pt b, double r, uint8_t col) { capsule(s, a, b, r, r, col); }

/// Filled polygon (even-odd rule).
inline void fillPolygon(Surface8& s, const std::vector<Pt>& pts, uint8_t col) {
    if (pts.size() < 3) return;
    double y0 = pts[0].y, y1 = pts[0].y;
    for (const Pt& p : pts) y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int iy1 = std::min(s.height() - 1, static_cast<int>(std::ceil(y1)));
    std::vector<double> xs;
    for (int y = iy0; y <= iy1; ++y) {
        const double cy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const Pt a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy))
                xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int x0 = std::max(0, static_cast<int>(std::ceil(xs[i] - 0.5)));
            const int x1 = std::min(s.width() - 1, static_cast<int>(std::floor(xs[i + 1] - 0.5)));
            for (int x = x0; x <= x1; ++x) s.set(x, y, col);
        }
    }
}

/// Polygon grown by `r` on every side (stroke of radius r around it, then filled).
inline void fillPolygonFat(Surface8& s, const std::vector<Pt>& pts, double r, uint8_t col) {
    fillPolygon(s, pts, col);
    if (r <= 0) return;
    for (size_t i = 0; i < pts.size(); ++i) line(s, pts[i], pts[(i + 1) % pts.size()], r, col);
}

/// Rounded rectangle.
inline void fillRoundRect(Surface8& s, double x, double y, double w, double h, double r, uint8_t col) {
    r = std::min({r, w / 2, h / 2});
    scanBox(s, x, y, x + w, y + h, [&](int px, int py) {
        const double cx = px + 0.5, cy = py + 0.5;
        if (cx < x || cy < y || cx > x + w || cy > y + h) return;
        const double qx = std::max({x + r - cx, cx - (x + w - r), 0.0});
        const double qy = std::max({y + r - cy, cy - (y + h - r), 0.0});
        if (qx * qx + qy * qy <= r * r) s.set(px, py, col);
    });
}

/// Star with `n` points between radii rIn and rOut, first point at `deg`.
inline std::vector<Pt> starPoints(Pt c, int n, double rIn, double rOut, double deg) {
    std::vector<Pt> pts;
    for (int i = 0; i < 2 * n; ++i) pts.push_back(c + polar(deg + 180.0 * i / n, i % 2 ? rIn : rOut));
    return pts;
}

/// 4x4 ordered-dither threshold (0..15).
inline int bayer4(int x, int y) {
    static constexpr int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return m[y & 3][x & 3];
}
/// Mix of two colours: `level` 0..16 of the pixels (ordered) get b, the rest a.
inline uint8_t dither(int x, int y, uint8_t a, uint8_t b, int level) {
    return bayer4(x, y) < level ? b : a;
}

/// Vertical ramp through `cols` from y0 to y1 over x0..x1 with ordered dithering.
inline void ditherRamp(Surface8& s, int x0, int y0, int x1, int y1, const std::vector<uint8_t>& cols) {
    if (cols.empty() || y1 <= y0) return;
    const int n = static_cast<int>(cols.size());
    for (int y = std::max(0, y0); y < std::min(s.height(), y1); ++y) {
        const double t = (n == 1) ? 0 : (double)(y - y0) / (y1 - y0) * (n - 1);
        const int i = std::min(n - 2 < 0 ? 0 : n - 2, static_cast<int>(t));
        const int lv = n == 1 ? 0 : static_cast<int>((t - i) * 16 + 0.5);
        for (int x = std::max(0, x0); x < std::min(s.width(), x1); ++x)
            s.set(x, y, n == 1 ? cols[0] : dither(x, y, cols[i], cols[i + 1], lv));
    }
}

/// Adds a border of colour `col`, `width` pixels wide, on the transparent (0) pixels next
/// to drawn ones inside `area`.
inline void outline(Surface8& s, const Rect& area, uint8_t col, int width = 1) {
    const Rect a{std::max(0, area.left), std::max(0, area.top), std::min(s.width(), area.right),
                 std::min(s.height(), area.bottom)};
    for (int pass = 0; pass < width; ++pass) {
        std::vector<uint8_t> mark(static_cast<size_t>(a.width()) * a.height(), 0);
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x) {
                if (s.at(x, y) != 0) continue;
                bool near = false;
                for (int k = 0; k < 4 && !near; ++k) {
                    const int nx = x + (k == 0) - (k == 1), ny = y + (k == 2) - (k == 3);
                    if (nx >= a.left && ny >= a.top && nx < a.right && ny < a.bottom && s.at(nx, ny) != 0)
                        near = true;
                }
                if (near) mark[(y - a.top) * a.width() + (x - a.left)] = 1;
            }
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                if (mark[(y - a.top) * a.width() + (x - a.left)]) s.set(x, y, col);
    }
}

/// Replaces every pixel of colour `from` by `to` inside `area`.
inline void recolour(Surface8& s, const Rect& area, uint8_t from, uint8_t to) {
    for (int y = std::max(0, area.top); y < std::min(s.height(), area.bottom); ++y)
        for (int x = std::max(0, area.left); x < std::min(s.width(), area.right); ++x)
            if (s.at(x, y) == from) s.set(x, y, to);
}

/// Keyed unscaled copy of a whole surface to (dx, dy) of `dst`.
inline void stamp(Surface8& dst, const Surface8& src, int dx, int dy) {
    blitAt(dst, dx, dy, src, src.bounds(), BlitKeyed);
}

/// Small deterministic generator for scenery placement (xorshift).
struct Prng {
    uint32_t state;
    explicit Prng(uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1)); }
    double unit() { return (next() & 0xffffff) / double(0x1000000); }
};

}  // namespace morvek::data
