#include "Common/CCoreMetaTypes.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CPictureWidget.h"
#include "DVRSetup/CPtzfWidget.h"
#include "DVRSetup/CRemotePortWiget.h"
#include "Recording/CReadDVRData.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrPictureSet.h"
#include "WireBuilder.h"

#include <QComboBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

const int CLIENT_ID = 12;
const int CHANNEL = 3;
const int REPEAT_MS = 50;
const int SECOND_MS = 20; // 30 s of auto-off last 600 ms
const int QUIET_MS = 250; // several repeat periods: what has not come by then does not come
const int RELAY_QUIET_MS = 700; // longer than any auto-off
const char* const SLIDERS[] = {"contrast", "brightness", "saturation", "hsharpness", "vsharpness"};

template <typename Message> Message decoded(const TestDvrRequest& request)
{
    Message message;
    message.ParseFromString(request.data.toStdString());
    return message;
}

// A request as one line: the old dialect's query as it stands, the new
// dialect's message fields in order.
QString describe(const TestDvrRequest& request)
{
    if (request.dialect == TestDvrRequest::OldDialect)
        return QString::fromLatin1(request.query);
    switch (request.mode) {
    case cgi::MODE_PTZF: {
        const auto m = decoded<cgi::Ptzf>(request);
        const QString text = QStringLiteral("ptzf %1 ch%2 s%3").arg(m.cmd()).arg(m.channel()).arg(m.speed());
        return m.has_preset() ? text + QStringLiteral(" p%1").arg(m.preset()) : text;
    }
    case cgi::MODE_AUTO_PRESET: {
        const auto m = decoded<cgi::AutoPreset>(request);
        return QStringLiteral("tour %1 ch%2 %3-%4 %5")
            .arg(m.cmd())
            .arg(m.channel())
            .arg(m.start_preset())
            .arg(m.end_preset())
            .arg(m.interval());
    }
    case cgi::MODE_RELAY_PORT:
        return QStringLiteral("relay %1").arg(decoded<cgi::RelayPort>(request).cmd());
    case cgi::MODE_PICTURE_SET: {
        const auto m = decoded<cgi::PictureControlSet>(request);
        return QStringLiteral("picture ch%1 t%2 v%3").arg(m.channel()).arg(m.type()).arg(m.value());
    }
    default:
        return QStringLiteral("mode %1").arg(request.mode);
    }
}

QString oldQuery(const QString& op, const QString& request, bool channel = true)
{
    return QStringLiteral("MODE=5&CID=12&OP=%1%2&LEN=%3&REQ=%4")
        .arg(op, channel ? QStringLiteral("&CH=3") : QString())
        .arg(request.size())
        .arg(request);
}

// Channel c's value in row r (contrast 0 ... vertical sharpness 4) is first + c + r, modulo 16.
cgi::PictureControlGet pictureOf(int channels, quint32 first)
{
    cgi::PictureControlGet picture;
    google::protobuf::RepeatedField<google::protobuf::uint32>* const rows[]
        = {picture.mutable_contrast(), picture.mutable_brightness(), picture.mutable_saturation(),
            picture.mutable_hsharpness(), picture.mutable_vsharpness()};
    quint32 row = 0;
    for (auto* list : rows) {
        for (int channel = 0; channel < channels; ++channel)
            list->Add((first + channel + row) % 16);
        ++row;
    }
    return picture;
}

QPoint handleAt(QSlider* slider, int value)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

} // namespace

class tst_LiveControlPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ptzf_data();
    void ptzf();
    void ptzfSpeedIsKept_data();
    void ptzfSpeedIsKept();
    void tour_data();
    void tour();
    void tourSettings_data();
    void tourSettings();
    void relay_data();
    void relay();
    void pictureIsReadOncePerDvr();
    void pictureWrites();
    void pictureBadReplies_data();
    void pictureBadReplies();
    void pictureSilentDvr();
    void pageButtons();
    void changeState_data();
    void changeState();
    void languageChange();

private:
    template <typename T = QPushButton> T* child(const char* name) const
    {
        return m_panel->findChild<T*>(QLatin1String(name));
    }
    void connectDvr(bool oldProtocol, bool showRelay = true);
    QStringList requests(TestDvrRequest::Kind kind) const;
    // Waits for that many commands and a quiet time after them.
    QStringList commands(int count, int quietMs = QUIET_MS) const;
    QList<int> sliderValues() const;

    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<CLiveCtrlWidget> m_panel;
};

void tst_LiveControlPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
}

void tst_LiveControlPanel::init()
{
    QSettings(CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME).clear();
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    TestDvrPictureSet::install(m_dvr.get());
    // Values in the sliders' range, so that showing them writes nothing back.
    TestDvrContent content = m_dvr->content();
    content.picture = pictureOf(16, 0);
    m_dvr->setContent(content);
    m_panel = std::make_unique<CLiveCtrlWidget>();
    m_panel->findChild<CPtzfWidget*>()->setRepeatInterval(REPEAT_MS);
    m_panel->findChild<CRemotePortWiget*>()->setSecondLength(SECOND_MS);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void tst_LiveControlPanel::cleanup()
{
    m_panel.reset();
    m_dvr.reset();
}

void tst_LiveControlPanel::connectDvr(bool oldProtocol, bool showRelay)
{
    m_panel->setConnectedDVR(m_dvr->dvrRecord(oldProtocol), CLIENT_ID, showRelay);
    m_panel->setSelectedChannel(CHANNEL);
}

QStringList tst_LiveControlPanel::requests(TestDvrRequest::Kind kind) const
{
    QStringList lines;
    for (const TestDvrRequest& request : m_dvr->requests()) {
        if (request.kind == kind)
            lines << describe(request);
    }
    return lines;
}

QStringList tst_LiveControlPanel::commands(int count, int quietMs) const
{
    const auto received = [&] { return requests(TestDvrRequest::Command).size(); };
    if (QTest::qWaitFor([&] { return received() >= count; }, 5000)) {
        // Whatever comes during the quiet time shows in the caller's comparison.
        const auto seen = received();
        static_cast<void>(QTest::qWaitFor([&] { return received() > seen; }, quietMs));
    }
    return requests(TestDvrRequest::Command);
}

QList<int> tst_LiveControlPanel::sliderValues() const
{
    QList<int> values;
    for (const char* name : SLIDERS)
        values << child<QSlider>(name)->value();
    return values;
}

void tst_LiveControlPanel::ptzf_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("sent"); // at the press; a stop follows at the release

    const struct {
        const char* button;
        int command;
        const char* oldCode;
    } moves[] = {{"zoom_in", 0, "0S2"}, {"zoom_out", 1, "1S2"}, {"focus_far", 2, "2S2"}, {"focus_near", 3, "3S2"},
        {"iris_open", 4, nullptr}, {"iris_close", 5, nullptr}, {"right", 6, "4S2"}, {"left", 7, "5S2"},
        {"up", 8, "6S2"}, {"down", 9, "7S2"}};
    for (const auto& move : moves) {
        const QString button = QStringLiteral("ptzf_") + QLatin1String(move.button);
        QTest::addRow("new %s", move.button)
            << false << button
            << QStringList{QStringLiteral("ptzf %1 ch3 s2").arg(move.command), QStringLiteral("ptzf 10 ch3 s2")};
        // The old dialect has no iris: its buttons are disabled.
        const QStringList old
            = move.oldCode ? QStringList{oldQuery("7", move.oldCode), oldQuery("7", "8")} : QStringList();
        QTest::addRow("old %s", move.button) << true << button << old;
    }
    QTest::newRow("new Set, preset 99") << false << "Set" << QStringList{"ptzf 11 ch3 s2 p98"};
    QTest::newRow("new Go, preset 99") << false << "Go" << QStringList{"ptzf 12 ch3 s2 p98"};
    QTest::newRow("old Set, preset 99") << true << "Set" << QStringList{oldQuery("7", "9S99")};
    QTest::newRow("old Go, preset 99") << true << "Go" << QStringList{oldQuery("7", "9G99")};
}

void tst_LiveControlPanel::ptzf()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QString, button);
    QFETCH(QStringList, sent);

    connectDvr(oldProtocol);
    child<QSlider>("Speed")->setValue(2);
    child<QComboBox>("presetNum")->setCurrentIndex(98);
    QPushButton* pushed = child(button.toLatin1().constData());
    QTest::mouseClick(pushed, Qt::LeftButton);
    QCOMPARE(commands(sent.size()), sent);
    if (sent.size() < 2)
        return;

    // Held: the move again at every tick, then one stop and nothing after it.
    QTest::mousePress(pushed, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return requests(TestDvrRequest::Command).size() >= sent.size() + 3; }));
    QTest::mouseRelease(pushed, Qt::LeftButton);
    const QStringList held = commands(sent.size() + 4).mid(sent.size());
    QVERIFY2(held.size() >= 4, qPrintable(held.join('\n')));
    QCOMPARE(held.last(), sent.last());
    QCOMPARE(held.mid(0, held.size() - 1), QStringList(held.size() - 1, sent.first()));
}

void tst_LiveControlPanel::ptzfSpeedIsKept_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing stored") << QVariant() << "Slow";
    QTest::newRow("1") << QVariant(1) << "Normal";
    QTest::newRow("out of range") << QVariant(7) << "Very Fast";
}

void tst_LiveControlPanel::ptzfSpeedIsKept()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);

    if (stored.isValid())
        CAppSettings().writeSetting(QStringLiteral("Speed"), stored);
    auto page = std::make_unique<CPtzfWidget>();
    QCOMPARE(page->findChild<QLabel*>("SpeedLabel")->text(), shown);
    page->findChild<QSlider*>("Speed")->setValue(2);
    page.reset();
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")).toInt(), 2);
}

void tst_LiveControlPanel::tour_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("sent");
    QTest::newRow("new start") << false << "AutoStart"
                               << "tour 0 ch3 1-5 10";
    QTest::newRow("new stop") << false << "AutoEnd"
                              << "tour 1 ch3 0-0 0";
    QTest::newRow("old start") << true << "AutoStart" << oldQuery("7", "10G2,5,10");
    QTest::newRow("old stop") << true << "AutoEnd" << oldQuery("7", "11");
}

void tst_LiveControlPanel::tour()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QString, button);
    QFETCH(QString, sent);

    connectDvr(oldProtocol);
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    child<QComboBox>("StartPreset")->setCurrentIndex(1);
    child<QComboBox>("EndPreset")->setCurrentIndex(4);
    child<QComboBox>("Interval")->setCurrentText("10");
    QTest::mouseClick(child(button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(commands(1), QStringList{sent});
}

void tst_LiveControlPanel::tourSettings_data()
{
    QTest::addColumn<QString>("leaveBy"); // a page button, or a new screen selection
    QTest::addColumn<int>("storedInterval");
    QTest::addColumn<QStringList>("shown"); // when the screen is selected again
    const QStringList chosen{"preset 2", "preset 5", "10"};
    const QStringList fresh{"preset 1", "preset 1", "5"};
    QTest::newRow("PTZ page") << "DVRControl0" << -1 << chosen;
    QTest::newRow("its own page") << "DVRControl1" << -1 << chosen;
    QTest::newRow("picture page") << "DVRControl3" << -1 << chosen;
    QTest::newRow("new screen, nothing stored") << "" << -1 << fresh;
    QTest::newRow("new screen, interval 0 stored") << "" << 0 << fresh;
    QTest::newRow("new screen, interval 20 stored") << "" << 20 << QStringList{"preset 1", "preset 1", "20"};
}

void tst_LiveControlPanel::tourSettings()
{
    QFETCH(QString, leaveBy);
    QFETCH(int, storedInterval);
    QFETCH(QStringList, shown);

    if (storedInterval >= 0)
        CAppSettings().writeAutoPreset(CHANNEL, 0, 0, storedInterval);
    connectDvr(false);
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    child<QComboBox>("StartPreset")->setCurrentIndex(1);
    child<QComboBox>("EndPreset")->setCurrentIndex(4);
    child<QComboBox>("Interval")->setCurrentText("10");
    if (!leaveBy.isEmpty()) {
        QTest::mouseClick(child(leaveBy.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(
            QSettings(CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME).value("channel3/EndPreset"), QVariant(4));
    }

    connectDvr(false);
    const QStringList texts{child<QComboBox>("StartPreset")->currentText(),
        child<QComboBox>("EndPreset")->currentText(), child<QComboBox>("Interval")->currentText()};
    QCOMPARE(texts, shown);
}

void tst_LiveControlPanel::relay_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("offLater"); // the last off comes only after the quiet time

    for (const bool old : {false, true}) {
        const QString on = old ? oldQuery("20", "0,1", false) : "relay 0";
        const QString off = old ? oldQuery("20", "0,0", false) : "relay 1";
        const char* dialect = old ? "old" : "new";
        QTest::addRow("%s On", dialect) << old << QStringList{"RPOn0"} << QStringList{on} << false;
        QTest::addRow("%s Off", dialect) << old << QStringList{"RPOff0"} << QStringList{off} << false;
        QTest::addRow("%s 10, Auto", dialect)
            << old << QStringList{"AutoOff1", "RPAuto0"} << QStringList{on, off} << false;
        QTest::addRow("%s 10, Auto, Off", dialect)
            << old << QStringList{"AutoOff1", "RPAuto0", "RPOff0"} << QStringList{on, off} << false;
        QTest::addRow("%s 30, Auto, Auto", dialect)
            << old << QStringList{"AutoOff3", "RPAuto0", "RPAuto0"} << QStringList{on, on} << false;
        QTest::addRow("%s 30, Auto, 5", dialect)
            << old << QStringList{"AutoOff3", "RPAuto0", "AutoOff0"} << QStringList{on, off} << true;
    }
}

void tst_LiveControlPanel::relay()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, sent);
    QFETCH(bool, offLater);

    connectDvr(oldProtocol);
    QTest::mouseClick(child("DVRControl2"), Qt::LeftButton);
    for (const QString& name : clicks)
        QTest::mouseClick(child(name.toLatin1().constData()), Qt::LeftButton);
    // An off 5 s (100 ms) after the start would show within the first wait.
    if (offLater)
        QCOMPARE(commands(sent.size() - 1, 150), sent.mid(0, sent.size() - 1));
    QCOMPARE(commands(sent.size(), RELAY_QUIET_MS), sent);
    QVERIFY(!child("RPAuto0")->isChecked());
}

void tst_LiveControlPanel::pictureIsReadOncePerDvr()
{
    TestDvrContent content = m_dvr->content();
    content.picture = pictureOf(4, 1);
    m_dvr->setContent(content);

    connectDvr(false);
    QTRY_COMPARE(sliderValues(), (QList<int>{4, 5, 6, 7, 8}));
    QCOMPARE(requests(TestDvrRequest::DataRead), QStringList{"mode 19"});
    m_panel->setSelectedChannel(5); // beyond the reply's channels
    QCOMPARE(sliderValues(), QList<int>(5, 8));

    // The same DVR again (as after a reconnection) is not read again.
    connectDvr(false);
    QCOMPARE(sliderValues(), (QList<int>{4, 5, 6, 7, 8}));

    m_dvr->setCredentials("admin", "changed");
    connectDvr(false);
    QVERIFY(m_dvr->waitForRequests(2));
    QCOMPARE(requests(TestDvrRequest::DataRead).size(), 2);

    DVR old = m_dvr->dvrRecord(true);
    old.set_name("Old DVR");
    m_panel->setConnectedDVR(old, CLIENT_ID, false);
    m_panel->setSelectedChannel(CHANNEL);
    QCOMPARE(sliderValues(), QList<int>(5, 8));
    QCOMPARE(commands(0), QStringList());
    QCOMPARE(requests(TestDvrRequest::DataRead).size(), 2);
}

void tst_LiveControlPanel::pictureWrites()
{
    TestDvrContent content = m_dvr->content();
    content.picture = pictureOf(16, 14); // channel 5: contrast 3, brightness 4
    m_dvr->setContent(content);
    m_panel->setConnectedDVR(m_dvr->dvrRecord(), CLIENT_ID, true);
    m_panel->setSelectedChannel(5); // while the PTZ page shows
    QTest::mouseClick(child("DVRControl3"), Qt::LeftButton);
    QSlider* contrast = child<QSlider>("contrast");
    QTRY_COMPARE(contrast->value(), 3);

    const auto drag = [&](QList<int> through) {
        QTest::mousePress(contrast, Qt::LeftButton, {}, handleAt(contrast, through.first()));
        for (int value : through.mid(1))
            QTest::mouseMove(contrast, handleAt(contrast, value));
        QTest::mouseRelease(contrast, Qt::LeftButton, {}, handleAt(contrast, through.last()));
    };
    drag({3, 7, 12});
    QCOMPARE(commands(1), QStringList{"picture ch5 t1 v12"});
    drag({12, 5, 12});
    QCOMPARE(commands(1), QStringList{"picture ch5 t1 v12"});

    // A click in the groove steps at once, without waiting for the release.
    QSlider* brightness = child<QSlider>("brightness");
    QTest::mousePress(brightness, Qt::LeftButton, {}, QPoint(brightness->width() - 2, brightness->height() / 2));
    QTRY_COMPARE(requests(TestDvrRequest::Command).size(), 2);
    QTest::mouseRelease(brightness, Qt::LeftButton, {}, QPoint(brightness->width() - 2, brightness->height() / 2));
    QCOMPARE(commands(2).last(), "picture ch5 t2 v5");
    QCOMPARE(m_dvr->content().picture.contrast(5), 12u);

    QTest::mouseClick(child("set_default"), Qt::LeftButton);
    QCOMPARE(commands(3).last(), "picture ch5 t0 v0");
    QCOMPARE(sliderValues(), QList<int>(5, 8));
    const cgi::PictureControlGet held = m_dvr->content().picture;
    QCOMPARE((QList<quint32>{
                 held.contrast(5), held.brightness(5), held.saturation(5), held.hsharpness(5), held.vsharpness(5)}),
        QList<quint32>(5, TestDvrPictureSet::DEFAULT_VALUE));
}

void tst_LiveControlPanel::pictureBadReplies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // empty with status 0: the DVR garbles its answer

    const QByteArray picture = WireBuilder::bytesOf(pictureOf(16, 1));
    const QByteArray whole = TestDvrAnswers::messagePacket(1, cgi::DATA_PICTURE, pictureOf(16, 1));
    QTest::newRow("empty") << 200 << QByteArray();
    QTest::newRow("HTTP 500") << 500 << whole;
    QTest::newRow("garbled") << 0 << QByteArray();
    QTest::newRow("type 1") << 200 << WireBuilder::packet(1, cgi::DATA_DVR_INFO, picture);
    QTest::newRow("cut short") << 200 << whole.left(whole.size() - 5);
    QTest::newRow("unparsable") << 200 << WireBuilder::packet(1, cgi::DATA_PICTURE, "\xff\xff\xff");
}

void tst_LiveControlPanel::pictureBadReplies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    if (status == 0)
        m_dvr->setFault(TestDvr::Fault::Garbled);
    else
        m_dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_PICTURE_GET,
            [=](const TestDvrRequest&, const TestDvrContent&) { return TestDvrReply::http(status, body); });
    m_panel->setConnectedDVR(m_dvr->dvrRecord(), CLIENT_ID, true);
    QSignalSpy completed(m_panel->findChild<CReadDVRData*>(), &CReadDVRData::completed);
    QVERIFY(completed.wait());
    m_panel->setSelectedChannel(CHANNEL);
    QCOMPARE(sliderValues(), QList<int>(5, 8));
    QCOMPARE(commands(0), QStringList());
}

void tst_LiveControlPanel::pictureSilentDvr()
{
    CPictureWidget* page = m_panel->findChild<CPictureWidget*>();
    page->setReadTimeLimit(300);
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    m_panel->setConnectedDVR(m_dvr->dvrRecord(), CLIENT_ID, true);
    QSignalSpy completed(m_panel->findChild<CReadDVRData*>(), &CReadDVRData::completed);
    QVERIFY(completed.wait());
    QCOMPARE(completed.first().first().toByteArray(), QByteArray());

    // A slow DVR left for another: the other's values show, the late answer is dropped.
    TestDvr other;
    QVERIFY(other.listen());
    TestDvrContent content = other.content();
    content.picture = pictureOf(16, 1);
    other.setContent(content);
    m_dvr->setFault(TestDvr::Fault::SlowAnswer);
    m_dvr->setSlowAnswerDelay(200);
    DVR slow = m_dvr->dvrRecord();
    slow.set_name("Slow DVR");
    m_panel->setConnectedDVR(slow, CLIENT_ID, true);
    QVERIFY(m_dvr->waitForRequests(2));
    QPointer<CReadDVRData> slowRead = m_panel->findChildren<CReadDVRData*>().last();
    m_panel->setConnectedDVR(other.dvrRecord(), CLIENT_ID, true);
    m_panel->setSelectedChannel(CHANNEL);
    // The slow read is gone: its answer has nowhere to go.
    QTRY_VERIFY(slowRead.isNull());
    QTRY_COMPARE(sliderValues(), (QList<int>{4, 5, 6, 7, 8}));
    QTest::mouseClick(child("ptzf_up"), Qt::LeftButton);
    QVERIFY(other.waitForRequests(3));
}

void tst_LiveControlPanel::pageButtons()
{
    connectDvr(false);
    QTest::mouseClick(child("DVRControl2"), Qt::LeftButton);
    auto* pages = child<QStackedWidget>("stackedWidget");
    QCOMPARE(pages->currentIndex(), 2);

    connectDvr(false, false);
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(child("DVRControl2")->isHidden());
    QVERIFY(m_panel->findChild<CRemotePortWiget*>()->isHidden());

    m_panel->setVisiblePictureCtrl(false);
    QVERIFY(child("DVRControl3")->isHidden());
    QVERIFY(!m_panel->findChild<CPictureWidget*>()->isHidden());
    QVERIFY(!child("DVRControl0")->isHidden() && !child("DVRControl1")->isHidden());
}

void tst_LiveControlPanel::changeState_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QList<bool>>("enabled"); // PTZ, tour, relay, picture
    QTest::newRow("PTZ") << "DVRControl0" << QList<bool>{false, false, true, true};
    QTest::newRow("tour") << "DVRControl1" << QList<bool>{true, true, true, true};
    QTest::newRow("relay") << "DVRControl2" << QList<bool>{true, true, true, true};
    QTest::newRow("picture") << "DVRControl3" << QList<bool>{true, true, true, false};
}

void tst_LiveControlPanel::changeState()
{
    QFETCH(QString, page);
    QFETCH(QList<bool>, enabled);

    QTest::mouseClick(child(page.toLatin1().constData()), Qt::LeftButton);
    m_panel->changeState(false);
    const QList<bool> state{child<QWidget>("CPtzfWidget")->isEnabled(),
        child<QWidget>("CAutoPresetWidget")->isEnabled(), child<QWidget>("CRemotePortWiget")->isEnabled(),
        child<QWidget>("CPictureWidget")->isEnabled()};
    QCOMPARE(state, enabled);
}

void tst_LiveControlPanel::languageChange()
{
    const QList<QPair<const char*, QString>> texts{
        {"DVRControl0", "PTZ"}, {"Go", "Go"}, {"AutoStart", "Start"}, {"RPOn0", "On"}, {"set_default", "Default"}};
    for (const auto& [name, text] : texts)
        child(name)->setText("x");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_panel.get(), &change);
    for (const auto& [name, text] : texts)
        QCOMPARE(child(name)->text(), text);
}

QTEST_MAIN(tst_LiveControlPanel)
#include "tst_LiveControlPanel.moc"
