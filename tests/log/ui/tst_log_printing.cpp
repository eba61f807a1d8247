// SPDX-License-Identifier: GPL-3.0-or-later
// Printed pages as drawn: recorded from a paint device of a given resolution, so
// the ruling's scale (the same inches at any resolution), the header on every page
// and the rows per page can be checked; the picture of a page against each text
// drawn on its own; and a real PDF through the log window's Print with no printer
// installed.

#include "base/day_count.h"
#include "log/log_print_layout.h"
#include "log/log_table.h"
#include "log/ui/log_page_printer.h"
#include "log/ui/log_window.h"
#include "log/ui/open_progress_dialog.h"
#include "log/ui/print_progress_dialog.h"
#include "log/ui/scope_dialog.h"
#include "support/pdf_streams.h"
#include "support/recorded_log.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {
struct Page {
    QList<QPair<QLine, int>> lines; // with the pen width
    QList<QPair<QRect, int>> rects;
    QList<QPair<QPoint, QString>> texts; // baseline start
    QList<int> textPoints;               // the font's point size
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyFont)
            font_ = state.font();
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            pages.back().lines << qMakePair(lines[i], pen_.width());
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            pages.back().rects << qMakePair(rects[i], pen_.width());
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        pages.back().texts << qMakePair(p.toPoint(), item.text());
        pages.back().textPoints << font_.pointSize();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }

    QList<Page> pages{Page()};

private:
    QPen pen_;
    QFont font_;
};

// A letter-size page at the given resolution.
class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi) : dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return dpi_ * 85 / 10;
        case PdmHeight:
            return dpi_ * 11;
        case PdmWidthMM:
            return 216;
        case PdmHeightMM:
            return 279;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    int dpi_;
};

// A white letter-size page at dpi.
QImage BlankPage(int dpi) {
    QImage page(dpi * 85 / 10, dpi * 11, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    return page;
}

// The log's pages as Qt's PDF printer makes them at 600 dpi.
QByteArray PrinterPdf(const LogTable& table, RowRange range, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(600);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter(&printer);
    LogPagePrinter::Print(
        painter, table, range, [&] { return printer.newPage(); }, [](int) { return true; });
    painter.end();
    return FileBytes(path);
}

// A page drawn by the printer, and as printing drew it before, each text on its
// own at its place: the header, then rows first to last.
QImage PrintedPage(const LogTable& table, RowRange range, int dpi) {
    QImage page = BlankPage(dpi);
    QPainter painter(&page);
    LogPagePrinter::Print(painter, table, range, [] { return false; }, {});
    return page;
}
QImage EachTextDrawn(const LogTable& table, RowRange range, int dpi) {
    QImage page = BlankPage(dpi);
    QPainter painter(&page);
    const LogPrintLayout layout(dpi);
    LogPagePrinter::DrawPrintPage(painter, layout);
    painter.setPen(Qt::black);
    const auto draw = [&](const QFont& font, int y, int row, int (LogPrintLayout::*x)(int) const) {
        painter.setFont(font);
        const int ascent = QFontMetrics(font, &page).ascent();
        const QFontMetricsF metrics(font, &page);
        for (int c = 0; c < LogPrintLayout::ColumnCount; ++c)
            if (const QString text = table.Cell(row, c); !text.isEmpty()) {
                const int width = int(std::ceil(metrics.horizontalAdvance(text)));
                painter.drawText(QPoint(layout.FitX(c, (layout.*x)(c), width), y + ascent), text);
            }
    };
    draw(LogPagePrinter::HeaderFont(), layout.HeaderY(), 0, &LogPrintLayout::HeaderX);
    for (int row = range.From; row <= range.To; ++row)
        draw(LogPagePrinter::RowFont(), layout.RowY(row - range.From), row, &LogPrintLayout::RowX);
    return page;
}
} // namespace

class TestLogPrinting : public QObject {
    Q_OBJECT
private slots:
    void pages_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void pages() {
        QFETCH(int, dpi);
        LogTable table;
        RecordLog(table, 60);
        RecordingDevice device(dpi);
        QPainter painter(&device);
        int progress = 0;
        const int pages = LogPagePrinter::Print(
            painter, table, {5, 55},
            [&] {
                device.engine.pages << Page();
                return true;
            },
            [&](int rows) { return ++progress == rows; });
        painter.end();
        QCOMPARE(pages, 2);
        QCOMPARE(device.engine.pages.size(), 2);
        QCOMPARE(progress, 51);

        const LogPrintLayout layout(dpi);
        for (int p = 0; p < 2; ++p) {
            const Page& page = device.engine.pages[p];
            // The ruling at the device's scale: a 7.25-inch frame, 59 thin lines.
            QCOMPARE(page.rects.size(), 1);
            QCOMPARE(page.rects[0].first, layout.Frame());
            QCOMPARE(page.rects[0].second, layout.FramePenWidth());
            QCOMPARE(double(page.rects[0].first.width()) / dpi, 7.25);
            QCOMPARE(double(page.rects[0].first.height()) / dpi, 8.75);
            QCOMPARE(page.lines.size(), 59);
            int firstRowLine = 0;
            for (const auto& [line, width] : page.lines) {
                QCOMPARE(width, layout.RulePenWidth());
                firstRowLine += line.dy() == 0 && line.y1() * 100 == dpi * 95; // 0.95 inch down
            }
            QCOMPARE(firstRowLine, 1);
            // The header and the page's rows as one item each, in their fonts.
            QCOMPARE(page.texts.size(), 2);
            QCOMPARE(page.textPoints.front(), 12);
            QCOMPARE(page.textPoints.back(), 8);
        }
    }

    // The same picture as each text drawn on its own: the header on every page,
    // nothing above the annunciators, the table's numbers and texts at their places.
    void pagePicture_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("a full page, 150 dpi") << 150 << 5 << 54;
        QTest::newRow("a full page, 300 dpi") << 300 << 11 << 60;
        QTest::newRow("one row on a page") << 300 << 55 << 55;
        QTest::newRow("an empty table") << 300 << 1 << 1;
    }
    void pagePicture() {
        QFETCH(int, dpi);
        QFETCH(int, from);
        QFETCH(int, to);
        LogTable table;
        RecordLog(table, from == 1 ? 0 : 60);
        QCOMPARE(PrintedPage(table, {from, to}, dpi), EachTextDrawn(table, {from, to}, dpi));
    }

    // Each text clear of its column's rules by the inset, in the print fonts at
    // 600 dpi: the widest dates, the headers next to a rule, the widest values.
    void textsClearOfTheRules_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("header");
        QTest::addColumn<QString>("text");
        QTest::newRow("number") << 0 << false << "8888888";
        QTest::newRow("date, month first") << 1 << false << "12/28/2026";
        QTest::newRow("date, day first") << 1 << false << "28.12.2026";
        QTest::newRow("date, year first") << 1 << false << "2026-12-28";
        QTest::newRow("time") << 2 << false << "23:59:59";
        QTest::newRow("value") << 3 << false << "-1370.0";
        QTest::newRow("T2 heading") << 4 << true << "T2";
        QTest::newRow("second unit") << 4 << false << "F";
        QTest::newRow("T3 value") << 5 << false << "-1370.0";
        QTest::newRow("T4 heading") << 6 << true << "T4";
        QTest::newRow("T4 time") << 6 << false << "88:88";
        QTest::newRow("UNIT heading") << 7 << true << "UNIT";
        QTest::newRow("annunciators") << 8 << false << " MAX HOLD REL LBT";
    }
    void textsClearOfTheRules() {
        QFETCH(int, column);
        QFETCH(bool, header);
        QFETCH(QString, text);
        const QImage page = BlankPage(600);
        const LogPrintLayout layout(600);
        const QFont font = header ? LogPagePrinter::HeaderFont() : LogPagePrinter::RowFont();
        const int width = int(std::ceil(QFontMetricsF(font, &page).horizontalAdvance(text)));
        const int x =
            layout.FitX(column, header ? layout.HeaderX(column) : layout.RowX(column), width);
        // The full inset where the column has room for it, else an even share.
        const int left = layout.ColumnLeft(column), right = layout.ColumnRight(column);
        const int gap = std::min(layout.Inset(), (right - left - width) / 2);
        QVERIFY2(gap > layout.Inset() / 2, qPrintable(QString::number(gap)));
        QVERIFY2(x - left >= gap, qPrintable(QString::number(x - left)));
        QVERIFY2(right - x - width >= gap, qPrintable(QString::number(right - x - width)));
        // The rules themselves stay where they were: inside the frame, at the column.
        QVERIFY(layout.ColumnLeft(column) > layout.Frame().left());
        QVERIFY(layout.ColumnRight(column) < layout.Frame().right());
        // The inset is about a twentieth of an inch at any resolution.
        QCOMPARE(LogPrintLayout(300).Inset() * 2, layout.Inset());
    }

    // A text too wide for its column is centred on it, whatever its laid-out place.
    void aTextWiderThanItsColumn() {
        const LogPrintLayout layout(600);
        for (int c = 0; c < LogPrintLayout::ColumnCount; ++c) {
            const int left = layout.ColumnLeft(c), right = layout.ColumnRight(c);
            const int width = right - left + 100;
            QCOMPARE(layout.FitX(c, layout.RowX(c), width), left - 50);
        }
    }

    void cancelEndsAfterTheRow() {
        LogTable table;
        RecordLog(table, 200);
        RecordingDevice device(600);
        QPainter painter(&device);
        int newPages = 0;
        const int pages = LogPagePrinter::Print(
            painter, table, {1, 200}, [&] { return ++newPages, true; },
            [](int rows) { return rows < 120; });
        QCOMPARE(pages, 3);
        QCOMPARE(newPages, 2);
    }

    // Print in the window with no printer installed: a PDF file, one page per 50 rows.
    void printsToPdf() {
        QTemporaryDir dir;
        ScratchSettings settings;
        auto session = settings.Session();
        TfrmList list(*session);
        TfrmScope scope;
        TfrmPrintProgress progress;
        TfrmOpenProgress openProgress;
        list.SetFileDialogs(&scope, &progress, &openProgress);
        list.SetPrinterCheck([] { return false; });
        QStringList captions;
        const QString pdf = dir.filePath(QStringLiteral("log.pdf"));
        list.SetFileNameFunction([&](const FileRequest& request) {
            captions << request.Caption;
            return pdf;
        });
        QStringList messages;
        list.SetMessageFunction([&](MessageKind, const QString& text) { messages << text; });
        RecordLog(*list.Table, 51);

        QTimer::singleShot(0, &scope, [&] { scope.BitBtn1->click(); });
        QSignalSpy ended(&list, &TfrmList::FileWorkEnded);
        list.btnPrint->trigger();
        QVERIFY(ended.wait(20000));
        QCOMPARE(scope.windowTitle(), QStringLiteral("Print Range"));
        QCOMPARE(scope.edtSelTo->text(), QStringLiteral("51"));
        QCOMPARE(captions.size(), 1);
        QVERIFY(messages.isEmpty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(bytes).count(
                     QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
                 2);
        QVERIFY(!progress.isVisible());
        // The pages are the picture a PDF printer at 600 dpi makes of the same rows.
        QVERIFY(PdfStreams(bytes).size() >= 2);
        QCOMPARE(PdfStreams(bytes),
                 PdfStreams(PrinterPdf(*list.Table, {1, 51}, dir.filePath("ref.pdf"))));

        // Rows past the table print nothing: no file is asked for.
        file.remove();
        QTimer::singleShot(0, &scope, [&] {
            scope.radNo->setChecked(true);
            scope.edtSelFrom->setText(QStringLiteral("60"));
            scope.edtSelTo->setText(QStringLiteral("70"));
            scope.BitBtn1->click();
        });
        list.mnuPrint->trigger();
        QCOMPARE(captions.size(), 1);
        QVERIFY(!QFile::exists(pdf));

        QTimer::singleShot(0, &scope, [&] {
            scope.edtSelFrom->setText(QStringLiteral("one"));
            scope.BitBtn1->click();
        });
        list.mnuPrint->trigger();
        QCOMPARE(messages, QStringList{"invalid integer"});
    }
};

QTEST_MAIN(TestLogPrinting)
#include "tst_log_printing.moc"
