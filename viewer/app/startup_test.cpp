#include "viewer/app/startup.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "common/install_record.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"

namespace karvelo {
namespace {

TEST(StartupValues, ComeFromTheModulePath) {
    struct Case {
        std::string_view modulePath;
        std::string_view folder, file;
        bool development;
    } cases[] = {
        {"C:\\Programme\\Karvelo\\karvelo.exe", "C:\\Programme\\Karvelo\\", "karvelo.exe", false},
        // Only the file name decides, not a folder of the same name.
        {"C:\\Compilers\\Karvelo\\karvelo.exe", "C:\\Compilers\\Karvelo\\", "karvelo.exe", false},
        {"D:\\Bau\\MyCompilers_tmp.exe", "D:\\Bau\\", "MyCompilers_tmp.exe", true},
        {"D:\\Bau\\karvelo_dev.exe", "D:\\Bau\\", "karvelo_dev.exe", true},
        {"karvelo.exe", "", "karvelo.exe", false},
    };
    for (const auto& c : cases) {
        const StartupValues v = makeStartupValues(c.modulePath, "C:\\Temp", 1024, 768, 96);
        EXPECT_EQ(v.programFolder, c.folder) << c.modulePath;
        EXPECT_EQ(v.programFile, c.file) << c.modulePath;
        EXPECT_EQ(v.developmentBuild, c.development) << c.modulePath;
        EXPECT_EQ(v.tempFolder, "C:\\Temp\\");
    }
}

TEST(StartupValues, ScaleAndBaseFontSizeFollowTheDpi) {
    struct Case {
        int dpi;
        double scale;
        int baseFontSize;
    } cases[] = {
        {96, 1.0, 8},        {120, 0.8, 6}, {144, 96.0 / 144, 5},
        {72, 96.0 / 72, 11}, {0, 1.0, 8},   {-1, 1.0, 8},
    };
    for (const auto& c : cases) {
        const FontScale f = fontScale(c.dpi);
        EXPECT_DOUBLE_EQ(f.scale, c.scale) << c.dpi;
        EXPECT_EQ(f.baseFontSize, c.baseFontSize) << c.dpi;
    }
}

class LocationCheckTest : public ::testing::Test {
  protected:
    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};

    std::optional<StartBox> check(std::string_view modulePath) {
        return checkLocation(registry, makeStartupValues(modulePath, "C:\\Temp\\", 1024, 768, 96));
    }
};

TEST_F(LocationCheckTest, RefusesAViewerOutsideItsRecordedFolder) {
    enum class Record { NoKey, NoValue, NumberValue, Text };
    enum class Expect { Start, NotInstalled, Moved };
    struct Case {
        Record record;
        std::string_view setPath;
        std::string_view modulePath;
        Expect expect;
    } cases[] = {
        {Record::Text, "C:\\PROGRAMME\\KARVELO\\", "C:\\PROGRAMME\\KARVELO\\karvelo.exe",
         Expect::Start},
        {Record::Text, "C:\\PROGRAMME\\KARVELO\\", "c:\\Programme\\Karvelo\\karvelo.exe",
         Expect::Start},
        {Record::Text, "C:\\PROGRAMME\\ÜBUNG\\", "C:\\Programme\\übung\\karvelo.exe",
         Expect::Start},
        {Record::Text, "C:\\PROGRAMME\\KARVELO\\", "D:\\Kopie\\Karvelo\\karvelo.exe",
         Expect::Moved},
        {Record::Text, "C:\\PROGRAMME\\KARVELO\\", "D:\\Kopie\\setup_karvelo.exe", Expect::Moved},
        {Record::NoKey, "", "C:\\Programme\\Karvelo\\karvelo.exe", Expect::NotInstalled},
        {Record::NoValue, "", "C:\\Programme\\Karvelo\\karvelo.exe", Expect::NotInstalled},
        {Record::NumberValue, "", "C:\\Programme\\Karvelo\\karvelo.exe", Expect::NotInstalled},
        {Record::Text, "", "C:\\Programme\\Karvelo\\karvelo.exe", Expect::NotInstalled},
        {Record::NoValue, "", "D:\\Bau\\Setup_Karvelo.exe", Expect::Start},
        {Record::Text, "", "D:\\Bau\\karvelosetup.exe", Expect::Start},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.modulePath) + " / " + std::string(c.setPath));
        registry.RegistryDeleteKey(kLocalMachine, record::kProgramKey);
        if (c.record != Record::NoKey)
            registry.RegistryCreateKey(kLocalMachine, record::kProgramKey);
        if (c.record == Record::NumberValue)
            registry.RegistryWriteNumber(kLocalMachine, record::kProgramKey, "SetPath", 1);
        if (c.record == Record::Text)
            registry.RegistryWriteText(kLocalMachine, record::kProgramKey, "SetPath", c.setPath);

        const auto box = check(c.modulePath);
        switch (c.expect) {
            case Expect::Start:
                EXPECT_FALSE(box.has_value());
                break;
            case Expect::NotInstalled:
                ASSERT_TRUE(box.has_value());
                EXPECT_EQ(box->title, "ABBRUCH");
                EXPECT_EQ(box->text, kNotInstalledText);
                break;
            case Expect::Moved:
                ASSERT_TRUE(box.has_value());
                EXPECT_EQ(box->title, kMovedTitle);
                EXPECT_EQ(box->text, kMovedText);
                break;
        }
        if (box) {
            EXPECT_EQ(box->kind, StartBox::Kind::Abort);
        }
        EXPECT_EQ(store.openKeyCount(), 0u);
    }
}

TEST(StartBoxes, ShowWithTheirTitleAndIconOnTopAndResetTheMessageState) {
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages(boxes);

    showStartBox(messages, secondInstanceRefusal());
    ASSERT_TRUE(resolutionWarning(120).has_value());
    showStartBox(messages, *resolutionWarning(120));

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].caption, "ABBRUCH");
    EXPECT_EQ(boxes.shown[0].flags, mb::kIconStop | mb::kTopmost);
    EXPECT_EQ(boxes.shown[0].text.substr(0, 27), "Karvelo.exe l\xE4uft breits!\r\r");
    EXPECT_EQ(boxes.shown[1].caption, "ACHTUNG!");
    EXPECT_EQ(boxes.shown[1].flags, mb::kIconExclamation | mb::kTopmost);
    EXPECT_EQ(boxes.shown[1].text, kResolutionText);
    EXPECT_EQ(messages.messageText, "no message");
    EXPECT_EQ(messages.infoTitle, "INFORMATION");

    EXPECT_FALSE(resolutionWarning(96).has_value());
    EXPECT_TRUE(resolutionWarning(0).has_value());
}

TEST(StartWords, DecideWhatTheArgumentsAskFor) {
    using Kind = StartWordAction::Kind;
    struct Case {
        std::vector<std::string> args;
        std::string_view modulePath;
        Kind kind;
        std::string_view filePath = {};
    } cases[] = {
        {{}, "C:\\Karvelo\\karvelo.exe", Kind::None},
        {{"uninstall"}, "C:\\Karvelo\\karvelo.exe", Kind::None},  // the words match exactly
        {{"UnInstall"}, "D:\\Bau\\karvelo_dev.exe", Kind::None},  // never from a development build
        {{"AutoRestart"}, "C:\\Karvelo\\karvelo.exe", Kind::UpdateWord},
        {{"StartFromUpDater_Succesfull"}, "C:\\Karvelo\\karvelo.exe", Kind::UpdateWord},
        {{"StartFromUpDater_NotSucces"}, "C:\\Karvelo\\karvelo.exe", Kind::UpdateWord},
        {{"C:\\Logs\\alter", "Stand.com"},
         "C:\\Karvelo\\karvelo.exe",
         Kind::OpenFile,
         "C:\\Logs\\alter Stand.com"},
        {{"Stand.com"}, "C:\\Karvelo\\karvelo.exe", Kind::None},
    };
    for (const auto& c : cases) {
        const StartupValues v = makeStartupValues(c.modulePath, "C:\\Temp\\", 1024, 768, 96);
        const StartWordAction a = decideStartWord(c.args, v);
        const std::string label = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(a.kind, c.kind) << label;
        EXPECT_EQ(a.filePath, c.filePath) << label;
        if (c.kind == Kind::UpdateWord) {
            EXPECT_EQ(a.word, c.args.front());
        }
    }
}

TEST(StartWords, UninstallStartsTheTemporaryCopyWithTheHandOffArguments) {
    const StartupValues v =
        makeStartupValues("C:\\Program Files\\Karvelo\\karvelo.exe",
                          "C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\", 1024, 768, 96);
    const std::vector<std::string> args = {"UnInstall"};
    const StartWordAction a = decideStartWord(args, v);
    EXPECT_EQ(a.kind, StartWordAction::Kind::RunUninstaller);
    EXPECT_EQ(a.program, "C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\KarveloUnInst.exe");
    EXPECT_EQ(a.arguments, "KarveloUnInstall C:\\Program%20Files\\Karvelo\\ Version: V001.000.015");
    EXPECT_EQ(a.workingFolder, "C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\");
}

}  // namespace
}  // namespace karvelo
