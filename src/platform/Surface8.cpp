#include "platform/Surface8.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace morvek {

Surface8::Surface8(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;  // a surface of no area holds nothing
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
}

void Surface8::fill(uint32_t colour) {
    std::fill(pixels_.begin(), pixels_.end(), static_cast<uint8_t>(colour & 0xFF));
}

void Surface8::fillRect(const Rect& r, uint32_t colour) {
    const int32_t left = std::max(r.left, 0);
    const int32_t top = std::max(r.top, 0);
    const int32_t right = std::min(r.right, width_);
    const int32_t bottom = std::min(r.bottom, height_);
    if (right <= left || bottom <= top) return;
    const uint8_t v = static_cast<uint8_t>(colour & 0xFF);
    const size_t n = static_cast<size_t>(right - left);
    for (int32_t y = top; y < bottom; ++y) std::memset(row(y) + left, v, n);
}

namespace {

// The inner loops. Each works on one contiguous row; the keyed one is written as a
// select rather than a branch so the compiler turns it into vector compares and blends.

inline void copyRow(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n) {
    std::memcpy(d, s, n);
}

inline void keyedRow(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n) {
    for (size_t x = 0; x < n; ++x) {
        const uint8_t v = s[x];
        d[x] = (v == 0) ? d[x] : v;
    }
}

inline void gatherRow(uint8_t* __restrict d, const uint8_t* __restrict s,
                      const int32_t* __restrict cols, size_t n) {
    for (size_t x = 0; x < n; ++x) d[x] = s[cols[x]];
}

bool sourceInside(const Surface8& src, const Rect& r) {
    return !r.empty() && r.left >= 0 && r.top >= 0 && r.right <= src.width() &&
           r.bottom <= src.height();
}

}  // namespace

void blit(Surface8& dst, const Rect& dstRect, const Surface8& src, const Rect& srcRect,
          unsigned flags) {
    if (dstRect.empty() || dst.isEmpty() || !sourceInside(src, srcRect)) return;
    if (&dst == &src) {
        // Overlapping copies would read pixels already written: go through a copy of
        // the source part.
        Surface8 temp(srcRect.width(), srcRect.height());
        blit(temp, temp.bounds(), src, srcRect, BlitCopy);
        blit(dst, dstRect, temp, temp.bounds(), flags);
        return;
    }

    // 64-bit throughout: a destination may lie far off the surface (beams start at x -913)
    // and i * sw must not overflow for any 32-bit rectangle.
    const int64_t dl = dstRect.left, dt = dstRect.top;
    const int64_t dw = int64_t{dstRect.right} - dl;
    const int64_t dh = int64_t{dstRect.bottom} - dt;
    const int64_t sl = srcRect.left, st = srcRect.top;
    const int64_t sw = int64_t{srcRect.right} - sl;
    const int64_t sh = int64_t{srcRect.bottom} - st;

    // Clip the destination; i and j below are offsets inside the unclipped rectangle, so
    // the source keeps its proportional mapping.
    const int64_t cl = std::max<int64_t>(dl, 0);
    const int64_t ct = std::max<int64_t>(dt, 0);
    const int64_t cr = std::min<int64_t>(dl + dw, dst.width());
    const int64_t cb = std::min<int64_t>(dt + dh, dst.height());
    if (cr <= cl || cb <= ct) return;

    const bool keyed = (flags & BlitKeyed) != 0;
    const bool mirror = (flags & BlitMirror) != 0;
    const size_t n = static_cast<size_t>(cr - cl);
    const int64_t i0 = cl - dl;

    // Horizontal mapping: unmirrored 1:1 reads a contiguous run starting at sx0; anything
    // else reads through a column table built once for this blit.
    const bool straight = !mirror && sw == dw;
    const int64_t sx0 = sl + i0;
    std::vector<int32_t> cols;
    std::vector<uint8_t> rowBuf;
    if (!straight) {
        cols.resize(n);
        for (size_t k = 0; k < n; ++k) {
            const int64_t f = (i0 + static_cast<int64_t>(k)) * sw / dw;
            cols[k] = static_cast<int32_t>(mirror ? sl + sw - 1 - f : sl + f);
        }
        rowBuf.resize(n);
    }

    int64_t lastSy = -1;
    for (int64_t y = ct; y < cb; ++y) {
        const int64_t j = y - dt;
        const int64_t sy = st + j * sh / dh;
        uint8_t* d = dst.row(static_cast<int32_t>(y)) + cl;
        const uint8_t* s = src.row(static_cast<int32_t>(sy));
        const uint8_t* run;
        if (straight) {
            run = s + sx0;
        } else {
            // Gather the source row once; rows repeated by a vertical stretch reuse it.
            if (sy != lastSy) {
                gatherRow(rowBuf.data(), s, cols.data(), n);
                lastSy = sy;
            }
            run = rowBuf.data();
        }
        if (keyed)
            keyedRow(d, run, n);
        else
            copyRow(d, run, n);
    }
}

void blitAt(Surface8& dst, int32_t dx, int32_t dy, const Surface8& src, const Rect& srcRect,
            unsigned flags) {
    if (srcRect.empty()) return;
    // A position so far right or down that its far edge passes the 32-bit range cannot
    // reach any surface.
    const int64_t r = int64_t{dx} + (int64_t{srcRect.right} - srcRect.left);
    const int64_t b = int64_t{dy} + (int64_t{srcRect.bottom} - srcRect.top);
    if (r > INT32_MAX || b > INT32_MAX) return;
    blit(dst, Rect{dx, dy, static_cast<int32_t>(r), static_cast<int32_t>(b)}, src, srcRect,
         flags);
}

void blitSelf(Surface8& surface, const Rect& dstRect, const Rect& srcRect) {
    blit(surface, dstRect, surface, srcRect, BlitCopy);  // blit copies the source out first
}

namespace {

int64_t isqrtFloor(int64_t v) {
    if (v <= 0) return 0;
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
    while (r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    return r;
}

}  // namespace

void drawCircle(Surface8& surface, int32_t cx, int32_t cy, int32_t radius, int32_t lineWidth,
                uint8_t colour) {
    // Past 2^29 a ring is far larger than any surface, and the squares below would
    // overflow 64 bits.
    constexpr int32_t kLimit = 1 << 29;
    if (radius < 0 || radius > kLimit || lineWidth > kLimit || surface.isEmpty()) return;
    const int64_t w = std::max(lineWidth, 1);
    // A pixel belongs to the ring when its distance d from the centre lies within half
    // the line width of the radius: r - w/2 <= d <= r + w/2. In doubled units that is
    // (2r - w)^2 <= 4d^2 <= (2r + w)^2, all in integers.
    const int64_t outer2 = (2 * int64_t{radius} + w) * (2 * int64_t{radius} + w);
    const int64_t innerD = 2 * int64_t{radius} - w;
    const int64_t inner2 = innerD > 0 ? innerD * innerD : 0;
    const int64_t reach = radius + (w + 1) / 2;

    const int64_t y0 = std::max<int64_t>(int64_t{cy} - reach, 0);
    const int64_t y1 = std::min<int64_t>(int64_t{cy} + reach, surface.height() - 1);
    for (int64_t y = y0; y <= y1; ++y) {
        const int64_t dy = y - cy;
        const int64_t a = outer2 - 4 * dy * dy;
        if (a < 0) continue;
        const int64_t outerDx = isqrtFloor(a / 4);         // 4dx^2 <= a
        const int64_t c = inner2 - 4 * dy * dy;
        const int64_t innerDx = c > 0 ? isqrtFloor((c - 1) / 4) : -1;  // 4dx^2 < c: hole
        uint8_t* row = surface.row(static_cast<int32_t>(y));
        auto span = [&](int64_t from, int64_t to) {  // inclusive, clipped
            from = std::max<int64_t>(from, 0);
            to = std::min<int64_t>(to, surface.width() - 1);
            if (to >= from) std::memset(row + from, colour, static_cast<size_t>(to - from + 1));
        };
        if (innerDx < 0) {
            span(cx - outerDx, cx + outerDx);
        } else {
            span(cx - outerDx, cx - innerDx - 1);
            span(cx + innerDx + 1, cx + outerDx);
        }
    }
}

}  // namespace morvek
