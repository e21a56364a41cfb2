#include "AbortProbe.h"
#include "dvr_protocol/cgi_protocol.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QTest>
#include <climits>

namespace {

cgi::User makeUser(const std::string& name, const std::string& password)
{
    cgi::User user;
    user.set_name(name);
    if (!password.empty())
        user.set_password(password);
    return user;
}

std::string queryValue(const std::string& query, const std::string& key, const std::string& next)
{
    const std::size_t from = query.find(key) + key.size();
    const std::size_t to = next.empty() ? query.size() : query.find(next, from);
    return query.substr(from, to - from);
}

// Every sign that needs escaping somewhere on the way, and bytes above 0x7F.
std::string awkwardText(int length)
{
    static const std::string pattern = "a+b=c&d%e \xc7\xd1\xb1\xdb/\xff";
    std::string text;
    for (int i = 0; i < length; ++i)
        text += pattern[static_cast<std::size_t>(i) % pattern.size()];
    return text;
}

} // namespace

class tst_cgi_protocol : public QObject {
    Q_OBJECT

private slots:
    void goldenQueries_data();
    void goldenQueries();
    void credentialsRoundTrip_data();
    void credentialsRoundTrip();
    void queryLengthLimit();
    void streamModes();
    void url2Mode_data();
    void url2Mode();
    void url2Data_data();
    void url2Data();
};

void tst_cgi_protocol::goldenQueries_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("ptzCmd");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("name only, no data") << int(cgi::MODE_DVR_INFO) << QByteArray("abc") << QByteArray() << -1
                                        << QByteArray("MODE=16&USER=CgNhYmM%3d&DATA=");
    QTest::newRow("name and password") << int(cgi::MODE_HDD_INFO) << QByteArray("admin") << QByteArray("1234") << -1
                                       << QByteArray("MODE=17&USER=CgVhZG1pbhIEMTIzNA%3d%3d&DATA=");
    QTest::newRow("ptz command") << int(cgi::MODE_PTZF) << QByteArray("abc") << QByteArray()
                                 << int(cgi::Ptzf::CMD_RIGHT) << QByteArray("MODE=7&USER=CgNhYmM%3d&DATA=CAYQAhgD");
}

void tst_cgi_protocol::goldenQueries()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, password);
    QFETCH(int, ptzCmd);
    QFETCH(QByteArray, query);

    cgi::Ptzf ptz;
    if (ptzCmd >= 0) {
        ptz.set_cmd(static_cast<cgi::Ptzf::Cmd>(ptzCmd));
        ptz.set_channel(2);
        ptz.set_speed(3);
    }
    const cgi::NullMsg none;
    const google::protobuf::MessageLite& data
        = ptzCmd >= 0 ? static_cast<const google::protobuf::MessageLite&>(ptz) : none;
    std::string output = "old content";
    QCOMPARE(cgi::Data2Url(
                 static_cast<cgi::Mode>(mode), makeUser(name.toStdString(), password.toStdString()), data, &output),
        cgi::DATA2URL_OK);
    QCOMPARE(QByteArray::fromStdString(output), query);
}

void tst_cgi_protocol::credentialsRoundTrip_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("result");
    QTest::newRow("0") << 0 << cgi::DATA2URL_OK;
    QTest::newRow("1") << 1 << cgi::DATA2URL_OK;
    QTest::newRow("300") << 300 << cgi::DATA2URL_USER_TOO_LONG;
    QTest::newRow("3000") << 3000 << cgi::DATA2URL_USER_TOO_LONG;
}

void tst_cgi_protocol::credentialsRoundTrip()
{
    QFETCH(int, length);
    QFETCH(int, result);
    cgi::User user;
    user.set_name(awkwardText(length));
    user.set_password(awkwardText(length / 2 + 1));

    std::string query;
    QCOMPARE(cgi::Data2Url(cgi::MODE_DVR_INFO, user, cgi::NullMsg(), &query), result);
    QVERIFY(query.rfind("MODE=16&USER=", 0) == 0);
    QVERIFY(query.size() > static_cast<std::size_t>(length));

    const std::string userText = queryValue(query, "USER=", "&DATA=");
    QVERIFY(userText.find_first_of("+=& ") == std::string::npos);
    cgi::User decoded;
    QCOMPARE(cgi::Url2User(userText, &decoded), 0);
    QCOMPARE(decoded.name(), user.name());
    QCOMPARE(decoded.password(), user.password());
}

void tst_cgi_protocol::queryLengthLimit()
{
    // Grow a DATA message byte by byte across the DVR's limit: every query up
    // to MAX_QUERY_LENGTH characters is accepted, every longer one refused.
    const cgi::User user = makeUser("admin", "1234");
    bool accepted = false;
    bool refused = false;
    for (int size = 700; size < 800; ++size) {
        cgi::DvrInfo data;
        data.set_dvr_name(std::string(static_cast<std::size_t>(size), 'x'));
        std::string query;
        const int result = cgi::Data2Url(cgi::MODE_SEARCH, user, data, &query);
        const bool fits = query.size() <= cgi::MAX_QUERY_LENGTH;
        QCOMPARE(result, fits ? cgi::DATA2URL_OK : cgi::DATA2URL_QUERY_TOO_LONG);
        accepted |= fits;
        refused |= !fits;
    }
    QVERIFY(accepted && refused);
    QVERIFY(std::string(cgi::Data2UrlErrorText(cgi::DATA2URL_QUERY_TOO_LONG)).size() > 0);
}

void tst_cgi_protocol::streamModes()
{
    for (int mode = cgi::Mode_MIN; mode <= cgi::Mode_MAX; ++mode)
        QCOMPARE(cgi::Mode_IsStream(static_cast<cgi::Mode>(mode)), mode <= 2);
}

void tst_cgi_protocol::url2Mode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("mode");
    QTest::newRow("plain") << QByteArray("16") << 16;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("blanks, sign, tail") << QByteArray(" \t-3&USER=") << -3;
    QTest::newRow("too large") << QByteArray("99999999999999999999") << INT_MAX;
    QTest::newRow("too small") << QByteArray("-99999999999999999999") << INT_MIN;
}

void tst_cgi_protocol::url2Mode()
{
    QFETCH(QByteArray, text);
    QFETCH(int, mode);
    QCOMPARE(cgi::Url2Mode(text.toStdString()), mode);
}

void tst_cgi_protocol::url2Data_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("channel");
    QTest::newRow("golden") << QByteArray("CAYQAhgD") << 0 << 6 << 2;
    QTest::newRow("upper-case escapes") << QByteArray("CAYQAg%3D%3D") << 0 << 6 << 2;
    QTest::newRow("lone percent") << QByteArray("CAYQAhgD%") << -1 << 0 << 0;
    QTest::newRow("percent and one char") << QByteArray("%3") << -1 << 0 << 0;
    QTest::newRow("percent and non-hex") << QByteArray("%zzCAYQ") << -1 << 0 << 0;
    QTest::newRow("broken message") << QByteArray("CA%3d%3d") << -1 << 0 << 0;
}

void tst_cgi_protocol::url2Data()
{
    QFETCH(QByteArray, text);
    QFETCH(int, result);
    QFETCH(int, cmd);
    QFETCH(int, channel);
    cgi::Ptzf ptz;
    ptz.set_preset(9);
    QCOMPARE(cgi::Url2Data(text.toStdString(), &ptz), result);
    QCOMPARE(int(ptz.cmd()), cmd);
    QCOMPARE(int(ptz.channel()), channel);
    QVERIFY(!ptz.has_preset());
}

QTEST_APPLESS_MAIN(tst_cgi_protocol)
#include "tst_cgi_protocol.moc"
