#pragma once
// The log graph's progress shown in the progress dialog: the caption, the text
// line and the bar are set at the start; during the build the bar moves and
// pending events run about 30 times a second, however many rows a second pass.

#include "graph/graph_progress.h"

#include <QElapsedTimer>

class StandInProgressDialog;

class DialogGraphProgress : public GraphProgress {
public:
    explicit DialogGraphProgress(StandInProgressDialog& dialog) : dialog_(dialog) {}

    void Start(const QString& caption, const QString& text, int steps) override;
    bool Step(int position) override;
    void Finish() override;

private:
    StandInProgressDialog& dialog_;
    QElapsedTimer sinceEvents_;
    unsigned steps_ = 0;
};
