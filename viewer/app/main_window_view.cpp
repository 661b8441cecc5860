#include "viewer/app/main_window_view.hpp"

namespace karvelo {

void showSelectedRow(MainWindowView& window) {
    AlarmTable& table = window.alarmTable();
    const int row = table.selectedRow();
    window.setDetail(table.cell(row, 1), table.cell(row, 2), table.cell(row, 6));
}

}  // namespace karvelo
