// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/meter_protocol.h"

#include <QCoreApplication>

const std::array<ModelEntry, 4>& MeterModels() {
    static const std::array<ModelEntry, 4> models{{
        {300, QByteArray("300\x13"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("ModelEntry", "One channel, K type thermometer.")),
         1, QT_TRANSLATE_NOOP("ModelEntry", "START/STOP TIMER"), false},
        {301, QByteArray("301\x13"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("ModelEntry", "Two channel, K type thermometer.")),
         2, QT_TRANSLATE_NOOP("ModelEntry", "T1/T2/T1-T2 switch"), false},
        {302, QByteArray("302\x13"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("ModelEntry", "One channel, K J type thermometer.")),
         1, QT_TRANSLATE_NOOP("ModelEntry", "START/STOP TIMER"), true},
        {303, QByteArray("303\x13"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("ModelEntry", "Two channel, K J type thermometer.")),
         2, QT_TRANSLATE_NOOP("ModelEntry", "T1/T2/T1-T2 switch"), true},
    }};
    return models;
}

QString ShownModelText(const QString& modelText) {
    return QCoreApplication::translate("ModelEntry", modelText.toUtf8().constData());
}

const ModelEntry* FindModel(int32_t modelCode) {
    for (const ModelEntry& m : MeterModels())
        if (m.ModelCode == modelCode)
            return &m;
    return nullptr;
}
