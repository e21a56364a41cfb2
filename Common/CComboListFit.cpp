#include "Common/CComboListFit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
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
    // The toolkit has sized and placed the popup for the items it holds now;
    // it only grows, and like the toolkit's own lists it stays wholly on the
    // screen, moved left where it would pass the right edge.
    QWidget* popup = list->window();
    const int popupFrame = popup->width() - list->width();
    // The screen the box lies on, which with two monitors need not be the
    // one its window is on.
    const QScreen* boxScreen = QGuiApplication::screenAt(combo.mapToGlobal(combo.rect().center()));
    const QRect screen = (boxScreen ? boxScreen : combo.screen())->availableGeometry();
    QRect place = popup->geometry();
    place.setWidth(
        std::min(std::max(place.width(), room.width() + 2 * list->frameWidth() + popupFrame), screen.width()));
    place.moveRight(std::min(place.right(), screen.right()));
    popup->setGeometry(place);
}
