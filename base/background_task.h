// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long work (reading and writing files, printing, building a month's graph) on a
// thread of its own, so the window's thread keeps ticking and answering. The work
// reports its progress in an atomic counter and polls an atomic cancel mark; the
// window reads the one and sets the other. Done is emitted on the thread that
// made the task, once the work has ended. The work touches only data handed to it
// by value or read-only.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class QThread;

class BackgroundTask : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(BackgroundTask& task)>;

    explicit BackgroundTask(Work work, QObject* parent = nullptr);
    // Cancels the work and waits for it.
    ~BackgroundTask() override;

    void Start();
    // Started and Done not yet emitted.
    bool Running() const { return started_ && !done_; }
    // Done has been emitted.
    bool Ended() const { return done_; }

    // Either side: the work's position, and the cancel mark.
    int Progress() const { return progress_.load(std::memory_order_relaxed); }
    void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
    bool CancelRequested() const { return cancel_.load(std::memory_order_relaxed); }

    // The work's side: its position; true while it may go on.
    bool Step(int position) {
        progress_.store(position, std::memory_order_relaxed);
        return !CancelRequested();
    }

    // What ended the work by an exception (out of memory), else empty.
    QString Failure() const { return failure_; }

    // Blocks until the work has ended and emits Done now if it is still due: for
    // the end of the program, which must not leave a file half written.
    void Wait();

signals:
    void Done();

private:
    void Finish();

    Work work_;
    QThread* thread_ = nullptr;
    std::atomic<int> progress_{0};
    std::atomic<bool> cancel_{false};
    std::atomic<bool> workEnded_{false};
    QString failure_; // written by the work, read after it ended
    bool started_ = false;
    bool done_ = false;
};
