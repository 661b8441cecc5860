#pragma once
// The main loop's dispatch: what each menu item, key and table event of the main window
// does.
#include "viewer/app/loading.hpp"

namespace karvelo {

class ViewerCommands {
public:
    ViewerCommands(MainWindowView& window, FileDialogs& dialogs, ViewerMessages& messages,
                   RegistryHelper& registry, FileSystem& files, Clock& clock);

    void dispatch(int command);
    // A click or key in the alarm table.
    void tableEvent();
    // A log named on the command line or dropped onto the window.
    void openFile(const std::string& path);

    bool ending = false;

private:
    MainWindowView& window_;
    LogLoader loader_;
};

}  // namespace karvelo
