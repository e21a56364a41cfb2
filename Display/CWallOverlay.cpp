#include "Display/CWallOverlay.h"

#include "Display/CDisplayInfo.h"

#include <QPainter>

bool CWallOverlay::Tile::operator==(const Tile& other) const
{
    return rect == other.rect && state == other.state && osd == other.osd && channel == other.channel
        && name == other.name && title == other.title && record == other.record && motion == other.motion
        && sensor == other.sensor;
}

bool CWallOverlay::Look::operator==(const Look& other) const
{
    return surface == other.surface && pixelRatio == other.pixelRatio && tiles == other.tiles
        && selected == other.selected && band == other.band && showNames == other.showNames
        && recordMode == other.recordMode && eventMode == other.eventMode && font == other.font;
}

CWallOverlay::Tile CWallOverlay::tileOf(const QRect& rect, const CDisplayInfo& info)
{
    Tile tile;
    tile.rect = rect;
    tile.state = COverlayPainter::stateOf(info);
    // A failed connection names itself over its state image.
    tile.osd = tile.state == COverlayPainter::State::Picture || tile.state == COverlayPainter::State::ConnectionFailed;
    if (tile.osd) {
        tile.channel = info.channel;
        tile.name = info.name;
        tile.title = info.title;
        tile.record = info.record;
        tile.motion = info.motion;
        tile.sensor = info.sensor;
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
        if (tile.osd) {
            CDisplayInfo shown;
            shown.channel = tile.channel;
            shown.name = tile.name;
            shown.title = tile.title;
            shown.record = tile.record;
            shown.motion = tile.motion;
            shown.sensor = tile.sensor;
            overlay.drawOSD(painter, tile.rect, shown);
        }
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

void CWallOverlay::draw(const Look& look, const COverlayPainter& images)
{
    if (look.surface.isEmpty())
        return;
    if (!m_valid || look != m_drawn) {
        if (m_image.size() != look.surface)
            m_image = QImage(look.surface, QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(look.pixelRatio);
        m_image.fill(Qt::transparent);
        {
            QPainter painter(&m_image);
            paint(painter, look, images);
        }
        m_drawn = look;
        m_valid = true;
        m_uploaded = false;
        ++m_paints;
    }

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
    const float width = float(look.surface.width());
    const float height = float(look.surface.height());
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(width, 0);
    glTexCoord2f(1, 1);
    glVertex2f(width, height);
    glTexCoord2f(0, 1);
    glVertex2f(0, height);
    glEnd();
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
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
