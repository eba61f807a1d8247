// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/settings_store.h"

#include "base/log_categories.h"
#include "platform/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <array>
#include <cmath>
#include <limits>

namespace {
const QString GraphingRateKey = QStringLiteral("GraphingRate");
const QString ListingRateKey = QStringLiteral("ListingRate");
const QString MaxScaleKey = QStringLiteral("MaxScale");
const QString MinScaleKey = QStringLiteral("MinScale");
const QString ShowResoKey = QStringLiteral("ShowReso");
const QString LastConnectedPortKey = QStringLiteral("LastConnectedPort");
const QString LastModelKey = QStringLiteral("LastModel");
const QString LastConnectedDeviceKey = QStringLiteral("LastConnectedDevice");
const QString LastConnectedSerialKey = QStringLiteral("LastConnectedSerial");
// The alarm keys, one group; a channel's keys start with its display's name.
const QString AlarmChannelKeys[] = {QStringLiteral("Alarms/Main"), QStringLiteral("Alarms/Second")};
const QString AlarmUnitKey = QStringLiteral("Alarms/Unit");
const QString FileFolderKey = QStringLiteral("Files/LastFolder");
const QString AlarmNoReadingKey = QStringLiteral("Alarms/NoReadingSeconds");
const QString AlarmSoundKey = QStringLiteral("Alarms/Sound");
// A channel's keys: its display's name, then these.
// untranslated: a settings key
const QString LowKey = QStringLiteral("Low");
// untranslated: a settings key
const QString HighKey = QStringLiteral("High");
const QString DelayKey = QStringLiteral("DelaySeconds");
// untranslated: a settings key
const QString HysteresisKey = QStringLiteral("Hysteresis");

// Why a settings file could not be read or written, in words a user can act on.
QString FileProblem(const QString& path, bool writing) {
    const QFileInfo file(path);
    if (file.isDir())
        return SettingsStore::tr("it is a folder, not a file");
    const QFileInfo dir(file.absolutePath());
    if (writing && !dir.isDir())
        return SettingsStore::tr("the folder \"%1\" does not exist and cannot be created")
            .arg(QDir::toNativeSeparators(dir.filePath()));
    if (file.exists() && !(writing ? file.isWritable() : file.isReadable()))
        return SettingsStore::tr("permission denied");
    if (writing && !dir.isWritable())
        return SettingsStore::tr("permission denied on the folder \"%1\"")
            .arg(QDir::toNativeSeparators(dir.filePath()));
    return writing ? SettingsStore::tr("the file could not be written")
                   : SettingsStore::tr("the file could not be read");
}

QString SeparatorLiteral(QChar separator) {
    if (separator == QLatin1Char('\''))
        return QStringLiteral("''");
    if (separator.isLetter())
        return QLatin1Char('\'') + separator + QLatin1Char('\'');
    return separator;
}
// Where a settings file that could not be parsed is kept before it is replaced.
QString DamagedCopy(const QString& fileName) {
    return fileName + QStringLiteral(".damaged");
}
} // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

std::unique_ptr<QSettings> SettingsStore::OpenPlatformStore() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\BRACKWATER"),
                                       QSettings::NativeFormat);
#else
    // A per-machine file is not writable by users; the user's own file serves.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("BRACKWATER"));
#endif
}

void SettingsStore::Read(SettingsVars& vars) {
    readProblem_.clear();
    if (settings_->status() == QSettings::AccessError) {
        readProblem_ = tr("The settings could not be read from \"%1\": %2.")
                           .arg(QDir::toNativeSeparators(settings_->fileName()),
                                FileProblem(settings_->fileName(), false));
    }
    const QList<UnreadSetting> unread =
        ReadSettingsValues([this](const QString& key) { return settings_->value(key); }, vars);
    if (vars.SettingsMissing)
        qCInfo(lcSettings) << "not every setting in" << settings_->fileName()
                           << "could be read - the start searches";
    vars.LastConnectedDevice = settings_->value(LastConnectedDeviceKey).toString();
    vars.LastConnectedSerial = settings_->value(LastConnectedSerialKey).toString();
    // The file is parsed at the first value asked for.
    if (settings_->status() == QSettings::FormatError) {
        damaged_ = true;
        readProblem_ =
            tr("The settings file \"%1\" is damaged or is not a settings file; what could "
               "not be read takes its default. The file is kept as \"%2\" when the "
               "settings are saved.")
                .arg(QDir::toNativeSeparators(settings_->fileName()),
                     QDir::toNativeSeparators(DamagedCopy(settings_->fileName())));
    }
    if (unread.isEmpty())
        return;
    QStringList values;
    for (const UnreadSetting& setting : unread)
        //: a setting's key, the value stored and the default taken instead
        values << tr("%1 = \"%2\" (%3)")
                      .arg(setting.Key, setting.Value, QString::number(setting.Default));
    //: %1 is the settings file, %2 the values, each as KEY = "VALUE" (DEFAULT)
    const QString text = tr("The settings file \"%1\" holds %n values that could not be read, "
                            "which take their defaults: %2. The other settings are kept.",
                            nullptr, int(unread.size()))
                             .arg(QDir::toNativeSeparators(settings_->fileName()),
                                  values.join(QStringLiteral(", ")));
    readProblem_ += (readProblem_.isEmpty() ? QString() : QStringLiteral("\n")) + text;
}

bool ReadStoredInt32(const QVariant& v, int32_t& out) {
    qlonglong value = 0;
    bool ok = false;
    switch (v.typeId()) {
    case QMetaType::QString: {
        // Qt's conversion stops at a NUL character and would take what precedes it.
        const QString text = v.toString();
        if (text.contains(QChar(0)))
            return false;
        value = text.toLongLong(&ok, 10);
        break;
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        value = v.toLongLong(&ok);
        break;
    case QMetaType::ULongLong:
        // Above the largest long long it would wrap to a negative number.
        ok = v.toULongLong() <= qulonglong(std::numeric_limits<int32_t>::max());
        value = ok ? qlonglong(v.toULongLong()) : 0;
        break;
    default:
        return false;
    }
    if (!ok || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(value);
    return true;
}

QList<UnreadSetting> ReadSettingsValues(const std::function<QVariant(const QString& key)>& value,
                                        SettingsVars& vars) {
    struct Setting {
        const QString* Key;
        int32_t* Variable;
        int32_t WhenMissing;
        int32_t WhenUnreadable;
    };
    constexpr int32_t Rate = 2; // seconds, what the rate entries start with
    const std::array<Setting, 7> settings{{
        {&GraphingRateKey, &vars.GraphingRate, 0, Rate},
        {&ListingRateKey, &vars.ListingRate, 0, Rate},
        {&MaxScaleKey, &vars.MaxScale, 1370, 1370},
        {&MinScaleKey, &vars.MinScale, -200, -200},
        {&ShowResoKey, &vars.ShowReso, 1, 1},
        {&LastConnectedPortKey, &vars.LastConnectedPort, 0, 0},
        {&LastModelKey, &vars.LastModel, 0, 0},
    }};
    QList<UnreadSetting> unread;
    vars.SettingsMissing = false;
    for (const Setting& setting : settings) {
        const QVariant stored = value(*setting.Key);
        if (ReadStoredInt32(stored, *setting.Variable))
            continue;
        vars.SettingsMissing = true;
        if (!stored.isValid()) {
            *setting.Variable = setting.WhenMissing;
            continue;
        }
        *setting.Variable = setting.WhenUnreadable;
        // A list is what a text file's "1, 2" reads as.
        QString text = stored.typeId() == QMetaType::QStringList
                           ? stored.toStringList().join(QStringLiteral(", "))
                           : stored.toString();
        for (QChar& c : text)
            if (c.category() == QChar::Other_Control)
                c = QChar::ReplacementCharacter;
        constexpr qsizetype Shown = 40;
        if (text.size() > Shown)
            text = text.left(Shown) + QChar(0x2026);
        unread.append({*setting.Key, text, setting.WhenUnreadable});
    }
    return unread;
}

QString SettingsStore::Write(const SettingsVars& vars, int32_t modelCode,
                             const VerticalRange& liveRange) {
    if (damaged_) {
        const QString copy = DamagedCopy(settings_->fileName());
        QFile::remove(copy);
        const QString fileName = settings_->fileName();
        if (!QFile::copy(fileName, copy) || !QFile::remove(fileName))
            return tr("The settings were not saved: the damaged file \"%1\" could not be kept as "
                      "\"%2\".")
                .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(copy));
        // A store that failed to parse keeps saying so: a fresh one writes the file anew.
        settings_ = std::make_unique<QSettings>(fileName, settings_->format());
        damaged_ = false;
    }
    settings_->setValue(GraphingRateKey, vars.GraphingRate);
    settings_->setValue(ListingRateKey, vars.ListingRate);
    settings_->setValue(MaxScaleKey, ScaleToStored(liveRange.Max, vars.MaxScale));
    settings_->setValue(MinScaleKey, ScaleToStored(liveRange.Min, vars.MinScale));
    settings_->setValue(ShowResoKey, vars.ShowReso);
    settings_->setValue(LastConnectedPortKey, vars.LastConnectedPort);
    settings_->setValue(LastModelKey, modelCode);
    settings_->setValue(LastConnectedDeviceKey, vars.LastConnectedDevice);
    if (vars.LastConnectedSerial.isEmpty())
        settings_->remove(LastConnectedSerialKey);
    else
        settings_->setValue(LastConnectedSerialKey, vars.LastConnectedSerial);
    return SyncPrivately();
}

QString SettingsStore::SyncPrivately() {
    {
        // The file names the user's devices: created readable by the user only,
        // and one an earlier version made readable by all is closed too.
        const OwnerOnlyFiles privately;
        settings_->sync();
    }
    if (settings_->status() == QSettings::NoError)
        MakeOwnerOnly(settings_->fileName());
    return WriteProblem();
}

QString SettingsStore::WriteProblem() const {
    if (settings_->status() == QSettings::NoError)
        return {};
    return tr("The settings could not be saved to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(settings_->fileName()),
             FileProblem(settings_->fileName(), true));
}

AlarmRules SettingsStore::ReadAlarms(QString* problem) const {
    return ReadAlarmValues([this](const QString& key) { return settings_->value(key); }, problem);
}

AlarmRules ReadAlarmValues(const std::function<QVariant(const QString& key)>& value,
                           QString* problem) {
    AlarmRules rules;
    QStringList bad;
    const auto note = [&](const QString& key, const QVariant& v) {
        bad << QStringLiteral("%1 = \"%2\"").arg(key, v.toString());
    };
    const auto number = [&](const QString& key, double low, double high) -> std::optional<double> {
        const QVariant v = value(key);
        if (!v.isValid())
            return std::nullopt;
        bool ok = false;
        const double d = QLocale::c().toDouble(v.toString().trimmed(), &ok);
        if (ok && std::isfinite(d) && d >= low && d <= high)
            return d;
        note(key, v);
        return std::nullopt;
    };
    const auto whole = [&](const QString& key, int32_t low, int32_t high) {
        const QVariant v = value(key);
        int32_t n = 0;
        if (!v.isValid())
            return 0;
        if (ReadStoredInt32(v, n) && n >= low && n <= high)
            return int(n);
        note(key, v);
        return 0;
    };
    constexpr double Far = 1e6; // far beyond any thermocouple
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        ChannelLimits& limits = rules.Channel[size_t(c)];
        const QString& prefix = AlarmChannelKeys[c];
        limits.Low = number(prefix + LowKey, -Far, Far);
        limits.High = number(prefix + HighKey, -Far, Far);
        if (limits.Low && limits.High && *limits.Low >= *limits.High) {
            note(prefix + HighKey, DegreesText(*limits.High));
            limits.Low.reset();
            limits.High.reset();
        }
        limits.DelaySeconds = whole(prefix + DelayKey, 0, AlarmRules::MaxSeconds);
        limits.Hysteresis = number(prefix + HysteresisKey, 0, Far).value_or(0);
    }
    const QVariant unit = value(AlarmUnitKey);
    if (unit.isValid()) {
        rules.Unit = unit.toString();
        if (rules.Unit != QLatin1String("C") && rules.Unit != QLatin1String("F")) {
            note(AlarmUnitKey, unit);
            rules.Unit.clear();
        }
    }
    rules.NoReadingSeconds = whole(AlarmNoReadingKey, 0, AlarmRules::MaxSeconds);
    if (rules.NoReadingSeconds > 0 && rules.NoReadingSeconds < AlarmRules::MinNoReadingSeconds) {
        note(AlarmNoReadingKey, QString::number(rules.NoReadingSeconds));
        rules.NoReadingSeconds = 0;
    }
    rules.Sound = whole(AlarmSoundKey, 0, 1) != 0;
    if (problem) {
        problem->clear();
        if (!bad.isEmpty())
            *problem = SettingsStore::tr("These alarm settings could not be read and are off: %1.")
                           .arg(bad.join(QStringLiteral(", ")));
    }
    return rules;
}

QString SettingsStore::WriteAlarms(const AlarmRules& rules) {
    const auto setOrRemove = [this](const QString& key, const std::optional<double>& v) {
        if (v)
            settings_->setValue(key, DegreesText(*v));
        else
            settings_->remove(key);
    };
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        const ChannelLimits& limits = rules.Channel[size_t(c)];
        const QString& prefix = AlarmChannelKeys[c];
        setOrRemove(prefix + LowKey, limits.Low);
        setOrRemove(prefix + HighKey, limits.High);
        settings_->setValue(prefix + DelayKey, limits.DelaySeconds);
        settings_->setValue(prefix + HysteresisKey, DegreesText(limits.Hysteresis));
    }
    if (rules.Unit.isEmpty())
        settings_->remove(AlarmUnitKey);
    else
        settings_->setValue(AlarmUnitKey, rules.Unit);
    settings_->setValue(AlarmNoReadingKey, rules.NoReadingSeconds);
    settings_->setValue(AlarmSoundKey, rules.Sound ? 1 : 0);
    return SyncPrivately();
}

QString SettingsStore::ReadFileFolder() const {
    return settings_->value(FileFolderKey).toString();
}

QString SettingsStore::WriteFileFolder(const QString& folder) {
    settings_->setValue(FileFolderKey, folder);
    settings_->sync();
    return WriteProblem();
}

int32_t ScaleToStored(double value, int32_t fallback) {
    if (std::isnan(value))
        return fallback;
    // Converting an out-of-range double to an integer is undefined; a graph zoomed
    // far out stores the widest range that fits instead.
    const double truncated = std::trunc(value);
    if (truncated <= std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (truncated >= std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(truncated);
}

QChar PatternSeparator(const QString& qtPattern, QChar fallback) {
    bool quoted = false;
    for (const QChar c : qtPattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && !c.isLetter())
            return c;
    }
    return fallback;
}

QString QtDateTimePattern(const QString& pattern, QChar dateSeparator, QChar timeSeparator) {
    QString out;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c == QLatin1Char('\''))
            out += c;
        else if (c == QLatin1Char('/'))
            out += SeparatorLiteral(dateSeparator);
        else if (c == QLatin1Char(':'))
            out += SeparatorLiteral(timeSeparator);
        else if (c == QLatin1Char('n'))
            out += QLatin1Char('m');
        else
            out += c;
    }
    return out;
}

QString QtDateTimePattern(const QString& pattern, const QLocale& locale) {
    return QtDateTimePattern(
        pattern, PatternSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/')),
        PatternSeparator(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':')));
}

QString LogDateFormatFor(const QString& qtShortDateFormat) {
    static const std::array<std::pair<QLatin1String, QLatin1String>, 4> widened{{
        {QLatin1String("d/M/yy"), QLatin1String("d/M/yyyy")},
        {QLatin1String("M/d/yy"), QLatin1String("M/d/yyyy")},
        {QLatin1String("yy/M/d"), QLatin1String("yyyy/M/d")},
        {QLatin1String("yy/d/M"), QLatin1String("yyyy/d/M")},
    }};
    if (qtShortDateFormat.contains(QLatin1Char('\'')))
        return qtShortDateFormat;
    // The patterns are compared with the locale's separator standing as "/".
    const QChar separator = PatternSeparator(qtShortDateFormat, QLatin1Char('/'));
    QString generic = qtShortDateFormat;
    generic.replace(separator, QLatin1Char('/'));
    for (const auto& [shortFormat, logFormat] : widened)
        if (generic == shortFormat)
            return QtDateTimePattern(logFormat, separator, QLatin1Char(':'));
    return qtShortDateFormat;
}

QString LogDateFormatFor(const QLocale& locale) {
    return LogDateFormatFor(locale.dateFormat(QLocale::ShortFormat));
}
