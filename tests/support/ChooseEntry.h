#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

// The operator picks the entry in the list with the keyboard: one choice,
// as the list tells it (activated), also of the entry already chosen. The
// list's popup is not opened: on a shared display another test's window
// may close it before the choice is made.
inline void chooseEntry(QComboBox& list, int index)
{
    QAbstractItemView* entries = list.view();
    entries->setCurrentIndex(list.model()->index(index, list.modelColumn()));
    QTest::keyClick(entries, Qt::Key_Return);
}
