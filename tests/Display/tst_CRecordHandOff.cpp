#include "Display/CRecordHandOff.h"

#include <QtTest>
#include <atomic>
#include <thread>

// The hand-off of the wall's records from the decoding threads to the GUI
// thread: what waits, in which order, and how often the GUI thread is woken.
namespace {

// A record of a screen: a picture numbered by its frame length, or a status
// (an empty name: the tile emptied).
CDisplayInfo record(int screen, int picture, const QString& status = QString())
{
    CDisplayInfo info;
    info.screen = screen;
    info.channel = screen % 16;
    if (picture > 0) {
        info.image = QImage(2, 2, QImage::Format_RGB888);
        info.length = uint32_t(picture);
    } else {
        info.status = !status.isEmpty();
        info.name = status;
    }
    return info;
}

// "s3:p7" a picture numbered 7 of screen 3, "s3:failed" a status, "s3:-" an
// emptied tile.
QString describe(const CDisplayInfo& info)
{
    const QString what = info.hasPicture() ? QStringLiteral("p%1").arg(info.length)
                                           : (info.name.isEmpty() ? QStringLiteral("-") : info.name);
    return QStringLiteral("s%1:%2").arg(info.screen).arg(what);
}

CDisplayInfo parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const int screen = parts[0].mid(1).toInt();
    if (parts[1].startsWith(QLatin1Char('p')))
        return record(screen, parts[1].mid(1).toInt());
    return record(screen, 0, parts[1] == QLatin1String("-") ? QString() : parts[1]);
}

} // namespace

class tst_CRecordHandOff : public QObject {
    Q_OBJECT

private slots:
    void whatWaitsAndInWhichOrder_data()
    {
        QTest::addColumn<QStringList>("posted");
        QTest::addColumn<QStringList>("taken");
        QTest::newRow("a newer picture replaces the one waiting")
            << QStringList{"s1:p1", "s1:p2", "s1:p3"} << QStringList{"s1:p3"};
        QTest::newRow("a status waits before the picture that followed it")
            << QStringList{"s1:p1", "s1:failed", "s1:p2", "s1:p3"} << QStringList{"s1:failed", "s1:p3"};
        QTest::newRow("a status makes the pictures before it go")
            << QStringList{"s1:p1", "s1:failed"} << QStringList{"s1:failed"};
        QTest::newRow("the newest record without a picture stands")
            << QStringList{"s1:failed", "s1:-", "s1:p4"} << QStringList{"s1:-", "s1:p4"};
        QTest::newRow("screens apart, in the order they first had something") << QStringList{
            "s5:p1", "s2:p1", "s5:p2", "s200:failed", "s2:p2"} << QStringList{"s5:p2", "s2:p2", "s200:failed"};
        QTest::newRow("screens outside the wall are not handed over")
            << QStringList{"s-1:p1", "s256:p1", "s255:p1"} << QStringList{"s255:p1"};
    }

    void whatWaitsAndInWhichOrder()
    {
        QFETCH(QStringList, posted);
        QFETCH(QStringList, taken);
        int woken = 0;
        CRecordHandOff handOff([&woken] { ++woken; });
        for (const QString& text : posted)
            handOff.post(parse(text));
        QStringList got;
        for (const CDisplayInfo& info : handOff.take())
            got << describe(info);
        QCOMPARE(got, taken);
        // One wake-up for all of it; nothing is left behind.
        QCOMPARE(woken, 1);
        QVERIFY(handOff.take().isEmpty());
        handOff.post(record(3, 9));
        QCOMPARE(woken, 2);
    }

    // However slow the taker, each screen's newest picture reaches it, once,
    // and never one older than a picture it already had: with the decoding
    // threads posting all the while, every take gives each screen's
    // pictures in rising order and the last take ends with the newest.
    void aSlowTakerGetsTheNewestOnceAndInOrder()
    {
        const int screens = 16;
        const int pictures = 2000;
        std::atomic<int> wakeUps{0};
        CRecordHandOff handOff([&wakeUps] { ++wakeUps; });
        std::atomic<bool> posting{true};
        std::vector<std::thread> decoders;
        for (int half = 0; half < 2; ++half) {
            decoders.emplace_back([&handOff, half] {
                for (int picture = 1; picture <= pictures; ++picture) {
                    for (int screen = half; screen < screens; screen += 2)
                        handOff.post(record(screen, picture));
                }
            });
        }
        QList<int> last(screens, 0);
        int takes = 0;
        const auto takeAll = [&] {
            const QList<CDisplayInfo> taken = handOff.take();
            QVERIFY(taken.size() <= 2 * screens);
            QList<bool> seen(screens, false);
            for (const CDisplayInfo& info : taken) {
                QVERIFY2(!seen[info.screen], "a screen's picture twice in one take");
                seen[info.screen] = true;
                QVERIFY2(int(info.length) > last[info.screen], "a picture again, or an older one");
                last[info.screen] = int(info.length);
            }
            ++takes;
        };
        while (posting) {
            takeAll();
            if (QTest::currentTestFailed())
                break;
            bool done = true;
            for (int screen = 0; screen < screens; ++screen)
                done = done && last[screen] == pictures;
            posting = !done;
        }
        for (std::thread& decoder : decoders)
            decoder.join();
        takeAll();
        for (int screen = 0; screen < screens; ++screen)
            QCOMPARE(last[screen], pictures);
        // Woken at most once for each take that found something.
        QVERIFY(wakeUps <= takes);
    }
};

QTEST_GUILESS_MAIN(tst_CRecordHandOff)
#include "tst_CRecordHandOff.moc"
