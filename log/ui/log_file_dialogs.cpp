// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_file_dialogs.h"

#include "base/log_categories.h"
#include "log/log_file_filters.h"
#include "recording/recording_session.h"

#include <QCoreApplication>
#include <QLocale>

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>

QString AskFileName(QWidget* parent, const FileRequest& request, RecordingSession& session) {
    QFileDialog dialog(parent, request.Caption);
    dialog.setDirectory(session.FileFolder());
    dialog.setNameFilters(request.Filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (request.Saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // Files of the other types show greyed instead of hidden: Qt's own dialog takes a
        // typed name only when its file is listed, and a file of any type opens. (A
        // desktop's native dialog has no such list and takes typed names as they are.)
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            model->setNameFilterDisables(true);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString name = dialog.selectedFiles().constFirst();
    NoteFolderUsed(session, QFileInfo(name).absolutePath());
    return name;
}

void NoteFolderUsed(RecordingSession& session, const QString& folder) {
    // Not worth a box: the file itself was chosen, only the next start is affected.
    const QString problem = session.SetFileFolder(folder);
    if (!problem.isEmpty())
        qCWarning(lcSettings) << problem;
}

FileRequest SaveLogRequest() {
    return {.Saving = true,
            .Caption = QCoreApplication::translate("LogFileDialogs", "Save As"),
            .Filters = LogFileFilters::Save(QLocale().decimalPoint()),
            .DefaultSuffix = QStringLiteral("dat")};
}
