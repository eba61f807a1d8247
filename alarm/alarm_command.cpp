// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/alarm_command.h"

#include "base/day_count.h"
#include "platform/process_group.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

QString ParseAlarmCommand(const QString& text, AlarmCommandOptions& options) {
    const QStringList words = QProcess::splitCommand(text);
    if (words.isEmpty())
        return QStringLiteral("--on-alarm needs a program to run");
    QString program = words.front();
    if (!program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty())
            return QStringLiteral("--on-alarm: no program \"%1\" in the PATH").arg(program);
        program = found;
    }
    const QFileInfo file(program);
    if (!file.exists())
        return QStringLiteral("--on-alarm: %1 does not exist").arg(program);
    if (file.isDir() || !file.isExecutable())
        return QStringLiteral("--on-alarm: %1 is not a program that may be run").arg(program);
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
    set("ALARM_TEXT", DescribeAlarm(a, event.Raised));
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
        emit Said(QStringLiteral("on-alarm: %1 still ran after %2 s and was ended")
                      .arg(name)
                      .arg(options_.LimitSeconds));
        KillProcessGroup(*process);
    });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, name](QProcess::ProcessError e) {
                if (e != QProcess::FailedToStart)
                    return;
                emit Said(QStringLiteral("on-alarm: %1 could not be started: %2")
                              .arg(name, process->errorString()));
                process->deleteLater();
                --running_;
                emit Ended(-1, false);
                CheckDone();
            });
    connect(
        process, &QProcess::finished, this,
        [this, process, killed, name](int code, QProcess::ExitStatus status) {
            if (!*killed) {
                if (status == QProcess::CrashExit)
                    emit Said(QStringLiteral("on-alarm: %1 ended abnormally").arg(name));
                else if (code != 0)
                    emit Said(
                        QStringLiteral("on-alarm: %1 ended with exit code %2").arg(name).arg(code));
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
