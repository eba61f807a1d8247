// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/handler_guard.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
// Without windows the message goes to standard error; the window program puts
// its error box in place at start.
void DefaultDisplay(const QString& message) {
    std::fprintf(stderr, "brackwater: %s\n", qPrintable(message));
}

ExceptionDisplay& ActiveDisplay() {
    static ExceptionDisplay display = DefaultDisplay;
    return display;
}
} // namespace

void Abort() {
    throw EAbort();
}

void ShowException(const QString& message) {
    ActiveDisplay()(message);
}

ExceptionDisplay SetExceptionDisplay(ExceptionDisplay display) {
    ExceptionDisplay old = ActiveDisplay();
    ActiveDisplay() = display ? std::move(display) : DefaultDisplay;
    return old;
}

bool RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowException(QCoreApplication::translate("HandlerGuard", "Unknown error"));
    }
    return false;
}
