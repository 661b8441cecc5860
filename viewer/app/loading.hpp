#pragma once
// Loading an alarm log (or an alarm-text file) into the viewer and saving the shown log as
// a converted text file: the dialogs, the checks, every message, the remembered start
// folder and the window's state without a loaded file.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.hpp"
#include "common/file_system.hpp"
#include "common/registry_helper.hpp"
#include "viewer/app/dialogs.hpp"
#include "viewer/app/main_window_view.hpp"
#include "viewer/app/messages.hpp"
#include "viewer/core/log_lines.hpp"

namespace karvelo {

// The kind of file a load asks for; any other value is refused.
enum class LoadKind : int { AlarmLog = 0, ErrorTexts = 1 };

// Texts of the window without a loaded file.
inline constexpr std::string_view kNoFileLoaded = "kein File geladen";
inline constexpr std::string_view kNoSelection = "keine Auswahl";
inline constexpr std::string_view kSearchInactive = "Suchfunktion nicht aktiv";
inline constexpr std::string_view kNoSearchText = "keine Text";

// Dialogs.
inline constexpr std::string_view kAlarmLogDialogTitle = "Auswahl der Fehlerprotokolldatei";
inline constexpr std::string_view kAlarmLogFilter = "Siemens Fehlerprotokoll *.com|*.com";
inline constexpr std::string_view kErrorTextsDialogTitle = "Auswahl der Fehlertextdatei";
inline constexpr std::string_view kErrorTextsFilter = "Siemens Fehlertexte *.com|*.com";
inline constexpr std::string_view kSaveDialogTitle =
    "Fehlerprotokoll als *.txt speichern unter ... (Startverzeichnis gleich Quellverzeichnis)";

// Messages not shared with the core's checks (log_file_check.hpp holds the others).
inline constexpr std::string_view kMsgNoLoadKind = "Kein Typ f\xFCr Laden gew\xE4hlt";
inline constexpr std::string_view kMsgLoadCancelled = "Laden vom Benutzer abgebrochen.";
inline constexpr std::string_view kMsgNoSaveFolder = "Kein Pfad zum speichern gew\xE4hlt.";
inline constexpr std::string_view kMsgNoEntries = "Keine Eintr\xE4ge vorhanden.";
inline constexpr std::string_view kSaveAbortTitle = "SPEICHERN ABBRUCH";

// The registry value that remembers the folder of the last loaded file (HKEY_CURRENT_USER,
// under the program's settings key).
inline constexpr std::string_view kDefaultPathValue = "DefaultPath";

// The one loaded file of the viewer.
struct LoadedLog {
    std::string path;      // as chosen
    std::string folder;    // up to and including the last '\' or '/'
    std::string baseName;  // file name without its last four characters
    LineList lines;        // as read; whatever was read before a failing check
};

// What loading and saving work with.
struct LoadingContext {
    MainWindowView& window;
    FileDialogs& dialogs;
    ViewerMessages& messages;
    RegistryHelper& registry;
    FileSystem& files;
    Clock& clock;
};

// Turns the lines of an alarm-text file into the rows of the alarm-text table.
using ErrorTextRowsFn = std::function<std::vector<ErrorTextRow>(const LineList&)>;

class LogLoader {
public:
    // `resetSearch` forgets the search text and switches the search back to case-sensitive;
    // it runs at the start of every load. `errorTextRows` fills the alarm-text table.
    LogLoader(LoadingContext context, std::function<void()> resetSearch = {},
              ErrorTextRowsFn errorTextRows = {});

    // Resets the window, asks for a file of the kind and reads its lines. True when the
    // file was read and has at least four lines; every failure is shown as an abort box.
    bool loadLogFile(LoadKind kind);
    // The same load of an alarm log for a path that did not come from the open dialog (the
    // command line, a file dropped onto the window): same reset, checks and messages.
    bool loadLogFileFrom(std::string_view path);

    // Fills the alarm table from the loaded lines; only after a successful alarm-log load.
    void showAlarmLog();
    // "Laden": load an alarm log and show it when the load succeeded.
    bool loadAndShowAlarmLog();
    // Command line and drag-and-drop: load the file and show it when the load succeeded.
    bool loadAndShowAlarmLogFrom(std::string_view path);

    // "als *.txt speichern": asks for a folder and writes the shown rows as converted text.
    void saveLogAsText();

    // "Fehlertextdatei betrachten": loads an alarm-text file and shows what was read,
    // whatever the load returned.
    void viewErrorTexts();
    void showErrorTexts();

    const LoadedLog& loaded() const { return loaded_; }

private:
    void resetWindow();
    bool loadPath(std::string path);
    void saveAbort(std::string_view text);

    LoadingContext ctx_;
    std::function<void()> resetSearch_;
    ErrorTextRowsFn errorTextRows_;
    LoadedLog loaded_;
};

}  // namespace karvelo
