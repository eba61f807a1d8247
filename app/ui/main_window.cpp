// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/main_window.h"

#include "app/session_platform.h"
#include "app/ui/hot_image.h"
#include "app/ui/main_menu_accessibility.h"
#include "app/ui/svg_picture.h"
#include "app/window_placement.h"
#include "base/handler_guard.h"
#include "base/ui/help.h"
#include "base/ui/svg_captions.h"
#include "base/ui/text_contrast.h"
#include "brackwater_version.h"
#include "log/ui/print_progress_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
// Placement works on outer rectangles, frame included; Qt sizes the inside.
void SetFrameRect(QWidget* window, const QRect& frame) {
    const QSize border = window->frameGeometry().size() - window->geometry().size();
    window->move(frame.topLeft());
    window->resize(frame.size() - border);
}

// The pictures as they are read: in rows from the top, each row from the left. A
// picture whose middle lies above the bottom of a row's first picture is in its row.
QList<HotImage*> ReadingOrder(QList<HotImage*> images) {
    const auto middle = [](const HotImage* image) { return image->geometry().center().y(); };
    std::stable_sort(images.begin(), images.end(),
                     [&](const HotImage* a, const HotImage* b) { return middle(a) < middle(b); });
    for (auto row = images.begin(); row != images.end();) {
        const int bottom = (*row)->geometry().bottom();
        const auto end = std::find_if(
            row, images.end(), [&](const HotImage* image) { return middle(image) > bottom; });
        std::stable_sort(row, end, [](const HotImage* a, const HotImage* b) {
            return a->geometry().left() < b->geometry().left();
        });
        row = end;
    }
    return images;
}

// The picture with its captions in the user's language, each as wide as the
// drawing it stands under at most.
QByteArray PictureSource() {
    return SvgWithCaptions(QStringLiteral(":/main_menu.svg"), "TfrmMain",
                           {{QT_TRANSLATE_NOOP("TfrmMain", "Thermometer Link"), 120},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Graph"), 180},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Arrange"), 84},
                            {QT_TRANSLATE_NOOP("TfrmMain", "HELP"), 90},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Control Panel"), 84},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Link Test"), 116},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Tabular"), 190},
                            {QT_TRANSLATE_NOOP("TfrmMain", "Exit"), 106}});
}

// The status line's smallest font: two lines of a font with tall lines still fit
// there. Below it a line is cut instead, whole in the tool tip.
constexpr qreal SmallestStatusPoints = 6;

bool FitsInto(const QFont& font, const QString& text, const QSize& room, int flags) {
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(QPoint(), QSize(room.width(), QWIDGETSIZE_MAX)), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Shows the lines in the label's largest font, from its own size down, at which
// they fit (a long line may wrap at its words); where none does, the lines that
// fit in height are shown, each cut with "…". False when a line was cut or left out.
bool ShowFitted(QLabel* label, const QFont& font, const QStringList& lines) {
    const QRect contents = label->contentsRect();
    const QSize room(contents.width() - std::max(label->indent(), 0), contents.height());
    const QString text = lines.join(QLatin1Char('\n'));
    QFont fitted = font;
    for (qreal points = font.pointSizeF(); points >= SmallestStatusPoints; points -= 0.5) {
        fitted.setPointSizeF(points);
        if (FitsInto(fitted, text, room, Qt::AlignLeft | Qt::TextWordWrap)) {
            label->setFont(fitted);
            label->setWordWrap(true);
            label->setText(text);
            return true;
        }
    }
    const QFontMetrics metrics(fitted);
    const qsizetype shown = std::max<qsizetype>(1, room.height() / metrics.lineSpacing());
    QStringList cut;
    for (const QString& line : lines.mid(0, shown))
        cut << metrics.elidedText(line, Qt::ElideRight, room.width());
    label->setFont(fitted);
    label->setWordWrap(false);
    label->setText(cut.join(QLatin1Char('\n')));
    return false;
}
} // namespace

void TfrmMain::PlaceAndShow(QWidget* window, const QRect& frame) {
    window->setWindowState(Qt::WindowNoState);
    SetFrameRect(window, frame);
    ShowNormal(window);
    // A window's frame is known only once it is on screen.
    if (window->frameGeometry() != frame)
        SetFrameRect(window, frame);
}

TfrmMain::TfrmMain(RecordingSession& session, const std::function<void()>& loadDigitImages,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      ComboBoxDeviceName(new QComboBox(this)),
      Image1(
          new SvgPicture(QStringLiteral("Image1"), PictureSource(), QRect(0, 0, 600, 400), this)),
      Label1(new QLabel(QStringLiteral("V" BRACKWATER_VERSION), this)), session_(session),
      questions_(JournalQuestions::Dialogs(this, session)),
      desktopPlacesWindows_(DesktopPlacesWindows(QGuiApplication::platformName())) {
    InstallMainMenuAccessibility();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Main Menu"));
    setFixedSize(601, 428);

    ComboBoxDeviceName->setObjectName(QStringLiteral("ComboBoxDeviceName"));
    ComboBoxDeviceName->hide();
    ComboBoxDeviceName->setFocusPolicy(Qt::NoFocus); // never shown
    ComboBoxDeviceName->setModel(&session.PortNames());

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->move(40, 86);
    Label1->adjustSize();

    Image2 = AddHotImage(QStringLiteral("Image2"), {80, 136, 89, 241}, tr("Open Control Window"));
    Image4 = AddHotImage(QStringLiteral("Image4"), {144, 24, 193, 89}, tr("Open Graph Window"));
    Image5 = AddHotImage(QStringLiteral("Image5"), {392, 224, 201, 81}, tr("Open Tabular Window"));
    Image6 = AddHotImage(QStringLiteral("Image6"), {224, 192, 121, 169},
                         tr("Test linking with THERMOMETER"));
    Image7 =
        AddHotImage(QStringLiteral("Image7"), {480, 8, 97, 121}, tr("On Line Help Information"));
    Image8 = AddHotImage(QStringLiteral("Image8"), {472, 336, 113, 57}, tr("Exit BRACKWATER"));
    Image9 = AddHotImage(QStringLiteral("Image9"), {376, 112, 89, 65},
                         tr("auto arrange Panel,Graph,Tabular"));
    connect(Image2, &HotImage::Clicked, this, &TfrmMain::Image2Click);
    connect(Image4, &HotImage::Clicked, this, &TfrmMain::Image4Click);
    connect(Image5, &HotImage::Clicked, this, &TfrmMain::Image5Click);
    connect(Image6, &HotImage::Clicked, this, &TfrmMain::Image6Click);
    connect(Image7, &HotImage::Clicked, this, &TfrmMain::Image7Click);
    connect(Image8, &HotImage::Clicked, this, &TfrmMain::Image8Click);
    connect(Image9, &HotImage::Clicked, this, &TfrmMain::Image9Click);
    // Tab walks the pictures as they are read, not as they were made.
    const QList<HotImage*> order =
        ReadingOrder({Image2, Image4, Image5, Image6, Image7, Image8, Image9});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The standard key for what the picture Exit does; the Help key is every window's.
    auto* quit = new QAction(this);
    quit->setShortcuts(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &TfrmMain::Image8Click);
    addAction(quit);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 400, 601, 28);
    hint_ = new QLabel(StatusBar1);
    hint_->setFixedWidth(246);
    StatusBar1->addWidget(hint_);
    // A note's whole text, while the note shows.
    connect(StatusBar1, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            StatusBar1->setToolTip(QString());
    });
    // The background clears the hint, except where the decoration picture Image3
    // and the version text lie: they have no hover of their own.
    connect(Image1, &SvgPicture::MouseMoved, this, [this](const QPoint& position) {
        if (!Image3Rect.contains(position) && !Label1->geometry().contains(position))
            hint_->clear();
    });

    // Room for two lines: the link's state and the publisher's.
    lblComStatus = new QLabel(this);
    lblComStatus->setObjectName(QStringLiteral("lblComStatus"));
    MarkStatusLine(lblComStatus);
    lblComStatus->setGeometry(256, 401, 341, 26);
    lblComStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblComStatus->setIndent(4);
    lblComStatus->setStyleSheet(LinkStatusStyle());
    ShowStatusLine();

    connect(&session, &RecordingSession::StatusText, this, [this](const QString& text) {
        linkStatus_ = text;
        ShowStatusLine();
    });
    connect(&session, &RecordingSession::AlarmChanged, this, &TfrmMain::ShowStatusLine);
    connect(&session, &RecordingSession::AlarmsWatched, this, &TfrmMain::ShowStatusLine);
    connect(&session, &RecordingSession::ShutDownFinished, this, &TfrmMain::ShutDownFinished);

    FormCreate(loadDigitImages);
}

TfrmMain::~TfrmMain() = default;

HotImage* TfrmMain::AddHotImage(const QString& name, const QRect& geometry, const QString& hint) {
    auto* image = new HotImage(name, geometry, hint, this);
    connect(image, &HotImage::Hovered, this, [this](const QString& text) { hint_->setText(text); });
    return image;
}

// The settings and the port list were read by the recording core, created before
// this window; what is left is the window's own part.
void TfrmMain::FormCreate(const std::function<void()>& loadDigitImages) {
    if (loadDigitImages)
        loadDigitImages();
    move(CentredOn(Screen(), frameGeometry().size()));
    ComboBoxDeviceName->setCurrentIndex(0);
}

void TfrmMain::ShowStatusLine() {
    QStringList alarms;
    for (const Alarm& alarm : session_.Alarms().Active())
        alarms << BriefAlarm(alarm);
    // The look changes only with the state: restyling at every tick would cost.
    // untranslated: style sheets
    const QString style = alarms.isEmpty() ? LinkStatusStyle()
                                           : QStringLiteral("QLabel { color: white; background: "
                                                            "#d00000; font-weight: bold; }");
    if (lblComStatus->styleSheet() != style)
        lblComStatus->setStyleSheet(style);
    // The alarm stands over the link's state until it clears; the tip has both.
    const QString first =
        alarms.isEmpty() ? linkStatus_ : tr("ALARM: %1").arg(alarms.join(QStringLiteral("; ")));
    QStringList lines;
    for (const QString& line : {first, publishStatus_})
        if (!line.isEmpty())
            lines << line;
    // Fitted anew only when something changed: it is asked at every tick.
    const QStringList shown = lines + QStringList{linkStatus_, publishLine_};
    if (shown == statusShown_)
        return;
    statusShown_ = shown;
    // untranslated: a font's name
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(!alarms.isEmpty()); // as the alarm's style has it
    const bool whole = ShowFitted(lblComStatus, font, lines);
    // The tip has what the line leaves out: the link's state under an alarm, a
    // line cut short, and the publisher's whole line.
    QStringList tip;
    if (!alarms.isEmpty() || !whole)
        tip << first;
    if (!alarms.isEmpty())
        tip << linkStatus_;
    tip << publishLine_;
    tip.removeAll(QString());
    lblComStatus->setToolTip(tip.join(QLatin1Char('\n')));
}

QString TfrmMain::LinkStatusStyle() const {
    // Red on the window's colour: a lighter red where the desktop is dark.
    return QStringLiteral("QLabel { color: %1; }")
        .arg(ReadableOnWindow(QColor(0xd0, 0, 0), palette()).name());
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ShowStatusLine();
}

void TfrmMain::SetPublishStatus(const QString& brief, const QString& line) {
    publishStatus_ = brief;
    publishLine_ = line;
    ShowStatusLine();
}

void TfrmMain::SetWorkingWindows(QWidget* panel, QWidget* graph, QWidget* list) {
    panel_ = panel;
    graph_ = graph;
    list_ = list;
}

QRect TfrmMain::Screen() const {
    const QScreen* s = screen();
    return s ? s->geometry() : QRect(0, 0, 800, 600);
}

void TfrmMain::ShowNormal(QWidget* window) {
    window->setWindowState(window->windowState() &
                           ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    window->show();
    window->raise();
    window->activateWindow();
    window->repaint();
}

void TfrmMain::Image6Click() {
    // A port operation may not have ended; give it a moment before the search takes the port.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    session_.WhenPortFree(this, [this] {
        QGuiApplication::restoreOverrideCursor();
        if (linkTest_ && !shuttingDown_)
            linkTest_->exec();
    });
}

void TfrmMain::Image2Click() {
    if (!panel_->isVisible())
        panel_->move(Screen().topLeft());
    ShowNormal(panel_);
}

void TfrmMain::Image4Click() {
    if (graph_->isVisible())
        ShowNormal(graph_);
    else
        PlaceAndShow(graph_, PlaceGraph(Screen(), panel_->frameGeometry().width(),
                                        graph_->frameGeometry().size()));
}

void TfrmMain::Image5Click() {
    if (list_->isVisible())
        ShowNormal(list_);
    else
        PlaceAndShow(list_, PlaceLog(Screen(), panel_->frameGeometry().width(),
                                     list_->frameGeometry().size()));
}

void TfrmMain::Image7Click() {
    OpenHelpTopic();
}

void TfrmMain::Image8Click() {
    ShutDown();
}

void TfrmMain::Image9Click() {
    if (desktopPlacesWindows_) {
        // Moves are not the program's to make: the windows come at their arranged
        // sizes, and the main menu stays to say why they are not side by side.
        ShowNormal(panel_);
        const Arrangement a = ArrangeWorkingWindows(Screen(), panel_->frameGeometry().width());
        // Sized once shown, when the frame is known.
        for (auto [window, frame] : {std::pair{graph_, a.Graph}, std::pair{list_, a.Log}}) {
            ShowNormal(window);
            window->resize(frame.size() - (window->frameGeometry().size() - window->size()));
        }
        //: Shown in the status bar after Arrange where the program cannot move windows.
        const QString note = tr("The desktop places the windows");
        StatusBar1->showMessage(
            hint_->fontMetrics().elidedText(note, Qt::ElideRight, hint_->width()), 15000);
        StatusBar1->setToolTip(note);
        return;
    }
    panel_->setWindowState(Qt::WindowNoState);
    panel_->move(Screen().topLeft());
    ShowNormal(panel_);
    const Arrangement a = ArrangeWorkingWindows(Screen(), panel_->frameGeometry().width());
    PlaceAndShow(graph_, a.Graph);
    PlaceAndShow(list_, a.Log);
    hide();
}

bool TfrmMain::AskToSaveUnsavedRows() {
    const int unsaved = session_.UnsavedRows();
    if (unsaved == 0)
        return true;
    const QString question =
        tr("%n recorded rows are not saved. Save them before exiting?", nullptr, unsaved);
    switch (questions_.AskExit(question)) {
    case JournalQuestions::Exit::Cancel:
        return false;
    case JournalQuestions::Exit::Discard:
        session_.DiscardUnsavedRows();
        return true;
    case JournalQuestions::Exit::Save:
        break;
    }
    const QString fileName = questions_.AskSaveFileName();
    if (fileName.isEmpty())
        return false;
    LogFiles& files = session_.Files();
    const LogFiles::Result result =
        files.RunToEnd(files.SaveAll(fileName), [this](BackgroundTask& task) {
            if (progress_)
                progress_->RunModal(task, tr("Saving Progress"), tr("savint....."),
                                    session_.TableRows());
        });
    if (!result.Error.isEmpty()) {
        ShowException(result.Error);
        return false;
    }
    // A cancelled save wrote nothing: the program stays.
    return !result.Cancelled;
}

bool TfrmMain::ShutDown(ExitRequest request) {
    if (shuttingDown_)
        return true;
    if (request == ExitRequest::User && !AskToSaveUnsavedRows())
        return false;
    shuttingDown_ = true;
    exitRequest_ = request;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    session_.ShutDown();
    return true;
}

void TfrmMain::ShutDownFinished(const QString& problem) {
    if (!shuttingDown_)
        return;
    emit TrayIconRemovalDue();
    QGuiApplication::restoreOverrideCursor();
    if (!problem.isEmpty()) {
        if (exitRequest_ == ExitRequest::User)
            ShowException(problem);
        else
            std::fprintf(stderr, "brackwater: %s\n", qPrintable(problem));
    }
    // exit, not quit: a modal window (the port search) must not be able to veto the end.
    QCoreApplication::exit(0);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (ShutDown())
        event->accept();
    else
        event->ignore();
}
