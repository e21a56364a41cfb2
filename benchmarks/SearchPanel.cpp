// Local search over a month of recordings, and drawing the minute grid, each
// beside the bare library doing the same work, in one run.
//
// The recorder first writes, once per run, a folder of 30 one-day recordings
// of a 16-channel DVR (30 minute databases of 1,440 records, with their
// 43,200 frame-file pairs: one frame per channel and minute); a second
// folder holds the first 15 days (hard links).
//   BM_ListAndRead/days     bare Qt: list the folder's "*.hdb" files and read every byte
//   BM_LocalSearch/days     the same through CHdbFolder into CSearchDataParser::setLocalData,
//                           then a CSearchWidget filled (SetDateHour, AppendDatas,
//                           setSelectedTime) and its time line drawn
//   BM_DrawMinuteGrid       the minute grid of a fully recorded 16-channel hour drawn
//   BM_BarePainterGrid      QPainter drawing the same picture and 960 cells
// Goals: LocalSearch/30 at most three times ListAndRead/30 and under 0.5 s;
// LocalSearch/15 at most 60 % of LocalSearch/30; DrawMinuteGrid at most
// twice BarePainterGrid.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "BenchApplication.h"
#include "Common/CSearchDataParser.h"
#include "Recording/CHdbFolder.h"
#include "Recording/CMinute.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "Recording/TimeLineImage.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "VideoFrameWrapper.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

const int DAYS = 30;
const int CHANNELS = 16;
const quint32 FIRST_DAY = 1704067200; // 2024-01-01 00:00 DVR time

QApplication& application()
{
    return benchApplication<QApplication>("bench_SearchPanel", [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    });
}

// One recording per day, one frame per channel and minute of it.
void recordMonth(const QString& root)
{
    CAppDir::setCurrentPathOverride(root + "/data");
    CAppSettings().writeSetting("Record", root + "/rec");
    CAppSettings().writeSetting("FileFormat", 0);
    cgi::DvrInfo info;
    info.set_ch_num(CHANNELS);
    const QByteArray payload(64, 'v');
    for (int day = 0; day < DAYS; ++day) {
        CRecord recorder;
        recorder.start("DVR", info, 0);
        for (int minute = 0; minute < 1440; ++minute) {
            const quint32 time = FIRST_DAY + quint32(day * 86400 + minute * 60);
            for (int channel = 0; channel < CHANNELS; ++channel)
                recorder.writeFrame(false,
                    VideoFrameWrapper::newFrame(
                        payload, 0, channel, 704, 480, time + quint32(channel), 0, 1 + channel % 3));
        }
        recorder.stop();
    }
}

// The files of the first days, linked into a folder of their own.
void linkFirstDays(const QString& from, const QString& to, int days)
{
    QDir().mkpath(to);
    const QString last
        = QDateTime::fromSecsSinceEpoch(FIRST_DAY + quint32(days - 1) * 86400, Qt::UTC).toString("yyyyMMdd");
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        if (name.left(8) <= last)
            ::link(QFile::encodeName(from + '/' + name).constData(), QFile::encodeName(to + '/' + name).constData());
    }
}

QString folder(int days)
{
    static QTemporaryDir root;
    static const bool made = [] {
        recordMonth(root.path());
        linkFirstDays(root.path() + "/rec/DVR", root.path() + "/half", DAYS / 2);
        return true;
    }();
    Q_UNUSED(made);
    return days == DAYS ? root.path() + "/rec/DVR" : root.path() + "/half";
}

void BM_ListAndRead(benchmark::State& state)
{
    application();
    const QString path = folder(int(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QFileInfoList files = QDir(path).entryInfoList(
            {QStringLiteral("*.hdb")}, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QFileInfo& info : files) {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            const QByteArray content = file.readAll();
            bytes += content.size();
            benchmark::DoNotOptimize(content.constData());
        }
    }
    state.SetBytesProcessed(bytes);
}

void BM_LocalSearch(benchmark::State& state)
{
    application();
    const QString path = folder(int(state.range(0)));
    CSearchWidget panel;
    QImage drawn(483, 292, QImage::Format_ARGB32_Premultiplied);
    std::size_t hours = 0;
    for (auto _ : state) {
        CSearchDataParser parser(false);
        HdbFileHeader header;
        CHdbFolder::read(CHdbFolder::list(path), &parser, &header);
        panel.clear();
        panel.setDVRChannels(CHANNELS);
        panel.SetDateHour(parser.getDateHours());
        panel.AppendDatas(parser.getMinDatas());
        panel.setSelectedTime(parser.getDvrTime());
        panel.findChild<CTimeLine*>()->render(&drawn);
        hours = parser.getDateHours().size();
    }
    state.counters["hours"] = double(hours);
}

CMinData fullHour()
{
    CMinData data;
    for (int channel = 0; channel < CHANNELS; ++channel) {
        for (int minute = 0; minute < 60; ++minute)
            data.SetData(channel, minute, static_cast<unsigned char>(1 + (channel + minute) % 3));
    }
    return data;
}

void BM_DrawMinuteGrid(benchmark::State& state)
{
    application();
    CMinute grid(CHANNELS);
    grid.SetData(fullHour());
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_BarePainterGrid(benchmark::State& state)
{
    application();
    const QPixmap picture = TimeLineImage::minuteGrid();
    const CMinData data = fullHour();
    const QColor colours[] = {QColor(), QColor(255, 0, 0, 100), QColor(0, 255, 0, 100), QColor(255, 130, 0, 100)};
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, picture);
        for (int channel = 0; channel < CHANNELS; ++channel) {
            const unsigned char* kinds = data.GetData(channel);
            for (int minute = 0; minute < 60; ++minute) {
                const int left = 1 + 35 * (minute / 5) + 7 * (minute % 5);
                painter.fillRect(left, 16 + 15 * channel, minute % 5 == 4 ? 6 : 7, 14, colours[kinds[minute]]);
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(BM_ListAndRead)->Arg(DAYS)->Arg(DAYS / 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocalSearch)->Arg(DAYS)->Arg(DAYS / 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawMinuteGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarePainterGrid)->Unit(benchmark::kMicrosecond);
