#pragma once
// The common dialogs the viewer's logic uses.
#include <string>
#include <string_view>

namespace karvelo {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The open dialog (single selection, path must exist, the file itself need not):
    // filter as "description|pattern" pairs. Returns the chosen path, empty when cancelled.
    virtual std::string openFile(std::string_view title, std::string_view filter,
                                 std::string_view startFolder) = 0;
    // The folder dialog with a preselected folder; returns the chosen folder ending in "\",
    // or empty when cancelled.
    virtual std::string chooseFolder(std::string_view title, std::string_view startFolder) = 0;
};

}  // namespace karvelo
