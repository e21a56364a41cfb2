#include "Common/CDateTime.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrConfiguration.h"
#include "TestDvrPlayback.h"
#include "TestDvrRecordings.h"
#include "TestDvrSchedule.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

constexpr int DEFAULT_LIFETIME_SECONDS = 300;
constexpr int MAX_LIFETIME_SECONDS = 3600;
constexpr int MAX_RECORDED_HOURS = 24;

// The names of the fault switches, in the order of their enumerations.
const char* const FAULT_NAMES[] = {"none", "no-answer", "slow", "close", "http-error", "garbled"};
const char* const STREAM_FAULT_NAMES[] = {"none", "refuse", "garbage", "bad-length", "oversize", "split", "close-after",
    "silence", "slow-drip", "corrupt-video", "lying-headers", "short-names"};

// False for an unknown name.
template <typename Fault, std::size_t N>
bool faultFromName(const char* const (&names)[N], const QString& name, Fault* fault)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i])) {
            *fault = static_cast<Fault>(i);
            return true;
        }
    }
    return false;
}

const char* kindName(TestDvrRequest::Kind kind)
{
    switch (kind) {
    case TestDvrRequest::Command:
        return "command";
    case TestDvrRequest::DataRead:
        return "read";
    case TestDvrRequest::Upload:
        return "upload";
    case TestDvrRequest::StreamRequest:
        return "stream";
    case TestDvrRequest::Malformed:
        break;
    }
    return "malformed";
}

// " relay on" or " relay off" for a relay command of either dialect, so
// that what reaches the relay can be counted; empty for other requests.
QString relayWord(const TestDvrRequest& request)
{
    const std::optional<bool> on = request.relayOn();
    if (!on)
        return QString();
    return *on ? QStringLiteral(" relay on") : QStringLiteral(" relay off");
}

// " as <user>" for a newer-dialect request, so that the account each
// command goes with can be read; empty for the older dialect's.
QString userWord(const TestDvrRequest& request)
{
    if (request.dialect != TestDvrRequest::NewDialect || !request.userDecoded)
        return QString();
    return QStringLiteral(" as ") + QString::fromStdString(request.user.name());
}

// " ptz <command> <preset>" for a newer-dialect PTZ command (its cmd
// number, and the preset of a preset act), so that the order of moves, stops
// and presets reaching a camera can be read; empty for other requests.
QString ptzWord(const TestDvrRequest& request)
{
    cgi::Ptzf ptzf;
    if (request.kind != TestDvrRequest::Command || request.dialect != TestDvrRequest::NewDialect
        || request.mode != cgi::MODE_PTZF || !ptzf.ParseFromString(request.data.toStdString()))
        return QString();
    return QStringLiteral(" ptz %1 channel %2").arg(ptzf.cmd()).arg(ptzf.channel())
        + (ptzf.has_preset() ? QStringLiteral(" preset %1").arg(ptzf.preset()) : QString());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qelm_test_dvr"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A DVR for tests. Answers the CGI endpoint /cgi-bin/webapp.cgi on 127.0.0.1 in both dialects "
                       "(commands, data reads, uploads and streams), prints one line per request, and stops by itself "
                       "after its lifetime."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
        QStringLiteral("TCP port on 127.0.0.1; 0 picks a free one (default 0)."), QStringLiteral("port"),
        QStringLiteral("0"));
    const QCommandLineOption userOption(QStringLiteral("user"),
        QStringLiteral("User id the DVR accepts (default admin)."), QStringLiteral("id"), QStringLiteral("admin"));
    const QCommandLineOption guestOption(QStringLiteral("guest"),
        QStringLiteral("A second account, which may watch but not steer the cameras: its PTZ and preset tour "
                       "commands (newer dialect) are refused with permission denied."),
        QStringLiteral("user:password"));
    const QCommandLineOption refusePtzOption(QStringLiteral("refuse-ptz"),
        QStringLiteral("Refuses the first <count> PTZ and preset tour commands (newer dialect) with permission "
                       "denied, whatever their account (default 0)."),
        QStringLiteral("count"), QStringLiteral("0"));
    const QCommandLineOption passwordOption(QStringLiteral("password"),
        QStringLiteral("Password the DVR accepts (default 1234)."), QStringLiteral("password"), QStringLiteral("1234"));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
        QStringLiteral("Misbehave: none, no-answer, slow, close, http-error or garbled (default none)."),
        QStringLiteral("fault"), QStringLiteral("none"));
    const QCommandLineOption slowOption(QStringLiteral("slow-ms"),
        QStringLiteral("Delay of a slow answer in milliseconds (default 2000)."), QStringLiteral("ms"),
        QStringLiteral("2000"));
    const QCommandLineOption statusOption(QStringLiteral("error-status"),
        QStringLiteral("HTTP status of the http-error fault (default 500)."), QStringLiteral("status"),
        QStringLiteral("500"));
    const QCommandLineOption lifetimeOption(QStringLiteral("lifetime"),
        QStringLiteral("Seconds until the DVR stops by itself, 1 to %1 (default %2).")
            .arg(MAX_LIFETIME_SECONDS)
            .arg(DEFAULT_LIFETIME_SECONDS),
        QStringLiteral("seconds"), QString::number(DEFAULT_LIFETIME_SECONDS));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
        QStringLiteral("Picture size of the streams, WIDTHxHEIGHT (default 704x480)."), QStringLiteral("size"),
        QStringLiteral("704x480"));
    const QCommandLineOption fpsOption(QStringLiteral("fps"),
        QStringLiteral("Frames a second per channel, 1 to 60 (default 25)."), QStringLiteral("fps"),
        QStringLiteral("25"));
    const QCommandLineOption noAudioOption(QStringLiteral("no-audio"), QStringLiteral("Stream no audio."));
    const QCommandLineOption contentOption(QStringLiteral("content"),
        QStringLiteral("What the video shows: pattern (a test pattern per channel, all channels' frames together) or "
                       "camera (the pattern panning under noise at a camera's bit rate, the channels out of step) "
                       "(default pattern)."),
        QStringLiteral("content"), QStringLiteral("pattern"));
    const QCommandLineOption bitRateOption(QStringLiteral("bitrate"),
        QStringLiteral("Camera content: kbit/s per channel, 100 to 20000 (default 2000 up to 720x576, 6000 above)."),
        QStringLiteral("kbps"));
    const QCommandLineOption streamFaultOption(QStringLiteral("stream-fault"),
        QStringLiteral("Misbehave on streams: none, refuse, garbage, bad-length, oversize, split, close-after, "
                       "silence, slow-drip, corrupt-video, lying-headers or short-names (default none)."),
        QStringLiteral("fault"), QStringLiteral("none"));
    const QCommandLineOption faultValueOption(QStringLiteral("fault-value"),
        QStringLiteral("The refusal code, the packets before closing or the milliseconds between dripped bytes "
                       "(default 2)."),
        QStringLiteral("value"), QStringLiteral("2"));
    const QCommandLineOption modelNameOption(QStringLiteral("model-name"),
        QStringLiteral("The model name the DVR reports (default its own)."), QStringLiteral("name"));
    const QCommandLineOption recordedOption(QStringLiteral("recorded"),
        QStringLiteral("Hours before its start that every channel recorded, for search, playback and backup, 0 to "
                       "24 (default 0)."),
        QStringLiteral("hours"), QStringLiteral("0"));
    parser.addOptions({portOption, userOption, passwordOption, guestOption, refusePtzOption, faultOption, slowOption,
        statusOption, lifetimeOption, sizeOption, fpsOption, noAudioOption, contentOption, bitRateOption,
        streamFaultOption, faultValueOption, modelNameOption, recordedOption});
    parser.process(app);

    QTextStream err(stderr);
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        err << "invalid port: " << parser.value(portOption) << Qt::endl;
        return 2;
    }
    const int lifetime = parser.value(lifetimeOption).toInt(&ok);
    if (!ok || lifetime < 1 || lifetime > MAX_LIFETIME_SECONDS) {
        err << "invalid lifetime: " << parser.value(lifetimeOption) << Qt::endl;
        return 2;
    }
    TestDvr::Fault fault = TestDvr::Fault::None;
    if (!faultFromName(FAULT_NAMES, parser.value(faultOption), &fault)) {
        err << "unknown fault: " << parser.value(faultOption) << Qt::endl;
        return 2;
    }

    TestDvrStreamSettings streams;
    const QStringList size = parser.value(sizeOption).split(QLatin1Char('x'));
    streams.width = size.value(0).toInt();
    streams.height = size.value(1).toInt();
    if (size.size() != 2 || streams.width < 16 || streams.width > 1920 || streams.height < 16
        || streams.height > 1080) {
        err << "invalid size: " << parser.value(sizeOption) << Qt::endl;
        return 2;
    }
    streams.fps = parser.value(fpsOption).toInt(&ok);
    if (!ok || streams.fps < 1 || streams.fps > 60) {
        err << "invalid fps: " << parser.value(fpsOption) << Qt::endl;
        return 2;
    }
    // A two-second loop per channel, an I frame every second.
    streams.clipFrames = 2 * streams.fps;
    streams.keyInterval = streams.fps;
    streams.audio = !parser.isSet(noAudioOption);
    const QString content = parser.value(contentOption);
    if (content == QLatin1String("camera")) {
        streams.cameraKbps = streams.width * streams.height > 720 * 576 ? 6000 : 2000;
        if (parser.isSet(bitRateOption))
            streams.cameraKbps = parser.value(bitRateOption).toInt(&ok);
        if (!ok || streams.cameraKbps < 100 || streams.cameraKbps > 20000) {
            err << "invalid bit rate: " << parser.value(bitRateOption) << Qt::endl;
            return 2;
        }
    } else if (content != QLatin1String("pattern")) {
        err << "unknown content: " << content << Qt::endl;
        return 2;
    }
    if (!faultFromName(STREAM_FAULT_NAMES, parser.value(streamFaultOption), &streams.fault)) {
        err << "unknown stream fault: " << parser.value(streamFaultOption) << Qt::endl;
        return 2;
    }
    streams.faultValue = parser.value(faultValueOption).toInt();
    const int recordedHours = parser.value(recordedOption).toInt(&ok);
    if (!ok || recordedHours < 0 || recordedHours > MAX_RECORDED_HOURS) {
        err << "invalid recorded hours: " << parser.value(recordedOption) << Qt::endl;
        return 2;
    }

    TestDvr dvr;
    TestDvrChannelSelect::install(&dvr);
    dvr.setStreamSettings(streams);
    dvr.setCredentials(parser.value(userOption), parser.value(passwordOption));
    if (parser.isSet(guestOption)) {
        const QString guest = parser.value(guestOption);
        if (!guest.contains(QLatin1Char(':'))) {
            err << "invalid guest account: " << guest << Qt::endl;
            return 2;
        }
        dvr.setGuest(guest.section(QLatin1Char(':'), 0, 0), guest.section(QLatin1Char(':'), 1));
    }
    dvr.setFault(fault);
    dvr.setSlowAnswerDelay(parser.value(slowOption).toInt());
    dvr.setErrorStatus(parser.value(statusOption).toInt());
    const int refusedPtz = parser.value(refusePtzOption).toInt(&ok);
    if (!ok || refusedPtz < 0) {
        err << "invalid count of refused PTZ commands: " << parser.value(refusePtzOption) << Qt::endl;
        return 2;
    }
    if (refusedPtz > 0) {
        const auto left = std::make_shared<std::atomic<int>>(refusedPtz);
        const TestDvr::Handler refuse = [left](const TestDvrRequest& request, const TestDvrContent& reported) {
            if (left->fetch_sub(1) <= 0)
                return TestDvrAnswers::standard(request, reported);
            return TestDvrReply::http(200,
                TestDvrAnswers::responsePacket(reported.clientId, TestDvrAnswers::ANSWER_PERMISSION_DENIED, false));
        };
        dvr.setHandler(TestDvrRequest::NewDialect, cgi::MODE_PTZF, refuse);
        dvr.setHandler(TestDvrRequest::NewDialect, cgi::MODE_AUTO_PRESET, refuse);
    }
    if (parser.isSet(modelNameOption)) {
        TestDvrContent reported = dvr.content();
        reported.dvrInfo.set_model_name(parser.value(modelNameOption).toStdString());
        dvr.setContent(reported);
    }
    // Keeps what the setup window sends, so that it reads it back.
    TestDvrConfiguration::install(&dvr);
    if (recordedHours > 0) {
        // The DVR's clock is the viewer's wall clock read as UTC.
        const auto now = quint32(CDateTime::currentWallClock());
        TestDvrRecordings::of(&dvr)->setSchedule(
            TestDvrSchedule().add(now - quint32(recordedHours) * 3600, now, 0xFFFF));
        TestDvrPlayback::of(&dvr);
    }
    if (!dvr.listen(static_cast<quint16>(port))) {
        err << "cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }

    QTextStream out(stdout);
    out << "listening on " << TestDvr::address() << ':' << dvr.port() << Qt::endl;
    QObject::connect(&dvr, &TestDvr::requestReceived, &dvr, [&dvr, &out](int) {
        const TestDvrRequest request = dvr.lastRequest();
        out << kindName(request.kind) << ' ' << (request.dialect == TestDvrRequest::NewDialect ? "new" : "old")
            << " mode " << request.mode << (request.authorized ? "" : " refused") << userWord(request) << ": "
            << request.method << ' ' << request.target << relayWord(request) << ptzWord(request) << Qt::endl;
    });
    QObject::connect(dvr.streams(), &TestDvrStreams::streamEnded, &dvr, [&out](const TestDvrStreams::Record& record) {
        out << (record.audioStream ? "audio" : "video") << " stream " << record.id << " ended: " << record.videoFrames
            << " video frames, " << record.packets << " packets" << (record.stoppedByRequest ? ", stop request" : "")
            << Qt::endl;
    });
    QTimer::singleShot(lifetime * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
