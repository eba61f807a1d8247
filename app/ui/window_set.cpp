#include "app/ui/window_set.h"

#include "app/handler_guard.h"

#include <QGuiApplication>
#include <QScreen>

WindowSet::WindowSet(RecordingSession& session) : session_(session) {
    Form1 = std::make_unique<TForm1>();
    frmMain =
        std::make_unique<TfrmMain>(session, [this] { Digits = std::make_unique<DigitBitmaps>(); });
    frmPanel = std::make_unique<TfrmPanel>(session, *Digits);
    frmList = std::make_unique<TfrmList>(session);
    frmGraph = std::make_unique<TfrmGraph>(session);
    frmResolu = std::make_unique<TfrmResolu>(session);
    frmSetupScale = std::make_unique<TfrmSetupScale>();
    frmLinkTest = std::make_unique<TfrmLinkTest>(session);
    frmGraphList = std::make_unique<TfrmGraphList>(session);
    frmEditTitle = std::make_unique<TfrmEditTitle>();
    frmScope = std::make_unique<TfrmScope>();
    frmPrintProgress = std::make_unique<TfrmPrintProgress>();
    frmOpenProgress = std::make_unique<TfrmOpenProgress>();

    frmList->SetFileDialogs(frmScope.get(), frmPrintProgress.get(), frmOpenProgress.get());
    GraphingProgress = std::make_unique<DialogGraphProgress>(*frmPrintProgress);
    frmGraphList->SetProgress(GraphingProgress.get());
    frmGraphList->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    frmGraph->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    QObject::connect(frmList.get(), &TfrmList::GraphRequested, frmGraphList.get(), [this] {
        RunGuarded([this] { frmGraphList->BuildLogGraph(*frmList->Table); });
    });

    frmMain->SetWorkingWindows(frmPanel.get(), frmGraph.get(), frmList.get());
    frmMain->SetLinkTestWindow(frmLinkTest.get());

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
}

WindowSet::~WindowSet() = default;

void WindowSet::Timer1Timer() {
    TfrmMain::ShowNormal(frmMain.get());
    if (!session_.SettingsReadProblem().isEmpty())
        ShowException(session_.SettingsReadProblem());
    // Settings from runs that never found a meter name no device: opening a port by
    // position then would poll whatever sits there, so such a start searches.
    if (session_.NeedsSearch())
        frmLinkTest->exec();
    else
        session_.Reconnect();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && TfrmResolu::Due(screen->geometry().width(), session_.Settings().ShowReso))
        frmResolu->show();
}
