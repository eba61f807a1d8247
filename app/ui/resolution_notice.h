// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notice that the program is laid out for screens of 800 x 600 or more. It
// can be turned off for later starts; the choice is kept in ShowReso.

#include "recording/recording_session.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

class TfrmResolu : public QDialog {
    Q_OBJECT
public:
    explicit TfrmResolu(RecordingSession& session, QWidget* parent = nullptr);

    // Whether the start-up shows the notice on a screen this wide.
    static bool Due(int screenWidth, int32_t showReso);

    QLabel* Memo1;
    QCheckBox* cbk1;
    QPushButton* BitBtn1;

    void BitBtn1Click();

private:
    RecordingSession& session_;
};
