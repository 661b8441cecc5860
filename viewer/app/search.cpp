#include "viewer/app/search.hpp"

#include <algorithm>

namespace karvelo {
namespace {
// F5 asks the table to bring this row to the top, which scrolls as far down as it allows.
constexpr int kScrollToEndRow = 10000;
}  // namespace

std::string searchHitStatus(int position) {
    return "Suche erfolgreich auf Zeile: " + std::to_string(position + 1) +
           " / weiter suchen F3 / neue Suche F2 / oder Men\xFC";
}

Search::Search(MainWindowView& window, ViewerMessages& messages, SearchDialog& dialog)
    : window_(window), messages_(messages), dialog_(dialog) {}

void Search::setSearch(std::string text, bool ignoreCase) {
    ignoreCase_ = ignoreCase;
    pattern_ = SearchPattern(text, ignoreCase);
    // A case-insensitive search keeps its text in upper case; the next dialog shows it so.
    searchText_ = pattern_.text();
}

bool Search::searchDialog() {
    const auto result = dialog_.run(searchDialogPreset(searchText_));
    if (!result) {
        window_.enableMenuItem(MenuItem::ContinueSearch, false);
        return false;
    }
    if (result->closedWith == SearchDialogResult::ClosedWith::Done) {
        clearMarks();
        setSearch(result->text, result->ignoreCase);
    } else {
        setSearch(searchText_, result->ignoreCase);  // "Abbrechen" keeps the earlier text
    }
    if (searchText_.empty()) {
        window_.enableMenuItem(MenuItem::ContinueSearch, false);
        return false;
    }
    window_.setSearchText(searchText_);
    return true;
}

bool Search::rowMatches(int row) {
    AlarmTable& table = window_.alarmTable();
    return karvelo::rowMatches(pattern_, table.cell(row, 2), table.cell(row, 6));
}

void Search::showHit() {
    AlarmTable& table = window_.alarmTable();
    lastSearchHit_ = true;
    table.focus();
    table.selectRow(position_);
    table.scrollRowToTop(position_);
    table.setRowColour(position_, kMarkingRed);
}

void Search::newSearch() {
    if (!searchDialog()) {
        window_.enableMenuItem(MenuItem::ContinueSearch, false);
        setSearch({}, ignoreCase_);
        rowCount_ = 0;
        position_ = -1;
        return;
    }
    window_.enableMenuItem(MenuItem::ContinueSearch, true);
    AlarmTable& table = window_.alarmTable();
    rowCount_ = table.rowCount();
    position_ = -1;
    for (;;) {
        ++position_;
        if (rowMatches(position_)) {
            // Marked without scrolling: the one scroll after marking the other hits brings
            // this row to the top.
            lastSearchHit_ = true;
            table.focus();
            table.selectRow(position_);
            table.setRowColour(position_, kMarkingRed);
            break;
        }
        if (position_ >= rowCount_) {
            messages_.information(kMsgNoHit);
            break;
        }
    }
    // Further hits are only coloured: scrolling to each of them would cost a scroll per hit
    // and end where the view goes back to anyway. The view returns to the first hit, or,
    // without a hit, to the end of the table.
    for (int row = position_ + 1; row < rowCount_; ++row) {
        if (rowMatches(row)) table.setRowColour(row, kMarkingRed);
    }
    table.scrollRowToTop(position_);
}

void Search::continueSearch() {
    if (searchText_.empty()) return;
    for (;;) {
        ++position_;
        if (rowMatches(position_)) break;
        if (position_ >= rowCount_) {
            if (messages_.question(kMsgSearchAgain, 0) != mb::kIdYes) return;
            position_ = -1;
        }
    }
    showHit();
}

void Search::scrollToTop() { window_.alarmTable().scrollRowToTop(0); }

void Search::scrollToEnd() {
    // A log longer than 10000 rows must reach its end too.
    AlarmTable& table = window_.alarmTable();
    table.scrollRowToTop(std::max(kScrollToEndRow, table.rowCount()));
}

void Search::clearMarks() {
    AlarmTable& table = window_.alarmTable();
    const int rows = table.rowCount();
    for (int row = 0; row < rows; ++row) table.setRowColour(row, row % 2 == 0 ? kMint : kWhite);
}

void Search::onTableEvent() {
    if (!lastSearchHit_) return;
    window_.setSearchStatus(searchHitStatus(position_));
    lastSearchHit_ = false;
}

void Search::resetForLoad() {
    setSearch({}, false);
    position_ = -1;
    rowCount_ = 0;
    // A hit not yet shown must not overwrite the status the load has just reset.
    lastSearchHit_ = false;
}

}  // namespace karvelo
