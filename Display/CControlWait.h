#pragma once

#include <QPointer>

class CWaitWidget;
class QWidget;

// Shows one wait spinner in the centre of a busy widget.
class CControlWait {
public:
    CControlWait() = default;
    CControlWait(const CControlWait&) = delete;
    CControlWait& operator=(const CControlWait&) = delete;

    void show(QWidget* widget);
    void hide();

private:
    // The spinner belongs to the widget it is shown in and goes when that
    // widget goes; the guard keeps a spinner already destroyed from being
    // touched again.
    QPointer<CWaitWidget> m_waitWidget;
};
