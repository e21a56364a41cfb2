#pragma once

#include "Common/CWholeFileWriter.h"
#include "Display/CDisplayInfo.h"
#include "Display/CaptureFileFormat.h"
#include "Display/OpenGLMode.h"

#include <QElapsedTimer>
#include <QList>
#include <QRect>
#include <QTimer>
#include <memory>

class CGLWidget;
class CGraphicsScene;
class CGraphicsView;
class CScreenWidget;
class CWaitWidget;
class QObject;
class QPoint;
class QSize;
class QWidget;

// The screen wall: the surface on which the records of up to 64 tiles are
// shown, drawn either by one OpenGL view of a scene of all tiles or by one
// label per tile. The rendering and the tile count are fixed at construction.
// The OpenGL wall redraws for new pictures at most kMaxRedrawsPerSecond times
// a second: the pictures that arrive within one interval share a redraw.
// Tiles forward their double clicks to the parent's slot
// mouseDoubleClicked(QMouseEvent*) when it has one. What a tile shows of a
// failure is worded when the tile is drawn, and the wall draws again when
// its parent hears that the operator switched languages (languageChanged).
// GUI thread only.
class CScreen {
public:
    static constexpr int kMaxRedrawsPerSecond = 30;

    CScreen(QWidget* parent, OpenGLMode mode, int count);
    ~CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    // Call before the application object exists: the OpenGL wall draws with
    // the fixed-function pipeline, which needs a compatibility profile; a
    // software rasteriser is given SOFTWARE_RASTER_THREADS threads unless its
    // variable is set already.
    static void prepareOpenGL();
    static constexpr const char* SOFTWARE_RASTER_THREADS_VARIABLE = "LP_NUM_THREADS";
    static constexpr int SOFTWARE_RASTER_THREADS = 2;
    // Whether OpenGL can draw the wall on this machine: a context of the
    // default format can be made current and offers the fixed-function
    // pipeline. The argument is not used.
    static bool initOpengl(int screens);

    OpenGLMode mode() const { return m_mode; }
    int count() const { return m_count; }

    // Tile indexes outside 0 to count - 1 are ignored, or read as an empty
    // record and a null rectangle.
    void setInfo(int index, const CDisplayInfo& info);
    CDisplayInfo getInfo(int index) const;
    void updateDisplayRect(int index, const QRect& rect);
    QRect getDisplayRect(int index) const;
    void clear();
    void setSelected(int index);
    void setDisplaySettings(bool showNames, int recordMode, int eventMode);
    void resize(const QSize& size);
    void move(const QPoint& pos);
    // Lays a widget over the wall; a widget wall must have exactly one tile.
    void addWidget(QWidget* widget);
    void startZoom(int index);
    void endZoom();
    // OpenGL renderings: saves what the wall shows as JPEG (format 0) or PNG,
    // whole or not at all, as the snapshot writer has it (reason: why not,
    // or why not confirmed, when known). The widget rendering saves nothing
    // (the caller grabs the widgets).
    CWholeFileWriter::Result saveCaptureImage(
        const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason = nullptr);
    void showWaitWidget(QWidget* widget, bool show);
    // The operator switched languages: every tile is drawn again, also on a
    // wall whose pictures stand still, so that its texts read in the new
    // language. Called when the parent hears of the switch.
    void languageChanged();
    // The OpenGL wall's least time between two redraws for new pictures
    // (1000 / kMaxRedrawsPerSecond ms unless set); 0 redraws for each.
    void setRedrawInterval(int milliseconds) { m_redrawIntervalMs = qMax(0, milliseconds); }

    // The parts, for the controller's event handling and for tests.
    CGraphicsView* view() const { return m_view; }
    CGLWidget* glWidget() const { return m_glWidget; }
    CGraphicsScene* scene() const { return m_scene; }
    const QList<CScreenWidget*>& screenWidgets() const { return m_screenWidgets; }
    CWaitWidget* waitWidget() const { return m_waitWidget; }

private:
    bool isValidIndex(int index) const { return index >= 0 && index < m_count; }
    void centreWaitWidget();
    void requestRedraw();
    // A redraw for new pictures: now, or once the interval since the last
    // one has passed.
    void requestPictureRedraw();

    const OpenGLMode m_mode;
    const int m_count;
    QWidget* m_parent;
    CGraphicsView* m_view = nullptr;
    CGLWidget* m_glWidget = nullptr;
    CGraphicsScene* m_scene = nullptr;
    QList<CScreenWidget*> m_screenWidgets;
    CWaitWidget* m_waitWidget = nullptr;
    QTimer m_redrawTimer;
    QElapsedTimer m_sinceRedraw;
    int m_redrawIntervalMs = 1000 / kMaxRedrawsPerSecond;
    // Listens to the parent for the switch of languages; goes with the wall.
    std::unique_ptr<QObject> m_languageWatch;
};
