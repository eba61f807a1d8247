#include "log/ui/log_grid.h"

#include "log/ui/log_cell_delegate.h"

#include <QEvent>
#include <QHeaderView>
#include <utility>

namespace {
// Row numbers: the hint follows the width of the last (largest) number, measured
// once per number of digits.
class RowNumberHeader : public QHeaderView {
public:
    explicit RowNumberHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

    QSize sizeHint() const override {
        const int last = count() - 1;
        const int digits = last < 0 ? 0 : int(QString::number(last + 1).size());
        if (digits != hintDigits_ || !hint_.isValid()) {
            hintDigits_ = digits;
            hint_ = last < 0 ? QHeaderView::sizeHint() : sectionSizeFromContents(last);
        }
        return hint_;
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            hint_ = QSize();
        QHeaderView::changeEvent(event);
    }

private:
    mutable int hintDigits_ = -1;
    mutable QSize hint_;
};
} // namespace

LogGrid::LogGrid(QWidget* parent) : QTableView(parent) {
    setVerticalHeader(new RowNumberHeader(this));
    setItemDelegate(new LogCellDelegate(this));
}

void LogGrid::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    otherChange_ = true;
    QTableView::setModel(model);
    if (!model)
        return;
    // The row numbers repaint themselves whole when rows come; held while they come,
    // only the new ones are painted at the next layout.
    QWidget* numbers = verticalHeader()->viewport();
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [numbers] { numbers->setAttribute(Qt::WA_UpdatesDisabled, numbers->isVisible()); });
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this, numbers](const QModelIndex&, int first, int) {
                numbers->setAttribute(Qt::WA_UpdatesDisabled, false);
                if (firstNew_ < 0 || first < firstNew_)
                    firstNew_ = first;
            });
    const auto changed = [this] { otherChange_ = true; };
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, changed);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, changed);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, changed);
    connect(model, &QAbstractItemModel::columnsAboutToBeInserted, this, changed);
    connect(model, &QAbstractItemModel::columnsAboutToBeRemoved, this, changed);
}

void LogGrid::doItemsLayout() {
    const int first = std::exchange(firstNew_, -1);
    if (std::exchange(otherChange_, false) || first < 0) {
        QTableView::doItemsLayout();
        return;
    }
    // Rows appended at the end: the scroll bar and the headers follow the new count,
    // and only the new rows are painted; the view repaints nothing else.
    QHeaderView* rows = verticalHeader();
    const int offset = rows->offset();
    updateGeometries();
    // At the bottom the rows sit flush with the lower edge; once the range has grown
    // they align with the top again, and the headers have moved by the difference.
    if (rows->offset() != offset)
        viewport()->scroll(0, offset - rows->offset());
    const int top = rows->sectionViewportPosition(first);
    const int height = rows->length() - rows->sectionPosition(first);
    viewport()->update(0, top, viewport()->width(), height);
    rows->viewport()->update(0, top, rows->viewport()->width(), height);
}
