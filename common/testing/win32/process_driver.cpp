#include "common/testing/win32/process_driver.hpp"

namespace karvelo::testing {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Search {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (owner == search->processId && IsWindowVisible(window) && std::string(cls) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND window) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

std::optional<HWND> findMessageBox(DWORD processId) {
    Search search{processId};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return std::nullopt;
    return search.found;
}

SeenBox readMessageBox(HWND box) {
    const HWND textControl = GetDlgItem(box, kMessageTextId);
    return {windowText(box), textControl ? windowText(textControl) : std::string()};
}

void pressButton(HWND box, int buttonId) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0); }

ProgramRun runAndAnswer(const std::string& commandLine, const std::string& workingFolder,
                        std::deque<int> answers, DWORD limitMs) {
    ProgramRun run;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process)) {
        return run;
    }
    run.started = true;
    const DWORD start = GetTickCount();
    HWND answered = nullptr;
    while (GetTickCount() - start < limitMs) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
        const auto box = findMessageBox(process.dwProcessId);
        // A box just answered may take a moment to go; it is not a new one.
        if (!box || (*box == answered && IsWindow(answered))) continue;
        Sleep(100);  // let the box finish drawing its controls
        run.boxes.push_back(readMessageBox(*box));
        int answer = IDOK;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        pressButton(*box, answer);
        answered = *box;
    }
    if (!run.ended) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

}  // namespace karvelo::testing
