// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on any screen and desktop: pictures drawn in the screen's own pixels
// at a pixel ratio of 2 (not enlarged), and every text the program colours itself
// readable (contrast 4.5 or more) on what actually lies behind it, under a light
// and a dark desktop palette.
#include "app/ui/svg_picture.h"
#include "app/ui/window_set.h"
#include "base/day_count.h"
#include "base/ui/text_contrast.h"
#include "graph/ui/plot_chart.h"
#include "meter_emulator.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTest>
#include <qcustomplot.h>

namespace {
QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(49, 54, 59));
    p.setColor(QPalette::WindowText, QColor(239, 240, 241));
    p.setColor(QPalette::Base, QColor(35, 38, 41));
    p.setColor(QPalette::AlternateBase, QColor(49, 54, 59));
    p.setColor(QPalette::Text, QColor(239, 240, 241));
    p.setColor(QPalette::Button, QColor(49, 54, 59));
    p.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    p.setColor(QPalette::Highlight, QColor(61, 174, 233));
    p.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    p.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    p.setColor(QPalette::ToolTipText, QColor(239, 240, 241));
    return p;
}

// The least contrast between the pixels of a picture and a text colour.
double LeastContrast(const QImage& behind, const QColor& text) {
    double least = 21;
    for (int y = 0; y < behind.height(); ++y)
        for (int x = 0; x < behind.width(); ++x)
            least = std::min(least, ContrastRatio(behind.pixelColor(x, y), text));
    return least;
}

// What lies behind a label's text (its window drawn with the text taken away,
// inside the label's frame) against the colour it gives its text.
double LabelContrast(QLabel* label) {
    label->ensurePolished();
    const QColor text = label->palette().color(label->foregroundRole());
    const QString saved = label->text();
    label->setText(QString());
    const QRect inside =
        label->contentsRect().translated(label->mapTo(label->window(), QPoint(0, 0)));
    const QImage behind = label->window()->grab(inside).toImage();
    label->setText(saved);
    return LeastContrast(behind, text);
}
} // namespace

class TestScreenLooks : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(brackwater);
        // The same style under either palette, as a desktop's would be.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void contrastRule() {
        QVERIFY(qAbs(ContrastRatio(Qt::white, Qt::black) - 21.0) < 1e-9);
        QVERIFY(qAbs(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
        const QColor kept(0xd0, 0, 0);
        QCOMPARE(ReadableOn(kept, QColor(0xef, 0xef, 0xef)), kept);
        // The same hue, darker on white and lighter on a dark window, just readable.
        for (const auto& [color, background] : {std::pair{QColor(Qt::red), QColor(Qt::white)},
                                                std::pair{QColor(Qt::blue), QColor(49, 54, 59)}}) {
            const QColor readable = ReadableOn(color, background);
            QVERIFY(ContrastRatio(readable, background) >= ReadableContrast);
            QVERIFY(ContrastRatio(readable, background) < ReadableContrast + 0.2);
            QCOMPARE(readable.hslHue(), color.hslHue());
        }
    }

    void picturesInDevicePixels() {
        const DigitBitmaps single(1.0);
        const DigitBitmaps twice(2.0);
        for (size_t i = 0; i < twice.MainDigitBitmaps.size(); ++i) {
            QCOMPARE(twice.MainDigitBitmaps[i].devicePixelRatio(), 2.0);
            QCOMPARE(twice.MainDigitBitmaps[i].size(), single.MainDigitBitmaps[i].size() * 2);
        }
        QCOMPARE(twice.SubDigitBitmaps[0].size(), single.SubDigitBitmaps[0].size() * 2);
        // At one and a half no edge is cut: the picture covers its whole size.
        const QPixmap face = LoadPicture(QStringLiteral(":/panel/meter_front.svg"), 1.0);
        const QPixmap faceAtOneAndAHalf =
            LoadPicture(QStringLiteral(":/panel/meter_front.svg"), 1.5);
        QVERIFY(faceAtOneAndAHalf.width() >= face.width() * 1.5);
        QVERIFY(faceAtOneAndAHalf.height() >= face.height() * 1.5);

        QWidget window;
        SvgPicture menu(QStringLiteral("Image1"), QStringLiteral(":/main_menu.svg"),
                        QRect(0, 0, 600, 400), &window);
        const QPixmap menuPicture = menu.Render(2.0);
        QCOMPARE(menuPicture.size(), QSize(1200, 800));
        QCOMPARE(menuPicture.devicePixelRatio(), 2.0);

        // The tray's alarm icon, mark included, at the tray's density.
        TForm1 tray;
        tray.Timer1.stop();
        tray.ShowAlarm(QStringLiteral("ALARM"));
        const QPixmap icon = tray.Icon().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.devicePixelRatio(), 2.0);
        const QColor mark = icon.toImage().pixelColor(52, 52);
        QVERIFY2(mark.red() > 180 && mark.green() < 60, qPrintable(mark.name()));
    }

    void colouredTextsReadable_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }
    void colouredTextsReadable() {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());

        double now = CurrentDayCount();
        int64_t ms = 0;
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        meter.SetDrift(false);
        meter.SetTemperature(0, 25.0);
        RecordingSession session(settings_.Store(CompleteSettings(301, "/dev/none")),
                                 QStringList{meter.DevicePath()},
                                 Heartbeat::Clock{[&] { return now; }, [&] { return ms; }});
        WindowSet w(session);
        w.Form1->Timer1.stop();
        session.Search().SetDelays({0, 0, 150, 0});
        QVERIFY(SearchToEnd(session).value_or(PortSearch::Result{}).Found);
        session.ThTimer1.stop(); // ticked by hand

        QVERIFY(!w.frmMain->lblComStatus->text().isEmpty());
        QLabel* version = w.frmMain->Label1;
        QLabel* noLink = w.frmPanel->findChild<QLabel*>(QStringLiteral("lblnolink"));
        QLabel* channel = w.frmPanel->findChild<QLabel*>(QStringLiteral("lblt1"));
        QLabel* searching = w.frmLinkTest->lblSearch;
        QLabel* linkTitle = nullptr;
        for (QLabel* label : w.frmLinkTest->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Link Test"))
                linkTitle = label;
        QVERIFY(noLink && channel && linkTitle);
        w.frmPanel->ShowNoLink(true);
        searching->show();
        w.frmLinkTest->layout()->activate();
        for (QLabel* label :
             {w.frmMain->lblComStatus, version, noLink, channel, searching, linkTitle}) {
            const double contrast = LabelContrast(label);
            QVERIFY2(contrast >= ReadableContrast,
                     qPrintable(QStringLiteral("%1: %2").arg(label->text()).arg(contrast)));
        }

        // An alarm: the status line, the dialog's state and the graph's limits.
        AlarmRules rules;
        rules.Channel[0].High = 20;
        rules.Channel[1].Low = 60; // drawn in the second display's red
        rules.Unit = QStringLiteral("C");
        session.SetAlarmRules(rules);
        for (int second = 0; second < 10 && session.Alarms().Active().empty(); ++second) {
            now += 1.0 / 86400.0;
            ms += 1000;
            session.ThTimer1Timer();
            QVERIFY(QTest::qWaitFor([&] { return session.State().Link.FrameSeen; }, 10000));
        }
        QVERIFY(!session.Alarms().Active().empty());
        w.frmAlarms->ShowRules();
        for (QLabel* label : {w.frmMain->lblComStatus, w.frmAlarms->lblState}) {
            QVERIFY(label->text().startsWith(QStringLiteral("ALARM")));
            const double contrast = LabelContrast(label);
            QVERIFY2(contrast >= ReadableContrast,
                     qPrintable(QStringLiteral("%1: %2").arg(label->objectName()).arg(contrast)));
        }
        w.frmAlarms->hide();

        QCustomPlot* plot = w.frmGraph->PlotChart1->findChild<QCustomPlot*>();
        w.frmGraph->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frmGraph.get()));
        // Behind a limit's text: the plot and the alarm's shaded span, without the
        // lines and ticks that only pass there.
        QList<QCPItemText*> limits;
        for (int i = 0; i < plot->itemCount(); ++i) {
            if (auto* text = qobject_cast<QCPItemText*>(plot->item(i)))
                limits << text;
            if (!qobject_cast<QCPItemRect*>(plot->item(i)))
                plot->item(i)->setVisible(false);
        }
        plot->layer(QStringLiteral("series"))->setVisible(false);
        for (QCPAxis* axis : plot->axisRect()->axes())
            axis->setVisible(false);
        plot->yAxis->setRange(0, 100); // the limit in view
        plot->replot();
        const QImage behind = plot->toPixmap(plot->width(), plot->height(), 1.0).toImage();
        QCOMPARE(limits.size(), 2);
        for (QCPItemText* limit : limits) {
            const QRect at =
                QRectF(limit->topLeft->pixelPosition(), limit->bottomRight->pixelPosition())
                    .toAlignedRect();
            QVERIFY(behind.rect().contains(at));
            const double contrast = LeastContrast(behind.copy(at), limit->color());
            QVERIFY2(contrast >= ReadableContrast,
                     qPrintable(QStringLiteral("%1: %2").arg(limit->text()).arg(contrast)));
        }
        QApplication::setPalette(before);
    }
};

QTEST_MAIN(TestScreenLooks)
#include "tst_screen_looks.moc"
