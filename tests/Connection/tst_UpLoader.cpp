#include "Connection/QUpFile.h"
#include "Connection/UpLoader.h"
#include "TestDvr.h"

#include <QLoggingCategory>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray BOUNDARY = "--123456789";
const QString QUERY = QStringLiteral("MODE=9&USER=CgVhZG1pbhIEMTIzNA%3d%3d&DATA=");

QByteArray fileBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + 7) ^ (i >> 8));
    return bytes;
}

// The body as a DVR expects it, written from the literals of the format.
QByteArray goldenBody(const QByteArray& file, const QByteArray& fileName)
{
    const QByteArray b = BOUNDARY;
    return "--" + b + "\r\n" + "Content-Disposition: form-data; name=\"REQ\"; filename=\"" + fileName + "\"\r\n"
        + "Content-Type: application/octet-stream\r\n\r\n" + file + "\r\n--" + b + "\r\n"
        + "Content-Disposition: form-data; name=\"MODE\"\r\n\r\n" + "9" + "\r\n--" + b + "\r\n"
        + "Content-Disposition: form-data; name=\"USER\"\r\n\r\n" + "CgVhZG1pbhIEMTIzNA%3d%3d" + "\r\n--" + b + "\r\n"
        + "Content-Disposition: form-data; name=\"DATA\"\r\n\r\n" + "" + "\r\n--" + b + "\r\n"
        + "Content-Disposition: form-data; name=\"agree\"\r\n\r\n" + "1" + "\r\n--" + b + "--\r\n";
}

QByteArray readAllInSteps(QIODevice& device, qint64 step)
{
    QByteArray all;
    for (;;) {
        const QByteArray piece = device.read(step);
        if (piece.isEmpty())
            return all;
        all += piece;
    }
}

} // namespace

class tst_UpLoader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bodyIsByteExact_data();
    void bodyIsByteExact();
    void queryParts_data();
    void queryParts();
    void bodyDevice_data();
    void bodyDevice();
    void bodyDeviceSeeks();
    void bodyDeviceRefusesAShrunkenFile();
    void outcomes_data();
    void outcomes();
    void resentAfterAClosedConnection_data();
    void resentAfterAClosedConnection();
    void abortWhileUploading();
    void secondUploadIsRefused();
    void randomBoundary();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);

    std::unique_ptr<TestDvr> m_dvr;
    QTemporaryDir m_dir;
};

void tst_UpLoader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.warning=false"));
}

void tst_UpLoader::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
}

void tst_UpLoader::cleanup()
{
    m_dvr.reset();
}

QString tst_UpLoader::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void tst_UpLoader::bodyIsByteExact_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("nameInBody");
    QTest::newRow("configuration") << 1000 << "dvr.conf" << QByteArray("dvr.conf");
    QTest::newRow("empty file") << 0 << "empty.bin" << QByteArray("empty.bin");
    QTest::newRow("firmware of 3 MB") << 3 * 1024 * 1024 + 17 << "fw.img" << QByteArray("fw.img");
    QTest::newRow("name in UTF-8") << 10 << QString::fromUtf8("\xed\x95\x9c.conf") << QByteArray("\xed\x95\x9c.conf");
    QTest::newRow("quote in the name") << 10 << "a\"b.conf" << QByteArray("a%22b.conf");
}

void tst_UpLoader::bodyIsByteExact()
{
    QFETCH(int, size);
    QFETCH(QString, name);
    QFETCH(QByteArray, nameInBody);
    const QByteArray file = fileBytes(size);
    const QString path = writeFile(name, file);
    QVERIFY(!path.isEmpty());

    UpLoader uploader;
    uploader.setBoundary(BOUNDARY);
    QSignalSpy started(&uploader, &UpLoader::started);
    QSignalSpy progress(&uploader, &UpLoader::progress);
    QSignalSpy finished(&uploader, &UpLoader::finished);
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, path));
    QVERIFY(uploader.isUploading());
    QVERIFY(finished.wait(10000));
    QCOMPARE(started.size(), 1);
    QCOMPARE(finished.at(0), (QVariantList{false, false, QString("")}));
    QVERIFY(!uploader.isUploading());

    const QByteArray golden = goldenBody(file, nameInBody);
    const TestDvrRequest request = m_dvr->lastRequest();
    QCOMPARE(request.kind, TestDvrRequest::Upload);
    QCOMPARE(request.target, QByteArray("/cgi-bin/webapp.cgi"));
    QVERIFY(request.body == golden);
    QCOMPARE(request.header("Content-Length"), QByteArray::number(golden.size()));
    QCOMPARE(request.header("Content-Type"), "multipart/form-data; boundary=" + BOUNDARY);
    QCOMPARE(request.header("Host"), QByteArray("127.0.0.1"));
    QCOMPARE(request.header("User-Agent"),
        QByteArray("Mozilla/5.0 (Windows; U; Windows NT 5.1; ru; rv:1.9.1.3) Gecko/20090824 Firefox/3.5.3 "
                   "(.NET CLR 3.5.30729)"));
    QCOMPARE(request.header("Accept"), QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    QCOMPARE(request.header("Accept-Language"), QByteArray("ru,en-us;q=0.7,en;q=0.3"));
    QCOMPARE(request.header("Accept-Encoding"), QByteArray("gzip,deflate"));
    QCOMPARE(request.header("Accept-Charset"), QByteArray("windows-1251,utf-8;q=0.7,*;q=0.7"));
    QCOMPARE(request.header("Keep-Alive"), QByteArray("300"));
    QCOMPARE(request.header("Connection"), QByteArray("keep-alive"));
    QVERIFY(request.authorized);
    QCOMPARE(request.mode, 9);
    QCOMPARE(request.parts.at(0).content, file);

    const QVariantList whole{qint64(golden.size()), qint64(golden.size())};
    QVERIFY(std::any_of(progress.begin(), progress.end(), [&](const QVariantList& step) { return step == whole; }));
}

void tst_UpLoader::queryParts_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("parts");
    QTest::newRow("pieces without one equals sign are left out") << "A&B=1=2&C=3&=&D" << QByteArray("C=3;=;");
    QTest::newRow("empty query") << QString() << QByteArray();
    QTest::newRow("empty pieces") << "&&X=y&" << QByteArray("X=y;");
}

void tst_UpLoader::queryParts()
{
    QFETCH(QString, query);
    QFETCH(QByteArray, parts);
    QByteArray expected = "\r\n--B\r\n";
    for (const QByteArray& part : parts.split(';')) {
        if (part.isEmpty())
            continue;
        const qsizetype equals = part.indexOf('=');
        expected += "Content-Disposition: form-data; name=\"" + part.left(equals) + "\"\r\n\r\n" + part.mid(equals + 1)
            + "\r\n--B\r\n";
    }
    expected += "Content-Disposition: form-data; name=\"agree\"\r\n\r\n1\r\n--B--\r\n";
    QCOMPARE(UpLoader::bodyTail("B", query), expected);
}

void tst_UpLoader::bodyDevice_data()
{
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<qint64>("step");
    QTest::newRow("one byte at a time") << 300 << qint64(1);
    QTest::newRow("odd steps") << 5000 << qint64(7);
    QTest::newRow("empty file, small steps") << 0 << qint64(3);
}

void tst_UpLoader::bodyDevice()
{
    QFETCH(int, fileSize);
    QFETCH(qint64, step);
    const QByteArray file = fileBytes(fileSize);
    const QString path = writeFile(QStringLiteral("device.bin"), file);
    QUpFile device(path, "HEAD", "TAIL-BYTES");
    QVERIFY(device.openFile());
    QCOMPARE(device.size(), qint64(4 + fileSize + 10));
    QCOMPARE(device.sizefull(), device.size());
    QCOMPARE(device.sizepart(), qint64(4 + fileSize));
    QVERIFY(!device.isSequential());
    QCOMPARE(readAllInSteps(device, step), "HEAD" + file + "TAIL-BYTES");
    QVERIFY(device.atEnd());
}

void tst_UpLoader::bodyDeviceSeeks()
{
    const QByteArray file = fileBytes(1000);
    QUpFile device(writeFile(QStringLiteral("seek.bin"), file), "H", "T");
    QVERIFY(device.openFile());
    const QByteArray whole = "H" + file + "T";
    QCOMPARE(device.read(600), whole.left(600));
    QVERIFY(device.seek(0));
    QCOMPARE(device.pos(), qint64(0));
    QCOMPARE(device.readAll(), whole);
    QVERIFY(device.seek(1001));
    QCOMPARE(device.readAll(), QByteArray("T"));
    QVERIFY(device.reset());
    QCOMPARE(device.read(3), whole.left(3));
    QVERIFY(!device.seek(-1));
    QVERIFY(!device.seek(device.size() + 1));

    QUpFile missing(m_dir.filePath(QStringLiteral("no such file")), "H", "T");
    QVERIFY(!missing.openFile());
    QVERIFY(!missing.isOpen());
}

void tst_UpLoader::bodyDeviceRefusesAShrunkenFile()
{
    const QString path = writeFile(QStringLiteral("shrinks.bin"), fileBytes(1000));
    QUpFile device(path, "H", "T");
    QVERIFY(device.openFile());
    QFile::resize(path, 10);
    QCOMPARE(device.read(5000).size(), 11);
    QCOMPARE(device.read(5000), QByteArray());
    QVERIFY(!device.errorString().isEmpty());
}

void tst_UpLoader::outcomes_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("started");
    const int none = int(TestDvr::Fault::None);
    QTest::newRow("success") << none << true << "127.0.0.1" << false << "" << true;
    QTest::newRow("missing file") << none << false << "127.0.0.1" << true << "Error: can't open file %1" << false;
    QTest::newRow("http error") << int(TestDvr::Fault::HttpError) << true << "127.0.0.1" << true << "Network error: 401"
                                << true;
    QTest::newRow("invalid address") << none << true << "127.0.0.1/x" << true << "Network error: 3" << false;
}

void tst_UpLoader::outcomes()
{
    QFETCH(int, fault);
    QFETCH(bool, fileExists);
    QFETCH(QString, address);
    QFETCH(bool, error);
    QFETCH(QString, text);
    QFETCH(bool, started);
    m_dvr->setFault(static_cast<TestDvr::Fault>(fault));
    const QString path = fileExists ? writeFile(QStringLiteral("up.conf"), fileBytes(100))
                                    : m_dir.filePath(QStringLiteral("missing.conf"));

    UpLoader uploader;
    QSignalSpy startedSpy(&uploader, &UpLoader::started);
    QSignalSpy finished(&uploader, &UpLoader::finished);
    QVERIFY(uploader.upload(address, m_dvr->port(), QUERY, path));
    if (finished.isEmpty())
        QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), error);
    QCOMPARE(finished.at(0).at(1).toBool(), false);
    QCOMPARE(finished.at(0).at(2).toString(), text.contains("%1") ? text.arg(path) : text);
    QCOMPARE(startedSpy.size(), started ? 1 : 0);
    QVERIFY(!uploader.isUploading());
    QCOMPARE(m_dvr->requestCount(), started ? 1 : 0);
}

void tst_UpLoader::resentAfterAClosedConnection_data()
{
    QTest::addColumn<int>("closings");
    QTest::addColumn<bool>("error");
    QTest::newRow("closed once") << 1 << false;
    QTest::newRow("closed every time") << -1 << true;
}

void tst_UpLoader::resentAfterAClosedConnection()
{
    // The network stack sends the request again on a fresh connection, which
    // rewinds the body: every copy must arrive whole.
    QFETCH(int, closings);
    QFETCH(bool, error);
    m_dvr->setFault(TestDvr::Fault::CloseConnection, closings);
    const QByteArray file = fileBytes(200000);
    UpLoader uploader;
    uploader.setBoundary(BOUNDARY);
    QSignalSpy finished(&uploader, &UpLoader::finished);
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, writeFile("resend.bin", file)));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).toBool(), error);
    QCOMPARE(finished.at(0).at(2).toString(),
        error ? QString("Network error: %1").arg(int(QNetworkReply::RemoteHostClosedError)) : QString(""));
    const QList<TestDvrRequest> requests = m_dvr->requests();
    QVERIFY(requests.size() >= 2);
    for (const TestDvrRequest& request : requests)
        QVERIFY(request.body == goldenBody(file, "resend.bin"));
}

void tst_UpLoader::abortWhileUploading()
{
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    UpLoader uploader;
    uploader.abort();
    QVERIFY(uploader.aborted());
    QSignalSpy finished(&uploader, &UpLoader::finished);
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, writeFile("abort.bin", fileBytes(50))));
    QVERIFY(!uploader.aborted());
    QVERIFY(m_dvr->waitForRequests(1));
    uploader.abort();
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(finished.at(0).at(1).toBool(), true);
    QVERIFY(finished.at(0).at(2).toString().isNull());
    QVERIFY(uploader.aborted());
    QTRY_COMPARE(m_dvr->openConnections(), 0);
    // Nothing of the aborted upload stays behind.
    QTRY_COMPARE(uploader.findChildren<QUpFile*>().size(), 0);
}

void tst_UpLoader::secondUploadIsRefused()
{
    m_dvr->setFault(TestDvr::Fault::SlowAnswer);
    m_dvr->setSlowAnswerDelay(300);
    UpLoader uploader;
    QSignalSpy finished(&uploader, &UpLoader::finished);
    const QString path = writeFile(QStringLiteral("first.bin"), fileBytes(20));
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, path));
    QVERIFY(!uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, path));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(m_dvr->requestCount(), 1);
    // Once done, the next upload goes.
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, path));
    QVERIFY(finished.wait(5000));
    QCOMPARE(m_dvr->requestCount(), 2);
}

void tst_UpLoader::randomBoundary()
{
    UpLoader uploader;
    QSignalSpy finished(&uploader, &UpLoader::finished);
    QVERIFY(uploader.upload(TestDvr::address(), m_dvr->port(), QUERY, writeFile("r.bin", "r")));
    QVERIFY(finished.wait(5000));
    const QByteArray contentType = m_dvr->lastRequest().header("Content-Type");
    QVERIFY(contentType.startsWith("multipart/form-data; boundary=--"));
    bool number = false;
    contentType.mid(32).toLongLong(&number);
    QVERIFY(number);
    QCOMPARE(m_dvr->lastRequest().parts.size(), 5);
}

QTEST_GUILESS_MAIN(tst_UpLoader)
#include "tst_UpLoader.moc"
