#pragma once
// The search dialog ("Suchtext eingeben ...") as the search logic sees it, and the parts of
// its behaviour that need no window. The Win32 dialog implements SearchDialog.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "viewer/app/main_window_view.hpp"

namespace karvelo {

// Typed or pasted input stops at this many characters; a preset is cut to it.
inline constexpr std::size_t kSearchTextMaxLength = 50;

struct SearchDialogResult {
    enum class ClosedWith { Done, Cancel };  // "Fertig - Suche starten" or "Abbrechen"
    ClosedWith closedWith = ClosedWith::Cancel;
    std::string text;         // the text field's content when the dialog closed
    bool ignoreCase = true;   // "Groß-/Kleinschreibung ignorieren", ticked when the dialog opens
};

class SearchDialog {
public:
    virtual ~SearchDialog() = default;
    // Runs the modal dialog with its text field preset to `preset` until it is closed.
    // Returns nothing when the window could not be opened.
    virtual std::optional<SearchDialogResult> run(std::string_view preset) = 0;
};

// The text field's preset: the search text cut to the input limit.
inline std::string searchDialogPreset(std::string_view searchText) {
    return std::string(searchText.substr(0, kSearchTextMaxLength));
}

// "Fehlertext aus der markierten Zeile übernehmen": the selected row's alarm text, whole
// (the input limit applies to typing only); with no selection the column title.
inline std::string takeOverSelectedText(AlarmTable& table) {
    return std::string(table.cell(table.selectedRow(), 6));
}

// Return in the dialog: in the text field it moves the focus to "Fertig - Suche starten",
// on a button it presses that button.
enum class SearchDialogFocus { TextField, DoneButton, CancelButton };
enum class SearchDialogReturnKey { FocusDoneButton, CloseDone, CloseCancel };
inline SearchDialogReturnKey onReturnKey(SearchDialogFocus focus) {
    switch (focus) {
        case SearchDialogFocus::DoneButton: return SearchDialogReturnKey::CloseDone;
        case SearchDialogFocus::CancelButton: return SearchDialogReturnKey::CloseCancel;
        case SearchDialogFocus::TextField: break;
    }
    return SearchDialogReturnKey::FocusDoneButton;
}

}  // namespace karvelo
