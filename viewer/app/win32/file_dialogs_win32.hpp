#pragma once
// The common open-file and folder dialogs, owned by the main window.
#include <windows.h>

#include "viewer/app/dialogs.hpp"

namespace karvelo {

class Win32FileDialogs final : public FileDialogs {
public:
    explicit Win32FileDialogs(HWND owner) : owner_(owner) {}
    std::string openFile(std::string_view title, std::string_view filter, std::string_view startFolder) override;
    std::string chooseFolder(std::string_view title, std::string_view startFolder) override;

private:
    HWND owner_;
};

}  // namespace karvelo
