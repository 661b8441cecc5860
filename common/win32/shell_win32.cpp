#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "common/shell.hpp"
#include "common/win32/handles.hpp"

namespace karvelo {
namespace {

int csidlOf(SpecialFolder folder) {
    switch (folder) {
        case SpecialFolder::CommonPrograms:
            return CSIDL_COMMON_PROGRAMS;
        case SpecialFolder::UserPrograms:
            return CSIDL_PROGRAMS;
        case SpecialFolder::CommonDesktop:
            return CSIDL_COMMON_DESKTOPDIRECTORY;
        case SpecialFolder::UserDesktop:
            return CSIDL_DESKTOP;
        case SpecialFolder::ProgramFiles:
            return CSIDL_PROGRAM_FILES;
        case SpecialFolder::Personal:
            return CSIDL_PERSONAL;
    }
    return -1;
}

// The product's texts are in the ANSI code page; the shell-link object takes UTF-16.
std::wstring wideFromAnsi(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

// COM for the calling thread for the lifetime of one shell-link call. A thread that
// already lives in another apartment keeps it: COM is usable there, and uninitialising
// what this call did not initialise would pull COM away from the caller.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

class Win32Shell final : public Shell {
public:
    std::optional<std::string> specialFolderPath(SpecialFolder folder) override {
        CoTaskMemPtr<ITEMIDLIST> items;
        if (FAILED(SHGetSpecialFolderLocation(nullptr, csidlOf(folder), items.put())) ||
            !items.get()) {
            return std::nullopt;
        }
        // SHGetPathFromIDListA writes up to MAX_PATH characters, whatever buffer it gets.
        char path[MAX_PATH + 1] = {};
        if (!SHGetPathFromIDListA(items.get(), path)) return std::nullopt;
        return std::string(path);
    }

    bool saveShellLink(const ShellLink& link) override {
        ComApartment com;
        ComPtr<IShellLinkW> shellLink;
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    shellLink.put()))) {
            return false;
        }
        const bool fieldsSet =
            SUCCEEDED(shellLink->SetPath(wideFromAnsi(link.target).c_str())) &&
            SUCCEEDED(shellLink->SetArguments(wideFromAnsi(link.arguments).c_str())) &&
            SUCCEEDED(shellLink->SetWorkingDirectory(wideFromAnsi(link.workingFolder).c_str())) &&
            SUCCEEDED(shellLink->SetDescription(wideFromAnsi(link.description).c_str())) &&
            SUCCEEDED(shellLink->SetShowCmd(link.showCommand)) &&
            SUCCEEDED(shellLink->SetHotkey(link.hotKey)) &&
            SUCCEEDED(
                shellLink->SetIconLocation(wideFromAnsi(link.iconFile).c_str(), link.iconIndex));
        if (!fieldsSet) return false;
        ComPtr<IPersistFile> file;
        if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.put()))) return false;
        // A link that was not written is no link: the caller must be able to fall back,
        // for example from the all-users desktop to the user's own.
        return SUCCEEDED(file->Save(wideFromAnsi(link.linkFile).c_str(), TRUE));
    }

    OsVersion osVersion() override {
        OSVERSIONINFOEXA info{};
        info.dwOSVersionInfoSize = sizeof info;
        bool extended = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != 0;
        if (!extended) {
            // Systems before NT 4 SP6 know only the short structure.
            info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
            if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return {0, 0, 0, true};
        }
        return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                !extended || info.wProductType == VER_NT_WORKSTATION};
    }

    bool mutexExists(std::string_view name) override {
        const std::string text(name);
        KernelHandle mutex(OpenMutexA(MUTEX_ALL_ACCESS, TRUE, text.c_str()));
        // A mutex another user created is there even though its security denies us access.
        return mutex || GetLastError() == ERROR_ACCESS_DENIED;
    }

    void holdMutex(std::string_view name) override {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        // Never closed: the name stays taken until this process ends.
        CreateMutexA(&inheritable, TRUE, std::string(name).c_str());
    }

    int screenPixelsPerInch() override {
        const WindowDC dc(GetDesktopWindow());
        return dc ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
    }

    bool terminateProcess(std::uint32_t processId, std::uint32_t exitCode) override {
        const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
        return process && TerminateProcess(process.get(), exitCode) != 0;
    }

    void sleep(std::uint32_t milliseconds) override { Sleep(milliseconds); }
};

}  // namespace

std::unique_ptr<Shell> makeSystemShell() {
    return std::make_unique<Win32Shell>();
}

}  // namespace karvelo
