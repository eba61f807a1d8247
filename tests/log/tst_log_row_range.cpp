// SPDX-License-Identifier: GPL-3.0-or-later
// The rows a save or a print covers, from the range dialog's choice.
#include "log/log_row_range.h"

#include <QTest>

Q_DECLARE_METATYPE(LogRowRange::Rule)

class TestLogRowRange : public QObject {
    Q_OBJECT
private slots:
    void resolve_data() {
        QTest::addColumn<LogRowRange::Rule>("rule");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        const auto save = LogRowRange::Rule::Save;
        const auto print = LogRowRange::Rule::Print;
        QTest::newRow("all") << save << true << "x"
                             << "y" << 10 << 1 << 10;
        QTest::newRow("empty table, all") << save << true << "1"
                                          << "1" << 1 << 1 << 1;
        QTest::newRow("5..2 swapped") << save << false << "5"
                                      << "2" << 10 << 2 << 5;
        QTest::newRow("print 5..2") << print << false << "5"
                                    << "2" << 10 << 2 << 5;
        QTest::newRow("save -2..4") << save << false << "-2"
                                    << "4" << 10 << 2 << 4;
        QTest::newRow("save -3..-1") << save << false << "-3"
                                     << "-1" << 10 << 1 << 3;
        QTest::newRow("print -2..4 from row 1") << print << false << "-2"
                                                << "4" << 10 << 1 << 4;
        QTest::newRow("0..3") << save << false << "0"
                              << "3" << 10 << 1 << 3;
        QTest::newRow("print 0..3") << print << false << "0"
                                    << "3" << 10 << 1 << 3;
        QTest::newRow("beyond the end") << save << false << "4"
                                        << "99" << 10 << 4 << 10;
        QTest::newRow("50..60 of 10: nothing") << save << false << "50"
                                               << "60" << 10 << 50 << 10;
        QTest::newRow("print 50..60 of 10") << print << false << "50"
                                            << "60" << 10 << 50 << 10;
        QTest::newRow("spaces around") << save << false << " 2 "
                                       << "3" << 10 << 2 << 3;
        QTest::newRow("most negative") << save << false << "-2147483648"
                                       << "1" << 10 << 1 << 10;
    }
    void resolve() {
        QFETCH(LogRowRange::Rule, rule);
        QFETCH(bool, all);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, lastRow);
        QFETCH(int, first);
        QFETCH(int, last);
        const std::optional<RowRange> range = LogRowRange::Resolve(rule, all, from, to, lastRow);
        QVERIFY(range);
        QCOMPARE(range->From, first);
        QCOMPARE(range->To, last);
        QCOMPARE(range->Count(), std::max(0, last - first + 1));
    }

    void invalidInteger_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("letters") << "a"
                                 << "3";
        QTest::newRow("empty") << "1"
                               << "";
        QTest::newRow("decimal") << "1.5"
                                 << "3";
        QTest::newRow("too large") << "1"
                                   << "99999999999";
    }
    void invalidInteger() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        for (const auto rule : {LogRowRange::Rule::Save, LogRowRange::Rule::Print})
            QVERIFY(!LogRowRange::Resolve(rule, false, from, to, 10));
    }
};

QTEST_GUILESS_MAIN(TestLogRowRange)
#include "tst_log_row_range.moc"
