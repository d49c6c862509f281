// make_data <outdir>: writes every picture, sound and tune the game reads, under the file
// names of the game's tables, into <outdir>/grafics, wavbox, voicedata and musicbox.
// The output depends on nothing but this program, so every build writes the same files.

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "data/dataset.h"

namespace {

constexpr const char* kUsage =
    "usage: make_data OUTDIR\n"
    "Writes every picture, sound and tune of the game into OUTDIR/grafics, wavbox,\n"
    "voicedata and musicbox.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // An option is never taken for the output folder.
    if (argc != 2 || (argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // An empty name would fill the current folder.
    if (argv[1][0] == '\0') {
        std::fputs("make_data: OUTDIR must name a folder\n", stderr);
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const int n = morvek::data::writeDataSet(argv[1]);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("make_data: %d files written into %s in %.0f ms\n", n, argv[1], ms);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
