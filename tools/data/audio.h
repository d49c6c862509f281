#pragma once
// The game's sounds, synthesised: effects from noise bursts, thumps, swishes and tones;
// voices from a pulse source through vowel resonances, one syllable per letter group of
// the file name. 16-bit mono PCM at 22,050 Hz.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw.h"
#include "engine/DataTables.h"

namespace morvek::data {

inline constexpr int kRate = 22050;

using Wave = std::vector<double>;

inline Wave silence(double seconds) { return Wave(static_cast<size_t>(seconds * kRate), 0.0); }

/// Adds `src` into `dst` from sample `at`, growing dst as needed.
inline void mixInto(Wave& dst, const Wave& src, double atSeconds, double gain = 1.0) {
    const size_t at = static_cast<size_t>(atSeconds * kRate);
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

/// Envelope: linear attack then exponential decay to (near) zero at the end.
inline void envelope(Wave& w, double attack, double decayRate) {
    const size_t a = std::max<size_t>(1, static_cast<size_t>(attack * kRate));
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) / kRate;
        double e = i < a ? double(i) / a : std::exp(-(t - attack) * decayRate);
        const double tail = double(w.size() - i) / std::min<size_t>(w.size(), 200);
        w[i] *= e * std::min(1.0, tail);
    }
}

/// Noise, low-passed by a one-pole filter whose cutoff runs from f0 to f1 (Hz).
inline Wave noise(double seconds, double f0, double f1, uint32_t seed, bool highPass = false) {
    Wave w = silence(seconds);
    Prng rng(seed);
    double lp = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double u = double(i) / std::max<size_t>(1, w.size());
        const double fc = f0 + (f1 - f0) * u;
        const double a = 1 - std::exp(-2 * M_PI * fc / kRate);
        const double x = rng.unit() * 2 - 1;
        lp += a * (x - lp);
        w[i] = highPass ? x - lp : lp * 1.6;
    }
    return w;
}

/// Tone sweeping from f0 to f1 (exponentially); shape 0 sine, 1 square, 2 saw.
inline Wave tone(double seconds, double f0, double f1, int shape = 0, double vibrato = 0) {
    Wave w = silence(seconds);
    double ph = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double u = double(i) / std::max<size_t>(1, w.size());
        double f = f0 * std::pow(f1 / f0, u);
        if (vibrato > 0) f *= 1 + vibrato * std::sin(2 * M_PI * 6 * i / kRate);
        ph += f / kRate;
        ph -= std::floor(ph);
        w[i] = shape == 0 ? std::sin(2 * M_PI * ph) : shape == 1 ? (ph < 0.5 ? 0.7 : -0.7) : (2 * ph - 1) * 0.8;
    }
    return w;
}

inline Wave thump(double seconds, double f0, double f1, double decay) {
    Wave w = tone(seconds, f0, f1);
    envelope(w, 0.003, decay);
    return w;
}
inline Wave swish(double seconds, double f0, double f1, uint32_t seed) {
    Wave w = noise(seconds, f0, f1, seed);
    for (size_t i = 0; i < w.size(); ++i) w[i] *= std::sin(M_PI * i / w.size());
    return w;
}
inline Wave burst(double seconds, double cutoff, double decay, uint32_t seed) {
    Wave w = noise(seconds, cutoff, cutoff * 0.5, seed);
    envelope(w, 0.002, decay);
    return w;
}
inline Wave ring(double seconds, double f, double decay) {
    Wave w = tone(seconds, f, f);
    Wave b = tone(seconds, f * 2.76, f * 2.76);
    Wave c = tone(seconds, f * 5.4, f * 5.4);
    for (size_t i = 0; i < w.size(); ++i) w[i] = 0.6 * w[i] + 0.3 * b[i] + 0.15 * c[i];
    envelope(w, 0.002, decay);
    return w;
}
inline Wave blip(double seconds, double f, int shape = 1) {
    Wave w = tone(seconds, f, f, shape);
    envelope(w, 0.002, 8 / seconds);
    return w;
}

/// Scales to a peak of `peak` (of full scale) and fades the last 3 ms to silence.
inline std::vector<int16_t> finish(Wave w, double peak = 0.8) {
    double m = 1e-9;
    for (double v : w) m = std::max(m, std::fabs(v));
    std::vector<int16_t> out(w.size());
    const size_t fade = std::min<size_t>(w.size(), 66);
    for (size_t i = 0; i < w.size(); ++i) {
        double v = w[i] / m * peak;
        if (i + fade >= w.size()) v *= double(w.size() - 1 - i) / fade;
        out[i] = static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return out;
}

/// The sound effect of index 0-59.
inline std::vector<int16_t> synthEffect(int index) {
    // indexes that share a file share one sound: use the first index naming that file
    for (int i = kFirstEffect; i < index; ++i)
        if (soundFileName(i) == soundFileName(index)) {
            index = i;
            break;
        }
    const uint32_t seed = 1000 + index * 17;
    Wave w;
    switch (index) {
    case 0: w = blip(0.07, 880); break;
    case 1: w = thump(0.16, 160, 55, 22); mixInto(w, burst(0.05, 3000, 60, seed), 0, 0.6); break;
    case 2: case 4: w = swish(0.26, 800, 3500, seed); break;
    case 3: case 26: w = ring(0.3, 1250, 18); mixInto(w, burst(0.04, 6000, 80, seed), 0, 0.7); break;
    case 5: w = thump(0.14, 140, 60, 25); mixInto(w, thump(0.2, 150, 50, 18), 0.09); mixInto(w, burst(0.05, 2500, 50, seed), 0, 0.5); break;
    case 6: w = thump(0.15, 70, 40, 20); mixInto(w, thump(0.2, 65, 38, 16), 0.22); mixInto(w, silence(0.7), 0); break;
    case 7: w = swish(0.1, 1500, 2500, seed); mixInto(w, thump(0.18, 120, 50, 20), 0.07); break;
    case 8: w = noise(0.45, 600, 900, seed); envelope(w, 0.02, 5); break;
    case 9: w = tone(0.5, 200, 1200, 2, 0.02); envelope(w, 0.05, 3); break;
    case 10: w = swish(0.18, 1200, 4000, seed); break;
    case 11: w = thump(0.15, 180, 60, 26); mixInto(w, burst(0.06, 4000, 70, seed), 0, 0.8); break;
    case 12: w = thump(0.28, 120, 40, 12); mixInto(w, burst(0.1, 2500, 30, seed), 0, 0.8); break;
    case 13: w = swish(0.12, 2500, 6000, seed); break;
    case 14: w = thump(0.3, 100, 35, 10); mixInto(w, burst(0.15, 1800, 20, seed), 0, 0.9); break;
    case 15: w = burst(0.45, 5000, 8, seed); mixInto(w, thump(0.3, 90, 35, 10), 0); break;
    case 16: w = burst(0.1, 8000, 45, seed); mixInto(w, tone(0.08, 900, 600), 0, 0.3); break;
    case 17: case 45: w = burst(0.7, 1500, 5, seed); mixInto(w, thump(0.6, 80, 25, 5), 0); break;
    case 18: w = ring(0.18, 900, 28); mixInto(w, burst(0.03, 5000, 100, seed), 0, 0.6); break;
    case 19: w = burst(0.1, 2500, 40, seed); mixInto(w, thump(0.1, 200, 80, 30), 0, 0.6); break;
    case 20: w = swish(0.4, 400, 5000, seed); mixInto(w, ring(0.5, 1568, 8), 0.25, 0.5); break;
    case 21: case 31: w = swish(0.25, 1500, 5000, seed); mixInto(w, ring(0.4, 2093, 10), 0.12, 0.5); break;
    case 22: w = tone(0.7, 150, 1400, 2, 0.05); envelope(w, 0.1, 2.5); break;
    case 23: w = thump(0.12, 140, 70, 25); mixInto(w, noise(0.15, 1200, 800, seed), 0.03, 0.4); break;
    case 24: for (int k = 0; k < 3; ++k) mixInto(w, tone(0.09, 1800, 2600), 0.12 * k, 0.7); envelope(w, 0.005, 3); break;
    case 25: {
        const double notes[] = {523.25, 659.25, 783.99, 1046.5};
        for (int k = 0; k < 4; ++k) mixInto(w, ring(0.35, notes[k], 9), 0.08 * k, 0.6);
        break;
    }
    case 27: w = thump(0.9, 90, 30, 3.5); mixInto(w, burst(0.6, 900, 5, seed), 0, 0.6); break;
    case 28: w = noise(0.22, 3000, 1500, seed, true); envelope(w, 0.01, 12); break;
    case 29: w = tone(0.25, 2000, 200, 1); envelope(w, 0.003, 10); break;
    case 30: for (int k = 0; k < 8; ++k) mixInto(w, burst(0.05, 3000, 70, seed + k), 0.06 * k); break;
    case 32: w = swish(0.22, 700, 2500, seed); break;
    case 33: w = tone(0.6, 100, 600, 2, 0.08); mixInto(w, swish(0.6, 300, 3000, seed), 0, 0.5); break;
    case 34: w = thump(0.08, 90, 60, 40); mixInto(w, thump(0.08, 85, 55, 40), 0.25); break;
    case 35: w = burst(0.15, 6000, 25, seed); mixInto(w, ring(0.25, 1760, 14), 0, 0.4); break;
    case 36: w = ring(0.5, 2637, 6); mixInto(w, swish(0.12, 3000, 6000, seed), 0, 0.5); break;
    case 37: w = thump(0.18, 220, 70, 20); mixInto(w, burst(0.05, 5000, 70, seed), 0, 0.5); break;
    case 38: w = noise(1.0, 5000, 300, seed); envelope(w, 0.005, 3); mixInto(w, thump(0.9, 60, 30, 3), 0.05, 0.8); break;
    case 39: w = swish(0.6, 500, 3000, seed); mixInto(w, tone(0.6, 300, 900, 2), 0, 0.3); break;
    case 40: w = noise(0.35, 900, 1400, seed); envelope(w, 0.02, 6); break;
    case 41: w = tone(0.5, 110, 130, 2, 0.1); envelope(w, 0.05, 3); break;
    case 42: w = blip(0.05, 1320, 0); break;
    case 43: w = tone(0.5, 3000, 300, 2); envelope(w, 0.003, 5); break;
    case 44: w = noise(0.5, 500, 500, seed); for (size_t i = 0; i < w.size(); ++i) w[i] *= 0.6 + 0.4 * std::sin(2 * M_PI * 5 * i / kRate); envelope(w, 0.05, 2); break;
    case 46: w = tone(0.7, 220, 180, 2, 0.2); mixInto(w, noise(0.7, 4000, 2000, seed), 0, 0.4); envelope(w, 0.01, 2.5); break;
    case 47: w = tone(0.25, 110, 100, 1); envelope(w, 0.005, 6); break;
    case 48: w = thump(0.14, 160, 90, 22); mixInto(w, swish(0.1, 1500, 3000, seed), 0, 0.5); break;
    case 49: w = swish(0.16, 300, 900, seed); break;
    case 50: w = tone(0.45, 400, 2400, 0, 0.15); envelope(w, 0.01, 4); break;
    case 51: for (double f : {110.0, 130.8, 155.6}) mixInto(w, tone(0.8, f, f * 0.98, 2), 0, 0.3); envelope(w, 0.05, 2.5); break;
    case 52: w = ring(0.4, 180, 10); mixInto(w, burst(0.3, 2500, 12, seed), 0, 0.8); break;
    case 53: w = noise(0.25, 800, 300, seed); envelope(w, 0.01, 10); mixInto(w, tone(0.2, 300, 120), 0, 0.3); break;
    case 54: w = burst(1.2, 2000, 3, seed); mixInto(w, thump(1.0, 70, 25, 2.5), 0); mixInto(w, ring(1.2, 1046.5, 2.5), 0.1, 0.4); break;
    case 55: {
        // score counting: 16 short ticks in 0.48 s, each starting and ending at silence, so
        // the sound loops without a click
        const size_t period = kRate * 3 / 100;  // 30 ms
        w = silence(0.48);
        for (size_t i = 0; i < w.size(); ++i) {
            const size_t k = i % period;
            const double env = k < period / 2 ? std::sin(M_PI * k / (period / 2)) : 0.0;
            w[i] = env * std::sin(2 * M_PI * 1760.0 * k / kRate);
        }
        break;
    }
    case 56: w = tone(0.2, 1200, 400, 1); envelope(w, 0.003, 12); break;
    case 57: w = swish(0.3, 800, 6000, seed); mixInto(w, ring(0.5, 1318.5, 7), 0.05, 0.6); break;
    case 58: w = swish(0.18, 600, 2000, seed); mixInto(w, thump(0.25, 110, 40, 14), 0.15); break;
    case 59: w = thump(0.14, 170, 60, 25); mixInto(w, thump(0.18, 160, 50, 20), 0.12); mixInto(w, burst(0.05, 3500, 60, seed), 0.12, 0.6); break;
    default: w = blip(0.1, 440 + index * 20); break;
    }
    return finish(w);
}

// ---- voices ---------------------------------------------------------------------

struct Formants { double f1, f2, f3; };
inline Formants vowelFormants(char v) {
    switch (v) {
    case 'a': return {800, 1200, 2500};
    case 'i': return {300, 2300, 3000};
    case 'u': return {350, 1250, 2300};
    case 'e': return {500, 1900, 2500};
    default: return {500, 900, 2400};  // o
    }
}

/// Two-pole resonator over `in`.
inline Wave resonate(const Wave& in, double f, double bw) {
    Wave out(in.size());
    const double r = std::exp(-M_PI * bw / kRate);
    const double b1 = -2 * r * std::cos(2 * M_PI * f / kRate), b2 = r * r;
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < in.size(); ++i) {
        const double y = (1 - r) * in[i] - b1 * y1 - b2 * y2;
        out[i] = y;
        y2 = y1;
        y1 = y;
    }
    return out;
}

/// A syllable: optional consonant onset then a voiced vowel at pitch f0 (falling a little).
inline Wave syllable(const std::string& cons, char vowel, double f0, double seconds, uint32_t seed) {
    Wave w;
    double at = 0;
    if (!cons.empty()) {
        const char c = cons[0];
        if (c == 's' || c == 'z' || c == 'j' || c == 'f' || c == 'c') {
            Wave h = noise(0.07, 3000, 5000, seed, true);
            envelope(h, 0.01, 20);
            mixInto(w, h, 0, 0.5);
            at = 0.05;
        } else if (c == 'h') {
            Wave h = noise(0.06, 1500, 1500, seed);
            envelope(h, 0.01, 25);
            mixInto(w, h, 0, 0.5);
            at = 0.04;
        } else if (c == 'k' || c == 't' || c == 'p' || c == 'g' || c == 'd' || c == 'b') {
            mixInto(w, burst(0.025, 4000, 120, seed), 0, 0.7);
            at = 0.02;
        }
    }
    // glottal pulses
    Wave src = silence(seconds);
    double ph = 0;
    for (size_t i = 0; i < src.size(); ++i) {
        const double u = double(i) / src.size();
        ph += f0 * (1.0 - 0.15 * u) / kRate;
        ph -= std::floor(ph);
        src[i] = (ph < 0.1 ? 1.0 : 0.0) - 0.1;
    }
    const Formants f = vowelFormants(vowel);
    Wave v = resonate(src, f.f1, 90);
    const Wave v2 = resonate(src, f.f2, 120);
    const Wave v3 = resonate(src, f.f3, 160);
    for (size_t i = 0; i < v.size(); ++i) v[i] = v[i] + 0.6 * v2[i] + 0.25 * v3[i];
    const size_t a = static_cast<size_t>(0.015 * kRate);
    for (size_t i = 0; i < v.size(); ++i) {
        const double rel = double(v.size() - i) / (0.06 * kRate);
        v[i] *= std::min({1.0, double(i) / a, rel});
    }
    mixInto(w, v, at);
    return w;
}

/// The voice for sound file `stem` (e.g. "haaaa", "syoryuken"); `index` sets the pitch.
inline std::vector<int16_t> synthVoice(std::string_view stem, int index) {
    std::string s;
    for (char c : stem) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z') s.push_back(c);
    }
    auto isVowel = [](char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; };
    const double f0 = 95 + (index * 37 % 80);
    Wave w;
    double t = 0;
    int count = 0;
    std::string cons;
    for (size_t i = 0; i < s.size() && count < 9; ++i) {
        const char c = s[i];
        if (!isVowel(c)) {
            if (c == 'n' && (i + 1 == s.size() || !isVowel(s[i + 1]))) {  // syllabic n
                Wave n = tone(0.12, f0, f0 * 0.9);
                envelope(n, 0.01, 10);
                mixInto(w, n, t, 0.3);
                t += 0.1;
                continue;
            }
            if (std::isdigit(static_cast<unsigned char>(c))) continue;
            cons.push_back(c);
            continue;
        }
        // a run of the same vowel is one long vowel
        size_t j = i;
        while (j + 1 < s.size() && s[j + 1] == c) ++j;
        const double len = 0.11 + 0.08 * (j - i) + (j + 1 == s.size() ? 0.08 : 0);
        const double pitch = f0 * (1.0 + 0.12 * std::sin(count * 1.7 + index));
        mixInto(w, syllable(cons, c, pitch, len, 5000 + index * 31 + count), t);
        t += len * 0.92 + (cons.empty() ? 0 : 0.03);
        cons.clear();
        ++count;
        i = j;
    }
    if (w.empty()) w = syllable("h", 'a', f0, 0.2, 77);
    mixInto(w, silence(0.05), t);
    return finish(w, 0.75);
}

/// A RIFF/WAVE file holding the samples (PCM, 16-bit mono, 22,050 Hz).
inline std::vector<uint8_t> wavBytes(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> b;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { b.push_back(static_cast<uint8_t>(v)); b.push_back(static_cast<uint8_t>(v >> 8)); };
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);         // PCM
    u16(1);         // mono
    u32(kRate);
    u32(kRate * 2); // bytes per second
    u16(2);         // block align
    u16(16);        // bits
    tag("data");
    u32(dataBytes);
    for (int16_t v : samples) u16(static_cast<uint16_t>(v));
    return b;
}

}  // namespace morvek::data
