// Writes every picture, sound and tune the game reads into <outdir>.
#include <cstdio>
#include <filesystem>
#include <string>

#include "data/common_sheet.h"
#include "platform/Bitmap.h"

using namespace morvek;
using namespace morvek::data;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_data <outdir>\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out / "grafics");
    const Palette pal = workingPalette();
    for (const FighterArt& f : fighterArts())
        writeBitmap((out / "grafics" / (std::string(f.stem) + ".cha")).string(), buildFighterSheet(f), pal);
    writeBitmap((out / "grafics" / "god.cha").string(), buildGodSheet(), pal);
    writeBitmap((out / "grafics" / "attackeffect.cha").string(), buildCommonSheet(), pal);
    return 0;
}
