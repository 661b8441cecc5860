// KarveloUnInst.exe: removes the installation; speaks only through message boxes.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "uninstaller/removal.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::uint32_t startTicks = GetTickCount();
    const std::vector<std::string> args(__argv + 1, __argv + __argc);

    karvelo::HelperError error;
    auto store = karvelo::makeSystemKeyValueStore();
    auto shell = karvelo::makeSystemShell();
    auto files = karvelo::makeSystemFileSystem();
    auto clock = karvelo::makeSystemClock();
    auto boxes = karvelo::makeSystemMessageBoxes();
    karvelo::RegistryHelper registry(*store, error);
    karvelo::ShellHelpers shellHelpers(*shell, *files, *clock, error);
    karvelo::UninstallerContext context{registry, shellHelpers, *shell, *files, *clock, *boxes};
    karvelo::runUninstaller(context, args, startTicks);
    return 0;
}
