// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_page_printer.h"

#include "log/log_print_layout.h"
#include "log/log_table.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace LogPagePrinter {
namespace {
QFont PrintFont(const char* family, int points) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

// A text's glyphs in one font, placed from its start on the baseline.
struct Shaped {
    QRawFont font;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};
// A whole text: its parts, one per font, and how far it reaches from its start.
struct Shapes {
    QList<Shaped> parts;
    qreal width = 0;
};

// Digits and the separators of numbers, dates and times.
constexpr char Figures[] = "0123456789:./-,";
constexpr int FigureCount = sizeof Figures - 1;

// Every string of three figures, each once: shaped whole, it shows whether the
// font changes any figure for its neighbours (kerning, ligatures, alternates).
QString EveryTriple() {
    // A de Bruijn sequence, from the Lyndon words whose length divides three.
    std::string sequence;
    std::array<int, 4> a{};
    const std::function<void(int, int)> build = [&](int t, int p) {
        if (t > 3) {
            if (3 % p == 0)
                for (int j = 1; j <= p; ++j)
                    sequence += Figures[a[size_t(j)]];
            return;
        }
        a[size_t(t)] = a[size_t(t - p)];
        build(t + 1, p);
        for (int j = a[size_t(t - p)] + 1; j < FigureCount; ++j) {
            a[size_t(t)] = j;
            build(t + 1, t);
        }
    };
    build(1, 1);
    sequence += sequence.substr(0, 2); // the triples that wrap round
    return QString::fromLatin1(sequence);
}

// Shapes texts in a font on a device as drawing them would. A text of letters is
// shaped once and kept (units, types, annunciators repeat on every row). Texts of
// figures (row numbers and times are new on every row) are put together from
// each figure's glyph and advance, when shaping every triple of figures shows
// that the font treats each on its own.
class Shaper {
public:
    Shaper(const QFont& font, QPaintDevice* device) : layout_(QString(), font, device) {
        const QString triples = EveryTriple();
        const Shapes shapes = Layout(triples);
        if (shapes.parts.size() != 1 || shapes.parts[0].glyphs.size() != triples.size())
            return;
        const Shaped& all = shapes.parts[0];
        std::array<bool, 128> seen{};
        for (qsizetype i = 0; i + 1 < triples.size(); ++i) {
            const auto c = static_cast<size_t>(triples[i].unicode());
            const qreal advance = all.positions[i + 1].x() - all.positions[i].x();
            if (all.positions[i].y() != 0 ||
                (seen[c] && (glyph_[c] != all.glyphs[i] || advance_[c] != advance)))
                return;
            seen[c] = true;
            glyph_[c] = all.glyphs[i];
            advance_[c] = advance;
        }
        figures_ = {all.font, {}, {}};
        independent_ = true;
    }

    // Valid until the next call.
    const Shapes& Shape(QByteArrayView text) {
        if (Compose(text))
            return composed_;
        const QByteArray key = QByteArray::fromRawData(text.data(), text.size());
        if (const auto found = kept_.constFind(key); found != kept_.constEnd())
            return *found;
        if (kept_.size() >= KeptLimit)
            kept_.clear();
        return *kept_.insert(text.toByteArray(), Layout(QString::fromUtf8(text)));
    }

private:
    static constexpr qsizetype KeptLimit = 4096;

    Shapes Layout(const QString& text) {
        layout_.setText(text);
        layout_.beginLayout();
        QTextLine line = layout_.createLine();
        line.setNumColumns(int(text.size()));
        layout_.endLayout();
        Shapes shapes;
        shapes.width = line.naturalTextWidth();
        for (const QGlyphRun& run : layout_.glyphRuns()) {
            Shaped part{run.rawFont(), run.glyphIndexes(), run.positions()};
            for (QPointF& position : part.positions)
                position.ry() -= line.ascent();
            shapes.parts.append(part);
        }
        return shapes;
    }

    bool Compose(QByteArrayView text) {
        if (!independent_)
            return false;
        for (const char c : text)
            if (!std::memchr(Figures, c, FigureCount))
                return false;
        composed_.parts.resize(1);
        Shaped& shaped = composed_.parts[0];
        shaped.font = figures_.font;
        shaped.glyphs.resize(text.size());
        shaped.positions.resize(text.size());
        qreal x = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto c = static_cast<size_t>(text[i]);
            shaped.glyphs[i] = glyph_[c];
            shaped.positions[i] = QPointF(x, 0);
            x += advance_[c];
        }
        composed_.width = x;
        return true;
    }

    QTextLayout layout_;
    QHash<QByteArray, Shapes> kept_;
    bool independent_ = false;
    Shaped figures_;
    std::array<quint32, 128> glyph_{};
    std::array<qreal, 128> advance_{};
    Shapes composed_;
};

// Places texts by their top-left corner. The texts added until the next Draw()
// (a page's rows) go to the device together, as one run of glyphs per font: the
// printer gets the same glyphs at the same places as from drawing each text on
// its own, as one item instead of hundreds.
class TextPlacer {
public:
    TextPlacer(QPainter& painter, const QFont& font)
        : painter_(painter), font_(font), shaper_(font, painter.device()),
          ascent_(QFontMetrics(font, painter.device()).ascent()) {}

    void Select() { painter_.setFont(font_); }
    // A text of column with its top-left corner at x, y, or as near as keeps it
    // clear of the column's rules.
    void Add(const LogPrintLayout& layout, int column, int x, int y, QByteArrayView text) {
        const Shapes& shapes = shaper_.Shape(text);
        const int width = static_cast<int>(std::ceil(shapes.width));
        const QPointF origin(layout.FitX(column, x, width), y + ascent_);
        for (const Shaped& part : shapes.parts) {
            Run& run = RunFor(part.font);
            for (qsizetype g = 0; g < part.glyphs.size(); ++g) {
                run.glyphs.append(part.glyphs[g]);
                run.positions.append(part.positions[g] + origin);
            }
        }
    }
    // Draws the texts added since.
    void Draw() {
        for (Shaped& run : runs_) {
            if (run.glyphs.isEmpty())
                continue;
            QGlyphRun glyphs;
            glyphs.setRawFont(run.font);
            glyphs.setGlyphIndexes(run.glyphs);
            glyphs.setPositions(run.positions);
            painter_.drawGlyphRun(QPointF(0, 0), glyphs);
            run.glyphs.clear();
            run.positions.clear();
        }
    }

private:
    using Run = Shaped;
    Run& RunFor(const QRawFont& font) {
        for (Run& run : runs_)
            if (run.font == font)
                return run;
        runs_.append(Run{font, {}, {}});
        return runs_.back();
    }

    QPainter& painter_;
    QFont font_;
    Shaper shaper_;
    int ascent_;
    QList<Run> runs_;
};
} // namespace

QFont HeaderFont() {
    // untranslated: a font family
    return PrintFont("Arial", 12);
}

QFont RowFont() {
    // untranslated: a font family
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
            rows.Draw();
            if (pages > 0 && !newPage())
                break;
            ++pages;
            DrawPrintPage(painter, layout);
            painter.setPen(Qt::black);
            header.Select();
            for (int c = 0; c < LogPrintLayout::ColumnCount; ++c)
                header.Add(layout, c, layout.HeaderX(c), layout.HeaderY(),
                           table.Cell(0, c).toUtf8());
            header.Draw();
            rows.Select();
        }
        // Cells as the table holds them, the row's number first.
        const LogRowStore::RawCells cells = table.Rows().RawRow(row - 1);
        const int y = layout.RowY(k);
        rows.Add(layout, 0, layout.RowX(0), y,
                 row <= table.Rows().Count() ? QByteArray::number(row) : QByteArray());
        for (int c = 1; c < LogPrintLayout::ColumnCount; ++c)
            rows.Add(layout, c, layout.RowX(c), y, cells[c - 1]);
        ++count;
        if (progress && !progress(count))
            break;
    }
    rows.Draw();
    return pages;
}
} // namespace LogPagePrinter
