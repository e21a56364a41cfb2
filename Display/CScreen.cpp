#include "Display/CScreen.h"

#include "Display/CCheckSpeed.h"
#include "Display/CGLRenderer.h"
#include "Display/CGLWidget.h"
#include "Display/CGraphicsScene.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreenWidget.h"
#include "Display/CSnapshotWriter.h"
#include "Display/CWaitWidget.h"
#include "Display/GLExtensionFunctions.h"
#include "dvr_types/KAssert.h"

#include <QEvent>
#include <QImage>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWidget>
#include <functional>
#include <qopengl.h>

namespace {
const char* const DOUBLE_CLICK_SLOT = "mouseDoubleClicked(QMouseEvent*)";

void forwardDoubleClicks(QObject* sender, QWidget* parent)
{
    if (parent && parent->metaObject()->indexOfSlot(DOUBLE_CLICK_SLOT) >= 0)
        QObject::connect(sender, SIGNAL(doubleClicked(QMouseEvent*)), parent, SLOT(mouseDoubleClicked(QMouseEvent*)));
}

bool isDrawnPicture(const CDisplayInfo& info)
{
    return !info.status && info.authority && !info.videoLoss && info.hasPicture();
}

// Calls back when the watched widget hears that the operator switched
// languages. Not the widget's child: it must not outlive the wall it calls.
class LanguageWatch : public QObject {
public:
    LanguageWatch(QWidget* watched, std::function<void()> changed)
        : m_changed(std::move(changed))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_changed();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_changed;
};
} // namespace

CScreen::CScreen(QWidget* parent, OpenGLMode mode, int count)
    : m_mode(mode)
    , m_count(qMax(0, count))
    , m_parent(parent)
{
    if (mode == OPENGL_OFF) {
        for (int i = 0; i < m_count; ++i) {
            auto* label = new CScreenWidget(parent);
            forwardDoubleClicks(label, parent);
            m_screenWidgets.append(label);
            label->setVisible(true);
        }
        m_waitWidget = new CWaitWidget(parent);
    } else {
        m_glWidget = new CGLWidget;
        m_scene = new CGraphicsScene(mode, m_count);
        QObject::connect(m_glWidget, &CGLWidget::contextCreated, m_scene, &CGraphicsScene::initializeGL);
        QObject::connect(m_glWidget, &CGLWidget::contextAboutToBeDestroyed, m_scene, &CGraphicsScene::releaseGL);
        // Queued: the request comes from within a redraw.
        QObject::connect(
            m_scene, &CGraphicsScene::picturesWaiting, m_scene, [this] { requestPictureRedraw(); },
            Qt::QueuedConnection);
        m_view = new CGraphicsView(parent);
        forwardDoubleClicks(m_view, parent);
        m_view->setViewport(m_glWidget);
        m_view->setScene(m_scene);
        if (parent)
            m_view->resize(parent->size());
        m_view->setVisible(true);
        m_waitWidget = new CWaitWidget;
        m_scene->addWidget(m_waitWidget);
        m_redrawTimer.setSingleShot(true);
        m_redrawTimer.setTimerType(Qt::PreciseTimer);
        m_redrawTimer.callOnTimeout([this] { requestRedraw(); });
    }
    centreWaitWidget();
    m_waitWidget->hide();
    if (parent)
        m_languageWatch = std::make_unique<LanguageWatch>(parent, [this] { languageChanged(); });
}

CScreen::~CScreen()
{
    qDeleteAll(m_screenWidgets);
    m_screenWidgets.clear();
    // The widget rendering's spinner is the parent's child: it goes with its
    // screen, not with the parent (the scene owns the other renderings').
    if (!m_scene)
        delete m_waitWidget;
    // The view goes first: its viewport's context releases the scene's
    // textures while the scene still exists.
    delete m_view;
    delete m_scene;
}

void CScreen::prepareOpenGL()
{
    // Mesa's rasteriser on the processor starts a thread per core, and each
    // redraw wakes and feeds every one of them: two draw a wall of 16 tiles
    // with about half the processor time of eight and still keep up with
    // 16 full-HD cameras on a full-HD screen. A graphics card's driver does
    // not read it; a count the operator set stands.
    if (!qEnvironmentVariableIsSet(SOFTWARE_RASTER_THREADS_VARIABLE))
        qputenv(SOFTWARE_RASTER_THREADS_VARIABLE, QByteArray::number(SOFTWARE_RASTER_THREADS));
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
}

bool CScreen::initOpengl(int)
{
    bool usable = false;
    const bool made = CGLRenderer::probe([&usable](QOpenGLContext& context) {
        if (context.isOpenGLES())
            return;
        getGLExtensionFunctions().resolve(&context);
        const bool fixedFunction = context.format().profile() != QSurfaceFormat::CoreProfile;
        usable = fixedFunction && glGetString(GL_VERSION) != nullptr;
    });
    return made && usable;
}

void CScreen::setInfo(int index, const CDisplayInfo& info)
{
    if (!isValidIndex(index))
        return;
    if (m_scene) {
        m_scene->setInfo(index, info);
        requestPictureRedraw();
    } else {
        m_screenWidgets[index]->setInfo(info);
    }
    if (isDrawnPicture(info))
        gCheckSpeed.addData(info.length);
}

CDisplayInfo CScreen::getInfo(int index) const
{
    if (!isValidIndex(index))
        return CDisplayInfo();
    return m_scene ? m_scene->getInfo(index) : m_screenWidgets[index]->getInfo();
}

void CScreen::updateDisplayRect(int index, const QRect& rect)
{
    if (!isValidIndex(index))
        return;
    if (m_scene) {
        m_scene->updateDisplayRect(index, rect);
    } else {
        m_screenWidgets[index]->setGeometry(rect);
    }
}

QRect CScreen::getDisplayRect(int index) const
{
    if (!isValidIndex(index))
        return QRect();
    return m_scene ? m_scene->getDisplayRect(index) : m_screenWidgets[index]->geometry();
}

void CScreen::clear()
{
    if (m_scene) {
        m_scene->clearInfo();
        requestRedraw();
    } else {
        for (CScreenWidget* label : std::as_const(m_screenWidgets))
            label->clear();
    }
}

void CScreen::setSelected(int index)
{
    if (m_scene) {
        m_scene->setSelected(index);
        requestRedraw();
        return;
    }
    for (CScreenWidget* label : std::as_const(m_screenWidgets)) {
        if (label->isSelected())
            label->setSelected(false);
    }
    if (isValidIndex(index))
        m_screenWidgets[index]->setSelected(true);
}

void CScreen::setDisplaySettings(bool showNames, int recordMode, int eventMode)
{
    if (m_scene) {
        m_scene->setDisplaySettings(showNames, recordMode, eventMode);
        // Shown at once, also on a wall whose pictures stand still.
        requestRedraw();
        return;
    }
    for (CScreenWidget* label : std::as_const(m_screenWidgets))
        label->setDisplaySettings(showNames, recordMode, eventMode);
}

void CScreen::resize(const QSize& size)
{
    if (m_view)
        m_view->resize(size);
    centreWaitWidget();
}

void CScreen::move(const QPoint& pos)
{
    if (m_view)
        m_view->move(pos);
    for (CScreenWidget* label : std::as_const(m_screenWidgets))
        label->move(pos);
}

void CScreen::addWidget(QWidget* widget)
{
    if (m_scene) {
        m_scene->addWidget(widget);
        return;
    }
    K_ASSERT(m_screenWidgets.size() == 1, "Display/Screen");
    widget->setParent(m_screenWidgets.first());
}

void CScreen::startZoom(int index)
{
    if (m_scene)
        m_scene->startZoom();
    else if (isValidIndex(index))
        m_screenWidgets[index]->startZoom();
}

void CScreen::endZoom()
{
    if (m_scene) {
        m_scene->endZoom();
        return;
    }
    for (CScreenWidget* label : std::as_const(m_screenWidgets))
        label->endZoom();
}

CWholeFileWriter::Result CScreen::saveCaptureImage(
    const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason)
{
    if (!m_glWidget)
        return CWholeFileWriter::Result::Failed;
    return CSnapshotWriter::write(m_view->grabWall(), path, format, reason);
}

void CScreen::showWaitWidget(QWidget*, bool show)
{
    m_waitWidget->setVisible(show);
}

void CScreen::languageChanged()
{
    if (m_scene) {
        m_scene->languageChanged();
        requestRedraw();
        return;
    }
    for (CScreenWidget* label : std::as_const(m_screenWidgets))
        label->languageChanged();
}

void CScreen::centreWaitWidget()
{
    if (!m_parent)
        return;
    m_waitWidget->move((m_parent->width() - 1) / 2 - m_waitWidget->width() / 2,
        (m_parent->height() - 1) / 2 - m_waitWidget->height() / 2);
}

void CScreen::requestRedraw()
{
    m_redrawTimer.stop();
    m_sinceRedraw.start();
    m_view->viewport()->update();
}

void CScreen::requestPictureRedraw()
{
    if (m_redrawTimer.isActive())
        return;
    const qint64 waitMs = m_sinceRedraw.isValid() ? m_redrawIntervalMs - m_sinceRedraw.elapsed() : 0;
    if (waitMs <= 0)
        requestRedraw();
    else
        m_redrawTimer.start(int(waitMs));
}
