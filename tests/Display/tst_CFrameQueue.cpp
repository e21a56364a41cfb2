#include "Display/CFrameQueue.h"

#include <QtTest>
#include <atomic>
#include <boost/thread/thread.hpp>
#include <chrono>
#include <thread>

namespace {

QByteArray filled(int size, char value)
{
    return QByteArray(size, value);
}

_DISPLAY_CHANNEL_INFO infoFor(int screen)
{
    _DISPLAY_CHANNEL_INFO info;
    info.screen = screen;
    info.name = QStringLiteral("screen %1").arg(screen);
    return info;
}

bool push(CFrameQueue& queue, const QByteArray& frame, int screen = 0)
{
    return queue.push(reinterpret_cast<const unsigned char*>(frame.constData()), static_cast<std::size_t>(frame.size()),
        infoFor(screen));
}

// Runs a push on its own thread and tells whether it has returned.
class Producer {
public:
    Producer(CFrameQueue& queue, QByteArray frame)
        : m_thread([this, &queue, frame] {
            m_result = push(queue, frame);
            m_done = true;
        })
    {
    }
    ~Producer() { m_thread.join(); }

    bool done() const { return m_done; }
    bool result() const { return m_result; }

private:
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_result{false};
    std::thread m_thread;
};

} // namespace

class tst_CFrameQueue : public QObject {
    Q_OBJECT

private slots:
    void keepsFramesInOrder();
    void framesLieBeforeZeroPadding_data();
    void framesLieBeforeZeroPadding();
    void refusesWhatCannotGoIn_data();
    void refusesWhatCannotGoIn();
    void producerWaitsForRoom_data();
    void producerWaitsForRoom();
    void closingReleasesAWaitingProducer_data();
    void closingReleasesAWaitingProducer();
    void waitingConsumerCanBeInterrupted();
    void consumersFrameOutlivesClosing_data();
    void consumersFrameOutlivesClosing();
    void idleConsumerClosesOnlyAnEmptyQueue_data();
    void idleConsumerClosesOnlyAnEmptyQueue();
};

void tst_CFrameQueue::keepsFramesInOrder()
{
    CFrameQueue queue;
    queue.open();
    QVERIFY(push(queue, filled(100, 'a'), 1));
    QVERIFY(push(queue, filled(50, 'b'), 2));
    QVERIFY(push(queue, filled(7, 'c'), 3));
    QCOMPARE(queue.fillLevel(), std::size_t(157));

    const char expected[] = {'a', 'b', 'c'};
    const std::size_t lengths[] = {100, 50, 7};
    for (int i = 0; i < 3; ++i) {
        CFrameQueue::Front front;
        QVERIFY(queue.waitFront(front));
        QCOMPARE(front.length, lengths[i]);
        QCOMPARE(front.info.screen, i + 1);
        QCOMPARE(front.info.name, QStringLiteral("screen %1").arg(i + 1));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(front.data), static_cast<int>(front.length)),
            filled(static_cast<int>(lengths[i]), expected[i]));
        queue.popFront();
    }
    QCOMPARE(queue.fillLevel(), std::size_t(0));
}

// Each frame taken is followed by the decoder's padding, all zero, as the
// frame says, wherever it lies in the buffer: after frames of other bytes, at
// the buffer's end, moved to its start, or behind frames dropped.
void tst_CFrameQueue::framesLieBeforeZeroPadding_data()
{
    // A positive number pushes a frame of that size, 0 takes the oldest
    // frame and checks it, -1 drops the queued frames but the one taken.
    QTest::addColumn<QList<int>>("steps");
    QTest::newRow("drained after each frame") << QList<int>{300, 0, 100, 0, 5000, 0, 1, 0};
    QList<int> neverDrained{0x30000, 0x30000};
    for (int i = 0; i < 12; ++i)
        neverDrained << 0 << 0x30000 - 7 * i;
    neverDrained << 0 << 0;
    QTest::newRow("never drained: to the buffer's end and back to its start") << neverDrained;
    QTest::newRow("frames dropped behind the one taken") << QList<int>{900, 800, 700, -1, 50, 0, 0};
}

void tst_CFrameQueue::framesLieBeforeZeroPadding()
{
    QFETCH(QList<int>, steps);
    CFrameQueue queue;
    queue.open();
    QList<QByteArray> expected;
    int made = 0;
    bool taken = false;
    CFrameQueue::Front front;
    for (int step : steps) {
        if (step > 0) {
            const QByteArray frame = filled(step, char(0x80 | (++made & 0x7F)));
            QVERIFY(push(queue, frame));
            expected.append(frame);
        } else if (step < 0) {
            if (!taken) {
                QVERIFY(queue.waitFront(front));
                taken = true;
            }
            queue.dropQueued();
            expected = expected.mid(0, 1);
        } else {
            if (!taken)
                QVERIFY(queue.waitFront(front));
            taken = false;
            const QByteArray wanted = expected.takeFirst();
            const char* data = reinterpret_cast<const char*>(front.data);
            QCOMPARE(QByteArray(data, int(front.length)), wanted);
            // The consumer is told so: it decodes the frame where it lies.
            QVERIFY(front.padded);
            QCOMPARE(QByteArray(data + front.length, int(CFrameQueue::kPadding)),
                QByteArray(int(CFrameQueue::kPadding), '\0'));
            queue.popFront();
        }
    }
    QCOMPARE(queue.frameCount(), std::size_t(expected.size()));
}

void tst_CFrameQueue::refusesWhatCannotGoIn_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("size");
    QTest::newRow("closed queue") << false << 100;
    QTest::newRow("empty frame") << true << 0;
    QTest::newRow("larger than the whole buffer") << true << int(CFrameQueue::kCapacity) + 1;
}

void tst_CFrameQueue::refusesWhatCannotGoIn()
{
    QFETCH(bool, open);
    QFETCH(int, size);
    CFrameQueue queue;
    if (open)
        queue.open();
    QVERIFY(!push(queue, filled(size, 'x')));
    QCOMPARE(queue.fillLevel(), std::size_t(0));
}

void tst_CFrameQueue::producerWaitsForRoom_data()
{
    QTest::addColumn<int>("queued");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("popsNeeded");
    // Above the high-water mark the producer waits for any room.
    QTest::newRow("at the high-water mark") << 3 << 0x40000 << 1;
    // Below it, a frame that would not fit behind the queued ones waits too:
    // the buffer is never written past its end.
    QTest::newRow("would not fit") << 2 << 0x90000 << 1;
}

void tst_CFrameQueue::producerWaitsForRoom()
{
    QFETCH(int, queued);
    QFETCH(int, frame);
    QFETCH(int, popsNeeded);
    CFrameQueue queue;
    queue.open();
    for (int i = 0; i < queued; ++i)
        QVERIFY(push(queue, filled(0x40000, char('0' + i))));

    Producer producer(queue, filled(frame, 'z'));
    for (int i = 0; i < popsNeeded; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        QVERIFY(!producer.done());
        queue.popFront();
    }
    QTRY_VERIFY(producer.done());
    QVERIFY(producer.result());
    QVERIFY(queue.fillLevel() <= CFrameQueue::kCapacity);
    QCOMPARE(queue.fillLevel(), std::size_t(0x40000) * (queued - popsNeeded) + frame);
}

void tst_CFrameQueue::closingReleasesAWaitingProducer_data()
{
    QTest::addColumn<bool>("reopen");
    QTest::newRow("closed") << false;
    QTest::newRow("closed and opened again") << true;
}

void tst_CFrameQueue::closingReleasesAWaitingProducer()
{
    QFETCH(bool, reopen);
    CFrameQueue queue;
    queue.open();
    for (int i = 0; i < 3; ++i)
        QVERIFY(push(queue, filled(0x40000, 'q')));
    Producer producer(queue, filled(100, 'l'));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QVERIFY(!producer.done());
    queue.close();
    if (reopen)
        queue.open();
    QTRY_VERIFY(producer.done());
    // The frame belonged to the playback that was stopped: it is dropped.
    QVERIFY(!producer.result());
    QCOMPARE(queue.fillLevel(), std::size_t(0));
}

void tst_CFrameQueue::waitingConsumerCanBeInterrupted()
{
    CFrameQueue queue;
    queue.open();
    std::atomic<bool> interrupted{false};
    boost::thread consumer([&] {
        try {
            CFrameQueue::Front front;
            queue.waitFront(front);
        } catch (const boost::thread_interrupted&) {
            interrupted = true;
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    consumer.interrupt();
    consumer.join();
    QVERIFY(interrupted);

    // A consumer waiting on a queue that closes returns without a frame.
    std::atomic<bool> gotFrame{true};
    boost::thread second([&] {
        CFrameQueue::Front front;
        gotFrame = queue.waitFront(front);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    queue.close();
    second.join();
    QVERIFY(!gotFrame);

    // Closed while the consumer works on its frame: the frame stays readable
    // until the consumer is done (a stopping decoder may be in the middle of it).
    queue.open();
    QVERIFY(push(queue, filled(100, 'c')));
    CFrameQueue::Front front;
    QVERIFY(queue.waitFront(front));
    queue.close();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(front.data), int(front.length)), filled(100, 'c'));
    queue.popFront();
}

void tst_CFrameQueue::consumersFrameOutlivesClosing_data()
{
    QTest::addColumn<bool>("reopen");
    QTest::addColumn<int>("newFrames");
    QTest::newRow("closed") << false << 0;
    QTest::newRow("closed and opened again") << true << 0;
    QTest::newRow("opened again and fed") << true << 2;
}

// The consumer may still be decoding its frame when the queue is closed (and
// even opened again for a new stream): the frame's bytes stay readable until
// it is done, and being done takes nothing of the new stream's frames.
void tst_CFrameQueue::consumersFrameOutlivesClosing()
{
    QFETCH(bool, reopen);
    QFETCH(int, newFrames);
    CFrameQueue queue;
    queue.open();
    QVERIFY(push(queue, filled(4096, 'o')));
    CFrameQueue::Front front;
    QVERIFY(queue.waitFront(front));

    queue.close();
    if (reopen)
        queue.open();
    for (int i = 0; i < newFrames; ++i)
        QVERIFY(push(queue, filled(4096, char('n' + i)), i));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(front.data), int(front.length)), filled(4096, 'o'));
    queue.popFront();

    QCOMPARE(queue.frameCount(), std::size_t(newFrames));
    for (int i = 0; i < newFrames; ++i) {
        QVERIFY(queue.waitFront(front));
        QCOMPARE(front.info.screen, i);
        queue.popFront();
    }
}

void tst_CFrameQueue::idleConsumerClosesOnlyAnEmptyQueue_data()
{
    QTest::addColumn<bool>("frameAfterIdle");
    QTest::newRow("nothing came") << false;
    QTest::newRow("a frame came after the wait gave up") << true;
}

// A consumer that waited in vain closes its queue to end, unless a frame
// slipped in meanwhile: that frame is neither lost nor left unread.
void tst_CFrameQueue::idleConsumerClosesOnlyAnEmptyQueue()
{
    QFETCH(bool, frameAfterIdle);
    CFrameQueue queue;
    queue.open();
    CFrameQueue::Front front;
    QVERIFY(queue.waitFrontFor(front, 20) == CFrameQueue::Waited::Idle);
    if (frameAfterIdle)
        QVERIFY(push(queue, filled(10, 'f')));
    QCOMPARE(queue.closeIfEmpty(), !frameAfterIdle);
    QCOMPARE(queue.isOpen(), frameAfterIdle);
    QVERIFY(
        queue.waitFrontFor(front, 20) == (frameAfterIdle ? CFrameQueue::Waited::Frame : CFrameQueue::Waited::Closed));
}

QTEST_GUILESS_MAIN(tst_CFrameQueue)
#include "tst_CFrameQueue.moc"
