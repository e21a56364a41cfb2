#include "SinkMonitor.h"

#include <QRegularExpression>
#include <QTest>
#include <QtEndian>
#include <cstdlib>

namespace {
QByteArray runPactl(const QStringList& arguments)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return {};
    return pactl.readAllStandardOutput();
}

qint16 sampleAt(const QByteArray& pcm, qsizetype index)
{
    return qFromLittleEndian<qint16>(pcm.constData() + index * 2);
}
} // namespace

SinkMonitor::~SinkMonitor()
{
    if (m_recorder.state() != QProcess::NotRunning) {
        m_recorder.terminate();
        m_recorder.waitForFinished(5000);
    }
}

bool SinkMonitor::serverAvailable()
{
    return !runPactl({QStringLiteral("info")}).isEmpty();
}

QStringList SinkMonitor::playingFormats()
{
    const QString listing = QString::fromUtf8(runPactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}));
    QStringList formats;
    // pactl writes each stream's format as "Sample ...: s16le 1ch 8000Hz".
    const QRegularExpression line(QStringLiteral("Sample \\w+: (\\S+ \\d+ch \\d+Hz)"));
    for (auto it = line.globalMatch(listing); it.hasNext();)
        formats.append(it.next().captured(1).trimmed());
    return formats;
}

bool SinkMonitor::start()
{
    m_recorder.start(QStringLiteral("parec"),
        {QStringLiteral("--device=qelm_null.monitor"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
            QStringLiteral("--rate=%1").arg(RATE), QStringLiteral("--channels=1"),
            QStringLiteral("--latency-msec=20")});
    return m_recorder.waitForStarted(5000) && m_recorder.waitForReadyRead(10000);
}

void SinkMonitor::record()
{
    m_heard += m_recorder.readAllStandardOutput();
}

QByteArray SinkMonitor::take()
{
    record();
    QByteArray pcm;
    pcm.swap(m_heard);
    // Keep whole samples; an odd byte waits for its partner.
    if (pcm.size() % 2) {
        m_heard = pcm.right(1);
        pcm.chop(1);
    }
    return pcm;
}

bool SinkMonitor::hears(int magnitude, int milliseconds, int timeLimitMs)
{
    return QTest::qWaitFor(
        [&] {
            record();
            return loudMilliseconds(m_heard, magnitude) >= milliseconds;
        },
        timeLimitMs);
}

bool SinkMonitor::hearsItEnd(int magnitude, int milliseconds, int timeLimitMs)
{
    const qsizetype tail = bytesOf(milliseconds);
    return QTest::qWaitFor(
        [&] {
            record();
            const qsizetype whole = m_heard.size() - m_heard.size() % 2;
            return whole >= tail && peak(m_heard.mid(whole - tail, tail)) < magnitude;
        },
        timeLimitMs);
}

bool SinkMonitor::staysQuiet(int magnitude, int milliseconds, int timeLimitMs)
{
    take();
    const bool heard = QTest::qWaitFor(
        [&] {
            record();
            return m_heard.size() >= bytesOf(milliseconds);
        },
        timeLimitMs);
    return heard && peak(take()) < magnitude;
}

int SinkMonitor::peak(const QByteArray& pcm)
{
    int loudest = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        loudest = qMax(loudest, std::abs(int(sampleAt(pcm, i))));
    return loudest;
}

int SinkMonitor::loudMilliseconds(const QByteArray& pcm, int magnitude)
{
    qsizetype loud = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        loud += std::abs(int(sampleAt(pcm, i))) >= magnitude;
    return int(loud * 1000 / RATE);
}
