// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/pdf_output.h"

#include <QPrinter>

PdfOutput::PdfOutput(const QString& fileName, const QPrinter& layout) : file_(fileName) {
    if (!file_.open(QIODevice::WriteOnly))
        return;
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setPageLayout(layout.pageLayout());
    writer_->setResolution(layout.resolution());
    writer_->setTitle(layout.docName());
    writer_->setCreator(layout.creator());
}

PdfOutput::~PdfOutput() = default;

bool PdfOutput::Commit() {
    writer_.reset();
    return file_.Commit();
}
