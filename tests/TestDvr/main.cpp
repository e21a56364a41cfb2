#include "TestDvr.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int DEFAULT_LIFETIME_SECONDS = 300;
constexpr int MAX_LIFETIME_SECONDS = 3600;

const char* const FAULT_NAMES[] = {"none", "no-answer", "slow", "close", "http-error", "garbled"};

bool faultFromName(const QString& name, TestDvr::Fault* fault)
{
    for (int i = 0; i < int(std::size(FAULT_NAMES)); ++i) {
        if (name == QLatin1String(FAULT_NAMES[i])) {
            *fault = static_cast<TestDvr::Fault>(i);
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
    parser.addOptions({portOption, userOption, passwordOption, faultOption, slowOption, statusOption, lifetimeOption});
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
    if (!faultFromName(parser.value(faultOption), &fault)) {
        err << "unknown fault: " << parser.value(faultOption) << Qt::endl;
        return 2;
    }

    TestDvr dvr;
    dvr.setCredentials(parser.value(userOption), parser.value(passwordOption));
    dvr.setFault(fault);
    dvr.setSlowAnswerDelay(parser.value(slowOption).toInt());
    dvr.setErrorStatus(parser.value(statusOption).toInt());
    if (!dvr.listen(static_cast<quint16>(port))) {
        err << "cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }

    QTextStream out(stdout);
    out << "listening on " << TestDvr::address() << ':' << dvr.port() << Qt::endl;
    QObject::connect(&dvr, &TestDvr::requestReceived, &dvr, [&dvr, &out](int) {
        const TestDvrRequest request = dvr.lastRequest();
        out << kindName(request.kind) << ' ' << (request.dialect == TestDvrRequest::NewDialect ? "new" : "old")
            << " mode " << request.mode << (request.authorized ? "" : " refused") << ": " << request.method << ' '
            << request.target << Qt::endl;
    });
    QTimer::singleShot(lifetime * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
