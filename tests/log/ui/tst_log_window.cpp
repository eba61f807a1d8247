// SPDX-License-Identifier: GPL-3.0-or-later
// The log window's wiring: set-up, the rate entry as typed, Run, Pause and Clear,
// the actions that are not there yet, and the newest row kept in view.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_window.h"
#include "support/scratch_settings.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class LogWindowTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void initLogTable_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("entry");
        QTest::newRow("0 becomes 2") << 0 << 2 << "  00 : 02  ";
        QTest::newRow("10 s") << 10 << 10 << "  00 : 10  ";
        QTest::newRow("3660 s reads back as 3600") << 3660 << 3600 << "  60 : 00  ";
    }
    void initLogTable() {
        QFETCH(int, stored);
        QFETCH(int, rate);
        QFETCH(QString, entry);
        auto session = settings_.Session();
        session->SetListingRate(stored);
        TfrmList list(*session);
        QVERIFY(list.Table->Cell(0, 1).isEmpty());
        list.InitLogTable();
        QCOMPARE(session->Settings().ListingRate, rate);
        QCOMPARE(list.MaskEdit1->displayText(), entry);
        QCOMPARE(list.Table->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("TIME"));
        // Every column holds its widest text, and at the window's own size all nine
        // show without scrolling sideways, on a 1024-pixel screen beside the panel.
        for (int c = 1; c < LogTable::ColumnCount; ++c)
            for (const QString& text : list.WidestTexts(c))
                QVERIFY2(list.Grid1->columnWidth(c) >=
                             QFontMetrics(list.Grid1->font()).horizontalAdvance(text),
                         qPrintable(text));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.Grid1->horizontalScrollBar()->maximum(), 0);
        QVERIFY(list.frameGeometry().width() <= 1024 - 163);
        QVERIFY(list.Grid1->isColumnHidden(0)); // the row numbers show in the fixed column
    }

    void rateEntryTyped_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("rate");
        QTest::newRow("75 minutes") << 2 << "75"
                                    << "  60 : 02  " << 3602;
        QTest::newRow("99 seconds") << 7 << "99"
                                    << "  00 : 60  " << 60;
        QTest::newRow("1 min 30 s") << 2 << "0130"
                                    << "  01 : 30  " << 90;
        QTest::newRow("0 accepted") << 7 << "00"
                                    << "  00 : 00  " << 0;
    }
    void rateEntryTyped() {
        QFETCH(int, position);
        QFETCH(QString, typed);
        QFETCH(QString, entry);
        QFETCH(int, rate);
        auto session = settings_.Session();
        TfrmList list(*session);
        list.InitLogTable();
        list.MaskEdit1->setCursorPosition(position);
        QTest::keyClicks(list.MaskEdit1, typed);
        QCOMPARE(list.MaskEdit1->displayText(), entry);
        QCOMPARE(session->Settings().ListingRate, rate);
    }

    void runPauseAndClear() {
        auto session = settings_.Session();
        TfrmList list(*session);
        const auto& recording = session->State().Recording;
        QVERIFY(!list.btnPause->isEnabled());
        QVERIFY(list.btnRun->isEnabled());
        list.btnRun->trigger();
        QVERIFY(recording.ListRunning);
        QVERIFY(list.btnPause->isEnabled() && !list.btnRun->isEnabled());
        list.mnuPause->trigger();
        QVERIFY(!recording.ListRunning);
        QVERIFY(!list.btnPause->isEnabled() && list.btnRun->isEnabled());
        QVERIFY(list.Run1->isEnabled() && list.mnuPause->isEnabled());
        list.Run1->trigger();
        QVERIFY(recording.ListRunning);
        QVERIFY(list.btnPause->isEnabled() && !list.btnRun->isEnabled());

        IdentifyModel(*session, 301);
        QVERIFY(list.Row1Empty());
        session->AppendLogRow(CurrentDayCount());
        session->AppendLogRow(CurrentDayCount());
        QVERIFY(!list.Row1Empty());
        QCOMPARE(list.Table->RowCount(), 3);
        list.btnClear->trigger();
        QVERIFY(list.Row1Empty());
        QCOMPARE(list.Table->RowCount(), 2);
        QVERIFY(recording.ListRunning);
    }

    void pendingActionsAreDisabled() {
        auto session = settings_.Session();
        TfrmList list(*session);
        for (QAction* action : {list.btnOpen, list.btnSave, list.btnPrint, list.mnuOpen,
                                list.mnuSave, list.SaveAs1, list.mnuPrint, list.mnuExportCsv})
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        // Both graph actions ask for the log graph.
        QSignalSpy graph(&list, &TfrmList::GraphRequested);
        list.btnToGraph->trigger();
        list.mnuToGraph->trigger();
        QCOMPARE(graph.size(), 2);
        QCOMPARE(list.btnSave->toolTip(), QStringLiteral("Save to File"));
        QCOMPARE(list.mnuSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    }

    void newestRowInView() {
        auto session = settings_.Session(303);
        TfrmList list(*session);
        list.InitLogTable();
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const double t0 = CurrentDayCount();
        for (int i = 0; i < 300; ++i)
            session->AppendLogRow(t0 + i / 86400.0);
        QCoreApplication::processEvents();
        const QModelIndex last = list.Table->index(299, 1);
        const QRect newest = list.Grid1->visualRect(last);
        QVERIFY(list.Grid1->viewport()->rect().contains(newest));
        // Its number stands beside it.
        const QHeaderView* numbers = list.Grid1->verticalHeader();
        QCOMPARE(numbers->model()
                     ->headerData(numbers->logicalIndexAt(newest.center().y()), Qt::Vertical)
                     .toString(),
                 QStringLiteral("300"));
    }
};

QTEST_MAIN(LogWindowTest)
#include "tst_log_window.moc"
