// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CheckedFileWriter as a QIODevice, so that Qt's own writers (images, SVG and
// PDF documents) write through the same checked path as the log files: nothing
// replaces the target until Commit, and a failure keeps the system's reason.

#include "platform/checked_file.h"

#include <QIODevice>

class CheckedFileDevice : public QIODevice {
    Q_OBJECT
public:
    explicit CheckedFileDevice(const QString& target, QObject* parent = nullptr);
    // Gives the file up unless it was committed.
    ~CheckedFileDevice() override;

    // Write-only; creates the temporary file beside the target.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    // Puts the complete file in the target's place; false with ErrorText() on failure.
    bool Commit();
    bool Failed() const { return file_.Failed(); }
    QString ErrorText() const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    CheckedFileWriter file_;
};
