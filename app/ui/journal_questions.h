// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions about unsaved rows: the start's offer of a recording an earlier
// run did not save, the second question before discarding it, the exit question,
// and the file name to save rows to. Each answer comes from a replaceable
// function, so tests answer without a modal window.

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;
class RecordingSession;

struct JournalQuestions {
    Q_DECLARE_TR_FUNCTIONS(JournalQuestions)

public:
    // Later: no answer (the program is ending); the next start asks again.
    enum class Recovery { Restore, SaveAs, Discard, Later };
    enum class Exit { Save, Discard, Cancel };

    std::function<Recovery(const QString& offer)> AskRecovery;
    // True: discard for good.
    std::function<bool(const QString& question)> ConfirmDiscard;
    std::function<Exit(const QString& question)> AskExit;
    // The file to save rows to; empty when the user cancels.
    std::function<QString()> AskSaveFileName;

    // The program's own message boxes and file dialog; the dialog starts in the
    // core's file folder.
    static JournalQuestions Dialogs(QWidget* parent, RecordingSession& session);
};
