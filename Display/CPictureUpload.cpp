#include "Display/CPictureUpload.h"

#include <cmath>

namespace {
// Linear filtering reads a texel beyond the part shown; chroma halves it.
const int FILTER_MARGIN = 2;

int evenBelow(int value)
{
    return value - (value & 1);
}
} // namespace

CPictureUpload CPictureUpload::plan(const QSize& picture, const QSize& tile, const QRectF& shown, bool wholePicture)
{
    CPictureUpload upload;
    const QRect all(QPoint(0, 0), picture);
    upload.source = all;
    if (wholePicture || picture.isEmpty() || tile.isEmpty())
        return upload;
    if (!shown.isNull()) {
        const int left = evenBelow(int(std::floor(shown.left())) - FILTER_MARGIN);
        const int top = evenBelow(int(std::floor(shown.top())) - FILTER_MARGIN);
        const int right = int(std::ceil(shown.right())) + FILTER_MARGIN;
        const int bottom = int(std::ceil(shown.bottom())) + FILTER_MARGIN;
        upload.source = QRect(QPoint(left, top), QPoint(right, bottom)) & all;
        if (upload.source.isEmpty())
            upload.source = all;
        return upload;
    }
    upload.rowStep = qMax(1, picture.height() / tile.height());
    return upload;
}
