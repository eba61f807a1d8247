#pragma once
// The main menu window: a picture of the product whose parts open the working
// windows. It owns the link to the meter (Comm1), the hidden port list, the
// sampling timer and the settings store, and it is where the program ends.

#include "app/app_state.h"
#include "app/settings_store.h"
#include "link/meter_link.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QStringListModel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class HotImage;
class QDialog;
class SvgPicture;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Creating the window reads the settings from the store, runs loadDigitImages,
    // centres the window and fills the port list (the port stays closed).
    TfrmMain(AppState& state, std::unique_ptr<QSettings> store,
             const std::function<void()>& loadDigitImages = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The windows the pictures open; they are created after this one.
    void SetWorkingWindows(QWidget* panel, QWidget* graph, QWidget* list);
    // The port search window that Image6 opens, modally.
    void SetLinkTestWindow(QDialog* linkTest) { linkTest_ = linkTest; }
    // Where shut-down reads the live graph's vertical range; without a source the
    // range loaded at start is stored again.
    void SetLiveRangeSource(std::function<VerticalRange()> source);

    // Who asked the program to end: a user at the window can be shown a problem,
    // a termination signal (logout, kill) cannot wait for anyone to read it.
    enum class ExitRequest { User, Signal };

    // Ends the program: waits briefly for a port operation in progress, stops the
    // sampling timer, stores the settings, closes the port and quits the event loop.
    // Settings that cannot be stored are reported in a box, or on standard error
    // when a signal ended the program.
    void ShutDown(ExitRequest request = ExitRequest::User);
    // The settings file could not be read at creation: what and why, else empty.
    QString SettingsReadProblem() const { return settingsReadProblem_; }

    QString StatusText() const { return hint_->text(); }

    // Restores a window from minimised, shows it in front and repaints it.
    static void ShowNormal(QWidget* window);

    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();

    MeterLink Meter;
    QTimer ThTimer1;
    QComboBox* ComboBoxDeviceName;
    QStringListModel* PortNames; // the combo box's items; the port search shrinks it
    SvgPicture* Image1;
    static constexpr QRect Image3Rect{200, 64, 105, 105}; // decoration drawn in Image1
    QLabel* Label1;
    HotImage* Image2;
    HotImage* Image4;
    HotImage* Image5;
    HotImage* Image6;
    HotImage* Image7;
    HotImage* Image8;
    HotImage* Image9;
    QStatusBar* StatusBar1;
    QLabel* lblComStatus;

signals:
    // The step of shut-down where the tray icon goes away.
    void TrayIconRemovalDue();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const std::function<void()>& loadDigitImages);
    HotImage* AddHotImage(const QString& name, const QRect& geometry, const QString& hint);
    QRect Screen() const;
    static void PlaceAndShow(QWidget* window, const QRect& frame);

    AppState& state_;
    std::unique_ptr<SettingsStore> store_;
    std::function<VerticalRange()> liveRange_;
    QLabel* hint_;
    QWidget* panel_ = nullptr;
    QWidget* graph_ = nullptr;
    QWidget* list_ = nullptr;
    QDialog* linkTest_ = nullptr;
    QString settingsReadProblem_;
    bool shuttingDown_ = false;
};
