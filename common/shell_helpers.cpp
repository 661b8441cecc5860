#include "common/shell_helpers.hpp"

#include "common/dates.hpp"
#include "common/text.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kStartMenuNotFound = "ERROR, startmenu programs path not found";
constexpr std::string_view kDesktopNotFound = "ERROR, desktop path not found";
constexpr std::string_view kProgramsNotFound = "ERROR, programs path not found";
constexpr std::string_view kPersonalNotFound = "ERROR, personal path not found";
constexpr std::string_view kLinkNotCreated = "ERROR, can´t create shortcut";
constexpr std::string_view kDpiNotFound = "ERROR, desktop size not found";

constexpr std::uint32_t kPlatformWindows9x = 1;
constexpr std::uint32_t kPlatformNt = 2;

enum class Product { Any, Workstation, Server };
constexpr int kAnyMinor = -1;

struct VersionCode {
    std::uint32_t platformId;
    std::uint32_t major;
    int minor;
    Product product;
    int code;
};

// Every version not listed here is 200, which still counts as XP or later.
constexpr VersionCode kVersionCodes[] = {
    {kPlatformWindows9x, 4, 0, Product::Any, 10},   // 95
    {kPlatformWindows9x, 4, 10, Product::Any, 30},  // 98
    {kPlatformWindows9x, 4, 90, Product::Any, 40},  // ME
    {kPlatformNt, 3, kAnyMinor, Product::Any, 5},   // NT 3.x
    {kPlatformNt, 4, 0, Product::Any, 20},          // NT 4
    {kPlatformNt, 5, 0, Product::Any, 50},          // 2000
    {kPlatformNt, 5, 1, Product::Any, 60},          // XP
    {kPlatformNt, 5, 2, Product::Workstation, 60},  // XP x64
    {kPlatformNt, 5, 2, Product::Server, 65},       // Server 2003
    {kPlatformNt, 6, 0, Product::Workstation, 70},  // Vista
    {kPlatformNt, 6, 0, Product::Server, 75},       // Server 2008
    {kPlatformNt, 6, 1, Product::Workstation, 80},  // 7
    {kPlatformNt, 6, 1, Product::Server, 75},       // Server 2008 R2
    {kPlatformNt, 6, 2, Product::Workstation, 90},  // 8
    {kPlatformNt, 6, 2, Product::Server, 95},       // Server 2012
};

// The folder in the form the programs compare and append to: trimmed, upper-cased, ending
// in exactly one "\". A shell answer without any path gives an empty text, never a lone
// "\", so that callers' emptiness tests catch it instead of writing to a drive root.
std::string folderText(const std::optional<std::string>& path) {
    if (!path) return {};
    std::string folder = upperAnsi(trimSpaces(*path));
    if (folder.empty()) return {};
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

// Link names are passed without extension; whatever follows the last dot of the file name
// is taken for one and replaced, unless it already is exactly "lnk".
std::string linkFileName(std::string_view linkPath) {
    const std::string_view name = fileNamePart(linkPath);
    if (name.find('.') == std::string_view::npos) return std::string(linkPath) + ".lnk";
    const std::string_view extension = extensionPart(linkPath);
    if (extension == "lnk") return std::string(linkPath);
    return std::string(linkPath.substr(0, linkPath.size() - extension.size())) + "lnk";
}

}  // namespace

int windowsVersionCode(const OsVersion& v) {
    for (const auto& row : kVersionCodes) {
        if (row.platformId == v.platformId && row.major == v.major &&
            (row.minor == kAnyMinor || row.minor == static_cast<int>(v.minor)) &&
            (row.product == Product::Any ||
             (row.product == Product::Workstation) == v.workstation)) {
            return row.code;
        }
    }
    return 200;
}

std::string ShellHelpers::CommonProgramsFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::CommonPrograms));
    if (folder.empty()) error_.set(kStartMenuNotFound);
    return folder;
}

std::string ShellHelpers::UserProgramsFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::UserPrograms));
    if (folder.empty()) error_.set(kStartMenuNotFound);
    return folder;
}

std::string ShellHelpers::CommonDesktopFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::CommonDesktop));
    if (folder.empty()) error_.set(kDesktopNotFound);
    return folder;
}

std::string ShellHelpers::UserDesktopFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::UserDesktop));
    if (folder.empty()) error_.set(kDesktopNotFound);
    return folder;
}

std::string ShellHelpers::ProgramFilesFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::ProgramFiles));
    if (folder.empty()) error_.set(kProgramsNotFound);
    return folder;
}

std::string ShellHelpers::PersonalFolder() {
    error_.clear();
    std::string folder = folderText(shell_.specialFolderPath(SpecialFolder::Personal));
    if (folder.empty()) error_.set(kPersonalNotFound);
    return folder;
}

int ShellHelpers::CreateShellLink(std::string_view targetPath, std::string_view linkPath,
                                  std::string_view arguments, std::string_view description,
                                  std::string_view iconFile) {
    ShellLink link;
    link.linkFile = linkFileName(linkPath);
    link.target = targetPath;
    link.arguments = arguments;
    link.workingFolder = folderPart(targetPath);
    link.description = description;
    link.iconFile = iconFile.empty() ? targetPath : iconFile;
    link.iconIndex = 0;
    link.showCommand = 1;
    link.hotKey = 0;

    error_.clear();
    if (shell_.saveShellLink(link)) return 1;
    error_.set(kLinkNotCreated);
    return 0;
}

int ShellHelpers::FileExistsIn(std::string_view folder, std::string_view fileName) {
    if (folder.empty()) return 255;
    if (fileName.empty()) return 254;
    std::string path(folder);
    if (path.back() != '\\') path += '\\';
    path += fileName;
    return files_.fileExists(path) ? 1 : 0;
}

int ShellHelpers::SingleInstanceGuard(std::string_view instanceName) {
    // "Global\" puts the name in the machine-wide namespace, so an instance started by
    // another user of the machine counts as well.
    std::string name = shell_.osVersion().platformId == kPlatformNt ? "Global\\" : "";
    name += instanceName;
    if (shell_.mutexExists(name)) return 1;
    shell_.holdMutex(name);
    return 0;
}

int ShellHelpers::ScreenDpi() {
    error_.clear();
    const auto dpi = static_cast<std::int16_t>(shell_.screenPixelsPerInch());
    if (dpi > 0) return dpi;
    error_.set(kDpiNotFound);
    return 0;
}

int ShellHelpers::TerminateProcessById(std::uint32_t processId) {
    shell_.terminateProcess(processId, 1);
    return 0;
}

std::int64_t ShellHelpers::ClockDate(int mode) {
    switch (mode) {
        case 0:
            return dateValue(clock_.universalTime());
        case 1:
            return dateValue(clock_.localTime());
        case 2: {
            const std::int64_t utc = dateValue(clock_.universalTime());
            const std::int64_t local = dateValue(clock_.localTime());
            // The two clocks are read one after the other, so a second may tick between
            // them; time-zone offsets are whole minutes, so the nearest minute is exact.
            const std::int64_t offset = local - utc;
            const std::int64_t minutes = (offset >= 0 ? offset + 30 : offset - 30) / 60;
            return minutes * 60;
        }
        default:
            return 0;
    }
}

int ShellHelpers::WindowsVersionCode() {
    return windowsVersionCode(shell_.osVersion());
}

}  // namespace karvelo
