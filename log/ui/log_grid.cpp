// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_grid.h"

#include "log/ui/log_cell_delegate.h"
#include "log/ui/log_grid_accessible.h"
#include "log/ui/row_number_header.h"
#include "log/ui/row_numbers.h"

#include <QAbstractButton>
#include <QBitArray>
#include <QEvent>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <climits>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcGrid, "brackwater.grid", QtWarningMsg)

// Rows the row numbers reach beyond those in view, so that scrolling a little moves
// them as pixels instead of drawing them anew.
constexpr int WindowMargin = 64;

// The top-left corner above the row numbers: a blank header that selects everything.
class CornerButton : public QAbstractButton {
public:
    explicit CornerButton(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOptionHeader option;
        option.initFrom(this);
        QStyle::State state = QStyle::State_None;
        if (isEnabled())
            state |= QStyle::State_Enabled;
        if (isActiveWindow())
            state |= QStyle::State_Active;
        if (isDown())
            state |= QStyle::State_Sunken;
        option.state = state;
        option.rect = rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(this);
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
};

// A pixel length that cannot overflow: tables longer than an int of pixels stop there.
int Pixels(int rows, int height) {
    return int(std::min<qint64>(qint64(rows) * height, INT_MAX));
}
} // namespace

LogGrid::LogGrid(QWidget* parent)
    : QAbstractItemView(parent), columns_(new QHeaderView(Qt::Horizontal, this)),
      numbers_(new RowNumbers(this)), rows_(new RowNumberHeader(*numbers_, this)),
      corner_(new CornerButton(this)) {
    LogGridAccessible::Install();
    setItemDelegate(new LogCellDelegate(this));
    setTabKeyNavigation(true);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerItem);
    for (QHeaderView* header : {columns_, static_cast<QHeaderView*>(rows_)}) {
        header->setSectionsClickable(true);
        header->setHighlightSections(true);
    }
    rows_->setModel(numbers_);

    connect(columns_, &QHeaderView::sectionResized, this, [this](int column) {
        const int x = columnViewportPosition(column);
        viewport()->update(QRect(x, 0, viewport()->width() - x, viewport()->height()));
        updateGeometries();
    });
    connect(columns_, &QHeaderView::sectionCountChanged, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    connect(columns_, &QHeaderView::sectionPressed, this, &LogGrid::selectColumn);
    connect(columns_, &QHeaderView::sectionEntered, this,
            [this](int column) { SelectSections(Qt::Horizontal, column, false); });
    connect(columns_, &QHeaderView::sectionHandleDoubleClicked, this,
            &LogGrid::resizeColumnToContents);
    connect(columns_, &QHeaderView::geometriesChanged, this, &LogGrid::updateGeometries);
    connect(rows_, &QHeaderView::sectionPressed, this, [this](int section) {
        SelectSections(Qt::Vertical, numbers_->First() + section, true);
    });
    connect(rows_, &QHeaderView::sectionEntered, this, [this](int section) {
        SelectSections(Qt::Vertical, numbers_->First() + section, false);
    });
    // Sections change size only with the row height, which moves every row.
    connect(rows_, &QHeaderView::sectionResized, this, &LogGrid::scheduleDelayedItemsLayout);
    connect(corner_, &QAbstractButton::clicked, this, &LogGrid::selectAll);
}

LogGrid::~LogGrid() {
    // The headers and the model outlive this part of the grid while it is taken apart.
    for (QObject* sender : {static_cast<QObject*>(columns_), static_cast<QObject*>(rows_),
                            static_cast<QObject*>(corner_), static_cast<QObject*>(model())})
        if (sender)
            disconnect(sender, nullptr, this, nullptr);
}

QHeaderView* LogGrid::verticalHeader() const {
    return rows_;
}

void LogGrid::setModel(QAbstractItemModel* model) {
    if (model == this->model())
        return;
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    numbers_->SetSource(model);
    columns_->setModel(model);
    QAbstractItemView::setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::rowsRemoved, this, &LogGrid::doItemsLayout);
    connect(model, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientation, int first, int last) {
                if (orientation != Qt::Vertical)
                    return;
                const int top = rowViewportPosition(first);
                rows_->viewport()->update(0, top, rows_->viewport()->width(),
                                          Pixels(last - first + 1, rowHeight()));
            });
}

int LogGrid::RowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int LogGrid::rowHeight() const {
    return std::max(1, rows_->defaultSectionSize());
}

int LogGrid::columnWidth(int column) const {
    return columns_->sectionSize(column);
}

void LogGrid::setColumnWidth(int column, int width) {
    columns_->resizeSection(column, width);
}

bool LogGrid::isColumnHidden(int column) const {
    return columns_->isSectionHidden(column);
}

void LogGrid::setColumnHidden(int column, bool hide) {
    if (column >= 0 && column < columns_->count())
        columns_->setSectionHidden(column, hide);
}

int LogGrid::rowViewportPosition(int row) const {
    return int(std::clamp<qint64>(qint64(row) * rowHeight() - offset_, INT_MIN, INT_MAX));
}

int LogGrid::rowAt(int y) const {
    const qint64 position = qint64(y) + offset_;
    if (position < 0)
        return -1;
    const qint64 row = position / rowHeight();
    return row < RowCount() ? int(row) : -1;
}

int LogGrid::columnViewportPosition(int column) const {
    return columns_->sectionViewportPosition(column);
}

int LogGrid::columnAt(int x) const {
    return columns_->logicalIndexAt(x);
}

int LogGrid::horizontalOffset() const {
    return columns_->offset();
}

int LogGrid::verticalOffset() const {
    return offset_;
}

bool LogGrid::isIndexHidden(const QModelIndex& index) const {
    return isColumnHidden(index.column());
}

bool LogGrid::CellEnabled(int row, int column) const {
    return model()->flags(model()->index(row, column, rootIndex())) & Qt::ItemIsEnabled;
}

QRect LogGrid::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        isIndexHidden(index))
        return {};
    // One pixel of each cell is the grid line to its right and below.
    return QRect(columnViewportPosition(index.column()), rowViewportPosition(index.row()),
                 columnWidth(index.column()) - 1, rowHeight() - 1);
}

QModelIndex LogGrid::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    const int column = columnAt(point.x());
    if (row < 0 || column < 0)
        return {};
    return model()->index(row, column, rootIndex());
}

void LogGrid::updateGeometries() {
    if (inGeometries_)
        return;
    inGeometries_ = true;
    int width = 0;
    if (!rows_->isHidden())
        width = std::min(std::max(rows_->minimumWidth(), rows_->sizeHint().width()),
                         rows_->maximumWidth());
    int height = 0;
    if (!columns_->isHidden())
        height = std::min(std::max(columns_->minimumHeight(), columns_->sizeHint().height()),
                          columns_->maximumHeight());
    setViewportMargins(width, height, 0, 0);
    const QRect area = viewport()->geometry();
    rows_->setGeometry(area.left() - width, area.top(), width, area.height());
    columns_->setGeometry(area.left(), area.top() - height, area.width(), height);
    corner_->setHidden(rows_->isHidden() || columns_->isHidden());
    corner_->setGeometry(area.left() - width, area.top() - height, width, height);

    // Both directions scroll by whole columns and rows.
    QSize size = viewport()->size();
    const QSize most = maximumViewportSize();
    const int rows = RowCount();
    if (most.width() >= columns_->length() && most.height() >= Pixels(rows, rowHeight()))
        size = most;
    int columnsInView = 0;
    for (int used = 0, visual = columns_->count() - 1; visual >= 0; --visual) {
        const int column = columns_->logicalIndex(visual);
        if (columns_->isSectionHidden(column))
            continue;
        used += columns_->sectionSize(column);
        if (used > size.width())
            break;
        ++columnsInView;
    }
    columnsInView = std::max(columnsInView, 1);
    const int shownColumns = columns_->count() - columns_->hiddenSectionCount();
    horizontalScrollBar()->setRange(0, shownColumns - columnsInView);
    horizontalScrollBar()->setPageStep(columnsInView);
    horizontalScrollBar()->setSingleStep(1);

    const int rowsInView = std::clamp(size.height() / rowHeight(), 1, std::max(rows, 1));
    verticalScrollBar()->setRange(0, rows - rowsInView);
    verticalScrollBar()->setPageStep(rowsInView);
    verticalScrollBar()->setSingleStep(1);
    // Rows appended to a view at its end: it moves to the new end in one step.
    if (followEnd_)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    FollowColumns();
    FollowScrollBar();
    inGeometries_ = false;
    QAbstractItemView::updateGeometries();
}

void LogGrid::scrollContentsBy(int dx, int dy) {
    if (dx != 0)
        FollowColumns();
    if (dy != 0)
        FollowScrollBar();
}

void LogGrid::FollowColumns() {
    const int old = columns_->offset();
    const QScrollBar* bar = horizontalScrollBar();
    if (bar->maximum() > 0 && bar->value() == bar->maximum())
        columns_->setOffsetToLastSection();
    else
        columns_->setOffsetToSectionPosition(bar->value());
    if (const int moved = old - columns_->offset(); moved != 0) {
        scrollDirtyRegion(moved, 0);
        viewport()->scroll(moved, 0);
    }
}

void LogGrid::FollowScrollBar() {
    const QScrollBar* bar = verticalScrollBar();
    if (bar->maximum() > 0 && bar->value() == bar->maximum())
        SetOffset(std::max(0, Pixels(RowCount(), rowHeight()) - viewport()->height()));
    else
        SetOffset(Pixels(bar->value(), rowHeight()));
}

void LogGrid::SetOffset(int offset) {
    if (offset != offset_) {
        const int moved = offset_ - offset;
        offset_ = offset;
        scrollDirtyRegion(0, moved);
        viewport()->scroll(0, moved);
    }
    FollowRows(false);
}

void LogGrid::FollowRows(bool repaint) {
    const int rows = RowCount();
    const int height = rowHeight();
    const int shown = viewport()->height();
    int first = numbers_->First();
    int count = numbers_->Count();
    if (Pixels(rows, height) <= shown) {
        // All rows fit: exactly they have numbers, nothing is drawn below them.
        first = 0;
        count = rows;
    } else {
        const int top = offset_ / height;
        const int bottom = (offset_ + std::max(shown, 1) - 1) / height;
        if (top < first || bottom >= first + count) {
            first = std::max(0, top - WindowMargin);
            count = bottom - first + 1 + WindowMargin;
        }
    }
    // Sections added at the end would repaint the whole header: only theirs is drawn.
    QWidget* numbers = rows_->viewport();
    const int before = numbers_->Count();
    const bool grows = first == numbers_->First() && count > before;
    numbers->setAttribute(Qt::WA_UpdatesDisabled, grows && numbers->isVisible());
    const bool moved = numbers_->SetWindow(first, count);
    numbers->setAttribute(Qt::WA_UpdatesDisabled, false);
    rows_->setOffset(offset_ - Pixels(first, height));
    if (repaint || moved)
        numbers->update();
    else if (grows)
        numbers->update(0, rowViewportPosition(first + before), numbers->width(),
                        Pixels(count - before, height));
}

void LogGrid::doItemsLayout() {
    QAbstractItemView::doItemsLayout();
    FollowRows(true);
}

void LogGrid::reset() {
    QAbstractItemView::reset();
    hover_ = QPersistentModelIndex();
    rowAnchor_ = columnAnchor_ = 0;
    newTable_ = true;
}

void LogGrid::rowsInserted(const QModelIndex& parent, int first, int last) {
    QAbstractItemView::rowsInserted(parent, first, last);
    if (parent != rootIndex())
        return;
    const QScrollBar* bar = verticalScrollBar();
    followEnd_ = last == RowCount() - 1 && bar->value() == bar->maximum();
    updateGeometries();
    followEnd_ = false;
    if (last < RowCount() - 1) {
        // Rows came between others: everything below them moved.
        viewport()->update();
        rows_->viewport()->update();
        return;
    }
    const QRect added(0, rowViewportPosition(first), viewport()->width(),
                      Pixels(last - first + 1, rowHeight()));
    viewport()->update(added);
    rows_->viewport()->update(QRect(0, added.top(), rows_->viewport()->width(), added.height()));
}

void LogGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    LogGridAccessible::AnnounceCurrent(*this, current);
}

void LogGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        isColumnHidden(index.column()))
        return;

    const int viewWidth = viewport()->width();
    const int position = columns_->sectionPosition(index.column());
    int visual = columns_->visualIndex(index.column());
    const int cellWidth = columns_->sectionSize(index.column());
    const bool left = position - columns_->offset() < 0;
    const bool right = position - columns_->offset() + cellWidth > viewWidth;
    if (hint == PositionAtCenter || right) {
        const int room = hint == PositionAtCenter ? viewWidth / 2 : viewWidth;
        for (int x = cellWidth; visual > 0; --visual) {
            x += columnWidth(columns_->logicalIndex(visual - 1));
            if (x > room)
                break;
        }
    }
    if (right || left || hint == PositionAtCenter) {
        int hidden = 0;
        for (int v = visual - 1; v >= 0; --v)
            hidden += columns_->isSectionHidden(columns_->logicalIndex(v));
        horizontalScrollBar()->setValue(visual - hidden);
    }

    const int viewHeight = viewport()->height();
    const int top = rowViewportPosition(index.row());
    const int cellHeight = rowHeight();
    if (top < 0 || cellHeight > viewHeight) {
        if (hint == EnsureVisible)
            hint = PositionAtTop;
    } else if (top + cellHeight > viewHeight) {
        if (hint == EnsureVisible)
            hint = PositionAtBottom;
    }
    int row = index.row();
    if (hint == PositionAtBottom || hint == PositionAtCenter) {
        // As many rows above it as fit.
        const int room = hint == PositionAtCenter ? viewHeight / 2 : viewHeight;
        if (room >= cellHeight)
            row = std::max(0, row - (room - cellHeight) / cellHeight);
    }
    if (hint != EnsureVisible)
        verticalScrollBar()->setValue(row);
    update(index);
}

// As a table view moves: Tab and Shift+Tab wrap round the rows, Home and End go to
// the ends of the row (with Ctrl to the first and last row), Page Up and Page Down
// by the rows in view.
QModelIndex LogGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const int bottom = RowCount() - 1;
    int right = columns_->count() - 1;
    while (right >= 0 && isColumnHidden(columns_->logicalIndex(right)))
        --right;
    if (bottom < 0 || right < 0)
        return {};
    const auto logical = [this](int visual) {
        return visual < 0 || visual >= columns_->count() ? -1 : columns_->logicalIndex(visual);
    };
    const auto rowActive = [&](int row, int column) {
        return row >= 0 && row <= bottom && CellEnabled(row, column);
    };
    const auto columnActive = [&](int row, int visual) {
        const int column = logical(visual);
        return column >= 0 && !isColumnHidden(column) && CellEnabled(row, column);
    };

    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        int visual = 0;
        while (visual < right && isColumnHidden(logical(visual)))
            ++visual;
        return model()->index(0, logical(visual), rootIndex());
    }
    int row = std::min(current.row(), bottom);
    int visual = std::min(columns_->visualIndex(current.column()), right);
    const int startRow = row;
    const int startVisual = visual;

    switch (cursorAction) {
    case MoveUp:
        do
            --row;
        while (row >= 0 && !rowActive(row, logical(visual)));
        if (row < 0)
            row = startRow;
        break;
    case MoveDown:
        do
            ++row;
        while (row <= bottom && !rowActive(row, logical(visual)));
        if (row > bottom)
            row = startRow;
        break;
    case MovePrevious:
    case MoveLeft: {
        bool wrapped = false;
        bool looped = false;
        do {
            while (visual >= 0) {
                --visual;
                if (logical(visual) < 0 || columnActive(row, visual))
                    break;
                if (wrapped && (startRow < row || (startRow == row && startVisual <= visual))) {
                    looped = true;
                    break;
                }
            }
            if (cursorAction == MoveLeft || visual >= 0)
                break;
            visual = right + 1;
            if (row == 0) {
                wrapped = true;
                row = bottom;
            } else {
                --row;
            }
        } while (!looped);
        if (visual < 0)
            visual = startVisual;
        break;
    }
    case MoveNext:
    case MoveRight: {
        bool wrapped = false;
        bool looped = false;
        do {
            while (visual <= right) {
                ++visual;
                if (logical(visual) < 0 || columnActive(row, visual))
                    break;
                if (wrapped && (startRow > row || (startRow == row && startVisual >= visual))) {
                    looped = true;
                    break;
                }
            }
            if (cursorAction == MoveRight || visual <= right)
                break;
            visual = -1;
            if (row == bottom) {
                wrapped = true;
                row = 0;
            } else {
                ++row;
            }
        } while (!looped);
        if (visual > right)
            visual = startVisual;
        break;
    }
    case MoveHome:
        visual = 0;
        while (visual < right && !columnActive(row, visual))
            ++visual;
        if (modifiers & Qt::ControlModifier) {
            row = 0;
            while (row < bottom && !rowActive(row, logical(visual)))
                ++row;
            if (row == bottom)
                row = 0;
        }
        break;
    case MoveEnd:
        visual = right;
        while (visual > -1 && !columnActive(row, visual))
            --visual;
        if (modifiers & Qt::ControlModifier) {
            row = bottom;
            while (row > -1 && !rowActive(row, logical(visual)))
                --row;
        }
        break;
    case MovePageUp: {
        const int target = rowAt(visualRect(current).bottom() - viewport()->height());
        int r = target < 0 ? 0 : target;
        const int from = r;
        while (r < bottom && !rowActive(r, current.column()))
            if (++r == bottom) {
                r = from;
                break;
            }
        return model()->index(r, current.column(), rootIndex());
    }
    case MovePageDown: {
        const int target = rowAt(visualRect(current).top() + viewport()->height());
        int r = target < 0 ? bottom : target;
        while (r > -1 && !rowActive(r, current.column()))
            --r;
        return model()->index(r, current.column(), rootIndex());
    }
    }
    const int column = logical(visual);
    if (!model()->hasIndex(row, column, rootIndex()))
        return {};
    const QModelIndex result = model()->index(row, column, rootIndex());
    return !isColumnHidden(column) && (model()->flags(result) & Qt::ItemIsEnabled) ? result
                                                                                   : QModelIndex();
}

void LogGrid::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QModelIndex topLeft =
        indexAt(QPoint(std::min(rect.left(), rect.right()), std::min(rect.top(), rect.bottom())));
    const QModelIndex bottomRight =
        indexAt(QPoint(std::max(rect.left(), rect.right()), std::max(rect.top(), rect.bottom())));
    if (!selectionModel() || !topLeft.isValid() || !bottomRight.isValid() ||
        !(model()->flags(topLeft) & Qt::ItemIsEnabled) ||
        !(model()->flags(bottomRight) & Qt::ItemIsEnabled))
        return;
    QItemSelection selection;
    const QItemSelectionRange range(topLeft, bottomRight);
    if (!range.isEmpty())
        selection.append(range);
    selectionModel()->select(selection, command);
}

QRegion LogGrid::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const QRect view = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || !range.isValid())
            continue;
        // Hidden columns at either edge take no room.
        int left = range.left();
        int right = range.right();
        while (right >= left && isColumnHidden(right))
            --right;
        while (left <= right && isColumnHidden(left))
            ++left;
        if (left > right)
            continue;
        const int top = rowViewportPosition(range.top());
        const int bottom = rowViewportPosition(range.bottom()) + rowHeight();
        const int x0 = columnViewportPosition(left);
        const int x1 = columnViewportPosition(right) + columnWidth(right);
        const QRect rect(QPoint(x0, top), QPoint(x1 - 2, bottom - 2));
        if (view.intersects(rect))
            region += rect;
    }
    return region;
}

QModelIndexList LogGrid::selectedIndexes() const {
    QModelIndexList shown;
    if (!selectionModel())
        return shown;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        if (!isIndexHidden(index) && index.parent() == rootIndex())
            shown.append(index);
    return shown;
}

void LogGrid::selectRow(int row) {
    SelectSections(Qt::Vertical, row, true);
}

void LogGrid::selectColumn(int column) {
    SelectSections(Qt::Horizontal, column, true);
}

// A press on a row number or a column title selects its row or column; dragging
// over them, or a press with Shift, selects those from the first one pressed.
void LogGrid::SelectSections(Qt::Orientation orientation, int section, bool anchor) {
    const bool rows = orientation == Qt::Vertical;
    if (selectionBehavior() == (rows ? SelectColumns : SelectRows) ||
        (selectionMode() == SingleSelection && selectionBehavior() == SelectItems))
        return;
    const int count = rows ? RowCount() : model()->columnCount(rootIndex());
    if (section < 0 || section >= count)
        return;
    // Along the other way: the first column, or the first row, in view.
    const int across = rows ? columns_->logicalIndexAt(0) : std::max(0, rowAt(0));
    const auto at = [&](int s) {
        return rows ? model()->index(s, across, rootIndex())
                    : model()->index(across, s, rootIndex());
    };
    QItemSelectionModel::SelectionFlags command = selectionCommand(at(section));
    selectionModel()->setCurrentIndex(at(section), QItemSelectionModel::NoUpdate);
    int& start = rows ? rowAnchor_ : columnAnchor_;
    if ((anchor && !(command & QItemSelectionModel::Current)) || selectionMode() == SingleSelection)
        start = section;
    if (selectionMode() != SingleSelection && command.testFlag(QItemSelectionModel::Toggle)) {
        command &= ~QItemSelectionModel::Toggle;
        command |= QItemSelectionModel::Select;
        if (!anchor)
            command |= QItemSelectionModel::Current;
    }
    start = std::min(start, count - 1);
    selectionModel()->select(
        QItemSelection(at(std::min(start, section)), at(std::max(start, section))),
        command | (rows ? QItemSelectionModel::Rows : QItemSelectionModel::Columns));
}

int LogGrid::sizeHintForColumn(int column) const {
    if (!model())
        return -1;
    ensurePolished();
    // The rows in view first, then alternately above and below them, up to the
    // header's precision.
    const int limit = columns_->resizeContentsPrecision();
    const int rows = RowCount();
    const int top = std::max(0, rowAt(0));
    int bottom = rowAt(viewport()->height());
    if (!isVisible() || bottom < 0)
        bottom = rows - 1;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int hint = 0;
    int done = 0;
    const auto measure = [&](int row) {
        const QModelIndex index = model()->index(row, column, rootIndex());
        hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
        ++done;
    };
    int row = top;
    while (row <= bottom) {
        measure(row++);
        if (done == limit)
            break;
    }
    int above = top;
    int below = row - 1;
    while (limit != 0 && done != limit && (above > 0 || below < rows - 1)) {
        if ((done % 2 && above > 0) || below == rows - 1)
            measure(--above);
        else
            measure(++below);
    }
    return hint + 1; // the grid line
}

void LogGrid::resizeColumnToContents(int column) {
    columns_->resizeSection(column,
                            std::max(sizeHintForColumn(column), columns_->sectionSizeHint(column)));
}

void LogGrid::initViewItemOption(QStyleOptionViewItem* option) const {
    QAbstractItemView::initViewItemOption(option);
    option->showDecorationSelected = true;
}

bool LogGrid::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        hover_ = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QAbstractItemView::viewportEvent(event);
}

void LogGrid::DrawCell(QPainter& painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) {
    QStyleOptionViewItem cell = option;
    if (selectionModel() && selectionModel()->isSelected(index))
        cell.state |= QStyle::State_Selected;
    if (index == hover_)
        cell.state |= QStyle::State_MouseOver;
    if (option.state & QStyle::State_Enabled) {
        QPalette::ColorGroup group = QPalette::Normal;
        if (!(model()->flags(index) & Qt::ItemIsEnabled)) {
            cell.state &= ~QStyle::State_Enabled;
            group = QPalette::Disabled;
        }
        cell.palette.setCurrentColorGroup(group);
    }
    if (index == currentIndex() && (hasFocus() || viewport()->hasFocus()))
        cell.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
    itemDelegateForIndex(index)->paint(&painter, cell, index);
}

// Only the rows in the dirty region are visited: a repaint costs the same at any
// table length.
void LogGrid::paintEvent(QPaintEvent* event) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor gridColor = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const QPen gridPen(gridColor, 0, Qt::SolidLine);
    QPainter painter(viewport());
    const int rows = RowCount();
    if (columns_->count() == 0 || rows == 0 || !itemDelegate())
        return;
    const int height = rowHeight();
    if (std::exchange(newTable_, false))
        qCDebug(lcGrid, "shows rows %d to %d of %d", rowAt(0) + 1,
                rowAt(viewport()->height() - 1) < 0 ? rows : rowAt(viewport()->height() - 1) + 1,
                rows);
    const int lastX = columns_->length() - columns_->offset() - 1;
    const int lastY = Pixels(rows, height) - offset_ - 1;

    const int firstRow = std::max(rowAt(0), 0);
    int lastRow = rowAt(viewport()->height());
    if (lastRow < 0)
        lastRow = rows - 1;
    int firstVisual = columns_->visualIndexAt(0);
    int lastVisual = columns_->visualIndexAt(columns_->width());
    if (firstVisual < 0)
        firstVisual = 0;
    if (lastVisual < 0)
        lastVisual = columns_->count() - 1;
    const int across = lastVisual - firstVisual + 1;
    // A cell that reaches into two rectangles of the region is drawn once.
    QBitArray drawn((lastRow - firstRow + 1) * across);

    for (QRect dirty : event->region()) {
        dirty.setBottom(std::min(dirty.bottom(), lastY));
        dirty.setRight(std::min(dirty.right(), lastX));
        if (!dirty.isValid())
            continue;
        int left = columns_->visualIndexAt(dirty.left());
        int right = columns_->visualIndexAt(dirty.right());
        if (left < 0)
            left = 0;
        if (right < 0)
            right = columns_->count() - 1;
        int bottom = rowAt(dirty.bottom());
        if (bottom < 0)
            bottom = rows - 1;
        const int top = rowAt(dirty.top());
        if (top < 0 || top > bottom)
            continue;

        for (int row = top; row <= bottom; ++row) {
            const int y = rowViewportPosition(row);
            for (int visual = left; visual <= right; ++visual) {
                const int bit = (row - firstRow) * across + visual - firstVisual;
                if (bit < 0 || bit >= drawn.size() || drawn.testBit(bit))
                    continue;
                drawn.setBit(bit);
                const int column = columns_->logicalIndex(visual);
                if (isColumnHidden(column))
                    continue;
                const QModelIndex index = model()->index(row, column, rootIndex());
                if (!index.isValid())
                    continue;
                option.rect =
                    QRect(columnViewportPosition(column), y, columnWidth(column) - 1, height - 1);
                DrawCell(painter, option, index);
            }
        }

        const QPen old = painter.pen();
        painter.setPen(gridPen);
        for (int row = top; row <= bottom; ++row) {
            const int y = rowViewportPosition(row) + height - 1;
            painter.drawLine(dirty.left(), y, dirty.right(), y);
        }
        for (int visual = left; visual <= right; ++visual) {
            const int column = columns_->logicalIndex(visual);
            if (isColumnHidden(column))
                continue;
            const int x = columnViewportPosition(column) + columnWidth(column) - 1;
            painter.drawLine(x, dirty.top(), x, dirty.bottom());
        }
        painter.setPen(old);
    }
}
