// Speed of the viewer under Wine: loading a generated log of 100 000 records until the
// table is ready and drawn, and a search that marks about 10 000 hits. Prints figures.
#include <windows.h>

#include <cstdio>

#include "bench/log_generator.hpp"
#include "common/testing/fixed_clock.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"
#include "viewer/app/commands.hpp"
#include "viewer/app/testing/fake_main_window.hpp"
#include "viewer/app/testing/fake_search_dialog.hpp"
#include "viewer/app/win32/main_window_win32.hpp"

using namespace karvelo;

namespace {

void settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace

int main() {
    constexpr std::size_t kRecords = 100'000;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "karvelo_bench.com";
    auto files = makeSystemFileSystem();
    const std::string log = karvelo::bench::generateAlarmLog(kRecords);
    if (!files->writeFile(path, log)) return 1;

    const MainWindowFonts fonts = createViewerFonts(96);
    Win32MainWindow window;
    if (!window.create(GetModuleHandleA(nullptr), fonts, 0, 0, 800, 600, false)) return 1;
    ShowWindow(window.handle(), SW_SHOW);
    settle(window.handle());

    testing::ScriptedFileDialogs dialogs;
    testing::ScriptedSearchDialog searchDialog;
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages(boxes);
    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry(store, error);
    testing::FixedClock clock;
    ViewerCommands commands(window, dialogs, searchDialog, messages, registry, *files, clock);

    std::printf("log: %zu records, %.1f MB\n", kRecords, log.size() / 1e6);
    double bestLoad = 1e9, bestSearch = 1e9;
    int hits = 0;
    for (int round = 0; round < 3; ++round) {
        const double t0 = now();
        commands.openFile(path);
        settle(window.handle());
        const double t1 = now();
        bestLoad = std::min(bestLoad, t1 - t0);

        searchDialog.done("700", true);
        const double t2 = now();
        commands.dispatch(kCmdNewSearch);
        settle(window.handle());
        const double t3 = now();
        bestSearch = std::min(bestSearch, t3 - t2);
        auto& table = static_cast<Win32AlarmTable&>(window.alarmTable());
        hits = 0;
        for (int row = 0; row < table.rowCount(); ++row) hits += table.colourOf(row) == kMarkingRed;
    }
    std::printf("rows in table: %d\n", window.alarmTable().rowCount());
    std::printf("load to table ready and drawn: %7.1f ms (target under 1000 ms)\n", bestLoad * 1000);
    std::printf("search marking %d hits:       %7.1f ms (target under 300 ms)\n", hits, bestSearch * 1000);
    DestroyWindow(window.handle());
    files->deleteFile(path);
    return 0;
}
