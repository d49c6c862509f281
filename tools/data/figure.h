#pragma once
// The fighters' bodies: a jointed figure drawn from a pose (joint angles) and a build
// (proportions, colours, costume). Every part gets a dark edge first and its colour
// second, back limbs before the body and the front limbs last, so overlapping limbs stay
// readable. Figures face right.

#include <algorithm>
#include <cmath>
#include <vector>

#include "draw.h"
#include "palette.h"

namespace morvek::data {

enum class Hair { Bald, Spiky, Topknot, Mohawk, Helmet, Long, Skull };

struct Build {
    double height = 120;        ///< standing height in pixels, head top to sole
    double headR = 0.095;       ///< all lengths below are fractions of height
    double torso = 0.29;
    double chest = 0.105;       ///< chest half-thickness
    double waist = 0.08;
    double upperArm = 0.17, foreArm = 0.16, armR = 0.042, handR = 0.052;
    double thigh = 0.23, shin = 0.22, legR = 0.056, footLen = 0.1;
    uint8_t skin = kSkin, hair = kBlack2, top = kRed, sleeve = kSkin, glove = kWhite,
            pants = kBlue, pantsBack = kBlue, shoes = kGrey, belt = kYellow, band = 0,
            armBack = 0,        ///< colour of the back arm's skin/sleeve (0 = same as front)
            forearm = 0;        ///< colour of the forearms (0 = skin)
    Hair hairStyle = Hair::Spiky;
    bool sword = false;
    bool beard = false;
    bool bareChest = false;
    uint8_t visor = 0;          ///< helmet visor colour
    uint8_t cape = 0;
    uint8_t halo = 0;           ///< ring behind the head
};

enum Face { FaceCalm, FaceHurt, FaceShout };

struct Pose {
    double lean = 5, headTilt = 0;
    double armFU = 40, armFL = 150, armBU = 20, armBL = 130;   ///< upper / lower arm angles
    double legFU = 15, legFL = 3, legBU = -18, legBL = -8;      ///< thigh / shin angles
    double footF = 90, footB = 90;   ///< foot angles relative to the shin (90 = foot forward)
    double rot = 0;                  ///< whole-body turn (degrees, + = clockwise)
    double lift = 0;                 ///< gap between lowest point and the ground (px at height 120)
    double dx = 0;                   ///< horizontal offset of the hips (px at height 120)
    bool openF = false, openB = false;
    Face face = FaceCalm;
    double swordAngle = 20;          ///< blade angle relative to the forearm
    bool grounded = true;            ///< feet planted: lowest point on the ground line
    int streaks = 0;                 ///< motion streaks behind the body (0 none, 1 fast, 2 spin)
};

struct Joints {
    Pt pelvis, neck, head, shoulder, elbowF, handF, elbowB, handB, hipF, kneeF, ankleF, toeF, hipB,
        kneeB, ankleB, toeB, swordTip;
};

inline Joints solvePose(const Build& b, const Pose& p) {
    const double H = b.height;
    Joints j;
    j.pelvis = {0, 0};
    j.neck = j.pelvis + polarDown(180 - p.lean, b.torso * H);
    j.head = j.neck + polarDown(180 - p.lean - p.headTilt, b.headR * H * 1.05);
    j.shoulder = lerp(j.pelvis, j.neck, 0.9);
    j.elbowF = j.shoulder + polarDown(p.armFU, b.upperArm * H);
    j.handF = j.elbowF + polarDown(p.armFL, b.foreArm * H);
    j.elbowB = j.shoulder + polarDown(p.armBU, b.upperArm * H);
    j.handB = j.elbowB + polarDown(p.armBL, b.foreArm * H);
    j.hipF = j.pelvis + Pt{H * 0.012, 0};
    j.hipB = j.pelvis + Pt{-H * 0.012, 0};
    j.kneeF = j.hipF + polarDown(p.legFU, b.thigh * H);
    j.ankleF = j.kneeF + polarDown(p.legFL, b.shin * H);
    j.toeF = j.ankleF + polarDown(p.legFL + p.footF, b.footLen * H);
    j.kneeB = j.hipB + polarDown(p.legBU, b.thigh * H);
    j.ankleB = j.kneeB + polarDown(p.legBL, b.shin * H);
    j.toeB = j.ankleB + polarDown(p.legBL + p.footB, b.footLen * H);
    j.swordTip = j.handF + polarDown(p.armFL + p.swordAngle, H * 0.52);
    // the whole body turns about the hips
    Pt* all[] = {&j.neck, &j.head, &j.shoulder, &j.elbowF, &j.handF, &j.elbowB, &j.handB, &j.hipF,
                 &j.kneeF, &j.ankleF, &j.toeF, &j.hipB, &j.kneeB, &j.ankleB, &j.toeB, &j.swordTip};
    if (p.rot != 0)
        for (Pt* q : all) *q = rotateAbout(*q, j.pelvis, p.rot);
    return j;
}

/// Draws the figure with its hips at `origin` translated so that, for grounded poses, the
/// lowest point rests on groundY (or `lift` px above it).
inline void drawFigure(Surface8& s, const Build& b, const Pose& p, double centreX, double groundY) {
    const double H = b.height, k = H / 120.0;
    Joints j = solvePose(b, p);
    // where is the lowest point?
    const Pt lows[] = {j.toeF, j.toeB, j.ankleF, j.ankleB, j.kneeF, j.kneeB, j.handF, j.handB, j.head,
                       j.pelvis, j.neck, j.elbowF, j.elbowB};
    double maxY = -1e9;
    for (const Pt& q : lows) maxY = std::max(maxY, q.y);
    const double footPad = b.legR * H * 0.9 + 1.5;
    Pt off{centreX + p.dx * k, groundY - p.lift * k - maxY - footPad};
    auto T = [&](Pt q) { return q + off; };
    const double e = std::max(1.4, 1.6 * k);  // edge width
    const double rArm = b.armR * H, rLeg = b.legR * H, rHand = b.handR * H;
    auto two = [&](auto&& f) {
        f(e, true);
        f(0, false);
    };
    auto col = [](bool edge, uint8_t c) { return edge ? kBlack : c; };
    const uint8_t armBackCol = b.armBack ? b.armBack : b.sleeve;
    const uint8_t foreCol = b.forearm ? b.forearm : b.skin;
    const uint8_t foreBack = b.armBack ? b.armBack : foreCol;

    // cape behind everything
    if (b.cape) {
        two([&](double w, bool ed) {
            std::vector<Pt> cp = {T(j.shoulder) + Pt{2 * k, -4 * k}, T(j.shoulder) + Pt{-10 * k, -2 * k},
                                  T(j.pelvis) + Pt{-26 * k, 34 * k}, T(j.pelvis) + Pt{-2 * k, 30 * k}};
            fillPolygonFat(s, cp, w + 0.5, col(ed, b.cape));
        });
    }
    if (b.halo) {
        const Pt hc0 = T(j.head);
        fillRing(s, hc0, b.headR * H * 1.25, b.headR * H * 1.25 + 3.5 * k + e * 2, kBlack);
        fillRing(s, hc0, b.headR * H * 1.25 + e, b.headR * H * 1.25 + 3.5 * k + e, b.halo);
    }
    // back arm
    two([&](double w, bool ed) {
        capsule(s, T(j.shoulder), T(j.elbowB), rArm * 1.1 + w, rArm + w, col(ed, armBackCol));
        capsule(s, T(j.elbowB), T(j.handB), rArm + w, rArm * 0.9 + w, col(ed, foreBack));
        fillCircle(s, T(j.handB), rHand + w, col(ed, b.glove));
    });
    // back leg
    two([&](double w, bool ed) {
        capsule(s, T(j.hipB), T(j.kneeB), rLeg * 1.15 + w, rLeg + w, col(ed, b.pantsBack));
        capsule(s, T(j.kneeB), T(j.ankleB), rLeg + w, rLeg * 0.85 + w, col(ed, b.pantsBack));
        capsule(s, T(j.ankleB), T(j.toeB), rLeg * 0.75 + w, rLeg * 0.55 + w, col(ed, b.shoes));
    });
    // torso and hips
    two([&](double w, bool ed) {
        capsule(s, T(j.pelvis), T(lerp(j.pelvis, j.neck, 0.8)), b.waist * H + w, b.chest * H + w,
                col(ed, b.bareChest ? b.skin : b.top));
        fillCircle(s, T(j.pelvis), b.waist * H * 1.05 + w, col(ed, b.pants));
    });
    if (b.bareChest) {  // pectoral line
        const Pt c = T(lerp(j.pelvis, j.neck, 0.68));
        const Pt dir = T(j.neck) - T(j.pelvis);
        const Pt n = Pt{-dir.y, dir.x} * (1.0 / std::max(1.0, len(dir)));
        line(s, c + n * (b.chest * H * 0.1), c + n * (-b.chest * H * 0.8), 0.9 * k, kOrange);
    }
    // belt
    {
        const Pt a = T(lerp(j.pelvis, j.neck, 0.16));
        const Pt dir = T(j.neck) - T(j.pelvis);
        const Pt n = Pt{dir.y, -dir.x} * (1.0 / std::max(1.0, len(dir)));
        const double hw = b.waist * H * 1.05;
        line(s, a - n * hw, a + n * hw, 2.2 * k, b.belt);
    }
    // front leg
    two([&](double w, bool ed) {
        capsule(s, T(j.hipF), T(j.kneeF), rLeg * 1.15 + w, rLeg + w, col(ed, b.pants));
        capsule(s, T(j.kneeF), T(j.ankleF), rLeg + w, rLeg * 0.85 + w, col(ed, b.pants));
        capsule(s, T(j.ankleF), T(j.toeF), rLeg * 0.75 + w, rLeg * 0.55 + w, col(ed, b.shoes));
    });
    // head
    const double hr = b.headR * H;
    const Pt hc = T(j.head);
    const Pt up = (T(j.head) - T(j.neck)) * (1.0 / std::max(1.0, len(T(j.head) - T(j.neck))));
    const Pt fwd{-up.y, up.x};  // screen: perpendicular, toward the face (right when upright)
    const Pt fw = fwd;
    two([&](double w, bool ed) {
        capsule(s, T(j.neck) - up * 1.0, hc, hr * 0.45 + w, hr * 0.45 + w, col(ed, b.skin));
        fillCircle(s, hc, hr + w, col(ed, b.hairStyle == Hair::Skull ? kWhite : b.skin));
    });
    // hair / helmet
    // hair covers the head above the hairline and behind the ear line
    auto hairCap = [&](double hairline, double backline) {
        scanBox(s, hc.x - hr - 1, hc.y - hr - 1, hc.x + hr + 1, hc.y + hr + 1, [&](int x, int y) {
            const Pt d = Pt{x + 0.5, y + 0.5} - hc;
            if (d.x * d.x + d.y * d.y > hr * hr) return;
            const double u = d.x * up.x + d.y * up.y, f = d.x * fw.x + d.y * fw.y;
            if (u > hairline * hr || f < backline * hr) s.set(x, y, b.hair);
        });
    };
    switch (b.hairStyle) {
    case Hair::Bald: break;
    case Hair::Spiky:
        for (int i = -2; i <= 2; ++i) {
            const Pt base = hc + up * (hr * 0.55) + fw * (-hr * 0.25 + i * hr * 0.28);
            const Pt tip = base + up * (hr * 0.75) + fw * (-hr * 0.35 + i * hr * 0.12);
            capsule(s, base, tip, hr * 0.34 + e, 0.6 + e, kBlack);
        }
        for (int i = -2; i <= 2; ++i) {
            const Pt base = hc + up * (hr * 0.55) + fw * (-hr * 0.25 + i * hr * 0.28);
            const Pt tip = base + up * (hr * 0.75) + fw * (-hr * 0.35 + i * hr * 0.12);
            capsule(s, base, tip, hr * 0.34, 0.6, b.hair);
        }
        hairCap(0.3, -0.45);
        break;
    case Hair::Topknot:
        hairCap(0.35, -0.4);
        fillCircle(s, hc + up * (hr * 1.05) + fw * (-hr * 0.45), hr * 0.32 + e, kBlack);
        fillCircle(s, hc + up * (hr * 1.05) + fw * (-hr * 0.45), hr * 0.32, b.hair);
        break;
    case Hair::Mohawk:
        capsule(s, hc + up * (hr * 0.9) + fw * (hr * 0.3), hc + up * (hr * 0.6) + fw * (-hr * 0.9),
                hr * 0.32 + e, hr * 0.22 + e, kBlack);
        capsule(s, hc + up * (hr * 0.9) + fw * (hr * 0.3), hc + up * (hr * 0.6) + fw * (-hr * 0.9),
                hr * 0.32, hr * 0.22, b.hair);
        break;
    case Hair::Helmet:
        hairCap(-0.3, -0.2);
        if (b.visor) capsule(s, hc + fw * (hr * 0.1), hc + fw * (hr * 0.85), hr * 0.28, hr * 0.24, b.visor);
        break;
    case Hair::Long:
        capsule(s, hc + up * (hr * 0.2) + fw * (-hr * 0.5), hc + up * (-hr * 1.6) + fw * (-hr * 1.0), hr * 0.55 + e, hr * 0.35 + e, kBlack);
        capsule(s, hc + up * (hr * 0.2) + fw * (-hr * 0.5), hc + up * (-hr * 1.6) + fw * (-hr * 1.0), hr * 0.55, hr * 0.35, b.hair);
        hairCap(0.32, -0.35);
        break;
    case Hair::Skull:
        fillCircle(s, hc + fw * (hr * 0.3), hr * 0.22, kBlack);
        fillCircle(s, hc + fw * (hr * 0.3) - up * (hr * 0.55), hr * 0.18, kBlack);
        break;
    }
    if (b.band) line(s, hc + up * (hr * 0.35) + fw * (-hr), hc + up * (hr * 0.42) + fw * (hr * 0.9), 1.6 * k, b.band);
    if (b.band) capsule(s, hc + up * (hr * 0.35) + fw * (-hr * 0.9), hc + up * (hr * 0.1) + fw * (-hr * 1.9), 1.4 * k, 0.8 * k, b.band);
    if (b.beard) {
        fillCircle(s, hc - up * (hr * 0.78) + fw * (hr * 0.3), hr * 0.42 + e, kBlack);
        fillCircle(s, hc - up * (hr * 0.78) + fw * (hr * 0.3), hr * 0.42, b.hair);
    }
    // face: eye and mouth on the front side
    if (b.hairStyle != Hair::Helmet || !b.visor) {
        const Pt eye = hc + fw * (hr * 0.5) + up * (hr * 0.08);
        if (p.face == FaceHurt) {
            line(s, eye + Pt{-1.6 * k, -1.6 * k}, eye + Pt{1.6 * k, 1.6 * k}, 0.7 * k, kBlack);
            line(s, eye + Pt{-1.6 * k, 1.6 * k}, eye + Pt{1.6 * k, -1.6 * k}, 0.7 * k, kBlack);
        } else if (b.hairStyle != Hair::Skull) {
            fillEllipse(s, eye, 1.2 * k, 2.0 * k, kBlack);
        }
        // brow, ear and mouth, in proportion to the head
        const double lw = std::max(0.6, hr * 0.07);
        if (b.hairStyle != Hair::Skull) {
            line(s, eye + up * (hr * 0.3) + fw * (-hr * 0.22), eye + up * (hr * 0.24) + fw * (hr * 0.25), lw, kBlack);
            fillCircle(s, hc + fw * (-hr * 0.1) - up * (hr * 0.1), hr * 0.2 + lw, kBlack);
            fillCircle(s, hc + fw * (-hr * 0.1) - up * (hr * 0.1), hr * 0.2, b.skin);
        }
        const Pt mouth = hc + fw * (hr * 0.6) - up * (hr * 0.5);
        if (p.face == FaceShout) fillCircle(s, mouth, std::max(1.4 * k, hr * 0.16), kDarkRed);
        else line(s, mouth + fw * (-hr * 0.2), mouth + fw * (hr * 0.12), lw, kBlack);
    }
    // sword (held in the front hand, drawn behind the front arm)
    if (b.sword) {
        line(s, T(j.handF), T(j.swordTip), 2.6 * k + e, kBlack);
        line(s, T(j.handF), T(j.swordTip), 2.6 * k, kWhite);
        line(s, T(j.handF), T(lerp(j.handF, j.swordTip, 0.2)), 2.4 * k, kDarkRed);
    }
    // front arm
    two([&](double w, bool ed) {
        capsule(s, T(j.shoulder), T(j.elbowF), rArm * 1.1 + w, rArm + w, col(ed, b.sleeve));
        capsule(s, T(j.elbowF), T(j.handF), rArm + w, rArm * 0.9 + w, col(ed, foreCol));
        if (p.openF) fillEllipse(s, T(j.handF), rHand * 0.7 + w, rHand * 1.2 + w, col(ed, b.glove),
                                 std::atan2(j.handF.y - j.elbowF.y, j.handF.x - j.elbowF.x) * 180 / M_PI + 90);
        else fillCircle(s, T(j.handF), rHand * 1.05 + w, col(ed, b.glove));
    });
    if (!b.bareChest && b.sleeve != b.skin) {
        // short sleeve cuff: the shoulder part keeps the top colour
        fillCircle(s, T(j.shoulder), rArm * 1.15, b.top);
    }
    // motion streaks
    if (p.streaks) {
        for (int i = 0; i < 3; ++i) {
            const double y = T(j.pelvis).y - (10 - i * 12) * k;
            const double x = T(j.pelvis).x - (34 + i * 6) * k;
            line(s, Pt{x - 22 * k, y}, Pt{x, y}, 1.1 * k, kWhite);
        }
    }
}

}  // namespace morvek::data
