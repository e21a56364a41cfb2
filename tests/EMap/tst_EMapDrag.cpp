#include "Common/CCoreMetaTypes.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Display/OpenGLMode.h"
#include "EMap/CCameraWidget.h"
#include "EMap/CControlEMapList.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapWidget.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"

#include <QApplication>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

// Placing cameras as a new user would: with the real pointer (the X server's
// test extension, on a display of this test's own), from the DVR tree onto
// a map opened in the map tree, and on the map; every change must reach the
// list file.
namespace {

// xdotool steps, one after the other, while the application runs its event
// loop (a drag or a menu runs its own); a step may wait until the
// application has seen what it caused.
class Pointer : public QObject {
public:
    struct Step {
        std::function<QStringList()> args;
        std::function<bool()> until;
    };

    Pointer()
    {
        connect(&m_xdotool, &QProcess::finished, &m_poll, qOverload<>(&QTimer::start));
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_until && !m_until())
                return;
            m_poll.stop();
            next();
        });
    }
    void run(const QList<Step>& steps)
    {
        m_steps = steps;
        m_done = false;
        next();
    }
    bool done() const { return m_done; }

private:
    void next()
    {
        if (m_steps.isEmpty()) {
            m_done = true;
            return;
        }
        const Step step = m_steps.takeFirst();
        m_until = step.until;
        m_xdotool.start(QStringLiteral("xdotool"), step.args());
    }

    QProcess m_xdotool;
    QTimer m_poll;
    QList<Step> m_steps;
    std::function<bool()> m_until;
    bool m_done = true;
};

Pointer::Step moveTo(const std::function<QPoint()>& global, const std::function<bool()>& until = nullptr)
{
    return {[global] {
                const QPoint at = global();
                return QStringList{"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())};
            },
        until};
}

Pointer::Step button(const char* action, int which = 1)
{
    return {[action, which] { return QStringList{action, QString::number(which)}; }, nullptr};
}

// Press at one point, move there in steps, release: a drag.
QList<Pointer::Step> dragSteps(QPoint from, QPoint to, const std::function<bool()>& arrived)
{
    QList<Pointer::Step> steps{moveTo([from] { return from; }), button("mousedown")};
    for (int i = 1; i <= 6; ++i)
        steps << moveTo([from, to, i] { return from + (to - from) * i / 6; });
    steps << moveTo([to] { return to + QPoint(1, 1); }, arrived) << button("mouseup");
    return steps;
}

// Opens a context menu by a right click and chooses its first entry.
QList<Pointer::Step> menuSteps(QPoint at)
{
    auto entry = [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu->mapToGlobal(menu->actionGeometry(menu->actions().first()).center());
    };
    return {moveTo([at] { return at; }), button("click", 3),
        moveTo(entry, [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }),
        button("click")};
}

// A file manager's window in miniature: dragging it carries a file.
class FileSource : public QLabel {
public:
    FileSource()
        : QLabel(QStringLiteral("site.png"))
    {
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override
    {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/site.png"))});
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }
};

} // namespace

class tst_EMapDrag : public QObject {
    Q_OBJECT

public:
    // The map view has seen the drag arrive (accepted or not).
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)
            ++m_dragMoves;
        return false;
    }

private slots:
    void placeMoveAndDeleteCameras();

private:
    QList<EMapItems> savedCameras() const
    {
        const EMapGroupList file = CControlEMapList::Load();
        const EMap& map = file.emaplist(0).emap(0);
        return QList<EMapItems>(map.items().cbegin(), map.items().cend());
    }
    QPoint cameraAt(int channel) const
    {
        const QTreeWidgetItem* dvr = m_tree->topLevelItem(0)->child(0);
        return m_tree->viewport()->mapToGlobal(m_tree->visualItemRect(dvr->child(channel)).center());
    }
    bool dragSeen() const { return m_dragMoves > 0; }

    CDVRListTree* m_tree = nullptr;
    QPointer<CEMapWidget> m_view;
    int m_dragMoves = 0;
};

void tst_EMapDrag::placeMoveAndDeleteCameras()
{
    QTemporaryDir data;
    CAppDir::setCurrentPathOverride(data.path());
    CCoreMetaTypes::registerTypes();
    CAppSettings settings;
    settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    settings.writeSetting(CAppSettings::EMAP_IMAGESIZE, 1);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    GroupList groups;
    Group* shop = groups.add_group();
    shop->set_name("Shop");
    DVR* front = shop->add_dvr();
    front->set_name("Front");
    front->set_address("127.0.0.1");
    front->set_chnum(4);
    for (const char* name : {"Door", "Hall", "Yard", "Gate"})
        front->add_chname(name);
    QVERIFY(CControlDVRList().Save(groups).isOk());
    QImage site(400, 300, QImage::Format_RGB32);
    site.fill(Qt::darkGreen);
    QVERIFY(site.save(data.filePath(QStringLiteral("site.png"))));
    EMapGroupList maps;
    maps.add_emaplist()->set_name("Site");
    maps.mutable_emaplist(0)->add_emap()->set_name("plan");
    maps.mutable_emaplist(0)->mutable_emap(0)->set_mapimagepath(
        data.filePath(QStringLiteral("site.png")).toStdString());
    QVERIFY(CControlEMapList::Save(maps).isOk());

    // The E-Map edit mode's panels, wired as the main window wires them.
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    m_tree = new CDVRListTree;
    auto* mapTree = new CEMapList;
    auto* file = new FileSource;
    side->addWidget(m_tree);
    side->addWidget(mapTree);
    side->addWidget(file);
    m_tree->setCameraNameShow(true);
    m_tree->expandAll();
    mapTree->setEditable(true);
    connect(mapTree, &CEMapList::signalSelectedEMap, this, [&](const EMap& map) {
        delete m_view;
        m_view = new CEMapWidget;
        layout->addWidget(m_view);
        m_view->setEditable(true);
        m_view->setSelectedEMap(map);
        connect(m_tree, &CDVRListTree::dragCameraItem, m_view, &CEMapWidget::setCameraItem);
        connect(m_view, &CEMapWidget::signalSaveEMap, mapTree, &CEMapList::OnSaveEMap);
        m_view->installEventFilter(this);
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint plan = mapTree->visualItemRect(mapTree->topLevelItem(0)->child(0)).center();
    QTest::mouseClick(mapTree->viewport(), Qt::LeftButton, {}, plan);
    QTest::mouseDClick(mapTree->viewport(), Qt::LeftButton, {}, plan);
    QVERIFY(m_view);
    QTRY_VERIFY(m_view->isVisible() && m_view->mapLabel()->width() >= 400);

    Pointer pointer;
    auto onMap = [this](QPoint at) { return m_view->mapLabel()->mapToGlobal(at); };
    auto drag = [&](QPoint from, QPoint at) {
        m_dragMoves = 0;
        pointer.run(dragSteps(from, onMap(at), [this] { return dragSeen(); }));
        return QTest::qWaitFor([&] { return pointer.done(); }, 15000);
    };
    // "Yard" lands where it is let go, and the file gains it.
    QVERIFY(drag(cameraAt(2), QPoint(150, 100)));
    QTRY_COMPARE(savedCameras().size(), 1);
    QCOMPARE(savedCameras().first().channel(), 2);
    QCOMPARE(savedCameras().first().dvr().name(), std::string("Front"));
    CCameraWidget* yard = m_view->cameras().first();
    QVERIFY(QRect(yard->mapToGlobal(QPoint(0, 0)), yard->size()).contains(onMap(QPoint(150, 100))));

    // Again: it is on the map already.
    QVERIFY(drag(cameraAt(2), QPoint(250, 200)));
    QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
    QCOMPARE(static_cast<QMessageBox*>(QApplication::activeModalWidget())->text(),
        QStringLiteral("The camera is in the emap."));
    QApplication::activeModalWidget()->close();
    QVERIFY(drag(cameraAt(0), QPoint(300, 60)));
    QTRY_COMPARE(savedCameras().size(), 2);

    // A file is not a camera.
    QVERIFY(drag(file->mapToGlobal(file->rect().center()), QPoint(60, 220)));
    QCOMPARE(m_view->cameras().size(), 2);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Moving "Yard", then "Delete" on "Door", then "Delete All".
    const QPoint grip = yard->mapToGlobal(yard->rect().center());
    pointer.run(dragSteps(grip, grip + QPoint(60, 40), nullptr));
    QTRY_VERIFY(pointer.done());
    QTRY_COMPARE(QPoint(savedCameras().first().posx(), savedCameras().first().posy()), yard->pos());
    QVERIFY(yard->pos() != QPoint(150, 100) - QPoint(yard->width() / 2, yard->height() / 2));
    CCameraWidget* door = m_view->cameras().last();
    pointer.run(menuSteps(door->mapToGlobal(door->rect().center())));
    QTRY_VERIFY(pointer.done());
    QTRY_COMPARE(savedCameras().size(), 1);
    QCOMPARE(savedCameras().first().channel(), 2);
    pointer.run(menuSteps(onMap(QPoint(350, 250))));
    QTRY_VERIFY(pointer.done());
    QTRY_COMPARE(savedCameras().size(), 0);
    delete m_view;
    CAppDir::setCurrentPathOverride(QString());
}

QTEST_MAIN(tst_EMapDrag)
#include "tst_EMapDrag.moc"
