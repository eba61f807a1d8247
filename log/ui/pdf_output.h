// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PDF document written through the checked file path: complete, synced and in
// the target's place, or not at all, with the system's reason on failure. Its
// pages are laid out exactly as the given printer's would be (page size,
// orientation, margins, resolution), so a print to a PDF file is the same picture
// as a print on that printer. Used from the thread that paints.

#include "platform/checked_file_device.h"

#include <QPdfWriter>
#include <memory>

class QPrinter;

class PdfOutput {
public:
    PdfOutput(const QString& fileName, const QPrinter& layout);
    ~PdfOutput();

    // The device to paint on; null when the file could not be created.
    QPdfWriter* Writer() { return writer_.get(); }
    // Ends the document (the painter must have ended) and puts the file in place.
    bool Commit();
    QString ErrorText() const { return file_.ErrorText(); }

private:
    CheckedFileDevice file_;
    std::unique_ptr<QPdfWriter> writer_;
};
