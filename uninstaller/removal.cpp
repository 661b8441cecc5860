#include "uninstaller/removal.hpp"

#include "common/install_record.hpp"
#include "common/text.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kCaptionAbort = "ABBRUCH";
constexpr std::string_view kCaptionInformation = "INFORMATION";
constexpr std::string_view kCaptionFolder = "Das Verzeichnis ...";

// The viewer may have ended only just before; give it time to let go of its file.
constexpr std::uint32_t kYoungerThanMs = 1500;
constexpr std::uint32_t kSettleMs = 1000;
constexpr std::uint32_t kBeforeFolderMs = 500;

class Uninstaller {
public:
    explicit Uninstaller(UninstallerContext& ctx) : c_(ctx) {}

    UninstallOutcome run(std::span<const std::string> args, std::uint32_t startTicks) {
        const auto call = record::readUninstallerArguments(args);
        if (!call) return abort("Falsche Anzahl Parameter.", UninstallOutcome::WrongArgumentCount);
        if (call->command != record::kWordUninstallerCommand) {
            return abort("Falscher Parameter.", UninstallOutcome::WrongCommand);
        }
        if (box("Wollen Sie Karvelo mit allen\rseinen Einstellungen entfernen?", "Programm entfernen?",
                mb::kYesNo) != mb::kIdYes) {
            return UninstallOutcome::Declined;
        }
        if (!record::writeProbe(c_.registry, c_.shell)) {
            box("Sie benötigen Administratorrechte um das Programm\rKarvelo zu deinstallieren.", "Abbruch");
            return UninstallOutcome::NoWriteRights;
        }
        if (c_.clock.tickCount() - startTicks < kYoungerThanMs) c_.shell.sleep(kSettleMs);

        std::string base(trimSpaces(c_.shellHelpers.CommonProgramsFolder()));
        if (base.empty()) base = c_.shellHelpers.UserProgramsFolder();
        const std::string userPrograms = c_.shellHelpers.UserProgramsFolder();
        const std::string startMenuA = base.empty() ? "" : base + std::string(record::kProductFolder);
        const std::string startMenuB =
            userPrograms.empty() ? "" : userPrograms + std::string(record::kProductFolder);

        const std::string installed =
            c_.registry.RegistryReadText(kLocalMachine, record::kProgramKey, record::kValueVersion);
        if (upperAnsi(c_.registry.HelperLastError().substr(0, 5)) == "ERROR") {
            return abort("Key nicht lesbar.", UninstallOutcome::RecordUnreadable);
        }
        if (installed != call->version) {
            return abort("Die Deinstallation des falschen Programms\roder einer falschen Version wird verweigert.",
                         UninstallOutcome::WrongVersion);
        }
        if (upperAnsi(call->versionWord).find("VERSION:") == std::string::npos) {
            return abort("Version nicht ermittelt.", UninstallOutcome::NoVersionWord);
        }

        std::string folder = call->folder;
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        if (!c_.files.deleteFile(folder + std::string(record::kViewerFile))) {
            box("Das Programm " + call->version + " konnte nicht entfernt werden.", kCaptionInformation);
            return UninstallOutcome::ViewerNotDeleted;
        }

        // From here on nothing refuses any more: the rest is removed as far as it goes.
        for (const std::string_view key : {record::kProgramKey, record::kUninstallKey}) {
            if (c_.registry.RegistryKeyExists(kLocalMachine, key) == 1) {
                c_.registry.RegistryDeleteKey(kLocalMachine, key);
            }
        }
        if (!startMenuB.empty()) c_.files.removeFolderTree(startMenuB);
        if (!startMenuA.empty()) c_.files.removeFolderTree(startMenuA);
        // A folder the shell does not name stays out: an empty folder would turn the link
        // name into a path relative to the working folder.
        for (const std::string& desktop :
             {base, c_.shellHelpers.UserDesktopFolder(), c_.shellHelpers.CommonDesktopFolder()}) {
            if (!desktop.empty()) c_.files.deleteFile(desktop + std::string(record::kDesktopLinkFile));
        }
        c_.shell.sleep(kBeforeFolderMs);

        removeInstallationFolder(folder);
        box("Das Programm " + call->version + " wurde von Ihrem PC entfernt.", kCaptionInformation);
        return UninstallOutcome::Removed;
    }

private:
    // Only a folder named "Karvelo" itself is ours to empty and remove; a folder whose name
    // merely ends in those letters ("C:\Tools\MeinKarvelo\") is somebody else's.
    static bool isProductFolder(std::string_view folder) {
        const std::string upper = upperAnsi(folder);
        const std::string product = "\\" + upperAnsi(record::kProductFolder);
        return upper.size() >= product.size() && upper.ends_with(product);
    }

    void removeInstallationFolder(const std::string& folder) {
        const std::string named = folder.substr(0, folder.empty() ? 0 : folder.size() - 1);
        if (!isProductFolder(folder)) {
            box(named + "\r\rwurde nicht entfernt, weil es sich nicht um das Stammverzeichnis handelt",
                kCaptionFolder);
            return;
        }
        for (const std::string& name : c_.files.filesIn(folder)) c_.files.deleteFile(folder + name);
        if (!c_.files.removeFolder(folder)) {
            box(named + "\r\rkonnte nicht entfernt werden, weil es noch Daten enthält.", kCaptionFolder);
        }
    }

    int box(std::string_view text, std::string_view caption, std::uint32_t buttons = mb::kOk) {
        return c_.boxes.show(text, caption, mb::kTopmost | buttons);
    }

    UninstallOutcome abort(std::string_view text, UninstallOutcome outcome) {
        box(text, kCaptionAbort);
        return outcome;
    }

    UninstallerContext& c_;
};

}  // namespace

UninstallOutcome runUninstaller(UninstallerContext& ctx, std::span<const std::string> args,
                                std::uint32_t startTicks) {
    return Uninstaller(ctx).run(args, startTicks);
}

}  // namespace karvelo
