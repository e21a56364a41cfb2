#pragma once

#include "DVRSetup/CMotionDetect.h"
#include "DVRSetup/CMotionZoneDialog.h"
#include "H264TestEncoder.h"
#include "WidgetChild.h"

#include <QApplication>
#include <QByteArray>
#include <QDialogButtonBox>
#include <QImage>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <functional>

// The zone editor in tests: what it shows of the test DVR's picture (the
// channel's pattern in the dialog's video area, tinted yellow where the
// zone's cells detect), and the operator's hand on its grid.
namespace ZoneEditorSupport {

// Where the video area lies in the dialog, and its size.
const QPoint ORIGIN(20, 20);
constexpr int WIDTH = 352;
constexpr int HEIGHT = 240;

// Samples the middle of each cell of the row through the colour bars, away
// from the grid's lines and the bars' edges: the pattern of the channel
// (0-based) shows there, blended with the yellow of a set cell where the
// zone detects.
inline bool showsChannel(const QImage& shot, int channel, const QByteArray& zone, int columns)
{
    const int rows = static_cast<int>(zone.size()) / columns;
    const int cellWidth = WIDTH / columns;
    const int cellHeight = HEIGHT / rows;
    const int row = HEIGHT * 3 / 8 / cellHeight;
    const QImage pattern = H264TestEncoder::pattern(WIDTH, HEIGHT, 0, channel);
    const auto blend = [](int picture, int yellow) { return (picture * 155 + yellow * 100) / 255; };
    for (int column = 0; column < columns; ++column) {
        const QPoint at(column * cellWidth + cellWidth / 2, row * cellHeight + cellHeight / 2);
        QRgb want = pattern.pixel(at);
        if (zone.at(row * columns + column) != 0)
            want = qRgb(blend(qRed(want), 255), blend(qGreen(want), 255), blend(qBlue(want), 0));
        const QRgb got = shot.pixel(ORIGIN + at);
        if (qAbs(qRed(got) - qRed(want)) > 48 || qAbs(qGreen(got) - qGreen(want)) > 48
            || qAbs(qBlue(got) - qBlue(want)) > 48)
            return false;
    }
    return true;
}

// The grid, wherever the wall put it (over OpenGL it is not the dialog's
// child).
inline CMotionDetect* grid()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* found = qobject_cast<CMotionDetect*>(widget))
            return found;
    }
    return nullptr;
}

// The cells from (top, left) to (bottom, right) of a grid of 16 x 12
// dragged and set (or cleared), then OK, or Cancel.
inline std::function<void(QDialog*)> drawBlock(QRect cells, bool set, bool ok)
{
    return [cells, set, ok](QDialog* dialog) {
        CMotionDetect* on = grid();
        const auto centre = [](int row, int column) { return QPoint(column * 22 + 11, row * 20 + 10); };
        QTest::mousePress(on, Qt::LeftButton, {}, centre(cells.top(), cells.left()));
        QTest::mouseMove(on, centre(cells.bottom(), cells.right()));
        QTest::mouseRelease(on, Qt::LeftButton, {}, centre(cells.bottom(), cells.right()));
        QTest::mouseClick(child<QPushButton>(*dialog, set ? "selection" : "clear"), Qt::LeftButton);
        auto* box = child<QDialogButtonBox>(*dialog, "buttonBox");
        box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    };
}

} // namespace ZoneEditorSupport
