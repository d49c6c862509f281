#pragma once
// One input of the fuzz pass over the two readers of outside bytes: the SCORE file and the
// bitmap loader. The randomized tests in screens_fuzz_test.cpp call these; a coverage-
// guided pass builds this header as a libFuzzer target with clang, for example:
//
//   clang++ -std=c++20 -DMORVEK_LIBFUZZER -fsanitize=fuzzer,address -Isrc
//       -x c++ tests/screens_fuzz_target.h -x none <core library built with
//       -fsanitize=fuzzer-no-link,address> $(pkg-config --libs sdl2 SDL2_mixer SDL2_ttf)
//       -o screens_fuzz
//   ./screens_fuzz -max_total_time=60
//
// The first byte picks the reader; the rest is the input.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"
#include "screens/Ranking.h"

namespace morvek::testing {

/// Every SCORE reader over `bytes`: the image check, each record, and a record accepted
/// must read back the same after encoding it again.
inline bool fuzzScoreReader(std::string_view bytes) {
    (void)scoreImageValid(bytes);
    (void)decodeScoreRecord(bytes);
    for (size_t at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
        const std::string_view record = bytes.substr(at, kRecordLength);
        const auto r = decodeScoreRecord(record);
        if (!r) continue;
        const auto again = decodeScoreRecord(encodeScoreRecord(*r, record.substr(28)));
        if (!again || again->score != r->score || again->seconds != r->seconds ||
            again->grade != r->grade || again->fighter != r->fighter)
            return false;
    }
    return true;
}

/// The bitmap loader over `bytes` written to `path`: a picture or a PlatformError.
inline void fuzzBitmapLoader(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    try {
        (void)loadBitmap(path);
    } catch (const PlatformError&) {
    }
}

}  // namespace morvek::testing

#ifdef MORVEK_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        static const std::string path = "/tmp/morvek_fuzz_" + std::to_string(::getpid()) + ".cha";
        morvek::testing::fuzzBitmapLoader(path, bytes);
    } else if (!morvek::testing::fuzzScoreReader(bytes)) {
        std::abort();
    }
    return 0;
}
#endif
