#include "Display/CGraphicsScene.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
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

// The fixed-function pipeline draws with the current matrices; the texture
// coordinates go through as given.
const char* const YUV_VERTEX_SHADER = R"(
varying vec2 position;
void main()
{
    gl_Position = ftransform();
    position = gl_MultiTexCoord0.st;
}
)";

// ITU-R BT.601, as libswscale converts by default, in the studio range
// unless the picture says otherwise.
const char* const YUV_FRAGMENT_SHADER = R"(
uniform sampler2D luma;
uniform sampler2D blue;
uniform sampler2D red;
uniform float fullRange;
varying vec2 position;
void main()
{
    float y = texture2D(luma, position).r;
    float u = texture2D(blue, position).r - 0.5;
    float v = texture2D(red, position).r - 0.5;
    if (fullRange < 0.5) {
        y = (y - 16.0 / 255.0) * (255.0 / 219.0);
        u = u * (255.0 / 224.0);
        v = v * (255.0 / 224.0);
    }
    gl_FragColor = vec4(y + 1.402 * v, y - 0.344136 * u - 0.714136 * v, y + 1.772 * u, 1.0);
}
)";

std::unique_ptr<QOpenGLShaderProgram> makeYuvProgram()
{
    auto program = std::make_unique<QOpenGLShaderProgram>();
    if (!program->addShaderFromSourceCode(QOpenGLShader::Vertex, YUV_VERTEX_SHADER)
        || !program->addShaderFromSourceCode(QOpenGLShader::Fragment, YUV_FRAGMENT_SHADER) || !program->link()
        || !program->bind())
        return nullptr;
    program->setUniformValue("luma", 0);
    program->setUniformValue("blue", 1);
    program->setUniformValue("red", 2);
    program->release();
    return program;
}

void setTextureParameters()
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

bool isBgra(const QImage& image)
{
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        && (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32);
}

// Rows as OpenGL reads them: 32-bit pixels as they are (the driver takes
// blue-first pixels without converting them), anything else as RGB888
// padded to 4 bytes (the default unpack alignment) or packed back to back.
QImage uploadable(const QImage& image)
{
    if (isBgra(image))
        return image;
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
    , m_waiting(std::size_t(m_count))
    , m_glImages(mode == OPENGL_LOW_PERFORMANCE ? m_count : 0)
    , m_textures(m_count)
{
}

CGraphicsScene::~CGraphicsScene() = default;

void CGraphicsScene::setInfo(int index, const CDisplayInfo& info)
{
    if (!isValidIndex(index))
        return;
    const bool picture = info.hasPicture() && COverlayPainter::stateOf(info) == COverlayPainter::State::Picture;
    if (picture && showsPicture(index) && m_textures[index].stale) {
        m_waiting[std::size_t(index)] = info;
        return;
    }
    m_waiting[std::size_t(index)].reset();
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
        m_waiting[std::size_t(i)].reset();
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
            return m_infos[i].statusText();
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
    m_yuvProgram = makeYuvProgram();
    m_fullRangeUniform = m_yuvProgram ? m_yuvProgram->uniformLocation("fullRange") : -1;
}

void CGraphicsScene::releaseGL()
{
    for (Texture& texture : m_textures)
        releaseTexture(texture);
    m_yuvProgram.reset();
}

void CGraphicsScene::releaseTexture(Texture& texture)
{
    glDeleteTextures(texture.planar ? 3 : 1, texture.names);
    texture = Texture();
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
    return info.hasPicture() && rect.isValid() && !rect.isNull()
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
    promoteWaitingPictures();
}

void CGraphicsScene::promoteWaitingPictures()
{
    bool promoted = false;
    for (int i = 0; i < m_count; ++i) {
        std::optional<CDisplayInfo>& waiting = m_waiting[std::size_t(i)];
        if (!waiting)
            continue;
        m_infos[i] = *waiting;
        m_textures[i].stale = true;
        waiting.reset();
        promoted = true;
    }
    if (promoted)
        emit picturesWaiting();
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

    // A tile without a picture keeps no texture (nor its converted image):
    // an idle wall holds none.
    for (int i = 0; i < m_count; ++i) {
        if (showsPicture(i))
            continue;
        if (m_textures[i].names[0])
            releaseTexture(m_textures[i]);
        if (i < m_glImages.size())
            m_glImages[i] = QImage();
    }
    drawImages();
    if (m_yuvProgram)
        drawPlanarPictures();

    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

bool CGraphicsScene::drawsPlanar(int index) const
{
    return m_yuvProgram && !m_infos[index].picture.isNull();
}

void CGraphicsScene::drawImages()
{
    for (int i = 0; i < m_count; ++i) {
        if (!showsPicture(i) || drawsPlanar(i))
            continue;
        const CDisplayInfo& info = m_infos[i];
        const QSize pictureSize = info.pictureSize();
        Texture& texture = m_textures[i];
        if (texture.stale || !texture.names[0] || texture.planar) {
            // A planar picture without the program to show it is converted
            // here, the one case where the GUI thread converts pictures.
            QImage picture = !info.image.isNull()
                ? info.image
                : m_converter.scaled(info, QRect(QPoint(0, 0), pictureSize), pictureSize);
            if (picture.isNull())
                continue;
            if (m_mode == OPENGL_LOW_PERFORMANCE) {
                ConvertToGLImage(picture, &m_glImages[i]);
                picture = m_glImages[i];
            }
            uploadTexture(texture, picture);
        }
        glBindTexture(GL_TEXTURE_2D, texture.names[0]);
        ImageDrawToOpenGL(i, pictureSize, texture.size);
    }
}

void CGraphicsScene::drawPlanarPictures()
{
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    m_yuvProgram->bind();
    for (int i = 0; i < m_count; ++i) {
        if (!showsPicture(i) || !drawsPlanar(i))
            continue;
        const CVideoPicture& picture = m_infos[i].picture;
        Texture& texture = m_textures[i];
        if (texture.stale || !texture.planar)
            uploadPlanes(texture, picture);
        m_yuvProgram->setUniformValue(m_fullRangeUniform, picture.isFullRange() ? 1.0f : 0.0f);
        // Shrunk three times or more, bilinear filtering no longer averages
        // what a screen pixel covers, yet costs a software rasteriser a third
        // more than taking the nearest sample. Unzoomed, every plane is then
        // shrunk everywhere, so the magnifying filter never applies; making it
        // the same spares the rasteriser choosing a filter per pixel.
        const GLint minFilter = picture.width() >= 3 * m_rects[i].width() ? GL_NEAREST : GL_LINEAR;
        const GLint magFilter = minFilter == GL_NEAREST && !isZoomed() ? GL_NEAREST : GL_LINEAR;
        for (int plane = 2; plane >= 0; --plane) {
            gl->glActiveTexture(GL_TEXTURE0 + plane);
            glBindTexture(GL_TEXTURE_2D, texture.names[plane]);
            if (texture.minFilter != minFilter)
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
            if (texture.magFilter != magFilter)
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
        }
        texture.minFilter = minFilter;
        texture.magFilter = magFilter;
        ImageDrawToOpenGL(i, QSize(picture.width(), picture.height()), texture.size);
    }
    m_yuvProgram->release();
    for (int plane = 2; plane >= 1; --plane) {
        gl->glActiveTexture(GL_TEXTURE0 + plane);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    gl->glActiveTexture(GL_TEXTURE0);
}

void CGraphicsScene::uploadTexture(Texture& texture, const QImage& image)
{
    const QImage rgb = uploadable(image);
    const bool bgra = isBgra(rgb);
    if (texture.planar)
        releaseTexture(texture);
    if (!texture.names[0])
        glGenTextures(1, texture.names);
    glBindTexture(GL_TEXTURE_2D, texture.names[0]);
    const GLenum layout = bgra ? GL_BGRA : GL_RGB;
    if (texture.size != rgb.size() || texture.layout != layout) {
        setTextureParameters();
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgb.width(), rgb.height(), 0, layout, GL_UNSIGNED_BYTE, nullptr);
        texture.size = rgb.size();
        texture.layout = layout;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, bgra || rgb.bytesPerLine() != rgb.width() * 3 ? 4 : 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, rgb.width(), rgb.height(), layout, GL_UNSIGNED_BYTE, rgb.constBits());
    texture.stale = false;
}

void CGraphicsScene::uploadPlanes(Texture& texture, const CVideoPicture& picture)
{
    const QSize size(picture.width(), picture.height());
    const QSize textureSize = m_mode == OPENGL_LOW_PERFORMANCE ? glImageSize(size) : size;
    // Chroma planes cover two by two pixels, rounded up.
    const auto chroma = [](const QSize& luma) { return QSize((luma.width() + 1) / 2, (luma.height() + 1) / 2); };
    if (!texture.planar || texture.size != textureSize) {
        releaseTexture(texture);
        glGenTextures(3, texture.names);
        for (int plane = 0; plane < 3; ++plane) {
            const QSize planeSize = plane == 0 ? textureSize : chroma(textureSize);
            glBindTexture(GL_TEXTURE_2D, texture.names[plane]);
            setTextureParameters();
            glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, planeSize.width(), planeSize.height(), 0, GL_LUMINANCE,
                GL_UNSIGNED_BYTE, nullptr);
        }
        texture.planar = true;
        texture.size = textureSize;
        texture.layout = GL_LUMINANCE;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int plane = 0; plane < 3; ++plane) {
        const QSize part = plane == 0 ? size : chroma(size);
        glBindTexture(GL_TEXTURE_2D, texture.names[plane]);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, picture.stride(plane));
        glTexSubImage2D(
            GL_TEXTURE_2D, 0, 0, 0, part.width(), part.height(), GL_LUMINANCE, GL_UNSIGNED_BYTE, picture.data(plane));
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
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
