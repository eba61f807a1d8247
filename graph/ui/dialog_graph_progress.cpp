#include "graph/ui/dialog_graph_progress.h"

#include "log/ui/print_progress_dialog.h"

void DialogGraphProgress::Start(const QString& caption, const QString& text, int steps) {
    dialog_.Start(caption, text, steps);
}

bool DialogGraphProgress::Step(int position) {
    return !dialog_.Step(position);
}

void DialogGraphProgress::Finish() {
    dialog_.Finish();
}
