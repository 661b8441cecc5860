#include "viewer/app/settings.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "common/install_record.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kTop = "_TopWin0";
constexpr std::string_view kLeft = "_LeftWin0";
constexpr std::string_view kWidth = "_WidthWin0";
constexpr std::string_view kHeight = "_HeightWin0";

std::string optionsName(std::size_t word) {
    return "Options" + std::to_string(word);
}

// The value, or nothing when the helper reports a failed read.
std::optional<std::int32_t> readNumber(RegistryHelper& registry, std::string_view name) {
    const std::int32_t number =
        registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, name);
    if (registry.HelperLastError().starts_with("ERROR")) return std::nullopt;
    return number;
}

// The word as 32 digits 0 and 1, most significant first; the bit pattern is taken as
// unsigned so that a word with bit 31 set does not turn into a sign.
std::string binaryText(std::uint32_t word) {
    std::string text(32, '0');
    for (std::size_t j = 0; j < 32; ++j) {
        if (word & (std::uint32_t{1} << j)) text[31 - j] = '1';
    }
    return text;
}

}  // namespace

WindowPlacement defaultPlacement(int desktopWidth, int desktopHeight) {
    WindowPlacement p;
    p.top = std::max(0, desktopHeight / 2 - 300);
    p.left = std::max(0, desktopWidth / 2 - 400);
    return p;
}

ViewerSettings loadSettings(RegistryHelper& registry, int desktopWidth, int desktopHeight) {
    ViewerSettings settings;
    const WindowPlacement defaults = defaultPlacement(desktopWidth, desktopHeight);
    WindowPlacement& p = settings.placement;
    p.top = std::max(0, readNumber(registry, kTop).value_or(defaults.top));
    p.left = std::max(0, readNumber(registry, kLeft).value_or(defaults.left));
    p.width = readNumber(registry, kWidth).value_or(defaults.width);
    p.height = readNumber(registry, kHeight).value_or(defaults.height);

    for (std::size_t i = 0; i < settings.options.size(); ++i) {
        const auto word = readNumber(registry, optionsName(i)).value_or(0);
        const std::string text = binaryText(static_cast<std::uint32_t>(word));
        // The rightmost character is flag 0.
        for (std::size_t j = 0; j < 32; ++j) settings.options[i][j] = text[31 - j] == '1';
    }
    return settings;
}

void markStartBeforeFirstSave(ViewerSettings& settings) {
    if (!settings.options[0][ViewerSettings::kSavedFlag]) {
        settings.options[0][ViewerSettings::kStartedUnsavedFlag] = true;
    }
}

bool saveSettings(RegistryHelper& registry, ViewerMessages& messages, ViewerSettings& settings,
                  const WindowPlacement& window, FileSystem& files, std::string_view tempFolder) {
    // The tips file lives only as long as the viewer runs, whatever becomes of the settings.
    files.deleteFile(std::string(tempFolder) + std::string(kTipsFileName));

    if (!registry.RegistryKeyExists(kCurrentUser, record::kProgramKey)) {
        registry.HelperLastError();
        messages.warning(kSettingsNotInitialised);
        return false;
    }

    WindowPlacement& p = settings.placement;
    p = window;
    p.top = std::max(0, p.top);
    p.left = std::max(0, p.left);

    // Every write is checked, not only the last one: a failure anywhere means the next
    // start would not find what this run left.
    bool allWritten = true;
    auto write = [&](std::string_view name, std::int32_t number) {
        if (!registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, name, number))
            allWritten = false;
        registry.HelperLastError();
    };
    write(kTop, p.top);
    write(kLeft, p.left);
    write(kWidth, p.width);
    write(kHeight, p.height);

    settings.options[0][ViewerSettings::kSavedFlag] = true;
    for (std::size_t i = 0; i < settings.options.size(); ++i) {
        std::string text(32, '0');
        for (std::size_t j = 0; j < 32; ++j) {
            if (settings.options[i][j]) text[31 - j] = '1';
        }
        const std::int64_t value = registry.BinaryTextToNumber(text);
        // The registry holds the 32-bit pattern; a word above 0x7FFFFFFF is passed on as
        // the same bits rather than a value that does not fit.
        write(optionsName(i), static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    }

    if (!allWritten) {
        messages.warning(kSettingsNotSaved);
        return false;
    }
    return true;
}

}  // namespace karvelo
