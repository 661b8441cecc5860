#include "viewer/app/testing/fake_main_window.hpp"

namespace karvelo::testing {

std::string_view FakeAlarmTable::cell(int row, int column) {
    static const char* const kTitles[] = {"", "Lfd.-Nr.", "Fehler-Nr.", "Kommen", "Gehen", "Löschen", "Fehlertext"};
    if (column < 1 || column > 6) return {};
    if (row < 0) return kTitles[column];
    if (row >= rowCount()) return {};
    const AlarmRecord& r = rows[row];
    const std::string* fields[] = {nullptr, &r.runningNo, &r.alarmNo, &r.come, &r.go, &r.clear, &r.text};
    return *fields[column];
}

void FakeAlarmTable::clear() {
    rows.clear();
    colours.clear();
    selected = -1;
    topRow = 0;
}

void FakeAlarmTable::setRecords(std::vector<AlarmRecord> records) {
    rows = std::move(records);
    colours.assign(rows.size(), kWhite);
    for (std::size_t i = 0; i < rows.size(); i += 2) colours[i] = kMint;
}

void FakeAlarmTable::setRowColour(int row, Colour colour) {
    ++colourCalls;
    if (row >= 0 && row < rowCount()) colours[row] = colour;
}

void FakeAlarmTable::selectRow(int row) { selected = row >= 0 && row < rowCount() ? row : -1; }

void FakeAlarmTable::scrollRowToTop(int row) {
    scrolls.push_back(row);
    // A list view scrolls no further than its last row allows; 20 rows are in view.
    const int lastTop = rowCount() > 20 ? rowCount() - 20 : 0;
    topRow = row < 0 ? 0 : (row > lastTop ? lastTop : row);
}

std::string ScriptedFileDialogs::next() {
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedFileDialogs::openFile(std::string_view title, std::string_view filter,
                                          std::string_view startFolder) {
    calls.push_back({"open", std::string(title), std::string(filter), std::string(startFolder)});
    return next();
}

std::string ScriptedFileDialogs::chooseFolder(std::string_view title, std::string_view startFolder) {
    calls.push_back({"folder", std::string(title), {}, std::string(startFolder)});
    return next();
}

}  // namespace karvelo::testing
