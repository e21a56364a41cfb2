#pragma once

#include <QLabel>

// The line of a recordings page that has no DVR to search: it says so, and
// how to get one, in the operator's language, instead of an empty page
// whose buttons answer later with errors of their own. Shown, hidden and
// placed by its page. GUI thread; it cannot fail.
class CNoDvrLine : public QLabel {
    Q_OBJECT

public:
    explicit CNoDvrLine(QWidget* page);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
