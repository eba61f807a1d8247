// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vector pictures with captions drawn in them, shown in the user's language: each
// text element whose whole content is one of the listed captions is replaced by its
// translation, in a smaller type where the translation is wider than the room the
// picture gives the caption.

#include <QByteArray>
#include <QString>
#include <initializer_list>

struct SvgCaption {
    const char* Text; // marked with QT_TRANSLATE_NOOP in the context given below
    qreal Room = 0;   // the width it may take in the picture's units; 0: the English text's
};

// The picture's source with its captions translated in the given translation context.
// Empty when the resource cannot be read.
QByteArray SvgWithCaptions(const QString& resource, const char* context,
                           std::initializer_list<SvgCaption> captions);
