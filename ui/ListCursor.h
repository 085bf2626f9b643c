// The cursor of a single-selection list, following the list's real selection:
// the selected row, or none once the user has cleared the selection (a click
// below the rows, Ctrl+click). Selecting a row that is not the cursor is a
// cursor move; so a row clicked again after its selection was cleared moves
// the cursor again.
#pragma once

class ListCursor {
public:
    // A row became selected; answers whether the cursor moved to another row.
    bool Selected(int row) {
        if (row < 0 || row == row_)
            return false;
        row_ = row;
        return true;
    }
    // A row lost its selection; -1 stands for every row at once.
    void Deselected(int row) {
        if (row < 0 || row == row_)
            row_ = -1;
    }
    // The rows were all removed.
    void Clear() { row_ = -1; }

    int Row() const { return row_; }

private:
    int row_ = -1;
};
