#pragma once

#include "Display/CDisplayInfo.h"
#include "Display/COverlayPainter.h"
#include "Display/CPictureScaler.h"

#include <QLabel>
#include <QPoint>
#include <QRect>

// One tile of the screen wall when OpenGL is off: a label that composes its
// whole picture (the record's image, selection frame, border, state image or
// on-screen display, zoom rubber band) into a pixmap whenever something
// changes, and carries its own digital-zoom selection. GUI thread only.
class CScreenWidget : public QLabel {
    Q_OBJECT

public:
    explicit CScreenWidget(QWidget* parent = nullptr);

    void clear();
    void setInfo(const CDisplayInfo& info);
    const CDisplayInfo& getInfo() const { return m_info; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setDisplaySettings(bool showNames, int recordMode, int eventMode);
    const COverlayPainter& overlay() const { return m_overlay; }
    // Composes the tile again, its tool tip worded in the language chosen now.
    void languageChanged() { updatePixmap(); }

    void startZoom();
    void endZoom();
    void setZoomRect();
    QRect zoomRect() const { return m_zoomRect; }
    bool isZoomed() const { return m_zoomed; }

    // The part of the picture shown: all of it, or the zoom rectangle mapped
    // from label to image pixels.
    QRect sourceRect() const;

signals:
    void doubleClicked(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updatePixmap();
    void displayState(QPainter& painter, COverlayPainter::State state);
    void displayOSD(QPainter& painter);
    bool zoomActive() const { return m_zoomMode && m_selected; }

    CDisplayInfo m_info;
    COverlayPainter m_overlay;
    CPictureScaler m_scaler;
    QRect m_zoomRect{-1, -1, -1, -1};
    bool m_zoomed = false;
    bool m_zoomMode = false;
    bool m_selected = false;
    QPoint m_pressPoint;
    QPoint m_currentPoint;
    bool m_pressing = false;
};
