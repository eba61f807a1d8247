// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the help page in the desktop's browser.

#include <QString>

// Opens the page at the anchor. A missing page or a desktop without a browser
// is not reported: help is not worth an error box.
void OpenHelpTopic(const QString& anchor = {});
