// A list of rows with columns sized by weight, one selected row (the cursor),
// an action when the cursor moves to another row, fixed row height, and cells
// that a CellDisplay may paint.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/CellDisplay.h"
#include "ui/Control.h"
#include "ui/ListCursor.h"

class ArrayCtrl : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::ArrayCtrl; }

    // Runs when the cursor moves to a different row, by mouse or keyboard.
    std::function<void()> WhenCursor;

    void AddColumn(const std::string& header, int weight);
    // Appends a row with one value per column (missing ones empty); answers its index.
    int AddRow(const std::vector<std::string>& values);
    // The display paints the cell instead of its text; the caller keeps it alive.
    void SetDisplay(int row, int column, const CellDisplay& display);
    // Row height in pixels, the same for every row.
    void SetRowHeight(int pixels);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    std::string Get(int row, int column) const;
    // The selected row, or -1 while none is.
    int GetCursor() const { return cursor_.Row(); }
    bool IsCursor() const { return cursor_.Row() >= 0; }

    LRESULT OnNotify(NMHDR* header) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& measure) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& draw) override;

protected:
    const wchar_t* ClassName() const override;
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void OnCreated() override;

    // Screen readers get the rows, named by their texts: Windows names a row
    // by its first column only, which here holds a picture.
    int AccessibleItemCount() const override { return RowCount(); }
    std::string AccessibleItemName(int row) const override;
    long AccessibleItemStates(int row) const override;
    bool AccessibleItemPlace(int row, RECT& screen) const override;

private:
    struct Cell {
        std::string value;
        const CellDisplay* display = nullptr;
    };

    void SizeColumns();
    void DrawCell(HDC dc, const RECT& rect, const Cell& cell, COLORREF ink, COLORREF paper) const;

    std::vector<int> weights_;
    std::vector<std::vector<Cell>> rows_;
    int rowHeight_ = 0;
    int sizedForWidth_ = -1;
    ListCursor cursor_;
};
