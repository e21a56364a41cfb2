#pragma once

#include "Common/CHourData.h"
#include "Recording/CCursorStrip.h"

#include <QPixmap>

// The hour bar of the search time line: the 24 hours of the shown day, those
// that hold recordings filled red, and a cursor on the chosen hour that the
// operator places by pressing or dragging the mouse.
class CHour : public CCursorStrip {
    Q_OBJECT

public:
    explicit CHour(QWidget* parent = nullptr);

    void SetData(const CHourData& data);
    void clear();
    // Puts the cursor on the hour without a signal.
    void setPos(int hour);
    // The cursor's hour; 0 while there is no cursor.
    int getPos() const;
    // Places the cursor on the hour under the point, as a mouse press does.
    void UpdatePosition(const QPoint& point) override;

signals:
    // The operator placed the cursor (on the same hour or another).
    void changedHour();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
    CHourData m_data;
    int m_x = 0; // the cursor's left edge; 0: no cursor
};
