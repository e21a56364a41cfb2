#include "Connection/CConnectDVR.h"
#include "Display/CDisplayWidget.h"
#include "Display/OpenGLMode.h"
#include "Settings/CAppSettings.h"
#include "viewer/CConnectionList.h"

#include <QTest>
#include <QTreeWidgetItem>

// A group connect: which DVRs of a group get a controller within the
// 255-channel limit, which record each takes, and the screens each gets.
namespace {

struct Row {
    QList<int> channels; // per DVR
    QList<int> masks; // per DVR
    int children = -1; // DVR items under the group item; -1: one per DVR
    int current = 0; // before the screens are given
};

} // namespace

Q_DECLARE_METATYPE(Row)

class tst_CConnectionList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF); }

    void groupConnect_data()
    {
        QTest::addColumn<Row>("group");
        QTest::addColumn<int>("dvrIndex");
        QTest::addColumn<bool>("manyDvrs");
        // One character per entry: 'c' a controller, '-' an empty entry.
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QList<int>>("starts");
        QTest::addColumn<int>("current");
        const int all = 0xFFFF;
        QTest::newRow("sum stops above 255")
            << Row{{16, 64, 128, 64}, {all, all, all, all}} << -1 << false << "ccc" << QList<int>{0, 0, 0} << 0;
        QTest::newRow("exactly 255") << Row{{128, 127}, {all, all}} << -1 << false << "cc" << QList<int>{0, 0} << 0;
        QTest::newRow("named DVR of five")
            << Row{{16, 16, 16, 16, 16}, {all, all, all, all, all}} << 2 << false << "--c--" << QList<int>{0} << 2;
        QTest::newRow("many DVRs: masks count")
            << Row{{16, 16}, {0x7, all}} << -1 << true << "cc" << QList<int>{0, 3} << 0;
        const QList<int> sixteenStarts{0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208, 224};
        QTest::newRow("many DVRs: 16 masks of 16 exceed 255")
            << Row{QList<int>(16, 4), QList<int>(16, all)} << -1 << true << QString(15, QLatin1Char('c'))
            << sixteenStarts << 0;
        QTest::newRow("many DVRs: the framed tile's DVR becomes current")
            << Row{QList<int>(16, 4), QList<int>(16, all), -1, 5} << -1 << true << QString(15, QLatin1Char('c'))
            << sixteenStarts << 0;
        QTest::newRow("DVR without tree item")
            << Row{{16, 16}, {all, all}, 1} << -1 << false << "cc" << QList<int>{0, 0} << 0;
    }

    void groupConnect()
    {
        QFETCH(Row, group);
        QFETCH(int, dvrIndex);
        QFETCH(bool, manyDvrs);
        QFETCH(QString, entries);
        QFETCH(QList<int>, starts);
        QFETCH(int, current);

        Group record;
        QTreeWidgetItem groupItem;
        for (int i = 0; i < group.channels.size(); ++i) {
            DVR* dvr = record.add_dvr();
            dvr->set_name(QStringLiteral("DVR %1").arg(i).toStdString());
            dvr->set_chnum(group.channels.at(i));
            dvr->set_bitch(quint32(group.masks.at(i)));
            if (group.children < 0 || i < group.children) {
                DVR itemRecord = *dvr;
                itemRecord.set_address("127.0.0.1");
                (new QTreeWidgetItem(&groupItem))->setData(0, Qt::UserRole, QVariant::fromValue(itemRecord));
            }
        }

        CDisplayWidget wall;
        wall.setScreenMode(manyDvrs ? CDisplayWidget::MULTI_DVR : CDisplayWidget::SINGLE_DVR);
        wall.setScreens(manyDvrs ? 64 : 16);
        CConnectionList list;
        list.setCurrentIndex(dvrIndex < 0 ? group.current : dvrIndex);
        list.connectGroup(record, groupItem, dvrIndex, manyDvrs);
        const bool changed = list.assignScreens(&wall);
        QCOMPARE(changed, list.currentIndex() != (dvrIndex < 0 ? group.current : dvrIndex));

        QString shape;
        QList<int> assigned;
        for (int i = 0; i < list.entries().size(); ++i) {
            CConnectDVR* controller = list.entries().at(i);
            shape += controller ? QLatin1Char('c') : QLatin1Char('-');
            if (!controller)
                continue;
            assigned << controller->getDisplayStartScreen();
            QCOMPARE(controller->getDVR().name(), record.dvr(i).name());
            QCOMPARE(controller->getDVR().address(), std::string(i < groupItem.childCount() ? "127.0.0.1" : ""));
            QCOMPARE(controller->getDisplayEndScreen() - controller->getDisplayStartScreen(),
                qPopulationCount(quint32(group.masks.at(i))));
            const bool onView = controller->getDisplayStartScreen() < wall.getViewEndScreen();
            QCOMPARE(controller->isVisible(), manyDvrs ? onView : i == list.currentIndex());
        }
        QCOMPARE(shape, entries);
        QCOMPARE(assigned, starts);
        QCOMPARE(list.currentIndex(), current);
        QVERIFY(list.isCurrentValid());
    }
};

QTEST_MAIN(tst_CConnectionList)
#include "tst_CConnectionList.moc"
