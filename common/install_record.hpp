#pragma once
// The installation record shared by the setup program, the viewer and the uninstaller:
// registry keys and values, installed files, links, the version-number rule, the write
// probe and the command-line words with which one program starts another.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/registry_helper.hpp"
#include "common/shell.hpp"

namespace karvelo::record {

// Registry. The program key exists under HKEY_LOCAL_MACHINE (installation record) and
// under HKEY_CURRENT_USER (the viewer's settings and update schedule).
inline constexpr std::string_view kVendorKey = "Software\\Brenmoor\\";
inline constexpr std::string_view kProgramKey = "Software\\Brenmoor\\KarveloRead\\";
inline constexpr std::string_view kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KarveloRead\\";

inline constexpr std::string_view kValueVersion = "Version";  // "V001.000.015"
inline constexpr std::string_view kValueVersionDate = "Versdat";  // "28.12.2012"
inline constexpr std::string_view kValueSetupTime = "Setup";  // "%dd.%mm.%yyyy - %hh:%ii:%ss"
inline constexpr std::string_view kValueRunPath = "RunPath";  // installation folder as composed
inline constexpr std::string_view kValueSetPath = "SetPath";  // installation folder upper-cased
inline constexpr std::string_view kSetupTimeMask = "%dd.%mm.%yyyy - %hh:%ii:%ss";

// The write probe's value.
inline constexpr std::string_view kProbeValue = "admin";
inline constexpr std::string_view kProbeText = "test";

// Files and folders.
inline constexpr std::string_view kProductFolder = "Karvelo\\";
inline constexpr std::string_view kViewerFile = "karvelo.exe";
inline constexpr std::string_view kHelpFile = "Karvelo.chm";
inline constexpr std::string_view kUninstallerFile = "KarveloUnInst.exe";
inline constexpr std::string_view kSetupFile = "setup_karvelo.exe";

// Links (named without extension; the shell-link helper appends ".lnk").
inline constexpr std::string_view kLinkViewer = "Karvelo";
inline constexpr std::string_view kLinkUninstall = "UnInstall";
inline constexpr std::string_view kLinkHelp = "Hilfe (F1)";
inline constexpr std::string_view kDesktopLinkFile = "Karvelo.lnk";

// The file class (HKEY_CLASSES_ROOT), created in this order.
inline constexpr std::string_view kFileClassKeys[] = {
    "QTV_KARVELO", "QTV_KARVELO\\shell", "QTV_KARVELO\\shell\\open", "QTV_KARVELO\\shell\\open\\command"};

// Command-line words, compared exactly (letter case included).
inline constexpr std::string_view kWordAutoUpdate = "AutoUpDate_from_MainInstance";
inline constexpr std::string_view kWordUpdateSucceeded = "StartFromUpDater_Succesfull";
inline constexpr std::string_view kWordUpdateNotDone = "StartFromUpDater_NotSucces";
inline constexpr std::string_view kWordAutoRestart = "AutoRestart";
inline constexpr std::string_view kWordUninstall = "UnInstall";
inline constexpr std::string_view kWordUninstallerCommand = "KarveloUnInstall";
inline constexpr std::string_view kWordVersion = "Version:";

// The installation folder: the chosen parent folder + "Karvelo\".
std::string installationFolder(std::string_view parent);

// "V001.000.015" -> 1000015, "V1.2.3" -> 1002003; a missing or malformed text -> 0, which
// every comparison treats as "not installed".
std::int64_t versionNumber(std::string_view versionText);
// The three digit groups of a version text as numbers: "V001.000.015" -> {1, 0, 15}.
struct VersionGroups {
    int major = 0, minor = 0, build = 0;
};
VersionGroups versionGroups(std::string_view versionText);
// A release date "DD.MM.YYYY" as a date value (-1 when it is no possible date).
std::int64_t releaseDateValue(std::string_view date);

// Proves that this process may write the program key under HKEY_LOCAL_MACHINE: writes
// "admin" = "test", and when that worked waits 100 ms and deletes the value again.
bool writeProbe(RegistryHelper& registry, Shell& shell);

// The uninstaller's four-token command line, built by the viewer and read by the
// uninstaller: "KarveloUnInstall" <folder, blanks as %20> "Version:" <version>.
std::string uninstallerArguments(std::string_view installFolder, std::string_view versionText);
struct UninstallerCall {
    std::string command;      // first token, "KarveloUnInstall" when called properly
    std::string folder;       // "%20" turned back into blanks
    std::string versionWord;  // third token, "Version:"
    std::string version;      // the calling viewer's version text
};
// Reads the uninstaller's arguments (without the program name); nothing unless there are
// exactly four.
std::optional<UninstallerCall> readUninstallerArguments(std::span<const std::string> args);
// Splits a command-line text at blanks, as the runtime does for unquoted arguments.
std::vector<std::string> splitArguments(std::string_view commandLine);

// The viewer's arguments when they are none of the command words: joined with single
// blanks and trimmed; a file path only when characters 2 and 3 are ":\" (a drive path).
std::optional<std::string> filePathFromArguments(std::span<const std::string> args);

// One value of the uninstall entry.
struct RegistryValue {
    std::string_view name;
    bool isNumber = false;
    std::string text;
    std::int32_t number = 0;
};
// The uninstall entry for the installation folder (upper-cased, as "SetPath" holds it),
// the version text and the size of the installed viewer file in bytes.
std::vector<RegistryValue> uninstallEntry(std::string_view upperFolder, std::string_view versionText,
                                          std::uint64_t viewerBytes);
// The file class's command: the installation folder as composed + "karvelo.exe %1".
std::string fileClassCommand(std::string_view installFolder);

}  // namespace karvelo::record
