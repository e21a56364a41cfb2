#include "Common/CComboListFit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QStyleOptionMenuItem>

bool CComboListFit::eventFilter(QObject* watched, QEvent* event)
{
    // The list's popup is a window of its own whose parent is the combo box;
    // it is shown after the toolkit gave it the closed box's width.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* popup = static_cast<QWidget*>(watched);
        auto* combo = popup->isWindow() ? qobject_cast<QComboBox*>(popup->parentWidget()) : nullptr;
        if (combo && combo->view()->window() == popup)
            fit(*combo);
    }
    return QObject::eventFilter(watched, event);
}

void CComboListFit::fit(QComboBox& combo)
{
    QAbstractItemView* list = combo.view();
    QStyleOptionMenuItem item;
    item.initFrom(list);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.checkType = QStyleOptionMenuItem::Exclusive;
    item.maxIconWidth = combo.iconSize().width() + 4;
    int widest = 0;
    for (int row = 0; row < combo.count(); ++row)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(combo.itemText(row)));
    const QSize room = combo.style()->sizeFromContents(
        QStyle::CT_MenuItem, &item, QSize(widest, list->fontMetrics().height()), &combo);
    list->setMinimumWidth(room.width() + 2 * list->frameWidth());
    // Now, before the popup is drawn: its layout widens it to the list.
    if (QLayout* layout = list->window()->layout())
        layout->activate();
}
