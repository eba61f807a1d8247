#pragma once
// The log graph's progress shown in the progress dialog the log's saving and
// printing use, with its caption, text line, bar and Cancel.

#include "graph/graph_progress.h"

class TfrmPrintProgress;

class DialogGraphProgress : public GraphProgress {
public:
    explicit DialogGraphProgress(TfrmPrintProgress& dialog) : dialog_(dialog) {}

    void Start(const QString& caption, const QString& text, int steps) override;
    bool Step(int position) override;
    void Finish() override;

private:
    TfrmPrintProgress& dialog_;
};
