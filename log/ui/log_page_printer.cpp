#include "log/ui/log_page_printer.h"

#include "log/log_print_layout.h"
#include "log/log_table.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace LogPagePrinter {
namespace {
QFont PrintFont(const char* family, int points) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

class TextPlacer {
public:
    TextPlacer(QPainter& painter, const QFont& font)
        : painter_(painter), font_(font), ascent_(QFontMetrics(font, painter.device()).ascent()) {}

    void Select() { painter_.setFont(font_); }
    // Texts stand by their top-left corner.
    void Draw(int x, int y, const QString& text) {
        if (!text.isEmpty())
            painter_.drawText(QPoint(x, y + ascent_), text);
    }

private:
    QPainter& painter_;
    QFont font_;
    int ascent_;
};
} // namespace

QFont HeaderFont() {
    return PrintFont("Arial", 12);
}

QFont RowFont() {
    return PrintFont("MS Sans Serif", 8);
}

void DrawPrintPage(QPainter& painter, const LogPrintLayout& layout) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, layout.FramePenWidth()));
    painter.drawRect(layout.Frame());
    painter.setPen(QPen(Qt::black, layout.RulePenWidth()));
    painter.drawLines(layout.Rules());
}

int Print(QPainter& painter, const LogTable& table, RowRange range,
          const std::function<bool()>& newPage, const std::function<bool(int rows)>& progress) {
    const LogPrintLayout layout(painter.device()->logicalDpiY());
    TextPlacer header(painter, HeaderFont());
    TextPlacer rows(painter, RowFont());
    painter.setPen(Qt::black);
    int pages = 0;
    int count = 0;
    for (int row = range.From; row <= range.To; ++row) {
        const int k = count % LogPrintLayout::RowsPerPage;
        if (k == 0) {
            if (pages > 0 && !newPage())
                break;
            ++pages;
            DrawPrintPage(painter, layout);
            painter.setPen(Qt::black);
            header.Select();
            for (int c = 0; c < LogPrintLayout::ColumnCount; ++c)
                header.Draw(layout.HeaderX(c), layout.HeaderY(), table.Cell(0, c));
            rows.Select();
        }
        for (int c = 0; c < LogPrintLayout::ColumnCount; ++c)
            rows.Draw(layout.RowX(c), layout.RowY(k), table.Cell(row, c));
        ++count;
        if (progress && !progress(count))
            break;
    }
    return pages;
}
} // namespace LogPagePrinter
