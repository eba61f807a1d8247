// SPDX-License-Identifier: GPL-3.0-or-later
// The display-resolution notice: when it is due and what OK stores.
#include "app/ui/resolution_notice.h"
#include "support/scratch_settings.h"

#include <QTest>

class TestResolutionNotice : public QObject {
    Q_OBJECT
private slots:
    void Due_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("showReso");
        QTest::addColumn<bool>("due");
        QTest::newRow("800 wide") << 800 << 1 << false;
        QTest::newRow("799 wide") << 799 << 1 << true;
        QTest::newRow("640 wide, turned off") << 640 << 0 << false;
        QTest::newRow("640 wide, other non-zero") << 640 << 7 << true;
    }
    void Due() {
        QFETCH(int, width);
        QFETCH(int, showReso);
        QFETCH(bool, due);
        QCOMPARE(TfrmResolu::Due(width, showReso), due);
    }

    void Ok_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("ticked") << true << 1 << 0;
        QTest::newRow("not ticked") << false << 5 << 1;
    }
    void Ok() {
        QFETCH(bool, ticked);
        QFETCH(int, before);
        QFETCH(int, after);
        ScratchSettings scratch;
        RecordingSession session(scratch.Store(), {});
        session.SetShowReso(before);
        TfrmResolu notice(session);
        notice.show();
        QVERIFY(!notice.cbk1->isChecked());
        if (ticked)
            QTest::mouseClick(notice.cbk1, Qt::LeftButton, {}, notice.cbk1->rect().center());
        QTest::mouseClick(notice.BitBtn1, Qt::LeftButton);
        QCOMPARE(session.Settings().ShowReso, after);
        QVERIFY(notice.isHidden());
    }

    void ClosingLeavesTheSetting() {
        ScratchSettings scratch;
        RecordingSession session(scratch.Store(), {});
        session.SetShowReso(3);
        TfrmResolu notice(session);
        notice.show();
        notice.cbk1->setChecked(true);
        notice.close();
        QCOMPARE(session.Settings().ShowReso, 3);
    }
};

QTEST_MAIN(TestResolutionNotice)
#include "tst_resolution_notice.moc"
