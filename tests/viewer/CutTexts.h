#pragma once

#include <QStringList>

class QWidget;

// Which pages of stacked widgets (tab pages included) are looked at: all of
// them in turn, or those shown, for a window whose own mode switches pages
// and sizes them.
enum class Pages { All, Shown };

// The captions of a window that its widgets cannot show whole: every label,
// button, check box, radio button, group box title and combo box item (the
// widest), measured in the widget's own font against the room its style leaves for text, its parents
// and the controls beside it. Each entry reads "object: text (why)"; an item
// that a combo box's open list cuts reads "object list: text". Shows the
// window; the current pages are put back.
QStringList cutTexts(QWidget& window, Pages pages = Pages::All);

// The visible, enabled controls of a shown panel, on every page, that lie
// outside the window even once the scroll areas above them scroll them into
// view, or that are squeezed below their minimum size hint. Each entry reads
// "class object (why)". Also the scroll areas whose content is wider than
// they are, so that the operator has to scroll sideways: "class of the
// content (pixels hidden)".
QStringList unreachableControls(QWidget& panel);
