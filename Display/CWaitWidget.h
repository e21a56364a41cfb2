#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// A 50 x 50 busy spinner of twelve rounded bars; the bright bar moves one
// place every 70 ms while the spinner is shown.
class CWaitWidget : public QWidget {
    Q_OBJECT

public:
    explicit CWaitWidget(QWidget* parent = nullptr);

    int step() const { return m_step; }
    bool isAnimating() const;

public slots:
    void updateValue();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int m_step = 0;
    QColor m_color{85, 170, 255, 255};
    QTimer* m_timer;
};
