#include "CutTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTest>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <functional>

namespace {

QString shownText(const QAbstractButton& button)
{
    QString text = button.text();
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Glyphs need their ink, not the font's line spacing, to read whole.
int inkHeight(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().tightBoundingRect(text).height();
}

// Where the widget draws its caption and the room its style leaves for it,
// in its own coordinates; an empty caption when it has none.
struct Caption {
    QRect text;
    QRect room;
};

Caption captionOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty())
            return {};
        const QSize size = label->wordWrap()
            ? QSize(label->width(), label->heightForWidth(label->width()))
            : QSize(label->minimumSizeHint().width(), inkHeight(*label, label->text()));
        return {QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, label->rect()), label->rect()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        int width = button->fontMetrics().horizontalAdvance(shownText(*button));
        if (!button->icon().isNull())
            width += button->iconSize().width() + 4;
        const QSize size(width, inkHeight(*button, button->text()));
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
            const QStyle::SubElement area
                = qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
            QRect room = button->style()->subElementRect(area, &option, button);
            room.setRight(button->width() - 1);
            room.setTop(0);
            room.setBottom(button->height() - 1);
            return {QStyle::alignedRect(button->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, size, room), room};
        }
        // The style clips a push button's text to its contents, inside the
        // border and the padding.
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return {QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter, size, room), room};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        if (combo->count() == 0)
            return {};
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect room
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        int width = 0;
        for (int item = 0; item < combo->count(); ++item)
            width = std::max(width, combo->fontMetrics().horizontalAdvance(combo->itemText(item)));
        return {QStyle::alignedRect(combo->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, QSize(width, 1), room),
            room};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return {box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box), box->rect()};
    }
    return {};
}

// The part of a sibling that hides what lies under it: the caption of a
// label or check box, the whole of a control.
QRect coverRect(const QWidget& sibling)
{
    if (qobject_cast<const QLabel*>(&sibling) || qobject_cast<const QCheckBox*>(&sibling)
        || qobject_cast<const QRadioButton*>(&sibling)) {
        return captionOf(sibling).text.translated(sibling.pos());
    }
    if (qobject_cast<const QAbstractButton*>(&sibling) || qobject_cast<const QLineEdit*>(&sibling)
        || qobject_cast<const QComboBox*>(&sibling) || qobject_cast<const QAbstractSpinBox*>(&sibling)
        || qobject_cast<const QAbstractScrollArea*>(&sibling) || qobject_cast<const QProgressBar*>(&sibling)
        || qobject_cast<const QAbstractSlider*>(&sibling) || sibling.autoFillBackground()) {
        return sibling.geometry();
    }
    return {};
}

// Why the caption does not show whole, or empty when it does: it must lie
// in its room and in each parent up to the window (or up to a scrolled
// area, whose content scrolls into view), under no sibling on the way.
QString whyCut(const QWidget& widget, const Caption& shown, const QWidget& window)
{
    // Antialiased edges that reach a pixel further still read whole.
    if (!shown.room.adjusted(-1, -1, 1, 1).contains(shown.text))
        return QStringLiteral("%1 x %2 in %3 x %4")
            .arg(shown.text.width())
            .arg(shown.text.height())
            .arg(shown.room.width())
            .arg(shown.room.height());
    QRect caption = shown.text;
    for (const QWidget* at = &widget; at != &window; at = at->parentWidget()) {
        if (!at->rect().contains(caption))
            return QLatin1String("outside ") + at->objectName();
        const QWidget* parent = at->parentWidget();
        if (qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
            return {};
        caption.translate(at->pos());
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != at && !sibling->isWindow() && sibling->isVisibleTo(parent)
                && coverRect(*sibling).intersects(caption))
                return QLatin1String("under ") + sibling->objectName();
        }
    }
    return {};
}

QString caption(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentText();
    return qobject_cast<const QGroupBox*>(&widget)->title();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

// The items of a combo box's open list that it cuts: those that draw up to
// the list's right edge (its last pixels change when the text goes).
void collectItems(QComboBox& combo, QStringList& cut)
{
    const QSignalBlocker quiet(&combo);
    combo.showPopup();
    settle();
    QWidget* list = combo.view()->viewport();
    for (int row = 0; row < combo.count(); ++row) {
        const QModelIndex item = combo.model()->index(row, combo.modelColumn());
        combo.view()->scrollTo(item);
        const int edgeWidth = 3; // wider than the gap between two glyphs
        const QRect edge
            = combo.view()->visualRect(item) & QRect(list->width() - edgeWidth, 0, edgeWidth, list->height());
        const QImage drawn = list->grab(edge).toImage();
        const QString text = combo.itemText(row);
        combo.setItemText(row, QString());
        if (list->grab(edge).toImage() != drawn)
            cut << combo.objectName() + QLatin1String(" list: ") + text;
        combo.setItemText(row, text);
    }
    combo.hidePopup();
}

// Visits the widget and every widget shown under it that visit lets it
// reach; with all pages, each page of a stack in turn.
void walk(QWidget& widget, Pages pages, const std::function<bool(QWidget&)>& visit)
{
    auto* stack = qobject_cast<QStackedWidget*>(&widget);
    if (stack && pages == Pages::All) {
        const int current = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            settle();
            walk(*stack->widget(page), pages, visit);
        }
        stack->setCurrentIndex(current);
        settle();
        return;
    }
    if (!visit(widget))
        return;
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisibleTo(&widget))
            walk(*child, pages, visit);
    }
}

// What the operator works: its parts are no controls of their own. A
// scroll area of other widgets is only a way to them.
bool isControl(const QWidget& widget)
{
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget)
        || qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget)
        || qobject_cast<const QAbstractSlider*>(&widget) || qobject_cast<const QTabBar*>(&widget)
        || (qobject_cast<const QAbstractScrollArea*>(&widget) && !qobject_cast<const QScrollArea*>(&widget));
}

// Why the operator cannot get at the whole control, or empty when he can:
// squeezed below its smallest useful size, or lying outside a parent on its
// way to the window, unless the scroll areas on that way bring it into view.
QString whyUnreachable(QWidget& control)
{
    const QSize least = control.minimumSizeHint();
    if (least.isValid() && (control.width() < least.width() || control.height() < least.height()))
        return QString::asprintf(
            "%d x %d, needs %d x %d", control.width(), control.height(), least.width(), least.height());
    const QWidget* window = control.window();
    for (QWidget* at = &control; at != window; at = at->parentWidget()) {
        QWidget* parent = at->parentWidget();
        auto* area = qobject_cast<QScrollArea*>(parent->parentWidget());
        if (area && parent == area->viewport()) {
            area->ensureWidgetVisible(&control, 0, 0);
            settle();
        }
        if (!parent->rect().contains(QRect(control.mapTo(parent, QPoint()), control.size())))
            return QLatin1String("outside ") + parent->objectName();
    }
    return {};
}

} // namespace

QStringList cutTexts(QWidget& window, Pages pages)
{
    window.show();
    // A window of its own is laid out for the size the display gave it.
    if (window.isWindow() && !QTest::qWaitForWindowExposed(&window))
        return {window.objectName() + QLatin1String(": not exposed")};
    settle();
    if (!window.isVisible())
        return {window.objectName() + QLatin1String(": not shown")};
    QStringList cut;
    walk(window, pages, [&](QWidget& widget) {
        if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && combo->count() > 0)
            collectItems(*combo, cut);
        const Caption shown = captionOf(widget);
        if (!shown.text.isEmpty()) {
            const QString why = whyCut(widget, shown, window);
            if (!why.isEmpty())
                cut << widget.objectName() + QLatin1String(": ") + caption(widget) + QLatin1String(" (") + why
                        + QLatin1Char(')');
        }
        return true;
    });
    cut.removeDuplicates();
    return cut;
}

QStringList unreachableControls(QWidget& panel)
{
    settle();
    if (!panel.isVisible())
        return {panel.objectName() + QLatin1String(": not shown")};
    QStringList unreachable;
    walk(panel, Pages::All, [&](QWidget& widget) {
        const auto* area = qobject_cast<QScrollArea*>(&widget);
        if (area && area->widget() && area->horizontalScrollBar()->isVisible())
            unreachable << QString::asprintf("%s (%d px sideways)", area->widget()->metaObject()->className(),
                area->horizontalScrollBar()->maximum());
        if (!isControl(widget))
            return true;
        const QString why = widget.isEnabled() ? whyUnreachable(widget) : QString();
        if (!why.isEmpty())
            unreachable << widget.metaObject()->className() + QLatin1Char(' ') + widget.objectName()
                    + QLatin1String(" (") + why + QLatin1Char(')');
        return false;
    });
    unreachable.removeDuplicates();
    return unreachable;
}
