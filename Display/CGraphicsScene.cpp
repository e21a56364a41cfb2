#include "Display/CGraphicsScene.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <cstring>

namespace {
const QRect NO_ZOOM(-1, -1, -1, -1);

int powerOfTwoAtLeast(int value)
{
    int power = 2;
    while (power < value)
        power *= 2;
    return power;
}

// RGB888 rows as OpenGL reads them: padded to 4 bytes (the default unpack
// alignment) or packed back to back.
QImage uploadable(const QImage& image)
{
    QImage rgb = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    const qsizetype packed = qsizetype(rgb.width()) * 3;
    const qsizetype padded = (packed + 3) / 4 * 4;
    if (rgb.bytesPerLine() != packed && rgb.bytesPerLine() != padded)
        rgb = rgb.copy();
    return rgb;
}
} // namespace

CGraphicsScene::CGraphicsScene(OpenGLMode mode, int count)
    : m_mode(mode)
    , m_count(qMax(0, count))
    , m_rects(m_count, QRect())
    , m_infos(m_count)
    , m_glImages(mode == OPENGL_LOW_PERFORMANCE ? m_count : 0)
    , m_textures(m_count)
{
}

CGraphicsScene::~CGraphicsScene() = default;

void CGraphicsScene::setInfo(int index, const CDisplayInfo& info)
{
    if (!isValidIndex(index))
        return;
    m_infos[index] = info;
    m_textures[index].stale = true;
}

CDisplayInfo CGraphicsScene::getInfo(int index) const
{
    return isValidIndex(index) ? m_infos[index] : CDisplayInfo();
}

void CGraphicsScene::clearInfo()
{
    for (int i = 0; i < m_count; ++i) {
        m_infos[i].clear();
        m_textures[i].stale = true;
    }
}

void CGraphicsScene::updateDisplayRect(int index, const QRect& rect)
{
    if (isValidIndex(index))
        m_rects[index] = rect;
}

QRect CGraphicsScene::getDisplayRect(int index) const
{
    return isValidIndex(index) ? m_rects[index] : QRect();
}

void CGraphicsScene::setSelected(int index)
{
    m_selected = index;
}

void CGraphicsScene::setDisplaySettings(bool showNames, int recordMode, int eventMode)
{
    m_overlay.setDisplaySettings(showNames, recordMode, eventMode);
}

void CGraphicsScene::startZoom()
{
    m_zoomMode = true;
}

void CGraphicsScene::endZoom()
{
    m_zoomed = false;
    m_zoomMode = false;
    m_zoomRect = NO_ZOOM;
}

QRect CGraphicsScene::zoomSelection() const
{
    const QPoint topLeft(
        int(qMin(m_pressPoint.x(), m_currentPoint.x())), int(qMin(m_pressPoint.y(), m_currentPoint.y())));
    const QPoint bottomRight(
        int(qMax(m_pressPoint.x(), m_currentPoint.x())), int(qMax(m_pressPoint.y(), m_currentPoint.y())));
    return QRect(topLeft, bottomRight) & getDisplayRect(m_selected);
}

void CGraphicsScene::setZoomRect()
{
    m_zoomRect = zoomSelection();
}

QString CGraphicsScene::getToolTip(const QPoint& pos) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_rects[i].contains(pos) && m_infos[i].status) {
            qDebug("tooltip channel %d", i);
            return m_infos[i].name;
        }
    }
    return {};
}

QSize CGraphicsScene::glImageSize(const QSize& size)
{
    return QSize(powerOfTwoAtLeast(size.width()), powerOfTwoAtLeast(size.height()));
}

void CGraphicsScene::ConvertToGLImage(const QImage& source, QImage* target)
{
    const QSize size = glImageSize(source.size());
    if (target->size() != size || target->format() != QImage::Format_RGB888)
        *target = QImage(size, QImage::Format_RGB888);
    const QImage rgb
        = source.format() == QImage::Format_RGB888 ? source : source.convertToFormat(QImage::Format_RGB888);
    const size_t rowBytes = size_t(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(target->scanLine(y), rgb.constScanLine(y), rowBytes);
}

void CGraphicsScene::initializeGL()
{
    for (Texture& texture : m_textures)
        texture = Texture();
}

void CGraphicsScene::releaseGL()
{
    for (Texture& texture : m_textures) {
        if (texture.name)
            glDeleteTextures(1, &texture.name);
        texture = Texture();
    }
}

void CGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsScene::mousePressEvent(event);
    if (m_zoomMode && event->button() == Qt::LeftButton) {
        m_zoomed = false;
        m_zoomRect = NO_ZOOM;
        m_pressing = true;
        m_pressPoint = event->scenePos();
    }
}

void CGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsScene::mouseMoveEvent(event);
    if (m_zoomMode && m_pressing) {
        m_currentPoint = event->scenePos();
        setZoomRect();
        event->accept();
        // Shows the rubber band while dragging, also over a still picture.
        update();
    }
}

void CGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsScene::mouseReleaseEvent(event);
    if (m_zoomMode) {
        m_pressing = false;
        m_zoomed = true;
        update();
    }
}

bool CGraphicsScene::showsPicture(int index) const
{
    const CDisplayInfo& info = m_infos[index];
    const QRect& rect = m_rects[index];
    return !info.image.isNull() && rect.isValid() && !rect.isNull()
        && COverlayPainter::stateOf(info) == COverlayPainter::State::Picture;
}

void CGraphicsScene::drawBackground(QPainter* painter, const QRectF&)
{
    const QPaintDevice* device = painter->device();
    painter->beginNativePainting();
    ImageDraw(QSize(device->width(), device->height()), device->devicePixelRatioF());
    painter->endNativePainting();

    for (int i = 0; i < m_count; ++i) {
        const QRect& rect = m_rects[i];
        const COverlayPainter::State state = COverlayPainter::stateOf(m_infos[i]);
        if (state != COverlayPainter::State::Picture)
            displayState(i, *painter, state);
        if (state == COverlayPainter::State::Picture || state == COverlayPainter::State::ConnectionFailed)
            displayOSD(i, *painter);
        if (!rect.isValid())
            continue;
        COverlayPainter::drawOutline(*painter, rect, Qt::white);
        if (i == m_selected) {
            COverlayPainter::drawSelection(*painter, rect);
            if (!m_zoomed && m_zoomRect.isValid())
                COverlayPainter::drawOutline(*painter, m_zoomRect, Qt::white);
        }
    }
}

void CGraphicsScene::resize(const QSize& size, qreal pixelRatio)
{
    glViewport(0, 0, GLsizei(size.width() * pixelRatio), GLsizei(size.height() * pixelRatio));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, size.width(), size.height(), 0, 1, -1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CGraphicsScene::ImageDraw(const QSize& surface, qreal pixelRatio)
{
    resize(surface, pixelRatio);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);

    for (int i = 0; i < m_count; ++i) {
        if (!showsPicture(i))
            continue;
        Texture& texture = m_textures[i];
        const QImage& picture = m_infos[i].image;
        if (m_mode == OPENGL_LOW_PERFORMANCE) {
            if (texture.stale)
                ConvertToGLImage(picture, &m_glImages[i]);
            if (texture.stale || !texture.name)
                uploadTexture(texture, m_glImages[i]);
        } else if (texture.stale || !texture.name) {
            uploadTexture(texture, picture);
        }
        glBindTexture(GL_TEXTURE_2D, texture.name);
        ImageDrawToOpenGL(i, picture.size(), texture.size);
    }

    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

void CGraphicsScene::uploadTexture(Texture& texture, const QImage& image)
{
    const QImage rgb = uploadable(image);
    if (!texture.name)
        glGenTextures(1, &texture.name);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    if (texture.size != rgb.size()) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgb.width(), rgb.height(), 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        texture.size = rgb.size();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, rgb.bytesPerLine() == rgb.width() * 3 ? 1 : 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, rgb.width(), rgb.height(), GL_RGB, GL_UNSIGNED_BYTE, rgb.constBits());
    texture.stale = false;
}

void CGraphicsScene::ImageDrawToOpenGL(int index, const QSize& pictureSize, const QSize& textureSize)
{
    const QRect& rect = m_rects[index];
    const float sMax = float(pictureSize.width()) / float(textureSize.width());
    const float tMax = float(pictureSize.height()) / float(textureSize.height());
    float s0 = 0.0f, t0 = 0.0f, s1 = sMax, t1 = tMax;
    const int tileWidth = rect.width();
    const int tileHeight = rect.height();
    if (m_zoomed && m_zoomRect.isValid() && tileWidth != 0 && tileHeight != 0) {
        s0 = float(m_zoomRect.left()) * sMax / float(tileWidth);
        s1 = float(m_zoomRect.right()) * sMax / float(tileWidth);
        t0 = float(m_zoomRect.top()) * tMax / float(tileHeight);
        t1 = float(m_zoomRect.bottom()) * tMax / float(tileHeight);
    }
    const float x1 = float(rect.left());
    const float y1 = float(rect.top());
    const float x2 = float(rect.right());
    const float y2 = float(rect.bottom());
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2f(x1, y1);
    glTexCoord2f(s1, t0);
    glVertex2f(x2, y1);
    glTexCoord2f(s1, t1);
    glVertex2f(x2, y2);
    glTexCoord2f(s0, t1);
    glVertex2f(x1, y2);
    glEnd();
}

void CGraphicsScene::displayState(int index, QPainter& painter, COverlayPainter::State state)
{
    if (m_rects[index].isNull())
        return;
    m_overlay.drawState(painter, m_rects[index], state);
}

void CGraphicsScene::displayOSD(int index, QPainter& painter)
{
    m_overlay.drawOSD(painter, m_rects[index], m_infos[index]);
}
