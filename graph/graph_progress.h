// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the log graph's build needs of a progress display: a caption, a text line
// and a number of steps; each step reports its position and learns whether the
// user has cancelled. Implementations decide how often they actually update and
// let pending events run, so a step can be called for every row.

#include "base/background_task.h"

#include <QString>

class GraphProgress {
public:
    virtual ~GraphProgress() = default;
    virtual void Start(const QString& caption, const QString& text, int steps) = 0;
    // True once the user has cancelled; a cancel taken while this step lets events
    // run is reported by the next step.
    virtual bool Step(int position) = 0;
    virtual void Finish() = 0;
};

// No display and no cancel: the build runs straight through.
class NoProgress : public GraphProgress {
public:
    void Start(const QString&, const QString&, int) override {}
    bool Step(int) override { return false; }
    void Finish() override {}
};

// The build on a worker thread: steps go to the task's counter, which the window
// shows, and the task's cancel mark ends the build.
class TaskProgress : public GraphProgress {
public:
    explicit TaskProgress(BackgroundTask& task) : task_(task) {}
    void Start(const QString&, const QString&, int) override {}
    bool Step(int position) override { return !task_.Step(position); }
    void Finish() override {}

private:
    BackgroundTask& task_;
};
