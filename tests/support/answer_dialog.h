// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers a modal dialog as a user would: once it shows, fill() sees it (and may
// change its edits), then its OK (BitBtn1) or Cancel (BitBtn2) button is pressed.
// Call it before the action that opens the dialog.

#include <QPushButton>
#include <QTimer>
#include <functional>

template <class Dialog>
void AnswerDialog(Dialog& dialog, std::function<void(Dialog&)> fill, bool ok = true) {
    auto* poll = new QTimer(&dialog);
    QObject::connect(poll, &QTimer::timeout, &dialog, [&dialog, fill, ok, poll] {
        if (!dialog.isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fill(dialog);
        (ok ? dialog.BitBtn1 : dialog.BitBtn2)->click();
    });
    poll->start(5);
}
