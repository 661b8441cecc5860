#include "viewer/app/startup.hpp"

#include <cmath>

#include "common/install_record.hpp"
#include "common/product.hpp"
#include "common/text.hpp"

namespace karvelo {

bool isDevelopmentBuild(std::string_view programFile) {
    const std::string upper = upperAnsi(programFile);
    return upper.find("COMPILERS") != std::string::npos ||
           upper.find(kDevelopmentBuildMarker) != std::string::npos;
}

FontScale fontScale(int dpi) {
    FontScale f;
    f.scale = dpi > 0 ? 96.0 / dpi : 1.0;
    f.baseFontSize = static_cast<int>(std::lround(f.scale * 8.0));
    return f;
}

StartupValues makeStartupValues(std::string_view modulePath, std::string_view tempFolder,
                                int desktopWidth, int desktopHeight, int dpi) {
    StartupValues v;
    v.programFolder = folderPart(modulePath);
    v.programFile = fileNamePart(modulePath);
    v.developmentBuild = isDevelopmentBuild(v.programFile);
    v.tempFolder = tempFolder;
    if (!v.tempFolder.empty() && v.tempFolder.back() != '\\') v.tempFolder += '\\';
    v.desktopWidth = desktopWidth;
    v.desktopHeight = desktopHeight;
    v.dpi = dpi;
    const FontScale f = fontScale(dpi);
    v.scale = f.scale;
    v.baseFontSize = f.baseFontSize;
    return v;
}

void showStartBox(ViewerMessages& messages, const StartBox& box) {
    messages.messageText = box.text;
    if (box.kind == StartBox::Kind::Abort) {
        messages.abortTitle = box.title;
        messages.showAbort(true);
    } else {
        messages.infoTitle = box.title;
        messages.showWarning(true);
    }
}

std::optional<StartBox> checkLocation(RegistryHelper& registry, const StartupValues& values) {
    const std::string setPath =
        registry.RegistryReadText(kLocalMachine, record::kProgramKey, record::kValueSetPath);
    const bool readFailed = registry.HelperLastError().starts_with("ERROR");
    if (readFailed || setPath.empty()) {
        // A file named like the setup program may run without an installation record; with
        // no recorded folder there is nothing to compare it with.
        if (upperAnsi(values.programFile).find("SETUP") != std::string::npos) return std::nullopt;
        return StartBox{StartBox::Kind::Abort, "ABBRUCH", std::string(kNotInstalledText)};
    }
    if (upperAnsi(setPath) != upperAnsi(values.programFolder)) {
        return StartBox{StartBox::Kind::Abort, std::string(kMovedTitle), std::string(kMovedText)};
    }
    return std::nullopt;
}

StartBox secondInstanceRefusal() {
    return {StartBox::Kind::Abort, "ABBRUCH", std::string(kSecondInstanceText)};
}

std::optional<StartBox> resolutionWarning(int dpi) {
    if (dpi == 96) return std::nullopt;
    return StartBox{StartBox::Kind::Warning, std::string(kResolutionTitle),
                    std::string(kResolutionText)};
}

StartWordAction decideStartWord(std::span<const std::string> args, const StartupValues& values) {
    StartWordAction action;
    if (args.empty()) return action;
    const std::string& first = args.front();
    if (first == record::kWordUninstall) {
        // A development build never hands over to the uninstaller.
        if (values.developmentBuild) return action;
        action.kind = StartWordAction::Kind::RunUninstaller;
        action.word = first;
        action.program = values.tempFolder + std::string(record::kUninstallerFile);
        action.arguments = record::uninstallerArguments(values.programFolder, kVersionText);
        action.workingFolder = values.tempFolder;
        return action;
    }
    if (first == record::kWordUpdateSucceeded || first == record::kWordUpdateNotDone ||
        first == record::kWordAutoRestart) {
        action.kind = StartWordAction::Kind::UpdateWord;
        action.word = first;
        return action;
    }
    if (auto path = record::filePathFromArguments(args)) {
        action.kind = StartWordAction::Kind::OpenFile;
        action.filePath = std::move(*path);
    }
    return action;
}

}  // namespace karvelo
