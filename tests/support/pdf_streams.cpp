// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_streams.h"

QList<QByteArray> PdfStreams(const QByteArray& pdf) {
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0)
            break;
        const QByteArray stream = pdf.mid(at, end - at);
        if (!stream.contains("xmp"))
            streams << stream;
        at = end + 9;
    }
    return streams;
}
