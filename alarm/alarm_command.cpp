// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/alarm_command.h"

#include "base/day_count.h"
#include "platform/process_group.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {
// The option's name, never translated.
const QString Option = QStringLiteral("--on-alarm");
// What the command's lines start with: the option's name.
const QString LinePrefix = QStringLiteral("on-alarm");
} // namespace

QString ParseAlarmCommand(const QString& text, AlarmCommandOptions& options) {
    const QStringList words = QProcess::splitCommand(text);
    if (words.isEmpty())
        //: %1 is the option --on-alarm
        return AlarmCommand::tr("%1 needs a program to run").arg(Option);
    QString program = words.front();
    if (!program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty())
            //: %1 is the option --on-alarm, %2 the program
            return AlarmCommand::tr("%1: no program \"%2\" in the PATH").arg(Option, program);
        program = found;
    }
    const QFileInfo file(program);
    if (!file.exists())
        //: %1 is the option --on-alarm, %2 the program
        return AlarmCommand::tr("%1: %2 does not exist").arg(Option, program);
    if (file.isDir() || !file.isExecutable())
        //: %1 is the option --on-alarm, %2 the program
        return AlarmCommand::tr("%1: %2 is not a program that may be run").arg(Option, program);
    options.Program = file.absoluteFilePath();
    options.Arguments = words.mid(1);
    return {};
}

AlarmCommand::AlarmCommand(AlarmCommandOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {}

AlarmCommand::~AlarmCommand() {
    for (QProcess* process : findChildren<QProcess*>()) {
        if (process->state() != QProcess::NotRunning) {
            process->disconnect(this);
            KillProcessGroup(*process);
            process->waitForFinished(1000);
        }
    }
}

QProcessEnvironment AlarmCommand::Environment(const AlarmEvent& event, const QString& device,
                                              QProcessEnvironment base) {
    const Alarm& a = event.What;
    const bool silence = a.Kind == AlarmKind::NoReading;
    const auto set = [&](const char* name, const QString& value) {
        base.insert(QStringLiteral("BRACKWATER_") + QLatin1String(name), value);
    };
    set("ALARM_STATE", event.Raised ? QStringLiteral("raised") : QStringLiteral("cleared"));
    set("ALARM_CHANNEL", silence ? QString() : QString::number(a.Channel));
    set("ALARM_KIND", AlarmKindName(a.Kind));
    set("ALARM_VALUE", silence ? QString::number(a.Value) : AlarmValueText(a));
    set("ALARM_LIMIT", DegreesText(a.Limit));
    set("ALARM_UNIT", silence ? QStringLiteral("s") : a.Unit);
    set("ALARM_SINCE", IsoLocalTime(a.Since));
    set("ALARM_TIME", IsoLocalTime(event.Time));
    set("ALARM_TEXT", DescribeAlarm(a, event.Raised, TextFor::Scripts));
    set("DEVICE", device);
    return base;
}

void AlarmCommand::Run(const AlarmEvent& event, const QString& device) {
    auto* process = new QProcess(this);
    process->setProgram(options_.Program);
    process->setArguments(options_.Arguments);
    process->setProcessEnvironment(Environment(event, device));
    // Its output joins the recorder's own (the terminal or the system journal).
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    StartInOwnProcessGroup(*process);

    auto* limit = new QTimer(process);
    limit->setSingleShot(true);
    auto killed = std::make_shared<bool>(false);
    const QString name = QFileInfo(options_.Program).fileName();
    connect(limit, &QTimer::timeout, process, [this, process, killed, name] {
        *killed = true;
        //: %1 is the option's name on-alarm, %2 the program
        emit Said(tr("%1: %2 still ran after %3 s and was ended")
                      .arg(LinePrefix, name, QString::number(options_.LimitSeconds)));
        KillProcessGroup(*process);
    });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, name](QProcess::ProcessError e) {
                if (e != QProcess::FailedToStart)
                    return;
                //: %1 is the option's name on-alarm, %2 the program, %3 why
                emit Said(tr("%1: %2 could not be started: %3")
                              .arg(LinePrefix, name, process->errorString()));
                process->deleteLater();
                --running_;
                emit Ended(-1, false);
                CheckDone();
            });
    connect(process, &QProcess::finished, this,
            [this, process, killed, name](int code, QProcess::ExitStatus status) {
                if (!*killed) {
                    if (status == QProcess::CrashExit)
                        //: %1 is the option's name on-alarm, %2 the program
                        emit Said(tr("%1: %2 ended abnormally").arg(LinePrefix, name));
                    else if (code != 0)
                        //: %1 is the option's name on-alarm, %2 the program
                        emit Said(tr("%1: %2 ended with exit code %3")
                                      .arg(LinePrefix, name, QString::number(code)));
                }
                process->deleteLater();
                --running_;
                emit Ended(status == QProcess::CrashExit ? -1 : code, *killed);
                CheckDone();
            });
    ++running_;
    process->start();
    limit->start(options_.LimitSeconds * 1000);
}

void AlarmCommand::WhenDone(std::function<void()> then) {
    whenDone_.push_back(std::move(then));
    CheckDone();
}

void AlarmCommand::CheckDone() {
    if (running_ > 0)
        return;
    std::vector<std::function<void()>> due;
    due.swap(whenDone_);
    for (auto& then : due)
        then();
}
