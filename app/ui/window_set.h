// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the program, created once at start, hidden, in a fixed order,
// and kept until the program ends, all observing one recording core. This is
// where the windows are connected to each other, and where the start sequence
// runs a second after start-up.

#include "alarm/ui/alarms_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/resolution_notice.h"
#include "app/ui/tray_form.h"
#include "base/ui/message_box.h"
#include "graph/ui/edit_title_dialog.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/setup_scale_dialog.h"
#include "link/ui/link_test_window.h"
#include "log/ui/log_window.h"
#include "log/ui/open_progress_dialog.h"
#include "log/ui/print_progress_dialog.h"
#include "log/ui/scope_dialog.h"
#include "meter/ui/panel_window.h"
#include "recording/recording_session.h"

#include <QPointer>
#include <memory>

class WindowSet {
public:
    explicit WindowSet(RecordingSession& session);
    ~WindowSet();

    // The start sequence: the main menu, then the recordings an earlier run left
    // unsaved, then the port search on a first run or the last port and model
    // otherwise, then the resolution notice if due. The search's window is modal;
    // the reconnect goes on after this returns, until the core's ReconnectEnded.
    void Timer1Timer();
    // Offers each recording an earlier run left unsaved, before anything is
    // recorded, and begins this run's journal.
    void RecoverJournal();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<DigitBitmaps> Digits; // loaded by the main window's creation
    std::unique_ptr<TfrmMain> frmMain;
    std::unique_ptr<TfrmPanel> frmPanel;
    std::unique_ptr<TfrmList> frmList;
    std::unique_ptr<TfrmGraph> frmGraph;
    std::unique_ptr<TfrmResolu> frmResolu;
    std::unique_ptr<TfrmSetupScale> frmSetupScale;
    std::unique_ptr<TfrmLinkTest> frmLinkTest;
    std::unique_ptr<TfrmGraphList> frmGraphList;
    std::unique_ptr<TfrmEditTitle> frmEditTitle;
    std::unique_ptr<TfrmScope> frmScope;
    std::unique_ptr<TfrmPrintProgress> frmPrintProgress;
    std::unique_ptr<TfrmOpenProgress> frmOpenProgress;
    std::unique_ptr<TfrmAlarms> frmAlarms;

private:
    void ShowResolutionNoticeIfDue();
    // The log graph's first showing: beside the log window, off the main menu.
    void PlaceLogGraph();
    // The tray's mark, the notification and Acknowledge follow the alarms.
    void ConnectAlarms();
    // The journal's state in one box at a time: each message replaces the one
    // before (its failure, then that it is written again), none stacks on another.
    void ShowJournalMessage(MessageKind kind, const QString& text);

    RecordingSession& session_;
    bool logGraphPlaced_ = false;
    QPointer<QMessageBox> journalBox_;
};
