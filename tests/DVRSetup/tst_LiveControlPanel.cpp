#include "ChooseEntry.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/COrderedCommands.h"
#include "Connection/CReadDVRData.h"
#include "DVRSetup/CLiveCommand.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CPictureWidget.h"
#include "DVRSetup/CProblemLine.h"
#include "DVRSetup/CPtzfWidget.h"
#include "DVRSetup/CRelaySwitches.h"
#include "DVRSetup/CRemotePortWiget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CPendingSettings.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrPictureSet.h"
#include "WireBuilder.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
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
#include <QTimer>
#include <memory>

namespace {

const int CLIENT_ID = 12;
const int CHANNEL = 3;
const int REPEAT_MS = 50;
const int SECOND_MS = 20; // 30 s of auto-off last 600 ms
const int QUIET_MS = 250; // several repeat periods: what has not come by then does not come
const int RELAY_QUIET_MS = 700; // longer than any auto-off
// The account of A's second directory entry in some rows: the DVR lets it
// watch but not steer the cameras.
const char* const GUEST = "guest";
const char* const GUEST_PASSWORD = "9999";

// A request as one line: the old dialect's query as it stands, the new
// dialect's message fields in order.
QString describe(const TestDvrRequest& request)
{
    if (request.dialect == TestDvrRequest::OldDialect)
        return QString::fromLatin1(request.query);
    if (!request.authorized)
        return QStringLiteral("refused for its password");
    const QString account = request.guest ? QStringLiteral(" as guest") : QString();
    const std::string data = request.data.toStdString();
    cgi::Ptzf ptzf;
    cgi::AutoPreset tour;
    cgi::RelayPort relay;
    cgi::PictureControlSet picture;
    switch (request.mode) {
    case cgi::MODE_PTZF:
        ptzf.ParseFromString(data);
        return QString::asprintf("ptzf %d ch%u s%u", ptzf.cmd(), ptzf.channel(), ptzf.speed())
            + (ptzf.has_preset() ? QString::asprintf(" p%u", ptzf.preset()) : QString()) + account;
    case cgi::MODE_AUTO_PRESET:
        tour.ParseFromString(data);
        return QString::asprintf("tour %d ch%u %u-%u %u", tour.cmd(), tour.channel(), tour.start_preset(),
                   tour.end_preset(), tour.interval())
            + account;
    case cgi::MODE_RELAY_PORT:
        relay.ParseFromString(data);
        return QString::asprintf("relay %d", relay.cmd()) + account;
    case cgi::MODE_PICTURE_SET:
        picture.ParseFromString(data);
        return QString::asprintf("picture ch%u t%d v%u", picture.channel(), picture.type(), picture.value());
    default:
        return QString::asprintf("mode %d", request.mode);
    }
}

QString oldQuery(const QString& op, const QString& request, bool channel = true, int clientId = CLIENT_ID)
{
    return QStringLiteral("MODE=5&CID=%1&OP=%2%3&LEN=%4&REQ=%5")
        .arg(clientId)
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
    // As the slider draws itself: a vertical one has its minimum at the bottom.
    option.upsideDown
        = slider->orientation() == Qt::Vertical ? !slider->invertedAppearance() : slider->invertedAppearance();
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
    void commands_data();
    void commands();
    void commandsStayWithTheirDvr_data();
    void commandsStayWithTheirDvr();
    void ptzfSpeedIsKept();
    void tourSettings_data();
    void tourSettings();
    void choicesWhileTheFileIsHeld_data();
    void choicesWhileTheFileIsHeld();
    void noChoiceWaitsForTheFile_data();
    void noChoiceWaitsForTheFile();
    void pictureIsReadOncePerDvr();
    void pictureWrites();
    void pictureReplies_data();
    void pictureReplies();
    void pictureSlowDvrLeft();
    void pageButtons();
    void changeState_data();
    void changeState();
    void networkFailuresReadInTheLanguageChosen_data();
    void networkFailuresReadInTheLanguageChosen();

private:
    template <typename T = QPushButton> T* child(const char* name) const
    {
        return m_panel->findChild<T*>(QLatin1String(name));
    }
    void connectDvr(bool oldProtocol, bool showRelay = true);
    // The record of a directory entry of the test's DVRs: "A" (A's first),
    // "A2" (A's second), "G" (A's second under the guest account) or "B".
    DVR entryRecord(const QString& name, const TestDvr& other, bool oldProtocol) const;
    CDirectoryEntry::Id entryOf(const QString& name) const;
    // The problem line of the page shown.
    const CProblemLine* problemLine() const;
    // From the panel's DVR, or from the one given.
    QStringList requests(TestDvrRequest::Kind kind, const TestDvr* dvr = nullptr) const;
    // Waits for that many commands and a quiet time after them.
    QStringList received(int count, int quietMs = QUIET_MS) const;
    // Start preset 2, end preset 5, 10 s, as the operator chooses them.
    void chooseTour() const;
    static QList<int> storedTour(int channel);
    QList<int> sliderValues() const;

    // Holds the settings file's lock as another program does while it saves.
    void holdSettings();

    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<CLiveCtrlWidget> m_panel;
    std::unique_ptr<QLockFile> m_settingsLock;
    // A's two entries and B's.
    CDirectoryEntry::Id m_entryA = CDirectoryEntry::NONE;
    CDirectoryEntry::Id m_entryA2 = CDirectoryEntry::NONE;
    CDirectoryEntry::Id m_entryB = CDirectoryEntry::NONE;
};

void tst_LiveControlPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
    m_entryA = CDirectoryEntry::fresh();
    m_entryA2 = CDirectoryEntry::fresh();
    m_entryB = CDirectoryEntry::fresh();
}

void tst_LiveControlPanel::init()
{
    QSettings(CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME).clear();
    // As at a viewer's first start, not even the folder is there.
    QVERIFY(QDir(QFileInfo(CAppSettings::fileName()).absolutePath()).removeRecursively());
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
    // A refused switch-off is sent again only when a row says so.
    CRelaySwitches::ofApplication().setRetryInterval(3600000);
}

void tst_LiveControlPanel::cleanup()
{
    // A row that failed while another language was chosen leaves it to none
    // of the later ones.
    CLanguage().applyLanguage(QStringLiteral("English"));
    m_panel.reset();
    // A row's choices still pending are written before the next row starts.
    m_settingsLock.reset();
    QTRY_VERIFY(CPendingSettings::ofApplication().isEmpty());
    // A switch-off outlives the panel; it must not outlive the DVR.
    CRelaySwitches& relays = CRelaySwitches::ofApplication();
    relays.sendAllNow();
    QTRY_VERIFY(CApplicationSender::pending() == 0 && !COrderedCommands::ofApplication().isBusy());
    // The next row's DVR may listen on this port: its line starts afresh.
    COrderedCommands::ofApplication().unlist(m_dvr->dvrRecord());
    m_dvr.reset();
}

void tst_LiveControlPanel::connectDvr(bool oldProtocol, bool showRelay)
{
    m_panel->setConnectedDVR(m_dvr->dvrRecord(oldProtocol), CLIENT_ID, showRelay, m_entryA);
    m_panel->setSelectedChannel(CHANNEL);
}

DVR tst_LiveControlPanel::entryRecord(const QString& name, const TestDvr& other, bool oldProtocol) const
{
    DVR record = (name == "B" ? other : *m_dvr).dvrRecord(oldProtocol);
    record.set_name(name == "G" ? "A2" : name.toStdString());
    if (name == "G") {
        record.set_id(GUEST);
        record.set_password(GUEST_PASSWORD);
    }
    return record;
}

CDirectoryEntry::Id tst_LiveControlPanel::entryOf(const QString& name) const
{
    return name == "B" ? m_entryB : name == "A" ? m_entryA : m_entryA2;
}

const CProblemLine* tst_LiveControlPanel::problemLine() const
{
    return child<QStackedWidget>("stackedWidget")->currentWidget()->findChild<CProblemLine*>();
}

QStringList tst_LiveControlPanel::requests(TestDvrRequest::Kind kind, const TestDvr* dvr) const
{
    QStringList lines;
    for (const TestDvrRequest& request : (dvr ? dvr : m_dvr.get())->requests()) {
        if (request.kind == kind)
            lines << describe(request);
    }
    return lines;
}

QStringList tst_LiveControlPanel::received(int count, int quietMs) const
{
    const auto size = [&] { return requests(TestDvrRequest::Command).size(); };
    if (QTest::qWaitFor([&] { return size() >= count; }, 5000)) {
        // Whatever comes during the quiet time shows in the caller's comparison.
        const auto seen = size();
        static_cast<void>(QTest::qWaitFor([&] { return size() > seen; }, quietMs));
    }
    return requests(TestDvrRequest::Command);
}

void tst_LiveControlPanel::chooseTour() const
{
    chooseEntry(*child<QComboBox>("StartPreset"), 1);
    chooseEntry(*child<QComboBox>("EndPreset"), 4);
    chooseEntry(*child<QComboBox>("Interval"), 1); // 10 s
}

void tst_LiveControlPanel::holdSettings()
{
    // Another program's save makes the folder first, as the viewer's own
    // saves do: the lock file lives in it.
    QVERIFY(QDir().mkpath(QFileInfo(CAppSettings::fileName()).absolutePath()));
    m_settingsLock = std::make_unique<QLockFile>(CAppSettings::fileName() + QStringLiteral(".lock"));
    QVERIFY(m_settingsLock->tryLock(0));
}

QList<int> tst_LiveControlPanel::storedTour(int channel)
{
    const CAppSettings settings;
    QList<int> tour;
    for (const QString& key : CAppSettings::autoPresetKeys(channel))
        tour << settings.readSetting(key, 0).toInt();
    return tour;
}

QList<int> tst_LiveControlPanel::sliderValues() const
{
    QList<int> values; // contrast, brightness, saturation, horizontal and vertical sharpness
    for (const QSlider* slider : m_panel->findChild<CPictureWidget*>()->findChildren<QSlider*>())
        values << slider->value();
    return values;
}

void tst_LiveControlPanel::commands_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QStringList>("clicks"); // speed 2, preset 99, tour from preset 2 to 5 every 10 s
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("late"); // the last command comes only after a wait: the relay's auto-off

    const struct {
        const char* button;
        int command;
        const char* oldCode;
    } moves[] = {{"zoom_in", 0, "0S2"}, {"zoom_out", 1, "1S2"}, {"focus_far", 2, "2S2"}, {"focus_near", 3, "3S2"},
        {"iris_open", 4, nullptr}, {"iris_close", 5, nullptr}, {"right", 6, "4S2"}, {"left", 7, "5S2"},
        {"up", 8, "6S2"}, {"down", 9, "7S2"}};
    for (const auto& move : moves) {
        const QStringList button{QStringLiteral("ptzf_") + QLatin1String(move.button)};
        QTest::addRow("new %s", move.button)
            << false << button << QStringList{QString::asprintf("ptzf %d ch3 s2", move.command), "ptzf 10 ch3 s2"}
            << false;
        // The old dialect has no iris: its buttons are disabled.
        const QStringList old
            = move.oldCode ? QStringList{oldQuery("7", move.oldCode), oldQuery("7", "8")} : QStringList();
        QTest::addRow("old %s", move.button) << true << button << old << false;
    }
    QTest::newRow("new Set") << false << QStringList{"Set"} << QStringList{"ptzf 11 ch3 s2 p98"} << false;
    QTest::newRow("new Go") << false << QStringList{"Go"} << QStringList{"ptzf 12 ch3 s2 p98"} << false;
    QTest::newRow("old Set") << true << QStringList{"Set"} << QStringList{oldQuery("7", "9S99")} << false;
    QTest::newRow("old Go") << true << QStringList{"Go"} << QStringList{oldQuery("7", "9G99")} << false;

    const QStringList start{"DVRControl1", "AutoStart"};
    const QStringList stop{"DVRControl1", "AutoEnd"};
    QTest::newRow("new tour start") << false << start << QStringList{"tour 0 ch3 1-5 10"} << false;
    QTest::newRow("new tour stop") << false << stop << QStringList{"tour 1 ch3 0-0 0"} << false;
    QTest::newRow("old tour start") << true << start << QStringList{oldQuery("7", "10G2,5,10")} << false;
    QTest::newRow("old tour stop") << true << stop << QStringList{oldQuery("7", "11")} << false;

    for (const bool old : {false, true}) {
        const QString on = old ? oldQuery("20", "0,1", false) : "relay 0";
        const QString off = old ? oldQuery("20", "0,0", false) : "relay 1";
        const char* dialect = old ? "old" : "new";
        const auto row = [&](const char* name, const QStringList& clicks, const QStringList& sent, bool late = false) {
            QTest::addRow("%s relay %s", dialect, name) << old << QStringList{"DVRControl2"} + clicks << sent << late;
        };
        row("On", {"RPOn0"}, {on});
        row("Off", {"RPOff0"}, {off});
        row("10, Auto", {"AutoOff1", "RPAuto0"}, {on, off});
        row("10, Auto, Off", {"AutoOff1", "RPAuto0", "RPOff0"}, {on, off});
        row("30, Auto, Auto", {"AutoOff3", "RPAuto0", "RPAuto0"}, {on, on});
        row("30, Auto, 5", {"AutoOff3", "RPAuto0", "AutoOff0"}, {on, off}, true);
    }
}

void tst_LiveControlPanel::commands()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, sent);
    QFETCH(bool, late);

    connectDvr(oldProtocol);
    child<QSlider>("Speed")->setValue(2);
    child<QComboBox>("presetNum")->setCurrentIndex(98);
    chooseTour();
    for (const QString& name : clicks)
        QTest::mouseClick(child(qPrintable(name)), Qt::LeftButton);
    // Seconds of the relay last 20 ms: 5 s would be over within the first wait.
    if (late)
        QCOMPARE(received(sent.size() - 1, 150), sent.mid(0, sent.size() - 1));
    const bool relay = clicks.first() == "DVRControl2";
    QCOMPARE(received(sent.size(), relay ? RELAY_QUIET_MS : QUIET_MS), sent);
    QVERIFY(!child("RPAuto0")->isChecked());
    if (relay || sent.size() < 2)
        return;

    // Held: the move again at every tick, then one stop and nothing after it.
    QPushButton* held = child(qPrintable(clicks.first()));
    QTest::mousePress(held, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return requests(TestDvrRequest::Command).size() >= sent.size() + 3; }));
    QTest::mouseRelease(held, Qt::LeftButton);
    // The DVR has every command once the sender has all its answers, however
    // late the stop came; a repeat after it would come within the quiet time.
    QTRY_COMPARE(CApplicationSender::pending(), 0);
    const QStringList holding = received(requests(TestDvrRequest::Command).size()).mid(sent.size());
    QVERIFY2(holding.size() >= 4, qPrintable(holding.join('\n')));
    QCOMPARE(holding, QStringList(holding.size() - 1, sent.first()) << sent.last());
}

void tst_LiveControlPanel::commandsStayWithTheirDvr_data()
{
    // Clicks; "press=<name>" only presses the button; "A" and "B" point the
    // panel at that DVR (A is the one connected first), "A2" at A's DVR
    // under a second directory entry, of another name, "G" at that entry
    // under the guest account, which may not steer cameras; "ch=<n>" selects that
    // channel; "wait=<n>": A has received and answered n commands;
    // "flight=<n>": A has received n commands and another is on its way;
    // "B=<n>": B has received n commands; "refuse" ("refuse=on"): A refuses
    // the next relay Off (On); "late" ("late=ptz", "late=tour"): A handles
    // the next relay (PTZ, tour) command a second late, as a slow link
    // brings it; "hold=ptz": A holds its answers to PTZ commands until the
    // end; "gone": A's first entry no longer names A, which its second
    // entry, under the guest account, does; "second=<ms>": a second of the auto-off lasts that long; "retry":
    // a refused switch-off goes again soon; "tick": the held move's repeat
    // is due; "linked": A's live link connected again, under a new client
    // id; "closed": the panel goes; "told=<text>": the relay page tells that
    // text, or nothing; "auto=<0|1>": Auto shows unchecked (checked);
    // "leftOn": A's relay is reported as it may stay on, which no other row
    // may report; "warns=<text>": a warning holding the text is logged next;
    // "release": the operator lets go of what is held, as at the end;
    // "answer": A sends the answers it holds;
    // "password": A takes a new password, as its record edited in the tree
    // now holds, which the panel's record does not; "unlist": no directory
    // entry names A any more; "relisted": A's record is made known again, as
    // by an edit in the tree; "quiet": no warning may be logged from now on;
    // "lang=<name>": the operator switches to that language; "tooLong": A's
    // record takes a password too long for any query.
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("sentToA");
    QTest::addColumn<QStringList>("sentToB");
    QTest::addColumn<QList<bool>>("autoShown"); // Auto checked, after each DVR change
    for (const bool old : {false, true}) {
        const auto relay = [old](int cid, bool on) {
            return old ? oldQuery("20", on ? "0,1" : "0,0", false, cid) : QStringLiteral("relay %1").arg(on ? 0 : 1);
        };
        const QString move = old ? oldQuery("7", "4S0") : "ptzf 6 ch3 s0";
        const QString stop = old ? oldQuery("7", "8") : "ptzf 10 ch3 s0";
        const QStringList a{relay(CLIENT_ID, true), relay(CLIENT_ID, false)};
        const QStringList b{relay(CLIENT_ID + 1, true), relay(CLIENT_ID + 1, false)};
        const QString refused = QStringLiteral("told=The DVR refused the command: ");
        const QString denied = refused + (old ? "[ERROR]client limit" : "[ERROR]permission denied");
        // Auto with 30 s on A's relay first.
        const auto row = [&](const char* name, const QStringList& clicks) -> QTestData& {
            return QTest::addRow("%s: %s", old ? "old" : "new", name)
                << old << QStringList{"DVRControl2", "AutoOff3", "RPAuto0"} + clicks;
        };
        row("On and Off on B while A's switch-off pends", {"B", "RPOn0", "RPOff0"}) << a << b << QList<bool>{false};
        row("Auto on B while A's switch-off pends", {"B", "RPAuto0"}) << a << b << QList<bool>{false};
        row("back on A, its Auto shows until its Off", {"B", "A", "RPOff0"})
            << a << QStringList() << QList<bool>{false, true};
        // The relay is the DVR's: every entry's page shows A's switch-off,
        // and the other entry's On, once taken, replaces it.
        row("On and Off on A's second entry replace A's switch-off", {"A2", "RPOn0", "wait=2", "RPOff0", "A"})
            << QStringList{a.first(), a.first(), a.last()} << QStringList() << QList<bool>{true, false};
        // A switch-off due while a later command waits for its answer goes
        // only once that command has failed.
        row("On answered late as the switch-off comes due", {"wait=1", "late", "RPOn0", "wait=2"})
            << QStringList{a.first(), a.first()} << QStringList() << QList<bool>();
        row("On refused late as the switch-off comes due", {"wait=1", "refuse=on", "late", "RPOn0", "wait=3"})
            << QStringList{a.first(), a.first(), a.last()} << QStringList() << QList<bool>();
        row("A's switch-off refused is told on its second entry's page, whose On replaces it",
            {"refuse", "wait=2", "A2", "auto=1", denied, "RPOn0", "wait=3", "auto=0", "told="})
            << QStringList{a.first(), a.last(), a.first()} << QStringList() << QList<bool>{true};
        // Auto shows unchecked whenever the panel turns to an entry.
        const auto unchecked = [](const QStringList& clicks) {
            return QList<bool>(clicks.count("A") + clicks.count("A2") + clicks.count("G") + clicks.count("B"), false);
        };
        const auto relayRow = [&](const char* name, const QStringList& clicks, const QStringList& sent) {
            QTest::addRow("%s: %s", old ? "old" : "new", name)
                << old << clicks << sent << QStringList() << unchecked(clicks);
        };
        relayRow("refused, told and pending, then sent when A's link is back, naming its new stream",
            {"refuse", "DVRControl2", "AutoOff3", "RPAuto0", "wait=2", denied, "auto=1", "linked", "auto=0", "told="},
            a + QStringList{relay(CLIENT_ID + 2, false)});
        relayRow("an On refused is told, and Auto with it ends",
            {"refuse=on", "DVRControl2", "RPAuto0", denied, "auto=0"}, {a.first()});
        // What a line told is worded again when the operator switches
        // languages, the DVR's refusal with it.
        const QString frenchDenied = QStringLiteral("told=Le DVR a refusé la commande\u00a0: ")
            + (old ? "[ERREUR]limite de clients atteinte" : "[ERREUR]permission refusée");
        relayRow("an On refused, told again in French and then in English",
            {"refuse=on", "DVRControl2", "RPOn0", denied, "lang=French", frenchDenied, "lang=English", denied},
            {a.first()});
        relayRow("an Off refused with nothing after it may stay on",
            {"leftOn", "refuse", "DVRControl2", "RPOff0", denied}, {a.last()});
        // Auto's switch-off time runs from its On's answer.
        relayRow("an Off handled late, then Auto with no duration: the relay pulses",
            {"late", "DVRControl2", "RPOff0", "RPAuto0"}, {a.last(), a.first(), a.last()});
        relayRow("an Off handled late, then Auto with 5 s: the relay pulses",
            {"late", "DVRControl2", "RPOff0", "AutoOff0", "RPAuto0"}, {a.last(), a.first(), a.last()});
        relayRow("an On handled late, then Auto with no duration", {"late", "DVRControl2", "RPOn0", "RPAuto0"},
            {a.first(), a.first(), a.last()});
        // Auto unchecked while its switch-off is on its way: that switch-off
        // is not sent again when refused.
        relayRow("a switch-off handled late and refused, replaced on its way",
            {"retry", "refuse", "second=200", "DVRControl2", "AutoOff0", "RPAuto0", "wait=1", "late", "flight=1",
                "RPAuto0", "wait=3"},
            {a.first(), a.last(), a.first()});
        const QString start = old ? oldQuery("7", "10G1,1,5") : "tour 0 ch3 0-1 5";
        const QString end = old ? oldQuery("7", "11") : "tour 1 ch3 0-0 0";
        relayRow("a tour's start handled late, its end after it", {"late=tour", "DVRControl1", "AutoStart", "AutoEnd"},
            {start, end});
        relayRow("a tour's end clicked as the panel goes",
            {"late=tour", "DVRControl1", "AutoStart", "AutoEnd", "closed"}, {start, end});
        // One at a time, in the order given, the last of those waiting alone.
        QTest::addRow("%s: the first handled late, then Auto with no duration", old ? "old" : "new")
            << old << QStringList{"late", "DVRControl2", "RPAuto0"} << a << QStringList() << QList<bool>();
        // An Off left out changes how the relay ends only when no Off follows.
        QTest::addRow("%s: On, Off, On while the first is unanswered", old ? "old" : "new")
            << old
            << QStringList{"late", "DVRControl2", "RPOn0", "RPOff0",
                   "warns=relay 0 off to DVR .*not sent: replaced by relay 0 on", "RPOn0"}
            << QStringList{a.first(), a.first()} << QStringList() << QList<bool>();
        relayRow("On, Off, Off while the first is unanswered",
            {"late", "DVRControl2", "RPOn0", "RPOff0", "quiet", "RPOff0"}, a);
        // A DVR no entry names any more, named again while its relay's
        // command is on its way: Auto's switch-off belongs to the relay as
        // now listed.
        relayRow("unlisted while a command is on its way, then listed again: Auto",
            {"late", "DVRControl2", "RPOn0", "unlist", "relisted", "RPAuto0"}, {a.first(), a.first(), a.last()});
        if (old) {
            // What the line knew goes with it: the page's stream names the DVR again.
            relayRow("unlisted while idle: the link's client id goes with its line",
                {"linked", "DVRControl2", "RPOn0", "wait=1", "unlist", "RPOff0"},
                {relay(CLIENT_ID + 2, true), relay(CLIENT_ID, false)});
            relayRow("unlisted with a command on its way: the line goes after its answer",
                {"linked", "late", "DVRControl2", "RPOn0", "unlist", "wait=1", "RPOff0"},
                {relay(CLIENT_ID + 2, true), relay(CLIENT_ID, false)});
        }
        QTest::addRow("%s: the first refused, the next still goes", old ? "old" : "new")
            << old << QStringList{"refuse", "DVRControl2", "RPOff0", "RPOn0"} << QStringList{a.last(), a.first()}
            << QStringList() << QList<bool>();
        // A held move's stop comes after the move, on the DVR it moves.
        const auto moveRow = [&](const char* name, const QStringList& clicks, const QStringList& sent) {
            QTest::addRow("%s: %s", old ? "old" : "new", name)
                << old << clicks << sent << QStringList() << unchecked(clicks);
        };
        moveRow("the move comes late", {"late=ptz", "press=ptzf_right"}, {move, stop});
        moveRow("a repeat comes late, ticks meanwhile add nothing",
            {"press=ptzf_right", "wait=1", "late=ptz", "tick", "tick", "tick"}, {move, move, stop});
        moveRow("repeats that the DVR answers", {"press=ptzf_right", "wait=1", "tick", "wait=2", "tick"},
            {move, move, move, stop});
        moveRow("the move comes late as the panel turns to B", {"late=ptz", "press=ptzf_right", "B"}, {move, stop});
        moveRow("the move comes late as the panel goes", {"late=ptz", "press=ptzf_right", "closed"}, {move, stop});
        moveRow(
            "a move held while another channel is framed stops on its own", {"press=ptzf_right", "ch=5"}, {move, stop});
        // Each DVR its own line: A's unanswered move holds up no other DVR
        // at its address.
        const QString moveB = old ? oldQuery("7", "4S0", true, CLIENT_ID + 1) : move;
        const QString stopB = old ? oldQuery("7", "8", true, CLIENT_ID + 1) : stop;
        QTest::addRow("%s: A's move unanswered, B's moves go", old ? "old" : "new")
            << old << QStringList{"hold=ptz", "press=ptzf_right", "B", "press=ptzf_right", "B=1"}
            << QStringList{move, stop} << QStringList{moveB, stopB} << QList<bool>{false};
        // A preset act keeps its place among the moves and their stops:
        // the camera ends as the last click says.
        const QString set = old ? oldQuery("7", "9S1") : "ptzf 11 ch3 s0 p0";
        const QString go = old ? oldQuery("7", "9G1") : "ptzf 12 ch3 s0 p0";
        const QStringList shortPan{"press=ptzf_right", "release"};
        moveRow("a pan, Set, a pan behind a late move",
            QStringList{"late=ptz"} + shortPan + QStringList{"Set"} + shortPan, {move, stop, set, stop});
        const QString tooMany = QStringLiteral("warns=preset 1 go on channel 4 .*not sent: too many acts wait");
        moveRow("Go six times behind a held move: the last four",
            QStringList{"hold=ptz"} + shortPan + QStringList{tooMany, "Go", "Go", "Go", "Go", "Go", tooMany, "Go"},
            {move, stop, go, go, go, go});
        // Each entry of A its own account and link: A's commands go as A's
        // although A's second entry made itself known last.
        relayRow(
            "A's commands after its second entry's link connected", {"known=A2", "DVRControl2", "RPOn0", "RPOff0"}, a);
        moveRow("A's pan after its second entry's link connected", {"known=A2", "press=ptzf_right", "release"},
            {move, stop});
        if (old)
            continue;
        // The guest may not steer A's cameras: the page that gave the
        // command tells the DVR's refusal until a later command is taken, or
        // the page turns to another entry.
        const QString permissionDenied = QStringLiteral("told=The DVR refused the command: [ERROR]permission denied");
        moveRow("a pan refused to the guest entry is told until the page turns",
            {"G", "press=ptzf_right", "release", permissionDenied, "A", "told=", "G", "told="},
            {move + " as guest", stop + " as guest"});
        moveRow("a refusal is told until a later command is taken",
            {"G", "Go", permissionDenied, "admin=A2", "Go", "told="}, {go + " as guest", go});
        relayRow("a tour start refused to the guest entry is told", {"G", "DVRControl1", "AutoStart", permissionDenied},
            {start + " as guest"});
        relayRow("an On not sent, told again in French",
            {"tooLong", "DVRControl2", "RPOn0", "told=The command was not sent: The DVR cannot take this command.",
                "lang=French",
                "told=La commande n'a pas été envoyée\u00a0: Le DVR ne peut pas recevoir cette commande."},
            {});
        moveRow("a pan refused, told again in French",
            {"G", "press=ptzf_right", "release", "wait=2", permissionDenied, "lang=French",
                "told=Le DVR a refusé la commande\u00a0: [ERREUR]permission refusée"},
            {move + " as guest", stop + " as guest"});
        relayRow("a tour start refused, told again in Korean",
            {"G", "DVRControl1", "AutoStart", permissionDenied, "lang=Korean",
                "told=DVR이 명령을 거부했습니다: [오류]권한이 없습니다"},
            {start + " as guest"});
        relayRow("the guest's relay commands go as the guest's", {"A", "G", "DVRControl2", "RPOn0", "A", "RPOff0"},
            {a.first() + " as guest", a.last()});
        // A relay command goes with the password that A's record holds when
        // it goes out, whatever record the page holds (the older dialect's
        // commands carry none).
        relayRow("the page's older record does not undo a new password",
            {"DVRControl2", "RPOn0", "wait=1", "password", "RPOff0", "wait=2", "told="}, a);
        relayRow("a command waiting across a new password goes with it",
            {"late", "DVRControl2", "RPOn0", "RPOff0", "password", "wait=2", "told="},
            {"refused for its password", a.last()});
        relayRow("a new password made known before the first command goes with it",
            {"password", "DVRControl2", "RPOn0", "wait=1", "told="}, {a.first()});
        relayRow("unlisted while a command is on its way, then known with a new password",
            {"late", "DVRControl2", "RPOn0", "unlist", "password", "wait=1", "RPOff0", "wait=2", "told="},
            {"refused for its password", a.last()});
        // A command of the guest entry, which the DVR refuses, never takes
        // the place of what A's entry left waiting; A's later commands still
        // take the place of its own.
        moveRow("A's stop waiting, the guest's pan",
            {"hold=ptz", "press=ptzf_right", "release", "G", "press=ptzf_left", "release"},
            {move, stop, stop + " as guest"});
        moveRow("A's stop waiting, the guest's pan, then A's again",
            {"hold=ptz", "press=ptzf_right", "release", "G", "press=ptzf_left", "release", "A",
                "warns=PTZ stop on channel 4 .*not sent: replaced by PTZ right", "press=ptzf_right", "release"},
            {move, stop + " as guest", stop});
        relayRow("A's tour end waiting, the guest's tour start",
            {"late=tour", "DVRControl1", "AutoStart", "AutoEnd", "G", "AutoStart"}, {start, end, start + " as guest"});
        // What the DVR refuses the guest replaces nothing, and A's page does
        // not tell it.
        row("the guest's Off refused while A's switch-off pends",
            {"G", "refuse", "RPOff0", denied, "A", "auto=1", "told="})
            << QStringList{a.first(), a.last() + " as guest", a.last()} << QStringList() << QList<bool>{true, true};
        row("the guest's On refused while A's switch-off pends: it still comes",
            {"wait=1", "G", "refuse=on", "RPOn0", denied, "auto=1", "A", "auto=1", "told="})
            << QStringList{a.first(), a.first() + " as guest", a.last()} << QStringList() << QList<bool>{true, true};
        // A switch-off waiting in the line behind a held move, and A's On
        // by hand taking its place there: the switch-off still comes when
        // the DVR refuses that On, and is told no more once a later On is
        // taken.
        relayRow("a switch-off replaced in the line by an On that the DVR refuses",
            {"hold=ptz", "second=0", "DVRControl2", "AutoOff0", "RPAuto0", "press=ptzf_right", "flight=2", "refuse=on",
                "warns=relay 0 off to DVR .*not sent: replaced by relay 0 on", "RPOn0"},
            {a.first(), move, a.first(), stop, a.last()});
        relayRow("a switch-off not sent is told until a later On is taken",
            {"leftOn", "second=0", "DVRControl2", "AutoOff0", "RPAuto0", "tooLong",
                "told=The command was not sent: The DVR cannot take this command.", "password", "RPOn0", "wait=2",
                "told="},
            {a.first(), a.first()});
        // A's entry deleted, or edited to name another DVR: its switch-off
        // goes as the entry of A that remains, at once when it was refused.
        row("A's entry gone while its switch-off pends", {"G", "gone", "auto=1"})
            << QStringList{a.first(), a.last() + " as guest"} << QStringList() << QList<bool>{true};
        row("A's entry gone after its switch-off was refused",
            {"refuse", "wait=2", denied, "gone", "wait=3", "G", "auto=0", "told="})
            << QStringList{a.first(), a.last(), a.last() + " as guest"} << QStringList() << QList<bool>{false};
        moveRow("Go four times behind a held move, then the guest's Go: A's four go",
            QStringList{"hold=ptz"} + shortPan + QStringList{"Go", "Go", "Go", "Go", "G", "Go"},
            {move, stop, go, go, go, go, go + " as guest"});
        moveRow("the guest's refusal answered after the page turned to A",
            {"hold=ptz", "G", "Go", "A", "answer", "wait=1", "told="}, {go + " as guest"});
        // Each camera's commands wait apart.
        moveRow("a short pan on two cameras behind a late move",
            QStringList{"late=ptz"} + shortPan + QStringList{"ch=5"} + shortPan, {move, stop, "ptzf 10 ch5 s0"});
    }
}

void tst_LiveControlPanel::commandsStayWithTheirDvr()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, sentToA);
    QFETCH(QStringList, sentToB);
    QFETCH(QList<bool>, autoShown);
    QTest::failOnWarning(QRegularExpression("may stay on"));
    TestDvr other;
    QVERIFY(other.listen());
    m_dvr->setGuest(GUEST, GUEST_PASSWORD);
    // A held move is repeated only at a tick.
    m_panel->findChild<CPtzfWidget*>()->setRepeatInterval(3600000);
    connectDvr(oldProtocol);
    // The rows' moves carry speed 0: not whatever the settings store holds
    // when the panel is made, which another program sharing the store may
    // have changed since the store was cleared.
    child<QSlider>("Speed")->setValue(0);
    QList<bool> shown;
    for (const QString& name : clicks) {
        const QString argument = name.section('=', 1);
        if (name == "A" || name == "A2" || name == "G" || name == "B") {
            const int clientId = name == "B" ? CLIENT_ID + 1 : name == "G" ? CLIENT_ID + 3 : CLIENT_ID;
            m_panel->setConnectedDVR(entryRecord(name, other, oldProtocol), clientId, true, entryOf(name));
            shown << child("RPAuto0")->isChecked();
        } else if (name == "known=A2") {
            COrderedCommands::ofApplication().know(m_entryA2, entryRecord("G", other, oldProtocol), CLIENT_ID + 3);
        } else if (name == "gone") {
            COrderedCommands::ofApplication().handOver(
                m_entryA, m_dvr->dvrRecord(oldProtocol), m_entryA2, entryRecord("G", other, oldProtocol));
        } else if (name == "admin=A2") {
            COrderedCommands::ofApplication().know(m_entryA2, entryRecord("A2", other, oldProtocol));
        } else if (name.startsWith("press=")) {
            QTest::mousePress(child(qPrintable(argument)), Qt::LeftButton);
        } else if (name.startsWith("ch=")) {
            m_panel->setSelectedChannel(argument.toInt());
        } else if (name.startsWith("wait=")) {
            QTRY_VERIFY(requests(TestDvrRequest::Command).size() >= argument.toInt());
            QTRY_COMPARE(CApplicationSender::pending(), 0);
        } else if (name.startsWith("flight=")) {
            QTRY_VERIFY(requests(TestDvrRequest::Command).size() >= argument.toInt());
            QTRY_COMPARE(CApplicationSender::pending(), 1);
        } else if (name.startsWith("B=")) {
            QTRY_VERIFY(requests(TestDvrRequest::Command, &other).size() >= argument.toInt());
        } else if (name.startsWith("refuse")) {
            m_dvr->refuseNextRelay(argument == "on");
        } else if (name.startsWith("late")) {
            const int newMode = argument == "ptz" ? cgi::MODE_PTZF
                : argument == "tour"              ? cgi::MODE_AUTO_PRESET
                                                  : cgi::MODE_RELAY_PORT;
            m_dvr->handleLate(oldProtocol ? CLiveCommand::OLD_COMMAND_MODE : newMode, 1000);
        } else if (name == "answer") {
            m_dvr->holdAnswers(std::nullopt);
        } else if (name == "hold=ptz") {
            m_dvr->holdAnswers(oldProtocol ? CLiveCommand::OLD_COMMAND_MODE : cgi::MODE_PTZF);
        } else if (name.startsWith("second=")) {
            m_panel->findChild<CRemotePortWiget*>()->setSecondLength(argument.toInt());
        } else if (name == "retry") {
            CRelaySwitches::ofApplication().setRetryInterval(50);
        } else if (name.startsWith("told=")) {
            QTRY_COMPARE(problemLine()->text(), argument);
        } else if (name.startsWith("auto=")) {
            QTRY_COMPARE(child("RPAuto0")->isChecked(), argument == "1");
        } else if (name == "leftOn") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("relay 0 of DVR .* may stay on"));
        } else if (name.startsWith("warns=")) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(argument));
        } else if (name == "release") {
            for (QPushButton* button : m_panel->findChildren<QPushButton*>()) {
                if (button->isDown())
                    QTest::mouseRelease(button, Qt::LeftButton);
            }
        } else if (name == "unlist") {
            COrderedCommands::ofApplication().unlist(m_dvr->dvrRecord(oldProtocol));
        } else if (name == "relisted") {
            COrderedCommands::ofApplication().know(m_entryA, m_dvr->dvrRecord(oldProtocol));
        } else if (name == "tooLong") {
            DVR record = m_dvr->dvrRecord(oldProtocol);
            record.set_password(std::string(1000, 'p'));
            COrderedCommands::ofApplication().know(m_entryA, record);
        } else if (name.startsWith("lang=")) {
            // English has no translations to load: its texts are the code's.
            const bool loaded = CLanguage().applyLanguage(argument);
            QVERIFY(loaded || argument == "English");
        } else if (name == "quiet") {
            QTest::failOnWarning(QRegularExpression("."));
        } else if (name == "password") {
            m_dvr->setCredentials(QStringLiteral("admin"), QStringLiteral("5678"));
            COrderedCommands::ofApplication().know(m_entryA, m_dvr->dvrRecord(oldProtocol));
        } else if (name == "tick") {
            QVERIFY(QMetaObject::invokeMethod(
                m_panel->findChild<CPtzfWidget*>()->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly),
                "timeout"));
        } else if (name == "linked") {
            COrderedCommands::ofApplication().know(m_entryA, m_dvr->dvrRecord(oldProtocol), CLIENT_ID + 2);
        } else if (name == "closed") {
            m_panel.reset();
        } else {
            QTest::mouseClick(child(qPrintable(name)), Qt::LeftButton);
        }
    }
    for (QPushButton* button : m_panel ? m_panel->findChildren<QPushButton*>() : QList<QPushButton*>())
        QTest::mouseRelease(button, Qt::LeftButton);
    m_dvr->holdAnswers(std::nullopt);
    // The quiet time outlasts every switch-off, B's too.
    QCOMPARE(received(sentToA.size(), clicks.contains("DVRControl2") ? RELAY_QUIET_MS : QUIET_MS), sentToA);
    QCOMPARE(requests(TestDvrRequest::Command, &other), sentToB);
    QCOMPARE(shown, autoShown);
    CRelaySwitches& relays = CRelaySwitches::ofApplication();
    relays.sendAllNow();
    QTRY_VERIFY(CApplicationSender::pending() == 0 && !COrderedCommands::ofApplication().isBusy());
    COrderedCommands::ofApplication().unlist(other.dvrRecord());
}

// The operator's speed is stored as soon as it is chosen, and only then.
void tst_LiveControlPanel::ptzfSpeedIsKept()
{
    CAppSettings().writeSetting(QStringLiteral("Speed"), 7);
    // Shown in the slider's range, stored as it was unless changed.
    auto page = std::make_unique<CPtzfWidget>();
    page.reset();
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")), QVariant(7));
    page = std::make_unique<CPtzfWidget>();
    QCOMPARE(page->findChild<QLabel*>("SpeedLabel")->text(), "Very Fast");
    QTest::keyClick(page->findChild<QSlider*>("Speed"), Qt::Key_Down);
    QCOMPARE(page->findChild<QLabel*>("SpeedLabel")->text(), "Fast");
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")), QVariant(2));
    // A dragged speed, once let go, with the page still there.
    auto* slider = page->findChild<QSlider*>("Speed");
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QTest::mousePress(slider, Qt::LeftButton, {}, handleAt(slider, 2));
    QTest::mouseMove(slider, handleAt(slider, 0));
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")), QVariant(2));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handleAt(slider, 0));
    QCOMPARE(slider->value(), 0);
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")), QVariant(0));
    // Another viewer's later speed is not undone as the page goes.
    CAppSettings().writeSetting(QStringLiteral("Speed"), 1);
    page.reset();
    QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed")), QVariant(1));
}

void tst_LiveControlPanel::tourSettings_data()
{
    QTest::addColumn<QList<int>>("stored"); // start and end positions, interval
    QTest::addColumn<bool>("choose"); // the tour of chooseTour()
    // Then: a page button, "screen" (another screen framed and this one
    // again), "other" (another viewer saves end preset 8 for the channel),
    // "close" (the panel goes).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("kept"); // stored at the end
    QTest::addColumn<QStringList>("shown"); // at the end, while the panel is there
    const QList<int> chosen{1, 4, 10};
    const QStringList chosenNames{"preset 2", "preset 5", "10"};
    const QStringList fresh{"preset 1", "preset 1", "5"};
    const QStringList screen{"screen"};
    QTest::newRow("the PTZ page") << QList<int>() << true << QStringList{"DVRControl0"} << chosen << chosenNames;
    QTest::newRow("its own page") << QList<int>() << true << QStringList{"DVRControl1"} << chosen << chosenNames;
    QTest::newRow("the picture page") << QList<int>() << true << QStringList{"DVRControl3"} << chosen << chosenNames;
    QTest::newRow("another viewer's later save, the panel goes")
        << QList<int>() << true << QStringList{"other", "close"} << QList<int>{1, 7, 10} << QStringList();
    QTest::newRow("another viewer's later save, another screen framed and back")
        << QList<int>() << true << QStringList{"other", "screen"} << QList<int>{1, 7, 10}
        << QStringList{"preset 2", "preset 8", "10"};
    QTest::newRow("nothing stored") << QList<int>() << false << screen << QList<int>{0, 0, 0} << fresh;
    QTest::newRow("0 s stored") << QList<int>{0, 0, 0} << false << screen << QList<int>{0, 0, 0} << fresh;
    QTest::newRow("20 s stored") << QList<int>{0, 98, 20} << false << screen << QList<int>{0, 98, 20}
                                 << QStringList{"preset 1", "preset 99", "20"};
    // Shown as the first entries, stored as they are.
    QTest::newRow("positions out of the lists")
        << QList<int>{99, -1, 5} << false << screen << QList<int>{99, -1, 5} << fresh;
}

// Each choice on the tour page is stored for its channel as it is made,
// whatever the operator does next; only what the operator changed.
void tst_LiveControlPanel::tourSettings()
{
    QFETCH(QList<int>, stored);
    QFETCH(bool, choose);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, kept);
    QFETCH(QStringList, shown);

    if (!stored.isEmpty())
        CAppSettings().writeSettings(CAppSettings::autoPreset(CHANNEL, stored[0], stored[1], stored[2]));
    // Shown and left before the panel was pointed at a DVR: nothing stored.
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    QTest::mouseClick(child("DVRControl0"), Qt::LeftButton);
    QCOMPARE(QSettings(CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME).childGroups(),
        stored.isEmpty() ? QStringList() : QStringList{"channel3"});
    connectDvr(false);
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    if (choose) {
        chooseTour();
        QCOMPARE(storedTour(CHANNEL), QList<int>({1, 4, 10}));
    }
    for (const QString& step : steps) {
        if (step == "screen") {
            m_panel->setSelectedChannel(CHANNEL + 1);
            connectDvr(false);
        } else if (step == "other") {
            CAppSettings().writeSetting(QStringLiteral("channel%1/EndPreset").arg(CHANNEL), 7);
        } else if (step == "close") {
            m_panel.reset();
        } else {
            QTest::mouseClick(child(qPrintable(step)), Qt::LeftButton);
        }
    }
    QCOMPARE(storedTour(CHANNEL), kept);
    QCOMPARE(storedTour(CHANNEL + 1), QList<int>({0, 0, 0}));
    if (!m_panel)
        return;
    const QStringList texts{child<QComboBox>("StartPreset")->currentText(),
        child<QComboBox>("EndPreset")->currentText(), child<QComboBox>("Interval")->currentText()};
    QCOMPARE(texts, shown);
}

void tst_LiveControlPanel::choicesWhileTheFileIsHeld_data()
{
    // Each step: "tour" (chooseTour() on the channel shown), "tour 3 6 20"
    // (start preset 3, end preset 6, 20 s), "speed" (Very Fast by the
    // keyboard), "frame N" (the panel's screen shows channel N), "release"
    // (the other program lets the lock go), "close" (the panel goes). The
    // settings file is held from the start.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("tour3"); // kept in the end: channel 3's tour
    QTest::addColumn<QList<int>>("tour4");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QStringList>("shown"); // the tour shown in the end, while the panel is there
    const QList<int> none{0, 0, 0};
    const QList<int> chosen{1, 4, 10};
    const QStringList chosenNames{"preset 2", "preset 5", "10"};
    const QStringList fresh{"preset 1", "preset 1", "5"};
    QTest::newRow("a tour, written once the file is free")
        << QStringList{"tour", "release"} << chosen << none << 0 << chosenNames;
    QTest::newRow("a tour, another channel framed and back")
        << QStringList{"tour", "frame 4", "frame 3", "release"} << chosen << none << 0 << chosenNames;
    QTest::newRow("two channels' tours") << QStringList{"tour", "frame 4", "tour 3 6 20", "frame 3", "release"}
                                         << chosen << QList<int>{2, 5, 20} << 0 << chosenNames;
    QTest::newRow("another channel framed while held: its own tour shows")
        << QStringList{"tour", "frame 4", "release"} << chosen << none << 0 << fresh;
    QTest::newRow("the speed") << QStringList{"speed", "release"} << none << none << 3 << fresh;
    QTest::newRow("the panel goes while held")
        << QStringList{"speed", "tour", "close", "release"} << chosen << none << 3 << QStringList();
}

// A choice that the settings file cannot take while another program holds
// it stays this viewer's: shown as chosen, written on its own as soon as
// the file is free, whatever the operator frames meanwhile.
void tst_LiveControlPanel::choicesWhileTheFileIsHeld()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, tour3);
    QFETCH(QList<int>, tour4);
    QFETCH(int, speed);
    QFETCH(QStringList, shown);

    connectDvr(false);
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    holdSettings();
    for (const QString& step : steps) {
        if (step == "tour") {
            chooseTour();
        } else if (step == "tour 3 6 20") {
            chooseEntry(*child<QComboBox>("StartPreset"), 2);
            chooseEntry(*child<QComboBox>("EndPreset"), 5);
            chooseEntry(*child<QComboBox>("Interval"), 3);
        } else if (step == "speed") {
            QTest::keyClick(child<QSlider>("Speed"), Qt::Key_End);
        } else if (step.startsWith("frame ")) {
            m_panel->setSelectedChannel(step.mid(6).toInt());
        } else if (step == "close") {
            m_panel.reset();
        } else if (step == "release") {
            // Nothing was written while held.
            QCOMPARE(storedTour(CHANNEL), QList<int>({0, 0, 0}));
            QCOMPARE(CAppSettings().readSetting(QStringLiteral("Speed"), 0), QVariant(0));
            m_settingsLock.reset();
        }
    }
    // No other event: the pending choices are tried again on their own.
    QTRY_COMPARE(storedTour(CHANNEL), tour3);
    QTRY_COMPARE(storedTour(CHANNEL + 1), tour4);
    QTRY_COMPARE(CAppSettings().readSetting(QStringLiteral("Speed"), 0), QVariant(speed));
    QVERIFY(CPendingSettings::ofApplication().isEmpty());
    if (!m_panel)
        return;
    const QStringList texts{child<QComboBox>("StartPreset")->currentText(),
        child<QComboBox>("EndPreset")->currentText(), child<QComboBox>("Interval")->currentText()};
    QCOMPARE(texts, shown);
    QCOMPARE(child<QSlider>("Speed")->value(), speed);
}

void tst_LiveControlPanel::noChoiceWaitsForTheFile_data()
{
    QTest::addColumn<QString>("choice");
    QTest::newRow("a tour's start") << "tour";
    QTest::newRow("the speed") << "speed";
    QTest::newRow("another channel framed after a tour's choice") << "frame";
}

// While another program holds the settings file, the operator's next
// event is not held back by a choice: the choice's handling runs no wait
// in which other events are taken meanwhile.
void tst_LiveControlPanel::noChoiceWaitsForTheFile()
{
    QFETCH(QString, choice);
    connectDvr(false);
    QTest::mouseClick(child("DVRControl1"), Qt::LeftButton);
    holdSettings();
    if (choice == "frame")
        chooseEntry(*child<QComboBox>("StartPreset"), 2);
    bool otherEventTaken = false;
    bool takenDuringChoice = true;
    QEventLoop running;
    QTimer::singleShot(0, this, [&] {
        QTimer::singleShot(0, this, [&] { otherEventTaken = true; });
        if (choice == "tour")
            chooseEntry(*child<QComboBox>("StartPreset"), 2);
        else if (choice == "speed")
            QTest::keyClick(child<QSlider>("Speed"), Qt::Key_End);
        else
            m_panel->setSelectedChannel(CHANNEL + 1);
        takenDuringChoice = otherEventTaken;
        running.quit();
    });
    running.exec();
    QTRY_VERIFY(otherEventTaken);
    QVERIFY(!takenDuringChoice);
    QVERIFY(!CPendingSettings::ofApplication().isEmpty());
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
    QCOMPARE(received(0), QStringList());
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
    QCOMPARE(received(1), QStringList{"picture ch5 t1 v12"});
    drag({12, 5, 12});
    QCOMPARE(received(1), QStringList{"picture ch5 t1 v12"});

    // A click in the groove steps at once, without waiting for the release.
    QSlider* brightness = child<QSlider>("brightness");
    QTest::mousePress(brightness, Qt::LeftButton, {}, QPoint(brightness->width() - 2, brightness->height() / 2));
    QTRY_COMPARE(requests(TestDvrRequest::Command).size(), 2);
    QTest::mouseRelease(brightness, Qt::LeftButton, {}, QPoint(brightness->width() - 2, brightness->height() / 2));
    QCOMPARE(received(2).last(), "picture ch5 t2 v5");
    QCOMPARE(m_dvr->content().picture.contrast(5), 12u);

    QTest::mouseClick(child("set_default"), Qt::LeftButton);
    QCOMPARE(received(3).last(), "picture ch5 t0 v0");
    QCOMPARE(sliderValues(), QList<int>(5, 8));
    const cgi::PictureControlGet held = m_dvr->content().picture;
    QCOMPARE((QList<quint32>{
                 held.contrast(5), held.brightness(5), held.saturation(5), held.hsharpness(5), held.vsharpness(5)}),
        QList<quint32>(5, TestDvrPictureSet::DEFAULT_VALUE));
}

void tst_LiveControlPanel::pictureReplies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // status 0: the DVR garbles its answer, -1: it stays silent
    QTest::addColumn<QList<int>>("shown");

    const QByteArray picture = WireBuilder::bytesOf(pictureOf(16, 1));
    const QByteArray whole = TestDvrAnswers::messagePacket(1, cgi::DATA_PICTURE, pictureOf(16, 1));
    const QList<int> defaults(5, 8);
    QTest::newRow("empty") << 200 << QByteArray() << defaults;
    QTest::newRow("HTTP 500") << 500 << whole << defaults;
    QTest::newRow("garbled") << 0 << QByteArray() << defaults;
    QTest::newRow("type 1") << 200 << WireBuilder::packet(1, cgi::DATA_DVR_INFO, picture) << defaults;
    QTest::newRow("cut short") << 200 << whole.left(whole.size() - 5) << defaults;
    QTest::newRow("unparsable") << 200 << WireBuilder::packet(1, cgi::DATA_PICTURE, "\xff\xff\xff") << defaults;
    QTest::newRow("silent until the time limit") << -1 << QByteArray() << defaults;
    // Contrast, brightness and saturation beyond the sliders' range: shown
    // at the end, not written back.
    QTest::newRow("beyond the range") << 200
                                      << TestDvrAnswers::messagePacket(
                                             1, cgi::DATA_PICTURE, TestDvrContent::standard().picture)
                                      << QList<int>{15, 15, 15, 3, 3};
}

void tst_LiveControlPanel::pictureReplies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QList<int>, shown);

    m_panel->findChild<CPictureWidget*>()->setReadTimeLimit(300);
    if (status <= 0)
        m_dvr->setFault(status == 0 ? TestDvr::Fault::Garbled : TestDvr::Fault::NoAnswer);
    else
        m_dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_PICTURE_GET,
            [=](const TestDvrRequest&, const TestDvrContent&) { return TestDvrReply::http(status, body); });
    m_panel->setConnectedDVR(m_dvr->dvrRecord(), CLIENT_ID, true);
    QSignalSpy completed(m_panel->findChild<CReadDVRData*>(), &CReadDVRData::completed);
    QVERIFY(completed.wait());
    m_panel->setSelectedChannel(CHANNEL);
    QCOMPARE(sliderValues(), shown);
    // Showing what was read writes nothing back.
    QCOMPARE(received(0), QStringList());
}

// A slow DVR left for another: the other's values show, the late answer is dropped.
void tst_LiveControlPanel::pictureSlowDvrLeft()
{
    TestDvr other;
    QVERIFY(other.listen());
    TestDvrContent content = other.content();
    content.picture = pictureOf(16, 1);
    other.setContent(content);
    m_dvr->setFault(TestDvr::Fault::SlowAnswer);
    m_dvr->setSlowAnswerDelay(200);
    m_panel->setConnectedDVR(m_dvr->dvrRecord(), CLIENT_ID, true);
    QVERIFY(m_dvr->waitForRequests(1));
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

    // A DVR without picture controls shows the PTZ page in place of them.
    connectDvr(false);
    QTest::mouseClick(child("DVRControl3"), Qt::LeftButton);
    m_panel->setVisiblePictureCtrl(false);
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(child("DVRControl0")->isChecked());
    QVERIFY(child("DVRControl3")->isHidden());
    QVERIFY(!m_panel->findChild<CPictureWidget*>()->isHidden());
    QVERIFY(!child("DVRControl0")->isHidden() && !child("DVRControl1")->isHidden());
    QVERIFY(!child("ptzf_up")->icon().isNull()); // the arrows are linked in

    // Every form takes its texts again on a language change.
    const QList<QPair<const char*, QString>> texts{
        {"DVRControl0", "PTZ"}, {"Go", "Go"}, {"AutoStart", "Start"}, {"RPOn0", "On"}, {"set_default", "Default"}};
    for (const auto& [name, text] : texts)
        child(name)->setText("x");
    child<QSlider>("Speed")->setValue(3);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_panel.get(), &change);
    for (const auto& [name, text] : texts)
        QCOMPARE(child(name)->text(), text);
    // The speed's name is the slider's, not the form's.
    QCOMPARE(child<QLabel>("SpeedLabel")->text(), "Very Fast");

    // The speed's and the presets' names follow the language; the entries
    // chosen stay.
    child<QComboBox>("presetNum")->setCurrentIndex(98);
    child<QComboBox>("EndPreset")->setCurrentIndex(4);
    const auto names = [this] {
        return QStringList{child<QLabel>("SpeedLabel")->text(), child<QComboBox>("presetNum")->currentText(),
            child<QComboBox>("StartPreset")->currentText(), child<QComboBox>("EndPreset")->currentText()};
    };
    QVERIFY(CLanguage().applyLanguage(QStringLiteral("French")));
    QTRY_COMPARE(names(), QStringList({"Très rapide", "préréglage 99", "préréglage 1", "préréglage 5"}));
    CLanguage().applyLanguage(QStringLiteral("English"));
    QTRY_COMPARE(names(), QStringList({"Very Fast", "preset 99", "preset 1", "preset 5"}));
}

void tst_LiveControlPanel::changeState_data()
{
    // Steps, with a DVR connected: a page button clicked, "single" or
    // "multi" from the wall, "DVR" for another DVR selected, or "none" for
    // no DVR (it failed).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<bool>>("enabled"); // PTZ, tour, relay, picture
    QTest::newRow("PTZ") << QStringList{"DVRControl0", "multi"} << QList<bool>{false, false, true, true};
    // The tour page acts on the framed channel as the PTZ page does, and
    // follows the wall like it, also while it shows.
    QTest::newRow("tour") << QStringList{"DVRControl1", "multi"} << QList<bool>{true, false, true, true};
    QTest::newRow("multi on the PTZ page, then the tour page, then single")
        << QStringList{"DVRControl0", "multi", "DVRControl1", "single"} << QList<bool>{false, true, true, true};
    QTest::newRow("multi on the tour page, then the tour again")
        << QStringList{"DVRControl1", "multi", "DVRControl1"} << QList<bool>{true, false, true, true};
    QTest::newRow("relay") << QStringList{"DVRControl2", "multi"} << QList<bool>{true, true, true, true};
    QTest::newRow("picture") << QStringList{"DVRControl3", "multi"} << QList<bool>{true, true, true, false};
    const QStringList multiOnPtz{"DVRControl0", "multi"};
    QTest::newRow("single on the relay page, then PTZ")
        << multiOnPtz + QStringList{"DVRControl2", "single", "DVRControl0"} << QList<bool>(4, true);
    QTest::newRow("single on the relay page, then tour")
        << multiOnPtz + QStringList{"DVRControl2", "single", "DVRControl1"} << QList<bool>{false, true, true, true};
    QTest::newRow("single on the relay page, then another DVR: the relay page stays")
        << multiOnPtz + QStringList{"DVRControl2", "single", "DVR"} << QList<bool>{false, false, true, true};
    QTest::newRow("multi on the relay page, then picture")
        << QStringList{"DVRControl2", "multi", "DVRControl3"} << QList<bool>{true, true, true, false};
    QTest::newRow("no DVR: every page disabled") << QStringList{"DVRControl2", "none"} << QList<bool>(4, false);
    QTest::newRow("no DVR, then a DVR again") << QStringList{"none", "DVR"} << QList<bool>(4, true);
}

void tst_LiveControlPanel::changeState()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<bool>, enabled);

    connectDvr(false);
    for (const QString& step : steps) {
        if (step == "single" || step == "multi")
            m_panel->changeState(step == "single");
        else if (step == "DVR")
            connectDvr(false);
        else if (step == "none")
            m_panel->clearConnectedDVR();
        else
            QTest::mouseClick(child(step.toLatin1().constData()), Qt::LeftButton);
    }
    const QList<bool> state{child<QWidget>("CPtzfWidget")->isEnabled(),
        child<QWidget>("CAutoPresetWidget")->isEnabled(), child<QWidget>("CRemotePortWiget")->isEnabled(),
        child<QWidget>("CPictureWidget")->isEnabled()};
    QCOMPARE(state, enabled);
}

void tst_LiveControlPanel::networkFailuresReadInTheLanguageChosen_data()
{
    // How the DVR fails the relay's On: "port" (nothing listens on the
    // DVR's port), "close" (it closes the connection without an answer),
    // "status" (it answers with HTTP status 503). Then the languages chosen
    // in turn, each with what the problem line then says, English first.
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("nothing listens") << false << "port" << QStringList{"English", "Korean", "English"}
                                     << QStringList{
                                            "The DVR did not answer the command: the DVR refused the connection",
                                            "DVR이 명령에 응답하지 않았습니다: DVR이 연결을 거부했습니다",
                                            "The DVR did not answer the command: the DVR refused the connection"};
    QTest::newRow("closed without an answer, older dialect")
        << true << "close" << QStringList{"English", "French"}
        << QStringList{"The DVR did not answer the command: the DVR closed the connection",
               "Le DVR n'a pas répondu à la commande\u00a0: le DVR a fermé la connexion"};
    QTest::newRow("an HTTP error status")
        << false << "status" << QStringList{"English", "Russian", "Chinese", "Norwegian Bokmal"}
        << QStringList{"The DVR did not answer the command: HTTP error status 503",
               "DVR не ответил на команду: код ошибки HTTP 503", "DVR 未回應命令：HTTP 錯誤狀態 503",
               "DVR-en svarte ikke på kommandoen: HTTP-feilstatus 503"};
}

void tst_LiveControlPanel::networkFailuresReadInTheLanguageChosen()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QString, failure);
    QFETCH(QStringList, languages);
    QFETCH(QStringList, told);

    DVR record = m_dvr->dvrRecord(oldProtocol);
    if (failure == "port")
        record.set_port(TestDvr::unusedPort());
    else if (failure == "close")
        m_dvr->setFault(TestDvr::Fault::CloseConnection);
    m_dvr->setErrorStatus(503);
    if (failure == "status")
        m_dvr->setFault(TestDvr::Fault::HttpError);
    m_panel->setConnectedDVR(record, CLIENT_ID, true, m_entryA);
    m_panel->setSelectedChannel(CHANNEL);
    QTest::mouseClick(child("DVRControl2"), Qt::LeftButton);
    QTest::mouseClick(child("RPOn0"), Qt::LeftButton);
    for (int i = 0; i < languages.size(); ++i) {
        // English has no translations to load: its texts are the code's.
        QVERIFY(CLanguage().applyLanguage(languages.at(i)) || languages.at(i) == "English");
        QTRY_COMPARE(problemLine()->text(), told.at(i));
    }
    // Its port may be the next row's DVR's: the line starts afresh there.
    COrderedCommands::ofApplication().unlist(record);
}

QTEST_MAIN(tst_LiveControlPanel)
#include "tst_LiveControlPanel.moc"
