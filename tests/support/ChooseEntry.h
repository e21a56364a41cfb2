#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

// The operator opens the list and picks the entry with the keyboard: one
// choice, as the list tells it (activated), also of the entry already
// chosen.
inline void chooseEntry(QComboBox& list, int index)
{
    list.showPopup();
    QAbstractItemView* shown = list.view();
    shown->setCurrentIndex(list.model()->index(index, list.modelColumn()));
    QTest::keyClick(shown, Qt::Key_Return);
    list.hidePopup();
}
