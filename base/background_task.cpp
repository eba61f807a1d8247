// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/background_task.h"

#include <QThread>
#include <exception>

BackgroundTask::BackgroundTask(Work work, QObject* parent)
    : QObject(parent), work_(std::move(work)) {}

BackgroundTask::~BackgroundTask() {
    if (thread_) {
        Cancel();
        thread_->wait();
        delete thread_;
    }
}

void BackgroundTask::Start() {
    if (started_)
        return;
    started_ = true;
    thread_ = QThread::create([this] {
        try {
            work_(*this);
        } catch (const std::bad_alloc&) {
            failure_ = tr("there is not enough memory");
        } catch (const std::exception& e) {
            failure_ = QString::fromLocal8Bit(e.what());
        }
        // Everything the work wrote is seen by whoever sees this.
        workEnded_.store(true, std::memory_order_release);
    });
    // finished comes from the worker; the queued call runs on this object's thread.
    connect(thread_, &QThread::finished, this, &BackgroundTask::Finish, Qt::QueuedConnection);
    thread_->start();
}

void BackgroundTask::Finish() {
    if (done_ || !workEnded_.load(std::memory_order_acquire))
        return;
    done_ = true;
    emit Done();
}

void BackgroundTask::Wait() {
    if (!thread_)
        return;
    thread_->wait();
    Finish();
}
