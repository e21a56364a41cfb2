#pragma once

#include <QPixmap>
#include <QWidget>

// The minute cursor of the search time line. Mouse events pass through it to
// the minute grid beneath, so the grid can be clicked under the cursor.
class CMinutePos : public QWidget {
    Q_OBJECT

public:
    explicit CMinutePos(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
};
