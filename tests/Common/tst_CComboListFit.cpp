#include "Common/CComboListFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QTest>

namespace {

// Where the list of the box lies on the screen while it is open.
QRect openList(QComboBox& combo)
{
    combo.showPopup();
    const QRect place = combo.view()->window()->geometry();
    combo.hidePopup();
    return place;
}

} // namespace

// An open combo box list is as wide as its widest item needs, never
// narrower than the toolkit makes it, and on the screen as the toolkit
// places its own lists.
class tst_CComboListFit : public QObject {
    Q_OBJECT

private slots:
    // Width: the toolkit's, wider than the toolkit's, or the screen's.
    void listOnScreen_data()
    {
        QTest::addColumn<QStringList>("before"); // the items as the list opened before
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("width");
        const QString wide(50, QLatin1Char('W'));
        QTest::newRow("wide item at the right edge") << QStringList() << QStringList{wide, "a"} << "wider";
        QTest::newRow("item wider than the screen") << QStringList() << QStringList{wide.repeated(8)} << "screen's";
        QTest::newRow("short items after a wide one") << QStringList{wide} << QStringList{"a", "b"} << "toolkit's";
    }

    void listOnScreen()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, items);
        QFETCH(QString, width);
        QWidget window;
        auto* combo = new QComboBox(&window);
        combo->setFixedWidth(150);
        (new QHBoxLayout(&window))->addWidget(combo);
        const QRect screen = window.screen()->availableGeometry();
        window.setGeometry(screen.right() - 170, screen.top() + 100, 170, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->addItems(items);
        const QRect toolkits = openList(*combo);

        CComboListFit fit;
        qApp->installEventFilter(&fit);
        if (!before.isEmpty()) {
            combo->clear();
            combo->addItems(before);
            openList(*combo);
            combo->clear();
            combo->addItems(items);
        }
        const QRect fitted = openList(*combo);
        QVERIFY2(screen.contains(fitted), qPrintable(QString::asprintf("%d to %d", fitted.left(), fitted.right())));
        if (width == QLatin1String("wider"))
            QVERIFY(fitted.width() > toolkits.width());
        else
            QCOMPARE(fitted.width(), width == QLatin1String("screen's") ? screen.width() : toolkits.width());
    }
};

QTEST_MAIN(tst_CComboListFit)
#include "tst_CComboListFit.moc"
