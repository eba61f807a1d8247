// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boundary of every event handler: a silent abort ends the handler quietly,
// any other failure is shown in the application's standard error box. Exceptions
// never unwind through Qt's own code.

#include <QString>
#include <exception>
#include <functional>

// The framework's silent abort: ends the running handler without a message.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override {
        // untranslated: never shown, the abort is silent
        return "Operation aborted";
    }
};

[[noreturn]] void Abort();

// Runs one event handler; returns false when it ended by an exception.
bool RunGuarded(const std::function<void()>& handler);

// Shows an unexpected failure: on standard error unless a display is set (the
// window program's error box; tests watch it).
void ShowException(const QString& message);
using ExceptionDisplay = std::function<void(const QString& message)>;
ExceptionDisplay SetExceptionDisplay(ExceptionDisplay display);
