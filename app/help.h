#pragma once
// The help page BrackWater.htm beside the program, opened in the desktop's
// browser. Windows open their own section of it by its anchor.

#include <QString>
#include <QUrl>

// The page's address in the given directory, at the anchor if one is given;
// empty when the page is not there.
QUrl HelpPageUrl(const QString& directory, const QString& anchor = {});

// Opens the page beside the program at the anchor. A missing page or a desktop
// without a browser is not reported: help is not worth an error box.
void OpenHelpTopic(const QString& anchor = {});
