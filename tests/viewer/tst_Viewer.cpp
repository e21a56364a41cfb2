#include "../Connection/ModalAnswers.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CLogin.h"
#include "Connection/CMenuDVRList.h"
#include "Connection/CSendDVRInfoWidget.h"
#include "Connection/CSetDVRInfoDialog.h"
#include "CutTexts.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CMotionZoneDialog.h"
#include "DVRSetup/CProblemLine.h"
#include "DVRSetup/CProgressDialog.h"
#include "DVRSetup/CScheduleGrid.h"
#include "DVRSetup/CSetupCamera.h"
#include "DVRSetup/CSetupWidget.h"
#include "Display/CCheckSpeed.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapSetupDialog.h"
#include "EMap/CSetEMapInfoDialog.h"
#include "Recording/CCalendarWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CPCSetupDialog.h"
#include "WidgetChild.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <cmath>

// The main window as the operator meets it: its form after start-up, the
// ten modes entered through the menu buttons, PC setup beside them, keys
// and clicks that must do nothing, and its languages, whose captions fit.
namespace {

QString currentPage(const QWidget& viewer, const char* stack)
{
    return child<QStackedWidget>(viewer, stack)->currentWidget()->objectName();
}

// The speed meter's events, seconds before now: "r-4" a reset at the start
// of that second, "p-3" ten pictures of 100 bytes over that second, "q-3"
// five of 200 bytes, "o-3" one of 500 bytes at its start; "p-10..-2" one such
// second after another.
void driveMeter(const QString& events)
{
    using Clock = CCheckSpeed::Clock;
    const Clock::time_point now = Clock::now();
    const auto at = [now](long second, int picture, int pictures) {
        return now + std::chrono::seconds(second) + std::chrono::milliseconds(1000 * picture / pictures);
    };
    // Nothing from earlier rows: long ago, and nothing drawn since.
    gCheckSpeed.reset(now - std::chrono::seconds(100));
    for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList range = event.mid(1).split(QStringLiteral(".."));
        const QChar kind = event.front();
        // Pictures a second and bytes a picture.
        static const QHash<QChar, QPair<int, unsigned long>> kinds{
            {QLatin1Char('p'), {10, 100}}, {QLatin1Char('q'), {5, 200}}, {QLatin1Char('o'), {1, 500}}};
        const auto [pictures, bytes] = kinds.value(kind);
        for (long second = range.first().toLong(); second <= range.last().toLong(); ++second) {
            if (kind == QLatin1Char('r'))
                gCheckSpeed.reset(at(second, 0, 1));
            for (int picture = 0; picture < pictures; ++picture)
                gCheckSpeed.addData(bytes, at(second, picture, pictures));
        }
    }
}

void click(const QWidget& viewer, const QString& button)
{
    viewer.findChild<QPushButton*>(button)->click();
}

// The mean colour of what the window draws at a place of a widget.
QColor meanColour(const QWidget& widget, const QRect& place)
{
    const QImage drawn = widget.window()->grab(place.translated(widget.mapTo(widget.window(), QPoint()))).toImage();
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            red += pixel.redF();
            green += pixel.greenF();
            blue += pixel.blueF();
        }
    }
    const double pixels = double(drawn.width()) * drawn.height();
    return QColor::fromRgbF(float(red / pixels), float(green / pixels), float(blue / pixels));
}

double luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// How far a text colour stands out from its background, as the ratio of
// their relative luminances (1 to 21).
double contrast(const QColor& text, const QColor& background)
{
    const double fore = luminance(text);
    const double back = luminance(background);
    return (std::max(fore, back) + 0.05) / (std::min(fore, back) + 0.05);
}

// A widget's text against the mean colour of its place in its window, text
// included.
double textContrast(const QWidget& widget)
{
    return contrast(widget.palette().color(widget.foregroundRole()), meanColour(widget, widget.rect()));
}

// A tab's text colour is the style sheet's as the tab is drawn, not the tab
// bar's palette: it is the pixel that changes most when the text goes, set
// against what is drawn there without the text.
double tabTextContrast(QTabBar& bar, int tab)
{
    const QRect place = bar.tabRect(tab);
    const QString text = bar.tabText(tab);
    const QImage drawn = bar.grab(place).toImage();
    bar.setTabText(tab, QString());
    const QImage behind = bar.grab(place).toImage();
    const QColor background = meanColour(bar, place);
    bar.setTabText(tab, text);
    if (bar.tabRect(tab) != place) // what lies behind was not the same tab
        return 0;
    QColor ink = background;
    double most = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const double change = std::abs(luminance(drawn.pixelColor(x, y)) - luminance(behind.pixelColor(x, y)));
            if (change > most) {
                most = change;
                ink = drawn.pixelColor(x, y);
            }
        }
    }
    return contrast(ink, background);
}

// What a file dialog lists, each text whole, as the type of a folder and as
// the size and date of a file of 68 bytes; empty when the list cuts one.
QStringList listedFiles()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("folder"));
    QFile file(folder.filePath(QStringLiteral("file")));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(68, 'x')) != 68 || !file.flush()
        || !file.setFileTime(QDateTime(QDate(2027, 1, 15), QTime(13, 5)), QFileDevice::FileModificationTime))
        return {};
    file.close();
    // Not the column widths an earlier dialog left in the toolkit's settings.
    QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));
    QFileDialog dialog(nullptr, QString(), folder.path());
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    const auto* list = dialog.findChild<QTreeView*>();
    const int cells[][2] = {{0, 2}, {1, 1}, {1, 3}}; // folders come first
    QStringList shown;
    // Once both rows are in (the file's size is read last), the columns take
    // their widths.
    const bool whole = QTest::qWaitFor([&] {
        shown.clear();
        for (const auto& [row, column] : cells) {
            const QModelIndex cell = list->model()->index(row, column, list->rootIndex());
            const QRect place = list->visualRect(cell);
            if (cell.data().toString().isEmpty() || !list->viewport()->rect().contains(place)
                || place.width() < list->sizeHintForIndex(cell).width())
                return false;
            shown << cell.data().toString();
        }
        return true;
    });
    return whole ? shown : QStringList();
}

// What the live control panel cannot show whole, its pages' problem lines
// empty and as full as the DVRs' longest answers make them.
QStringList panelTexts(CLiveCtrlWidget& panel)
{
    QStringList cut = cutTexts(panel);
    // The network's failures worded longest in each language: an answer that
    // could not be read, none within the time limit.
    const QList<CCommandAnswer> longest{CCommandAnswer::refused(false, 4), CCommandAnswer::refused(true, 14),
        CCommandAnswer::unanswered(QNetworkReply::ProtocolFailure),
        CCommandAnswer::unanswered(QNetworkReply::OperationCanceledError),
        CCommandAnswer::notSent("COrderedCommands", "The DVR cannot take this command.")};
    const QList<CProblemLine*> lines = panel.findChildren<CProblemLine*>();
    for (const CCommandAnswer& answer : longest) {
        for (CProblemLine* line : lines)
            line->tell({answer});
        cut << cutTexts(panel);
    }
    for (CProblemLine* line : lines)
        line->tell({});
    return cut;
}

} // namespace

class tst_Viewer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
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

        // The wall laid out at start draws nothing: once no first picture
        // can be awaited any more, the clock's read-out says so.
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(viewer, "CheckSpeed")->text(), QStringLiteral("0 FPS / 0"), 60'000);
        // A wall that drew ten pictures a second until three seconds ago
        // reads as not drawing, whenever the read-out runs.
        driveMeter(QStringLiteral("p-6..-4"));
        viewer.OnDisplaySpeed();
        gCheckSpeed.reset();
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

    // Words are blank-separated. Pages: the bottom page, the pages of
    // controlScreen and functionWidget ("-" hidden) and of MainMenu. Title:
    // 'T' the centre label follows the time, 'S' the right one the playback
    // status, '-' not.
    // The read-out shows the figure of the wall that is drawn, none while
    // that wall has none yet, never a false 0 and never the figure of the
    // wall before a reset. A wall that draws nothing reads 0.
    void speedReadOut_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pictures since a reset: their figure") << "r-1 p-1"
                                                              << "10 FPS / 100";
        QTest::newRow("pictures after a reset: the new wall's figure") << "p-10..-2 r-1 q-1"
                                                                       << "5 FPS / 200";
        QTest::newRow("resets in a row: no figure from before the first") << "p-10..-3 r-2 o-2 r-1 o-1"
                                                                          << "";
        QTest::newRow("a figure from a wall that had stopped drawing is not kept") << "p-12..-6 r-1 o-1"
                                                                                   << "";
        QTest::newRow("a reset, its first picture awaited") << "p-10..-2 r0"
                                                            << "";
        QTest::newRow("a reset, nothing drawn since") << "p-10..-5 r-4"
                                                      << "0 FPS / 0";
        QTest::newRow("the new wall's figure a while on") << "p-12..-6 r-5 q-5..-1"
                                                          << "5 FPS / 200";
        QTest::newRow("less than a picture a second") << "o-9 o-7 o-5 o-3 o-1"
                                                      << "0.5 FPS / 500";
    }

    void speedReadOut()
    {
        QFETCH(QString, events);
        QFETCH(QString, shown);
        Viewer viewer;
        driveMeter(events);
        viewer.OnDisplaySpeed();
        gCheckSpeed.reset();
        QCOMPARE(child<QLabel>(viewer, "CheckSpeed")->text(), shown);
    }

    void wallChangeBlanksTheFigureAtOnce_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("the wall stops") << "stop";
        QTest::newRow("the wall is drawn again") << "redraw";
        QTest::newRow("another layout") << "Screen4_0";
        QTest::newRow("a sequence starts") << "Sequence";
    }

    // Without waiting for the read-out's next tick.
    void wallChangeBlanksTheFigureAtOnce()
    {
        QFETCH(QString, change);
        Viewer viewer;
        driveMeter(QStringLiteral("p-5..-1"));
        viewer.OnDisplaySpeed();
        QCOMPARE(child<QLabel>(viewer, "CheckSpeed")->text(), QStringLiteral("10 FPS / 100"));
        if (change == QLatin1String("stop"))
            viewer.stopDisplay();
        else if (change == QLatin1String("redraw"))
            viewer.restoreScreen();
        else
            click(viewer, change);
        const QString shown = child<QLabel>(viewer, "CheckSpeed")->text();
        gCheckSpeed.reset();
        QCOMPARE(shown, QString());
    }

    void titleKeepsMargin_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("playback at 2X") << "right"
                                        << "Playback( +2X )";
        QTest::newRow("the current DVR") << "left"
                                         << "DVR 1( admin )";
    }

    // The title's texts keep at least a blank's width from the display
    // frame's border.
    void titleKeepsMargin()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        auto* title = viewer.findChild<CDisplayTitle*>();
        QLabel* shown = label == QLatin1String("left") ? title->left() : title->right();
        shown->setText(text);
        const QFontMetrics metrics(shown->font());
        const QRect textRect = QStyle::alignedRect(shown->layoutDirection(), shown->alignment(),
            QSize(metrics.horizontalAdvance(text), metrics.height()), shown->contentsRect());
        const QWidget* frame = child(viewer, "DisplayFrame");
        const QRect inFrame(shown->mapTo(frame, textRect.topLeft()), textRect.size());
        const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
        const QRect inside = frame->contentsRect().adjusted(blank, 0, -blank, 0);
        QVERIFY2(inside.contains(inFrame),
            qPrintable(QStringLiteral("text %1..%2, frame %3..%4")
                           .arg(inFrame.left())
                           .arg(inFrame.right())
                           .arg(frame->contentsRect().left())
                           .arg(frame->contentsRect().right())));
    }

    void modes_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("checked");

        const char* wall = "DisplayFrame ControlMenu bottomWidget CheckSpeed wall";
        const char* panels = "setup information";
        const char* singleLive = "bottomLivePage SScreen LivePage MainPage";
        const char* manyLive = "bottomLivePage MScreen LivePage MainPage";
        const char* search = "bottomPlaybackPage SScreen SearchPage MainPage";
        const char* emap = "bottomEMapPage - - EMapPage";
        const char* hiddenWall = "DisplayFrame ControlMenu bottomWidget CheckSpeed";
        QTest::newRow("0 live S: re-entry ignored") << "Ch3 LiveS" << 0 << singleLive << wall << panels << "T-"
                                                    << "Ch3";
        QTest::newRow("1 live M") << "LiveM" << 1 << manyLive << wall << panels << "--"
                                  << "Screen8x8";
        QTest::newRow("1 live M: re-entry ignored")
            << "LiveM Screen2x2 LiveM" << 1 << manyLive << wall << panels << "--"
            << "Screen2x2";
        QTest::newRow("0 live S from M") << "LiveM LiveS" << 0 << singleLive << wall << panels << "T-"
                                         << "Screen16_0";
        QTest::newRow("2 search") << "Ch3 Search" << 2 << search << wall << panels << "TS"
                                  << "Screen16_0";
        QTest::newRow("3 playback") << "Playback" << 3 << "bottomPlaybackPage SScreen PlaybackPage MainPage" << wall
                                    << panels << "TS" << QString();
        QTest::newRow("4 backup") << "Backup" << 4 << "bottomBackupPage SScreen - MainPage" << wall << panels << "T-"
                                  << QString();
        QTest::newRow("5 E-Map view") << "EMap" << 5 << emap << "bottomWidget emapList"
                                      << "CheckSpeed wall tree emapLogSave"
                                      << "T-"
                                      << "EMapView";
        QTest::newRow("6 E-Map edit") << "EMap EMapEdit" << 6 << emap << "bottomWidget emapList tree"
                                      << "CheckSpeed wall"
                                      << "T-"
                                      << "EMapEdit";
        QTest::newRow("5 E-Map view again") << "EMap EMapEdit EMapView" << 5 << emap << "emapList"
                                            << "tree"
                                            << "T-"
                                            << "EMapView";
        QTest::newRow("E-Map exit returns to search") << "Search EMap EMapExit" << 2 << search << wall << "emapList"
                                                      << "TS"
                                                      << "Search";
        QTest::newRow("7 information") << "Information" << 7 << singleLive << "information"
                                       << QString(hiddenWall) + " setup"
                                       << "T-"
                                       << "Information";
        QTest::newRow("8 configuration") << "Setup" << 8 << "bottomLivePage SScreen LivePage configPage"
                                         << "setup" << QString(hiddenWall) + " information"
                                         << "T-" << QString();
        QTest::newRow("configuration exit returns, re-entry ignored")
            << "LiveM Setup Setup configExit" << 1 << manyLive << wall << panels << "--"
            << "LiveM";
    }

    void modes()
    {
        QFETCH(QString, clicks);
        QFETCH(int, mode);
        QFETCH(QString, pages);
        QFETCH(QString, visible);
        QFETCH(QString, hidden);
        QFETCH(QString, title);
        QFETCH(QString, checked);
        const auto words = [](const QString& text) { return text.split(QLatin1Char(' '), Qt::SkipEmptyParts); };

        // Local playback asks for a folder: cancelled.
        ModalAnswers answers;
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        for (const QString& button : words(clicks))
            click(viewer, button);

        QCOMPARE(viewer.menuMode(), mode);
        const QStringList page = words(pages);
        QCOMPARE(currentPage(viewer, "bottomWidget"), page.at(0));
        QCOMPARE(child(viewer, "bottomWidget")->height(),
            page.at(0) == QLatin1String("bottomLivePage") ? Viewer::LIVE_PAGE_HEIGHT : Viewer::OTHER_PAGE_HEIGHT);
        const auto pageIfShown = [&](const char* stack) {
            return child(viewer, stack)->isVisible() ? currentPage(viewer, stack) : QStringLiteral("-");
        };
        if (child(viewer, "ControlMenu")->isVisible()) {
            QCOMPARE(pageIfShown("controlScreen"), page.at(1));
            QCOMPARE(pageIfShown("functionWidget"), page.at(2));
        }
        QCOMPARE(currentPage(viewer, "MainMenu"), page.at(3));

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
        for (const QString& name : words(visible))
            QVERIFY2(widget(name)->isVisible(), qPrintable(name));
        for (const QString& name : words(hidden))
            QVERIFY2(!widget(name)->isVisible(), qPrintable(name));

        const CDisplayTitle* heading = viewer.findChild<CDisplayTitle*>();
        QCOMPARE(heading->centre()->isEnabled(), title.at(0) == QLatin1Char('T'));
        QCOMPARE(heading->right()->isEnabled(), title.at(1) == QLatin1Char('S'));
        emit viewer.findChild<CDisplayWidget*>()->signalUpdateTime(QStringLiteral("time"));
        QCOMPARE(heading->centre()->text(), heading->centre()->isEnabled() ? QStringLiteral("time") : QString());
        for (const QString& name : words(checked))
            QVERIFY2(viewer.findChild<QPushButton*>(name)->isChecked(), qPrintable(name));

        if (mode == 1) {
            const int pages = 256 / viewer.findChild<CDisplayWidget*>()->getViewScreens();
            QCOMPARE(child<QLabel>(viewer, "multiPage")->text(), QStringLiteral("1 / %1").arg(pages));
            QVERIFY(!child(viewer, "RecToPC")->isEnabled());
        }
        if (mode == 0)
            QVERIFY(child(viewer, "RecToPC")->isEnabled());
    }

    // The dialog is shown without waiting over the mode on view; closing it
    // (OK or Cancel) makes that mode current again, its button checked.
    void pcSetupBesideTheModes_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("cancelled") << false;
        QTest::newRow("accepted") << true;
    }

    void pcSetupBesideTheModes()
    {
        QFETCH(bool, accepted);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, "Search");
        for (int opened = 0; opened < 2; ++opened) {
            click(viewer, "PCSetup");
            auto* dialog = viewer.findChild<CPCSetupDialog*>();
            QVERIFY(dialog->isVisible());
            QCOMPARE(viewer.menuMode(), int(Viewer::PC_SETUP));
            QVERIFY(child<QPushButton>(viewer, "PCSetup")->isChecked());
            accepted ? dialog->accept() : dialog->reject();
            QVERIFY(child<QPushButton>(viewer, "Search")->isChecked());
            QCOMPARE(viewer.menuMode(), int(Viewer::SEARCH));
        }
    }

    // Each corner is cut by a circle of the radius; the edges stay whole
    // from the radius on.
    void roundedCorners_data()
    {
        QTest::addColumn<int>("radius");
        QTest::newRow("radius 10") << 10;
        QTest::newRow("radius 40") << 40;
    }

    void roundedCorners()
    {
        QFETCH(int, radius);
        Viewer viewer;
        viewer.setRoundedDialog(radius);
        const QRegion shape = viewer.mask();
        const QRect window = viewer.rect();
        const QPoint centre = window.center();
        for (const QPoint& out : {window.topLeft(), window.topRight(), window.bottomLeft(), window.bottomRight(),
                 QPoint(radius / 3, 0), QPoint(window.right(), window.bottom() - radius / 3)})
            QVERIFY2(!shape.contains(out), qPrintable(QStringLiteral("%1, %2").arg(out.x()).arg(out.y())));
        for (const QPoint& in : {QPoint(centre.x(), 0), QPoint(0, centre.y()), QPoint(window.right(), centre.y()),
                 QPoint(centre.x(), window.bottom()), QPoint(radius, 0), QPoint(radius / 2, radius / 2)})
            QVERIFY2(shape.contains(in), qPrintable(QStringLiteral("%1, %2").arg(in.x()).arg(in.y())));
        // Every corner keeps what lies just inside its arc, which a straight
        // cut from one end of the arc to the other would take.
        const int inward = radius * 3 / 10 + 1;
        for (const QPoint& corner : {window.topLeft(), window.topRight(), window.bottomLeft(), window.bottomRight()}) {
            const QPoint in = corner
                + QPoint(corner.x() == window.left() ? inward : -inward, corner.y() == window.top() ? inward : -inward);
            QVERIFY2(shape.contains(in), qPrintable(QStringLiteral("%1, %2").arg(in.x()).arg(in.y())));
        }
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

    // A right click on the tree opens its menu; "Read Camera Name" only
    // while an E-Map is edited, where the tree shows cameras.
    void treeMenu_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("entries");
        QTest::newRow("live") << "" << 8;
        QTest::newRow("E-Map edit") << "EMap EMapEdit" << 9;
    }

    void treeMenu()
    {
        QFETCH(QString, clicks);
        QFETCH(int, entries);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        for (const QString& button : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            click(viewer, button);
        auto* tree = viewer.findChild<CDVRListTree*>();
        QCOMPARE(tree->cameraNameShown(), entries == 9);

        int shown = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<CMenuDVRList*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    shown += action->isSeparator() ? 0 : 1;
                menu->close();
            }
        });
        closer.start(50);
        const QPoint inside = tree->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, tree->mapTo(&viewer, inside), tree->mapToGlobal(inside));
        QCoreApplication::sendEvent(&viewer, &event);
        QCOMPARE(shown, entries);
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("texts"); // LiveS, Search, PCSetup, configExit, the Spot label and title
        QTest::addColumn<QString>("month"); // the search calendar's, in January
        // A file dialog's type of a folder, size of 68 bytes and date of a
        // file, in the chosen language's locale (the system's, not checked,
        // where none is chosen).
        QTest::addColumn<QStringList>("files");
        const char* const english[] = {"Live S|Search|PC Setup|Exit|Spot|SPOT", "January", "Folder|68 bytes|"};
        const char* const rows[][4] = {
            {"English", english[0], english[1], english[2]},
            {"French", "Direct S|Recherche|Config. PC|Quitter|Spot|SPOT", "janvier",
                "Dossier|68 octets|15/01/2027 13:05"},
            {"Korean", "라이브 S|검색|PC 설정|나가기|스팟|스팟", "1월", "폴더|68 바이트|27. 1. 15. 오후 1:05"},
            {"Norwegian Bokmal", "Direkte S|Søk|PC-oppsett|Avslutt|Spot|SPOT", "januar",
                "Mappe|68 byte|15.01.2027 13:05"},
            {"Norwegian Bokmål", "Direkte S|Søk|PC-oppsett|Avslutt|Spot|SPOT", "januar",
                "Mappe|68 byte|15.01.2027 13:05"},
            {"Russian", "Просмотр S|Поиск|Настройка ПК|Выход|Спот|Спот", "январь", "Папка|68 байты|15.01.2027 13:05"},
            {"Chinese", "即時 S|搜尋|PC 設定|離開|輔助輸出|輔助輸出", "1月", "資料夾|68 byte|2027/1/15 下午1:05"},
            // Nothing to translate: no such file, or not the list's spelling.
            {"German", english[0], english[1], english[2]},
            {"french", english[0], english[1], english[2]},
            {"C", english[0], english[1], english[2]},
        };
        for (const auto& [language, texts, month, files] : rows)
            QTest::newRow(language) << QString(language) << (texts != english[0]) << QString(texts).split('|')
                                    << QString(month) << QString(files).split('|');
    }

    // Start-up installs the language's translation before the window is
    // built; taking it away again re-applies the captions and nothing else.
    void languages()
    {
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QFETCH(QStringList, texts);
        QFETCH(QString, month);
        QFETCH(QStringList, files);
        CAppSettings settings;
        settings.writeSetting(CAppSettings::LANGUAGE, language);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        const CLanguage languages;
        QCOMPARE(CStartup::installTranslation(settings, languages), installed);
        Viewer viewer;
        const auto captions = [&] {
            QStringList shown;
            for (const char* name : {"LiveS", "Search", "PCSetup", "configExit"})
                shown << child<QPushButton>(viewer, name)->text();
            const auto* camera = viewer.findChild<CSetupCamera*>();
            return shown << child<QLabel>(*camera, "label2_0")->text() << child<QLabel>(*camera, "title2")->text();
        };
        QCOMPARE(captions(), texts);
        auto* calendar = viewer.findChild<CCalendarWidget*>();
        calendar->setSelectedDate(QDate(2027, 1, 15));
        QCOMPARE(calendar->findChild<QToolButton*>("qt_calendar_monthbutton")->text(), month);
        const QStringList listed = listedFiles();
        if (files.last().isEmpty())
            files.last() = listed.value(2);
        QCOMPARE(listed, files);

        child<QLabel>(viewer, "multiPage")->setText(QStringLiteral("1 / 4"));
        QCoreApplication::removeTranslator(&g_translator);
        QTRY_COMPARE(captions(), QStringList({"Live S", "Search", "PC Setup", "Exit", "Spot", "SPOT"}));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("QELM"));
        QVERIFY(!child<QLabel>(viewer, "Logo")->pixmap().isNull());
        QCOMPARE(child<QLabel>(viewer, "multiPage")->text(), QStringLiteral("1 / 4"));
    }

    // A file dialog's columns, fitted to the language's texts, stay
    // resizable by hand, in the dialog and in the settings that the
    // operator's programs share.
    void fileDialogColumns()
    {
        QTemporaryDir folder;
        QStandardItemModel columns(0, 4);
        QHeaderView kept(Qt::Horizontal);
        kept.setModel(&columns);
        {
            QFileDialog dialog(nullptr, QString(), folder.path());
            dialog.setViewMode(QFileDialog::Detail);
            QSignalSpy read(dialog.findChild<QFileSystemModel*>(), &QFileSystemModel::directoryLoaded);
            dialog.show();
            QTRY_VERIFY(read.contains({QDir(folder.path()).absolutePath()}));
            const QHeaderView* shown = dialog.findChild<QTreeView*>()->header();
            for (int column = 0; column < columns.columnCount(); ++column)
                QCOMPARE(shown->sectionResizeMode(column), QHeaderView::Interactive);
        }
        const QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
        QVERIFY(kept.restoreState(shared.value(QStringLiteral("FileDialog/treeViewHeader")).toByteArray()));
        for (int column = 0; column < columns.columnCount(); ++column)
            QCOMPARE(kept.sectionResizeMode(column), QHeaderView::Interactive);
    }

    void readableTexts_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("object");
        // Row, the clicks that show it, the panel and the captions' objects
        // (or a button box's button's text), a row of each.
        const char* const rows[][4] = {
            {"PTZ label of a wall of many screens", "LiveS", "CLiveCtrlWidget", "zoom"},
            {"PC setup folder button", "PCSetup", "CPCSetupDialog", "CapturePathBrowse"},
            {"PC setup OK", "PCSetup", "CPCSetupDialog", "OK"},
            {"Sensor brush", "Setup", "CSetupRecord", "sensor"},
            {"Cont. + Event brush", "Setup", "CSetupRecord", "contEvent"},
            {"Continuous brush", "Setup", "CSetupRecord", "continuous"},
            {"Motion brush", "Setup", "CSetupRecord", "motion"},
            {"Motion + Sensor brush", "Setup", "CSetupRecord", "event"},
            {"group title", "Setup", "CSetupRecord", "channelTitle"},
            {"unselected tab", "Setup", "CSetupWidget", "tabWidget"},
            {"Detection Zone", "Setup", "CSetupEvent", "detectZone"},
            {"account", "Setup", "CSetupAccount", "clear userAdd userModify userDelete"},
            {"upgrade", "Setup", "CUpgrade", "browse upgrade close"},
            {"date and time", "Setup", "CSetupEtc", "set apply close"},
        };
        for (const auto& [row, clicks, panel, objects] : rows) {
            for (const QString& object : QString(objects).split(' '))
                QTest::addRow("%s: %s", row, qPrintable(object)) << QString(clicks) << QString(panel) << object;
        }
    }

    // Captions stand out from what lies under them at least 4.5 to 1, those
    // of disabled controls 3 to 1.
    void readableTexts()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, panel);
        QFETCH(QString, object);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, clicks);
        QWidget* shown = nullptr;
        for (QWidget* widget : viewer.findChildren<QWidget*>()) {
            if (widget->metaObject()->className() == panel)
                shown = widget;
        }
        QVERIFY(shown);
        shown->show(); // an overlay of the setup page, shown once a DVR is connected
        if (shown->isWindow())
            QVERIFY(QTest::qWaitForWindowExposed(shown));
        showTabOf(*viewer.findChild<CSetupWidget*>()->findChild<QTabWidget*>(), *shown);
        QWidget* caption = shown->findChild<QWidget*>(object);
        if (!caption) { // a button box's button, found by its text
            for (QPushButton* button : shown->findChildren<QPushButton*>()) {
                if (button->text().remove(QLatin1Char('&')) == object)
                    caption = button;
            }
        }
        QVERIFY(caption && caption->isVisible());
        const auto* tabs = qobject_cast<QTabWidget*>(caption);
        const double ratio
            = tabs ? tabTextContrast(*tabs->tabBar(), tabs->currentIndex() == 0 ? 1 : 0) : textContrast(*caption);
        // A disabled control only has to show what it is.
        const double minimum = caption->isEnabled() ? 4.5 : 3;
        QVERIFY2(ratio >= minimum, qPrintable(QString::number(ratio)));
        if (shown->isWindow())
            shown->close();
    }

    // A disabled button of the live control panel keeps an outline that
    // shows on the window's grey, and its caption or arrow looks other than
    // when enabled.
    void disabledPanelButtons_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        for (const char* button : {"RPAuto0", "RPOn0", "RPOff0"})
            QTest::newRow(button) << "DVRControl2" << button;
        for (const char* button : {"ptzf_up", "ptzf_zoom_in", "Go"})
            QTest::newRow(button) << "DVRControl0" << button;
    }

    void disabledPanelButtons()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, page);
        auto* panel = viewer.findChild<CLiveCtrlWidget*>();
        panel->changeState(true); // a single screen: only the DVR is missing
        auto* shown = child<QPushButton>(viewer, qPrintable(button));
        QList<QColor> seen; // enabled, then disabled: the caption's or arrow's ink and the face under it
        for (const bool enabled : {true, false}) {
            child(*panel, "stackedWidget")->setEnabled(enabled);
            const QImage drawn = shown->grab().toImage();
            const QIcon icon = shown->icon();
            const QString text = shown->text();
            shown->setIcon(QIcon());
            shown->setText(QString());
            const QImage bare = shown->grab().toImage();
            shown->setIcon(icon);
            shown->setText(text);
            const auto change
                = [&](QPoint at) { return std::abs(luminance(drawn.pixelColor(at)) - luminance(bare.pixelColor(at))); };
            QPoint ink;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x)
                    ink = change({x, y}) > change(ink) ? QPoint(x, y) : ink;
            }
            seen << drawn.pixelColor(ink) << bare.pixelColor(ink);
        }
        const int middle = shown->height() / 2;
        const double outline
            = contrast(shown->grab().toImage().pixelColor(1, middle), meanColour(*shown, QRect(-4, middle, 2, 2)));
        QVERIFY2(outline >= 1.5, qPrintable(QString::number(outline)));
        const double dimmed
            = std::max(contrast(seen[0], seen[2]), contrast(seen[0], seen[1]) / contrast(seen[2], seen[3]));
        QVERIFY2(dimmed >= 1.6, qPrintable(QString::number(dimmed)));
    }

    // On a disabled page a choice that still holds (Auto of a pending
    // switch-off) looks other than one that does not.
    void checkedShowsWhenDisabled()
    {
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, "DVRControl2");
        auto* autoOff = child<QPushButton>(viewer, "RPAuto0");
        QVERIFY(!autoOff->isEnabled());
        const QImage unchecked = autoOff->grab().toImage();
        autoOff->setChecked(true);
        QVERIFY(autoOff->grab().toImage() != unchecked);
    }

    // A press on a disabled control does not drag the window; one on a
    // label, disabled or not, still does.
    void dragWindow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("drags");
        const std::tuple<const char*, const char*, bool> rows[]
            = {{"DVRControl0", "Speed", false}, {"DVRControl3", "contrast", false}, {"DVRControl0", "presetNum", false},
                {"DVRControl0", "zoom", true}, {"DVRControl0", "Logo", true}};
        for (const auto& [page, pressed, drags] : rows)
            QTest::newRow(pressed) << page << pressed << drags;
    }

    void dragWindow()
    {
        QFETCH(QString, page);
        QFETCH(QString, pressed);
        QFETCH(bool, drags);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(viewer, page);
        QWidget* widget = child(viewer, qPrintable(pressed));
        QCOMPARE(widget->isEnabled(), pressed == "Logo");
        const QPoint start = viewer.pos();
        const QPoint at = widget->rect().center();
        // A press on the window whose release went elsewhere comes first.
        QTest::mousePress(child(viewer, "Logo"), Qt::LeftButton);
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        QTest::mouseMove(widget, at + QPoint(40, 30));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at + QPoint(40, 30));
        QCOMPARE(viewer.pos(), drags ? start + QPoint(40, 30) : start);
    }

    // The window grows for a mode that needs more room and gives it back on
    // the way out, unless the operator resized it meanwhile.
    void sizeKept_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("search and back") << "Search LiveS";
        QTest::newRow("round trips") << "Search LiveS Backup LiveS Search LiveM";
        QTest::newRow("through the E-Map") << "Search EMap EMapExit LiveS";
        QTest::newRow("smallest") << "smallest Search LiveS";
        QTest::newRow("taller in search") << "Search taller LiveS";
    }

    void sizeKept()
    {
        QFETCH(QString, steps);
        Viewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QSize given = viewer.size();
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == "smallest" || step == "taller") {
                viewer.resize(step == "taller" ? viewer.size() + QSize(0, 50) : QSize(1, 1));
                given = viewer.size();
            } else {
                click(viewer, step);
            }
        }
        QCOMPARE(viewer.size(), given);
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("chosenWhileOpen"); // the window opened in English
        const CLanguage languages;
        for (const QString& name : languages.getLanguageName()) {
            QTest::newRow(qPrintable(name)) << name << false;
            QTest::addRow("%s, chosen while open", qPrintable(name)) << name << true;
        }
    }

    // Every caption of the main window, its panels and pages, and of every
    // dialog it opens shows whole in every language; at the live modes'
    // smallest size, which the panel modes keep, every control of the
    // information window and of the setup pages and overlays can be reached,
    // and no page of them has to be scrolled sideways.
    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(bool, chosenWhileOpen);
        const CLanguage languages;
        CAppSettings settings;
        settings.writeSetting(CAppSettings::LANGUAGE, chosenWhileOpen ? languages.getLanguageName().first() : language);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        CStartup::installTranslation(settings, languages);
        ModalAnswers answers;
        answers.answerDialog = [](QDialog* prompt) {
            if (auto* address = prompt->findChild<QLineEdit*>("address")) { // the overlays' DVR
                address->setText(QStringLiteral("127.0.0.1"));
                prompt->findChild<QLineEdit*>("password")->setText(QStringLiteral("1234"));
                prompt->accept();
            }
        };
        Viewer viewer;
        const auto everyMode = [&viewer] {
            QStringList cut;
            for (const char* mode : {"LiveS", "LiveM", "Search", "Backup", "EMap", "EMapExit", "Setup"}) {
                click(viewer, mode);
                cut << cutTexts(viewer, Pages::Shown);
                if (viewer.menuMode() == 0)
                    cut << panelTexts(*viewer.findChild<CLiveCtrlWidget*>());
                if (viewer.menuMode() == 5) // the log's button, once a map is open
                    cut << cutTexts(*child(viewer, "emapLogSave"));
            }
            return cut;
        };
        if (chosenWhileOpen) {
            // Every page shown in English first: what sizes itself on its
            // first show has done so.
            everyMode();
            languages.applyLanguage(language);
        }
        QStringList cut = everyMode();
        auto* setup = viewer.findChild<CSetupWidget*>();
        cut << cutTexts(*setup) << cutTexts(*viewer.findChild<CDVRInfoWidget*>());
        // The record schedule's last hour shows on the page, where a click
        // sets it.
        auto* grid = setup->findChild<CScheduleGrid*>();
        showTabOf(*setup->findChild<QTabWidget*>(), *grid);
        QVERIFY(grid->isVisible());
        QVERIFY(grid->viewport()->visibleRegion().contains(grid->visualRect(grid->model()->index(6, 23))));
        click(viewer, "configExit");
        click(viewer, "LiveS");
        const QSize smallest = viewer.minimumSize();
        const std::pair<const char*, QWidget*> panels[]
            = {{"Information", viewer.findChild<CDVRInfoWidget*>()}, {"Setup", setup}};
        for (const auto& [mode, panel] : panels) {
            click(viewer, mode);
            viewer.resize(1, 1);
            if (viewer.size() != smallest)
                cut << QStringLiteral("%1: %2 x %3").arg(mode).arg(viewer.width()).arg(viewer.height());
            cut << unreachableControls(*panel);
        }
        for (const char* overlay : {"dateTime", "upgrade"}) {
            click(viewer, overlay);
            QVERIFY2(!child(*setup, "tabWidget")->isVisible(), overlay);
            cut << unreachableControls(*setup);
        }
        answers.answerDialog = nullptr;
        for (QDialog* dialog : viewer.findChildren<QDialog*>())
            cut << cutTexts(*dialog);
        CSetDVRInfoDialog dvr;
        CLogin login;
        CSendDVRInfoWidget address;
        CModelInfoDialog model;
        CProgressDialog progress;
        CMotionZoneDialog zone;
        CEMapSetupDialog emapSetup;
        CSetEMapInfoDialog emapInfo;
        for (QWidget* window :
            std::initializer_list<QWidget*>{&dvr, &login, &address, &model, &progress, &zone, &emapSetup, &emapInfo})
            cut << cutTexts(*window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("\n"))));
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
