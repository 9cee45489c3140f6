// The grid view with a fixed first row and column; see frozengridview.h.
// Built in the manner of Qt's frozen-column example, with a frozen row and a
// corner added.
#include "gui/table/frozengridview.h"

#include <QHeaderView>
#include <QScrollBar>

namespace tarvik::gui {

FrozenGridView::FrozenGridView(QWidget *parent)
    : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);

    m_top = makeOverlay();
    m_left = makeOverlay();
    m_corner = makeOverlay();
    viewport()->stackUnder(m_top);
    m_top->stackUnder(m_corner);
    m_left->stackUnder(m_corner);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_top->horizontalScrollBar(),
        &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_left->verticalScrollBar(),
        &QScrollBar::setValue);
    // A wheel turned over a fixed part scrolls the grid beneath it.
    connect(m_top->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(),
        &QScrollBar::setValue);
    connect(m_left->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
        &QScrollBar::setValue);
}

QTableView *FrozenGridView::makeOverlay()
{
    auto *view = new QTableView(this);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setFocusPolicy(Qt::NoFocus);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setFrameShape(QFrame::NoFrame);
    view->setWordWrap(false);
    // The fixed cells are drawn with the grid's own bottom and right lines.
    view->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    return view;
}

void FrozenGridView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    for (QTableView *overlay : { m_top, m_left, m_corner }) {
        overlay->setModel(model);
    }
    if (model != nullptr) {
        connect(model, &QAbstractItemModel::modelReset, this, &FrozenGridView::placeOverlays);
    }
    placeOverlays();
}

void FrozenGridView::setColumnWidths(int headerColumn, int dataColumn)
{
    for (QTableView *view : { static_cast<QTableView *>(this), m_top, m_left, m_corner }) {
        view->horizontalHeader()->setDefaultSectionSize(dataColumn);
        const int columns = model() != nullptr ? model()->columnCount() : 0;
        for (int c = 0; c < columns; ++c) {
            view->setColumnWidth(c, c == 0 ? headerColumn : dataColumn);
        }
    }
    placeOverlays();
}

int FrozenGridView::fullHeight() const
{
    const int rows = model() != nullptr ? model()->rowCount() : 0;
    int height = 2 * frameWidth();
    for (int r = 0; r < rows; ++r) {
        height += rowHeight(r);
    }
    if (horizontalScrollBar()->isVisible()) {
        height += horizontalScrollBar()->height();
    }
    return height;
}

int FrozenGridView::fullWidth() const
{
    const int columns = model() != nullptr ? model()->columnCount() : 0;
    int width = 2 * frameWidth();
    for (int c = 0; c < columns; ++c) {
        width += columnWidth(c);
    }
    if (verticalScrollBar()->isVisible()) {
        width += verticalScrollBar()->width();
    }
    return width;
}

void FrozenGridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeOverlays();
}

void FrozenGridView::updateGeometries()
{
    QTableView::updateGeometries();
    placeOverlays();
    // No bigger than its cells and the scroll bars that show: a short table
    // leaves the rest of the window empty, a long one scrolls.
    if (model() != nullptr && model()->columnCount() > 0) {
        setMaximumSize(fullWidth(), fullHeight());
    }
}

void FrozenGridView::placeOverlays()
{
    if (m_corner == nullptr) {
        return; // still being made
    }
    const bool any = model() != nullptr && model()->rowCount() > 0 && model()->columnCount() > 0;
    for (QTableView *overlay : { m_top, m_left, m_corner }) {
        overlay->setVisible(any);
    }
    if (!any) {
        return;
    }
    for (QTableView *overlay : { m_top, m_left, m_corner }) {
        for (int c = 0; c < model()->columnCount(); ++c) {
            if (overlay->columnWidth(c) != columnWidth(c)) {
                overlay->setColumnWidth(c, columnWidth(c));
            }
        }
        overlay->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    }
    const QRect area = viewport()->geometry();
    const int columnWidth0 = qMin(columnWidth(0), area.width());
    const int rowHeight0 = qMin(rowHeight(0), area.height());
    m_top->setGeometry(area.x(), area.y(), area.width(), rowHeight0);
    m_left->setGeometry(area.x(), area.y(), columnWidth0, area.height());
    m_corner->setGeometry(area.x(), area.y(), columnWidth0, rowHeight0);
    m_top->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    m_left->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

QModelIndex FrozenGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (!current.isValid()) {
        return current;
    }
    // The fixed cells are labels, never the cursor: stay on the first data cell.
    if (current.row() == 0 || current.column() == 0) {
        const QModelIndex data = model()->index(qMax(current.row(), 1), qMax(current.column(), 1));
        if (data.isValid()) {
            current = data;
        }
    }
    // Keep the cursor cell clear of the fixed row and column.
    const QRect cell = visualRect(current);
    if (cell.left() < columnWidth(0)) {
        horizontalScrollBar()->setValue(
            horizontalScrollBar()->value() + cell.left() - columnWidth(0));
    }
    if (cell.top() < rowHeight(0)) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.top() - rowHeight(0));
    }
    return current;
}

void FrozenGridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The fixed row and column are always in view.
    if (index.row() > 0 && index.column() > 0) {
        QTableView::scrollTo(index, hint);
    }
}

} // namespace tarvik::gui
