#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the tiles of a screen wall lie and which screens each page shows.
// A wall has 64 tiles; screen numbers run from 0 to 255.
class CWallLayout {
public:
    static constexpr int MAX_TILES = 64;
    static constexpr int MAX_SCREENS = 256;
    // The margin taken from the wall's width and height before tiles are sized.
    static constexpr int SCREEN_SPACE = 10;

    // The rectangles of all 64 tiles for a view of `count` screens on a wall
    // of `size`: a centred k x k grid (k the whole square root of count) whose
    // neighbours share their border line; one screen fills the whole wall;
    // tiles from `count` on are empty.
    static QList<QRect> tileRects(int count, const QSize& size);

    // Pages of `count` screens, enough to reach every screen: when count
    // does not divide 256 the last page is only partly used (its tiles past
    // screen 255 stay empty).
    static int pageCount(int count);
    static int pageStart(int page, int count);
    // The page that shows a screen.
    static int pageOf(int screen, int count);
};
