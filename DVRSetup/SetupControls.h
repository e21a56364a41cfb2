#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QSignalBlocker>

// Setting a setup page's controls from its part: with the control's signals
// blocked, so that the page's slots run on the operator's edits only.
namespace SetupControls {

inline void setIndex(QComboBox* combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

// Checks the "On" (id 1) or the "Off" (id 0) button of a pair.
inline void checkButton(QButtonGroup* group, bool on)
{
    const QSignalBlocker blocker(group);
    if (QAbstractButton* button = group->button(on ? 1 : 0))
        button->setChecked(true);
}

// Gives each pair of a form its ids: the first button ("Off", "No") 0, the
// second ("On", "Yes") 1.
inline void numberPair(QButtonGroup* group)
{
    const QList<QAbstractButton*> buttons = group->buttons();
    for (int id = 0; id < buttons.size(); ++id)
        group->setId(buttons.at(id), id);
}

template <class Texts> void refill(QComboBox* combo, const Texts& texts)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const auto& text : texts)
        combo->addItem(text);
}

} // namespace SetupControls
