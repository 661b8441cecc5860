#include "common/install_record.hpp"

#include "common/dates.hpp"
#include "common/product.hpp"
#include "common/text.hpp"

namespace karvelo::record {
namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The part of a version text after its "V": the last 11 characters of a 12-character
// text, otherwise what follows the first "_V", otherwise everything after the first
// character.
std::string_view versionDigits(std::string_view text) {
    if (text.size() == 12) return text.substr(1);
    const auto underscoreV = text.find("_V");
    if (underscoreV != std::string_view::npos) return text.substr(underscoreV + 2);
    return text.empty() ? text : text.substr(1);
}

// The three groups, each right-aligned to three digits with "0" (a longer group keeps
// its first three characters); nothing when a group holds anything but digits.
std::optional<std::string> nineDigits(std::string_view text) {
    const std::string_view digits = versionDigits(text);
    if (digits.empty()) return std::nullopt;
    std::string out;
    std::size_t start = 0;
    for (int group = 0; group < 3; ++group) {
        std::string_view part;
        if (start <= digits.size()) {
            const auto dot = digits.find('.', start);
            part = digits.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
            start = dot == std::string_view::npos ? digits.size() + 1 : dot + 1;
        }
        out += alignRight(part, 3, '0');
    }
    for (char c : out) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    return out;
}

}  // namespace

std::string installationFolder(std::string_view parent) {
    std::string folder(parent);
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder.append(kProductFolder);
}

std::int64_t versionNumber(std::string_view versionText) {
    const auto digits = nineDigits(versionText);
    return digits ? std::stoll(*digits) : 0;
}

VersionGroups versionGroups(std::string_view versionText) {
    const auto digits = nineDigits(versionText);
    if (!digits) return {};
    return {std::stoi(digits->substr(0, 3)), std::stoi(digits->substr(3, 3)), std::stoi(digits->substr(6, 3))};
}

std::int64_t releaseDateValue(std::string_view date) { return readDateMask(date, "%dd.%mm.%yyyy"); }

bool writeProbe(RegistryHelper& registry, Shell& shell) {
    if (registry.RegistryWriteText(kLocalMachine, kProgramKey, kProbeValue, kProbeText) != 1) return false;
    shell.sleep(100);
    registry.RegistryDeleteValue(kLocalMachine, kProgramKey, kProbeValue);
    return true;
}

std::string uninstallerArguments(std::string_view installFolder, std::string_view versionText) {
    std::string folder(installFolder);
    replaceAll(folder, " ", "%20");
    std::string out(kWordUninstallerCommand);
    out.append(" ").append(folder).append(" ").append(kWordVersion).append(" ").append(versionText);
    return out;
}

std::optional<UninstallerCall> readUninstallerArguments(std::span<const std::string> args) {
    if (args.size() != 4) return std::nullopt;
    UninstallerCall call{args[0], args[1], args[2], args[3]};
    replaceAll(call.folder, "%20", " ");
    return call;
}

std::vector<std::string> splitArguments(std::string_view commandLine) {
    std::vector<std::string> args;
    std::size_t pos = 0;
    while (pos < commandLine.size()) {
        pos = commandLine.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        const auto end = commandLine.find_first_of(" \t", pos);
        args.emplace_back(commandLine.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end == std::string_view::npos ? commandLine.size() : end;
    }
    return args;
}

std::optional<std::string> filePathFromArguments(std::span<const std::string> args) {
    std::string joined;
    for (const auto& a : args) {
        if (!joined.empty()) joined += ' ';
        joined += a;
    }
    const std::string path(trimSpaces(joined));
    if (path.size() < 3 || path.substr(1, 2) != ":\\") return std::nullopt;
    return path;
}

std::vector<RegistryValue> uninstallEntry(std::string_view upperFolder, std::string_view versionText,
                                          std::uint64_t viewerBytes) {
    const std::string folder(upperFolder);
    const VersionGroups v = versionGroups(versionText);
    const std::string_view withoutV = versionText.empty() ? versionText : versionText.substr(1);
    return {
        {"DisplayName", false, "Karvelo"},
        {"DisplayIcon", false, folder + std::string(kViewerFile)},
        {"DisplayVersion", false, std::string(withoutV)},
        {"Publisher", false, "Olrik Faumann"},
        {"InstallLocation", false, folder},
        {"UninstallString", false, folder + std::string(kViewerFile) + " " + std::string(kWordUninstall)},
        {"URLInfoAbout", false, std::string(kMakerHost)},
        {"VersionMinor", true, {}, v.minor},
        {"VersionMajor", true, {}, v.major},
        {"EstimatedSize", true, {}, static_cast<std::int32_t>(viewerBytes / 1024)},
        {"NoModify", true, {}, 1},
        {"NoRepair", true, {}, 1},
        {"NoRemove", true, {}, 0},
    };
}

std::string fileClassCommand(std::string_view installFolder) {
    return std::string(installFolder) + std::string(kViewerFile) + " %1";
}

}  // namespace karvelo::record
