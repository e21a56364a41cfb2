#pragma once

#include "Display/CDisplayInfo.h"
#include "Display/COverlayPainter.h"
#include "Display/CPictureScaler.h"
#include "Display/CPictureUpload.h"
#include "Display/CWallOverlay.h"
#include "Display/OpenGLMode.h"

#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QRect>
#include <memory>
#include <optional>
#include <qopengl.h>
#include <vector>

class QOpenGLShaderProgram;

// The scene of the OpenGL wall: it draws every tile as its background, the
// pictures as textured quads in native OpenGL, then lays over them what the
// overlay shows (state images, on-screen display, tile borders, selection,
// zoom rubber band; see CWallOverlay). It also carries the digital-zoom
// selection and the tool tip of tiles whose connection failed. GUI thread
// only.
//
// Each tile showing a picture keeps its own texture, uploaded once per new
// picture, and only as much of the picture as the tile shows (see
// CPictureUpload); redraws that bring no new picture only draw. A tile
// without a picture keeps none, so the textures never outgrow the pictures
// on view. A grab (a snapshot) is drawn from whole pictures, its overlay
// painted straight on it.
// Planar YUV pictures go up as three one-byte planes and a fragment program
// turns them into colour, so neither the decoder nor the driver converts a
// whole picture; RGB images go up as they are.
//
// A picture that arrives while the tile's last one waits to be drawn waits
// for the next redraw instead of replacing it (a newer one replaces the one
// waiting), so a wall that redraws more often than its streams send draws
// every picture even when their times jitter; picturesWaiting asks for that
// redraw. getInfo gives the picture on the tile, not the one waiting.
//
// Textures and the program belong to the viewport's current context and are
// made again after the context is re-created.
class CGraphicsScene : public QGraphicsScene {
    Q_OBJECT

public:
    CGraphicsScene(OpenGLMode mode, int count);
    ~CGraphicsScene() override;

    int count() const { return m_count; }

    // Indexes outside 0 to count - 1 are ignored (setInfo, updateDisplayRect)
    // or read as an empty record and a null rectangle.
    void setInfo(int index, const CDisplayInfo& info);
    CDisplayInfo getInfo(int index) const;
    void clearInfo();
    void updateDisplayRect(int index, const QRect& rect);
    QRect getDisplayRect(int index) const;
    void setSelected(int index);
    int selected() const { return m_look.selected; }
    void setDisplaySettings(bool showNames, int recordMode, int eventMode);
    const COverlayPainter& overlay() const { return m_overlay; }
    const CWallOverlay& wallOverlay() const { return m_wallOverlay; }
    // The operator switched languages: what the tiles say is worded again.
    void languageChanged();
    // Between these the scene draws for a grab rather than the screen.
    void setDrawingGrab(bool grab) { m_drawingGrab = grab; }
    // What goes up of a tile's picture at the next upload.
    CPictureUpload uploadPlan(int index) const;

    void startZoom();
    void endZoom();
    void setZoomRect();
    QRect zoomRect() const { return m_zoomRect; }
    bool isZoomed() const { return m_zoomed; }

    // The status text of the first failed tile at the position, in the
    // language chosen now; empty when none.
    QString getToolTip(const QPoint& pos) const;

    // The working image size for a picture in the low-performance mode: the
    // smallest powers of two of at least 2 that hold it.
    static QSize glImageSize(const QSize& size);
    static void ConvertToGLImage(const QImage& source, QImage* target);

signals:
    // A redraw put waiting pictures on their tiles: they need one more.
    void picturesWaiting();

public slots:
    // A new context is current: the textures of the old one are gone.
    void initializeGL();
    // The context is current and about to go: release its textures.
    void releaseGL();

protected:
    // The application's font changed: the names are drawn in the new one.
    bool event(QEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    struct Texture {
        // One for an RGB image; luma and the two chroma planes of a planar
        // picture.
        GLuint names[3] = {};
        bool planar = false;
        // Of the texture holding the whole picture (the luma plane).
        QSize size;
        GLenum layout = 0;
        GLint minFilter = GL_LINEAR;
        GLint magFilter = GL_LINEAR;
        // The tile's picture changed since the last upload.
        bool stale = true;
        // What was planned to go up of it, and the rows it holds: one of
        // every rowStep of the picture's.
        CPictureUpload upload;
        int rowStep = 1;
        // It holds the picture shrunk to the tile on the decoding thread.
        bool tileImage = false;
    };

    bool isValidIndex(int index) const { return index >= 0 && index < m_count; }
    bool showsPicture(int index) const;
    // What the overlay shows changes only through these: the image is
    // painted again when, and only when, one of them changes something.
    template <typename Value> void changeLook(Value& shown, const Value& value);
    void updateTileLook(int index);
    void updateBand();
    // One to one mapping of scene pixels onto the surface, origin top left.
    void resize(const QSize& size, qreal pixelRatio);
    void ImageDraw(const QSize& surface, qreal pixelRatio);
    void drawImages();
    void drawPlanarPictures();
    // Black over the surface but for the parts pictures were drawn on.
    static void blackenAllBut(const QSize& surface, const QList<QRect>& pictures);
    void uploadTexture(Texture& texture, const QImage& image, const CPictureUpload& upload);
    void uploadPlanes(Texture& texture, const CVideoPicture& picture, const CPictureUpload& upload);
    static void releaseTexture(Texture& texture);
    bool drawsPlanar(int index) const;
    // The tile shows the picture its decoder shrank to its size.
    bool drawsTileImage(int index) const;
    void ImageDrawToOpenGL(int index, const QSize& pictureSize, const Texture& texture);
    // The part of a tile's picture the zoom shows, in picture pixels; null
    // when the whole picture shows.
    QRectF zoomedPart(int index, const QSize& pictureSize) const;
    QRect zoomSelection() const;
    void promoteWaitingPictures();

    const OpenGLMode m_mode;
    const int m_count;
    COverlayPainter m_overlay;
    CWallOverlay m_wallOverlay;
    // What the overlay shows now, kept as its inputs change.
    CWallOverlay::Look m_look;
    bool m_drawingGrab = false;
    QList<QRect> m_rects;
    QList<CDisplayInfo> m_infos;
    // At most one picture a tile, for the redraw after the next.
    std::vector<std::optional<CDisplayInfo>> m_waiting;
    QList<QImage> m_glImages;
    QList<Texture> m_textures;
    // Null where the context cannot run it: planar pictures are then
    // converted here before they go up.
    std::unique_ptr<QOpenGLShaderProgram> m_yuvProgram;
    // Draws RGB pictures where the context runs it, the fixed-function
    // pipeline otherwise.
    std::unique_ptr<QOpenGLShaderProgram> m_rgbProgram;
    // Where this redraw drew pictures: the rest of the surface is black.
    QList<QRect> m_pictureAreas;
    // Looked up once per program rather than by name for every tile drawn.
    int m_fullRangeUniform = -1;
    CPictureScaler m_converter;
    QRect m_zoomRect{-1, -1, -1, -1};
    bool m_zoomed = false;
    bool m_zoomMode = false;
    QPointF m_pressPoint;
    QPointF m_currentPoint;
    bool m_pressing = false;
};
