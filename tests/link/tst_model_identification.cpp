// SPDX-License-Identifier: GPL-3.0-or-later
// The model from the meter's identification reply, and the fallback to the model
// last seen.
#include "link/model_identification.h"

#include <QSignalSpy>
#include <QTest>

class TestModelIdentification : public QObject {
    Q_OBJECT

private slots:
    void exactReplySetsTheModel_data();
    void exactReplySetsTheModel();
    void anyOtherReplyChangesNothing_data();
    void anyOtherReplyChangesNothing();
    void lastModelOrModel300_data();
    void lastModelOrModel300();
};

void TestModelIdentification::exactReplySetsTheModel_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("channels");
    QTest::newRow("300") << QByteArray("300\x13") << 300 << "One channel, K type thermometer." << 1;
    QTest::newRow("301") << QByteArray("301\x13") << 301 << "Two channel, K type thermometer." << 2;
    QTest::newRow("302") << QByteArray("302\x13") << 302 << "One channel, K J type thermometer."
                         << 1;
    QTest::newRow("303") << QByteArray("303\x13") << 303 << "Two channel, K J type thermometer."
                         << 2;
}

void TestModelIdentification::exactReplySetsTheModel() {
    QFETCH(QByteArray, reply);
    AppState state;
    state.Link.FrameLength = 5;
    ModelIdentification models(state);
    QSignalSpy spy(&models, &ModelIdentification::ModelIdentified);
    QVERIFY(models.IdentifyModel(reply));
    QTEST(int(state.Reading.ModelCode), "model");
    QTEST(state.Reading.ModelText, "text");
    QTEST(int(state.Reading.ChannelCount), "channels");
    QCOMPARE(state.Link.FrameLength, 8);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), state.Reading.ModelCode);
}

void TestModelIdentification::anyOtherReplyChangesNothing_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no end byte") << QByteArray("300");
    QTest::newRow("more bytes after") << QByteArray("300\x13\x02");
    QTest::newRow("a frame after") << QByteArray("301\x13\x02\x80\x00\xB2\x35\x00\x00\x03", 12);
    QTest::newRow("unknown model") << QByteArray("304\x13");
    QTest::newRow("wrong end byte") << QByteArray("302\x03");
    QTest::newRow("leading noise") << QByteArray("\x00"
                                                 "303\x13",
                                                 5);
}

void TestModelIdentification::anyOtherReplyChangesNothing() {
    QFETCH(QByteArray, reply);
    AppState state;
    ModelIdentification models(state);
    QVERIFY(models.IdentifyModel("302\x13"));
    state.Link.FrameLength = 5;
    QSignalSpy spy(&models, &ModelIdentification::ModelIdentified);
    QVERIFY(!models.IdentifyModel(reply));
    QCOMPARE(state.Reading.ModelCode, 302);
    QCOMPARE(state.Reading.ChannelCount, 1);
    QCOMPARE(state.Reading.ModelText, QStringLiteral("One channel, K J type thermometer."));
    QCOMPARE(state.Link.FrameLength, 5);
    QCOMPARE(spy.size(), 0);
}

void TestModelIdentification::lastModelOrModel300_data() {
    QTest::addColumn<int>("lastModel");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("channels");
    QTest::newRow("300") << 300 << 300 << 1;
    QTest::newRow("301") << 301 << 301 << 2;
    QTest::newRow("302") << 302 << 302 << 1;
    QTest::newRow("303") << 303 << 303 << 2;
    QTest::newRow("never identified") << 0 << 300 << 1;
    QTest::newRow("below") << 299 << 300 << 1;
    QTest::newRow("above") << 304 << 300 << 1;
    QTest::newRow("negative") << -303 << 300 << 1;
}

void TestModelIdentification::lastModelOrModel300() {
    QFETCH(int, lastModel);
    AppState state;
    state.Settings.LastModel = lastModel;
    ModelIdentification models(state);
    QSignalSpy spy(&models, &ModelIdentification::ModelIdentified);
    models.ApplyLastModel();
    QTEST(int(state.Reading.ModelCode), "model");
    QTEST(int(state.Reading.ChannelCount), "channels");
    QCOMPARE(state.Link.FrameLength, 8);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(state.Settings.LastModel, lastModel); // only a successful search writes it
}

QTEST_GUILESS_MAIN(TestModelIdentification)
#include "tst_model_identification.moc"
