#include "log/ui/log_file_dialogs.h"

#include "log/log_file_filters.h"

#include <QLocale>

#include <QFileDialog>

QString AskFileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.Caption);
    dialog.setNameFilters(request.Filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (request.Saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

FileRequest SaveLogRequest() {
    return {.Saving = true,
            .Caption = QStringLiteral("Save As"),
            .Filters = LogFileFilters::Save(QLocale().decimalPoint()),
            .DefaultSuffix = QStringLiteral("dat")};
}
