// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/svg_captions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>

// The pictures are compiled into the static library; referencing the resource
// initialiser keeps the linker from dropping them. It must sit outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(brackwater);
}

namespace {
QString Attribute(const QString& attributes, const QString& name) {
    const QRegularExpression pattern(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(name));
    return pattern.match(attributes).captured(1);
}

// The caption's width in the type its attributes name.
qreal TextWidth(const QString& attributes, const QString& text) {
    QFont font(
        Attribute(attributes, QStringLiteral("font-family")).section(QLatin1Char(','), 0, 0));
    font.setPixelSize(
        std::max(1, qRound(Attribute(attributes, QStringLiteral("font-size")).toDouble())));
    font.setBold(Attribute(attributes, QStringLiteral("font-weight")) == QLatin1String("bold"));
    return QFontMetricsF(font).horizontalAdvance(text);
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}
} // namespace

QByteArray SvgWithCaptions(const QString& resource, const char* context,
                           std::initializer_list<SvgCaption> captions) {
    InitResources();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString svg = QString::fromUtf8(file.readAll());
    for (const SvgCaption& caption : captions) {
        const QString english = QString::fromUtf8(caption.Text);
        const QString shown = QCoreApplication::translate(context, caption.Text);
        if (shown == english)
            continue;
        const QRegularExpression element(QStringLiteral("<text([^>]*)>%1</text>")
                                             .arg(QRegularExpression::escape(Escaped(english))));
        QString result;
        qsizetype done = 0;
        for (auto it = element.globalMatch(svg); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            QString attributes = match.captured(1);
            const qreal wide = TextWidth(attributes, shown);
            const qreal room = caption.Room > 0 ? caption.Room : TextWidth(attributes, english);
            const QString size = Attribute(attributes, QStringLiteral("font-size"));
            if (wide > room && room > 0 && !size.isEmpty())
                attributes.replace(QStringLiteral("font-size=\"%1\"").arg(size),
                                   QStringLiteral("font-size=\"%1\"")
                                       .arg(size.toDouble() * room / wide, 0, 'f', 2));
            result += svg.mid(done, match.capturedStart() - done);
            result += QStringLiteral("<text%1>%2</text>").arg(attributes, Escaped(shown));
            done = match.capturedEnd();
        }
        result += svg.mid(done);
        svg = result;
    }
    return svg.toUtf8();
}
