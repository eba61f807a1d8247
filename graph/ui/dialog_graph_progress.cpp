#include "graph/ui/dialog_graph_progress.h"

#include "graph/ui/stand_in_progress_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace {
constexpr int EventIntervalMs = 33;
// Steps between looks at the clock: reading it costs more than a cheap step.
constexpr unsigned ClockEvery = 64;
} // namespace

void DialogGraphProgress::Start(const QString& caption, const QString& text, int steps) {
    dialog_.setWindowTitle(caption);
    dialog_.Label1->setText(text);
    dialog_.ProgressBar1->setRange(0, std::max(steps, 0));
    dialog_.ProgressBar1->setValue(0);
    dialog_.show();
    dialog_.setResult(StandInProgressDialog::None);
    QCoreApplication::processEvents();
    sinceEvents_.start();
    steps_ = 0;
}

bool DialogGraphProgress::Step(int position) {
    // A cancel taken below is reported by the next step, as the row it came with is read.
    const bool cancelled = dialog_.result() == StandInProgressDialog::Cancel;
    if (++steps_ % ClockEvery == 0 && sinceEvents_.elapsed() >= EventIntervalMs) {
        dialog_.ProgressBar1->setValue(position);
        QCoreApplication::processEvents();
        sinceEvents_.start();
    }
    return cancelled;
}

void DialogGraphProgress::Finish() {
    dialog_.hide();
}
