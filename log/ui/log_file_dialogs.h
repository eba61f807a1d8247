// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs of the log window: which file to open, or under which name to
// save, with the file types offered and the extension added to a bare name.
// Saving asks before replacing an existing file.

#include <QStringList>

class QWidget;
class RecordingSession;

struct FileRequest {
    bool Saving = false; // else opening an existing file
    QString Caption;
    QStringList Filters; // Qt name filters; the text before the last parenthesis is shown
    QString DefaultSuffix;
};

// The chosen file's path, or empty when the user cancelled. The dialog starts in
// the core's file folder; the chosen file's folder becomes the next one.
QString AskFileName(QWidget* parent, const FileRequest& request, RecordingSession& session);

// Keeps the folder of a file the user chose as where the next file dialog starts.
void NoteFolderUsed(RecordingSession& session, const QString& folder);

// Saving the log: the file types by the decimal separator, "dat" added to a bare name.
FileRequest SaveLogRequest();
