#include "Common/CComboListFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QTest>

// An open combo box list is as wide as its items need, never narrower than
// the toolkit makes it, and on the screen as the toolkit places its lists.
class tst_CComboListFit : public QObject {
    Q_OBJECT

private slots:
    void listOnScreen_data()
    {
        QTest::addColumn<QStringList>("before"); // the items as the list opened before
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("width"); // 0: the toolkit's, -1: the screen's, 1: wider than the toolkit's
        const QString wide(50, QLatin1Char('W'));
        QTest::newRow("wide item at the right edge") << QStringList() << QStringList{wide, "a"} << 1;
        QTest::newRow("item wider than the screen") << QStringList() << QStringList{wide.repeated(8)} << -1;
        QTest::newRow("short items after a wide one") << QStringList{wide} << QStringList{"a", "b"} << 0;
    }

    void listOnScreen()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, items);
        QFETCH(int, width);
        QComboBox combo;
        const QRect screen = combo.screen()->availableGeometry();
        combo.setGeometry(screen.right() - 160, screen.top() + 100, 150, 30);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        const auto openList = [&combo](const QStringList& shown) {
            combo.clear();
            combo.addItems(shown);
            combo.showPopup();
            const QRect place = combo.view()->window()->geometry();
            combo.hidePopup();
            return place;
        };
        const int toolkits = openList(items).width();
        CComboListFit fit;
        qApp->installEventFilter(&fit);
        openList(before);
        const QRect fitted = openList(items);
        QVERIFY2(screen.contains(fitted), qPrintable(QString::asprintf("%d to %d", fitted.left(), fitted.right())));
        if (width > 0)
            QVERIFY(fitted.width() > toolkits);
        else
            QCOMPARE(fitted.width(), width < 0 ? screen.width() : toolkits);
    }
};

QTEST_MAIN(tst_CComboListFit)
#include "tst_CComboListFit.moc"
