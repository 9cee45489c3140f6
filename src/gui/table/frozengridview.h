// A table view whose first row and first column stay in place while the
// rest scrolls, as the fixed header row and column of the Camber Table's
// grids do. The fixed cells are the model's own row 0 and column 0 (there are
// no QHeaderView headers): three small views over the same model lie on top
// of the main one, showing the top row, the left column and the corner cell,
// and follow its scrolling and its column widths.
//
// The selection is one rectangle of cells, read and set in the model's (the
// grid's) rows and columns. The view is never bigger than its cells (and its
// scroll bars when they show).
#pragma once

#include <QTableView>

namespace tarvik::gui {

class FrozenGridView : public QTableView
{
    Q_OBJECT
public:
    explicit FrozenGridView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // Column 0 and the data columns, in pixels; all four views follow.
    void setColumnWidths(int headerColumn, int dataColumn);
    // Height and width that show every cell without scroll bars.
    int fullHeight() const;
    int fullWidth() const;

    QTableView *frozenRow() const { return m_top; }
    QTableView *frozenColumn() const { return m_left; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    QTableView *makeOverlay();
    void placeOverlays();

    QTableView *m_top = nullptr;
    QTableView *m_left = nullptr;
    QTableView *m_corner = nullptr;
};

} // namespace tarvik::gui
