// The viewer's settings through the real registry and a real main window under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/install_record.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/scripted_message_boxes.hpp"
#include "viewer/app/settings.hpp"
#include "viewer/app/win32/main_window_win32.hpp"

namespace karvelo {
namespace {

class RealSettings : public ::testing::Test {
protected:
    void SetUp() override {
        registry.RegistryCreateKey(kCurrentUser, record::kProgramKey);
        for (const char* name : {"_TopWin0", "_LeftWin0", "_WidthWin0", "_HeightWin0", "Options0", "Options1",
                                 "Options2", "Options3", "Options4", "Options5", "Options6", "Options7"}) {
            registry.RegistryDeleteValue(kCurrentUser, record::kProgramKey, name);
        }
        files.addFolder("C:\\Temp\\");
    }
    std::int32_t stored(std::string_view name) {
        return registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, name);
    }
    // A real main window at the placement, then the settings saved from it.
    bool saveFromWindow(ViewerSettings& settings) {
        Win32MainWindow window;
        const auto& p = settings.placement;
        if (!window.create(GetModuleHandleA(nullptr), fonts, p.left, p.top, p.width, p.height, false)) return false;
        const bool saved = saveSettings(registry, messages, settings, window.placement(), files, "C:\\Temp\\");
        DestroyWindow(window.handle());
        return saved;
    }

    std::unique_ptr<KeyValueStore> store = makeSystemKeyValueStore();
    HelperError error;
    RegistryHelper registry{*store, error};
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages{boxes};
    testing::MemoryFileSystem files;
    MainWindowFonts fonts = createViewerFonts(96);
};

TEST_F(RealSettings, FirstStartDefaultsAndFlagsRoundTrip) {
    ViewerSettings settings = loadSettings(registry, 1024, 768);
    EXPECT_EQ(settings.placement, (WindowPlacement{84, 112, 800, 600}));
    markStartBeforeFirstSave(settings);
    ASSERT_TRUE(saveFromWindow(settings));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(stored("_TopWin0"), 84);
    EXPECT_EQ(stored("_LeftWin0"), 112);
    EXPECT_EQ(stored("_WidthWin0"), 800);
    EXPECT_EQ(stored("_HeightWin0"), 600);
    EXPECT_EQ(stored("Options0"), 6);  // flag 1 (first start before a save) and flag 2 (saved)

    // The next start keeps flag 1 as it is and does not set it again.
    ViewerSettings next = loadSettings(registry, 1024, 768);
    EXPECT_EQ(next.placement, (WindowPlacement{84, 112, 800, 600}));
    EXPECT_TRUE(next.options[0].test(1));
    EXPECT_TRUE(next.options[0].test(2));
}

TEST_F(RealSettings, NegativePositionsBecomeZeroAndOtherWordsStay) {
    registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "_TopWin0", -20);
    registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "_LeftWin0", -300);
    registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "Options3", 5);
    ViewerSettings settings = loadSettings(registry, 1024, 768);
    EXPECT_EQ(settings.placement.top, 0);
    EXPECT_EQ(settings.placement.left, 0);
    settings.placement.left = -50;  // a window dragged partly off the screen
    settings.placement.top = -10;
    ASSERT_TRUE(saveFromWindow(settings));
    EXPECT_EQ(stored("_TopWin0"), 0);
    EXPECT_EQ(stored("_LeftWin0"), 0);
    EXPECT_EQ(stored("Options3"), 5);
}

}  // namespace
}  // namespace karvelo
