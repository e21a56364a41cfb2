#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Calls back as each paint of a widget begins, before the widget paints: what
// the callback reads is what that paint is about to draw. GUI thread only;
// the widget must outlive the watch.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> onPaint)
        : m_onPaint(std::move(onPaint))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_onPaint();
        return false;
    }

private:
    std::function<void()> m_onPaint;
};
