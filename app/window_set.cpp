#include "app/window_set.h"

namespace {
// A working window whose content comes with its own part of the program.
std::unique_ptr<QWidget> PlainWindow(const QString& name, const QString& caption, QSize size) {
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window);
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->resize(size);
    return window;
}
} // namespace

WindowSet::WindowSet(AppState& state, std::unique_ptr<QSettings> store)
    : frmMain(std::make_unique<TfrmMain>(state, std::move(store))),
      frmPanel(PlainWindow(QStringLiteral("frmPanel"), QStringLiteral("Panel"), {163, 420})),
      frmList(PlainWindow(QStringLiteral("frmList"), QStringLiteral("Tabular"), {600, 380})),
      frmGraph(
          PlainWindow(QStringLiteral("frmGraph"), QStringLiteral("Real Time Graph"), {532, 407})),
      frmResolu(std::make_unique<TfrmResolu>(state.Settings)) {
    frmMain->SetWorkingWindows(frmPanel.get(), frmGraph.get(), frmList.get());
}

WindowSet::~WindowSet() = default;
