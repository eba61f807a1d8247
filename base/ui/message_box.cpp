// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/message_box.h"

#include "base/ui/help.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <utility>

QMessageBox::Icon MessageIcon(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

QString MessageHtml(const QString& text) {
    // A quoted absolute path and the punctuation that follows it.
    static const QRegularExpression path(
        QStringLiteral(R"re("(?:/|[A-Za-z]:[\\/]|\\\\)[^"\n]*"[.,:;]?)re"));
    // Lines follow each other as in plain text, without a paragraph's gaps.
    const auto paragraph = [](const QString& line, bool whole) {
        const QString escaped = line.trimmed().toHtmlEscaped();
        if (escaped.isEmpty())
            return QString();
        return QStringLiteral("<p style=\"margin-top:0; margin-bottom:0;%1\">%2</p>")
            .arg(whole ? QStringLiteral(" white-space:pre") : QString(), escaped);
    };
    QString html;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        qsizetype from = 0;
        for (auto it = path.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            html += paragraph(line.mid(from, match.capturedStart() - from), false);
            html += paragraph(match.captured(), true);
            from = match.capturedEnd();
        }
        const QString rest = paragraph(line.mid(from), false);
        // An empty line keeps the gap the text asked for.
        html += rest.isEmpty() && from == 0
                    ? QStringLiteral("<p style=\"margin-top:0; margin-bottom:0\">&nbsp;</p>")
                    : rest;
    }
    return html;
}

std::unique_ptr<QMessageBox> NewMessageBox(QWidget* parent, MessageKind kind, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
    auto box = std::make_unique<QMessageBox>(MessageIcon(kind), QCoreApplication::applicationName(),
                                             QString(), buttons, parent);
    box->setTextFormat(Qt::RichText);
    box->setText(MessageHtml(text));
    AddHelpShortcut(box.get());
    return box;
}

namespace {
MessageDisplay& ActiveDisplay() {
    static MessageDisplay display;
    return display;
}
} // namespace

void ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
    if (ActiveDisplay())
        ActiveDisplay()(parent, kind, text);
    else
        NewMessageBox(parent, kind, text, QMessageBox::Ok)->exec();
}

MessageDisplay SetMessageDisplay(MessageDisplay display) {
    return std::exchange(ActiveDisplay(), std::move(display));
}
