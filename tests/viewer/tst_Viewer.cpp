#include "Connection/CDVRInfoWidget.h"
#include "Connection/CDVRListTree.h"
#include "DVRSetup/CSetupWidget.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "EMap/CEMapList.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CPCSetupDialog.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

// The main window as the operator meets it: its form after start-up, the
// ten modes entered through the menu buttons, PC setup beside them, keys
// and clicks that must do nothing, its languages and the OpenGL probe.
namespace {

template <typename T = QWidget> T* child(const QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString currentPage(const QWidget& viewer, const char* stack)
{
    return child<QStackedWidget>(viewer, stack)->currentWidget()->objectName();
}

void click(const QWidget& viewer, const QString& button)
{
    viewer.findChild<QPushButton*>(button)->click();
}

} // namespace

class tst_Viewer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    }

    void cleanup() { QCoreApplication::removeTranslator(&g_translator); }

    void formAfterStartUp()
    {
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("QELM"));
        for (const char* name : {"LiveS", "Screen16_0", "Screen8x8", "EMapView"})
            QVERIFY2(child<QPushButton>(viewer, name)->isChecked(), name);
        for (const char* stack : {"bottomWidget", "controlScreen", "functionWidget", "MainMenu"})
            QCOMPARE(child<QStackedWidget>(viewer, stack)->currentIndex(), 0);
        QCOMPARE(child(viewer, "bottomWidget")->height(), Viewer::LIVE_PAGE_HEIGHT);

        const QStringList menu
            = {"Live S", "Live M", "Search", "Playback", "Backup", "E-Map", "Information", "Configuration", "PC Setup"};
        QStringList shown;
        for (const char* name :
            {"LiveS", "LiveM", "Search", "Playback", "Backup", "EMap", "Information", "Setup", "PCSetup"})
            shown << child<QPushButton>(viewer, name)->text();
        QCOMPARE(shown, menu);
        // A doubled ampersand shows one.
        QCOMPARE(child<QPushButton>(viewer, "dateTime")->text(), QStringLiteral("Date && Time"));
        QCOMPARE(child<QPushButton>(viewer, "send")->text(), QStringLiteral("Apply"));

        const auto found = [&](const char* group, const char* pattern) {
            return child(viewer, group)->findChildren<QPushButton*>(QRegularExpression(pattern)).size();
        };
        QCOMPARE(found("SingleScreenGroup", CScreenButtons::SINGLE_PATTERN), 16);
        QCOMPARE(found("MultiScreenGroup", CScreenButtons::MULTI_PATTERN), 7);
        QCOMPARE(found("PageScreenGroup", CScreenButtons::PAGE_PATTERN), 7);

        viewer.OnDisplaySpeed();
        QCOMPARE(child<QLabel>(viewer, "CheckSpeed")->text(), QStringLiteral("0 FPS / 0"));
        QVERIFY(!child<QLabel>(viewer, "Logo")->pixmap().isNull());

        // The checked thick button is framed by two blue pixels.
        const QImage liveS = child(viewer, "LiveS")->grab().toImage();
        const int middle = liveS.height() / 2;
        const QColor blue(51, 126, 207);
        QCOMPARE(liveS.pixelColor(0, middle), blue);
        QCOMPARE(liveS.pixelColor(1, middle), blue);
        QVERIFY(liveS.pixelColor(2, middle) != blue);
    }

    void modes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("mode");
        // Bottom page, controlScreen page ("" hidden), functionWidget page ("" hidden), MainMenu page.
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QStringList>("hidden");
        // Title: centre follows the time, right follows the playback status.
        QTest::addColumn<bool>("centre");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QStringList>("checked");

        const QStringList wall = {"DisplayFrame", "ControlMenu", "bottomWidget", "CheckSpeed", "wall"};
        const QStringList panels = {"setup", "information"};
        const QStringList live = {"bottomLivePage", "SScreen", "LivePage", "MainPage"};
        QTest::newRow("0 live S: re-entry ignored")
            << QStringList{"Ch3", "LiveS"} << 0 << live << wall << panels << true << false << QStringList{"Ch3"};
        QTest::newRow("1 live M") << QStringList{"LiveM"} << 1
                                  << QStringList{"bottomLivePage", "MScreen", "LivePage", "MainPage"} << wall << panels
                                  << false << false << QStringList{"Screen8x8"};
        QTest::newRow("1 live M: re-entry ignored")
            << QStringList{"LiveM", "Screen2x2", "LiveM"} << 1
            << QStringList{"bottomLivePage", "MScreen", "LivePage", "MainPage"} << wall << panels << false << false
            << QStringList{"Screen2x2", "Screen8x8"};
        QTest::newRow("0 live S from M") << QStringList{"LiveM", "LiveS"} << 0 << live << wall << panels << true
                                         << false << QStringList{"Screen16_0"};
        QTest::newRow("2 search") << QStringList{"Ch3", "Search"} << 2
                                  << QStringList{"bottomPlaybackPage", "SScreen", "SearchPage", "MainPage"} << wall
                                  << panels << true << true << QStringList{"Screen16_0"};
        QTest::newRow("3 playback") << QStringList{"Playback"} << 3
                                    << QStringList{"bottomPlaybackPage", "SScreen", "PlaybackPage", "MainPage"} << wall
                                    << panels << true << true << QStringList{};
        QTest::newRow("4 backup") << QStringList{"Backup"} << 4
                                  << QStringList{"bottomBackupPage", "SScreen", "", "MainPage"} << wall << panels
                                  << true << false << QStringList{};
        QTest::newRow("5 E-Map view") << QStringList{"EMap"} << 5 << QStringList{"bottomEMapPage", "", "", "EMapPage"}
                                      << QStringList{"bottomWidget", "emapList"}
                                      << QStringList{"CheckSpeed", "wall", "tree", "emapLogSave"} << true << false
                                      << QStringList{"EMapView"};
        QTest::newRow("6 E-Map edit") << QStringList{"EMap", "EMapEdit"} << 6
                                      << QStringList{"bottomEMapPage", "", "", "EMapPage"}
                                      << QStringList{"bottomWidget", "emapList", "tree"}
                                      << QStringList{"CheckSpeed", "wall"} << true << false << QStringList{"EMapEdit"};
        QTest::newRow("5 E-Map view again")
            << QStringList{"EMap", "EMapEdit", "EMapView"} << 5 << QStringList{"bottomEMapPage", "", "", "EMapPage"}
            << QStringList{"emapList"} << QStringList{"tree"} << true << false << QStringList{"EMapView"};
        QTest::newRow("E-Map exit returns to search")
            << QStringList{"Search", "EMap", "EMapExit"} << 2
            << QStringList{"bottomPlaybackPage", "SScreen", "SearchPage", "MainPage"} << wall << QStringList{"emapList"}
            << true << true << QStringList{"Search"};
        QTest::newRow("7 information") << QStringList{"Information"} << 7
                                       << QStringList{"bottomLivePage", "SScreen", "LivePage", "MainPage"}
                                       << QStringList{"information"}
                                       << QStringList{"DisplayFrame", "ControlMenu", "bottomWidget", "CheckSpeed",
                                              "setup"}
                                       << true << false << QStringList{"Information"};
        QTest::newRow("8 configuration") << QStringList{"Setup"} << 8
                                         << QStringList{"bottomLivePage", "SScreen", "LivePage", "configPage"}
                                         << QStringList{"setup"}
                                         << QStringList{"DisplayFrame", "ControlMenu", "bottomWidget", "information"}
                                         << true << false << QStringList{};
        QTest::newRow("configuration exit returns, re-entry ignored")
            << QStringList{"LiveM", "Setup", "Setup", "configExit"} << 1
            << QStringList{"bottomLivePage", "MScreen", "LivePage", "MainPage"} << wall << panels << false << false
            << QStringList{"LiveM"};
    }

    void modes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, mode);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, visible);
        QFETCH(QStringList, hidden);
        QFETCH(bool, centre);
        QFETCH(bool, right);
        QFETCH(QStringList, checked);

        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        for (const QString& button : clicks)
            click(viewer, button);

        QCOMPARE(viewer.menuMode(), mode);
        QCOMPARE(currentPage(viewer, "bottomWidget"), pages.at(0));
        QCOMPARE(child(viewer, "bottomWidget")->height(),
            pages.at(0) == QLatin1String("bottomLivePage") ? Viewer::LIVE_PAGE_HEIGHT : Viewer::OTHER_PAGE_HEIGHT);
        const auto pageIfShown = [&](const char* stack) {
            return child(viewer, stack)->isVisible() ? currentPage(viewer, stack) : QString();
        };
        if (child(viewer, "ControlMenu")->isVisible()) {
            QCOMPARE(pageIfShown("controlScreen"), pages.at(1));
            QCOMPARE(pageIfShown("functionWidget"), pages.at(2));
        }
        QCOMPARE(currentPage(viewer, "MainMenu"), pages.at(3));

        const QHash<QString, QWidget*> panels = {
            {"wall", viewer.findChild<CDisplayWidget*>()},
            {"setup", viewer.findChild<CSetupWidget*>()},
            {"information", viewer.findChild<CDVRInfoWidget*>()},
            {"tree", viewer.findChild<CDVRListTree*>()},
            {"emapList", viewer.findChild<CEMapList*>()},
        };
        const auto widget = [&](const QString& name) {
            return panels.contains(name) ? panels.value(name) : viewer.findChild<QWidget*>(name);
        };
        for (const QString& name : visible)
            QVERIFY2(widget(name)->isVisible(), qPrintable(name));
        for (const QString& name : hidden)
            QVERIFY2(!widget(name)->isVisible(), qPrintable(name));

        const CDisplayTitle* title = viewer.findChild<CDisplayTitle*>();
        QCOMPARE(title->centre()->isEnabled(), centre);
        QCOMPARE(title->right()->isEnabled(), right);
        emit viewer.findChild<CDisplayWidget*>()->signalUpdateTime(QStringLiteral("time"));
        QCOMPARE(title->centre()->text(), centre ? QStringLiteral("time") : QString());
        for (const QString& name : checked)
            QVERIFY2(viewer.findChild<QPushButton*>(name)->isChecked(), qPrintable(name));

        if (mode == 1) {
            QCOMPARE(child<QLabel>(viewer, "multiPage")->text(), QStringLiteral("1 / 4"));
            QVERIFY(!child(viewer, "RecToPC")->isEnabled());
        }
        if (mode == 0)
            QVERIFY(child(viewer, "RecToPC")->isEnabled());
    }

    // The dialog is shown without waiting; closing it checks the button of
    // the mode before it again, without entering that mode.
    void pcSetupBesideTheModes()
    {
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, "Search");
        click(viewer, "PCSetup");
        auto* dialog = viewer.findChild<CPCSetupDialog*>();
        QVERIFY(dialog->isVisible());
        QCOMPARE(viewer.menuMode(), int(Viewer::PC_SETUP));
        QVERIFY(child<QPushButton>(viewer, "PCSetup")->isChecked());
        dialog->reject();
        QVERIFY(child<QPushButton>(viewer, "Search")->isChecked());
        QCOMPARE(viewer.menuMode(), int(Viewer::PC_SETUP));
        click(viewer, "Search");
        QCOMPARE(viewer.menuMode(), int(Viewer::SEARCH));
    }

    void escapeAndStrayRightClicksDoNothing()
    {
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QVERIFY(viewer.isVisible());

        // A menu that opened would wait here until this closes it.
        bool menuOpened = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuOpened = true;
                popup->close();
            }
        });
        closer.start(50);
        const QWidget* display = child(viewer, "DisplayFrame");
        const QPoint inside = display->rect().center();
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, display->mapTo(&viewer, inside), display->mapToGlobal(inside));
        QCoreApplication::sendEvent(&viewer, &event);
        QVERIFY(!menuOpened);
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("texts"); // LiveS, Search, PCSetup, configExit
        QTest::newRow("English: nothing to translate")
            << "English" << false << QStringList{"Live S", "Search", "PC Setup", "Exit"};
        QTest::newRow("French") << "French" << true << QStringList{"Direct S", "Recherche", "Config. PC", "Quitter"};
        QTest::newRow("Korean") << "Korean" << true << QStringList{"라이브 S", "검색", "PC 설정", "나가기"};
        QTest::newRow("Norwegian Bokmal")
            << "Norwegian Bokmal" << true << QStringList{"Direkte S", "Søk", "PC-oppsett", "Avslutt"};
        QTest::newRow("Russian") << "Russian" << true << QStringList{"Просмотр S", "Поиск", "Настройка ПК", "Выход"};
        QTest::newRow("Chinese") << "Chinese" << true << QStringList{"即時 S", "搜尋", "PC 設定", "離開"};
        QTest::newRow("German") << "German" << false << QStringList{"Live S", "Search", "PC Setup", "Exit"};
        QTest::newRow("french") << "french" << false << QStringList{"Live S", "Search", "PC Setup", "Exit"};
        QTest::newRow("C locale") << "C" << false << QStringList{"Live S", "Search", "PC Setup", "Exit"};
    }

    // Start-up installs the language's translation before the window is
    // built; taking it away again re-applies the captions and nothing else.
    void languages()
    {
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QFETCH(QStringList, texts);
        CAppSettings settings;
        settings.writeSetting(CAppSettings::LANGUAGE, language);
        const CLanguage languages;
        QCOMPARE(CStartup::installTranslation(settings, languages), installed);
        Viewer viewer;
        const auto captions = [&] {
            QStringList shown;
            for (const char* name : {"LiveS", "Search", "PCSetup", "configExit"})
                shown << child<QPushButton>(viewer, name)->text();
            return shown;
        };
        QCOMPARE(captions(), texts);

        child<QLabel>(viewer, "multiPage")->setText(QStringLiteral("1 / 4"));
        QCoreApplication::removeTranslator(&g_translator);
        QTRY_COMPARE(captions(), QStringList({"Live S", "Search", "PC Setup", "Exit"}));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("QELM"));
        QVERIFY(!child<QLabel>(viewer, "Logo")->pixmap().isNull());
        QCOMPARE(child<QLabel>(viewer, "multiPage")->text(), QStringLiteral("1 / 4"));
    }

    void openGLProbe_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("mode");
        QTest::newRow("first run probes") << QVariant() << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("stored: no probe") << QVariant(int(OPENGL_OFF)) << int(OPENGL_OFF);
        QTest::newRow("low performance") << QVariant(int(OPENGL_LOW_PERFORMANCE)) << int(OPENGL_LOW_PERFORMANCE);
    }

    void openGLProbe()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, mode);
        CAppSettings settings;
        if (stored.isValid())
            settings.writeSetting(CAppSettings::OPENGL, stored);
        else
            settings.remove(CAppSettings::OPENGL);
        QCOMPARE(Viewer::getOpenGLMode(), mode);
        QCOMPARE(CAppSettings().readSetting(CAppSettings::OPENGL).toInt(), mode);
        settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    tst_Viewer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Viewer.moc"
