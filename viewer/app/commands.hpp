#pragma once
// The main loop's dispatch: what each menu item, key and table event of the main window
// does.
#include "viewer/app/loading.hpp"
#include "viewer/app/search.hpp"
#include "viewer/app/search_dialog.hpp"

namespace karvelo {

class ViewerCommands {
public:
    ViewerCommands(MainWindowView& window, FileDialogs& dialogs, SearchDialog& searchDialog,
                   ViewerMessages& messages, RegistryHelper& registry, FileSystem& files, Clock& clock);

    void dispatch(int command);
    // A click or key in the alarm table.
    void tableEvent();
    // A log named on the command line or dropped onto the window.
    void openFile(const std::string& path);

    Search& search() { return search_; }
    bool ending = false;

private:
    MainWindowView& window_;
    Search search_;
    LogLoader loader_;
    // A command that arrives while another one still runs its own window (the search
    // dialog keeps the main window usable) waits for nobody: it is dropped.
    bool busy_ = false;
};

}  // namespace karvelo
