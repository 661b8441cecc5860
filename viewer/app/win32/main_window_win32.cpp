#include "viewer/app/win32/main_window_win32.hpp"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>

namespace karvelo {
namespace {

constexpr int kPanelWidth = 790;
constexpr int kPanelHeight = 490;
constexpr int kScrollStep = 30;
constexpr int kMinInnerWidth = 600;
constexpr int kMinInnerHeight = 400;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kSearchCaptionBack = RGB(210, 210, 100);
constexpr COLORREF kSearchSeparatorBack = RGB(250, 252, 100);
constexpr COLORREF kSearchTextBack = RGB(250, 250, 100);

// Keys have their own command numbers: an accelerator of a disabled menu item would not
// arrive, and F3 must work also while "weiter suchen (F3)" is disabled.
constexpr int kKeyBase = 300;
const ACCEL kKeys[] = {
    {FVIRTKEY, VK_F1, kKeyBase + kCmdHelp},         {FVIRTKEY, VK_F2, kKeyBase + kCmdNewSearch},
    {FVIRTKEY, VK_F3, kKeyBase + kCmdContinueSearch}, {FVIRTKEY, VK_F4, kKeyBase + kCmdScrollTop},
    {FVIRTKEY, VK_F5, kKeyBase + kCmdScrollEnd},    {FVIRTKEY, VK_F6, kKeyBase + kCmdClearMarks},
    {FVIRTKEY, VK_RETURN, kKeyBase + kCmdReturn},
};

const char* const kAlarmTitles[] = {"", "Lfd.-Nr.", "Fehler-Nr.", "Kommen", "Gehen", "Löschen", "Fehlertext"};
const int kAlarmWidths[] = {0, 50, 70, 110, 110, 90, 330};
const char* const kErrorTextTitles[] = {"", "Fehler-Nr.", "Fehlertext"};
const int kErrorTextWidths[] = {0, 100, 660};

const std::string kEmpty;

int menuCommand(MenuItem item) {
    switch (item) {
        case MenuItem::ContinueSearch: return kCmdContinueSearch;
        case MenuItem::PrintAll: return kCmdPrintAll;
        case MenuItem::PrintRange: return kCmdPrintRange;
        case MenuItem::SaveAsText: return kCmdSaveAsText;
        case MenuItem::ProgramUpdate: return kCmdProgramUpdate;
        case MenuItem::RegisterFileType: return kCmdRegisterFileType;
    }
    return 0;
}

// The window object behind a window of ours: handed over at creation and kept in the
// window's user data.
Win32MainWindow* self(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND makeList(HWND parent, int id, HFONT font, const char* const* titles, const int* widths, int columns) {
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                                    LVS_SHOWSELALWAYS,
                                6, 40, 780, 368, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                nullptr, nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int c = 0; c < columns; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[c];
        column.pszText = const_cast<char*>(titles[c]);
        SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

}  // namespace

MainWindowFonts createViewerFonts(int dpi) {
    const double scale = dpi > 0 ? 96.0 / dpi : 1.0;
    const int points = static_cast<int>(std::lround(scale * 8));
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    auto font = [&](int weight, BOOL underline) {
        return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    };
    MainWindowFonts fonts{font(FW_NORMAL, FALSE), font(FW_BOLD, FALSE), font(FW_BOLD, TRUE), 14};
    if (fonts.normal) {
        const HGDIOBJ old = SelectObject(screen, fonts.normal);
        SIZE size{};
        GetTextExtentPoint32A(screen, "Tgp", 3, &size);
        SelectObject(screen, old);
        fonts.rowHeight = size.cy + 1;
    }
    ReleaseDC(nullptr, screen);
    return fonts;
}

// ---- alarm table

std::string_view Win32AlarmTable::cell(int row, int column) {
    if (column < 1 || column > 6) return {};
    if (row < 0) return kAlarmTitles[column];
    return textFor(row, column);
}

const std::string& Win32AlarmTable::textFor(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
    const AlarmRecord& r = rows_[row];
    switch (column) {
        case 1: return r.runningNo;
        case 2: return r.alarmNo;
        case 3: return r.come;
        case 4: return r.go;
        case 5: return r.clear;
        case 6: return r.text;
        default: return kEmpty;
    }
}

void Win32AlarmTable::clear() {
    rows_.clear();
    colours_.clear();
    ListView_SetItemCountEx(list_, 0, 0);
}

void Win32AlarmTable::setRecords(std::vector<AlarmRecord> records) {
    rows_ = std::move(records);
    colours_.assign(rows_.size(), kWhite);
    for (std::size_t i = 0; i < colours_.size(); i += 2) colours_[i] = kMint;
    // A virtual list: the table asks for the texts of the rows it draws, so a log of any
    // length is shown at once.
    ListView_SetItemCountEx(list_, rows_.size(), LVSICF_NOINVALIDATEALL);
    InvalidateRect(list_, nullptr, FALSE);
}

void Win32AlarmTable::setRowColour(int row, Colour colour) {
    if (row < 0 || row >= rowCount()) return;
    if (colours_[row] == colour) return;
    colours_[row] = colour;
    // Only a row in view needs drawing now; the others take their colour when they are
    // drawn. This keeps marking thousands of hits as cheap as the rows it marks.
    const int top = ListView_GetTopIndex(list_);
    if (row >= top && row <= top + ListView_GetCountPerPage(list_)) ListView_RedrawItems(list_, row, row);
}

int Win32AlarmTable::selectedRow() {
    return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32AlarmTable::selectRow(int row) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0 && row < rowCount()) {
        ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void Win32AlarmTable::scrollRowToTop(int row) {
    // Back to the top first (however long the log), then down by whole rows; the list
    // stops at its end by itself.
    ListView_Scroll(list_, 0, -std::max(10000, rowCount() + 1) * rowHeight_);
    if (row > 0) ListView_Scroll(list_, 0, row * rowHeight_);
}

// ---- main window

bool Win32MainWindow::create(HINSTANCE instance, const MainWindowFonts& fonts, int left, int top,
                             int innerWidth, int innerHeight, bool developmentBuild) {
    fonts_ = fonts;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXA frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = frameProc;
    frame.hInstance = instance;
    frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frame.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    frame.hbrBackground = CreateSolidBrush(RGB(100, 100, 100));
    frame.lpszClassName = "KarveloMain";
    RegisterClassExA(&frame);

    WNDCLASSEXA area = frame;
    area.lpfnWndProc = scrollProc;
    area.hIcon = nullptr;
    area.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    area.lpszClassName = "KarveloScrollArea";
    RegisterClassExA(&area);

    WNDCLASSEXA panel = area;
    panel.lpfnWndProc = panelProc;
    panel.lpszClassName = "KarveloPanel";
    RegisterClassExA(&panel);

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    // The stored inner height includes the menu bar, so the frame is computed without it.
    RECT rect{0, 0, innerWidth, innerHeight};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    window_ = CreateWindowExA(0, "KarveloMain", "Karvelo - Alarmprotokolle lesen, suchen, drucken - Brenmoor",
                              style, left, top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                              instance, this);
    if (!window_) return false;
    buildMenu(developmentBuild);
    if (!menu_) return false;

    scroller_ = CreateWindowExA(0, "KarveloScrollArea", "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL |
                                                                WS_CLIPCHILDREN,
                                0, 0, 10, 10, window_, nullptr, instance, this);
    // No WS_CLIPCHILDREN: the group frames are transparent, so the panel must paint under them.
    panel_ = CreateWindowExA(0, "KarveloPanel", "", WS_CHILD | WS_VISIBLE, 0, 0, kPanelWidth,
                             kPanelHeight, scroller_, nullptr, instance, this);
    buildPanel();
    accelerators_ = CreateAcceleratorTableA(const_cast<ACCEL*>(kKeys), sizeof kKeys / sizeof kKeys[0]);
    DragAcceptFiles(window_, TRUE);
    RECT client{};
    GetClientRect(window_, &client);
    resizeContent(client.right, client.bottom);
    return true;
}

void Win32MainWindow::buildMenu(bool developmentBuild) {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kCmdLoad, "Laden");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING | MF_GRAYED, kCmdSaveAsText, "als *.txt speichern");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kCmdExit, "Beenden");

    HMENU search = CreatePopupMenu();
    AppendMenuA(search, MF_STRING, kCmdNewSearch, "Suchtext eingeben (F2)");
    AppendMenuA(search, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(search, MF_STRING | MF_GRAYED, kCmdContinueSearch, "weiter suchen (F3)");
    AppendMenuA(search, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(search, MF_STRING, kCmdScrollTop, "gehe zu Tabellenanfang (F4)");
    AppendMenuA(search, MF_STRING, kCmdScrollEnd, "gehe zu Tabellenende (F5)");
    AppendMenuA(search, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(search, MF_STRING, kCmdClearMarks, "Markierungen löschen (F6)");

    HMENU print = CreatePopupMenu();
    AppendMenuA(print, MF_STRING | MF_GRAYED, kCmdPrintAll, "ganze Liste drucken");
    AppendMenuA(print, MF_STRING | MF_GRAYED, kCmdPrintRange, "Ausschnitt drucken");

    HMENU extras = CreatePopupMenu();
    AppendMenuA(extras, MF_POPUP, reinterpret_cast<UINT_PTR>(search), "Suchen");
    AppendMenuA(extras, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(extras, MF_POPUP, reinterpret_cast<UINT_PTR>(print), "Drucken");
    AppendMenuA(extras, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(extras, MF_STRING, kCmdAbout, "über das Programm");
    AppendMenuA(extras, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(extras, MF_STRING, kCmdChangeLog, "Change-Log anzeigen");
    if (developmentBuild) AppendMenuA(extras, MF_STRING, kCmdToDoList, "ToDo-Liste anzeigen");
    AppendMenuA(extras, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(extras, MF_STRING, kCmdHelp, "Hilfe (F1)");

    HMENU errorTexts = CreatePopupMenu();
    AppendMenuA(errorTexts, MF_STRING, kCmdEditErrorTexts, "Fehlertexte editieren");
    AppendMenuA(errorTexts, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(errorTexts, MF_STRING, kCmdViewErrorTexts, "Fehlertextdatei betrachten");

    HMENU update = CreatePopupMenu();
    AppendMenuA(update, MF_STRING, kCmdProgramUpdate, "Programm UpDate");
    AppendMenuA(update, MF_STRING | MF_GRAYED, kCmdRegisterFileType, "Dateityp anmelden");

    menu_ = CreateMenu();
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "Datei");
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(extras), "Extras");
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(errorTexts), "Fehlertexteditor");
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(update), "UpDate");
    if (!SetMenu(window_, menu_)) {
        DestroyMenu(menu_);
        menu_ = nullptr;
    }
}

void Win32MainWindow::buildPanel() {
    struct Item {
        const char* cls;
        const char* text;
        int id, x, y, w, h;
        DWORD style;
        HFONT font;
    };
    const DWORD groupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
    const DWORD label = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    const Item items[] = {
        {"BUTTON", "", -1, 4, 0, 784, 484, groupBox, fonts_.bold},
        {"BUTTON", "", -1, 6, 2, 780, 38, groupBox, fonts_.bold},
        {"STATIC", "Datei :", -1, 10, 10, 46, 14, label, fonts_.bold},
        {"STATIC", "kein File geladen", kIdFileName, 56, 10, 726, 14, label, fonts_.bold},
        {"STATIC", "Head :", -1, 10, 24, 46, 14, label, fonts_.bold},
        {"STATIC", "", kIdHead, 56, 24, 726, 14, label, fonts_.bold},
        {"BUTTON", "", -1, 6, 402, 780, 80, groupBox, fonts_.bold},
        {"STATIC", "ausgewählter Fehler:", -1, 10, 410, 126, 14, label, fonts_.underline},
        {"STATIC", "Zeile", -1, 10, 428, 56, 14, label, fonts_.bold},
        {"STATIC", "Fehler-Nr.", -1, 10, 446, 56, 14, label, fonts_.bold},
        {"STATIC", "Text", -1, 10, 464, 56, 14, label, fonts_.bold},
        {"STATIC", ":", -1, 66, 428, 10, 14, label, fonts_.bold},
        {"STATIC", ":", -1, 66, 446, 10, 14, label, fonts_.bold},
        {"STATIC", ":", -1, 66, 464, 10, 14, label, fonts_.bold},
        {"STATIC", "keine Auswahl", kIdDetailRow, 76, 428, 90, 14, label, fonts_.bold},
        {"STATIC", "keine Auswahl", kIdDetailNumber, 76, 446, 90, 14, label, fonts_.bold},
        {"STATIC", "keine Auswahl", kIdDetailText, 76, 464, 698, 14, label, fonts_.bold},
        {"STATIC", "Suchfunktion nicht aktiv", kIdSearchStatus, 238, 410, 470, 14, label, fonts_.bold},
        {"BUTTON", "", -1, 238, 422, 532, 41, groupBox, fonts_.bold},
        {"STATIC", "aktueller Suchtext", kIdSearchCaption, 239, 430, 66, 30, WS_CHILD | WS_VISIBLE | SS_CENTER,
         fonts_.bold},
        {"STATIC", "", kIdSearchSeparator, 306, 430, 2, 30, label, fonts_.bold},
        {"STATIC", "kein Text", kIdSearchText, 308, 430, 459, 30, label, fonts_.bold},
    };
    for (const Item& item : items) {
        HWND control = CreateWindowExA(0, item.cls, item.text, item.style, item.x, item.y, item.w, item.h, panel_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), nullptr, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(item.font), FALSE);
    }
    table_.attach(makeList(panel_, kIdAlarmList, fonts_.normal, kAlarmTitles, kAlarmWidths, 7), fonts_.rowHeight);
    errorList_ = makeList(panel_, kIdErrorTextList, fonts_.normal, kErrorTextTitles, kErrorTextWidths, 3);
    ShowWindow(table_.handle(), SW_SHOW);
}

void Win32MainWindow::resizeContent(int innerWidth, int innerHeight) {
    if (!scroller_) return;
    MoveWindow(scroller_, 0, 0, innerWidth, innerHeight, TRUE);
    RECT client{};
    GetClientRect(scroller_, &client);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const int page = bar == SB_HORZ ? client.right : client.bottom;
        const int size = bar == SB_HORZ ? kPanelWidth : kPanelHeight;
        int& pos = bar == SB_HORZ ? scrollX_ : scrollY_;
        pos = std::max(0, std::min(pos, size - page));
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, size - 1, static_cast<UINT>(std::max(page, 0)),
                        pos, 0};
        SetScrollInfo(scroller_, bar, &info, TRUE);
    }
    SetWindowPos(panel_, nullptr, -scrollX_, -scrollY_, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Win32MainWindow::scrollBy(int bar, int code, int thumb) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(scroller_, bar, &info);
    int pos = info.nPos;
    switch (code) {
        case SB_LINEUP: pos -= kScrollStep; break;
        case SB_LINEDOWN: pos += kScrollStep; break;
        case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = thumb; break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
    }
    pos = std::max(0, std::min(pos, info.nMax - static_cast<int>(info.nPage) + 1));
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(scroller_, bar, &info, TRUE);
    (bar == SB_HORZ ? scrollX_ : scrollY_) = pos;
    SetWindowPos(panel_, nullptr, -scrollX_, -scrollY_, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

Win32MainWindow::~Win32MainWindow() {
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

HBRUSH Win32MainWindow::brushFor(COLORREF colour) {
    auto& brush = brushes_[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

void Win32MainWindow::setText(int id, std::string_view text) {
    SetWindowTextA(GetDlgItem(panel_, id), std::string(text).c_str());
}

void Win32MainWindow::setDetail(std::string_view row, std::string_view alarmNo, std::string_view text) {
    setText(kIdDetailRow, row);
    setText(kIdDetailNumber, alarmNo);
    setText(kIdDetailText, text);
}

WindowPlacement Win32MainWindow::placement() const {
    RECT frame{}, client{};
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    return {frame.top, frame.left, client.right, client.bottom + GetSystemMetrics(SM_CYMENU)};
}

void Win32MainWindow::setErrorTexts(std::vector<ErrorTextRow> rows) {
    errorTexts_ = std::move(rows);
    ListView_SetItemCountEx(errorList_, errorTexts_.size(), 0);
    InvalidateRect(errorList_, nullptr, FALSE);
}

void Win32MainWindow::showAlarmTable() {
    ShowWindow(errorList_, SW_HIDE);
    ShowWindow(table_.handle(), SW_SHOW);
}

void Win32MainWindow::showErrorTextTable() {
    ShowWindow(table_.handle(), SW_HIDE);
    ShowWindow(errorList_, SW_SHOW);
}

void Win32MainWindow::enableMenuItem(MenuItem item, bool enabled) {
    EnableMenuItem(menu_, menuCommand(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

LRESULT Win32MainWindow::handleNotify(NMHDR* header) {
    if (header->code == LVN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
        if (!(info->item.mask & LVIF_TEXT)) return 0;
        const int row = info->item.iItem;
        const int column = info->item.iSubItem;
        const std::string* text = &kEmpty;
        if (header->hwndFrom == table_.handle()) {
            text = &table_.textFor(row, column);
        } else if (row >= 0 && row < static_cast<int>(errorTexts_.size())) {
            text = column == 1 ? &errorTexts_[row].alarmNo : column == 2 ? &errorTexts_[row].text : &kEmpty;
        }
        lstrcpynA(info->item.pszText, text->c_str(), info->item.cchTextMax);
        return 0;
    }
    if (header->code == NM_CUSTOMDRAW && header->hwndFrom == table_.handle()) {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            draw->clrTextBk = table_.colourOf(static_cast<int>(draw->nmcd.dwItemSpec));
            return CDRF_DODEFAULT;
        }
        return CDRF_DODEFAULT;
    }
    if (header->hwndFrom == table_.handle() &&
        (header->code == LVN_ITEMCHANGED || header->code == NM_CLICK || header->code == LVN_KEYDOWN)) {
        if (onTableEvent) onTableEvent(context);
    }
    return 0;
}

LRESULT CALLBACK Win32MainWindow::frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32MainWindow* w = self(window, message, lParam);
    switch (message) {
        case WM_COMMAND: {
            int command = LOWORD(wParam);
            if (command >= kKeyBase) command -= kKeyBase;
            if (w && w->onCommand) w->onCommand(w->context, command);
            return 0;
        }
        case WM_SIZE:
            if (w) w->resizeContent(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_GETMINMAXINFO: {
            RECT rect{0, 0, kMinInnerWidth, kMinInnerHeight};
            AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {rect.right - rect.left, rect.bottom - rect.top};
            return 0;
        }
        case WM_DROPFILES: {
            auto drop = reinterpret_cast<HDROP>(wParam);
            char path[MAX_PATH + 1] = {};
            if (DragQueryFileA(drop, 0, path, sizeof path) && w && w->onDropFile) {
                DragFinish(drop);
                w->onDropFile(w->context, path);
                return 0;
            }
            DragFinish(drop);
            return 0;
        }
        case WM_CLOSE:
            if (w && w->onClose) {
                w->onClose(w->context);
                return 0;
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::scrollProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32MainWindow* w = self(window, message, lParam);
    if (w && (message == WM_VSCROLL || message == WM_HSCROLL)) {
        w->scrollBy(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32MainWindow* w = self(window, message, lParam);
    switch (message) {
        case WM_NOTIFY:
            if (w) return w->handleNotify(reinterpret_cast<NMHDR*>(lParam));
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto dc = reinterpret_cast<HDC>(wParam);
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            COLORREF back = RGB(255, 255, 255);
            if (id == kIdSearchCaption) back = kSearchCaptionBack;
            if (id == kIdSearchSeparator) back = kSearchSeparatorBack;
            if (id == kIdSearchText) back = kSearchTextBack;
            if (id == kIdDetailRow || id == kIdDetailNumber || id == kIdDetailText) SetTextColor(dc, kRed);
            SetBkColor(dc, back);
            return reinterpret_cast<LRESULT>(w ? w->brushFor(back) : GetStockObject(WHITE_BRUSH));
        }
        case WM_COMMAND:
            // Commands of the panel's children go to the frame.
            if (w) return SendMessageA(w->window_, message, wParam, lParam);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace karvelo
