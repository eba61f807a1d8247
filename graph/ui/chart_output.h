// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart on paper and in files: the page for a printer or any device, laid
// out on a fixed canvas so that fonts keep their proportions; printing with or
// without the print dialog, to a PDF file of the user's choice where no printer
// is installed; and the chart as shown as PNG, SVG or PDF through the checked
// file path.

#include <QCoreApplication>
#include <QRectF>
#include <QStandardPaths>
#include <QString>

#include <functional>

class QCustomPlot;
class QPaintDevice;
class QPrinter;
class QWidget;

class ChartOutput {
    Q_DECLARE_TR_FUNCTIONS(ChartOutput)

public:
    enum class ImageFormat { Png, Png2x, Svg, Pdf };

    // title is the chart's main title, read at each use; owner carries the dialogs.
    ChartOutput(QCustomPlot& plot, QWidget& owner, const QString& title);

    // Draws the chart onto the printer's page, scaled to fit.
    void PrintTo(QPrinter& printer);
    // The same onto any device; page is the printable area in the device's pixels.
    void RenderPage(QPaintDevice& device, const QRectF& page);
    // Prints, asking for the printer first when withDialog is set.
    void Print(bool withDialog);
    // What printing does without a printer: the page a PDF printer would make,
    // into the file. On failure error names the file and the reason.
    bool PrintToPdf(const QString& fileName, QString* error = nullptr);
    // The chart as shown, titles included: PNG at its size or twice that, SVG, PDF.
    // On failure error names the file and the reason.
    bool ExportImage(const QString& fileName, ImageFormat format, QString* error = nullptr);
    // Asks for the file and its kind, then exports; a failure is shown in the error box.
    // A suffix typed chooses the kind; without a known one the filter's kind and
    // suffix are taken.
    void ExportImageAs();

    // Where the file dialogs start, and where the chosen file's folder is kept: the
    // core's, so that every window's dialogs follow the folder last used.
    struct Folder {
        std::function<QString()> Last;
        std::function<void(const QString& folder)> Used;
    };
    void SetFolder(Folder folder) { folder_ = std::move(folder); }

private:
    QString StartFolder(QStandardPaths::StandardLocation fallback) const;
    void FolderUsed(const QString& fileName) const;

    Folder folder_;
    QCustomPlot& plot_;
    QWidget& owner_;
    const QString& title_;
};
