#pragma once
// Writing the whole data set: every picture, sound and tune under the names of the game's
// tables, into <outdir>/grafics, wavbox, voicedata and musicbox.

#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio.h"
#include "common_sheet.h"
#include "midi.h"
#include "scenes.h"
#include "engine/DataTables.h"
#include "platform/Bitmap.h"

namespace morvek::data {

inline void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

inline std::string fileStem(std::string_view file) { return std::string(file.substr(0, file.rfind('.'))); }

/// Fighter sheet file names (relative to the output folder), G O D's last.
inline std::vector<std::string> fighterSheetFiles() {
    std::vector<std::string> v;
    for (const FighterArt& f : fighterArts())
        v.push_back(std::string(kPictureFolder) + std::string(f.stem) + std::string(kSheetExtension));
    v.push_back(std::string(kPictureFolder) + "god" + std::string(kSheetExtension));
    return v;
}

/// Writes every file; returns how many were written.
inline int writeDataSet(const std::filesystem::path& out) {
    for (std::string_view d : {kPictureFolder, kEffectFolder, kVoiceFolder, kMusicFolder})
        std::filesystem::create_directories(out / std::string(d));
    const Palette pal = workingPalette();
    int count = 0;
    auto picture = [&](std::string_view name, const Surface8& s) {
        writeBitmap((out / std::string(name)).string(), s, pal);
        ++count;
    };
    picture(kLoadingPicture, buildLoadingPicture());
    picture(kCommonSheet, buildCommonSheet());
    for (int i = 0; i < 4; ++i) picture(kBackgroundFiles[static_cast<size_t>(i)], buildStage(i));
    picture(kTitlePicture, buildTitlePicture());
    picture(kSelectPicture, buildSelectPicture());
    const auto sheets = fighterSheetFiles();
    const auto arts = fighterArts();
    for (size_t i = 0; i < arts.size(); ++i) picture(sheets[i], buildFighterSheet(arts[i]));
    picture(sheets.back(), buildGodSheet());

    // sounds: indexes that share a file share its first index's sound
    std::set<std::string> written;
    for (int i = kFirstEffect; i <= kLastVoice; ++i) {
        if (!soundIndexInUse(i)) continue;
        const std::string rel = std::string(soundFolder(i)) + std::string(soundFileName(i));
        if (!written.insert(rel).second) continue;
        const auto samples = i <= kLastEffect ? synthEffect(i) : synthVoice(fileStem(soundFileName(i)), i);
        writeBytes(out / rel, wavBytes(samples));
        ++count;
    }
    for (int t = 0; t < kTuneCount; ++t) {
        writeBytes(out / (std::string(kMusicFolder) + std::string(kTuneFiles[static_cast<size_t>(t)])), midiBytes(t));
        ++count;
    }
    return count;
}

}  // namespace morvek::data
