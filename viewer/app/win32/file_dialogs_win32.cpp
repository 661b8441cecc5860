#include "viewer/app/win32/file_dialogs_win32.hpp"

#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace karvelo {
namespace {

int CALLBACK preselect(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

}  // namespace

std::string Win32FileDialogs::openFile(std::string_view title, std::string_view filter, std::string_view startFolder) {
    // "description|pattern|..." becomes the NUL-separated list the dialog expects.
    std::string filters(filter);
    for (char& c : filters) {
        if (c == '|') c = '\0';
    }
    filters.append(2, '\0');
    char path[MAX_PATH + 1] = {};
    const std::string titleText(title);
    const std::string folder(startFolder);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = titleText.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    return GetOpenFileNameA(&ofn) ? std::string(path) : std::string();
}

std::string Win32FileDialogs::chooseFolder(std::string_view title, std::string_view startFolder) {
    const HRESULT com = CoInitialize(nullptr);
    const std::string titleText(title);
    const std::string folder(startFolder);
    BROWSEINFOA info{};
    info.hwndOwner = owner_;
    info.lpszTitle = titleText.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = preselect;
    info.lParam = folder.empty() ? 0 : reinterpret_cast<LPARAM>(folder.c_str());
    std::string chosen;
    if (PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&info)) {
        char path[MAX_PATH + 1] = {};
        if (SHGetPathFromIDListA(list, path)) chosen = path;
        CoTaskMemFree(list);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    if (!chosen.empty() && chosen.back() != '\\') chosen += '\\';
    return chosen;
}

}  // namespace karvelo
