#include "platform/SdlPlatform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

#include "platform/TextRenderer.h"

namespace morvek {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

[[noreturn]] void sdlFailure(const char* call) {
    throw PlatformError(std::string(call) + " failed: " + SDL_GetError());
}

int64_t steadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool windowedByEnvironment() {
    const char* v = std::getenv("MORVEK_WINDOWED");
    return v != nullptr && std::strcmp(v, "1") == 0;
}

/// Keeps the visible 640x480 of a frame (black outside a smaller one) for re-showing.
void copyVisible(const Surface8& src, Surface8& dst) {
    const int32_t w = std::clamp(src.width(), 0, kScreenWidth);
    const int32_t h = std::clamp(src.height(), 0, kScreenHeight);
    if (w < kScreenWidth || h < kScreenHeight) dst.fill(0);
    for (int32_t y = 0; y < h; ++y) std::memcpy(dst.row(y), src.row(y), static_cast<size_t>(w));
}

}  // namespace

// ---- pure helpers -------------------------------------------------------------------

uint8_t scanCodeFromSdl(int sdlScancode) {
    // Letters are laid out by keyboard row, not alphabetically as SDL numbers them.
    static constexpr SDL_Scancode kTopRow[] = {
        SDL_SCANCODE_Q, SDL_SCANCODE_W, SDL_SCANCODE_E, SDL_SCANCODE_R, SDL_SCANCODE_T,
        SDL_SCANCODE_Y, SDL_SCANCODE_U, SDL_SCANCODE_I, SDL_SCANCODE_O, SDL_SCANCODE_P};
    static constexpr SDL_Scancode kHomeRow[] = {
        SDL_SCANCODE_A, SDL_SCANCODE_S, SDL_SCANCODE_D, SDL_SCANCODE_F, SDL_SCANCODE_G,
        SDL_SCANCODE_H, SDL_SCANCODE_J, SDL_SCANCODE_K, SDL_SCANCODE_L,
        SDL_SCANCODE_SEMICOLON};
    static constexpr SDL_Scancode kBottomRow[] = {
        SDL_SCANCODE_Z, SDL_SCANCODE_X, SDL_SCANCODE_C,     SDL_SCANCODE_V,
        SDL_SCANCODE_B, SDL_SCANCODE_N, SDL_SCANCODE_M,     SDL_SCANCODE_COMMA,
        SDL_SCANCODE_PERIOD, SDL_SCANCODE_SLASH};

    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_0) {
        return static_cast<uint8_t>(key::Digit1 + (sdlScancode - SDL_SCANCODE_1));
    }
    for (int i = 0; i < 10; ++i) {
        if (sdlScancode == kTopRow[i]) return static_cast<uint8_t>(key::Q + i);
        if (sdlScancode == kHomeRow[i]) return static_cast<uint8_t>(key::A + i);
        if (sdlScancode == kBottomRow[i]) return static_cast<uint8_t>(key::Z + i);
    }
    switch (sdlScancode) {
        case SDL_SCANCODE_SPACE: return key::Space;
        case SDL_SCANCODE_RETURN: return key::Return;
        case SDL_SCANCODE_F12: return key::F12;
        case SDL_SCANCODE_LCTRL: return key::LeftCtrl;
        case SDL_SCANCODE_RCTRL: return key::RightCtrl;
        case SDL_SCANCODE_UP: return key::Up;
        case SDL_SCANCODE_DOWN: return key::Down;
        case SDL_SCANCODE_LEFT: return key::Left;
        case SDL_SCANCODE_RIGHT: return key::Right;
        case SDL_SCANCODE_ESCAPE: return key::Escape;
        case SDL_SCANCODE_F1: return key::F1;
        case SDL_SCANCODE_KP_8: return key::Keypad8;
        case SDL_SCANCODE_KP_2: return key::Keypad2;
        case SDL_SCANCODE_KP_4: return key::Keypad4;
        case SDL_SCANCODE_KP_6: return key::Keypad6;
        case SDL_SCANCODE_LSHIFT: return key::LeftShift;
        default: return 0;
    }
}

ArgbTable argbTableFor(const Palette& colours) {
    ArgbTable table{};
    for (size_t i = 0; i < table.size(); ++i) {
        const Rgb c = colours[i];
        table[i] = kOpaqueBlack | (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b};
    }
    return table;
}

void convertToArgb(const Surface8& src, const ArgbTable& table, uint32_t* dst,
                   int dstPitchBytes) {
    const int32_t w = std::clamp(src.width(), 0, kScreenWidth);
    const int32_t h = std::clamp(src.height(), 0, kScreenHeight);
    const uint32_t* t = table.data();
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        uint32_t* d = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(dst) +
                                                  static_cast<ptrdiff_t>(y) * dstPitchBytes);
        int32_t x = 0;
        if (y < h) {
            const uint8_t* s = src.row(y);
            // Eight independent lookups per step keep the loads in flight.
            for (; x + 8 <= w; x += 8) {
                const uint32_t a0 = t[s[x]], a1 = t[s[x + 1]], a2 = t[s[x + 2]],
                               a3 = t[s[x + 3]], a4 = t[s[x + 4]], a5 = t[s[x + 5]],
                               a6 = t[s[x + 6]], a7 = t[s[x + 7]];
                d[x] = a0; d[x + 1] = a1; d[x + 2] = a2; d[x + 3] = a3;
                d[x + 4] = a4; d[x + 5] = a5; d[x + 6] = a6; d[x + 7] = a7;
            }
            for (; x < w; ++x) d[x] = t[s[x]];
        }
        std::fill(d + x, d + kScreenWidth, kOpaqueBlack);
    }
}

// ---- SdlPlatform --------------------------------------------------------------------

struct SdlPlatform::Handles {
    bool sdlStarted = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    std::array<Mix_Chunk*, kSoundSlots> sounds{};
    Mix_Music* music = nullptr;
};

std::string videoDriverRefusal(std::string_view picked, const char* requested) {
    if (!equalIgnoringCase(picked, "offscreen") && !equalIgnoringCase(picked, "dummy")) return {};
    std::string_view list = requested != nullptr ? requested : "";
    while (!list.empty()) {
        const size_t comma = list.find(',');
        if (equalIgnoringCase(list.substr(0, comma), picked)) return {};
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return "no display: SDL found none through DISPLAY or WAYLAND_DISPLAY and fell back to "
           "its \"" + std::string(picked) + "\" video driver";
}

SdlPlatform::SdlPlatform(bool windowed)
    : sdl_(std::make_unique<Handles>()),
      palette_(defaultSystemPalette()),
      lastFrame_(kScreenWidth, kScreenHeight),
      startNs_(steadyNowNs()) {
    try {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            sdlFailure("SDL_Init");
        }
        sdl_->sdlStarted = true;
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string refusal =
            videoDriverRefusal(driver != nullptr ? driver : "", std::getenv("SDL_VIDEODRIVER"));
        if (!refusal.empty()) throw PlatformError(refusal);

        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");

        const bool plainWindow = windowed || windowedByEnvironment();
        const Uint32 windowFlags = plainWindow ? 0u : Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP};
        // A full-screen window is made desktop-sized from the start: without a window
        // manager to enlarge it, a 640x480 window would show only part of the picture.
        int windowW = kScreenWidth;
        int windowH = kScreenHeight;
        SDL_DisplayMode desktop{};
        if (!plainWindow && SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 &&
            desktop.h > 0) {
            windowW = desktop.w;
            windowH = desktop.h;
        }
        sdl_->window = SDL_CreateWindow("MORVEK", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        windowW, windowH, windowFlags);
        if (sdl_->window == nullptr) sdlFailure("SDL_CreateWindow");

        // No SDL_RENDERER_PRESENTVSYNC: frames are paced by the game's own clock.
        sdl_->renderer = SDL_CreateRenderer(sdl_->window, -1, 0);
        if (sdl_->renderer == nullptr) sdlFailure("SDL_CreateRenderer");
        if (SDL_RenderSetLogicalSize(sdl_->renderer, kScreenWidth, kScreenHeight) != 0) {
            sdlFailure("SDL_RenderSetLogicalSize");
        }
        sdl_->texture = SDL_CreateTexture(sdl_->renderer, SDL_PIXELFORMAT_ARGB8888,
                                          SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                          kScreenHeight);
        if (sdl_->texture == nullptr) sdlFailure("SDL_CreateTexture");
        if (SDL_SetTextureBlendMode(sdl_->texture, SDL_BLENDMODE_NONE) != 0) {
            sdlFailure("SDL_SetTextureBlendMode");
        }
        if (SDL_ShowCursor(SDL_DISABLE) < 0) sdlFailure("SDL_ShowCursor");

        openAudio();
        text_ = std::make_unique<TextRenderer>();
    } catch (...) {
        shutdown();
        throw;
    }
}

SdlPlatform::~SdlPlatform() { shutdown(); }

void SdlPlatform::shutdown() {
    text_.reset();
    if (audioOpen_) {
        Mix_HaltMusic();
        freeMusic();
        Mix_HaltChannel(-1);
        for (Mix_Chunk*& chunk : sdl_->sounds) {
            if (chunk != nullptr) Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioOpen_ = false;
    }
    if (sdl_->texture != nullptr) SDL_DestroyTexture(sdl_->texture);
    if (sdl_->renderer != nullptr) SDL_DestroyRenderer(sdl_->renderer);
    if (sdl_->window != nullptr) SDL_DestroyWindow(sdl_->window);
    sdl_->texture = nullptr;
    sdl_->renderer = nullptr;
    sdl_->window = nullptr;
    if (sdl_->sdlStarted) SDL_Quit();
    sdl_->sdlStarted = false;
}

void SdlPlatform::openAudio() {
    auto goSilent = [](const char* call) {
        std::cerr << "morvek: no audio device (" << call << ": " << SDL_GetError()
                  << "); running without sound\n";
    };
    // Debian's mixer only finds a soundfont for MIDI when told explicitly.
    Mix_SetSoundFonts(MORVEK_SOUNDFONT_PATH);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        goSilent("SDL_InitSubSystem(SDL_INIT_AUDIO)");
        return;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 512) != 0) {
        goSilent("Mix_OpenAudio");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    audioOpen_ = true;
    // One channel per slot: a replay restarts its own channel, other slots keep playing.
    if (Mix_AllocateChannels(kSoundSlots) != kSoundSlots) sdlFailure("Mix_AllocateChannels");
}

// ---- display ------------------------------------------------------------------------

void SdlPlatform::createPalette(const Palette& initial) {
    palette_ = initial;
    paletteChanged();
}

void SdlPlatform::setPaletteEntries(int first, int count, const Palette& p) {
    const int begin = std::max(first, 0);
    const int end = std::min(first + std::max(count, 0), static_cast<int>(p.size()));
    for (int i = begin; i < end; ++i) palette_[i] = p[i];
    paletteChanged();
}

void SdlPlatform::paletteChanged() {
    tableValid_ = false;
    // A picture shown through its own colours does not change with the display palette.
    if (framePresented_ && !lastFrameOwnColours_) {
        table_ = argbTableFor(palette_);
        tableValid_ = true;
        showLastFrame(table_);
    }
}

void SdlPlatform::holdPresentRate() {
    const int64_t due = lastShownNs_ + minPresentIntervalMs_ * 1'000'000;
    const int64_t now = steadyNowNs();
    if (lastShownNs_ != 0 && now < due)
        std::this_thread::sleep_for(std::chrono::nanoseconds(due - now));
    lastShownNs_ = steadyNowNs();
}

void SdlPlatform::present(const Surface8& frame) {
    holdPresentRate();
    copyVisible(frame, lastFrame_);
    framePresented_ = true;
    lastFrameOwnColours_ = false;
    if (!tableValid_) {
        table_ = argbTableFor(palette_);
        tableValid_ = true;
    }
    showLastFrame(table_);
    pumpEvents();
}

void SdlPlatform::presentWithColours(const Surface8& picture, const Palette& colours) {
    holdPresentRate();
    copyVisible(picture, lastFrame_);
    framePresented_ = true;
    lastFrameOwnColours_ = true;
    showLastFrame(argbTableFor(colours));
    pumpEvents();
}

void SdlPlatform::showLastFrame(const ArgbTable& table) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(sdl_->texture, nullptr, &pixels, &pitch) != 0) {
        sdlFailure("SDL_LockTexture");
    }
    convertToArgb(lastFrame_, table, static_cast<uint32_t*>(pixels), pitch);
    SDL_UnlockTexture(sdl_->texture);
    showTexture();
}

void SdlPlatform::showTexture() {
    // The area outside the logical 640x480 (when the desktop's shape differs) stays black.
    if (SDL_SetRenderDrawColor(sdl_->renderer, 0, 0, 0, 255) != 0) {
        sdlFailure("SDL_SetRenderDrawColor");
    }
    if (SDL_RenderClear(sdl_->renderer) != 0) sdlFailure("SDL_RenderClear");
    if (SDL_RenderCopy(sdl_->renderer, sdl_->texture, nullptr, nullptr) != 0) {
        sdlFailure("SDL_RenderCopy");
    }
    SDL_RenderPresent(sdl_->renderer);
}

void SdlPlatform::pumpEvents() {
    keys_.pumped();
    pollEvents();
}

void SdlPlatform::pollEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        switch (e.type) {
            case SDL_QUIT:
                keys_.quit();
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const uint8_t code = scanCodeFromSdl(e.key.keysym.scancode);
                if (code == 0) break;
                if (e.type == SDL_KEYDOWN) {
                    keys_.keyDown(code);
                } else {
                    keys_.keyUp(code);
                }
                break;
            }
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    keys_.releaseAll();
                } else if (framePresented_ && (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                                               e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
                    showTexture();
                }
                break;
            default:
                break;
        }
    }
}

// ---- keyboard -----------------------------------------------------------------------

void SdlPlatform::readKeyboard(KeyboardState& out) {
    pollEvents();
    keys_.read(out);
}

// ---- clock --------------------------------------------------------------------------

uint64_t SdlPlatform::ticksMs() {
    return static_cast<uint64_t>((steadyNowNs() - startNs_) / 1'000'000);
}

double SdlPlatform::seconds() { return static_cast<double>(steadyNowNs() - startNs_) * 1e-9; }

void SdlPlatform::sleepMs(uint32_t ms) { SDL_Delay(ms); }

void SdlPlatform::waitUntil(uint64_t deadlineMs) {
    // Sleep the whole wait: the system wakes us within a fraction of a millisecond, and
    // spinning out the last milliseconds kept a core busy on every frame.
    const int64_t deadlineNs = startNs_ + static_cast<int64_t>(deadlineMs) * 1'000'000;
    for (int64_t now = steadyNowNs(); now < deadlineNs; now = steadyNowNs())
        std::this_thread::sleep_for(std::chrono::nanoseconds(deadlineNs - now));
}

// ---- sound --------------------------------------------------------------------------

void SdlPlatform::loadSound(int index, const std::string& path) {
    if (index < 0 || index >= kSoundSlots) {
        throw PlatformError("sound slot " + std::to_string(index) + " out of range for " + path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PlatformError("cannot open sound file " + path);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The mixer would play a cut-off file short without a word; refuse it by name.
    if (!waveFileComplete(bytes)) throw PlatformError("not a complete wave file: " + path);
    if (!audioOpen_) return;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (rw == nullptr) sdlFailure("SDL_RWFromConstMem");
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) {
        throw PlatformError("cannot load sound file " + path + ": " + Mix_GetError());
    }
    Mix_Chunk*& slot = sdl_->sounds[static_cast<size_t>(index)];
    if (slot != nullptr) {
        Mix_HaltChannel(index);
        Mix_FreeChunk(slot);
    }
    slot = chunk;
}

void SdlPlatform::playSound(int index, bool loop) {
    if (!audioOpen_ || index < 0 || index >= kSoundSlots) return;
    Mix_Chunk* chunk = sdl_->sounds[static_cast<size_t>(index)];
    if (chunk == nullptr) return;
    Mix_HaltChannel(index);
    if (Mix_PlayChannel(index, chunk, loop ? -1 : 0) < 0) sdlFailure("Mix_PlayChannel");
}

void SdlPlatform::stopSound(int index) {
    if (!audioOpen_ || index < 0 || index >= kSoundSlots) return;
    Mix_HaltChannel(index);
}

// ---- music --------------------------------------------------------------------------

void SdlPlatform::loadMusic(int index, const std::string& path) {
    if (index < 0 || index >= kMusicSlots) {
        throw PlatformError("tune slot " + std::to_string(index) + " out of range for " + path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PlatformError("cannot open tune file " + path);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) {
        throw PlatformError("not a standard MIDI file: " + path);
    }
    if (!midiFileComplete(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                           bytes.size()))) {
        throw PlatformError("not a complete MIDI file: " + path);
    }
    if (musicIndex_ == index) {
        // The playing tune is replaced: its synthesizer object goes with it.
        if (audioOpen_) Mix_HaltMusic();
        freeMusic();
    }
    tunes_[static_cast<size_t>(index)] = std::move(bytes);
}

void SdlPlatform::freeMusic() {
    if (sdl_->music != nullptr) Mix_FreeMusic(sdl_->music);
    sdl_->music = nullptr;
    musicIndex_ = -1;
}

void SdlPlatform::playMusic(int index, int plays) {
    if (!audioOpen_ || index < 0 || index >= kMusicSlots) return;
    const std::vector<uint8_t>& bytes = tunes_[static_cast<size_t>(index)];
    if (bytes.empty()) return;
    Mix_HaltMusic();
    freeMusic();
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (rw == nullptr) sdlFailure("SDL_RWFromConstMem");
    sdl_->music = Mix_LoadMUSType_RW(rw, MUS_MID, SDL_TRUE);
    if (sdl_->music == nullptr) {
        throw PlatformError("Mix_LoadMUSType_RW failed for tune " + std::to_string(index) +
                            ": " + Mix_GetError());
    }
    musicIndex_ = index;
    // The mixer's loop count for music is the number of plays (-1 = for ever).
    if (Mix_PlayMusic(sdl_->music, plays) != 0) sdlFailure("Mix_PlayMusic");
}

void SdlPlatform::stopMusic() {
    if (audioOpen_) Mix_HaltMusic();
}

void SdlPlatform::setMusicVolume(int32_t volume) {
    if (audioOpen_) Mix_VolumeMusic(musicVolumeToMixer(volume));
}

// ---- text ---------------------------------------------------------------------------

void SdlPlatform::setFont(int pointSize, bool italic) { text_->setFont(pointSize, italic); }

void SdlPlatform::drawText(Surface8& dst, int32_t x, int32_t y, std::string_view utf8,
                           Rgb colour) {
    text_->draw(dst, x, y, utf8, nearestPaletteIndex(palette_, colour));
}

// ---- system -------------------------------------------------------------------------

uint32_t SdlPlatform::randomSeed() {
    const auto now = static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()) ^
                     static_cast<uint64_t>(steadyNowNs());
    return static_cast<uint32_t>(now ^ (now >> 32));
}

std::string SdlPlatform::programFolder() {
    char* base = SDL_GetBasePath();
    if (base == nullptr) sdlFailure("SDL_GetBasePath");
    std::string folder(base);
    SDL_free(base);
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace morvek
