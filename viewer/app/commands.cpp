#include "viewer/app/commands.hpp"

#include "viewer/core/error_texts.hpp"

namespace karvelo {
namespace {

std::vector<ErrorTextRow> errorTextRows(const LineList& lines) {
    std::vector<ErrorTextRow> rows;
    for (auto& entry : parseAlarmTexts(lines)) rows.push_back({std::move(entry.alarmNo), std::move(entry.text)});
    return rows;
}

}  // namespace

ViewerCommands::ViewerCommands(MainWindowView& window, FileDialogs& dialogs, SearchDialog& searchDialog,
                               ViewerMessages& messages, RegistryHelper& registry, FileSystem& files,
                               Clock& clock)
    : window_(window),
      search_(window, messages, searchDialog),
      loader_({window, dialogs, messages, registry, files, clock}, [this] { search_.resetForLoad(); },
              errorTextRows) {}

void ViewerCommands::dispatch(int command) {
    if (busy_) return;
    busy_ = true;
    switch (command) {
        case kCmdLoad: loader_.loadAndShowAlarmLog(); break;
        case kCmdSaveAsText: loader_.saveLogAsText(); break;
        case kCmdExit: ending = true; break;
        case kCmdNewSearch: search_.newSearch(); break;
        case kCmdContinueSearch: search_.continueSearch(); break;
        case kCmdScrollTop: search_.scrollToTop(); break;
        case kCmdScrollEnd: search_.scrollToEnd(); break;
        case kCmdClearMarks: search_.clearMarks(); break;
        case kCmdViewErrorTexts: loader_.viewErrorTexts(); break;
        default: break;  // features that arrive later, "Fehlertexte editieren", Return
    }
    busy_ = false;
}

void ViewerCommands::tableEvent() {
    showSelectedRow(window_);
    search_.onTableEvent();
}

void ViewerCommands::openFile(const std::string& path) {
    if (busy_) return;
    loader_.loadAndShowAlarmLogFrom(path);
}

}  // namespace karvelo
