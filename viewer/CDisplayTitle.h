#pragma once

#include <QFrame>

class CDisplayWidget;
class QLabel;

// The title bar above the screen wall: the current DVR on the left, the
// wall's time in the centre, the playback status on the right.
class CDisplayTitle : public QFrame {
    Q_OBJECT

public:
    static constexpr int HEIGHT = 25;
    // Between the texts and the display frame's border, which curves in at
    // the title's corners.
    static constexpr int TEXT_MARGIN = 6;

    explicit CDisplayTitle(QWidget* parent = nullptr);
    ~CDisplayTitle() override;

    QLabel* left() const { return m_left; }
    QLabel* centre() const { return m_centre; }
    QLabel* right() const { return m_right; }

    void clear();
    void setLabelsVisible(bool visible);
    // The centre label follows the wall's time and the right one its
    // playback status as asked; a label that does not follow is cleared and
    // disabled. A label is connected only as it becomes enabled, so repeated
    // calls never connect it twice.
    void follow(CDisplayWidget* wall, bool time, bool status);

private:
    QLabel* m_left;
    QLabel* m_centre;
    QLabel* m_right;
};
