#include "ConfTestSupport.h"
#include "sys_conf/proto/camera.pb.h"
#include "sys_conf/types/camera.h"

#include <QtTest>

class tst_CameraConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaults();
    void baudRateTable_data();
    void baudRateTable();
    void seqTimeTable_data();
    void seqTimeTable();
    void ptzDevAndSharpnessTables();
    void spotModeRows_data();
    void spotModeRows();
    void spotModeLookup_data();
    void spotModeLookup();
    void spotModeWithoutTable_data();
    void spotModeWithoutTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_CameraConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("default camera", config::Camera(), "");

    config::Camera camera;
    camera.set_sharpness(config::Camera::SHARPNESS_HARD);
    addGoldenRow("sharpness", camera, "2802");

    camera.Clear();
    config::Camera_Channel& channel = *camera.add_channel();
    channel.set_name("CH-01");
    channel.set_covert(false);
    channel.mutable_adjustment();
    camera.add_ptz();
    camera.mutable_seq();
    camera.add_spot()->set_seq_time(config::Camera::SEQ_30SECS);
    addGoldenRow("lists and sequence in field order", camera, "0a0b 0a05 43482d3031 1000 1a00 1200 1a00 2202 3007");

    config::Camera_Ptz ptz;
    ptz.set_model(config::Camera_Ptz::MODEL_NONE);
    ptz.set_id(255);
    ptz.set_rev_pan(true);
    ptz.set_rev_tilt(false);
    ptz.set_rev_zoom(true);
    ptz.set_rev_focus(false);
    ptz.set_baudrate(config::Camera_Ptz::BAUDRATE_115200);
    addGoldenRow("every PTZ field", ptz, "0800 10ff01 1801 2000 2801 3000 3807");

    config::Camera_Seq seq;
    seq.set_ch_mask(0x7FFFFF);
    seq.set_time(config::Camera::SEQ_5SECS);
    addGoldenRow("sequence with every split view", seq, "08ffffff03 1003");

    config::Camera_Adjustment adjustment;
    adjustment.set_vsharpness(15);
    adjustment.set_contrast(0);
    addGoldenRow("adjustment", adjustment, "0800 280f");
}

void tst_CameraConf::golden()
{
    checkGoldenRow();
}

void tst_CameraConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Camera_Spot>("spot mode 5 dropped", "0805", "");
    addParseRow<config::Camera_Spot>("spot mode 5 keeps the earlier mode", "0802 0805", "0802");
    addParseRow<config::Camera_Spot>("dwell time 8 dropped", "3008 1003", "1003");
    addParseRow<config::Camera_Ptz>("PTZ model 2 dropped", "0802", "");
    addParseRow<config::Camera_Ptz>("baud rate 8 dropped", "3808", "");
    addParseRow<config::Camera>("sharpness 3 dropped, channel kept", "2803 0a00", "0a00");
    addParseRow<config::Camera_Seq>("negative dwell time dropped", "10ffffffffffffffffff01", "");
}

void tst_CameraConf::parsing()
{
    checkParseRow();
}

void tst_CameraConf::defaults()
{
    const config::Camera camera;
    QCOMPARE(camera.channel_size(), 0);
    QCOMPARE(camera.ptz_size(), 0);
    QCOMPARE(camera.spot_size(), 0);
    QVERIFY(!camera.has_seq());
    QCOMPARE(camera.sharpness(), config::Camera::SHARPNESS_NORMAL);
    QCOMPARE(camera.seq().ch_mask(), 0xFFFFu);
    QCOMPARE(camera.seq().time(), config::Camera::SEQ_1SECS);

    const config::Camera_Ptz ptz;
    QCOMPARE(ptz.model(), config::Camera_Ptz::MODEL_PELCO_D);
    QCOMPARE(ptz.baudrate(), config::Camera_Ptz::BAUDRATE_9600);

    const config::Camera_Spot spot;
    QCOMPARE(spot.mode(), config::Camera_Spot::MODE_SINGLE);
    QCOMPARE(spot.ch_mask_quad(), 0xFu);
    QCOMPARE(spot.ch_mask_nona(), 0x1FFu);
    QCOMPARE(spot.ch_mask_seq(), 0xFFFFu);

    const config::Camera_Channel channel;
    QVERIFY(!channel.has_adjustment());
    const config::Camera_Adjustment& adjustment = channel.adjustment();
    for (unsigned value : {adjustment.contrast(), adjustment.brightness(), adjustment.saturation(),
             adjustment.hsharpness(), adjustment.vsharpness()})
        QCOMPARE(value, 8u);
}

void tst_CameraConf::baudRateTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("bitsPerSecond");

    const int rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    for (int row = 0; row < 8; ++row)
        QTest::addRow("%d", rates[row]) << row << QByteArray::number(rates[row]) << rates[row];
}

void tst_CameraConf::baudRateTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(int, bitsPerSecond);

    QCOMPARE(config::BaudRate_MaxItemNum(), 8);
    QCOMPARE(QByteArray(config::BaudRate_Index2String(row)), text);
    QCOMPARE(int(config::BaudRate_Index2Type(row)), row);
    QCOMPARE(config::BaudRate_Index2Value(row), bitsPerSecond);
    QCOMPARE(config::BaudRate_Type2Index(config::BaudRate_Index2Type(row)), row);
    QCOMPARE(config::BaudRate_Type2Value(config::BaudRate_Index2Type(row)), bitsPerSecond);
}

void tst_CameraConf::seqTimeTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("seconds");

    const qint64 seconds[] = {1, 2, 4, 5, 8, 10, 15, 30};
    for (int row = 0; row < 8; ++row)
        QTest::addRow("%lld s", seconds[row]) << row << QByteArray::number(seconds[row]) + " s" << seconds[row];
}

void tst_CameraConf::seqTimeTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(qint64, seconds);

    QCOMPARE(config::SeqTime_MaxItemNum(), 8);
    QCOMPARE(QByteArray(config::SeqTime_Index2String(row)), text);
    QCOMPARE(int(config::SeqTime_Index2Type(row)), row);
    QCOMPARE(config::SeqTime_Type2Index(config::SeqTime_Index2Type(row)), row);
    QCOMPARE(qint64(config::SeqTime_Type2Value(config::SeqTime_Index2Type(row))), seconds);
}

void tst_CameraConf::ptzDevAndSharpnessTables()
{
    const QByteArray ptzTexts[] = {"----", "PELCO_D"};
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(QByteArray(config::PtzDev_Index2String(row)), ptzTexts[row]);
        QCOMPARE(int(config::PtzDev_Index2Type(row)), row);
        QCOMPARE(config::PtzDev_Type2Index(config::PtzDev_Index2Type(row)), row);
    }

    const QByteArray sharpnessTexts[] = {"SOFT", "NORMAL", "HARD"};
    QCOMPARE(config::Sharpness_MaxItemNum(), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(QByteArray(config::Sharpness_Index2String(row)), sharpnessTexts[row]);
        QCOMPARE(int(config::Sharpness_Index2Type(row)), row);
        QCOMPARE(config::Sharpness_Type2Index(config::Sharpness_Index2Type(row)), row);
    }
}

void tst_CameraConf::spotModeRows_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<int>("chNum");
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<QList<int>>("modes");

    using S = config::Camera_Spot;
    const QByteArrayList singleTexts{"Single", "Sequence"};
    const QList<int> singleModes{S::MODE_SINGLE, S::MODE_SEQUENCE};
    QTest::newRow("4 single") << true << 4 << singleTexts << singleModes;
    QTest::newRow("8 single") << true << 8 << singleTexts << singleModes;
    QTest::newRow("16 single") << true << 16 << singleTexts << singleModes;
    QTest::newRow("4") << false << 4 << QByteArrayList{"Single", "Quad", "Sequence"}
                       << QList<int>{S::MODE_SINGLE, S::MODE_QUAD, S::MODE_SEQUENCE};
    QTest::newRow("8") << false << 8 << QByteArrayList{"Single", "Quad", "9 Split", "Sequence"}
                       << QList<int>{S::MODE_SINGLE, S::MODE_QUAD, S::MODE_NONA, S::MODE_SEQUENCE};
    QTest::newRow("16") << false << 16 << QByteArrayList{"Single", "Quad", "9 Split", "16 Split", "Sequence"}
                        << QList<int>{S::MODE_SINGLE, S::MODE_QUAD, S::MODE_NONA, S::MODE_16SPLIT, S::MODE_SEQUENCE};
}

void tst_CameraConf::spotModeRows()
{
    QFETCH(bool, single);
    QFETCH(int, chNum);
    QFETCH(QByteArrayList, texts);
    QFETCH(QList<int>, modes);

    QCOMPARE(config::SpotMode_Count(single, chNum), texts.size());
    for (int row = 0; row < texts.size(); ++row) {
        const config::Camera_Spot_Mode mode = config::SpotMode_Index2Type(single, chNum, row);
        QCOMPARE(QByteArray(config::SpotMode_Index2String(single, chNum, row)), texts.at(row));
        QCOMPARE(int(mode), modes.at(row));
        QCOMPARE(config::SpotMode_Type2Index(single, chNum, mode), row);
        QVERIFY(config::SpotMode_IsSupported(single, chNum, mode));
    }
}

void tst_CameraConf::spotModeLookup_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<int>("chNum");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("supported");

    using S = config::Camera_Spot;
    QTest::newRow("sequence, 4") << false << 4 << int(S::MODE_SEQUENCE) << 2 << true;
    QTest::newRow("sequence, 8") << false << 8 << int(S::MODE_SEQUENCE) << 3 << true;
    QTest::newRow("sequence, 16") << false << 16 << int(S::MODE_SEQUENCE) << 4 << true;
    QTest::newRow("sequence, single") << true << 16 << int(S::MODE_SEQUENCE) << 1 << true;
    // Modes a DVR may report that the chosen rows do not offer fall back to row 0.
    QTest::newRow("16 split, 8") << false << 8 << int(S::MODE_16SPLIT) << 0 << false;
    QTest::newRow("9 split, 4") << false << 4 << int(S::MODE_NONA) << 0 << false;
    QTest::newRow("quad, single") << true << 4 << int(S::MODE_QUAD) << 0 << false;
}

void tst_CameraConf::spotModeLookup()
{
    QFETCH(bool, single);
    QFETCH(int, chNum);
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(bool, supported);

    const auto spotMode = static_cast<config::Camera_Spot_Mode>(mode);
    QCOMPARE(config::SpotMode_Type2Index(single, chNum, spotMode), row);
    QCOMPARE(config::SpotMode_IsSupported(single, chNum, spotMode), supported);
}

void tst_CameraConf::spotModeWithoutTable_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<int>("chNum");

    QTest::newRow("0 channels") << false << 0;
    QTest::newRow("12 channels") << false << 12;
    QTest::newRow("32 channels, single") << true << 32;
    QTest::newRow("negative") << false << -4;
}

void tst_CameraConf::spotModeWithoutTable()
{
    QFETCH(bool, single);
    QFETCH(int, chNum);

    QCOMPARE(config::SpotMode_Count(single, chNum), 0);
    for (int index : {-1, 0, 4}) {
        QCOMPARE(QByteArray(config::SpotMode_Index2String(single, chNum, index)), QByteArray());
        QCOMPARE(config::SpotMode_Index2Type(single, chNum, index), config::Camera_Spot::MODE_SINGLE);
    }
    QCOMPARE(config::SpotMode_Type2Index(single, chNum, config::Camera_Spot::MODE_SEQUENCE), -1);
    QVERIFY(!config::SpotMode_IsSupported(single, chNum, config::Camera_Spot::MODE_SINGLE));
}

void tst_CameraConf::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/camera";
    using S = config::Camera_Spot;

    QTest::newRow("baud rate row 8") << Action([] { config::BaudRate_Index2String(8); })
                                     << QByteArray("BaudRate_Index2String") << source;
    QTest::newRow("dwell value 8") << Action([] { config::SeqTime_Type2Value(config::Camera_SeqTime(8)); })
                                   << QByteArray("SeqTime_Type2Value") << source;
    QTest::newRow("spot row 4 of 8 channels")
        << Action([] { config::SpotMode_Index2String(false, 8, 4); }) << QByteArray("SpotMode_Index2String") << source;
    QTest::newRow("spot mode 7") << Action([] { config::SpotMode_Type2Index(false, 16, S::Mode(7)); })
                                 << QByteArray("SpotMode_Type2Index") << source;
    QTest::newRow("PTZ row 2") << Action([] { config::PtzDev_Index2String(2); }) << QByteArray("PtzDev_Index2String")
                               << source;
    QTest::newRow("sharpness value -1") << Action([] { config::Sharpness_Type2Index(config::Camera_Sharpness(-1)); })
                                        << QByteArray("Sharpness_Type2Index") << source;
}

void tst_CameraConf::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_CameraConf)
#include "tst_CameraConf.moc"
