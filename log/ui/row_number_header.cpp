// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/row_number_header.h"

#include "log/ui/row_numbers.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

RowNumberHeader::RowNumberHeader(const RowNumbers& numbers, QWidget* parent)
    : QHeaderView(Qt::Vertical, parent), numbers_(numbers) {}

QSize RowNumberHeader::sizeHint() const {
    const int last = numbers_.Total() - 1;
    const int digits = last < 0 ? 0 : int(QString::number(last + 1).size());
    if (digits != hintDigits_ || !hint_.isValid()) {
        hintDigits_ = digits;
        // Sections reach any row counted from the window's first.
        hint_ = last < 0 ? QHeaderView::sizeHint()
                         : sectionSizeFromContents(std::max(0, last - numbers_.First()));
    }
    return hint_;
}

void RowNumberHeader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        hint_ = QSize();
    QHeaderView::changeEvent(event);
}

void RowNumberHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    const qint64 end =
        qint64(numbers_.Total() - numbers_.First()) * defaultSectionSize() - offset();
    QRect below = viewport()->rect();
    if (end >= below.height())
        return;
    below.setTop(int(std::max<qint64>(end, 0)));
    QPainter(viewport()).fillRect(below & event->rect(), palette().base());
}
