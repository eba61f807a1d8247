// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/demo_history.h"

#include "base/background_task.h"
#include "base/day_count.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "log/log_table.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_window.h"
#include "recording/recording_session.h"

#include <cmath>

namespace {
// Age in seconds to a temperature that ends at now: a slow swing, a faster ripple.
double Past(double now, double age, double swing, double period) {
    return now + swing * std::sin(age / period) * (1 - std::exp(-age / 300.0)) +
           0.3 * std::sin(age / 17.0);
}
} // namespace

void FillDemoHistory(RecordingSession& session, TfrmList& list, TfrmGraph& graph, int seconds,
                     double mainNow, double subNow) {
    CurrentReading reading = session.Reading();
    const SettingsVars& settings = session.Settings();
    const double now = CurrentDayCount();
    const int listing = std::max(settings.ListingRate, 1);
    const int graphing = std::max(settings.GraphingRate, 1);
    const int firstPointAge = std::min(seconds, (TfrmGraph::PointCount - 1) * graphing);
    const auto at = [now](int age) { return now - age / 86400.0; };

    reading.MainOverload = reading.SubOverload = false;
    reading.MainValid = reading.SubValid = true;
    const auto value = [reading, mainNow, subNow](int age) {
        CurrentReading then = reading;
        then.MainValue = Past(mainNow, age, 6.0, 700.0);
        then.SubValue = Past(subNow, age, -4.0, 1100.0);
        return then;
    };
    for (int age = firstPointAge - firstPointAge % graphing; age > 0; age -= graphing) {
        if (graph.NextPoint() == 0) {
            // The time window starts where the past does and widens as it fills.
            graph.PlotChart1->SetManualMinX(at(age));
            graph.PlotChart1->SetManualMaxX(at(age) + graph.XSpan());
        }
        graph.AddPoint({at(age), value(age)});
    }

    // The log's rows are made beside the window, which goes on answering, and go
    // into the table in one go, before the rows recorded meanwhile, as a file
    // opened does: appended one by one, a month would have the grid and screen
    // readers follow each row.
    auto past = std::make_shared<LogRowStore>();
    std::shared_ptr<const LogTable> format = session.Log().Snapshot();
    auto* task = new BackgroundTask(
        [=, dateFormat = settings.LogDateFormat](BackgroundTask& work) {
            for (int age = seconds - seconds % listing; age > 0 && work.Step(age); age -= listing)
                past->Append(format->RowCells({at(age), value(age)}, dateFormat));
        },
        &list);
    QObject::connect(task, &BackgroundTask::Done, &list, [&session, &list, task, past] {
        if (task->Failure().isEmpty()) {
            session.Log().LoadRows(std::move(*past));
            list.Grid1->scrollToBottom();
        }
        task->deleteLater();
    });
    task->Start();
}
