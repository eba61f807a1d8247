#include "app/window_set.h"

#include "app/delay.h"
#include "app/handler_guard.h"
#include "app/help.h"

#include <QGuiApplication>
#include <QScreen>

WindowSet::WindowSet(AppState& state, std::unique_ptr<QSettings> store) : state_(state) {
    Form1 = std::make_unique<TForm1>();
    frmMain = std::make_unique<TfrmMain>(state, std::move(store),
                                         [this] { Digits = std::make_unique<DigitBitmaps>(); });
    MeterLink& meter = frmMain->Meter;
    Models = std::make_unique<ModelIdentification>(state);
    frmPanel = std::make_unique<TfrmPanel>(state, meter, *Digits);
    frmList = std::make_unique<TfrmList>(state);
    frmGraph = std::make_unique<TfrmGraph>(state);
    frmResolu = std::make_unique<TfrmResolu>(state.Settings);
    frmSetupScale = std::make_unique<TfrmSetupScale>();
    frmLinkTest = std::make_unique<TfrmLinkTest>(state, meter, *frmMain->PortNames, *Models);
    frmGraphList = std::make_unique<TfrmGraphList>(state);
    frmEditTitle = std::make_unique<TfrmEditTitle>();
    frmGraphProgress = std::make_unique<StandInProgressDialog>();

    GraphingProgress = std::make_unique<DialogGraphProgress>(*frmGraphProgress);
    frmGraphList->SetProgress(GraphingProgress.get());
    frmGraphList->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    frmGraph->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    QObject::connect(frmList.get(), &TfrmList::GraphRequested, frmGraphList.get(), [this] {
        RunGuarded([this] { frmGraphList->BuildLogGraph(*frmList->Table); });
    });

    frmMain->SetWorkingWindows(frmPanel.get(), frmGraph.get(), frmList.get());
    frmMain->SetLinkTestWindow(frmLinkTest.get());
    frmMain->SetLiveRangeSource([this] {
        return VerticalRange{frmGraph->ManualMinY(), frmGraph->ManualMaxY()};
    });
    QObject::connect(Models.get(), &ModelIdentification::ModelIdentified, frmPanel.get(),
                     &TfrmPanel::SetupModel);

    // The first frame after the link was down: the buttons show whether recording goes
    // on, and the device that answers is the one to reopen next time.
    QObject::connect(&meter, &MeterLink::ConnectionAnnounced, frmList.get(), [this] {
        ShowRecordingState();
        frmLinkTest->Search().NoteAnsweringPort();
    });

    TfrmLinkTest* linkTest = frmLinkTest.get();
    QObject::connect(linkTest, &TfrmLinkTest::StopHeartbeat, &frmMain->ThTimer1, &QTimer::stop);
    QObject::connect(linkTest, &TfrmLinkTest::StatusText, frmMain->lblComStatus, &QLabel::setText);
    QObject::connect(linkTest, &TfrmLinkTest::StartRecording, linkTest,
                     [this] { StartRecording(); });
    QObject::connect(linkTest, &TfrmLinkTest::RefreshLogHeader, frmList.get(),
                     &TfrmList::InitLogTable);
    QObject::connect(linkTest, &TfrmLinkTest::HelpRequested, linkTest,
                     [](const QString& topic) { OpenHelpTopic(topic); });

    TForm1* tray = Form1.get();
    QObject::connect(tray, &TForm1::MainMenu1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmMain.get()); });
    QObject::connect(tray, &TForm1::Panel1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmPanel.get()); });
    QObject::connect(tray, &TForm1::Graph1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmGraph.get()); });
    QObject::connect(tray, &TForm1::Tabular1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmList.get()); });
    QObject::connect(tray, &TForm1::Exit1Click, frmMain.get(), [this] { frmMain->ShutDown(); });
    QObject::connect(frmMain.get(), &TfrmMain::TrayIconRemovalDue, tray, &TForm1::RemoveIcon);
    QObject::connect(tray, &TForm1::Timer1Timer, tray,
                     [this] { RunGuarded([this] { Timer1Timer(); }); });

    Heartbeat::Targets targets;
    targets.GraphNextPoint = [this] { return frmGraph->NextPoint(); };
    targets.AddPoint = [this](bool mainOverload, bool subOverload, float mainValue, double now,
                              float subValue) {
        frmGraph->AddPoint(mainOverload, subOverload, mainValue, now, subValue);
    };
    targets.LogRow1Empty = [this] { return frmList->Row1Empty(); };
    targets.AppendLogRow = [this](double now) { frmList->AppendLogRow(now); };
    targets.LinkLost = [this] { LinkLost(); };
    Beat = std::make_unique<Heartbeat>(state, meter.Comm1, targets);
    frmMain->ThTimer1.setTimerType(Qt::PreciseTimer);
    frmMain->ThTimer1.setInterval(Heartbeat::InitialInterval);
    QObject::connect(&frmMain->ThTimer1, &QTimer::timeout, frmMain.get(),
                     [this] { RunGuarded([this] { ThTimer1Timer(); }); });
}

WindowSet::~WindowSet() = default;

void WindowSet::ThTimer1Timer() {
    QTimer& timer = frmMain->ThTimer1;
    timer.setInterval(Beat->Tick(timer.interval()));
}

void WindowSet::LinkLost() {
    frmMain->lblComStatus->setText(QStringLiteral("No Connection"));
    // Recording resumes by itself when frames return, so the buttons keep showing it.
    ShowRecordingState();
    frmPanel->ShowNoLink(true);
}

void WindowSet::ShowRecordingState() {
    if (state_.Recording.ListRunning)
        frmList->ShowRunning();
    else
        frmList->ShowPaused();
    if (state_.Recording.GraphRunning)
        frmGraph->ShowRunning();
    else
        frmGraph->ShowPaused();
}

void WindowSet::StartRecording() {
    frmMain->ThTimer1.start();
    frmPanel->ShowNoLink(!state_.Link.MeterConnected);
    frmGraph->InitLiveGraph();
    state_.Recording.GraphRunning = true;
    state_.Recording.ListRunning = true;
    frmList->ShowRunning();
    frmGraph->ShowRunning();
}

void WindowSet::Timer1Timer() {
    TfrmMain::ShowNormal(frmMain.get());
    if (!frmMain->SettingsReadProblem().isEmpty())
        ShowException(frmMain->SettingsReadProblem());
    // Settings from runs that never found a meter name no device: opening a port by
    // position then would poll whatever sits there, so such a start searches.
    const SettingsVars& settings = state_.Settings;
    if (settings.SettingsMissing || settings.LastConnectedDevice.isEmpty()) {
        frmLinkTest->exec();
    } else {
        DelayWithMessages(400);
        try {
            frmMain->Meter.Comm1.SetActive(false);
        } catch (...) {
        }
        state_.Link.MeterConnected = false;
        Models->ApplyLastModel();
        frmList->InitLogTable();
        frmMain->lblComStatus->setText(QStringLiteral("No Connection"));
        frmGraph->InitLiveGraph();
        state_.Recording.ListRunning = false;
        state_.Recording.GraphRunning = false;
        frmList->ShowPaused();
        frmGraph->ShowPaused();
        // Without the last port the heartbeat stays off until the user runs a search.
        if (frmLinkTest->Search().ReopenLastPort())
            frmMain->ThTimer1.start();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && TfrmResolu::Due(screen->geometry().width(), state_.Settings.ShowReso))
        frmResolu->show();
}
