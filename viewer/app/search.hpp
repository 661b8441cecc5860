#pragma once
// Searching the alarm table: the search dialog, first hit and marks (F2), continuing with
// the question to start again at the top (F3), scrolling to the start and end (F4, F5),
// removing the marks (F6) and the search status after a hit.
#include <string>
#include <string_view>

#include "viewer/app/main_window_view.hpp"
#include "viewer/app/messages.hpp"
#include "viewer/app/search_dialog.hpp"
#include "viewer/core/search_rules.hpp"

namespace karvelo {

inline constexpr std::string_view kMsgNoHit = "Liste vollst\xE4ndig durchsucht.\rKeinen Eintrag gefunden.";
inline constexpr std::string_view kMsgSearchAgain =
    "Liste vollst\xE4ndig durchsucht.\rKein weiteres Ergebnis gefunden.\r\rSuche am Anfang des "
    "Dokuments\rerneut beginnen?";

// The search status after a hit on row `position` (counted from 0).
std::string searchHitStatus(int position);

class Search {
public:
    Search(MainWindowView& window, ViewerMessages& messages, SearchDialog& dialog);

    void newSearch();       // F2
    void continueSearch();  // F3; does nothing while no search text is set
    void scrollToTop();     // F4
    void scrollToEnd();     // F5
    void clearMarks();      // F6: mint and white shading again; the search state stays
    // Runs the dialog; true when a search text is set afterwards.
    bool searchDialog();
    // Whether row `row` of the alarm table contains the search text (false beyond the end).
    bool rowMatches(int row);
    // Every event of the alarm table: shows the hit of the last search in the status field.
    void onTableEvent();
    // At the start of every load: forget the search text and compare case-sensitively again.
    void resetForLoad();

    const std::string& searchText() const { return searchText_; }
    bool ignoreCase() const { return ignoreCase_; }
    int position() const { return position_; }
    int rowCount() const { return rowCount_; }
    bool lastSearchHit() const { return lastSearchHit_; }

private:
    void setSearch(std::string text, bool ignoreCase);
    void showHit();

    MainWindowView& window_;
    ViewerMessages& messages_;
    SearchDialog& dialog_;

    std::string searchText_;
    bool ignoreCase_ = false;
    SearchPattern pattern_;
    int position_ = -1;
    int rowCount_ = 0;
    bool lastSearchHit_ = false;
};

}  // namespace karvelo
