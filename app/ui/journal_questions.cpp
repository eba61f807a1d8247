#include "app/ui/journal_questions.h"

#include "log/ui/log_file_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

JournalQuestions JournalQuestions::Dialogs(QWidget* parent) {
    JournalQuestions q;
    q.AskRecovery = [parent](const QString& offer) {
        QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), offer,
                        QMessageBox::NoButton, parent);
        // One role for all three keeps them in this order on every desktop.
        QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
        QPushButton* saveAs =
            box.addButton(QStringLiteral("Save As\u2026"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::AcceptRole);
        box.setDefaultButton(restore);
        box.exec();
        // A termination signal ends the box without a click.
        if (box.clickedButton() == restore)
            return Recovery::Restore;
        if (box.clickedButton() == saveAs)
            return Recovery::SaveAs;
        return box.clickedButton() == discard ? Recovery::Discard : Recovery::Later;
    };
    q.ConfirmDiscard = [parent](const QString& question) {
        QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
                        QMessageBox::Cancel, parent);
        QPushButton* discard =
            box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == discard;
    };
    q.AskExit = [parent](const QString& question) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            parent, QCoreApplication::applicationName(), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Save)
            return Exit::Save;
        return answer == QMessageBox::Discard ? Exit::Discard : Exit::Cancel;
    };
    q.AskSaveFileName = [parent] { return AskFileName(parent, SaveLogRequest()); };
    return q;
}
