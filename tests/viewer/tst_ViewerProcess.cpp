#include "Common/CCoreMetaTypes.h"
#include "Common/CPBFile.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <xcb/xcb.h>

// The built program started as the README's run command starts it, on a
// fresh settings store: it shows its window, probes OpenGL only on its first
// run, writes every PC option, and ends with exit code 0 when its window is
// closed, once the commands still on their way when it closed have reached
// their DVR.
namespace {

// Only for a program that hangs: each wait ends with what the program shows
// or with its end, however long a busy computer takes.
const int TIME_LIMIT_MS = 60000;

// The top-level windows of the X server, as a window manager sees them.
class X11Windows {
public:
    X11Windows()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
    }
    ~X11Windows() { xcb_disconnect(m_connection); }
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool isConnected() const { return xcb_connection_has_error(m_connection) == 0; }

    // A shown top-level window of a process with that title; XCB_WINDOW_NONE
    // when none. Other tests may show windows of that title on the display.
    xcb_window_t find(const QByteArray& title, qint64 pid)
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const auto tree = reply(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, root), nullptr));
        const quint32 pidValue = quint32(pid);
        for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
            const xcb_window_t window = xcb_query_tree_children(tree.get())[i];
            const auto shown = reply(xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
            if (shown && shown->map_state == XCB_MAP_STATE_VIEWABLE && property(window, XCB_ATOM_WM_NAME) == title
                && property(window, atom("_NET_WM_PID"))
                    == QByteArray::fromRawData(reinterpret_cast<const char*>(&pidValue), 4))
                return window;
        }
        return XCB_WINDOW_NONE;
    }

    // Where the window's inside begins on the screen.
    QPoint origin(xcb_window_t window)
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const auto place = reply(xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, root, 0, 0), nullptr));
        return place ? QPoint(place->dst_x, place->dst_y) : QPoint();
    }

    // What a window manager's close button sends.
    void close(xcb_window_t window)
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
        xcb_flush(m_connection);
    }

private:
    template <typename T> static std::unique_ptr<T, decltype(&free)> reply(T* value) { return {value, &free}; }

    QByteArray property(xcb_window_t window, xcb_atom_t name)
    {
        const auto value = reply(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        return value ? QByteArray(static_cast<const char*>(xcb_get_property_value(value.get())),
                   xcb_get_property_value_length(value.get()))
                     : QByteArray();
    }

    xcb_atom_t atom(const char* name)
    {
        const auto value = reply(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr));
        return value ? value->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    xcb_connection_t* m_connection;
};

// Waits until the program shows its main window or ends; the window, or
// XCB_WINDOW_NONE when the program ended (or hung) without showing it.
xcb_window_t shownWindow(X11Windows& windows, const QProcess& viewer)
{
    xcb_window_t window = XCB_WINDOW_NONE;
    const bool shownOrEnded = QTest::qWaitFor(
        [&] {
            window = windows.find("QELM", viewer.processId());
            return window != XCB_WINDOW_NONE || viewer.state() == QProcess::NotRunning;
        },
        TIME_LIMIT_MS);
    return shownOrEnded ? window : xcb_window_t(XCB_WINDOW_NONE);
}

// The environment of a program whose home, settings and data are in `home`.
QProcessEnvironment environmentIn(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    return environment;
}

// Where the first row of the DVR tree lies in a main window of the program,
// from the window's inside: the program lays its window out as this one.
QPoint firstTreeRow()
{
    Viewer viewer;
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer))
        return QPoint();
    const CDVRListTree* tree = viewer.findChild<CDVRListTree*>();
    return tree->viewport()->mapTo(&viewer, tree->visualItemRect(tree->topLevelItem(0)).center());
}

} // namespace

class tst_ViewerProcess : public QObject {
    Q_OBJECT

private slots:
    void startAndClose_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("mode");
        QTest::newRow("first run under X probes OpenGL") << "xcb" << QVariant() << 0;
        QTest::newRow("a stored mode is not probed") << "xcb" << QVariant(2) << 2;
        QTest::newRow("first run without OpenGL") << "offscreen" << QVariant() << 2;
    }

    void startAndClose()
    {
        QFETCH(QString, platform);
        QFETCH(QVariant, stored);
        QFETCH(int, mode);
        const bool onX = platform == QLatin1String("xcb");

        QTemporaryDir home;
        const QString store = home.filePath(QStringLiteral("config/COMPANY/KTAX QELM.conf"));
        if (stored.isValid())
            QSettings(store, QSettings::IniFormat).setValue(QStringLiteral("Opengl"), stored);
        QProcessEnvironment environment = environmentIn(home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!onX) {
            environment.remove(QStringLiteral("DISPLAY"));
            environment.insert(QStringLiteral("QT_QPA_OFFSCREEN_NO_GLX"), QStringLiteral("1"));
        }

        X11Windows windows;
        QVERIFY(windows.isConnected());
        QProcess viewer;
        viewer.setProcessEnvironment(environment);
        viewer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        viewer.start(QStringLiteral(QELM_VIEWER_PROGRAM), {});
        QVERIFY(viewer.waitForStarted());

        const auto storedMode = [&] { return QSettings(store, QSettings::IniFormat).value(QStringLiteral("Opengl")); };
        QTRY_VERIFY_WITH_TIMEOUT(storedMode().isValid() || viewer.state() == QProcess::NotRunning, TIME_LIMIT_MS);
        QVERIFY(storedMode().isValid());
        QCOMPARE(storedMode().toInt(), mode);
        if (!onX) {
            viewer.kill();
            viewer.waitForFinished();
            return;
        }
        const xcb_window_t window = shownWindow(windows, viewer);
        QVERIFY(window != XCB_WINDOW_NONE);
        // Building the window writes every PC option and makes the folders.
        const QSettings written(store, QSettings::IniFormat);
        for (const char* key :
            {"Capture", "Record", "Backup", "FileFormat", "CaptureFileFormat", "OsdChName", "OsdRecord", "OsdEvent",
                "Language", "AlarmSound", "CodecType", "PlaybackMode", "SeqenceInterval", "Reconnect", "Opengl"})
            QVERIFY2(written.contains(QLatin1String(key)), key);
        for (const char* folder : {"Capture", "Record", "Backup"})
            QVERIFY(QDir(home.filePath(QStringLiteral("data/COMPANY/KTAX QELM/") + folder)).exists());
        windows.close(window);
        QVERIFY(viewer.waitForFinished(TIME_LIMIT_MS));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewer.exitCode(), 0);
        QCOMPARE(storedMode().toInt(), mode);
    }

    // A group streaming live when the window closes: the stop request of
    // its stream reaches the DVR before the program ends.
    void closingSendsWhatIsPending()
    {
        TestDvr dvr;
        QVERIFY(dvr.listen());
        QTemporaryDir home;
        GroupList groups;
        Group* group = groups.add_group();
        group->set_name("Shop");
        *group->add_dvr() = dvr.dvrRecord();
        const QString data = home.filePath(QStringLiteral("data/COMPANY/KTAX QELM"));
        QVERIFY(QDir().mkpath(data));
        QVERIFY(CPBFile(
            data + QLatin1Char('/') + CControlDVRList::PB_DVRLIST_FILENAME, CControlDVRList::PB_DVRLIST_FILECODE)
                    .Save(groups)
                    .isOk());
        QSettings(home.filePath(QStringLiteral("config/COMPANY/KTAX QELM.conf")), QSettings::IniFormat)
            .setValue(QStringLiteral("Opengl"), 2);
        const QPoint row = firstTreeRow();
        QVERIFY(!row.isNull());

        X11Windows windows;
        QProcess viewer;
        viewer.setProcessEnvironment(environmentIn(home));
        viewer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        viewer.start(QStringLiteral(QELM_VIEWER_PROGRAM), {});
        QVERIFY(viewer.waitForStarted());
        const xcb_window_t window = shownWindow(windows, viewer);
        QVERIFY(window != XCB_WINDOW_NONE);

        // The operator double-clicks the group.
        const QPoint at = windows.origin(window) + row;
        QProcess pointer;
        pointer.start(QStringLiteral("xdotool"),
            {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "--repeat", "2",
                "--delay", "100", "1"});
        QVERIFY(pointer.waitForFinished());
        QTRY_COMPARE_WITH_TIMEOUT(dvr.streams()->runningCount(), 2, TIME_LIMIT_MS);

        windows.close(window);
        // The DVR answers while the program waits for it.
        QTRY_VERIFY_WITH_TIMEOUT(viewer.state() == QProcess::NotRunning, TIME_LIMIT_MS);
        QCOMPARE(viewer.exitCode(), 0);
        const QList<TestDvrRequest> requests = dvr.requests();
        QVERIFY(std::any_of(requests.cbegin(), requests.cend(),
            [](const TestDvrRequest& request) { return request.mode == cgi::MODE_STREAM_STOP; }));
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CStartup::prepareApplication();
    tst_ViewerProcess test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ViewerProcess.moc"
