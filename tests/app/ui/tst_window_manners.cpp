// SPDX-License-Identifier: GPL-3.0-or-later
// What every window owes a user beyond its own work: titles that fit, message
// boxes of their kind with whole paths, file dialogs that remember their folder,
// the log graph beside the log, the main menu from the keyboard, and the
// platform's standard shortcuts.
#include "app/ui/hot_image.h"
#include "app/ui/window_set.h"
#include "app/window_placement.h"
#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "base/ui/title_fit.h"
#include "graph/ui/graph_window.h"
#include "log/ui/log_file_dialogs.h"
#include "support/scratch_settings.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {
// The title as a window manager draws it: the title bar's font, bold.
int TitleTextWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title);
}
} // namespace

class TestWindowManners : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    struct Program {
        RecordingSession session;
        WindowSet w;
        explicit Program(std::unique_ptr<QSettings> store)
            : session(std::move(store), QStringList{}), w(session) {
            w.Form1->Timer1.stop();
        }
        // The program's windows by the names the rows use, titled as when shown.
        QWidget* Window(const QString& name) {
            const QHash<QString, QWidget*> windows{
                {"main menu", w.frmMain.get()},
                {"panel", w.frmPanel.get()},
                {"log", w.frmList.get()},
                {"live graph", w.frmGraph.get()},
                {"resolution notice", w.frmResolu.get()},
                {"scale setup", w.frmSetupScale.get()},
                {"link test", w.frmLinkTest.get()},
                {"log graph", w.frmGraphList.get()},
                {"graph title", w.frmEditTitle.get()},
                {"range", w.frmScope.get()},
                {"progress", w.frmPrintProgress.get()},
                {"open progress", w.frmOpenProgress.get()},
                {"alarms", w.frmAlarms.get()},
            };
            return windows.value(name);
        }
    };

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    // Each window, shown, is wide enough for its whole title and the title bar's
    // icon and buttons; a window of fixed size that is a picture at least for the title.
    void windowsFitTheirTitles_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title"); // set before showing; empty: its own
        for (const char* name :
             {"log", "live graph", "resolution notice", "scale setup", "link test", "log graph",
              "graph title", "open progress", "alarms"})
            QTest::newRow(name) << name << QString();
        QTest::newRow("range, saving") << "range"
                                       << "Save File";
        QTest::newRow("range, printing") << "range"
                                         << "Print Range";
        for (const char* caption : {"Saving Progress", "Print Progress", "Export Progress"})
            QTest::newRow(caption) << "progress" << caption;
        QTest::newRow("main menu") << "main menu" << QString();
        QTest::newRow("panel") << "panel" << QString();
        QTest::newRow("message box") << "message box" << QString();
        QTest::newRow("file dialog") << "file dialog"
                                     << "No printer is installed: print to a PDF file";
    }
    void windowsFitTheirTitles() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        Program p(settings_.Store());
        std::unique_ptr<QWidget> own;
        QWidget* shown = p.Window(window);
        if (window == QLatin1String("message box")) {
            own = NewMessageBox(nullptr, MessageKind::Warning, QStringLiteral("No Link"),
                                QMessageBox::Ok);
            shown = own.get();
        } else if (window == QLatin1String("file dialog")) {
            auto dialog = std::make_unique<QFileDialog>();
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            own = std::move(dialog);
            shown = own.get();
        }
        QVERIFY(shown);
        if (!title.isEmpty())
            shown->setWindowTitle(title);
        shown->show();
        // Measured before any timer runs: the link test would start its search.
        const int width = shown->width();
        shown->hide();
        const bool picture =
            window == QLatin1String("main menu") || window == QLatin1String("panel");
        const int needed = picture ? TitleTextWidth(shown->windowTitle()) : TitleWidth(shown);
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
        // The room is for the title and at least the icon and the close button.
        QVERIFY(TitleWidth(shown) >= TitleTextWidth(shown->windowTitle()) + 48);
    }

    void messageBoxesShowTheirKind_data() {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("error") << MessageKind::Error << QMessageBox::Critical;
        QTest::newRow("warning") << MessageKind::Warning << QMessageBox::Warning;
        QTest::newRow("question") << MessageKind::Question << QMessageBox::Question;
        QTest::newRow("information") << MessageKind::Information << QMessageBox::Information;
    }
    void messageBoxesShowTheirKind() {
        QFETCH(MessageKind, kind);
        QFETCH(QMessageBox::Icon, icon);
        const auto box = NewMessageBox(nullptr, kind, QStringLiteral("a <b> & c"));
        QCOMPARE(box->icon(), icon);
        QCOMPARE(box->windowTitle(), QCoreApplication::applicationName());
        // The text is shown as written, not read as markup.
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QTextDocument shown;
        shown.setHtml(label->text());
        QCOMPARE(shown.toPlainText(), QStringLiteral("a <b> & c"));
    }

    // A quoted path, with what closes it, stands whole on a line that does not wrap.
    void pathsStandWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("whole");
        QTest::newRow("path in a sentence")
            << "The log could not be printed to \"/home/a user/Documents/log.pdf\": No "
               "space left on device."
            << QStringList{"The log could not be printed to",
                           "\"/home/a user/Documents/log.pdf\":", "No space left on device."}
            << QStringList{"\"/home/a user/Documents/log.pdf\":"};
        QTest::newRow("drive path at the end")
            << "Saved to \"C:\\Data\\run 1.dat\"."
            << QStringList{"Saved to", "\"C:\\Data\\run 1.dat\"."}
            << QStringList{"\"C:\\Data\\run 1.dat\"."};
        QTest::newRow("two paths, lines kept")
            << "Moved \"/a/b\" to\n\"/c/d\"" << QStringList{"Moved", "\"/a/b\"", "to", "\"/c/d\""}
            << QStringList{"\"/a/b\"", "\"/c/d\""};
        QTest::newRow("quotes that are no path")
            << "not \"K\" or \"3/4\"" << QStringList{"not \"K\" or \"3/4\""} << QStringList{};
    }
    void pathsStandWhole() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, whole);
        QTextDocument document;
        document.setHtml(MessageHtml(text));
        QStringList gotLines, gotWhole;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            gotLines << block.text();
            if (block.blockFormat().nonBreakableLines() ||
                block.blockFormat().property(QTextFormat::BlockNonBreakableLines).toBool())
                gotWhole << block.text();
        }
        QCOMPARE(gotLines, lines);
        QCOMPARE(gotWhole, whole);
    }

    // The box grows to show a long path on one line.
    void aLongPathIsNotBroken() {
        const QString path = QStringLiteral("\"/home/someone/Documents/measurements/"
                                            "furnace-commissioning/second-week/run-0042.pdf\":");
        const auto box = NewMessageBox(
            nullptr, MessageKind::Error,
            QStringLiteral("The log could not be printed to %1 No space left on device.").arg(path),
            QMessageBox::Ok);
        box->show();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(path),
                 qPrintable(QString::number(label->width())));
        box->hide();
    }

    // The file dialog starts in the documents folder or home, then in the folder of
    // the file last chosen, also after a restart.
    void fileDialogRemembersItsFolder() {
        QTemporaryDir chosen;
        settings_.Store();
        const QString settings = settings_.Path();
        const auto choose = [&](const QString& expectedStart, const QString& file) {
            RecordingSession session(std::make_unique<QSettings>(settings, QSettings::IniFormat),
                                     {});
            QString started;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                started = dialog->directory().absolutePath();
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            QWidget parent;
            const QString name = AskFileName(
                &parent,
                {.Saving = true, .Caption = "Export CSV", .Filters = {}, .DefaultSuffix = {}},
                session);
            QCOMPARE(started, expectedStart);
            QCOMPARE(name, file);
        };
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        choose(QDir(first).absolutePath(), chosen.filePath(QStringLiteral("a.csv")));
        if (QTest::currentTestFailed())
            return;
        choose(QDir(chosen.path()).absolutePath(), chosen.filePath(QStringLiteral("b.csv")));
    }

    // The graphs' Export Image starts where the log's dialogs were last used, and
    // the folder chosen there is where every dialog starts next.
    void graphExportFollowsTheFolder_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("live graph") << "live graph";
        QTest::newRow("log graph") << "log graph";
    }
    void graphExportFollowsTheFolder() {
        QFETCH(QString, window);
        Program p(settings_.Store());
        QTemporaryDir used, next;
        QCOMPARE(p.session.SetFileFolder(used.path()), QString());
        QString started;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            started = dialog->directory().absolutePath();
            dialog->selectFile(next.filePath(QStringLiteral("graph.png")));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        static_cast<GraphWindow*>(p.Window(window))->mnuExportImage->trigger();
        QCOMPARE(started, QDir(used.path()).absolutePath());
        QCOMPARE(p.session.FileFolder(), QDir(next.path()).absolutePath());
        QVERIFY(QFileInfo(next.filePath(QStringLiteral("graph.png"))).size() > 0);
    }

    // The log graph opens beside the log, not where the main menu stands.
    void logGraphOpensBesideTheLog() {
        Program p(settings_.Store());
        const ExceptionDisplay previous = SetExceptionDisplay([](const QString&) {});
        p.w.frmMain->move(0, 0);
        p.w.frmMain->show();
        p.w.frmMain->Image5Click();
        QVERIFY(p.w.frmList->isVisible());
        const QRect log = p.w.frmList->frameGeometry();
        const QRect menu = p.w.frmMain->frameGeometry();
        QSignalSpy built(p.w.frmGraphList.get(), &TfrmGraphList::GraphBuilt);
        emit p.w.frmList->GraphRequested();
        QVERIFY(built.wait());
        SetExceptionDisplay(previous);
        // Placed before it was shown, with the frame it has once shown.
        const QSize size = p.w.frmGraphList->frameGeometry().size();
        const QRect screen = p.w.frmList->screen()->availableGeometry();
        QCOMPARE(p.w.frmGraphList->pos(), PlaceBesideLog(screen, log, menu, size).topLeft());
        QVERIFY(p.w.frmGraphList->pos() != menu.topLeft());
    }

    // Tab walks the main menu's pictures in reading order, row by row from the top
    // and each row from the left; each has its hover text as its accessible name.
    void mainMenuByKeyboard() {
        RecordingSession session(settings_.Store(), {});
        TfrmMain w(session);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Graph, Help; Arrange; Panel, Link Test, Tabular, Exit.
        const QList<HotImage*> order{w.Image4, w.Image7, w.Image9, w.Image2,
                                     w.Image6, w.Image5, w.Image8};
        order.front()->setFocus(Qt::TabFocusReason);
        for (HotImage* image : order) {
            QCOMPARE(QApplication::focusWidget(), image);
            QVERIFY(!image->accessibleName().isEmpty());
            QCOMPARE(image->accessibleName(), image->Hint());
            // The status line tells the keyboard's user what the mouse's would see.
            QCOMPARE(w.StatusText(), image->Hint());
            QTest::keyClick(image, Qt::Key_Tab);
        }
    }

    // Enter and Space start a picture, once per press; it shows when it has focus.
    void pictureKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << 1;
        QTest::newRow("a letter") << int(Qt::Key_A) << 0;
    }
    void pictureKeys() {
        QFETCH(int, key);
        QFETCH(int, clicks);
        QWidget window;
        window.resize(200, 200);
        auto* other = new QLineEdit(&window);
        auto* image = new HotImage(QStringLiteral("Image"), {50, 50, 100, 100},
                                   QStringLiteral("Open"), &window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        const QImage unfocused = image->grab().toImage();
        image->setFocus(Qt::TabFocusReason);
        QVERIFY(image->hasFocus());
        QVERIFY(image->grab().toImage() != unfocused);
        QSignalSpy clicked(image, &HotImage::Clicked);
        QTest::keyClick(image, Qt::Key(key));
        QCOMPARE(clicked.size(), clicks);
        // A key held down starts it once.
        QTest::keyPress(image, Qt::Key(key));
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(image, &repeat);
        QTest::keyRelease(image, Qt::Key(key));
        QCOMPARE(clicked.size(), 2 * clicks);
    }

    // The Help key opens the help page at the window's own section, where it has one.
    void helpKeyInEveryWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("section"); // empty: the whole page
        const std::pair<const char*, const char*> sections[] = {{"main menu", "main_menu"},
                                                                {"panel", "panel"},
                                                                {"log", "Hlp_Tabular1"},
                                                                {"range", "Hlp_Tabular1"},
                                                                {"live graph", "Hlp_RT_Graph"},
                                                                {"log graph", "Hlp_Graph"},
                                                                {"link test", "Hlp_Link_Test"},
                                                                {"alarms", "alarms"},
                                                                {"resolution notice", ""},
                                                                {"scale setup", ""},
                                                                {"graph title", ""},
                                                                {"progress", ""},
                                                                {"open progress", ""},
                                                                {"message box", ""}};
        for (const auto& [window, section] : sections)
            QTest::newRow(window) << window << section;
    }
    void helpKeyInEveryWindow() {
        QFETCH(QString, window);
        QFETCH(QString, section);
        const QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::HelpContents);
        if (keys.isEmpty())
            QSKIP("The platform has no standard keys for this.");
        Program p(settings_.Store());
        std::unique_ptr<QWidget> box;
        QWidget* shown = p.Window(window);
        if (window == QLatin1String("message box")) {
            box = NewMessageBox(nullptr, MessageKind::Error, QStringLiteral("No Link"));
            shown = box.get();
        }
        QList<QAction*> found;
        for (QAction* action : shown->findChildren<QAction*>())
            if (action->shortcuts().contains(keys.front()))
                found << action;
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->data().toString(), section);
    }

    void standardShortcuts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence::StandardKey>("key");
        QTest::newRow("log: Open") << "log" << QKeySequence::Open;
        QTest::newRow("log: Save") << "log" << QKeySequence::Save;
        QTest::newRow("log: Save As") << "log" << QKeySequence::SaveAs;
        QTest::newRow("log: Print") << "log" << QKeySequence::Print;
        QTest::newRow("log: Close") << "log" << QKeySequence::Close;
        QTest::newRow("panel: Close") << "panel" << QKeySequence::Close;
        QTest::newRow("live graph: Print") << "live graph" << QKeySequence::Print;
        QTest::newRow("live graph: Close") << "live graph" << QKeySequence::Close;
        QTest::newRow("log graph: Print") << "log graph" << QKeySequence::Print;
        QTest::newRow("log graph: Close") << "log graph" << QKeySequence::Close;
        QTest::newRow("main menu: Quit") << "main menu" << QKeySequence::Quit;
        QTest::newRow("main menu: Help") << "main menu" << QKeySequence::HelpContents;
    }
    void standardShortcuts() {
        QFETCH(QString, window);
        QFETCH(QKeySequence::StandardKey, key);
        Program p(settings_.Store());
        QWidget* shown = p.Window(window);
        const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        if (keys.isEmpty())
            QSKIP("The platform has no standard keys for this.");
        QList<QAction*> found;
        for (QAction* action : shown->findChildren<QAction*>())
            if (action->shortcuts().contains(keys.front()))
                found << action;
        // One action per key, or the key would be ambiguous and do nothing.
        QCOMPARE(found.size(), 1);
        if (key != QKeySequence::Close)
            return;
        shown->show();
        found.front()->trigger();
        QVERIFY(!shown->isVisible());
    }
};

QTEST_MAIN(TestWindowManners)
#include "tst_window_manners.moc"
