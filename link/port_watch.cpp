// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_watch.h"

#include "base/log_categories.h"
#include "link/model_query.h"

PortWatch::PortWatch(std::function<QStringList()> ports, std::function<QString()> mark,
                     QObject* parent)
    : QObject(parent), ports_(std::move(ports)), mark_(std::move(mark)) {
    look_.setInterval(LookMs);
    connect(&look_, &QTimer::timeout, this, &PortWatch::Look);
    answer_.setSingleShot(true);
    answer_.setInterval(int(ModelQuery::ReplyMs));
    connect(&answer_, &QTimer::timeout, this, &PortWatch::AnswerDue);
}

void PortWatch::Start(const QStringList& known) {
    Stop();
    known_ = known;
    failures_.clear();
    asked_ = 0;
    marked_ = false; // the first look takes the list
    look_.start();
}

void PortWatch::Stop() {
    look_.stop();
    answer_.stop();
    pending_.clear();
    if (!asking_.isEmpty()) {
        asking_.clear();
        try {
            probe_.SetActive(false);
        } catch (const std::exception&) {
        }
    }
}

void PortWatch::Look() {
    if (mark_) {
        const QString mark = mark_();
        if (marked_ && !mark.isEmpty() && mark == lastMark_)
            return;
        lastMark_ = mark;
        marked_ = true;
    }
    const QStringList present = ports_();
    // A port that went away and comes back counts as plugged in again.
    QStringList known;
    for (const QString& port : known_)
        if (present.contains(port))
            known.append(port);
    known_ = known;
    for (auto it = failures_.begin(); it != failures_.end();)
        it = present.contains(it.key()) ? std::next(it) : failures_.erase(it);
    for (const QString& port : present)
        if (!known_.contains(port) && !pending_.contains(port) && port != asking_) {
            qCInfo(lcSearch) << port << "appeared; asking it for a meter";
            pending_.append(port);
        }
    if (asking_.isEmpty())
        AskNext();
}

void PortWatch::AskNext() {
    while (!pending_.isEmpty()) {
        const QString device = pending_.takeFirst();
        try {
            probe_.SetDeviceName(TSerialPort::NativeName(device));
            probe_.SetActive(true);
        } catch (const std::exception& e) {
            // Just plugged in, a device may not be ready or not yet ours: the next
            // looks ask again, for a while.
            qCInfo(lcSearch) << device << "could not be opened:" << e.what();
            if (++failures_[device] < OpenTries)
                marked_ = false;
            else
                known_.append(device);
            continue;
        }
        asking_ = device;
        ++asked_;
        ModelQuery::Ask(probe_);
        answer_.start();
        return;
    }
}

void PortWatch::AnswerDue() {
    const QString device = asking_;
    const QByteArray answer = ModelQuery::Answer(probe_);
    asking_.clear();
    try {
        probe_.SetActive(false);
    } catch (const std::exception&) {
    }
    known_.append(device);
    qCInfo(lcSearch) << device << "answered" << answer.toHex(' ');
    if (ModelQuery::ModelOf(answer) != 0) {
        Stop();
        emit MeterAnswered(device, answer);
        return;
    }
    AskNext();
}
