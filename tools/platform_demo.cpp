// A look at the SDL platform without the game: builds a test picture, saves it as an
// 8-bit BMP and loads it back, blits it keyed, mirrored and stretched into a back buffer
// of the game's size, writes the start-up's loading line and shows it for two seconds
// (Escape or closing the window ends it sooner).
//
//   MORVEK_WINDOWED=1 build/bin/platform_demo

#include <iostream>
#include <string>

#include "platform/Bitmap.h"
#include "platform/SdlPlatform.h"

using namespace morvek;

namespace {

// An asymmetric picture, so a mirrored copy is easy to tell: a framed panel, an arrow
// pointing right, a ring, a row of the palette's named colours and a label.
Surface8 makeTestPicture(Platform& platform) {
    Surface8 pic(160, 120);  // index 0 all round: transparent when keyed
    pic.fillRect(Rect{8, 8, 152, 112}, 7);     // light grey panel
    pic.fillRect(Rect{12, 12, 148, 108}, 4);   // navy inside
    for (int32_t i = 0; i < 30; ++i) {         // arrow head pointing right
        pic.fillRect(Rect{70 + i, 20 + i, 72 + i, 80 - i}, 251);
    }
    pic.fillRect(Rect{20, 42, 70, 58}, 251);   // arrow shaft
    drawCircle(pic, 125, 40, 14, 3, 249);      // red ring
    pic.fillRect(Rect{60, 45, 100, 55}, 0);    // a hole: the background shows through
    const uint8_t named[] = {249, 250, 251, 252, 253, 254, 255, 1, 2, 3, 5, 6};
    for (int32_t i = 0; i < 12; ++i) {
        pic.fillRect(rectXYWH(16 + i * 11, 90, 10, 12), named[i]);
    }
    platform.setFont(12, false);
    platform.drawText(pic, 16, 62, "R->", Rgb{255, 255, 255});
    return pic;
}

int run() {
    SdlPlatform platform;
    const Palette colours = defaultSystemPalette();

    const std::string path = "/tmp/morvek_platform_demo.bmp";
    writeBitmap(path, makeTestPicture(platform), colours);
    const Bitmap sheet = loadBitmap(path);
    const Surface8& pic = sheet.pixels;

    Surface8 back(1640, 1480);
    back.fill(6);  // teal, so keyed edges show
    blit(back, rectXYWH(20, 20, 160, 120), pic, pic.bounds(), BlitKeyed);
    blit(back, rectXYWH(200, 20, 160, 120), pic, pic.bounds(), BlitKeyed | BlitMirror);
    blit(back, rectXYWH(380, 20, 240, 120), pic, pic.bounds(), BlitCopy);
    blit(back, rectXYWH(20, 160, 320, 240), pic, pic.bounds(), BlitKeyed);
    blit(back, rectXYWH(360, 160, 240, 180), pic, pic.bounds(), BlitKeyed | BlitMirror);
    blit(back, rectXYWH(-60, 420, 160, 60), pic, pic.bounds(), BlitKeyed);  // clipped left

    platform.setFont(16, false);
    platform.drawText(back, 400, 400, "NOW LOADING・・・", Rgb{255, 0, 255});

    KeyboardState keys{};
    const uint64_t start = platform.ticksMs();
    uint64_t next = start;
    while (platform.ticksMs() < start + 2000) {
        platform.present(back);
        platform.readKeyboard(keys);
        if (keys[key::Escape] & key::IsDown) break;
        next += 26;
        platform.waitUntil(next);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* usage =
        "usage: platform_demo\n"
        "Shows a test picture through the SDL platform for two seconds (Escape ends it\n"
        "sooner); MORVEK_WINDOWED=1 gives a 640x480 window.\n";
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << usage;
        return 0;
    }
    if (argc > 1) {
        std::cerr << usage;
        return 2;
    }
    try {
        return run();
    } catch (const PlatformError& e) {
        std::cerr << "platform_demo: " << e.what() << '\n';
        return 1;
    }
}
