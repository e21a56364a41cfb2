#include "Display/CWallOverlay.h"

#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
// The overlay is laid over blocks of this many pixels each way that hold
// anything: thin lines cost a strip of blocks, not the surface.
const int COVERED_BLOCK = 4;
} // namespace

bool CWallOverlay::Tile::operator==(const Tile& other) const
{
    return rect == other.rect && state == other.state && osd == other.osd && shown == other.shown;
}

CWallOverlay::Tile CWallOverlay::tileOf(const QRect& rect, const CDisplayInfo& info)
{
    Tile tile;
    tile.rect = rect;
    tile.state = COverlayPainter::stateOf(info);
    // A failed connection names itself over its state image.
    tile.osd = tile.state == COverlayPainter::State::Picture || tile.state == COverlayPainter::State::ConnectionFailed;
    if (tile.osd) {
        tile.shown.channel = info.channel;
        // Worded as the look is taken: a switch of languages changes it.
        tile.shown.name = info.shownName();
        tile.shown.title = info.title;
        tile.shown.record = info.record;
        tile.shown.motion = info.motion;
        tile.shown.sensor = info.sensor;
    }
    return tile;
}

void CWallOverlay::paint(QPainter& painter, const Look& look, const COverlayPainter& images)
{
    // Drawn with the painter's own settings, so a look holds all it shows.
    COverlayPainter overlay = images;
    overlay.setDisplaySettings(look.showNames, look.recordMode, look.eventMode);
    for (int i = 0; i < look.tiles.size(); ++i) {
        const Tile& tile = look.tiles[i];
        if (tile.state != COverlayPainter::State::Picture && !tile.rect.isNull())
            overlay.drawState(painter, tile.rect, tile.state);
        if (tile.osd)
            overlay.drawOSD(painter, tile.rect, tile.shown);
        if (!tile.rect.isValid())
            continue;
        COverlayPainter::drawOutline(painter, tile.rect, Qt::white);
        if (i == look.selected) {
            COverlayPainter::drawSelection(painter, tile.rect);
            if (look.band.isValid())
                COverlayPainter::drawOutline(painter, look.band, Qt::white);
        }
    }
}

void CWallOverlay::render(const Look& look, const COverlayPainter& images)
{
    if (m_valid)
        return;
    const QSize pixels = (QSizeF(look.surface) * look.pixelRatio).toSize();
    if (m_image.size() != pixels)
        m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(look.pixelRatio);
    m_image.fill(Qt::transparent);
    {
        QPainter painter(&m_image);
        paint(painter, look, images);
    }
    m_covered = coveredParts(m_image, COVERED_BLOCK);
    placeCovered();
    m_valid = true;
    m_uploaded = false;
    ++m_paints;
}

void CWallOverlay::draw(const Look& look, const COverlayPainter& images)
{
    if (look.surface.isEmpty())
        return;
    render(look, images);
    glEnable(GL_TEXTURE_2D);
    if (!m_texture) {
        glGenTextures(1, &m_texture);
        m_uploaded = false;
    }
    glBindTexture(GL_TEXTURE_2D, m_texture);
    if (!m_uploaded) {
        // One texel a surface pixel: nearest sampling copies it as it is.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        // Premultiplied ARGB words are blue, green, red, alpha in memory on a
        // little-endian machine.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_image.width(), m_image.height(), 0,
            Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, m_image.constBits());
        m_uploaded = true;
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    layOver();
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

void CWallOverlay::placeCovered()
{
    // The surface's units are the image's pixels over its pixel ratio; a
    // part's texture coordinates are its corners over the image's size.
    const float ratio = float(m_image.devicePixelRatio());
    const float width = float(m_image.width());
    const float height = float(m_image.height());
    m_vertices.clear();
    m_texels.clear();
    for (const QRect& part : std::as_const(m_covered)) {
        const float x0 = float(part.left());
        const float y0 = float(part.top());
        const float x1 = float(part.left() + part.width());
        const float y1 = float(part.top() + part.height());
        for (const auto& [x, y] : {std::pair{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}) {
            m_vertices.push_back(x / ratio);
            m_vertices.push_back(y / ratio);
            m_texels.push_back(x / width);
            m_texels.push_back(y / height);
        }
    }
}

void CWallOverlay::layOver() const
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, m_vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, m_texels.data());
    glDrawArrays(GL_QUADS, 0, GLsizei(m_vertices.size() / 2));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

QList<QRect> CWallOverlay::coveredParts(const QImage& image, int block)
{
    QList<QRect> parts;
    if (image.isNull() || block <= 0)
        return parts;
    const int columns = (image.width() + block - 1) / block;
    std::vector<char> used(static_cast<std::size_t>(columns));
    // Runs of the block row above, still open for the rows below to join.
    QList<QRect> open;
    for (int top = 0; top < image.height(); top += block) {
        const int bottom = qMin(top + block, image.height());
        std::fill(used.begin(), used.end(), 0);
        for (int y = top; y < bottom; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    used[std::size_t(x / block)] = 1;
            }
        }
        QList<QRect> runs;
        for (int column = 0; column < columns;) {
            if (!used[std::size_t(column)]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns && used[std::size_t(column)])
                ++column;
            const int left = first * block;
            runs.append(QRect(left, top, qMin(column * block, image.width()) - left, bottom - top));
        }
        QList<QRect> stillOpen;
        for (QRect run : runs) {
            for (qsizetype i = 0; i < open.size(); ++i) {
                if (open[i].left() == run.left() && open[i].width() == run.width()) {
                    run.setTop(open[i].top());
                    open.removeAt(i);
                    break;
                }
            }
            stillOpen.append(run);
        }
        parts.append(open);
        open = stillOpen;
    }
    parts.append(open);
    return parts;
}

void CWallOverlay::releaseGL()
{
    if (m_texture)
        glDeleteTextures(1, &m_texture);
    forgetGL();
}

void CWallOverlay::forgetGL()
{
    m_texture = 0;
    m_uploaded = false;
}
