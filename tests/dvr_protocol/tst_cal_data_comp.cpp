#include "dvr_protocol/cal_data_comp.h"

#include <QTest>

namespace {

// 2014-01-01 10:00:00 in the DVR's wall clock.
constexpr quint32 TEN = 1388570400;

cgi::CalItem span(quint32 start, quint32 end, quint32 mask, std::initializer_list<quint32> reasons)
{
    cgi::CalItem item;
    item.set_start_time(start);
    item.set_end_time(end);
    item.set_record_chmask(mask);
    for (quint32 reason : reasons)
        item.add_record_reason(reason);
    return item;
}

} // namespace

Q_DECLARE_METATYPE(cgi::CalItem)

class tst_cal_data_comp : public QObject {
    Q_OBJECT

private slots:
    void join_data();
    void join();
};

void tst_cal_data_comp::join_data()
{
    QTest::addColumn<cgi::CalItem>("building");
    QTest::addColumn<cgi::CalItem>("next");
    QTest::addColumn<int>("result");
    QTest::addColumn<cgi::CalItem>("after");

    const cgi::CalItem a = span(TEN - 300, TEN + 30, 3, {1, 2});
    QTest::newRow("next without channels") << a << span(TEN + 40, TEN + 80, 0, {1, 2}) << 0 << a;
    QTest::newRow("next without channels, empty span")
        << cgi::CalItem() << span(TEN, TEN + 60, 0, {}) << 0 << cgi::CalItem();
    QTest::newRow("empty span takes the next")
        << span(0, TEN, 3, {}) << span(TEN, TEN + 60, 3, {1, 2}) << 0 << span(TEN, TEN + 60, 3, {1, 2});
    QTest::newRow("10:00:30 meets 10:01:10")
        << a << span(TEN + 70, TEN + 200, 3, {1, 2}) << 0 << span(TEN - 300, TEN + 200, 3, {1, 2});
    QTest::newRow("10:00:30 misses 10:00:59") << a << span(TEN + 59, TEN + 200, 3, {1, 2}) << -1 << a;
    QTest::newRow("10:00:00 meets 10:00:45") << span(TEN - 60, TEN, 3, {1, 2}) << span(TEN + 45, TEN + 90, 3, {1, 2})
                                             << 0 << span(TEN - 60, TEN + 90, 3, {1, 2});
    QTest::newRow("other channels") << a << span(TEN + 70, TEN + 200, 1, {1, 2}) << -1 << a;
    QTest::newRow("other record kind") << a << span(TEN + 70, TEN + 200, 3, {1, 3}) << -1 << a;
    QTest::newRow("fewer record kinds") << a << span(TEN + 70, TEN + 200, 3, {1}) << -1 << a;
    QTest::newRow("end near the top of the range")
        << span(1, 0xffffffffu, 1, {}) << span(0xffffffffu, 0xffffffffu, 1, {}) << -1 << span(1, 0xffffffffu, 1, {});
}

void tst_cal_data_comp::join()
{
    QFETCH(cgi::CalItem, building);
    QFETCH(cgi::CalItem, next);
    QFETCH(int, result);
    QFETCH(cgi::CalItem, after);
    QCOMPARE(cgi::cal_data::Comp(&building, next), result);
    QCOMPARE(building.SerializeAsString(), after.SerializeAsString());
}

QTEST_APPLESS_MAIN(tst_cal_data_comp)
#include "tst_cal_data_comp.moc"
