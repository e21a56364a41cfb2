#include "Common/CComboListFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// An open combo box list is as wide as its items need, never narrower than
// the toolkit makes it, and on the screen of its box as the toolkit places
// its lists. Two screens side by side stand for two monitors.
class tst_CComboListFit : public QObject {
    Q_OBJECT

private slots:
    void listOnScreen_data()
    {
        QTest::addColumn<QStringList>("before"); // the items as the list opened before
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("width"); // 0: the toolkit's, -1: the screen's, 1: wider than the toolkit's
        QTest::addColumn<bool>("otherScreen"); // the box lies on another screen than its window
        const QString wide(50, QLatin1Char('W'));
        QTest::newRow("wide item at the right edge") << QStringList() << QStringList{wide, "a"} << 1 << false;
        QTest::newRow("item wider than the screen") << QStringList() << QStringList{wide.repeated(8)} << -1 << false;
        QTest::newRow("short items after a wide one") << QStringList{wide} << QStringList{"a", "b"} << 0 << false;
        QTest::newRow("a box on the other screen") << QStringList() << QStringList{wide, "a"} << 1 << true;
    }

    void listOnScreen()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, items);
        QFETCH(int, width);
        QFETCH(bool, otherScreen);
        const QList<QScreen*> screens = QGuiApplication::screens();
        QVERIFY(screens.size() == 2);
        const QRect first = screens.first()->availableGeometry();
        QWidget window;
        auto* combo = new QComboBox(&window);
        if (otherScreen) {
            // The window's middle on the first screen, the box on the second.
            window.setGeometry(first.right() - 400, first.top() + 100, 600, 30);
            combo->setGeometry(450, 0, 150, 30);
        } else {
            window.setGeometry(first.right() - 160, first.top() + 100, 150, 30);
            combo->setGeometry(0, 0, 150, 30);
        }
        const QRect screen = screens.at(otherScreen ? 1 : 0)->availableGeometry();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto openList = [combo](const QStringList& shown) {
            combo->clear();
            combo->addItems(shown);
            combo->showPopup();
            const QRect place = combo->view()->window()->geometry();
            combo->hidePopup();
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

int main(int argc, char* argv[])
{
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [
            {"name": "first", "x": 0, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 1},
            {"name": "second", "x": 1000, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 1}]})")
            < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication application(argc, argv);
    tst_CComboListFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CComboListFit.moc"
