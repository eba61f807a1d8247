// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the program's windows: every control that takes
// the focus has a name, entries are named by their captions, the main menu is a
// window whose pictures are buttons, and its status line is named by its text.
#include "app/ui/hot_image.h"
#include "app/ui/window_set.h"
#include "base/ui/message_box.h"
#include "recording/ui/recording_controls.h"
#include "support/scratch_settings.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
QString Describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
}

QString Name(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
    std::unique_ptr<RecordingSession> session_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<QMessageBox> box_;

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(brackwater);
        session_ = std::make_unique<RecordingSession>(settings_.Store(), QStringList{});
        windows_ = std::make_unique<WindowSet>(*session_);
        windows_->Form1->Timer1.stop();
        box_ = NewMessageBox(nullptr, MessageKind::Question, QStringLiteral("Save?"),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }

    // Every window and dialog, shown or not: each widget that can take the focus,
    // enabled or not, has a name. Those whose focus goes to another are left to it.
    void everyControlHasAName_data() {
        QTest::addColumn<QWidget*>("window");
        QMap<QString, QWidget*> windows; // in order, each name once
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QString name = Describe(window);
            for (int n = 2; windows.contains(name); ++n)
                name = QStringLiteral("%1 %2").arg(Describe(window)).arg(n);
            windows.insert(name, window);
        }
        for (auto it = windows.cbegin(); it != windows.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.value();
    }
    void everyControlHasAName() {
        QFETCH(QWidget*, window);
        QStringList unnamed;
        for (QWidget* widget : QList<QWidget*>{window} + window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
                continue;
            const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << Describe(widget);
        }
        const QByteArray message = QStringLiteral("unnamed: %1").arg(unnamed.join(u", ")).toUtf8();
        QVERIFY2(unnamed.isEmpty(), message.constData());
    }

    // Entries are named as their captions read: the rate entry of the log and of the
    // live graph, and each of the alarms' limits by its row and column.
    void entriesAreNamedByTheirCaptions() {
        for (RecordingControls* controls :
             {windows_->frmList->Controls, windows_->frmGraph->Controls})
            QCOMPARE(Name(controls->MaskEdit1), QStringLiteral("Sampling Rate"));
        const TfrmAlarms& alarms = *windows_->frmAlarms;
        for (int c = 0; c < AlarmRules::Channels; ++c) {
            const TfrmAlarms::ChannelRow& row = alarms.Rows[size_t(c)];
            const QString display =
                c == 0 ? QStringLiteral("Main display") : QStringLiteral("Second display");
            QCOMPARE(Name(row.LowOn), display + QStringLiteral(" low limit"));
            QCOMPARE(Name(row.Low), display + QStringLiteral(" low limit"));
            QCOMPARE(Name(row.HighOn), display + QStringLiteral(" high limit"));
            QCOMPARE(Name(row.High), display + QStringLiteral(" high limit"));
            QCOMPARE(Name(row.Delay), display + QStringLiteral(" delay"));
            QCOMPARE(Name(row.Hysteresis), display + QStringLiteral(" clears back inside by"));
        }
        // A list's name is its choice; its caption is the label it is labelled by.
        QStringList unitLabels;
        for (const auto& [label, relation] :
             QAccessible::queryAccessibleInterface(alarms.cboUnit)->relations(QAccessible::Label))
            unitLabels << label->text(QAccessible::Name);
        QVERIFY2(unitLabels.contains(QStringLiteral("Degrees in")),
                 qPrintable(unitLabels.join(u", ")));
        QCOMPARE(Name(alarms.edtNoReading), QStringLiteral("Alarm when no reading comes for"));
    }

    // The main menu is a window; its pictures are buttons named by their hover
    // texts, and their press action clicks them.
    void mainMenuIsAWindowOfButtons() {
        TfrmMain* menu = windows_->frmMain.get();
        QCOMPARE(QAccessible::queryAccessibleInterface(menu)->role(), QAccessible::Window);
        const QList<HotImage*> pictures = menu->findChildren<HotImage*>();
        QCOMPARE(pictures.size(), 7);
        for (HotImage* picture : pictures) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picture);
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), picture->Hint());
            QVERIFY(iface->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        // Pressed without its window's work behind it.
        HotImage* picture = pictures.front();
        QObject::disconnect(picture, &HotImage::Clicked, menu, nullptr);
        QSignalSpy clicked(picture, &HotImage::Clicked);
        QAccessible::queryAccessibleInterface(picture)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.size(), 1);
    }

    // The status line is a status bar whose name is its text: the label tells a new
    // text as a change of name, which screen readers read out.
    void statusLineIsNamedByItsText() {
        QLabel* line = windows_->frmMain->lblComStatus;
        const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(line);
        QCOMPARE(iface->role(), QAccessible::StatusBar);
        for (const QString& text : {QStringLiteral("No Connection"),
                                    QStringLiteral("Thermometer is connected at /dev/ttyUSB0")}) {
            emit session_->StatusText(text);
            QCOMPARE(iface->text(QAccessible::Name), text);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
