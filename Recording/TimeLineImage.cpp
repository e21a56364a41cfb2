#include "Recording/TimeLineImage.h"

// The pictures live in this static library; nothing else references them, so
// the linker keeps them only when asked here (outside any namespace, as the
// resource macro requires).
static void initTimeLineImages()
{
    Q_INIT_RESOURCE(TimeLineImages);
}

namespace {
QPixmap load(const char* name)
{
    initTimeLineImages();
    return QPixmap(QStringLiteral(":/Viewer/Resources/") + QLatin1String(name));
}
} // namespace

QPixmap TimeLineImage::hourBar()
{
    return load("Hour.png");
}

QPixmap TimeLineImage::minuteGrid()
{
    return load("TimeLine.png");
}

QPixmap TimeLineImage::minuteCursor()
{
    return load("slider.png");
}
