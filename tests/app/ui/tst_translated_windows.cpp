// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in German, whose texts run longer than the English: each window is
// wide enough for its title, no caption or button text is cut, the main menu's
// hover texts fit where the English ones do, and the pictures' drawn captions are
// German too.
#include "app/ui/hot_image.h"
#include "app/ui/window_set.h"
#include "base/translations.h"
#include "base/ui/svg_captions.h"
#include "base/ui/title_fit.h"
#include "support/scratch_settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QTest>

namespace {
QString Describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
             widget->property("text").toString());
}

// Texts shown whole: a label or a button narrower than its text shows it cut.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            if (!fits)
                cut << Describe(label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
                cut << Describe(button);
        }
    }
    return cut;
}
} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
    std::unique_ptr<RecordingSession> session_;
    std::unique_ptr<WindowSet> w_;

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(brackwater);
        QCOMPARE(InstallTranslations(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
        session_ = std::make_unique<RecordingSession>(settings_.Store(), QStringList{});
        w_ = std::make_unique<WindowSet>(*session_);
        w_->Form1->Timer1.stop();
    }
    void cleanupTestCase() {
        w_.reset();
        session_.reset();
        InstallTranslations(QLocale(QStringLiteral("en")));
    }

    // Windows laid out by Qt: wide enough for their German title and every text whole.
    void windowsFitTheirTexts_data() {
        QTest::addColumn<QWidget*>("window");
        QTest::newRow("log") << static_cast<QWidget*>(w_->frmList.get());
        QTest::newRow("live graph") << static_cast<QWidget*>(w_->frmGraph.get());
        QTest::newRow("log graph") << static_cast<QWidget*>(w_->frmGraphList.get());
        QTest::newRow("link test") << static_cast<QWidget*>(w_->frmLinkTest.get());
        QTest::newRow("alarms") << static_cast<QWidget*>(w_->frmAlarms.get());
        QTest::newRow("range") << static_cast<QWidget*>(w_->frmScope.get());
        QTest::newRow("title") << static_cast<QWidget*>(w_->frmEditTitle.get());
        QTest::newRow("scale") << static_cast<QWidget*>(w_->frmSetupScale.get());
        QTest::newRow("resolution notice") << static_cast<QWidget*>(w_->frmResolu.get());
        QTest::newRow("progress") << static_cast<QWidget*>(w_->frmPrintProgress.get());
        QTest::newRow("open progress") << static_cast<QWidget*>(w_->frmOpenProgress.get());
    }
    void windowsFitTheirTexts() {
        QFETCH(QWidget*, window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int width = window->width();
        const QStringList cut = CutTexts(window);
        window->hide();
        QVERIFY2(width >= TitleWidth(window), qPrintable(QStringLiteral("%1: %2 < %3")
                                                             .arg(window->windowTitle())
                                                             .arg(width)
                                                             .arg(TitleWidth(window))));
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("cut: ") + cut.join(u", ")));
    }

    // The main menu is a picture of fixed size: each German hover text fits its status
    // field wherever the widest English one does.
    void mainMenuHintsFit() {
        TfrmMain* menu = w_->frmMain.get();
        const QList<HotImage*> images = menu->findChildren<HotImage*>();
        QVERIFY(images.size() >= 7);
        QLabel* field = nullptr;
        for (QLabel* label : menu->findChildren<QLabel*>())
            if (label->parentWidget() && label->parentWidget()->inherits("QStatusBar"))
                field = label;
        QVERIFY(field);
        const QFontMetrics metrics(field->font());
        const std::initializer_list<const char*> english = {"Open Control Window",
                                                            "Open Graph Window",
                                                            "Open Tabular Window",
                                                            "Test linking with THERMOMETER",
                                                            "On Line Help Information",
                                                            "Exit BRACKWATER",
                                                            "auto arrange Panel,Graph,Tabular"};
        int room = field->width();
        for (const char* text : english)
            room = std::max(room, metrics.horizontalAdvance(QLatin1String(text)));
        for (HotImage* image : images) {
            QVERIFY2(!image->Hint().isEmpty(), qPrintable(image->objectName()));
            QVERIFY2(metrics.horizontalAdvance(image->Hint()) <= room, qPrintable(image->Hint()));
        }
        // The hints are German indeed.
        QVERIFY(std::none_of(images.begin(), images.end(), [&](HotImage* image) {
            return std::find(english.begin(), english.end(), image->Hint()) != english.end();
        }));
    }

    // Captions drawn in a picture come in the user's language, never in a larger type,
    // and in a smaller one where their room is small.
    void pictureCaptionsAreTranslated() {
        const QByteArray german =
            SvgWithCaptions(QStringLiteral(":/main_menu.svg"), "TfrmMain",
                            {{"Graph"}, {"Control Panel"}, {"Link Test", 40}});
        QVERIFY(!german.isEmpty());
        QVERIFY(!german.contains(">Link Test<"));
        const QString shown = QCoreApplication::translate("TfrmMain", "Link Test");
        QVERIFY(shown != QLatin1String("Link Test"));
        const int at = german.indexOf(">" + shown.toUtf8() + "<");
        QVERIFY(at > 0);
        const QByteArray element = german.mid(german.lastIndexOf("<text", at), at);
        const qsizetype size = element.indexOf("font-size=\"") + 11;
        QVERIFY(element.mid(size, element.indexOf('"', size) - size).toDouble() < 11.0);
        // Texts that are no caption stay as drawn.
        QVERIFY(german.contains(">REL<"));
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translated_windows.moc"
