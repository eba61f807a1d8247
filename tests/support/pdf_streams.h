// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The streams of a PDF file (page contents, fonts) without its metadata, which
// names the moment it was made: two PDFs of the same pages have equal streams.

#include <QByteArray>
#include <QList>

QList<QByteArray> PdfStreams(const QByteArray& pdf);
