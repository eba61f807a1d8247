#pragma once
// Every window of the program, created once at start, hidden, in a fixed order,
// and kept until the program ends; the windows meet each other here. It also runs
// the one-second heartbeat and the start sequence.

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/resolution_notice.h"
#include "app/tray_form.h"
#include "graph/live_graph_window.h"
#include "graph/ui/dialog_graph_progress.h"
#include "graph/ui/edit_title_dialog.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/setup_scale_dialog.h"
#include "graph/ui/stand_in_progress_dialog.h"
#include "link/link_test_window.h"
#include "link/model_identification.h"
#include "log/log_window.h"
#include "meter/heartbeat.h"
#include "meter/panel_window.h"

#include <QSettings>
#include <memory>

class WindowSet {
public:
    WindowSet(AppState& state, std::unique_ptr<QSettings> store);
    ~WindowSet();

    // The start sequence, a second after start-up: the main menu, then the port
    // search on a first run or the last port and model otherwise.
    void Timer1Timer();
    // The heartbeat tick of the main window's ThTimer1.
    void ThTimer1Timer();
    // OK of the port search window: polling and recording start.
    void StartRecording();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<DigitBitmaps> Digits; // loaded by the main window's creation
    std::unique_ptr<TfrmMain> frmMain;
    std::unique_ptr<ModelIdentification> Models;
    std::unique_ptr<TfrmPanel> frmPanel;
    std::unique_ptr<TfrmList> frmList;
    std::unique_ptr<TfrmGraph> frmGraph;
    std::unique_ptr<TfrmResolu> frmResolu;
    std::unique_ptr<TfrmSetupScale> frmSetupScale;
    std::unique_ptr<TfrmLinkTest> frmLinkTest;
    std::unique_ptr<TfrmGraphList> frmGraphList;
    std::unique_ptr<TfrmEditTitle> frmEditTitle;
    std::unique_ptr<StandInProgressDialog> frmGraphProgress;
    std::unique_ptr<DialogGraphProgress> GraphingProgress;
    std::unique_ptr<Heartbeat> Beat;

private:
    void LinkLost();
    // The Run and Pause buttons of the log and the live graph follow the recording flags.
    void ShowRecordingState();

    AppState& state_;
};
