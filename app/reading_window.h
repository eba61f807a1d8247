#pragma once
// A plain window that polls the meter once a second and shows the decoded reading.

#include "link/meter_link.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

class ReadingWindow : public QWidget {
    Q_OBJECT
public:
    ReadingWindow(MeterLink& meter, CurrentReading& reading, LinkState& link);

private:
    void Poll();
    void Refresh();

    MeterLink& meter_;
    CurrentReading& reading_;
    LinkState& link_;
    QLabel* status_;
    QLabel* main_;
    QLabel* sub_;
    QLabel* mode_;
    QTimer timer_;
    int silentTicks_ = 0;
};
