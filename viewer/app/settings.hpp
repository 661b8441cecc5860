#pragma once
// The viewer's own settings under HKEY_CURRENT_USER: the main window's position and inner
// size and eight words of 32 flags each. "DefaultPath" belongs to loading and saving.
#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>

#include "common/file_system.hpp"
#include "common/registry_helper.hpp"
#include "viewer/app/messages.hpp"
#include "viewer/app/tips.hpp"

namespace karvelo {


inline constexpr std::string_view kSettingsNotInitialised = "Das Programm ist nicht initialisiert.";
inline constexpr std::string_view kSettingsNotSaved =
    "Einstellungen nicht oder Fehlerhaft gespeichert";

// The main window: frame's top-left corner in screen pixels, inner size (menu bar included).
struct WindowPlacement {
    int top = 0;
    int left = 0;
    int width = 800;
    int height = 600;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Centred 800 x 600 on the desktop (integer halves), never above or left of the screen.
WindowPlacement defaultPlacement(int desktopWidth, int desktopHeight);

struct ViewerSettings {
    WindowPlacement placement;
    // options[i][j] is flag j of "Options<i>", flag 0 the least significant bit.
    std::array<std::bitset<32>, 8> options{};

    // Meanings of the flags of "Options0".
    static constexpr std::size_t kUpdateScheduleFlag = 0;
    static constexpr std::size_t kStartedUnsavedFlag = 1;  // set at a start before any save
    static constexpr std::size_t kSavedFlag = 2;           // set at every save
};

// Reads the settings; every absent or unreadable value falls back to its default, and a
// negative top or left is raised to 0.
ViewerSettings loadSettings(RegistryHelper& registry, int desktopWidth, int desktopHeight);

// Start-up: a start at which the settings were never saved sets flag 1 of "Options0".
void markStartBeforeFirstSave(ViewerSettings& settings);

// Writes the window's current placement and all flags (flag 2 of "Options0" set) and
// deletes the tips file from the temporary folder. False, after a warning box, when the
// settings key is missing or any value could not be written.
bool saveSettings(RegistryHelper& registry, ViewerMessages& messages, ViewerSettings& settings,
                  const WindowPlacement& window, FileSystem& files, std::string_view tempFolder);

}  // namespace karvelo
