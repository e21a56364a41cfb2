// Minute databases written by the recorder, read from their folder as a
// local search reads them and shown on a real search panel.
#include "Common/CSearchDataParser.h"
#include "Recording/CHdbFolder.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "ShownSearch.h"
#include "SysData/CRecord.h"
#include "VideoFrameWrapper.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QCalendarWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 at(const char* text)
{
    QDateTime time = QDateTime::fromString(QLatin1String(text), "yyyy-MM-dd hh:mm:ss");
    time.setTimeSpec(Qt::UTC);
    return quint32(time.toSecsSinceEpoch());
}

struct Frame {
    int channel;
    quint32 time;
    int reason;
};

// One recording of a 16-channel DVR; returns its minute database.
QString record(const QList<Frame>& frames)
{
    const QString folder = CAppSettings().readSetting("Record").toString() + "/DVR";
    const QStringList before = QDir(folder).entryList({"*.hdb"});
    CRecord recorder;
    cgi::DvrInfo info;
    info.set_ch_num(16);
    if (!recorder.start("DVR", info, 0))
        return QString();
    for (const Frame& frame : frames)
        recorder.writeFrame(false,
            VideoFrameWrapper::newFrame(QByteArray(64, 'v'), 0, frame.channel, 704, 480, frame.time, 0, frame.reason));
    recorder.stop();
    for (const QString& name : QDir(folder).entryList({"*.hdb"})) {
        if (!before.contains(name))
            return folder + '/' + name;
    }
    return QString();
}

QString minuteRow(int minute, char kind)
{
    QString row(60, '.');
    row[minute] = kind;
    return row;
}

} // namespace

class tst_LocalSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsEveryRecordedMinute();

private:
    QTemporaryDir m_root;
};

void tst_LocalSearch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    CAppDir::setCurrentPathOverride(m_root.filePath("data"));
    CAppSettings().writeSetting("Record", m_root.filePath("rec"));
    CAppSettings().writeSetting("FileFormat", 0);
}

void tst_LocalSearch::showsEveryRecordedMinute()
{
    // Three channels over two days; the clock is set back so that 23:59
    // comes twice; channel 2 ends with frames of record reason 0.
    QList<Frame> frames;
    for (quint32 t = at("2024-05-01 23:58:10"); t < at("2024-05-02 00:01:30"); t += 20)
        frames << Frame{0, t, 1} << Frame{1, t, 2};
    frames << Frame{2, at("2024-05-01 23:59:05"), 3} << Frame{2, at("2024-05-02 00:02:00"), 3}
           << Frame{2, at("2024-05-02 10:00:00"), 0} << Frame{2, at("2024-05-02 10:00:50"), 0};
    QVERIFY(!record(frames).isEmpty());

    // A database of which only the header reached the disk.
    const QString headerOnly = record({{0, at("2024-05-03 08:00:00"), 1}});
    QVERIFY(QFile::resize(headerOnly, HdbFileHeader::SIZE));
    // A database whose last record was cut short.
    const QString cut = record({{1, at("2024-05-04 07:00:00"), 1}, {1, at("2024-05-04 07:01:00"), 1}});
    QVERIFY(QFile::resize(cut, QFileInfo(cut).size() - 30));

    const QFileInfoList files = CHdbFolder::list(m_root.filePath("rec/DVR"));
    QCOMPARE(files.size(), 3);
    CSearchDataParser parser(false);
    HdbFileHeader header;
    header.channelCount = 0;
    QCOMPARE(CHdbFolder::read(files, &parser, &header), 3);
    QCOMPARE(header.channelCount, quint8(16));

    CSearchWidget panel;
    panel.setDVRChannels(16);
    panel.SetDateHour(parser.getDateHours());
    panel.AppendDatas(parser.getMinDatas());
    panel.setSelectedTime(parser.getDvrTime());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto* timeLine = panel.findChild<CTimeLine*>();

    struct View {
        const char* hour;
        const char* hours;
        QStringList grid;
    };
    const QString twoLast = QString(58, '.');
    const View views[] = {
        {"2024-05-01 23:00:00", ".......................#",
            {"c0:" + twoLast + "11", "c1:" + twoLast + "22", "c2:" + minuteRow(59, '3')}},
        {"2024-05-02 00:00:00", "#.........#.............",
            {"c0:11" + twoLast, "c1:22" + twoLast, "c2:" + minuteRow(2, '3')}},
        {"2024-05-02 10:00:00", "#.........#.............", {"c2:" + minuteRow(0, '1')}},
        {"2024-05-03 08:00:00", "........................", {}},
        {"2024-05-04 07:00:00", ".......#................", {"c1:" + minuteRow(0, '1')}},
    };
    for (const View& view : views) {
        panel.setSelectedTime(at(view.hour));
        QVERIFY2(ShownSearch::hours(timeLine) == QLatin1String(view.hours), view.hour);
        QCOMPARE(ShownSearch::grid(timeLine, 16), view.grid);
    }
    auto* calendar = panel.findChild<QCalendarWidget*>();
    panel.setSelectedTime(at("2024-05-02 10:00:00"));
    for (int day = 1; day <= 4; ++day)
        QCOMPARE(ShownSearch::day(calendar, QDate(2024, 5, day)).filled, day != 3);
}

QTEST_MAIN(tst_LocalSearch)
#include "tst_LocalSearch.moc"
