// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the program: titled with the program's name, with the
// icon of its kind, with each file path in the text whole on a line of its own,
// so that a long path is never broken in the middle, and with the Help key.

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

enum class MessageKind { Error, Warning, Question, Information };

QMessageBox::Icon MessageIcon(MessageKind kind);

// The text as the box shows it: a quoted path ("/…" or "C:\…") goes on a line of
// its own that does not wrap, with the punctuation right after it; the rest wraps.
QString MessageHtml(const QString& text);

// A box ready to show; callers that ask a question add their own buttons.
std::unique_ptr<QMessageBox>
NewMessageBox(QWidget* parent, MessageKind kind, const QString& text,
              QMessageBox::StandardButtons buttons = QMessageBox::NoButton);

// Shows the message with an OK button and waits until it is closed. A mistake
// in what the user entered is a Warning, a failure of the program or the
// system an Error.
void ShowMessage(QWidget* parent, MessageKind kind, const QString& text);

// Where ShowMessage's messages go instead of the box (tests watch them); an empty
// display puts the box back. Returns the display before.
using MessageDisplay = std::function<void(QWidget* parent, MessageKind kind, const QString& text)>;
MessageDisplay SetMessageDisplay(MessageDisplay display);
