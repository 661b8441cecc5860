#pragma once
// The viewer's start-up decisions, free of any window: the values computed once from the
// module path and the screen, the checks that refuse a start with their boxes, and what
// the start word asks for. The Win32 main executes what these functions decide.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/registry_helper.hpp"
#include "viewer/app/messages.hpp"

namespace karvelo {

// Marker in the file name of the development environment's temporary builds.
inline constexpr std::string_view kDevelopmentBuildMarker = "KARVELO_DEV";

struct StartupValues {
    std::string programFolder;  // ends in "\" unless the module path had no folder
    std::string programFile;
    bool developmentBuild = false;
    std::string tempFolder;  // ends in "\"
    int desktopWidth = 0;
    int desktopHeight = 0;
    int dpi = 96;
    double scale = 1.0;
    int baseFontSize = 8;  // points
};

// True when the upper-cased file name (without folder) contains "COMPILERS" or the
// development marker.
bool isDevelopmentBuild(std::string_view programFile);

struct FontScale {
    double scale = 1.0;    // 96 / dpi; 1.0 when the dpi is not positive
    int baseFontSize = 8;  // scale x 8, nearest whole point
};
FontScale fontScale(int dpi);

StartupValues makeStartupValues(std::string_view modulePath, std::string_view tempFolder,
                                int desktopWidth, int desktopHeight, int dpi);

// A box that a start-up step shows.
struct StartBox {
    enum class Kind { Abort, Warning };  // stop icon with abortTitle, exclamation with infoTitle
    Kind kind = Kind::Abort;
    std::string title;
    std::string text;
};
// Shows the box through the viewer's message operations, on top.
void showStartBox(ViewerMessages& messages, const StartBox& box);

inline constexpr std::string_view kNotInstalledText =
    "Das Programm ist nicht initialisiert.\r\rAbhilfe: Installieren Sie (neu.)";
inline constexpr std::string_view kMovedTitle = "Karvelo WURDE VON SEINEM PLATZ VERSCHOBEN!";
inline constexpr std::string_view kMovedText =
    "Sie haben <Karvelo> manuell verschoben. Der\rStart ist somit nicht möglich. Bitte verschieben "
    "Sie das\r"
    "Programm zurück in seinen Installationsordner.";
inline constexpr std::string_view kSecondInstanceText =
    "Karvelo.exe läuft breits!\r\rDer Start weiter Instanzen ist auf Grund von vorgenommenen\r"
    "Einstellungen nicht möglich. Ändern Sie die Einstellungen ab,\rwenn Sie mehrere Instanzen "
    "starten möchten (Option)";
inline constexpr std::string_view kResolutionTitle = "ACHTUNG!";
inline constexpr std::string_view kResolutionText =
    "Die Einstellungen Ihres Bildschirms entsprechen\rnicht dem Standard von 96 ppi. Eine "
    "korrekte\r"
    "Darstellung von Fenstern und Druckvorschau\rkann nicht gewährleistet werden.";

// The location check of an installed viewer against "SetPath" of the installation record
// (HKEY_LOCAL_MACHINE). Nothing when the viewer may start; otherwise the refusal to show
// before ending.
std::optional<StartBox> checkLocation(RegistryHelper& registry, const StartupValues& values);

// The refusal when another instance runs.
StartBox secondInstanceRefusal();
// The warning for a screen other than 96 dpi; nothing at 96 dpi.
std::optional<StartBox> resolutionWarning(int dpi);

// What the arguments (without the program name) ask the viewer to do.
struct StartWordAction {
    enum class Kind {
        None,            // nothing to act on
        RunUninstaller,  // start program with arguments in workingFolder, then end without saving
        UpdateWord,      // word is one of the update hand-off words
        OpenFile,        // filePath names a log on a drive
    };
    Kind kind = Kind::None;
    std::string word;
    std::string program;
    std::string arguments;
    std::string workingFolder;
    std::string filePath;
};
StartWordAction decideStartWord(std::span<const std::string> args, const StartupValues& values);

}  // namespace karvelo
