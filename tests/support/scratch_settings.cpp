// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratch_settings.h"

#include "recording/recording_session.h"

#include <QFile>

std::unique_ptr<QSettings> ScratchSettings::Store(const QByteArray& content) {
    path_ = dir_.filePath(QStringLiteral("settings%1.ini").arg(++files_));
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    file.close(); // written out before the store reads it
    return std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

std::unique_ptr<RecordingSession> ScratchSettings::Session(int model, const QByteArray& settings) {
    auto session = std::make_unique<RecordingSession>(Store(settings), QStringList{});
    if (model)
        IdentifyModel(*session, model);
    return session;
}

SettingsVars ScratchSettings::Stored() const {
    SettingsVars vars;
    SettingsStore(std::make_unique<QSettings>(path_, QSettings::IniFormat)).Read(vars);
    return vars;
}

QByteArray CompleteSettings(int lastModel, const QString& device, int lastPort) {
    QByteArray text = "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\nMinScale=0\n"
                      "ShowReso=1\nLastConnectedPort=" +
                      QByteArray::number(lastPort) +
                      "\nLastModel=" + QByteArray::number(lastModel) + "\n";
    if (!device.isEmpty())
        text += "LastConnectedDevice=" + device.toUtf8() + "\n";
    return text;
}

void IdentifyModel(RecordingSession& session, int model) {
    session.Models().IdentifyModel(FindModel(model)->Reply);
}

QByteArray RangeSettings(int minScale, int maxScale, int graphingRate, int listingRate) {
    return QStringLiteral("[General]\nGraphingRate=%1\nListingRate=%2\nMaxScale=%3\nMinScale=%4\n"
                          "ShowReso=1\nLastConnectedPort=0\nLastModel=0\n")
        .arg(graphingRate)
        .arg(listingRate)
        .arg(maxScale)
        .arg(minScale)
        .toUtf8();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
