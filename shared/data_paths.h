#pragma once
// The program folder's data files that the programs read and the installer
// writes, named once. Written as the programs ask for them, from the program
// folder with backslashes ("\wav\kurve.wav"); the platform's path lookup turns
// them into real paths, ignoring letter case. The tile, car and arrow bitmaps are
// named by the tile catalogue. Plain C++, header only, so that the installer
// shares it without linking anything.
#include <string>
#include <string_view>

namespace pendix {

// The help pages (HTML under the names the programs have always opened).
inline constexpr std::string_view kHelpGame = "\\hilfe\\pendix.hlp";
inline constexpr std::string_view kHelpObjects = "\\hilfe\\objekte.hlp";
inline constexpr std::string_view kHelpEditor = "\\hilfe\\editor.hlp";
inline constexpr std::string_view kHelpEditorMenus = "\\hilfe\\menueser.hlp";
inline constexpr std::string_view kHelpGameMenus = "\\hilfe\\menuesch.hlp";

// The game's waves.
inline constexpr std::string_view kWaveWon = "\\wav\\applaus.wav";
inline constexpr std::string_view kWaveTransport = "\\wav\\trans.wav";
inline constexpr std::string_view kWaveStraight = "\\wav\\gerade.wav";
inline constexpr std::string_view kWaveTurn = "\\wav\\kurve.wav";
inline constexpr std::string_view kWaveLost = "\\wav\\pendix.wav";

// The frames of the windows' turning icon: "\ico\auto01.ico" to "\ico\auto15.ico".
inline constexpr int kIconFrames = 15;
inline std::string iconFramePath(int frame) {
    return std::string("\\ico\\auto") + (frame < 10 ? "0" : "") + std::to_string(frame) + ".ico";
}

// The game's nine levels (F1 to F9): "\lev1-9\level1.lev" to "\lev1-9\level9.lev".
inline constexpr int kBuiltInLevels = 9;
inline std::string builtInLevelPath(int number) { return "\\lev1-9\\level" + std::to_string(number) + ".lev"; }

// The levels made with the editor: their folder, their file ending, and the empty
// board that "Neu" starts from.
inline constexpr std::string_view kOwnLevelFolder = "\\lvlneu";
inline constexpr std::string_view kLevelFileEnding = ".lvl";
inline constexpr std::string_view kBlankLevelName = "blanko.lvl";
inline std::string ownLevelPath(std::string_view fileName) {
    return std::string(kOwnLevelFolder) + "\\" + std::string(fileName);
}

// The list of the installed files.
inline constexpr std::string_view kFileList = "\\dateien.lst";

}  // namespace pendix
