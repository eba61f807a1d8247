// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/journal_questions.h"

#include "base/ui/help.h"
#include "base/ui/message_box.h"
#include "log/ui/log_file_dialogs.h"

#include <QPushButton>

namespace {
// The help page's section on the journal, for the Help key in these questions.
const QString HelpSection = QStringLiteral("journal");
} // namespace

JournalQuestions JournalQuestions::Dialogs(QWidget* parent, RecordingSession& session) {
    JournalQuestions q;
    q.AskRecovery = [parent](const QString& offer) {
        const auto owned = NewMessageBox(parent, MessageKind::Question, offer);
        QMessageBox& box = *owned;
        AddHelpShortcut(&box, HelpSection);
        // One role for all three keeps them in this order on every desktop.
        QPushButton* restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
        QPushButton* saveAs = box.addButton(tr("Save As..."), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::AcceptRole);
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
        const auto owned =
            NewMessageBox(parent, MessageKind::Question, question, QMessageBox::Cancel);
        QMessageBox& box = *owned;
        AddHelpShortcut(&box, HelpSection);
        QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == discard;
    };
    q.AskExit = [parent](const QString& question) {
        const auto box =
            NewMessageBox(parent, MessageKind::Question, question,
                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Save);
        AddHelpShortcut(box.get(), HelpSection);
        const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
        if (answer == QMessageBox::Save)
            return Exit::Save;
        return answer == QMessageBox::Discard ? Exit::Discard : Exit::Cancel;
    };
    q.AskSaveFileName = [parent, &session] {
        return AskFileName(parent, SaveLogRequest(), session);
    };
    return q;
}
