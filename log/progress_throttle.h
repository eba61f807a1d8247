#pragma once
// Paces the progress display of long operations: repainting the dialog and
// letting the window system handle pending events costs far more than one row,
// so it happens about 30 times a second instead of at every step. That is still
// often enough for the count to move smoothly and for Cancel to act at once.

#include <QElapsedTimer>

class ProgressThrottle {
public:
    static constexpr int IntervalMs = 33;

    // The next Due() is true.
    void Restart() { clock_.invalidate(); }
    // True at the first call after Restart(), then once IntervalMs have passed since the last true.
    bool Due() {
        if (clock_.isValid() && clock_.elapsed() < IntervalMs)
            return false;
        clock_.start();
        return true;
    }

private:
    QElapsedTimer clock_;
};
