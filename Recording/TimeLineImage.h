#pragma once

#include <QPixmap>

// The fixed pictures the search time line is drawn over; each widget of the
// time line takes its size from its picture.
namespace TimeLineImage {
QPixmap hourBar(); // ":/Viewer/Resources/Hour.png", 433 x 31
QPixmap minuteGrid(); // ":/Viewer/Resources/TimeLine.png", 421 x 256
QPixmap minuteCursor(); // ":/Viewer/Resources/slider.png", 7 x 340
} // namespace TimeLineImage
