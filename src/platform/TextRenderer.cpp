// Text through SDL_ttf onto an 8-bit surface. Only the font library is initialised (no
// video), so the headless platform and the tools can draw text too.

#include "platform/TextRenderer.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <map>

namespace morvek {

namespace {
constexpr unsigned kDpi = 96;
constexpr int kDefaultPointSize = 12;
}  // namespace

struct TextRenderer::Impl {
    std::string fontPath;
    std::map<int, TTF_Font*> fonts;  ///< one opened font per point size
    int pointSize = kDefaultPointSize;
    bool italic = false;

    ~Impl() {
        for (auto& [size, font] : fonts) TTF_CloseFont(font);
        // SDL_ttf counts its initialisations, so every renderer holds one of its own.
        TTF_Quit();
    }

    TTF_Font* font(int size) {
        auto it = fonts.find(size);
        if (it != fonts.end()) return it->second;
        TTF_Font* f = TTF_OpenFontDPI(fontPath.c_str(), size, kDpi, kDpi);
        if (!f)
            throw PlatformError("cannot open font " + fontPath + " at " + std::to_string(size) +
                                " points: " + TTF_GetError());
        fonts.emplace(size, f);
        return f;
    }
};

TextRenderer::TextRenderer(std::string fontPath) {
    if (TTF_Init() != 0)
        throw PlatformError(std::string("TTF_Init failed: ") + TTF_GetError());
    impl_ = std::make_unique<Impl>();  // from here on the Impl owns the initialisation
    impl_->fontPath = std::move(fontPath);
    impl_->font(impl_->pointSize);  // a missing or bad font file fails here, not mid-game
}

TextRenderer::~TextRenderer() = default;

void TextRenderer::setFont(int pointSize, bool italic) {
    impl_->font(pointSize);
    impl_->pointSize = pointSize;
    impl_->italic = italic;
}

void TextRenderer::draw(Surface8& dst, int32_t x, int32_t y, std::string_view utf8,
                        uint8_t index) {
    if (utf8.empty() || dst.isEmpty()) return;
    TTF_Font* font = impl_->font(impl_->pointSize);
    const int style = impl_->italic ? TTF_STYLE_ITALIC : TTF_STYLE_NORMAL;
    if (TTF_GetFontStyle(font) != style) TTF_SetFontStyle(font, style);

    const std::string text(utf8);
    // Solid rendering is ink or no ink: pixel 0 is the background, anything else ink.
    SDL_Surface* glyphs = TTF_RenderUTF8_Solid(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!glyphs) {
        int w = 0, h = 0;
        if (TTF_SizeUTF8(font, text.c_str(), &w, &h) == 0 && w == 0) return;  // nothing to ink
        throw PlatformError("cannot render text with font " + impl_->fontPath + ": " +
                            TTF_GetError());
    }
    if (SDL_LockSurface(glyphs) != 0) {
        SDL_FreeSurface(glyphs);
        throw PlatformError(std::string("SDL_LockSurface failed: ") + SDL_GetError());
    }

    // Clip the glyph box against the surface, in 64 bits so far-off positions cannot wrap.
    const int64_t x0 = std::max<int64_t>(0, -int64_t(x));
    const int64_t y0 = std::max<int64_t>(0, -int64_t(y));
    const int64_t x1 = std::min<int64_t>(glyphs->w, int64_t(dst.width()) - x);
    const int64_t y1 = std::min<int64_t>(glyphs->h, int64_t(dst.height()) - y);
    for (int64_t sy = y0; sy < y1; ++sy) {
        const uint8_t* src = static_cast<const uint8_t*>(glyphs->pixels) + sy * glyphs->pitch;
        uint8_t* out = dst.row(static_cast<int32_t>(y + sy));
        for (int64_t sx = x0; sx < x1; ++sx) {
            uint8_t& d = out[x + sx];
            d = src[sx] ? index : d;
        }
    }

    SDL_UnlockSurface(glyphs);
    SDL_FreeSurface(glyphs);
}

}  // namespace morvek
