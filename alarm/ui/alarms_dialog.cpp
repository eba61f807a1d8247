// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/ui/alarms_dialog.h"

#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "base/ui/text_contrast.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// Wider than any thermocouple reads, in either unit.
constexpr double LowestLimit = -1000;
constexpr double HighestLimit = 3000;

QDoubleSpinBox* DegreesBox(QWidget* parent, double lowest, double highest) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(1);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// The limits' entries by row (display) and column, for screen readers: the check box
// and the number of a limit share their name.
const char* const EntryNames[AlarmRules::Channels][4] = {
    {QT_TRANSLATE_NOOP("TfrmAlarms", "Main display low limit"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Main display high limit"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Main display delay"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Main display clears back inside by")},
    {QT_TRANSLATE_NOOP("TfrmAlarms", "Second display low limit"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Second display high limit"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Second display delay"),
     QT_TRANSLATE_NOOP("TfrmAlarms", "Second display clears back inside by")}};

const char* const LimitsCrossed[AlarmRules::Channels] = {
    QT_TRANSLATE_NOOP("TfrmAlarms", "The low limit of the main display must be below its high "
                                    "limit."),
    QT_TRANSLATE_NOOP("TfrmAlarms", "The low limit of the second display must be below its high "
                                    "limit.")};
} // namespace

TfrmAlarms::TfrmAlarms(RecordingSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Alarms"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* limitsGroup = new QGroupBox(tr("Limits"), this);
    auto* grid = new QGridLayout(limitsGroup);
    const QStringList headings{QString(), tr("Low limit"), tr("High limit"), tr("Delay"),
                               tr("Clears back inside by")};
    for (int column = 0; column < headings.size(); ++column)
        grid->addWidget(new QLabel(headings[column], limitsGroup), 0, column);
    const QString names[] = {tr("Main display"), tr("Second display")};
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        ChannelRow& row = Rows[size_t(c)];
        const int line = c + 1;
        row.Name = new QLabel(names[c], limitsGroup);
        row.LowOn = new QCheckBox(limitsGroup);
        row.Low = DegreesBox(limitsGroup, LowestLimit, HighestLimit);
        row.HighOn = new QCheckBox(limitsGroup);
        row.High = DegreesBox(limitsGroup, LowestLimit, HighestLimit);
        row.Delay = new QSpinBox(limitsGroup);
        row.Delay->setRange(0, AlarmRules::MaxSeconds);
        row.Delay->setSuffix(QStringLiteral(" s"));
        row.Delay->setAlignment(Qt::AlignRight);
        row.Delay->setToolTip(tr("How long a reading must stay beyond a limit before the alarm "
                                 "rises; 0: at once"));
        row.Hysteresis = DegreesBox(limitsGroup, 0, 1000);
        row.Hysteresis->setToolTip(
            tr("How far back inside the limit a reading must come before the alarm clears"));
        row.LowOn->setToolTip(tr("An alarm below this temperature"));
        row.HighOn->setToolTip(tr("An alarm above this temperature (\"OL\" counts as above)"));
        const char* const* entryNames = EntryNames[c];
        for (QWidget* entry : {static_cast<QWidget*>(row.LowOn), static_cast<QWidget*>(row.Low)})
            entry->setAccessibleName(tr(entryNames[0]));
        for (QWidget* entry : {static_cast<QWidget*>(row.HighOn), static_cast<QWidget*>(row.High)})
            entry->setAccessibleName(tr(entryNames[1]));
        row.Delay->setAccessibleName(tr(entryNames[2]));
        row.Hysteresis->setAccessibleName(tr(entryNames[3]));
        connect(row.LowOn, &QCheckBox::toggled, row.Low, &QWidget::setEnabled);
        connect(row.HighOn, &QCheckBox::toggled, row.High, &QWidget::setEnabled);
        auto* low = new QHBoxLayout;
        low->addWidget(row.LowOn);
        low->addWidget(row.Low, 1);
        auto* high = new QHBoxLayout;
        high->addWidget(row.HighOn);
        high->addWidget(row.High, 1);
        grid->addWidget(row.Name, line, 0);
        grid->addLayout(low, line, 1);
        grid->addLayout(high, line, 2);
        grid->addWidget(row.Delay, line, 3);
        grid->addWidget(row.Hysteresis, line, 4);
    }
    cboUnit = new QComboBox(limitsGroup);
    cboUnit->addItem(QStringLiteral("\u00b0C"), QStringLiteral("C"));
    cboUnit->addItem(QStringLiteral("\u00b0F"), QStringLiteral("F"));
    auto* unitLine = new QHBoxLayout;
    auto* unitCaption = new QLabel(tr("Degrees in"), limitsGroup);
    unitCaption->setBuddy(cboUnit);
    unitLine->addWidget(unitCaption);
    unitLine->addWidget(cboUnit);
    unitLine->addStretch();
    grid->addLayout(unitLine, AlarmRules::Channels + 1, 0, 1, 5);
    connect(cboUnit, &QComboBox::currentIndexChanged, this, &TfrmAlarms::ShowUnit);

    chkNoReading = new QCheckBox(tr("Alarm when no reading comes for"), this);
    edtNoReading = new QSpinBox(this);
    // The check box's text is the seconds' caption too.
    edtNoReading->setAccessibleName(chkNoReading->text());
    edtNoReading->setRange(AlarmRules::MinNoReadingSeconds, AlarmRules::MaxSeconds);
    edtNoReading->setSuffix(QStringLiteral(" s"));
    edtNoReading->setValue(30);
    connect(chkNoReading, &QCheckBox::toggled, edtNoReading, &QWidget::setEnabled);
    auto* noReading = new QHBoxLayout;
    noReading->addWidget(chkNoReading);
    noReading->addWidget(edtNoReading);
    noReading->addStretch();
    chkSound = new QCheckBox(tr("Sound until acknowledged"), this);

    auto* stateGroup = new QGroupBox(tr("Now"), this);
    lblState = new QLabel(stateGroup);
    lblState->setWordWrap(true);
    btnAcknowledge = new QPushButton(tr("&Acknowledge"), stateGroup);
    btnAcknowledge->setToolTip(tr("Silence the sound; the alarm stays marked until it clears"));
    auto* stateLine = new QHBoxLayout(stateGroup);
    stateLine->addWidget(lblState, 1);
    stateLine->addWidget(btnAcknowledge);
    connect(btnAcknowledge, &QPushButton::clicked, this, &TfrmAlarms::btnAcknowledgeClick);

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(limitsGroup);
    layout->addLayout(noReading);
    layout->addWidget(chkSound);
    layout->addWidget(stateGroup);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(&session, &RecordingSession::AlarmChanged, this, &TfrmAlarms::ShowState);
    connect(&session, &RecordingSession::AlarmsWatched, this, &TfrmAlarms::ShowState);
    connect(&session, &RecordingSession::AlarmsAcknowledged, this, &TfrmAlarms::ShowState);
    Fill(session.Alarms().Rules());
}

void TfrmAlarms::ShowRules() {
    Fill(session_.Alarms().Rules());
    show();
    raise();
    activateWindow();
}

void TfrmAlarms::Fill(const AlarmRules& rules) {
    const CurrentReading& reading = session_.Reading();
    // Rules without a unit of their own take the meter's, as they would when checked.
    const QString unit = rules.Unit.isEmpty() ? reading.UnitText : rules.Unit;
    cboUnit->setCurrentIndex(unit == QLatin1String("F") ? 1 : 0);
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        const ChannelLimits& limits = rules.Channel[size_t(c)];
        ChannelRow& row = Rows[size_t(c)];
        row.LowOn->setChecked(bool(limits.Low));
        row.Low->setEnabled(bool(limits.Low));
        row.Low->setValue(limits.Low.value_or(0));
        row.HighOn->setChecked(bool(limits.High));
        row.High->setEnabled(bool(limits.High));
        row.High->setValue(limits.High.value_or(100));
        row.Delay->setValue(limits.DelaySeconds);
        row.Hysteresis->setValue(limits.Hysteresis);
    }
    // A one-channel meter's second display is a timer, with nothing to compare.
    const bool timer = reading.IsOneChannel();
    ChannelRow& second = Rows[1];
    for (QWidget* w : std::initializer_list<QWidget*>{second.Name, second.LowOn, second.HighOn,
                                                      second.Delay, second.Hysteresis})
        w->setEnabled(!timer);
    second.Low->setEnabled(!timer && second.LowOn->isChecked());
    second.High->setEnabled(!timer && second.HighOn->isChecked());
    second.Name->setToolTip(timer ? tr("The second display of this meter is a timer") : QString());
    chkNoReading->setChecked(rules.NoReadingSeconds > 0);
    edtNoReading->setEnabled(rules.NoReadingSeconds > 0);
    if (rules.NoReadingSeconds > 0)
        edtNoReading->setValue(rules.NoReadingSeconds);
    chkSound->setChecked(rules.Sound);
    ShowUnit();
    ShowState();
}

void TfrmAlarms::ShowUnit() {
    const QString suffix = QLatin1Char(' ') + cboUnit->currentText();
    for (ChannelRow& row : Rows)
        for (QDoubleSpinBox* box : {row.Low, row.High, row.Hysteresis})
            box->setSuffix(suffix);
}

void TfrmAlarms::ShowState() {
    const std::vector<Alarm> active = session_.Alarms().Active();
    QStringList lines;
    for (const Alarm& alarm : active)
        lines << BriefAlarm(alarm);
    lblState->setText(lines.isEmpty() ? tr("No alarm is up.")
                                      : tr("ALARM: %1").arg(lines.join(QStringLiteral("; "))));
    lblState->setStyleSheet(lines.isEmpty()
                                ? QString()
                                : QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                      .arg(ReadableOnWindow(QColor(0xd0, 0, 0), palette()).name()));
    btnAcknowledge->setEnabled(!active.empty() && !session_.Alarms().Acknowledged());
}

AlarmRules TfrmAlarms::EnteredRules(QString* problem) const {
    AlarmRules rules;
    rules.Unit = cboUnit->currentData().toString();
    if (problem)
        problem->clear();
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        const ChannelRow& row = Rows[size_t(c)];
        ChannelLimits& limits = rules.Channel[size_t(c)];
        if (row.LowOn->isChecked())
            limits.Low = row.Low->value();
        if (row.HighOn->isChecked())
            limits.High = row.High->value();
        limits.DelaySeconds = row.Delay->value();
        limits.Hysteresis = row.Hysteresis->value();
        if (problem && problem->isEmpty() && limits.Low && limits.High &&
            *limits.Low >= *limits.High)
            *problem = tr(LimitsCrossed[c]);
    }
    rules.NoReadingSeconds = chkNoReading->isChecked() ? edtNoReading->value() : 0;
    rules.Sound = chkSound->isChecked();
    return rules;
}

void TfrmAlarms::BitBtn1Click() {
    QString problem;
    const AlarmRules rules = EnteredRules(&problem);
    if (!problem.isEmpty()) {
        ShowMessage(this, MessageKind::Warning, problem);
        return;
    }
    accept();
    const QString stored = session_.SetAlarmRules(rules);
    if (!stored.isEmpty())
        ShowException(stored);
}

void TfrmAlarms::btnAcknowledgeClick() {
    session_.AcknowledgeAlarms();
}
