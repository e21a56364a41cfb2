#pragma once

#include <QLabel>

// A one-line label for text a DVR reports: the text is always plain, and
// one longer than the label is drawn cut with an ellipsis, whole in the
// tool tip, instead of losing its end unmarked. text() is the whole text.
// GUI thread only.
class CElidedLabel : public QLabel {
public:
    explicit CElidedLabel(QWidget* parent = nullptr);

    // The layout may make it narrower than its text: the ellipsis tells.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
