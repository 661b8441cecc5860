#include "viewer/app/win32/search_dialog_win32.hpp"

#include <string>

namespace karvelo {
namespace {

std::string textOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Draws the focused button as the default button and the other one as a plain button.
void markDefault(HWND dialog, HWND focused) {
    for (int id : {Win32SearchDialog::kIdDone, Win32SearchDialog::kIdCancel}) {
        HWND button = GetDlgItem(dialog, id);
        SendMessageA(button, BM_SETSTYLE, button == focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

}  // namespace

LRESULT CALLBACK Win32SearchDialog::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32SearchDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && self && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case kIdDone:
                self->result_.closedWith = SearchDialogResult::ClosedWith::Done;
                self->closed_ = true;
                return 0;
            case kIdCancel:
                self->result_.closedWith = SearchDialogResult::ClosedWith::Cancel;
                self->closed_ = true;
                return 0;
            case kIdTakeOver:
                if (IsDlgButtonChecked(window, kIdTakeOver) == BST_CHECKED) {
                    // Set as a whole: the input limit applies to typing only.
                    SetDlgItemTextA(window, kIdText, takeOverSelectedText(self->table_).c_str());
                    CheckDlgButton(window, kIdTakeOver, BST_UNCHECKED);
                }
                return 0;
        }
    }
    if (message == WM_CTLCOLORSTATIC) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::optional<SearchDialogResult> Win32SearchDialog::run(std::string_view preset) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = "KarveloSearchDialog";
    RegisterClassA(&cls);

    const DWORD style = WS_POPUP | WS_CAPTION;  // a caption, no close box
    RECT rect{0, 0, 440, 140};
    AdjustWindowRectEx(&rect, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    closed_ = false;
    result_ = {};
    dialog_ = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, "KarveloSearchDialog",
                              "Suchtext eingeben ...", style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner_, nullptr,
                              cls.hInstance, this);
    if (!dialog_) return std::nullopt;

    struct Item {
        const char* cls;
        const char* text;
        int id, x, y, w, h;
        DWORD style;
    };
    const Item items[] = {
        {"EDIT", "", kIdText, 10, 10, 420, 20, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {"STATIC",
         "Die Suche erfolgt in den Spalten Fehlernummer und Fehlertext. Manuelle Eingabe maximal 50 Zeichen. "
         "Zeilen die den Suchstring enthalten werden markiert.",
         -1, 10, 36, 400, 28, SS_LEFT},
        {"BUTTON", "Groß-/Kleinschreibung ignorieren", kIdIgnoreCase, 10, 70, 180, 14, WS_TABSTOP | BS_AUTOCHECKBOX},
        {"BUTTON", "Fehlertext aus der markierten Zeile übernehmen", kIdTakeOver, 10, 90, 250, 14,
         WS_TABSTOP | BS_AUTOCHECKBOX},
        {"BUTTON", "Fertig - Suche starten", kIdDone, 10, 110, 180, 24, WS_TABSTOP | BS_PUSHBUTTON},
        {"BUTTON", "Abbrechen", kIdCancel, 250, 110, 180, 24, WS_TABSTOP | BS_PUSHBUTTON},
    };
    for (const Item& item : items) {
        HWND control = CreateWindowExA(0, item.cls, item.text, WS_CHILD | WS_VISIBLE | item.style, item.x, item.y,
                                       item.w, item.h, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)),
                                       nullptr, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    HWND text = GetDlgItem(dialog_, kIdText);
    SendMessageA(text, EM_LIMITTEXT, kSearchTextMaxLength, 0);
    SetWindowTextA(text, searchDialogPreset(preset).c_str());
    CheckDlgButton(dialog_, kIdIgnoreCase, BST_CHECKED);
    ShowWindow(dialog_, SW_SHOW);
    SetFocus(text);
    if (onShown) onShown(context, dialog_);

    // The default-button look follows the focus; it is redrawn only when the focus moves.
    HWND lastFocus = nullptr;
    auto followFocus = [&] {
        const HWND focus = GetFocus();
        if (focus != lastFocus) markDefault(dialog_, focus);
        lastFocus = focus;
    };
    MSG msg;
    while (!closed_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && IsChild(dialog_, msg.hwnd)) {
            const HWND focus = GetFocus();
            const SearchDialogFocus where = focus == GetDlgItem(dialog_, kIdDone)     ? SearchDialogFocus::DoneButton
                                            : focus == GetDlgItem(dialog_, kIdCancel) ? SearchDialogFocus::CancelButton
                                                                                       : SearchDialogFocus::TextField;
            switch (onReturnKey(where)) {
                case SearchDialogReturnKey::FocusDoneButton: SetFocus(GetDlgItem(dialog_, kIdDone)); break;
                case SearchDialogReturnKey::CloseDone: SendMessageA(dialog_, WM_COMMAND, kIdDone, 0); break;
                case SearchDialogReturnKey::CloseCancel: SendMessageA(dialog_, WM_COMMAND, kIdCancel, 0); break;
            }
            followFocus();
            continue;
        }
        if (!IsDialogMessageA(dialog_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        followFocus();
    }
    result_.text = textOf(text);
    result_.ignoreCase = IsDlgButtonChecked(dialog_, kIdIgnoreCase) == BST_CHECKED;
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    return result_;
}

}  // namespace karvelo
