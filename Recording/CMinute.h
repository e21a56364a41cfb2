#pragma once

#include "Common/CMinData.h"
#include "Recording/CCursorStrip.h"

#include <QPixmap>

class CMinutePos;

// The minute grid of the search time line: one row per channel for the shown
// hour, each minute filled with the colour of its record kind (1 red, 2
// green, 3 orange), stronger inside the marked range; and the minute cursor
// that the operator places by pressing or dragging the mouse. A double click
// on a recorded minute chooses it.
class CMinute : public CCursorStrip {
    Q_OBJECT

public:
    // At most 16 rows.
    CMinute(int channels, QWidget* parent = nullptr);

    void SetData(const CMinData& data);
    // Rebuilds the shown kinds from the kept data.
    void UpdateMinute();
    // Empties the data; the marked range stays.
    void clear();
    // Puts the cursor on the minute, emitting changedTime().
    void setPos(int minute);
    // The cursor's minute; 0 while there is no cursor.
    int getPos() const;
    // Places the cursor on the minute under the point and emits
    // changedTime(), as a mouse press does.
    void UpdatePosition(const QPoint& point) override;
    // Marks minutes first to end - 1 of the channels in the mask.
    void updateSelectedRange(int channels, int firstMinute, int endMinute);

    int channelCount() const { return m_channels; }

signals:
    void changedTime();
    void doubleclick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool isRecorded(int minute) const;
    bool isMarked(int channel, int minute) const;

    QPixmap m_image;
    int m_channels;
    CMinData m_data;
    int m_kinds[MAX_DVR_CHANNEL][MINS_OF_HOUR] = {};
    int m_rangeChannels = 0;
    int m_rangeFirst = 0;
    int m_rangeEnd = 0;
    int m_x = 0; // the cursor's left edge; 0: no cursor
    CMinutePos* m_cursor;
};
