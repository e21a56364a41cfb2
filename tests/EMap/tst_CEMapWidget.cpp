#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CHttpConnect.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "EMap/CCameraWidget.h"
#include "EMap/CEMapStreams.h"
#include "EMap/CEMapWidget.h"
#include "EMap/CShowVideoDialog.h"
#include "H264TestEncoder.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <limits>
#include <sys/stat.h>

// A map view in both modes: drops in edit mode (moves and deletions with
// the real pointer are tst_EMapDrag's); in view mode, against test DVRs of both dialects, the streams it opens, what
// the icons and the log make of the DVRs' live state, the channel requests
// of the video windows, pop-ups, a DVR cutting its streams, and many views
// opened and closed with windows open.
namespace {

const int WIDTH = 352;
const int HEIGHT = 240;

EMapItems camera(const DVR& dvr, int channel, int x, int y)
{
    EMapItems item;
    *item.mutable_dvr() = dvr;
    item.set_channel(channel);
    item.set_posx(x);
    item.set_posy(y);
    return item;
}

// The text of the open message box, which is then closed; empty when none.
QString takeMessage()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return QString();
    const QString text = box->text();
    box->close();
    return text;
}

// The channel requests a DVR received: new dialect "vchmask/header_only_mask
// @ stream", old dialect "CH @ CID".
QStringList channelRequests(const TestDvr& dvr)
{
    QStringList requests;
    for (const TestDvrRequest& request : dvr.requests()) {
        if (request.kind != TestDvrRequest::Command)
            continue;
        cgi::StreamChannel channels;
        if (request.dialect == TestDvrRequest::NewDialect && request.mode == cgi::MODE_STREAM_CHANNEL
            && channels.ParseFromString(request.data.toStdString()))
            requests << QStringLiteral("%1/%2 @ %3")
                            .arg(channels.vchmask(), 0, 16)
                            .arg(channels.header_only_mask(), 0, 16)
                            .arg(channels.stream_id());
        else if (request.dialect == TestDvrRequest::OldDialect && request.decodedParam("OP") == "6")
            requests << request.decodedParam("CH") + " @ " + request.decodedParam("CID");
    }
    return requests;
}

QString logPattern(const QString& dvr, const QString& channel, const QString& word)
{
    return "^\\d{4}-\\d\\d-\\d\\d  \\d\\d:\\d\\d:\\d\\d  " + dvr + "  " + channel + "  "
        + QRegularExpression::escape(word) + "$";
}

} // namespace

class tst_CEMapWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void drops_data();
    void drops();
    void namesShownAsTheyStand_data();
    void namesShownAsTheyStand();
    void unusableImageIsRefused_data();
    void unusableImageIsRefused();
    void adjustScalesTheImageOnly();
    void viewMode_data();
    void viewMode();
    void channelRequestWaitsForTheStreamId();
    void unreachableDvrIsLoggedDisconnected_data();
    void unreachableDvrIsLoggedDisconnected();
    void groupCycles();

private:
    CEMapWidget* openView(const EMap& map, bool editable);
    bool logHas(const QString& dvr, const QString& channel, const QString& word) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_image;
    QPointer<CEMapWidget> m_view;
    QStringList m_log;
    QList<EMap> m_saved;
};

void tst_CEMapWidget::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\ndefault.debug=false"));
    CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
}

void tst_CEMapWidget::init()
{
    m_dir.reset(new QTemporaryDir);
    m_image = m_dir->filePath(QStringLiteral("site.png"));
    QImage site(300, 200, QImage::Format_RGB32);
    site.fill(Qt::darkGreen);
    QVERIFY(site.save(m_image));
    CAppSettings settings;
    settings.writeSetting(CAppSettings::EMAP_IMAGESIZE, 1);
    settings.writeSetting(CAppSettings::EMAP_POPUP, 0);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    m_log.clear();
    m_saved.clear();
}

void tst_CEMapWidget::cleanup()
{
    delete m_view;
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    QCOMPARE(takeMessage(), QString());
}

CEMapWidget* tst_CEMapWidget::openView(const EMap& map, bool editable)
{
    m_view = new CEMapWidget;
    connect(m_view, &CEMapWidget::updateLog, this, [this](const QString& line) { m_log << line; });
    connect(m_view, &CEMapWidget::signalSaveEMap, this, [this](const EMap& saved) { m_saved << saved; });
    m_view->setEditable(editable);
    m_view->setSelectedEMap(map);
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view))
        return nullptr;
    return m_view;
}

bool tst_CEMapWidget::logHas(const QString& dvr, const QString& channel, const QString& word) const
{
    return !m_log.filter(QRegularExpression(logPattern(dvr, channel, word))).isEmpty();
}

void tst_CEMapWidget::drops_data()
{
    // Drops of the DVR tree's drag data; real drags are tst_EMapDrag's.
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("inIcon"); // null: none placed
    QTest::addColumn<QString>("message");
    QTest::newRow("no camera announced") << true << false << QPoint(120, 80) << QPoint()
                                         << "Please confirm the dvr information.";
    QTest::newRow("off the image: told, placed at its centre")
        << true << true << QPoint(500, 400) << QPoint(150, 100) << "Please check the position of the camera.";
    QTest::newRow("view mode keeps a drop, without a stream")
        << false << true << QPoint(120, 80) << QPoint(120, 80) << QString();
}

void tst_CEMapWidget::drops()
{
    QFETCH(bool, editable);
    QFETCH(bool, announced);
    QFETCH(QPoint, at);
    QFETCH(QPoint, inIcon);
    QFETCH(QString, message);
    EMap map;
    map.set_mapimagepath(m_image.toStdString());
    QVERIFY(openView(map, editable));
    DVR dvr;
    dvr.set_address("127.0.0.1");
    if (announced)
        m_view->setCameraItem(dvr, 5);

    QMimeData data;
    data.setData(CEMapWidget::TREE_DRAG_FORMAT, QByteArray());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_view, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_view, &drop);
    QCOMPARE(takeMessage(), message);
    QCOMPARE(m_saved.size(), inIcon.isNull() ? 0 : 1);
    if (inIcon.isNull())
        return;
    const CCameraWidget* icon = m_view->cameras().first();
    QVERIFY(icon->geometry().contains(inIcon));
    QCOMPARE(icon->getConnectionID(), -1);
    const EMapItems& item = m_saved.last().items(0);
    QCOMPARE(QPoint(item.posx(), item.posy()), icon->pos());
    QCOMPARE(item.channel(), 5);
}

void tst_CEMapWidget::namesShownAsTheyStand_data()
{
    QTest::addColumn<QString>("dvrName");
    QTest::addColumn<QString>("cameraName");
    QTest::newRow("tags") << "<i>Front</i> DVR"
                          << "<b>Gate</b> 1";
    QTest::newRow("entity and line break") << "A &amp; B"
                                           << "Yard<br>2";
}

// A camera icon shows its DVR's names as text, under the icon and in its
// tool tip.
void tst_CEMapWidget::namesShownAsTheyStand()
{
    QFETCH(QString, dvrName);
    QFETCH(QString, cameraName);
    QLabel map;
    DVR dvr;
    dvr.set_name(dvrName.toStdString());
    dvr.add_chname(cameraName.toStdString());
    auto* icon = new CCameraWidget(&map);
    icon->setDVR(dvr, 0);
    bool labelled = false;
    for (const QLabel* label : icon->findChildren<QLabel*>())
        labelled = labelled || (label->text() == cameraName && label->textFormat() == Qt::PlainText);
    QVERIFY(labelled);
    QTextDocument tip;
    tip.setHtml(icon->toolTip());
    QVERIFY(tip.toPlainText().contains(dvrName));
    QVERIFY(tip.toPlainText().contains(cameraName));
    delete icon;
}

void tst_CEMapWidget::unusableImageIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told");
    QTest::newRow("too large") << "huge"
                               << "20000 x 20000";
    // Reading these would wait for a writer or read without end.
    QTest::newRow("named pipe") << "pipe"
                                << "is not a file";
    QTest::newRow("device") << "device"
                            << "is not a file";
    QTest::newRow("folder") << "folder"
                            << "is not a file";
    QTest::newRow("missing") << "missing"
                             << "cannot be read";
    QTest::newRow("not an image") << "text"
                                  << "cannot be read";
}

void tst_CEMapWidget::unusableImageIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, told);
    QString path = m_dir->filePath(kind);
    if (kind == QLatin1String("huge")) {
        // A PNG of 20000 x 20000 pixels whose one row of data is all there is.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e000000094944"
                                       "4154789c630000000100015eff7df90000000049454e44ae426082"));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("text")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture\n");
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir->path()).mkdir(kind));
    }

    EMap map;
    map.set_mapimagepath(path.toStdString());
    DVR dvr;
    // A channel number only a damaged file holds.
    *map.add_items() = camera(dvr, std::numeric_limits<int>::max(), 40, 30);
    QVERIFY(openView(map, true));
    QVERIFY2(takeMessage().contains(told), qPrintable(told));
    QVERIFY(m_view->cameras().first()->toolTip().contains(QStringLiteral("CH2147483648")));
    // The map works as one without an image: the icon stays where it was put.
    QVERIFY(m_view->mapLabel()->pixmap().isNull());
    QCOMPARE(m_view->cameras().first()->pos(), QPoint(40, 30));
}

void tst_CEMapWidget::adjustScalesTheImageOnly()
{
    CAppSettings().writeSetting(CAppSettings::EMAP_IMAGESIZE, 0);
    EMap map;
    map.set_mapimagepath(m_image.toStdString());
    *map.add_items() = camera(DVR(), 0, 40, 30);
    QVERIFY(openView(map, true));
    m_view->resize(900, 700);
    QTRY_COMPARE(m_view->mapLabel()->pixmap().size(), QSize(900, 700));
    QCOMPARE(m_view->cameras().first()->pos(), QPoint(40, 30));
    QCOMPARE(m_saved.size(), 0);
}

void tst_CEMapWidget::viewMode_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::newRow("new dialect") << false;
    QTest::newRow("old dialect") << true;
}

void tst_CEMapWidget::viewMode()
{
    QFETCH(bool, oldProtocol);
    TestDvr a;
    TestDvr b;
    QVERIFY(a.listen() && b.listen());
    // Channel selections change a running stream (old dialect: OP 3 only).
    TestDvrChannelSelect::install(&a);
    a.streams()->liveState().set(cgi::LiveStatus());
    b.streams()->liveState().set(cgi::LiveStatus());
    DVR first = a.dvrRecord(oldProtocol);
    for (const char* name : {"Door", "Hall", "Yard", "Gate"})
        first.add_chname(name);
    DVR second = b.dvrRecord(oldProtocol);
    second.set_name("Annex");
    EMap map;
    map.set_mapimagepath(m_image.toStdString());
    *map.add_items() = camera(first, 0, 20, 20);
    *map.add_items() = camera(first, 3, 120, 20);
    *map.add_items() = camera(second, 1, 220, 20);
    // A channel no stream carries is kept and shown, and asks for nothing.
    *map.add_items() = camera(first, 20, 20, 120);
    QVERIFY(openView(map, false));
    const QList<CCameraWidget*> icons = m_view->cameras();

    // One stream per DVR, for the placed channels; headers only in the new dialect.
    QTRY_COMPARE(a.streams()->records().size(), 1);
    QTRY_COMPARE(b.streams()->records().size(), 1);
    const TestDvrStreams::Record stream = a.streams()->records().first();
    QCOMPARE(stream.videoMask, 0x9u);
    QCOMPARE(stream.headerOnlyMask, oldProtocol ? 0u : 0x9u);
    QCOMPARE(b.streams()->records().first().videoMask, 0x2u);
    for (CCameraWidget* icon : icons.mid(0, 3))
        QTRY_COMPARE(icon->statusColor(), Qt::blue);
    QVERIFY(icons[3]->isVisible());
    QVERIFY(icons[3]->toolTip().contains(QStringLiteral("CH21")));
    QCOMPARE(icons[3]->getConnectionID(), -1);
    QCOMPARE(icons[3]->statusColor(), Qt::transparent);
    QVERIFY(logHas("Test DVR", "Door", "connected") && logHas("Annex", "CH2", "connected"));

    struct Change {
        TestDvrLiveState::Flag flag;
        bool on;
        Qt::GlobalColor colour;
        const char* word;
    };
    const Change changes[] = {{TestDvrLiveState::Motion, true, Qt::green, "motion"},
        {TestDvrLiveState::Sensor, true, Qt::magenta, "motion + sensor"},
        {TestDvrLiveState::Motion, false, Qt::yellow, "sensor"},
        {TestDvrLiveState::VideoLoss, true, Qt::black, "video loss"},
        {TestDvrLiveState::Record, true, Qt::black, "record on"}};
    for (const Change& change : changes) {
        a.streams()->liveState().setFlag(0, change.flag, change.on);
        QTRY_COMPARE(icons[0]->statusColor(), change.colour);
        QTRY_VERIFY2(logHas("Test DVR", "Door", change.word), change.word);
    }
    QVERIFY(icons[0]->showsRecording());
    QCOMPARE(icons[1]->statusColor(), Qt::blue);

    // A double click asks for channel 3's video once the stream has its id.
    QTest::mouseDClick(icons[3], Qt::LeftButton);
    icons[3]->closeVideoWidget();
    QTest::mouseDClick(icons[1], Qt::LeftButton);
    QVERIFY(icons[1]->isEnableVideoWidget());
    const QString id = QString::number(stream.id);
    const QString open = oldProtocol ? "8 @ " + id : "ffff/fff7 @ " + id;
    QTRY_COMPARE(channelRequests(a), QStringList{open});
    CShowVideoDialog* window = icons[1]->videoDialog();
    QTRY_VERIFY_WITH_TIMEOUT(H264TestEncoder::tileShowsPattern(
                                 window->grab().toImage(), window->screen()->getDisplayRect(0), WIDTH, HEIGHT, 3),
        5000);
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d  \\d\\d:\\d\\d:\\d\\d$").match(window->windowTitle()).hasMatch());
    icons[1]->videoDialog()->close();
    const QString closed = oldProtocol ? "0 @ " + id : "ffff/ffff @ " + id;
    QTRY_COMPARE(channelRequests(a), (QStringList{open, closed}));

    // Pop-ups: a window on an event; "10 s" closes it, a window closed by
    // hand takes its timer along; "CONT" keeps it through later events.
    CAppSettings settings;
    settings.writeSetting(CAppSettings::EMAP_POPUP, 1);
    settings.writeSetting(CAppSettings::EMAP_POPDOWN, 2);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    a.streams()->liveState().setFlag(3, TestDvrLiveState::Motion, true);
    QTRY_VERIFY(icons[1]->isEnableVideoWidget());
    QCOMPARE(icons[1]->popdownTimer().interval(), 10000);
    QVERIFY(icons[1]->popdownTimer().isActive());
    icons[1]->videoDialog()->close();
    QVERIFY(!icons[1]->popdownTimer().isActive());
    a.streams()->liveState().setFlag(3, TestDvrLiveState::Motion, false);
    QTRY_COMPARE(icons[1]->statusColor(), Qt::blue);
    a.streams()->liveState().setFlag(3, TestDvrLiveState::Sensor, true);
    QTRY_VERIFY(icons[1]->isEnableVideoWidget());
    QTRY_VERIFY_WITH_TIMEOUT(!icons[1]->isEnableVideoWidget(), 15000);
    settings.writeSetting(CAppSettings::EMAP_POPDOWN, 0);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    a.streams()->liveState().setFlag(3, TestDvrLiveState::Motion, true);
    QTRY_VERIFY(icons[1]->isEnableVideoWidget());
    const QPointer<CShowVideoDialog> kept = icons[1]->videoDialog();
    QVERIFY(!icons[1]->popdownTimer().isActive());
    a.streams()->liveState().setFlag(3, TestDvrLiveState::Sensor, false);
    QTRY_COMPARE(icons[1]->statusColor(), Qt::green);
    QCOMPARE(icons[1]->videoDialog(), kept.data());

    // The DVR cuts its streams and takes no more: its icons go transparent.
    TestDvrStreamSettings refusing;
    refusing.fault = TestDvrStreamSettings::Fault::Refuse;
    refusing.faultValue = 4;
    a.setStreamSettings(refusing);
    a.streams()->dropAll();
    QTRY_COMPARE_WITH_TIMEOUT(icons[0]->statusColor(), Qt::transparent, 10000);
    QTRY_COMPARE(icons[1]->statusColor(), Qt::transparent);
    QVERIFY(logHas("Test DVR", "Door", "disconnected") && logHas("Test DVR", "Door", "record off"));
    QVERIFY(!icons[0]->showsRecording());
    QCOMPARE(icons[2]->statusColor(), Qt::blue);
    // Closing the view closes the window and stops the other stream.
    delete m_view;
    QVERIFY(kept.isNull());
    QTRY_COMPARE(b.streams()->runningCount(), 0);
}

void tst_CEMapWidget::channelRequestWaitsForTheStreamId()
{
    TestDvr dvr;
    QVERIFY(dvr.listen());
    dvr.setSlowAnswerDelay(300);
    dvr.setFault(TestDvr::Fault::SlowAnswer, 1);
    EMap map;
    *map.add_items() = camera(dvr.dvrRecord(), 0, 30, 30);
    QVERIFY(openView(map, false));
    QTest::mouseDClick(m_view->cameras().first(), Qt::LeftButton);
    QVERIFY(m_view->cameras().first()->isEnableVideoWidget());

    // Asked for as soon as the stream has its id, and again for the new
    // stream of a restarted link.
    QTRY_COMPARE(dvr.streams()->records().size(), 1);
    const QString first = QString::number(dvr.streams()->records().first().id);
    QTRY_COMPARE(channelRequests(dvr), QStringList{"ffff/fffe @ " + first});
    dvr.streams()->dropAll();
    QTRY_COMPARE(dvr.streams()->records().size(), 2);
    const QString second = QString::number(dvr.streams()->records().last().id);
    QVERIFY(second != first);
    QTRY_COMPARE(channelRequests(dvr), (QStringList{"ffff/fffe @ " + first, "ffff/fffe @ " + second}));
}

void tst_CEMapWidget::unreachableDvrIsLoggedDisconnected_data()
{
    // Camera records only a damaged or outdated list file holds.
    QTest::addColumn<bool>("hasAddress");
    QTest::newRow("DVR gone from its port") << true;
    QTest::newRow("DVR without an address") << false;
}

void tst_CEMapWidget::unreachableDvrIsLoggedDisconnected()
{
    QFETCH(bool, hasAddress);
    DVR gone;
    if (hasAddress) {
        TestDvr dvr;
        QVERIFY(dvr.listen());
        gone = dvr.dvrRecord();
    }
    gone.set_name("Gone");
    EMap map;
    map.set_mapimagepath(m_image.toStdString());
    *map.add_items() = camera(gone, 2, 30, 30);
    QVERIFY(openView(map, false));
    // A link that never connects says so when its DVR stays silent.
    m_view->streams()->link(0)->setSilenceTime(200);
    QTRY_VERIFY(logHas("Gone", "CH3", "disconnected"));
    QCOMPARE(m_view->cameras().first()->statusColor(), Qt::transparent);
    QCOMPARE(m_saved.size(), 0);
}

void tst_CEMapWidget::groupCycles()
{
    TestDvr dvr;
    QVERIFY(dvr.listen());
    QList<EMap> group;
    for (int m = 0; m < 3; ++m) {
        EMap map;
        map.set_mapimagepath(m_image.toStdString());
        *map.add_items() = camera(dvr.dvrRecord(), m, 30, 30);
        *map.add_items() = camera(dvr.dvrRecord(), m + 4, 130, 30);
        group << map;
    }
    for (int cycle = 0; cycle < 50; ++cycle) {
        QList<QPointer<CEMapWidget>> views;
        for (const EMap& map : std::as_const(group)) {
            auto* view = new CEMapWidget;
            view->setEditable(false);
            view->setSelectedEMap(map);
            views << view;
        }
        views[0]->show();
        QTest::mouseDClick(views[0]->cameras().first(), Qt::LeftButton);
        views[0]->hide();
        views[0]->closeVideoWidget();
        views[1]->show();
        QTest::mouseDClick(views[1]->cameras().last(), Qt::LeftButton);
        for (const QPointer<CEMapWidget>& view : std::as_const(views))
            view->close();
        QTRY_VERIFY(
            std::all_of(views.cbegin(), views.cend(), [](const QPointer<CEMapWidget>& v) { return v.isNull(); }));
    }
    QTRY_COMPARE_WITH_TIMEOUT(dvr.streams()->runningCount(), 0, 10000);
}

QTEST_MAIN(tst_CEMapWidget)
#include "tst_CEMapWidget.moc"
