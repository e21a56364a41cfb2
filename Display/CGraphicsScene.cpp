#include "Display/CGraphicsScene.h"

#include <QDebug>
#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QPaintDevice>
#include <QPainter>
#include <QRegion>
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
const char* const VERTEX_SHADER = R"(
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

// What the fixed-function pipeline does with a replacing texture, which a
// software renderer runs at about half the cost of its own.
const char* const RGB_FRAGMENT_SHADER = R"(
uniform sampler2D picture;
varying vec2 position;
void main()
{
    gl_FragColor = texture2D(picture, position);
}
)";

// Null when the context cannot run it. The samplers are set, in order, to
// texture units 0, 1, ...
std::unique_ptr<QOpenGLShaderProgram> makeProgram(
    const char* fragmentShader, std::initializer_list<const char*> samplers)
{
    auto program = std::make_unique<QOpenGLShaderProgram>();
    if (!program->addShaderFromSourceCode(QOpenGLShader::Vertex, VERTEX_SHADER)
        || !program->addShaderFromSourceCode(QOpenGLShader::Fragment, fragmentShader) || !program->link()
        || !program->bind())
        return nullptr;
    int unit = 0;
    for (const char* sampler : samplers)
        program->setUniformValue(sampler, unit++);
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
    m_look.tiles.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        m_look.tiles.append(CWallOverlay::tileOf(m_rects[i], m_infos[i]));
    // The first tile is selected until told otherwise.
    m_look.selected = 0;
    m_look.showNames = m_overlay.showNames();
    m_look.recordMode = m_overlay.recordMode();
    m_look.eventMode = m_overlay.eventMode();
    m_look.font = QFont().key();
}

template <typename Value> void CGraphicsScene::changeLook(Value& shown, const Value& value)
{
    if (shown == value)
        return;
    shown = value;
    m_wallOverlay.invalidate();
}

void CGraphicsScene::updateTileLook(int index)
{
    changeLook(m_look.tiles[index], CWallOverlay::tileOf(m_rects[index], m_infos[index]));
}

void CGraphicsScene::updateBand()
{
    changeLook(m_look.band, !m_zoomed && m_zoomRect.isValid() ? m_zoomRect : NO_ZOOM);
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
    updateTileLook(index);
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
        updateTileLook(i);
    }
}

void CGraphicsScene::updateDisplayRect(int index, const QRect& rect)
{
    if (!isValidIndex(index))
        return;
    m_rects[index] = rect;
    updateTileLook(index);
}

QRect CGraphicsScene::getDisplayRect(int index) const
{
    return isValidIndex(index) ? m_rects[index] : QRect();
}

void CGraphicsScene::setSelected(int index)
{
    changeLook(m_look.selected, index);
}

void CGraphicsScene::setDisplaySettings(bool showNames, int recordMode, int eventMode)
{
    m_overlay.setDisplaySettings(showNames, recordMode, eventMode);
    changeLook(m_look.showNames, showNames);
    changeLook(m_look.recordMode, recordMode);
    changeLook(m_look.eventMode, eventMode);
}

void CGraphicsScene::languageChanged()
{
    for (int i = 0; i < m_count; ++i)
        updateTileLook(i);
}

bool CGraphicsScene::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        changeLook(m_look.font, QFont().key());
    return QGraphicsScene::event(event);
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
    updateBand();
}

QRect CGraphicsScene::zoomSelection() const
{
    const QPoint topLeft(
        int(qMin(m_pressPoint.x(), m_currentPoint.x())), int(qMin(m_pressPoint.y(), m_currentPoint.y())));
    const QPoint bottomRight(
        int(qMax(m_pressPoint.x(), m_currentPoint.x())), int(qMax(m_pressPoint.y(), m_currentPoint.y())));
    return QRect(topLeft, bottomRight) & getDisplayRect(m_look.selected);
}

void CGraphicsScene::setZoomRect()
{
    m_zoomRect = zoomSelection();
    updateBand();
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
    m_wallOverlay.forgetGL();
    m_yuvProgram = makeProgram(YUV_FRAGMENT_SHADER, {"luma", "blue", "red"});
    m_rgbProgram = makeProgram(RGB_FRAGMENT_SHADER, {"picture"});
    m_fullRangeUniform = m_yuvProgram ? m_yuvProgram->uniformLocation("fullRange") : -1;
}

void CGraphicsScene::releaseGL()
{
    for (Texture& texture : m_textures)
        releaseTexture(texture);
    m_wallOverlay.releaseGL();
    m_yuvProgram.reset();
    m_rgbProgram.reset();
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
        updateBand();
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
        updateBand();
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
    const qreal pixelRatio = device->devicePixelRatioF();
    // The screen's painter is the viewport's, which measures in its own
    // units; a grab's is its buffer's, which measures in device pixels.
    QSize surface(device->width(), device->height());
    if (device->devType() != QInternal::Widget)
        surface = (QSizeF(surface) / pixelRatio).toSize();
    painter->beginNativePainting();
    ImageDraw(surface, pixelRatio);
    if (!m_drawingGrab) {
        changeLook(m_look.surface, surface);
        changeLook(m_look.pixelRatio, pixelRatio);
        m_wallOverlay.draw(m_look, m_overlay);
    }
    painter->endNativePainting();
    if (m_drawingGrab)
        CWallOverlay::paint(*painter, m_look, m_overlay);
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
        updateTileLook(i);
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
    glClear(GL_DEPTH_BUFFER_BIT);
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
    m_pictureAreas.clear();
    drawImages();
    if (m_yuvProgram)
        drawPlanarPictures();

    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    blackenAllBut(surface, m_pictureAreas);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

bool CGraphicsScene::drawsPlanar(int index) const
{
    return m_yuvProgram && !m_infos[index].picture.isNull() && !drawsTileImage(index);
}

bool CGraphicsScene::drawsTileImage(int index) const
{
    // Zoomed, the tile shows a part of the whole picture; a grab is drawn
    // from whole pictures; a tile laid out anew waits for its size.
    const QImage& image = m_infos[index].tileImage;
    return !image.isNull() && image.size() == m_rects[index].size() && !m_drawingGrab
        && !(m_zoomed && m_zoomRect.isValid());
}

void CGraphicsScene::blackenAllBut(const QSize& surface, const QList<QRect>& pictures)
{
    // Clearing the whole surface before the pictures cover it costs a
    // software renderer a pass over every pixel; the lines between tiles and
    // the tiles without a picture are a small part of it.
    QRegion black(QRect(QPoint(0, 0), surface));
    for (const QRect& picture : pictures)
        black -= picture;
    if (black.isEmpty())
        return;
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    for (const QRect& part : black)
        glRecti(part.left(), part.top(), part.left() + part.width(), part.top() + part.height());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CGraphicsScene::drawImages()
{
    if (m_rgbProgram)
        m_rgbProgram->bind();
    for (int i = 0; i < m_count; ++i) {
        if (!showsPicture(i) || drawsPlanar(i))
            continue;
        const CDisplayInfo& info = m_infos[i];
        const bool tileImage = drawsTileImage(i);
        const QSize pictureSize = tileImage ? info.tileImage.size() : info.pictureSize();
        Texture& texture = m_textures[i];
        const CPictureUpload upload = tileImage ? CPictureUpload::plan(pictureSize, {}, {}, true) : uploadPlan(i);
        if (texture.stale || !texture.names[0] || texture.planar || texture.upload != upload
            || texture.tileImage != tileImage) {
            // A planar picture without the program to show it is converted
            // here, the one case where the GUI thread converts pictures.
            QImage picture = tileImage ? info.tileImage
                : !info.image.isNull() ? info.image
                                       : m_converter.scaled(info, QRect(QPoint(0, 0), pictureSize), pictureSize);
            if (picture.isNull())
                continue;
            if (m_mode == OPENGL_LOW_PERFORMANCE) {
                ConvertToGLImage(picture, &m_glImages[i]);
                picture = m_glImages[i];
            }
            uploadTexture(texture, picture, upload);
            texture.tileImage = tileImage;
        }
        glBindTexture(GL_TEXTURE_2D, texture.names[0]);
        // A picture made at the tile's size is copied, pixel for pixel.
        const GLint filter = tileImage ? GL_NEAREST : GL_LINEAR;
        if (texture.minFilter != filter || texture.magFilter != filter) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
            texture.minFilter = filter;
            texture.magFilter = filter;
        }
        ImageDrawToOpenGL(i, pictureSize, texture);
    }
    if (m_rgbProgram)
        m_rgbProgram->release();
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
        const CPictureUpload upload = uploadPlan(i);
        if (texture.stale || !texture.planar || texture.upload != upload)
            uploadPlanes(texture, picture, upload);
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
        ImageDrawToOpenGL(i, QSize(picture.width(), picture.height()), texture);
    }
    m_yuvProgram->release();
    for (int plane = 2; plane >= 1; --plane) {
        gl->glActiveTexture(GL_TEXTURE0 + plane);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    gl->glActiveTexture(GL_TEXTURE0);
}

CPictureUpload CGraphicsScene::uploadPlan(int index) const
{
    if (!isValidIndex(index))
        return {};
    const QSize picture = m_infos[index].pictureSize();
    return CPictureUpload::plan(picture, m_rects[index].size(), zoomedPart(index, picture), m_drawingGrab);
}

QRectF CGraphicsScene::zoomedPart(int index, const QSize& pictureSize) const
{
    const QRect& rect = m_rects[index];
    if (!m_zoomed || !m_zoomRect.isValid() || rect.width() == 0 || rect.height() == 0)
        return QRectF();
    const qreal x = qreal(pictureSize.width()) / rect.width();
    const qreal y = qreal(pictureSize.height()) / rect.height();
    return QRectF(
        QPointF(m_zoomRect.left() * x, m_zoomRect.top() * y), QPointF(m_zoomRect.right() * x, m_zoomRect.bottom() * y));
}

void CGraphicsScene::uploadTexture(Texture& texture, const QImage& image, const CPictureUpload& upload)
{
    const QImage rgb = uploadable(image);
    const bool bgra = isBgra(rgb);
    const int pixelBytes = bgra ? 4 : 3;
    // Rows padded to other than whole pixels cannot be stepped over.
    const CPictureUpload done
        = rgb.bytesPerLine() % pixelBytes == 0 ? upload : CPictureUpload::plan(rgb.size(), {}, {}, true);
    if (texture.planar)
        releaseTexture(texture);
    if (!texture.names[0])
        glGenTextures(1, texture.names);
    glBindTexture(GL_TEXTURE_2D, texture.names[0]);
    const GLenum layout = bgra ? GL_BGRA : GL_RGB;
    const QSize size(rgb.width(), done.textureRows(rgb.height()));
    if (texture.size != size || texture.layout != layout) {
        setTextureParameters();
        texture.minFilter = GL_LINEAR;
        texture.magFilter = GL_LINEAR;
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size.width(), size.height(), 0, layout, GL_UNSIGNED_BYTE, nullptr);
        texture.size = size;
        texture.layout = layout;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, GLint(rgb.bytesPerLine() / pixelBytes * done.rowStep));
    if (done.rowStep > 1) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size.width(), size.height(), layout, GL_UNSIGNED_BYTE, rgb.constBits());
    } else {
        const QRect part = done.source & rgb.rect();
        glTexSubImage2D(GL_TEXTURE_2D, 0, part.x(), part.y(), part.width(), part.height(), layout, GL_UNSIGNED_BYTE,
            rgb.constScanLine(part.y()) + part.x() * pixelBytes);
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    texture.rowStep = done.rowStep;
    texture.upload = upload;
    texture.stale = false;
}

void CGraphicsScene::uploadPlanes(Texture& texture, const CVideoPicture& picture, const CPictureUpload& upload)
{
    const QSize size(picture.width(), picture.height());
    const QSize stored(size.width(), upload.textureRows(size.height()));
    const QSize textureSize = m_mode == OPENGL_LOW_PERFORMANCE ? glImageSize(stored) : stored;
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
        const QSize whole = plane == 0 ? size : chroma(size);
        const int shift = plane == 0 ? 0 : 1;
        const int stride = picture.stride(plane);
        const uint8_t* data = picture.data(plane);
        glBindTexture(GL_TEXTURE_2D, texture.names[plane]);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, stride * upload.rowStep);
        if (upload.rowStep > 1) {
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, whole.width(), upload.textureRows(whole.height()), GL_LUMINANCE,
                GL_UNSIGNED_BYTE, data);
            continue;
        }
        const QRect& source = upload.source;
        const QRect part = QRect(QPoint(source.left() >> shift, source.top() >> shift),
                               QPoint(source.right() >> shift, source.bottom() >> shift))
            & QRect(QPoint(0, 0), whole);
        glTexSubImage2D(GL_TEXTURE_2D, 0, part.x(), part.y(), part.width(), part.height(), GL_LUMINANCE,
            GL_UNSIGNED_BYTE, data + std::ptrdiff_t(part.y()) * stride + part.x());
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    texture.rowStep = upload.rowStep;
    texture.upload = upload;
    texture.stale = false;
}

void CGraphicsScene::ImageDrawToOpenGL(int index, const QSize& pictureSize, const Texture& texture)
{
    const QRect& rect = m_rects[index];
    const float sMax = float(pictureSize.width()) / float(texture.size.width());
    const float tMax = float(pictureSize.height()) / float(texture.rowStep * texture.size.height());
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
    // The quad stops short of the tile's last column and row: they are the
    // line to the next tile.
    m_pictureAreas.append(rect.adjusted(0, 0, -1, -1));
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
