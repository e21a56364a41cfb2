#pragma once

#include <QObject>

class QComboBox;

// Widens the open list of every combo box of the program to its widest item
// as the list opens, as far as the screen allows. The toolkit sizes the list
// by the closed box, yet draws its items as menu items with a column for the
// check mark, so an item that fits the closed box was cut in the list. Each
// opening starts from the size and place the toolkit gave the list for the
// items it holds then, and keeps it on the screen as the toolkit keeps its
// own lists. Installed once on the application; GUI thread only; cannot
// fail.
class CComboListFit : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void fit(QComboBox& combo);
};
