#include "viewer/app/commands.hpp"

namespace karvelo {

ViewerCommands::ViewerCommands(MainWindowView& window, FileDialogs& dialogs, ViewerMessages& messages,
                               RegistryHelper& registry, FileSystem& files, Clock& clock)
    : window_(window), loader_({window, dialogs, messages, registry, files, clock}) {}

void ViewerCommands::dispatch(int command) {
    switch (command) {
        case kCmdLoad: loader_.loadAndShowAlarmLog(); break;
        case kCmdSaveAsText: loader_.saveLogAsText(); break;
        case kCmdExit: ending = true; break;
        case kCmdViewErrorTexts: loader_.viewErrorTexts(); break;
        default: break;  // features that arrive later, "Fehlertexte editieren", Return
    }
}

void ViewerCommands::tableEvent() {
    AlarmTable& table = window_.alarmTable();
    const int row = table.selectedRow();
    window_.setDetail(table.cell(row, 1), table.cell(row, 2), table.cell(row, 6));
}

void ViewerCommands::openFile(const std::string& path) { loader_.loadAndShowAlarmLogFrom(path); }

}  // namespace karvelo
