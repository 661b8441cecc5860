#pragma once
// What the uninstaller does: its checks, the removal of the installation and its messages.
#include <cstdint>
#include <span>
#include <string>

#include "common/clock.hpp"
#include "common/file_system.hpp"
#include "common/message_boxes.hpp"
#include "common/registry_helper.hpp"
#include "common/shell.hpp"
#include "common/shell_helpers.hpp"

namespace karvelo {

struct UninstallerContext {
    RegistryHelper& registry;
    ShellHelpers& shellHelpers;
    Shell& shell;
    FileSystem& files;
    Clock& clock;
    MessageBoxes& boxes;
};

enum class UninstallOutcome {
    WrongArgumentCount,
    WrongCommand,
    Declined,
    NoWriteRights,
    RecordUnreadable,
    WrongVersion,
    NoVersionWord,
    ViewerNotDeleted,
    Removed,  // the installation is gone; the folder itself may have stayed (see message)
};

// Runs the uninstaller with its command-line arguments (without the program name);
// `startTicks` is the tick count when the program started.
UninstallOutcome runUninstaller(UninstallerContext& ctx, std::span<const std::string> args,
                                std::uint32_t startTicks);

}  // namespace karvelo
