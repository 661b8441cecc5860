#pragma once
// The search dialog "Suchtext eingeben ...": a window with its own event loop, owned by
// the main window, which stays usable meanwhile (its table selection feeds the take-over).
#include <windows.h>

#include "viewer/app/search_dialog.hpp"

namespace karvelo {

class Win32SearchDialog final : public SearchDialog {
public:
    Win32SearchDialog(HWND owner, AlarmTable& table, HFONT font) : owner_(owner), table_(table), font_(font) {}
    std::optional<SearchDialogResult> run(std::string_view preset) override;

    // For GUI tests: called once the dialog is shown, with its window.
    void (*onShown)(void* context, HWND dialog) = nullptr;
    void* context = nullptr;

    enum : int { kIdText = 1001, kIdIgnoreCase, kIdTakeOver, kIdDone, kIdCancel };

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    HWND owner_;
    AlarmTable& table_;
    HFONT font_;
    HWND dialog_ = nullptr;
    bool closed_ = false;
    SearchDialogResult result_;
};

}  // namespace karvelo
