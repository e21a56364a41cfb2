#pragma once

#include <QPixmap>

class CDisplayInfo;
class QPainter;
class QColor;
class QRect;

// Draws what the screen wall lays over a tile, the same way in both of its
// renderings: the state images (connection failed, no authority, video loss)
// and the on-screen display (names, record, motion and sensor marks) by the
// operator's OSD settings. Tile rectangles are corner-inclusive.
class COverlayPainter {
public:
    enum class State {
        Picture,
        ConnectionFailed,
        NoAuthority,
        VideoLoss,
    };

    COverlayPainter();

    // OsdChName, OsdRecord and OsdEvent: modes 0 nothing, 1 icons, 2 outlines.
    void setDisplaySettings(bool showNames, int recordMode, int eventMode);
    bool showNames() const { return m_showNames; }
    int recordMode() const { return m_recordMode; }
    int eventMode() const { return m_eventMode; }

    // What a record shows: a status text beats missing authority, which
    // beats video loss.
    static State stateOf(const CDisplayInfo& info);
    const QPixmap& stateImage(State state) const;

    // Blacks the tile's inside out and centres the state's image on it.
    void drawState(QPainter& painter, const QRect& tile, State state) const;
    void drawOSD(QPainter& painter, const QRect& tile, const CDisplayInfo& info) const;

    // A frame whose outer edge runs through exactly the given corner pixels,
    // `thickness` pixels wide inwards. Filled rather than stroked, so that
    // every paint engine (raster for the labels, OpenGL for the scene) puts
    // it on the same pixels and no pixel is painted twice.
    static void drawOutline(QPainter& painter, const QRect& rect, const QColor& colour, int thickness = 1);
    // The yellow frame of the selected tile: two pixels wide, just inside
    // the tile's border.
    static void drawSelection(QPainter& painter, const QRect& tile);

private:
    QPixmap m_connectionFailed;
    QPixmap m_noAuthority;
    QPixmap m_videoLoss;
    QPixmap m_recordIcon;
    QPixmap m_motionIcon;
    QPixmap m_sensorIcon;
    bool m_showNames = true;
    int m_recordMode = 1;
    int m_eventMode = 1;
};
