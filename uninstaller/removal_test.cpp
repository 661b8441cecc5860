#include "uninstaller/removal.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "common/install_record.hpp"
#include "common/testing/fake_shell.hpp"
#include "common/testing/fixed_clock.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"

namespace karvelo {
namespace {

using testing::ShownBox;

const std::string kVersion = "V001.000.015";
const std::string kFolder = "C:\\Program Files\\Karvelo\\";
const std::string kStartMenuA = "C:\\PROGRAMDATA\\MICROSOFT\\WINDOWS\\START MENU\\PROGRAMS\\KARVELO\\";
const std::string kStartMenuB = "C:\\USERS\\TECHNIKER\\START MENU\\PROGRAMS\\KARVELO\\";
const std::string kCommonPrograms = "C:\\PROGRAMDATA\\MICROSOFT\\WINDOWS\\START MENU\\PROGRAMS\\";
const std::string kUserDesktop = "C:\\USERS\\TECHNIKER\\DESKTOP\\";
const std::string kCommonDesktop = "C:\\USERS\\PUBLIC\\DESKTOP\\";
const std::string kTemp = "C:\\users\\Techniker\\Temp\\";

const std::string kQuestion = "Wollen Sie Karvelo mit allen\rseinen Einstellungen entfernen?";
const std::string kRemoved = "Das Programm V001.000.015 wurde von Ihrem PC entfernt.";

// A complete installation in fakes: files, links, registry keys.
struct Installation {
    Installation() {
        registry.RegistryCreateKey(kLocalMachine, record::kVendorKey);
        registry.RegistryCreateKey(kLocalMachine, record::kProgramKey);
        registry.RegistryWriteText(kLocalMachine, record::kProgramKey, "Version", kVersion);
        registry.RegistryWriteText(kLocalMachine, record::kProgramKey, "SetPath", "C:\\PROGRAM FILES\\KARVELO\\");
        registry.RegistryCreateKey(kLocalMachine, record::kUninstallKey);
        registry.RegistryWriteText(kLocalMachine, record::kUninstallKey, "DisplayName", "Karvelo");
        registry.RegistryCreateKey(kClassesRoot, "QTV_KARVELO\\shell\\open\\command");
        install(kFolder);
        files.putFile(kStartMenuA + "Karvelo.lnk", "L");
        files.putFile(kStartMenuB + "UnInstall.lnk", "U");
        files.makeReadOnly(kStartMenuB + "UnInstall.lnk");
        files.putFile(kCommonPrograms + "Karvelo.lnk", "L");
        files.putFile(kUserDesktop + "Karvelo.lnk", "L");
        files.putFile(kCommonDesktop + "Karvelo.lnk", "L");
        files.putFile(kTemp + "KarveloUnInst.exe", "MZ");
        clock.ticks = 10000;
    }

    void install(const std::string& folder) {
        files.putFile(folder + "karvelo.exe", "MZ");
        files.putFile(folder + "Karvelo.chm", "ITSF");
    }

    UninstallOutcome run(const std::vector<std::string>& args, std::deque<int> answers = {mb::kIdYes},
                         std::uint32_t startTicks = 0) {
        boxes.answers = std::move(answers);
        return runUninstaller(context, args, startTicks);
    }

    std::vector<std::string> call(const std::string& folder = kFolder, const std::string& version = kVersion) {
        return record::splitArguments(record::uninstallerArguments(folder, version));
    }

    // Everything an installation consists of, as one comparable picture.
    std::vector<bool> installationParts() {
        return {files.fileExists(kFolder + "karvelo.exe"),
                files.fileExists(kFolder + "Karvelo.chm"),
                files.folderExists(kFolder),
                registry.RegistryKeyExists(kLocalMachine, record::kProgramKey) == 1,
                registry.RegistryKeyExists(kLocalMachine, record::kUninstallKey) == 1,
                files.folderExists(kStartMenuA),
                files.folderExists(kStartMenuB),
                files.fileExists(kCommonPrograms + "Karvelo.lnk"),
                files.fileExists(kUserDesktop + "Karvelo.lnk"),
                files.fileExists(kCommonDesktop + "Karvelo.lnk")};
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const ShownBox& b : boxes.shown) out.push_back(b.text);
        return out;
    }

    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};
    testing::FakeShell shell;
    testing::MemoryFileSystem files;
    testing::FixedClock clock;
    ShellHelpers shellHelpers{shell, files, clock, error};
    testing::ScriptedMessageBoxes boxes;
    UninstallerContext context{registry, shellHelpers, shell, files, clock, boxes};
};

class Uninstaller : public ::testing::Test, public Installation {};

TEST_F(Uninstaller, RefusesAndChangesNothing) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::function<void(Installation&)> prepare;
        UninstallOutcome outcome;
        std::vector<std::string> texts;
        std::string lastCaption;
    };
    const std::vector<Case> cases = {
        {"no arguments", {}, nullptr, UninstallOutcome::WrongArgumentCount, {"Falsche Anzahl Parameter."}, "ABBRUCH"},
        {"folder with a blank not encoded",
         {"KarveloUnInstall", "C:\\Program", "Files\\Karvelo\\", "Version:", kVersion}, nullptr,
         UninstallOutcome::WrongArgumentCount, {"Falsche Anzahl Parameter."}, "ABBRUCH"},
        {"wrong command", {"karvelouninstall", "C:\\Karvelo\\", "Version:", kVersion}, nullptr,
         UninstallOutcome::WrongCommand, {"Falscher Parameter."}, "ABBRUCH"},
        {"no write rights", call(),
         [](Installation& t) { t.store.denyWrites(kLocalMachine, record::kProgramKey); },
         UninstallOutcome::NoWriteRights,
         {kQuestion, "Sie ben\xF6tigen Administratorrechte um das Programm\rKarvelo zu deinstallieren."}, "Abbruch"},
        {"version value missing", call(),
         [](Installation& t) { t.registry.RegistryDeleteValue(kLocalMachine, record::kProgramKey, "Version"); },
         UninstallOutcome::RecordUnreadable, {kQuestion, "Key nicht lesbar."}, "ABBRUCH"},
        {"another version installed", call(kFolder, "V001.000.014"), nullptr, UninstallOutcome::WrongVersion,
         {kQuestion, "Die Deinstallation des falschen Programms\roder einer falschen Version wird verweigert."},
         "ABBRUCH"},
        {"version compared with its letter case", call(kFolder, "v001.000.015"), nullptr,
         UninstallOutcome::WrongVersion,
         {kQuestion, "Die Deinstallation des falschen Programms\roder einer falschen Version wird verweigert."},
         "ABBRUCH"},
        {"third word without VERSION:", {"KarveloUnInstall", "C:\\Karvelo\\", "Versio", kVersion}, nullptr,
         UninstallOutcome::NoVersionWord, {kQuestion, "Version nicht ermittelt."}, "ABBRUCH"},
        {"viewer file in use", call(),
         [](Installation& t) { t.files.markInUse(kFolder + "karvelo.exe"); }, UninstallOutcome::ViewerNotDeleted,
         {kQuestion, "Das Programm V001.000.015 konnte nicht entfernt werden."}, "INFORMATION"},
    };
    for (const auto& c : cases) {
        Installation t;
        if (c.prepare) c.prepare(t);
        const auto before = t.installationParts();
        EXPECT_EQ(t.run(c.args), c.outcome) << c.name;
        EXPECT_EQ(t.texts(), c.texts) << c.name;
        ASSERT_FALSE(t.boxes.shown.empty()) << c.name;
        EXPECT_EQ(t.boxes.shown.back().caption, c.lastCaption) << c.name;
        EXPECT_EQ(t.boxes.shown.back().flags, mb::kTopmost) << c.name;
        EXPECT_EQ(t.installationParts(), before) << c.name;
        EXPECT_TRUE(t.store.openKeyCount() == 0) << c.name;
    }
}

TEST_F(Uninstaller, DecliningEndsSilently) {
    EXPECT_EQ(run(call(), {mb::kIdNo}), UninstallOutcome::Declined);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Programm entfernen?");
    EXPECT_EQ(boxes.shown[0].flags, mb::kTopmost | mb::kYesNo);
    EXPECT_TRUE(files.fileExists(kFolder + "karvelo.exe"));
}

TEST_F(Uninstaller, RemovesTheWholeInstallation) {
    EXPECT_EQ(run(call()), UninstallOutcome::Removed);
    EXPECT_EQ(texts(), (std::vector<std::string>{kQuestion, kRemoved}));
    EXPECT_EQ(boxes.shown.back().caption, "INFORMATION");
    EXPECT_EQ(installationParts(), std::vector<bool>(10, false));
    // What stays: the vendor key, the file class, the uninstaller itself.
    EXPECT_EQ(registry.RegistryKeyExists(kLocalMachine, record::kVendorKey), 1);
    EXPECT_EQ(registry.RegistryKeyExists(kClassesRoot, "QTV_KARVELO\\shell\\open\\command"), 1);
    EXPECT_TRUE(files.fileExists(kTemp + "KarveloUnInst.exe"));
}

TEST_F(Uninstaller, WaitsForAViewerThatHasJustEnded) {
    clock.ticks = 1000;
    run(call(), {mb::kIdYes}, 0);  // started 1000 ms ago
    EXPECT_EQ(shell.sleeps, (std::vector<std::uint32_t>{100, 1000, 500}));
    Installation later;
    later.clock.ticks = 1500;
    later.run(later.call(), {mb::kIdYes}, 0);
    EXPECT_EQ(later.shell.sleeps, (std::vector<std::uint32_t>{100, 500}));
}

TEST_F(Uninstaller, KeepsAFolderThatIsNotTheProductFolder) {
    for (const std::string folder : {"C:\\Tools\\", "C:\\Tools\\MeinKarvelo\\"}) {
        Installation t;
        t.install(folder);
        t.files.putFile(folder + "andere.txt", "x");
        EXPECT_EQ(t.run(t.call(folder)), UninstallOutcome::Removed);
        const std::string named = folder.substr(0, folder.size() - 1);
        EXPECT_EQ(t.texts(), (std::vector<std::string>{
                                 kQuestion,
                                 named + "\r\rwurde nicht entfernt, weil es sich nicht um das Stammverzeichnis handelt",
                                 kRemoved}))
            << folder;
        EXPECT_EQ(t.boxes.shown[1].caption, "Das Verzeichnis ...");
        EXPECT_FALSE(t.files.fileExists(folder + "karvelo.exe")) << folder;
        EXPECT_TRUE(t.files.fileExists(folder + "Karvelo.chm")) << folder;
        EXPECT_TRUE(t.files.fileExists(folder + "andere.txt")) << folder;
        EXPECT_EQ(t.registry.RegistryKeyExists(kLocalMachine, record::kProgramKey), 0);
    }
}

TEST_F(Uninstaller, KeepsAFolderThatStillHoldsUserData) {
    files.putFile(kFolder + "Eigene Logs\\Alarmlog.com", "x");
    EXPECT_EQ(run(call()), UninstallOutcome::Removed);
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           kQuestion,
                           "C:\\Program Files\\Karvelo\r\rkonnte nicht entfernt werden, weil es noch Daten enth\xE4lt.",
                           kRemoved}));
    EXPECT_FALSE(files.fileExists(kFolder + "Karvelo.chm"));
    EXPECT_TRUE(files.fileExists(kFolder + "Eigene Logs\\Alarmlog.com"));
}

TEST_F(Uninstaller, FolderMissingFromTheShellIsLeftAlone) {
    shell.folders[SpecialFolder::UserDesktop] = std::nullopt;
    shell.folders[SpecialFolder::CommonPrograms] = std::nullopt;
    files.putFile("Karvelo.lnk", "a file of the working folder");
    EXPECT_EQ(run(call()), UninstallOutcome::Removed);
    EXPECT_TRUE(files.fileExists("Karvelo.lnk"));
    // Without the all-users Start menu, the user's own is the base.
    EXPECT_FALSE(files.folderExists(kStartMenuB));
    EXPECT_TRUE(files.folderExists(kStartMenuA));
}

}  // namespace
}  // namespace karvelo
