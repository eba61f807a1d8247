// SPDX-License-Identifier: GPL-3.0-or-later
// The title and range dialogs in both graph windows, driven as a user would: each
// dialog opens filled from its chart; the live range takes fractions in the order
// entered and shows them cut the next time, the log range takes whole numbers and
// swaps reversed ones, an entry that is not a number is a warning, Cancel changes nothing, and
// the live graph's set-up puts the start-up range back. Both windows show their
// menus and tools in their own order around what they share.

#include "answer_dialog.h"
#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "graph/ui/edit_title_dialog.h"
#include "graph/ui/graph_menus.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "graph/ui/setup_scale_dialog.h"
#include "log/log_table.h"
#include "support/scratch_settings.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

namespace {
struct Windows {
    ScratchSettings settings;
    std::unique_ptr<RecordingSession> session = settings.Session(303, RangeSettings(-10, 300));
    const AppState& state = session->State();
    TfrmSetupScale scale;
    TfrmEditTitle title;
    std::unique_ptr<TfrmGraph> live;
    std::unique_ptr<TfrmGraphList> log;
    QStringList errors;
    ExceptionDisplay previous;
    MessageDisplay previousMessages;

    Windows() {
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        live = std::make_unique<TfrmGraph>(*session);
        log = std::make_unique<TfrmGraphList>(*session);
        live->SetDialogs(&title, &scale);
        log->SetDialogs(&title, &scale);
        session->InitLiveGraph();
        session->Log().AppendLogRow({46362.5, state.Reading}, state.Settings.LogDateFormat);
        BuildLog();
        previous = SetExceptionDisplay([this](const QString& m) { errors << m; });
        // Only input mistakes are expected here, each a warning.
        previousMessages = SetMessageDisplay([this](QWidget*, MessageKind kind, const QString& m) {
            errors << (kind == MessageKind::Warning ? m : QStringLiteral("not a warning: ") + m);
        });
    }
    ~Windows() {
        SetExceptionDisplay(previous);
        SetMessageDisplay(previousMessages);
    }

    void BuildLog() {
        QSignalSpy built(log.get(), &TfrmGraphList::GraphBuilt);
        log->BuildLogGraph();
        QVERIFY(built.wait(10000));
    }

    void SetRange(QAction* action, const QString& max, const QString& min, bool ok = true) {
        AnswerDialog<TfrmSetupScale>(
            scale,
            [max, min](TfrmSetupScale& d) {
                d.edtMaxScale->setText(max);
                d.edtMinScale->setText(min);
            },
            ok);
        action->trigger();
    }
    QStringList Shown(QAction* action) {
        QStringList shown;
        AnswerDialog<TfrmSetupScale>(
            scale,
            [&shown](TfrmSetupScale& d) {
                shown << d.edtMaxScale->text() << d.edtMinScale->text();
            },
            false);
        action->trigger();
        return shown;
    }
};
} // namespace

class GraphOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void liveRange() {
        Windows w;
        PlotChart& chart = *w.live->PlotChart1;
        QCOMPARE(w.Shown(w.live->mnuRange), (QStringList{"300", "-10"}));
        w.SetRange(w.live->mnuRange, QStringLiteral("99.7"), QStringLiteral("120.5"));
        // Fractions and the order as entered.
        QCOMPARE(w.live->PlotChart1->ManualMaxY(), 99.7);
        QCOMPARE(w.live->PlotChart1->ManualMinY(), 120.5);
        QCOMPARE(chart.ShownMaxY(), 120.5);
        QCOMPARE(w.Shown(w.live->mnuRange), (QStringList{"99", "120"}));
        w.SetRange(w.live->mnuRange, QStringLiteral("50"), QStringLiteral("50"));
        QCOMPARE(w.live->PlotChart1->ManualMinY(), 50.0);
        QVERIFY(w.errors.isEmpty());

        // A failing minimum: the maximum is taken, the minimum kept, nothing redrawn.
        w.SetRange(w.live->mnuRange, QStringLiteral("80"), QStringLiteral("abc"));
        QCOMPARE(w.errors.size(), 1);
        QVERIFY(w.errors.front().startsWith(QStringLiteral("The minimum \"abc\"")));
        QCOMPARE(w.live->PlotChart1->ManualMaxY(), 80.0);
        QCOMPARE(w.live->PlotChart1->ManualMinY(), 50.0);
        QVERIFY(chart.ShownMaxY() < 60);

        // Cancel changes nothing; the set-up of a search brings the start-up range back.
        w.SetRange(w.live->mnuRange, QStringLiteral("1"), QStringLiteral("0"), false);
        QCOMPARE(w.live->PlotChart1->ManualMaxY(), 80.0);
        w.session->InitLiveGraph();
        QCOMPARE(w.live->PlotChart1->ManualMaxY(), 300.0);
        QCOMPARE(w.live->PlotChart1->ManualMinY(), -10.0);
        QCOMPARE(w.state.Settings.MaxScale, 300);
    }

    void logRange() {
        Windows w;
        PlotChart& chart = *w.log->PlotChart1;
        QCOMPARE(w.Shown(w.log->mnuRange), (QStringList{"300", "-10"}));
        w.SetRange(w.log->mnuRange, QStringLiteral("100"), QStringLiteral("500"));
        QCOMPARE(chart.ManualMinY(), 100.0);
        QCOMPARE(chart.ManualMaxY(), 500.0);
        QCOMPARE(chart.ShownMinY(), 100.0);
        QCOMPARE(w.Shown(w.log->mnuRange), (QStringList{"500", "100"}));

        // A fraction fails with the message, and nothing changes.
        w.SetRange(w.log->mnuRange, QStringLiteral("12.5"), QStringLiteral("0"));
        QCOMPARE(w.errors.size(), 1);
        QVERIFY(w.errors.front().startsWith(QStringLiteral("The maximum \"12.5\"")));
        QCOMPARE(chart.ManualMaxY(), 500.0);
        QCOMPARE(chart.ManualMinY(), 100.0);

        w.SetRange(w.log->mnuRange, QStringLiteral("250"), QStringLiteral("250"));
        QCOMPARE(chart.ManualMinY(), 250.0);
        QCOMPARE(chart.ManualMaxY(), 250.0);
        // The log graph's range is its own: the live graph and the settings keep theirs.
        QCOMPARE(w.live->PlotChart1->ManualMaxY(), 300.0);
        QCOMPARE(w.state.Settings.MaxScale, 300);
    }

    void menusAndTools_data() {
        QTest::addColumn<bool>("live");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("tools"); // the buttons' hints
        QTest::newRow("live") << true << QStringList{"&Print", "&Option",       "&Range",
                                                     "&Title", "&Alarms\u2026", "&Help"}
                              << QStringList{"&Line", "&Mark Data"}
                              << QStringList{"Print", "clear and reset graph", "Pause", "Run",
                                             "HELP"};
        QTest::newRow("log") << false << QStringList{"&Print", "&Option", "&Undo Zoom",
                                                     "&Range", "&Title",  "&Help"}
                             << QStringList{"&Line", "&Mark Data", "Mea&sure Between Two Points"}
                             << QStringList{"Print", "Clear Graph", "HELP"};
    }
    void menusAndTools() {
        QFETCH(bool, live);
        QFETCH(QStringList, menus);
        QFETCH(QStringList, options);
        QFETCH(QStringList, tools);
        Windows w;
        GraphWindow& window = live ? static_cast<GraphWindow&>(*w.live) : *w.log;
        QStringList shownMenus;
        for (QAction* action : window.menuBar()->actions())
            shownMenus << action->text();
        QCOMPARE(shownMenus, menus);
        QStringList shownOptions;
        for (QAction* action : window.Menus->OptionMenu->actions())
            shownOptions << action->text();
        QCOMPARE(shownOptions, options);
        QStringList shownTools;
        for (QAction* action : window.findChild<QToolBar*>()->actions())
            if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action))
                shownTools << action->toolTip();
        QCOMPARE(shownTools, tools);
        // The title entry is the window's own, under its own name.
        QAction* title = live ? w.live->mnutitle : w.log->mnuTitle;
        QCOMPARE(title->text(), QStringLiteral("&Title"));
        QVERIFY(window.menuBar()->actions().contains(title));
    }

    void titles() {
        Windows w;
        for (PlotChart* chart : {w.live->PlotChart1, w.log->PlotChart1}) {
            QAction* action = chart == w.live->PlotChart1 ? w.live->mnutitle : w.log->mnuTitle;
            const QString main = chart->MainTitle();
            QStringList shown;
            AnswerDialog<TfrmEditTitle>(
                w.title,
                [&shown](TfrmEditTitle& d) {
                    shown << d.edtMainTitle->text() << d.edtSubTitle->text();
                    d.edtMainTitle->setText(QStringLiteral("Kiln run"));
                },
                false);
            action->trigger();
            QCOMPARE(shown, (QStringList{main, chart->SubTitle()}));
            QCOMPARE(chart->MainTitle(), main);

            AnswerDialog<TfrmEditTitle>(w.title, [](TfrmEditTitle& d) {
                d.edtMainTitle->setText(QStringLiteral("Kiln run"));
                d.edtSubTitle->clear();
            });
            action->trigger();
            QCOMPARE(chart->MainTitle(), QStringLiteral("Kiln run"));
            QCOMPARE(chart->SubTitle(), QString());
        }
        // Each build sets its titles anew.
        w.BuildLog();
        QCOMPARE(w.log->PlotChart1->MainTitle(), QStringLiteral("Data Graph"));
    }
};

QTEST_MAIN(GraphOptionsTest)
#include "tst_graph_options.moc"
