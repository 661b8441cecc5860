#pragma once
// Reading real windows back in GUI tests: messages, texts, list cells, menu states.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace karvelo::testing {

// Handles every message waiting for this thread.
inline void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

inline std::string windowText(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// A cell of a list view, as the list view itself gives it (virtual lists included).
inline std::string listText(HWND list, int row, int column) {
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

inline bool menuEnabled(HWND window, int command) {
    return !(GetMenuState(GetMenu(window), command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

}  // namespace karvelo::testing
