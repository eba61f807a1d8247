// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vector pictures with captions drawn in them, shown in the user's language: each
// text element whose whole content is one of the listed captions is replaced by its
// translation, in a smaller type where the translation is wider, so it keeps the
// room the picture gives the English caption.

#include <QByteArray>
#include <QString>
#include <initializer_list>

// The picture's source with its captions translated in the given translation context.
// Empty when the resource cannot be read.
QByteArray SvgWithCaptions(const QString& resource, const char* context,
                           std::initializer_list<const char*> captions);
