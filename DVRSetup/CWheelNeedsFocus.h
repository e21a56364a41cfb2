#pragma once

#include <QObject>

class QWidget;

// Lets the mouse wheel change a combo box or spin box of a scrolling setup
// page only once the operator has given it keyboard focus (clicked into it
// or reached it with Tab); over any other of them the wheel scrolls the
// page, so that scrolling never changes a setting unnoticed, which Apply
// would then send. Lives with its page; GUI thread only; cannot fail.
class CWheelNeedsFocus : public QObject {
    Q_OBJECT

public:
    // Takes the combo boxes and spin boxes (date and time edits included)
    // that the page holds now.
    static void guard(QWidget& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CWheelNeedsFocus(QObject* parent);
};
