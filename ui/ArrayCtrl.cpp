#include "ui/ArrayCtrl.h"

#include <commctrl.h>
#include <oleacc.h>

#include <numeric>

#include "win32/Handles.h"
#include "win32/Utf.h"

namespace {

constexpr int kTextPadding = 2;

}  // namespace

const wchar_t* ArrayCtrl::ClassName() const {
    return WC_LISTVIEWW;
}

DWORD ArrayCtrl::Style() const {
    // Owner-drawn so that rows have the asked height and cells can paint themselves;
    // no header, no grid lines, the vertical scroll bar only while rows overflow.
    return WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER |
           LVS_OWNERDRAWFIXED;
}

void ArrayCtrl::OnCreated() {
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    AnswerScreenReaders();
}

std::string ArrayCtrl::AccessibleItemName(int row) const {
    std::string name;
    for (const Cell& cell : rows_.at(static_cast<size_t>(row))) {
        if (cell.value.empty())
            continue;
        if (!name.empty())
            name += ' ';
        name += cell.value;
    }
    return name;
}

long ArrayCtrl::AccessibleItemStates(int row) const {
    long states = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (row == cursor_.Row())
        states |= STATE_SYSTEM_SELECTED;
    const int focused =
        static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    if (row == focused && GetFocus() == Handle())
        states |= STATE_SYSTEM_FOCUSED;
    return states;
}

bool ArrayCtrl::AccessibleItemPlace(int row, RECT& screen) const {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessageW(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&rect)))
        return false;
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    screen = rect;
    return true;
}

void ArrayCtrl::SetRowHeight(int pixels) {
    rowHeight_ = pixels;
    // An owner-drawn list asks its parent for the row height again when its
    // size changes: nudge the size and put it back.
    const RECT place = Place();
    RECT taller = place;
    ++taller.bottom;
    SetPlace(taller);
    SetPlace(place);
}

void ArrayCtrl::AddColumn(const std::string& header, int weight) {
    const std::wstring text = Widen(header);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(text.c_str());
    column.cx = 0;
    const int index = static_cast<int>(weights_.size());
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
    weights_.push_back(weight > 0 ? weight : 0);
    sizedForWidth_ = -1;
    SizeColumns();
}

int ArrayCtrl::AddRow(const std::vector<std::string>& values) {
    const int row = static_cast<int>(rows_.size());
    std::vector<Cell> cells(weights_.size());
    for (size_t i = 0; i < cells.size() && i < values.size(); ++i) cells[i].value = values[i];
    // The texts are kept in the list too, for screen readers and other programs.
    for (size_t i = 0; i < cells.size(); ++i) {
        const std::wstring text = Widen(cells[i].value);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(Handle(), i == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                     static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    rows_.push_back(std::move(cells));
    SizeColumns();  // a scroll bar may have appeared
    return row;
}

void ArrayCtrl::SetDisplay(int row, int column, const CellDisplay& display) {
    if (row < 0 || row >= RowCount() || column < 0 ||
        column >= static_cast<int>(rows_[static_cast<size_t>(row)].size()))
        return;
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)].display = &display;
}

std::string ArrayCtrl::Get(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 ||
        column >= static_cast<int>(rows_[static_cast<size_t>(row)].size()))
        return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)].value;
}

void ArrayCtrl::SizeColumns() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = client.right - client.left;
    if (width == sizedForWidth_)
        return;
    sizedForWidth_ = width;
    const int total = std::accumulate(weights_.begin(), weights_.end(), 0);
    if (total <= 0)
        return;
    // The last column takes what rounding leaves, so the columns fill the width exactly.
    int used = 0;
    for (size_t i = 0; i < weights_.size(); ++i) {
        const int cx = i + 1 == weights_.size() ? width - used : width * weights_[i] / total;
        SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, i, cx);
        used += cx;
    }
}

LRESULT ArrayCtrl::OnNotify(NMHDR* header) {
    if (header->code != LVN_ITEMCHANGED)
        return 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    const bool nowSelected = (change->uNewState & LVIS_SELECTED) != 0;
    const bool wasSelected = (change->uOldState & LVIS_SELECTED) != 0;
    if (!(change->uChanged & LVIF_STATE) || nowSelected == wasSelected)
        return 0;
    if (!nowSelected) {
        cursor_.Deselected(change->iItem);
        return 0;
    }
    if (cursor_.Selected(change->iItem) && WhenCursor)
        WhenCursor();
    return 0;
}

bool ArrayCtrl::OnMeasureItem(MEASUREITEMSTRUCT& measure) {
    if (rowHeight_ <= 0)
        return false;
    measure.itemHeight = static_cast<UINT>(rowHeight_);
    return true;
}

bool ArrayCtrl::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    const int row = static_cast<int>(draw.itemID);
    if (row < 0 || row >= RowCount())
        return true;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool focused = GetFocus() == Handle();
    const COLORREF paper = GetSysColor(!selected ? COLOR_WINDOW
                                       : focused ? COLOR_HIGHLIGHT
                                                 : COLOR_BTNFACE);
    const COLORREF ink = GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const Selection fontSelected = SelectInto(draw.hDC, font);
    const std::vector<Cell>& cells = rows_[static_cast<size_t>(row)];
    int left = draw.rcItem.left;
    for (size_t i = 0; i < cells.size(); ++i) {
        const int cx = static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, i, 0));
        const RECT cell{left, draw.rcItem.top, left + cx, draw.rcItem.bottom};
        DrawCell(draw.hDC, cell, cells[i], ink, paper);
        left += cx;
    }
    if (left < draw.rcItem.right) {
        const RECT rest{left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
        SetBkColor(draw.hDC, paper);
        ExtTextOutW(draw.hDC, 0, 0, ETO_OPAQUE, &rest, nullptr, 0, nullptr);
    }
    if ((draw.itemState & ODS_FOCUS) && focused)
        DrawFocusRect(draw.hDC, &draw.rcItem);
    return true;
}

void ArrayCtrl::DrawCell(HDC dc, const RECT& rect, const Cell& cell, COLORREF ink,
                         COLORREF paper) const {
    if (cell.display) {
        cell.display->Paint(dc, rect, cell.value, ink, paper, 0);
        return;
    }
    SetBkColor(dc, paper);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    RECT text = rect;
    text.left += kTextPadding;
    text.right -= kTextPadding;
    SetTextColor(dc, ink);
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = Widen(cell.value);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}
