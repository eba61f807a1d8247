// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven integers kept between runs, plus the name of the port the meter was
// last found on. Read once when the main menu window is created, written once at
// shut-down. The store is a QSettings handed in, so tests can point it at a
// scratch file; OpenPlatformStore gives the program's real one.

#include "alarm/alarm_rules.h"
#include "base/app_state.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

// The live graph's vertical range as it stands at shut-down.
struct VerticalRange {
    double Min = 0;
    double Max = 0;
};

class SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    explicit SettingsStore(std::unique_ptr<QSettings> settings);

    // Linux: the user's configuration file; Windows: HKEY_LOCAL_MACHINE\SOFTWARE\BRACKWATER.
    static std::unique_ptr<QSettings> OpenPlatformStore();

    // Reads the seven values, each on its own (see ReadSettingsValues).
    void Read(SettingsVars& vars);
    // A store that exists but cannot be read reads as missing, and one that cannot
    // be parsed keeps only what could be read; this then says which file and why.
    // It also names each value that is there but could not be read, and the
    // default taken for it. Empty when reading went well.
    QString ReadProblem() const { return readProblem_; }
    // Stores the values for the next run. modelCode is stored as LastModel; the
    // range is the live graph's, truncated toward zero. A file that could not be
    // parsed is first copied beside itself (".damaged"), so writing loses none of
    // it. Returns a message naming the file and the reason when the values could
    // not be stored, else empty.
    QString Write(const SettingsVars& vars, int32_t modelCode, const VerticalRange& liveRange);

    // The alarm rules, under keys of their own that older files do not have: a
    // missing key leaves its rule off. A value that cannot be read leaves its rule
    // off too, and problem then names the key and the value.
    AlarmRules ReadAlarms(QString* problem = nullptr) const;
    // Stores the rules at once, for they matter even if the program never ends
    // cleanly. Returns a message naming the file and the reason when they could
    // not be stored, else empty.
    QString WriteAlarms(const AlarmRules& rules);

    // The folder the file dialogs last used; empty when none was kept.
    QString ReadFileFolder() const;
    // Keeps the folder at once, so that a run that never ends cleanly remembers it
    // too. Returns a message naming the file and the reason on failure, else empty.
    QString WriteFileFolder(const QString& folder);

private:
    // Syncs the file, created readable by the user only.
    QString SyncPrivately();
    QString WriteProblem() const;

    std::unique_ptr<QSettings> settings_;
    QString readProblem_;
    bool damaged_ = false; // the file could not be parsed: kept aside before it is replaced
};

// The alarm rules from any source of values, as ReadAlarms reads them.
AlarmRules ReadAlarmValues(const std::function<QVariant(const QString& key)>& value,
                           QString* problem = nullptr);

// The value rule: a stored value counts only if it is a whole decimal number
// that fits 32 bits (text files hold every value as text, the registry as a typed
// number). Anything else, a missing value included, does not count.
bool ReadStoredInt32(const QVariant& value, int32_t& out);

// A value that is there but does not count, and what was taken instead.
struct UnreadSetting {
    QString Key;
    QString Value; // as stored, shortened when long
    int32_t Default = 0;
};

// The seven values from any source of values, each on its own: one that does not
// count takes its default (the rates 0 when missing, meaning none was chosen, and
// 2 seconds when unreadable), the others keep what was stored. SettingsMissing is
// set when any did not count, so that the start searches. Returns the values that
// were there but could not be read.
QList<UnreadSetting> ReadSettingsValues(const std::function<QVariant(const QString& key)>& value,
                                        SettingsVars& vars);

// A degree value from the live graph as a stored integer: truncated toward zero,
// held within 32 bits; a value that is not a number keeps the fallback.
int32_t ScaleToStored(double value, int32_t fallback);

// The date pattern of log rows: the locale's short date format, with a two-digit
// year widened to four digits in the four day/month/year orders that use it.
QString LogDateFormatFor(const QString& qtShortDateFormat);
QString LogDateFormatFor(const QLocale& locale);

// Date and time patterns are written with "/" standing for the locale's date
// separator, ":" for its time separator and "nn" for minutes; Qt's patterns take
// the separators literally and "mm" for minutes. This is the one translation.
QString QtDateTimePattern(const QString& pattern, QChar dateSeparator, QChar timeSeparator);
QString QtDateTimePattern(const QString& pattern, const QLocale& locale);

// The separator that stands between the fields of a Qt date or time pattern.
QChar PatternSeparator(const QString& qtPattern, QChar fallback);
