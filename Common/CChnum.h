#pragma once

#include <QList>

class QCheckBox;
class QWidget;

// Lists of channel check-boxes to channel masks and back: box i of a sorted
// list stands for channel i. Stateless.
class CChnum {
public:
    // Checks box i when bit i of the mask is set, unchecks it otherwise.
    static void setCheckBoxValue(const QList<QCheckBox*>& boxes, unsigned long mask);
    // Bit i set for each checked box i.
    static unsigned long getCheckBoxValue(const QList<QCheckBox*>& boxes);
    // Set bits among bits 0 to 15.
    static int getCheckedChNum(unsigned long mask);
    // Orders the boxes by the channel number in their object names (the
    // first run of decimal digits), numerically.
    static void SortCheckBox(QList<QCheckBox*>* boxes);
    // The boxes below parent named "ch" and a number: those of channels
    // below the count are shown and returned in channel order, the others
    // hidden. Check states are left as they are.
    static QList<QCheckBox*> showChannelBoxes(const QWidget* parent, int channels);
};
