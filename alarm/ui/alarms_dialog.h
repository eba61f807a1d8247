// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Alarms dialog, opened from the panel's and the live graph's menus: per
// display a low and a high limit, the delay before an alarm rises and the margin
// that clears it, in the unit chosen (the meter's unit at first); an alarm when no
// reading comes; the sound; and what is up now, with Acknowledge. OK takes the
// rules at once and keeps them in the settings.

#include "recording/recording_session.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TfrmAlarms : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAlarms(RecordingSession& session, QWidget* parent = nullptr);

    // Fills the entries from the rules in force and shows the dialog, in front.
    void ShowRules();
    // The rules as entered; problem says what is wrong with them, else it is empty.
    AlarmRules EnteredRules(QString* problem = nullptr) const;

    struct ChannelRow {
        QLabel* Name;
        QCheckBox* LowOn;
        QDoubleSpinBox* Low;
        QCheckBox* HighOn;
        QDoubleSpinBox* High;
        QSpinBox* Delay;
        QDoubleSpinBox* Hysteresis;
    };
    std::array<ChannelRow, AlarmRules::Channels> Rows;
    QComboBox* cboUnit;
    QCheckBox* chkNoReading;
    QSpinBox* edtNoReading;
    QCheckBox* chkSound;
    QLabel* lblState;
    QPushButton* btnAcknowledge;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel

public slots:
    // OK: the rules are taken and stored; a mistake keeps the dialog open and says why.
    void BitBtn1Click();
    void btnAcknowledgeClick();

private:
    void Fill(const AlarmRules& rules);
    void ShowUnit();
    void ShowState();

    RecordingSession& session_;
};
