// The platform without a machine: virtual time, scripted keys, recorded sound, and a
// display that only remembers what it was shown.

#include "platform/HeadlessPlatform.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/TextRenderer.h"

namespace morvek {

HeadlessPlatform::HeadlessPlatform()
    : palette_(defaultSystemPalette()), lastFrame_(kScreenWidth, kScreenHeight) {}

HeadlessPlatform::~HeadlessPlatform() = default;

// ---- scripting ------------------------------------------------------------------------

void HeadlessPlatform::holdKeysForPresents(std::vector<uint8_t> scanCodes, uint64_t fromPresent,
                                           uint64_t toPresent) {
    keySpans_.push_back(KeySpan{std::move(scanCodes), true, fromPresent, toPresent});
}

void HeadlessPlatform::holdKeysForTime(std::vector<uint8_t> scanCodes, uint64_t fromMs,
                                       uint64_t toMs) {
    keySpans_.push_back(KeySpan{std::move(scanCodes), false, fromMs, toMs});
}

void HeadlessPlatform::tapKey(uint8_t scanCode) { taps_.push_back(scanCode); }

void HeadlessPlatform::tapKeyWithinPump(uint8_t scanCode) {
    latch_.keyDown(scanCode);
    latch_.keyUp(scanCode);
}

void HeadlessPlatform::tapKeyAfterReads(uint8_t scanCode, uint64_t reads) {
    tapsAfterReads_.emplace_back(reads, scanCode);
}

void HeadlessPlatform::onPresent(std::function<void(uint64_t)> hook) {
    presentHook_ = std::move(hook);
}

void HeadlessPlatform::clearKeyScript() {
    keySpans_.clear();
    taps_.clear();
    tapsAfterReads_.clear();
    latch_.releaseAll();
}

void HeadlessPlatform::clearLogs() {
    audioLog_.clear();
    textLog_.clear();
}

void HeadlessPlatform::saveScreenshot(const std::string& path) const {
    writePng(path, lastFrame_, palette_);
}

// ---- display --------------------------------------------------------------------------

void HeadlessPlatform::createPalette(const Palette& initial) {
    palette_ = initial;
    paletteCreated_ = true;
}

void HeadlessPlatform::setPaletteEntries(int first, int count, const Palette& p) {
    const int64_t from = std::max<int64_t>(0, first);
    const int64_t to = std::min<int64_t>(256, int64_t(first) + count);
    for (int64_t i = from; i < to; ++i) palette_[static_cast<size_t>(i)] = p[static_cast<size_t>(i)];
}

void HeadlessPlatform::present(const Surface8& frame) {
    if (presentLimit_ != 0 && presents_ >= presentLimit_)
        throw PlatformError("headless present limit of " + std::to_string(presentLimit_) +
                            " presents reached");
    // Keep the visible part only, as the screen would; what lies outside it is black.
    lastFrame_.fill(0);
    const int32_t w = std::min(frame.width(), kScreenWidth);
    const int32_t h = std::min(frame.height(), kScreenHeight);
    for (int32_t y = 0; y < h; ++y) std::memcpy(lastFrame_.row(y), frame.row(y), size_t(w));

    ++presents_;
    nowMs_ += presentCostMs_;
    pumpEvents();
    // The hook sees the new count: a key script for present index presentCount() is the
    // one the next read sees.
    if (presentHook_) presentHook_(presents_);
}

void HeadlessPlatform::presentWithColours(const Surface8& picture, const Palette& colours) {
    present(picture);
}

// ---- keyboard -------------------------------------------------------------------------

void HeadlessPlatform::pumpEvents() { latch_.pumped(); }

void HeadlessPlatform::readKeyboard(KeyboardState& out) {
    for (const auto& [reads, scanCode] : tapsAfterReads_)
        if (reads <= keyboardReads_) tapKeyWithinPump(scanCode);
    std::erase_if(tapsAfterReads_, [this](const auto& tap) { return tap.first <= keyboardReads_; });
    latch_.read(out);
    ++keyboardReads_;
    for (const KeySpan& span : keySpans_) {
        const uint64_t now = span.byPresent ? presents_ : nowMs_;
        if (now < span.from || now >= span.to) continue;
        for (uint8_t k : span.keys) out[k] = key::IsDown;
    }
    for (uint8_t k : taps_) out[k] = key::IsDown;
    taps_.clear();
}

// ---- clock ----------------------------------------------------------------------------

void HeadlessPlatform::waitUntil(uint64_t deadlineMs) { nowMs_ = std::max(nowMs_, deadlineMs); }

// ---- sound and music ------------------------------------------------------------------

void HeadlessPlatform::log(AudioEvent::Kind kind, int index, int32_t value) {
    audioLog_.push_back(AudioEvent{kind, index, value, nowMs_, presents_});
}

void HeadlessPlatform::checkFile(const std::string& path) const {
    if (requireFiles_ && !resolvePathCaseInsensitive(path))
        throw PlatformError("cannot open file " + path);
}

void HeadlessPlatform::loadSound(int index, const std::string& path) {
    if (index < 0 || index >= kSoundSlots)
        throw PlatformError("sound slot " + std::to_string(index) + " out of range for " + path);
    checkFile(path);
    soundLoaded_[size_t(index)] = true;
    log(AudioEvent::LoadSound, index);
}

void HeadlessPlatform::playSound(int index, bool loop) {
    if (index < 0 || index >= kSoundSlots || !soundLoaded_[size_t(index)]) return;
    log(loop ? AudioEvent::LoopSound : AudioEvent::PlaySound, index);
}

void HeadlessPlatform::stopSound(int index) {
    if (index < 0 || index >= kSoundSlots || !soundLoaded_[size_t(index)]) return;
    log(AudioEvent::StopSound, index);
}

void HeadlessPlatform::loadMusic(int index, const std::string& path) {
    if (index < 0 || index >= kMusicSlots)
        throw PlatformError("music slot " + std::to_string(index) + " out of range for " + path);
    checkFile(path);
    musicLoaded_[size_t(index)] = true;
    log(AudioEvent::LoadMusic, index);
}

void HeadlessPlatform::playMusic(int index, int plays) {
    if (index < 0 || index >= kMusicSlots || !musicLoaded_[size_t(index)]) return;
    log(AudioEvent::PlayMusic, index, plays);
}

void HeadlessPlatform::stopMusic() { log(AudioEvent::StopMusic, 0); }

void HeadlessPlatform::setMusicVolume(int32_t volume) { log(AudioEvent::MusicVolume, 0, volume); }

// ---- text -----------------------------------------------------------------------------

void HeadlessPlatform::setFont(int pointSize, bool italic) {
    fontSize_ = pointSize;
    fontItalic_ = italic;
}

void HeadlessPlatform::drawText(Surface8& dst, int32_t x, int32_t y, std::string_view utf8,
                                Rgb colour) {
    textLog_.push_back(TextEvent{x, y, std::string(utf8), colour, fontSize_, fontItalic_, presents_});
    if (!text_) {
        std::error_code ec;
        if (!std::filesystem::exists(MORVEK_FONT_PATH, ec)) return;  // logged only
        text_ = std::make_unique<TextRenderer>();
    }
    text_->setFont(fontSize_, fontItalic_);
    text_->draw(dst, x, y, utf8, nearestPaletteIndex(palette_, colour));
}

}  // namespace morvek
