#include "Display/CWallLayout.h"

#include <QtGlobal>
#include <cmath>

QList<QRect> CWallLayout::tileRects(int count, const QSize& size)
{
    QList<QRect> rects(MAX_TILES);
    count = qBound(0, count, MAX_TILES);
    const int k = int(std::sqrt(double(count)));
    if (k == 0)
        return rects;
    if (k == 1) {
        for (int i = 0; i < count; ++i)
            rects[i] = QRect(QPoint(0, 0), size);
        return rects;
    }
    const int w = (size.width() - SCREEN_SPACE) / k;
    const int h = (size.height() - SCREEN_SPACE) / k;
    if (w <= 0 || h <= 0)
        return rects;
    for (int i = 0; i < count; ++i) {
        QPoint start;
        if (i % k == 0)
            start = {(size.width() - w * k) / 2, i == 0 ? (size.height() - h * k) / 2 : rects[i - 1].bottom()};
        else
            start = {rects[i - 1].right(), rects[i - 1].top()};
        rects[i] = QRect(start, QSize(w, h));
    }
    return rects;
}

int CWallLayout::pageCount(int count)
{
    return count > 0 ? (MAX_SCREENS + count - 1) / count : 1;
}

int CWallLayout::pageStart(int page, int count)
{
    if (count <= 0)
        return 0;
    return qBound(0, page, pageCount(count) - 1) * count;
}

int CWallLayout::pageOf(int screen, int count)
{
    if (count <= 0)
        return 0;
    return qBound(0, screen / count, pageCount(count) - 1);
}
