#pragma once
// Every window of the program, created once at start, hidden, in a fixed order,
// and kept until the program ends. Other windows reach each other through here.

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/resolution_notice.h"

#include <QSettings>
#include <QWidget>
#include <memory>

class WindowSet {
public:
    WindowSet(AppState& state, std::unique_ptr<QSettings> store);
    ~WindowSet();

    std::unique_ptr<TfrmMain> frmMain;
    std::unique_ptr<QWidget> frmPanel;
    std::unique_ptr<QWidget> frmList;
    std::unique_ptr<QWidget> frmGraph;
    std::unique_ptr<TfrmResolu> frmResolu;
};
