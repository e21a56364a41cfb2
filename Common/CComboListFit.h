#pragma once

#include <QObject>

class QComboBox;

// Widens the open list of every combo box of the program to its widest item
// as the list opens. The toolkit sizes the list by the closed box, yet draws
// its items as menu items with a column for the check mark, so an item that
// fits the closed box was cut in the list. Installed once on the
// application; GUI thread only; cannot fail.
class CComboListFit : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void fit(QComboBox& combo);
};
