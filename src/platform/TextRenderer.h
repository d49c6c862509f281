#pragma once
// Text on an 8-bit surface with the game's one font (IPA Gothic, a Gothic face like the
// one the game was laid out for), shared by both platforms. Works without a display.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace morvek {

class TextRenderer {
public:
    /// Opens the font file; throws PlatformError naming it when it cannot.
    explicit TextRenderer(std::string fontPath = MORVEK_FONT_PATH);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    /// Size in points at 96 DPI; the style is read at each draw.
    void setFont(int pointSize, bool italic);
    /// Draws with its top-left at (x, y): ink pixels get `index`, the rest is untouched.
    void draw(Surface8& dst, int32_t x, int32_t y, std::string_view utf8, uint8_t index);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace morvek
