#pragma once

#include "Display/CDisplayInfo.h"
#include "Display/COverlayPainter.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <qopengl.h>
#include <vector>

class QPainter;

// What the OpenGL wall lays over its pictures: the state images, the
// on-screen display, the tile borders, the selection and the zoom band.
// Painting it with the toolkit's painter through OpenGL cost as much as a
// redraw's pictures, at every redraw, while it changes a few times a
// minute; so it is painted into an image only when what it shows changes
// (a name, a flag, a state, the selection, the band, the settings, the
// layout, the size, the wording of the language) and laid over every redraw
// as one blended texture, only where it holds something (blending the whole
// surface cost the software rasteriser more than the painting it spared).
// Its owner keeps the look as its inputs change and says so (invalidate):
// a redraw neither takes nor compares the look again. GUI thread only; the
// texture belongs to the context current while drawing and is made again
// after releaseGL.
class CWallOverlay {
public:
    // What one tile shows of the overlay.
    struct Tile {
        QRect rect;
        COverlayPainter::State state = COverlayPainter::State::Picture;
        bool osd = false;
        // What the on-screen display names and marks: the record's channel,
        // names and flags, nothing of its picture.
        CDisplayInfo shown;
        bool operator==(const Tile& other) const;
    };

    // Everything the overlay is drawn from.
    struct Look {
        QSize surface;
        qreal pixelRatio = 1;
        QList<Tile> tiles;
        int selected = -1;
        // The rubber band, drawn while a zoom is being chosen; invalid when none.
        QRect band{-1, -1, -1, -1};
        bool showNames = true;
        int recordMode = 1;
        int eventMode = 1;
        // The font the names are drawn in.
        QString font;
    };

    static Tile tileOf(const QRect& rect, const CDisplayInfo& info);
    // The one way the overlay is painted: into the cached image, and straight
    // onto a grab.
    static void paint(QPainter& painter, const Look& look, const COverlayPainter& images);

    // The look changed: the image is painted again before it is next laid over.
    void invalidate() { m_valid = false; }
    // Paints the image, unless it was painted and not invalidated since: the
    // surface's size in device pixels, at its pixel ratio, so that on a
    // high-density screen the overlay covers the whole surface and its text
    // stays sharp.
    void render(const Look& look, const COverlayPainter& images);
    // With OpenGL current and the wall's projection set: renders, uploads
    // the image when it is new, and blends it over the whole surface.
    void draw(const Look& look, const COverlayPainter& images);
    // The context goes: its texture with it.
    void releaseGL();
    // The context is new: the texture of the old one is gone.
    void forgetGL();

    // How often the image was painted, for those who check that an unchanged
    // look costs nothing.
    int paints() const { return m_paints; }
    const QImage& image() const { return m_image; }
    // The parts of the image laid over the pictures, in image pixels: every
    // pixel that is not wholly transparent lies in one of them.
    const QList<QRect>& covered() const { return m_covered; }

    // The rectangles, of blocks of `block` pixels, that hold every pixel of
    // the image that is not wholly transparent; blocks side by side and runs
    // of the same width one under the other are joined.
    static QList<QRect> coveredParts(const QImage& image, int block);

private:
    void placeCovered();
    void layOver() const;

    QImage m_image;
    QList<QRect> m_covered;
    // The corners of the covered parts on the surface and in the texture,
    // made with the image and laid over at every redraw.
    std::vector<GLfloat> m_vertices;
    std::vector<GLfloat> m_texels;
    bool m_valid = false;
    int m_paints = 0;
    GLuint m_texture = 0;
    bool m_uploaded = false;
};
