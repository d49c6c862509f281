#pragma once
// An 8-bit indexed drawing surface and the blitters the game draws with.
//
// Every picture in the game is palette indexes; the display converts them to colour only
// when a frame is presented. SDL cannot do what the game needs on such surfaces (a
// colour-keyed stretch of INDEX8 pixels, left-right mirroring), so the blitters are ours.
//
// Rectangles are right- and bottom-exclusive. A destination rectangle is clipped to the
// destination surface and the source is mapped proportionally, so pictures may grow past
// every edge (the K.O. picture), start at negative x (banners) or far off screen (beams).
// A source rectangle that does not lie inside its surface, or an empty or inverted
// rectangle, draws nothing: a blit never fails.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvek {

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool operator==(const Rect&) const = default;
};

/// Rectangle from position and size, as most callers think of it.
constexpr Rect rectXYWH(int32_t x, int32_t y, int32_t w, int32_t h) {
    return Rect{x, y, x + w, y + h};
}

class Surface8 {
public:
    Surface8() = default;
    /// A zero-filled surface (index 0: transparent in keyed blits, black on screen).
    Surface8(int32_t width, int32_t height);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    Rect bounds() const { return Rect{0, 0, width_, height_}; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    uint8_t* row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint8_t* row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint8_t* data() { return pixels_.data(); }
    const uint8_t* data() const { return pixels_.data(); }

    /// Pixel access without bounds checks beyond a debug assert.
    uint8_t at(int32_t x, int32_t y) const { return row(y)[x]; }
    void set(int32_t x, int32_t y, uint8_t v) { row(y)[x] = v; }

    /// Colour fill of the whole surface. Only the low byte of the 32-bit colour is stored,
    /// as an 8-bit surface does: a fill with RGB(255,255,255) stores 255.
    void fill(uint32_t colour);
    /// Colour fill of a rectangle, clipped to the surface; empty or inverted fills nothing.
    void fillRect(const Rect& r, uint32_t colour);

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> pixels_;
};

enum BlitFlags : unsigned {
    BlitCopy = 0,    ///< every source pixel is copied
    BlitKeyed = 1,   ///< source index 0 is transparent
    BlitMirror = 2,  ///< mirrored left to right
};

/// Copies srcRect of src onto dstRect of dst, stretched when the sizes differ
/// (nearest neighbour: destination column i of width dw reads srcLeft + floor(i*sw/dw),
/// mirrored srcRight-1-floor(i*sw/dw); rows likewise). dst and src must differ.
void blit(Surface8& dst, const Rect& dstRect, const Surface8& src, const Rect& srcRect,
          unsigned flags);

/// Unscaled copy of srcRect to (dx, dy).
void blitAt(Surface8& dst, int32_t dx, int32_t dy, const Surface8& src, const Rect& srcRect,
            unsigned flags);

/// Stretched copy of a surface onto itself (the zoom view), through a temporary copy.
void blitSelf(Surface8& surface, const Rect& dstRect, const Rect& srcRect);

/// Outline circle centred at (cx, cy) with the given radius and line width, clipped.
void drawCircle(Surface8& surface, int32_t cx, int32_t cy, int32_t radius, int32_t lineWidth,
                uint8_t colour);

}  // namespace morvek
