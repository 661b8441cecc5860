// karvelo.exe: start-up checks, settings, the main window and its event loop.
#include <winsock2.h>
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "common/install_record.hpp"
#include "common/resources.hpp"
#include "common/shell_helpers.hpp"
#include "viewer/app/commands.hpp"
#include "viewer/app/messages.hpp"
#include "viewer/app/settings.hpp"
#include "viewer/app/startup.hpp"
#include "viewer/app/tips.hpp"
#include "viewer/app/update_schedule.hpp"
#include "viewer/app/win32/file_dialogs_win32.hpp"
#include "viewer/app/win32/main_window_win32.hpp"
#include "viewer/app/win32/search_dialog_win32.hpp"

namespace karvelo {
namespace {

std::string modulePath() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string temporaryFolder() {
    char shortPath[MAX_PATH + 1] = {};
    GetTempPathA(sizeof shortPath, shortPath);
    char longPath[MAX_PATH + 1] = {};
    const DWORD n = GetLongPathNameA(shortPath, longPath, sizeof longPath);
    return n > 0 && n < sizeof longPath ? longPath : shortPath;
}

// A small window in the middle of the screen while the viewer gets ready.
HWND showLoadingWindow(HINSTANCE instance) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = instance;
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = "KarveloStartWindow";
    RegisterClassA(&cls);
    RECT rect{0, 0, 320, 0};
    AdjustWindowRect(&rect, WS_POPUP | WS_CAPTION, FALSE);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "KarveloStartWindow", "Karvelo wird geladen ...",
                                  WS_POPUP | WS_CAPTION, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
    return window;
}

bool startProcess(const std::string& program, const std::string& arguments, const std::string& folder) {
    std::string line = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", program.c_str(), arguments.c_str(),
                                                   folder.c_str(), SW_SHOWNORMAL)) > 32;
}

int run(HINSTANCE instance) {
    HelperError error;
    auto store = makeSystemKeyValueStore();
    auto shell = makeSystemShell();
    auto files = makeSystemFileSystem();
    auto clock = makeSystemClock();
    auto boxes = makeSystemMessageBoxes();
    RegistryHelper registry(*store, error);
    ShellHelpers helpers(*shell, *files, *clock, error);
    ViewerMessages messages(*boxes);

    const int dpi = helpers.ScreenDpi();
    const StartupValues values = makeStartupValues(modulePath(), temporaryFolder(), GetSystemMetrics(SM_CXSCREEN),
                                                   GetSystemMetrics(SM_CYSCREEN), dpi);
    const MainWindowFonts fonts = createViewerFonts(dpi);
    if (!fonts.normal || !fonts.bold || !fonts.underline) return 1;

    if (const auto refusal = checkLocation(registry, values)) {
        showStartBox(messages, *refusal);
        return 1;
    }
    if (!ensureUpdateSchedule(registry, clock->localTime())) return 1;
    if (helpers.SingleInstanceGuard("Karvelo") == 1) {
        showStartBox(messages, secondInstanceRefusal());
        return 1;
    }
    if (const auto warning = resolutionWarning(dpi)) showStartBox(messages, *warning);

    // A hidden window that stays for the whole run, and the "loading" window until the main
    // window is shown.
    HWND hidden = CreateWindowExA(0, "STATIC", "Karvelo", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
    HWND loading = showLoadingWindow(instance);
    if (!hidden || !loading) return 1;

    const std::string personal = helpers.PersonalFolder();
    if (!personal.empty()) files->createFolder(personal + "Karvelo_Daten\\");

    ViewerSettings settings = loadSettings(registry, values.desktopWidth, values.desktopHeight);
    writeEmbeddedResource(*files, resource::kUninstaller, values.tempFolder + std::string(record::kUninstallerFile));
    writeTipsFile(*files, values.tempFolder);

    std::vector<std::string> args(__argv + 1, __argv + __argc);
    const StartWordAction word = decideStartWord(args, values);
    if (word.kind == StartWordAction::Kind::RunUninstaller) {
        startProcess(word.program, word.arguments, word.workingFolder);
        DestroyWindow(loading);
        return 0;
    }

    Win32MainWindow window;
    if (!window.create(instance, fonts, settings.placement.left, settings.placement.top, settings.placement.width,
                       settings.placement.height, values.developmentBuild)) {
        return 1;
    }
    markStartBeforeFirstSave(settings);

    Win32FileDialogs dialogs(window.handle());
    Win32SearchDialog searchDialog(window.handle(), window.alarmTable(), fonts.normal);
    ViewerCommands commands(window, dialogs, searchDialog, messages, registry, *files, *clock);
    window.context = &commands;
    window.onCommand = [](void* c, int command) { static_cast<ViewerCommands*>(c)->dispatch(command); };
    window.onTableEvent = [](void* c) { static_cast<ViewerCommands*>(c)->tableEvent(); };
    window.onClose = [](void* c) { static_cast<ViewerCommands*>(c)->ending = true; };
    window.onDropFile = [](void* c, const std::string& path) { static_cast<ViewerCommands*>(c)->openFile(path); };

    // The network layer serves the update; without it the update item is disabled.
    WSADATA wsa{};
    const bool network = WSAStartup(MAKEWORD(1, 1), &wsa) == 0;
    if (!network) window.enableMenuItem(MenuItem::ProgramUpdate, false);

    DestroyWindow(loading);
    ShowWindow(window.handle(), SW_SHOW);
    UpdateWindow(window.handle());
    if (word.kind == StartWordAction::Kind::OpenFile) commands.openFile(word.filePath);

    MSG msg;
    while (!commands.ending && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window.handle(), window.accelerators(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    saveSettings(registry, messages, settings, window.placement(), *files, values.tempFolder);
    DestroyWindow(window.handle());
    DestroyWindow(hidden);
    if (network) WSACleanup();
    return 0;
}

}  // namespace
}  // namespace karvelo

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return karvelo::run(instance); }
