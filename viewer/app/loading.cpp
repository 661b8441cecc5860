#include "viewer/app/loading.hpp"

#include <utility>

#include "common/install_record.hpp"
#include "common/text.hpp"
#include "viewer/core/alarm_log.hpp"
#include "viewer/core/converted_text.hpp"
#include "viewer/core/log_file_check.hpp"

namespace karvelo {
namespace {

constexpr MenuItem kFileMenuItems[] = {MenuItem::ContinueSearch, MenuItem::PrintAll, MenuItem::SaveAsText,
                                       MenuItem::PrintRange};

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

LogLoader::LogLoader(LoadingContext context, std::function<void()> resetSearch, ErrorTextRowsFn errorTextRows)
    : ctx_(context), resetSearch_(std::move(resetSearch)), errorTextRows_(std::move(errorTextRows)) {}

// The window without a file. Stays in force whatever the load does next, so a cancelled
// dialog never leaves an old log in view under a new state.
void LogLoader::resetWindow() {
    MainWindowView& w = ctx_.window;
    w.alarmTable().clear();
    loaded_.lines = LineList();
    w.setFileName(kNoFileLoaded);
    w.setHead("");
    w.setDetailRow(kNoSelection);  // the detail's number and text keep what they showed
    w.setSearchStatus(kSearchInactive);
    w.setSearchText(kNoSearchText);
    for (MenuItem item : kFileMenuItems) w.enableMenuItem(item, false);
    if (resetSearch_) resetSearch_();
}

bool LogLoader::loadLogFile(LoadKind kind) {
    resetWindow();
    std::string_view title, filter;
    switch (kind) {
        case LoadKind::AlarmLog:
            title = kAlarmLogDialogTitle;
            filter = kAlarmLogFilter;
            break;
        case LoadKind::ErrorTexts:
            title = kErrorTextsDialogTitle;
            filter = kErrorTextsFilter;
            break;
        default:
            ctx_.messages.abort(kMsgNoLoadKind);
            return false;
    }
    // An absent value reads as empty: the dialog then opens in its own default folder.
    // The read's error text is taken so that no later caller mistakes it for its own.
    const std::string startFolder =
        ctx_.registry.RegistryReadText(kCurrentUser, record::kProgramKey, kDefaultPathValue);
    ctx_.registry.HelperLastError();
    return loadPath(ctx_.dialogs.openFile(title, filter, startFolder));
}

bool LogLoader::loadLogFileFrom(std::string_view path) {
    resetWindow();
    return loadPath(std::string(path));
}

bool LogLoader::loadPath(std::string path) {
    loaded_.path = std::move(path);
    loaded_.folder = std::string(folderPart(loaded_.path));
    const std::string_view name = fileNamePart(loaded_.path);
    loaded_.baseName = std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));

    ViewerMessages& msg = ctx_.messages;
    if (loaded_.path.empty()) {
        msg.abort(kMsgLoadCancelled);
        return false;
    }
    if (!hasComExtension(loaded_.path)) {
        msg.abort(kMsgNotComFile);
        return false;
    }
    LogLines read = readLogLines(ctx_.files, loaded_.path);
    if (!read.opened) {
        msg.abort(kMsgNotReadable);
        return false;
    }
    loaded_.lines = std::move(read.lines);
    if (loaded_.folder.empty()) {
        msg.abort(kMsgNoFolder);
        return false;
    }
    // The next open dialog starts where this file came from; a failed write only loses
    // that convenience.
    ctx_.registry.RegistryWriteText(kCurrentUser, record::kProgramKey, kDefaultPathValue, loaded_.folder);
    ctx_.registry.HelperLastError();
    if (loaded_.lines.size() < kMinLogLines) {
        msg.abort(kMsgTooFewLines);
        return false;
    }
    return true;
}

void LogLoader::showAlarmLog() {
    MainWindowView& w = ctx_.window;
    AlarmTable& table = w.alarmTable();
    table.clear();
    w.setFileName(kNoFileLoaded);
    w.setHead("");
    w.showAlarmTable();
    for (MenuItem item : kFileMenuItems) w.enableMenuItem(item, false);

    AlarmLog log = parseAlarmLog(loaded_.lines);
    w.setFileName(loaded_.path);
    w.setHead(log.head);
    // "weiter suchen (F3)" stays disabled until a search is made.
    w.enableMenuItem(MenuItem::PrintAll, true);
    w.enableMenuItem(MenuItem::SaveAsText, true);
    w.enableMenuItem(MenuItem::PrintRange, true);
    // The table shades the rows itself: odd running numbers mint, even ones white.
    table.setRecords(std::move(log.records));
}

bool LogLoader::loadAndShowAlarmLog() {
    if (!loadLogFile(LoadKind::AlarmLog)) return false;
    showAlarmLog();
    return true;
}

bool LogLoader::loadAndShowAlarmLogFrom(std::string_view path) {
    if (!loadLogFileFrom(path)) return false;
    showAlarmLog();
    return true;
}

void LogLoader::saveAbort(std::string_view text) {
    ctx_.messages.abortTitle = kSaveAbortTitle;
    ctx_.messages.abort(text);  // the abort resets the title to "ABBRUCHINFORMATION"
}

void LogLoader::saveLogAsText() {
    // The folder dialog wants no trailing separator, except on a drive root such as "C:\".
    std::string start = loaded_.folder;
    if (start.size() > 3 && isSeparator(start.back())) start.pop_back();
    std::string folder = ctx_.dialogs.chooseFolder(kSaveDialogTitle, start);
    if (folder.empty()) {
        saveAbort(kMsgNoSaveFolder);
        return;
    }
    if (!isSeparator(folder.back())) folder += '\\';

    AlarmTable& table = ctx_.window.alarmTable();
    const int rows = table.rowCount();
    if (rows <= 0) {
        saveAbort(kMsgNoEntries);
        return;
    }
    std::vector<AlarmRecord> records;
    records.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        auto text = [&](int column) { return std::string(table.cell(row, column)); };
        records.push_back({text(1), text(2), text(3), text(4), text(5), text(6)});
    }
    const std::string target = folder + loaded_.baseName + ".txt";
    // A write that stops part-way (full disk) also counts as a failure: the writer removes
    // the partial file and the user is told, instead of finding a truncated file later.
    if (!writeConvertedText(ctx_.files, target, loaded_.path, records, ctx_.clock.localTime())) {
        saveAbort(kMsgNotCreated);
    }
}

void LogLoader::viewErrorTexts() {
    loadLogFile(LoadKind::ErrorTexts);  // shows whatever was read, also after a failure
    showErrorTexts();
}

void LogLoader::showErrorTexts() {
    MainWindowView& w = ctx_.window;
    w.setErrorTexts(errorTextRows_ ? errorTextRows_(loaded_.lines) : std::vector<ErrorTextRow>{});
    w.showErrorTextTable();
}

}  // namespace karvelo
