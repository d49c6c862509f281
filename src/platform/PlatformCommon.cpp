// Platform helpers shared by both platforms: the colours shown before the game has a
// palette, nearest-colour lookup for text, the music volume curve, and how a program's
// failure becomes its exit status.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>

#include "platform/Platform.h"

namespace morvek {

int exitStatusOf(std::string_view name, const std::function<void()>& body) {
    try {
        body();
    } catch (const GameExitRequest&) {
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(name.size()), name.data(), e.what());
        return 1;
    }
    return 0;
}

Palette defaultSystemPalette() {
    // The twenty static colours a 256-colour desktop reserves: ten at each end, the rest
    // free (black). The start-up text must be visible in these before our palette exists.
    Palette p{};
    p[0] = {0, 0, 0};
    p[1] = {128, 0, 0};
    p[2] = {0, 128, 0};
    p[3] = {128, 128, 0};
    p[4] = {0, 0, 128};
    p[5] = {128, 0, 128};
    p[6] = {0, 128, 128};
    p[7] = {192, 192, 192};
    p[8] = {192, 220, 192};
    p[9] = {166, 202, 240};
    p[246] = {255, 251, 240};
    p[247] = {160, 160, 164};
    p[248] = {128, 128, 128};
    p[249] = {255, 0, 0};
    p[250] = {0, 255, 0};
    p[251] = {255, 255, 0};
    p[252] = {0, 0, 255};
    p[253] = {255, 0, 255};
    p[254] = {0, 255, 255};
    p[255] = {255, 255, 255};
    return p;
}

uint8_t nearestPaletteIndex(const Palette& p, Rgb c) {
    int best = 0;
    int bestDistance = 4 * 256 * 256;  // above any real distance
    for (int i = 0; i < 256; ++i) {
        const int dr = int(p[i].r) - int(c.r);
        const int dg = int(p[i].g) - int(c.g);
        const int db = int(p[i].b) - int(c.b);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {  // strict: the lowest index keeps a tie
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return static_cast<uint8_t>(best);
}

int musicVolumeToMixer(int32_t volume) {
    // The game passes hundredths of a decibel with 1000 as full level, so its volume is
    // (v - 1000) / 100 dB against full; as an amplitude that is 10^(dB / 20) of the
    // mixer's full level of 128.
    const double db = (static_cast<double>(volume) - 1000.0) / 100.0;
    const double level = std::round(128.0 * std::pow(10.0, db / 20.0));
    return static_cast<int>(std::clamp(level, 0.0, 128.0));
}

namespace {

uint32_t le32(std::string_view b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}
uint32_t be32(std::string_view b, size_t at) {
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 |
           uint32_t(uint8_t(b[at + 2])) << 8 | uint32_t(uint8_t(b[at + 3]));
}

}  // namespace

bool waveFileComplete(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return false;
    bool format = false;
    bool data = false;
    size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::string_view id = bytes.substr(at, 4);
        const uint64_t length = le32(bytes, at + 4);
        if (length > bytes.size() - at - 8) return false;  // cut off inside this chunk
        if (id == "fmt ") format = length >= 16;
        if (id == "data") data = true;
        at += 8 + size_t(length);
        // A chunk of odd length has a pad byte; a file may end without the last one.
        if ((length & 1) && at < bytes.size()) ++at;
    }
    return format && data;
}

bool midiFileComplete(std::string_view bytes) {
    if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd") return false;
    const uint64_t headerLength = be32(bytes, 4);
    if (headerLength < 6 || headerLength > bytes.size() - 8) return false;
    const unsigned tracks = unsigned(uint8_t(bytes[10])) << 8 | uint8_t(bytes[11]);
    size_t at = 8 + size_t(headerLength);
    unsigned found = 0;
    while (found < tracks) {
        if (bytes.size() - at < 8) return false;
        const uint64_t length = be32(bytes, at + 4);
        if (length > bytes.size() - at - 8) return false;
        if (bytes.substr(at, 4) == "MTrk") ++found;  // other chunk kinds are skipped
        at += 8 + size_t(length);
    }
    return true;
}

}  // namespace morvek
