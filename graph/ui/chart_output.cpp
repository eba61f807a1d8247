// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/chart_output.h"

#include "base/handler_guard.h"
#include "log/ui/pdf_output.h"
#include "platform/checked_file_device.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <algorithm>
#include <qcustomplot.h>

ChartOutput::ChartOutput(QCustomPlot& plot, QWidget& owner, const QString& title)
    : plot_(plot), owner_(owner), title_(title) {}

void ChartOutput::PrintTo(QPrinter& printer) {
    RenderPage(printer, printer.pageLayout().paintRectPixels(printer.resolution()));
}

void ChartOutput::RenderPage(QPaintDevice& device, const QRectF& page) {
    // Laid out on a fixed canvas of the page's shape, so fonts keep their proportions
    // whatever the window's size, then scaled onto the page.
    const int width = 900;
    const int height = std::max(1, static_cast<int>(width * page.height() / page.width()));
    QPicture picture;
    QCPPainter recorder(&picture);
    recorder.setMode(QCPPainter::pmVectorized);
    recorder.setMode(QCPPainter::pmNoCaching);
    plot_.toPainter(&recorder, width, height);
    recorder.end();

    QPainter painter(&device);
    // Playing a picture back already scales it from its resolution to the device's.
    const double playback = double(device.logicalDpiX()) / picture.logicalDpiX();
    const double scale = std::min(page.width() / width, page.height() / height) / playback;
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
}

bool ChartOutput::ExportImage(const QString& fileName, ImageFormat format, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = tr("The graph could not be saved as %1: %2").arg(fileName, reason);
        return false;
    };
    const int width = plot_.width();
    const int height = plot_.height();
    CheckedFileDevice file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.ErrorText());
    switch (format) {
    case ImageFormat::Png:
    case ImageFormat::Png2x: {
        const double scale = format == ImageFormat::Png2x ? 2.0 : 1.0;
        const QImage image = plot_.toPixmap(width, height, scale).toImage();
        QImageWriter writer(&file, "png");
        // A failed write of the file carries the system's reason; the writer's own does not.
        if (!writer.write(image))
            return fail(file.Failed() ? file.ErrorText() : writer.errorString());
        break;
    }
    case ImageFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        // Its size is written in millimetres: at 96 per inch they are CSS pixels again.
        svg.setResolution(96);
        svg.setTitle(title_);
        QCPPainter painter(&svg);
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        plot_.toPainter(&painter, width, height);
        break;
    }
    case ImageFormat::Pdf: {
        // One page of the chart's own size, one point per pixel.
        QPdfWriter pdf(&file);
        pdf.setTitle(title_);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QCPPainter painter(&pdf);
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        plot_.toPainter(&painter, width, height);
        break;
    }
    }
    if (!file.Commit())
        return fail(file.ErrorText());
    return true;
}

bool ChartOutput::PrintToPdf(const QString& fileName, QString* error) {
    // The pages a PDF printer would make, written through the checked path.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(title_);
    PdfOutput pdf(fileName, printer);
    if (pdf.Writer()) {
        RenderPage(*pdf.Writer(), printer.pageLayout().paintRectPixels(printer.resolution()));
        if (pdf.Commit())
            return true;
    }
    if (error)
        *error = tr("The graph could not be printed to %1: %2").arg(fileName, pdf.ErrorText());
    return false;
}

void ChartOutput::ExportImageAs() {
    struct Kind {
        const char* name; // translated; the pattern is the suffix's
        ImageFormat format;
        QString suffix;
    };
    const Kind kinds[] = {
        {QT_TR_NOOP("PNG image"), ImageFormat::Png, QStringLiteral("png")},
        {QT_TR_NOOP("PNG image, twice the size"), ImageFormat::Png2x, QStringLiteral("png")},
        {QT_TR_NOOP("SVG drawing"), ImageFormat::Svg, QStringLiteral("svg")},
        {QT_TR_NOOP("PDF document"), ImageFormat::Pdf, QStringLiteral("pdf")},
    };
    QStringList filters;
    for (const Kind& kind : kinds)
        filters << QStringLiteral("%1 (*.%2)").arg(tr(kind.name), kind.suffix);
    QString chosen = filters.front();
    const QString dir = StartFolder(QStandardPaths::PicturesLocation);
    QString name = QFileDialog::getSaveFileName(&owner_, tr("Export Image"),
                                                dir + QStringLiteral("/graph.png"),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (name.isEmpty())
        return;
    FolderUsed(name);
    const Kind* kind = &kinds[std::max<qsizetype>(0, filters.indexOf(chosen))];
    const QString typed = QFileInfo(name).suffix().toLower();
    if (typed != kind->suffix) {
        const Kind* named = std::find_if(std::begin(kinds), std::end(kinds),
                                         [&](const Kind& k) { return k.suffix == typed; });
        if (named != std::end(kinds))
            kind = named;
        else
            name += QLatin1Char('.') + kind->suffix;
    }
    QString error;
    if (!ExportImage(name, kind->format, &error))
        ShowException(error);
}

void ChartOutput::Print(bool withDialog) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the graph goes to a PDF file of the user's choice.
        const QString dir = StartFolder(QStandardPaths::DocumentsLocation);
        const QString name = QFileDialog::getSaveFileName(
            &owner_, tr("Print to PDF File"), dir + QStringLiteral("/graph.pdf"),
            QStringLiteral("%1 (*.pdf)").arg(tr("PDF files")));
        if (!name.isEmpty())
            FolderUsed(name);
        QString error;
        if (!name.isEmpty() && !PrintToPdf(name, &error))
            ShowException(error);
        return;
    }
    if (withDialog) {
        QPrintDialog dialog(&printer, &owner_);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintTo(printer);
}

QString ChartOutput::StartFolder(QStandardPaths::StandardLocation fallback) const {
    const QString last = folder_.Last ? folder_.Last() : QString();
    return last.isEmpty() ? QStandardPaths::writableLocation(fallback) : last;
}

void ChartOutput::FolderUsed(const QString& fileName) const {
    if (folder_.Used)
        folder_.Used(QFileInfo(fileName).absolutePath());
}
