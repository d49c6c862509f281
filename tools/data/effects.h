#pragma once
// Effect pictures: sparks, bursts, energy shots, beams, trails, explosions and fields.
// Each draws into the box (x, y, w, h) of a surface, frame by frame, on the transparent
// background, in colours that keep their brightness in every palette.

#include <cmath>
#include <vector>

#include "draw.h"
#include "palette.h"

namespace morvek::data {

struct Box {
    double x, y, w, h;
    Pt centre() const { return {x + w / 2, y + h / 2}; }
    double minSide() const { return std::min(w, h); }
};

/// Several colours from the outside in.
using Ramp = std::vector<uint8_t>;
inline const Ramp kFireRamp{kDarkRed, kRed, kOrange, kYellow, kWhite};
inline const Ramp kHitRamp{kOrange, kYellow, kWhite};
inline const Ramp kGuardRamp{kBlue, kSky, kCyan, kWhite};
inline const Ramp kSuperRamp{kViolet, kSky, kCyan, kWhite};
inline const Ramp kGreenRamp{kGreen, kLime, kYellowGreen, kWhite};
inline const Ramp kPlumRamp{kPlum, kViolet, kWhite};

/// Spiky burst (a star of `points` rays) shrinking inward through the ramp.
inline void sparkBurst(Surface8& s, Box b, const Ramp& ramp, int points, double size, double turn,
                       double inner = 0.42) {
    const Pt c = b.centre();
    const double R = b.minSide() / 2 * size;
    const int n = static_cast<int>(ramp.size());
    for (int i = 0; i < n; ++i) {
        const double k = 1.0 - double(i) / n;
        fillPolygon(s, starPoints(c, points, R * k * inner, R * k, turn + i * 7), ramp[i]);
    }
}

/// Ring of short rays (the end of a hit).
inline void rayRing(Surface8& s, Box b, uint8_t col, int rays, double r0, double r1, double width, double turn) {
    const Pt c = b.centre();
    const double R = b.minSide() / 2;
    for (int i = 0; i < rays; ++i) {
        const double a = turn + 360.0 * i / rays;
        line(s, c + polar(a, R * r0), c + polar(a, R * r1), width, col);
    }
}

/// Round energy ball with a bright core; `frame` turns its sparks.
inline void energyBall(Surface8& s, Box b, int frame, const Ramp& ramp) {
    const Pt c = b.centre();
    const double R = b.minSide() / 2 * 0.86;
    const int n = static_cast<int>(ramp.size());
    fillPolygon(s, starPoints(c, 8, R * 0.8, R, frame * 11.25), ramp[0]);
    for (int i = 1; i < n; ++i) fillCircle(s, c, R * (0.82 - 0.6 * i / n), ramp[i]);
    fillCircle(s, c + Pt{-R * 0.2, -R * 0.2}, R * 0.14, kWhite);
}

/// Expanding ring of `col` (for the fade of a shot, a shock wave).
inline void ringPuff(Surface8& s, Box b, double t, const Ramp& ramp) {
    const Pt c = b.centre();
    const double R = b.minSide() / 2 * (0.35 + 0.6 * t);
    const double w = std::max(1.5, b.minSide() * 0.12 * (1 - t * 0.7));
    fillRing(s, c, R - w, R, ramp[0]);
    fillRing(s, c, R - w * 0.6, R - w * 0.2, ramp.back());
    rayRing(s, b, ramp[1 % ramp.size()], 8, 0.2 + 0.5 * t, 0.3 + 0.65 * t, std::max(1.0, w * 0.3), t * 30);
}

/// Horizontal beam filling the box: glowing edges, white core, wavy rim.
inline void beamBand(Surface8& s, Box b, int frame, const Ramp& ramp) {
    const int n = static_cast<int>(ramp.size());
    for (int x = static_cast<int>(b.x); x < static_cast<int>(b.x + b.w); ++x) {
        const double u = (x - b.x) / b.w;
        const double taper = std::min(1.0, u * 8);  // rounded mouth at the source
        const double wob = 0.06 * std::sin(u * 40 + frame * 2.1) + 0.04 * std::sin(u * 97 + frame);
        for (int i = 0; i < n; ++i) {
            const double half = b.h / 2 * (0.9 - 0.75 * i / n + wob) * taper;
            const double cy = b.y + b.h / 2;
            for (int y = static_cast<int>(cy - half); y < static_cast<int>(cy + half); ++y) plot(s, x, y, ramp[i]);
        }
    }
}

/// Crescent sword trail inside the box; `vertical` turns it upright.
inline void swordTrail(Surface8& s, Box b, bool vertical, double t, const Ramp& ramp) {
    const int n = static_cast<int>(ramp.size());
    for (int i = 0; i < n; ++i) {
        const double k = (1.0 - 0.22 * i) * (1.0 - 0.25 * t);
        const int steps = 40;
        // outer edge then inner edge back
        std::vector<Pt> poly;
        for (int j = 0; j <= steps; ++j) {
            const double u = double(j) / steps;
            const double a = (-80 + 160 * u) * M_PI / 180;
            poly.push_back({std::cos(a) * 0.95, std::sin(a) * 0.95});
        }
        for (int j = steps; j >= 0; --j) {
            const double u = double(j) / steps;
            const double a = (-80 + 160 * u) * M_PI / 180;
            const double r = 0.95 - std::sin(u * M_PI) * 0.45 * k;
            poly.push_back({std::cos(a) * r - 0.05, std::sin(a) * r});
        }
        for (Pt& q : poly) {
            // map unit space (x -0.1..1, y -1..1) into the box
            const double ux = (q.x + 0.1) / 1.1, uy = (q.y + 1) / 2;
            q = vertical ? Pt{b.x + uy * b.w, b.y + (1 - ux) * b.h} : Pt{b.x + ux * b.w, b.y + uy * b.h};
        }
        fillPolygon(s, poly, ramp[i]);
    }
}

/// Zigzag lightning column from top to bottom of the box.
inline void lightning(Surface8& s, Box b, int frame) {
    Prng rng(1234 + frame * 77);
    std::vector<Pt> pts;
    const int segs = 12;
    for (int i = 0; i <= segs; ++i)
        pts.push_back({b.x + b.w / 2 + (rng.unit() - 0.5) * b.w * 0.7, b.y + b.h * i / segs});
    for (size_t i = 0; i + 1 < pts.size(); ++i) line(s, pts[i], pts[i + 1], b.w * 0.16, kViolet);
    for (size_t i = 0; i + 1 < pts.size(); ++i) line(s, pts[i], pts[i + 1], b.w * 0.09, kCyan);
    for (size_t i = 0; i + 1 < pts.size(); ++i) line(s, pts[i], pts[i + 1], b.w * 0.04, kWhite);
}

/// Round explosion: fire puffs with a smoke rim; t grows it.
inline void explosion(Surface8& s, Box b, double t, uint32_t seed) {
    Prng rng(seed);
    const Pt c = b.centre();
    const double R = b.minSide() / 2 * (0.55 + 0.4 * t);
    for (int i = 0; i < 9; ++i) {
        const Pt q = c + polar(rng.unit() * 360, R * 0.45);
        fillCircle(s, q, R * 0.5, t > 0.6 ? kGrey : kDarkRed);
    }
    for (int i = 0; i < 8; ++i) fillCircle(s, c + polar(rng.unit() * 360, R * 0.35), R * 0.42, kRed);
    for (int i = 0; i < 6; ++i) fillCircle(s, c + polar(rng.unit() * 360, R * 0.25), R * 0.33, kOrange);
    fillCircle(s, c, R * 0.32 * (1.2 - t * 0.5), kYellow);
    fillCircle(s, c, R * 0.16 * (1.2 - t * 0.5), kWhite);
}

/// Hexagonal field ring (barriers).
inline void hexField(Surface8& s, Box b, int frame, const Ramp& ramp) {
    const Pt c = b.centre();
    const double R = b.minSide() / 2 * 0.92;
    std::vector<Pt> outer, inner;
    for (int i = 0; i < 6; ++i) {
        outer.push_back(c + polar(30 + 60 * i + frame * 15, R));
        inner.push_back(c + polar(30 + 60 * i + frame * 15, R * 0.7));
    }
    for (int i = 0; i < 6; ++i) line(s, outer[i], outer[(i + 1) % 6], R * 0.08, ramp[0]);
    for (int i = 0; i < 6; ++i) line(s, inner[i], inner[(i + 1) % 6], R * 0.05, ramp[1 % ramp.size()]);
    for (int i = 0; i < 6; ++i) line(s, outer[i], inner[i], R * 0.03, ramp.back());
}

/// A vertical column of light (pillars).
inline void lightPillar(Surface8& s, Box b, int frame, const Ramp& ramp) {
    const int n = static_cast<int>(ramp.size());
    for (int i = 0; i < n; ++i) {
        const double half = b.w / 2 * (0.95 - 0.7 * i / n);
        fillRoundRect(s, b.x + b.w / 2 - half, b.y + 2, half * 2, b.h - 4, half, ramp[i]);
    }
    for (int k = 0; k < 6; ++k) {
        const double y = b.y + std::fmod(k * b.h / 6 + frame * 17, b.h);
        fillCircle(s, {b.x + b.w * (0.3 + 0.4 * ((k * 37) % 10) / 10.0), y}, b.w * 0.05, kWhite);
    }
}

}  // namespace morvek::data
