#pragma once
// The game's tunes: small standard MIDI files (format 0) with a melody, a bass line and
// drums, each in its own key, tempo and instruments, a whole number of bars long with
// every note ended by the last tick, so a repeat joins cleanly.

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "draw.h"

namespace morvek::data {

struct TuneStyle {
    int bpm;
    int root;            ///< MIDI note of the key's tonic (melody octave)
    bool minor;
    int melodyProgram;
    int bassProgram;
    int padProgram;      ///< chords (-1: none)
    int bars;
    int drums;           ///< 0 rock, 1 calm, 2 march/fanfare, 3 dance
    const char* progression;  ///< scale degrees (1-7) one per bar, cycled
    uint32_t seed;
};

/// One style per tune index, in the tune table's order.
inline TuneStyle tuneStyle(int index) {
    static const TuneStyle styles[18] = {
        {140, 72, true, 30, 38, 48, 16, 0, "1645", 11},    // title
        {156, 69, true, 29, 34, -1, 8, 0, "1675", 12},     // GOUDA's stage
        {128, 77, false, 80, 38, 89, 8, 3, "1564", 13},    // character select
        {120, 72, false, 56, 33, 61, 4, 2, "1451", 14},    // match won
        {90, 74, true, 0, 32, 48, 8, 1, "1456", 15},       // continue
        {70, 69, true, 48, 42, 49, 4, 1, "1465", 16},      // match lost
        {150, 76, true, 30, 38, -1, 8, 0, "1674", 17},     // MORVEKBOY
        {132, 74, true, 77, 33, 107, 8, 1, "1417", 18},    // GINZAMURAI
        {138, 79, true, 73, 33, 110, 8, 2, "1471", 19},    // HONEKAWA
        {160, 78, true, 81, 39, 90, 8, 3, "1764", 20},     // INTERRUPTER
        {110, 70, false, 4, 33, 89, 8, 1, "1625", 21},     // training set-up
        {116, 74, false, 10, 32, -1, 8, 2, "1545", 22},    // BURI
        {100, 73, true, 19, 32, 52, 8, 1, "1656", 23},     // G O D
        {168, 74, true, 61, 38, 48, 8, 0, "1675", 24},     // final stage
        {96, 79, false, 73, 32, 48, 16, 1, "1465", 25},    // ending
        {144, 71, true, 61, 34, -1, 8, 0, "1467", 26},     // NANGIEF
        {124, 76, false, 87, 38, 89, 8, 3, "1645", 27},    // training
        {152, 79, true, 29, 38, -1, 8, 0, "1765", 28},     // BETABOY
    };
    return styles[std::clamp(index, 0, 17)];
}

struct MidiNote {
    uint32_t tick;
    uint32_t length;
    uint8_t channel, note, velocity;
};

inline constexpr int kPpq = 96;

inline int scaleNote(int root, bool minor, int degree) {
    static constexpr int maj[7] = {0, 2, 4, 5, 7, 9, 11};
    static constexpr int mnr[7] = {0, 2, 3, 5, 7, 8, 10};
    const int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    const int d = degree - oct * 7;
    return root + 12 * oct + (minor ? mnr[d] : maj[d]);
}

/// The notes of tune `index` (all channels).
inline std::vector<MidiNote> composeTune(int index) {
    const TuneStyle st = tuneStyle(index);
    Prng rng(st.seed * 2654435761u);
    std::vector<MidiNote> notes;
    const uint32_t bar = 4 * kPpq, eighth = kPpq / 2;
    const std::string_view prog = st.progression;
    // a two-bar motif, reused with variations so the tune has a shape
    std::vector<int> motif;
    for (int i = 0; i < 16; ++i) motif.push_back(rng.range(-2, 4));
    for (int b = 0; b < st.bars; ++b) {
        const int chord = prog[b % prog.size()] - '1';  // degree 0-6
        const uint32_t t0 = b * bar;
        const bool last = b == st.bars - 1;
        // bass: root on the beats, fifth in between
        for (int beat = 0; beat < 4; ++beat) {
            const int deg = (beat % 2 == 0) ? chord : chord + 4;
            notes.push_back({t0 + beat * kPpq, kPpq - 8, 1, static_cast<uint8_t>(scaleNote(st.root - 24, st.minor, deg)), 96});
        }
        // chords
        if (st.padProgram >= 0)
            for (int k = 0; k < 3; ++k)
                notes.push_back({t0, bar - 10, 2, static_cast<uint8_t>(scaleNote(st.root - 12, st.minor, chord + 2 * k)), 60});
        // melody: eighth-note grid over the motif, landing on chord tones
        if (last) {
            notes.push_back({t0, bar - 12, 0, static_cast<uint8_t>(scaleNote(st.root, st.minor, 0)), 104});
        } else {
            for (int e = 0; e < 8;) {
                const int len = (rng.range(0, 3) == 0 || e == 7) ? 1 : 2;
                const int m = motif[(b % 2) * 8 + e] + (b / 2 % 2 ? 1 : 0);
                int deg = chord + ((e % 2 == 0) ? (m / 2) * 2 : m);
                while (deg > 9) deg -= 7;
                while (deg < -2) deg += 7;
                if (rng.range(0, 7) != 0)
                    notes.push_back({t0 + e * eighth, len * eighth - 6, 0, static_cast<uint8_t>(scaleNote(st.root, st.minor, deg)),
                                     static_cast<uint8_t>(e % 2 == 0 ? 100 : 84)});
                e += len;
            }
        }
        // drums (channel 10): 36 kick, 38 snare, 42 closed hat, 46 open hat, 49 crash, 45 tom
        for (int e = 0; e < 8; ++e) {
            const uint32_t t = t0 + e * eighth;
            auto hit = [&](uint8_t n, uint8_t v) { notes.push_back({t, eighth / 2, 9, n, v}); };
            if (b == 0 && e == 0) hit(49, 100);
            switch (st.drums) {
            case 0:
                if (e == 0 || e == 4 || (e == 5 && b % 2)) hit(36, 110);
                if (e == 2 || e == 6) hit(38, 100);
                hit(42, e % 2 ? 60 : 80);
                break;
            case 1:
                if (e == 0) hit(36, 90);
                if (e == 4) hit(38, 70);
                if (e % 2 == 0) hit(42, 55);
                break;
            case 2:
                if (e % 2 == 0) hit(36, 90);
                if (e == 2 || e == 6 || e == 7) hit(38, 85);
                if (last && e >= 4) hit(45, 95);
                break;
            default:
                if (e % 2 == 0) hit(36, 110);
                if (e == 2 || e == 6) hit(38, 90);
                hit(e % 2 ? 46 : 42, 70);
                break;
            }
        }
    }
    return notes;
}

/// A format-0 standard MIDI file of tune `index`.
inline std::vector<uint8_t> midiBytes(int index) {
    const TuneStyle st = tuneStyle(index);
    const auto notes = composeTune(index);
    struct Ev { uint32_t tick; int order; std::vector<uint8_t> data; };
    std::vector<Ev> evs;
    const uint32_t end = static_cast<uint32_t>(st.bars) * 4 * kPpq;
    const uint32_t usPerBeat = 60000000u / static_cast<uint32_t>(st.bpm);
    evs.push_back({0, 0, {0xFF, 0x51, 0x03, uint8_t(usPerBeat >> 16), uint8_t(usPerBeat >> 8), uint8_t(usPerBeat)}});
    evs.push_back({0, 0, {0xFF, 0x58, 0x04, 4, 2, 24, 8}});
    evs.push_back({0, 1, {0xC0, uint8_t(st.melodyProgram)}});
    evs.push_back({0, 1, {0xC1, uint8_t(st.bassProgram)}});
    if (st.padProgram >= 0) evs.push_back({0, 1, {0xC2, uint8_t(st.padProgram)}});
    evs.push_back({0, 1, {0xB2, 7, 70}});
    for (const MidiNote& n : notes) {
        const uint32_t off = std::min(n.tick + n.length, end);
        evs.push_back({n.tick, 3, {uint8_t(0x90 | n.channel), n.note, n.velocity}});
        evs.push_back({off, 2, {uint8_t(0x80 | n.channel), n.note, 0}});
    }
    evs.push_back({end, 9, {0xFF, 0x2F, 0x00}});
    std::stable_sort(evs.begin(), evs.end(), [](const Ev& a, const Ev& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> trk;
    uint32_t now = 0;
    for (const Ev& e : evs) {
        uint32_t d = e.tick - now;
        now = e.tick;
        uint8_t buf[5];
        int n = 0;
        buf[n++] = d & 0x7F;
        while (d >>= 7) buf[n++] = static_cast<uint8_t>(0x80 | (d & 0x7F));
        while (n) trk.push_back(buf[--n]);
        trk.insert(trk.end(), e.data.begin(), e.data.end());
    }
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, uint8_t(kPpq >> 8), uint8_t(kPpq & 0xFF),
                                'M', 'T', 'r', 'k'};
    const uint32_t len = static_cast<uint32_t>(trk.size());
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(len >> (8 * i)));
    out.insert(out.end(), trk.begin(), trk.end());
    return out;
}

}  // namespace morvek::data
