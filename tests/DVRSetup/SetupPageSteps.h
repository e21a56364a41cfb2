#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// Drives a setup page as an operator would and reads what it shows.

// "seqFrame/ch3": a child found below another child.
inline QWidget* child(QWidget* page, const QString& path)
{
    QWidget* found = page;
    for (const QString& name : path.split(QLatin1Char('/')))
        found = found ? found->findChild<QWidget*>(name) : nullptr;
    return found;
}

// Operator steps, ";"-separated: "click NAME", "type NAME TEXT" (replaces
// the text of a line edit or spin box), "pick NAME TEXT" (a combo row by
// the arrow keys), "row NAME TEXT" (clicks a list row).
inline void perform(QWidget* page, const QString& steps)
{
    for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = step.trimmed().split(QLatin1Char(' '));
        const QString verb = words.value(0);
        const QString text = words.mid(2).join(QLatin1Char(' '));
        QWidget* target = child(page, words.value(1));
        QVERIFY2(target && target->isVisible(), qPrintable(step));
        if (verb == "click") {
            const bool box = !qobject_cast<QPushButton*>(target);
            QTest::mouseClick(target, Qt::LeftButton, {}, box ? QPoint(8, target->height() / 2) : QPoint());
        } else if (verb == "type") {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Backspace);
            QTest::keyClicks(target, text);
        } else if (verb == "pick") {
            auto* combo = qobject_cast<QComboBox*>(target);
            const int row = combo->findText(text);
            QVERIFY2(row >= 0, qPrintable(step));
            while (combo->currentIndex() != row)
                QTest::keyClick(combo, combo->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
        } else {
            auto* list = qobject_cast<QListWidget*>(target);
            const QList<QListWidgetItem*> rows = list->findItems(text, Qt::MatchExactly);
            QVERIFY2(!rows.isEmpty(), qPrintable(step));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(rows.first()).center());
        }
    }
}

// "NAME.PROPERTY=VALUE" with the extra properties "items" (a combo's rows,
// "|"-separated) and "shown" (visible within the page).
inline QString shownValue(QWidget* page, const QString& check)
{
    const QString target = check.section(QLatin1Char('='), 0, 0);
    const QString property = target.section(QLatin1Char('.'), -1);
    QWidget* widget = child(page, target.section(QLatin1Char('.'), 0, -2));
    if (!widget)
        return QStringLiteral("(no widget)");
    if (property == "shown")
        return widget->isVisibleTo(page) ? "true" : "false";
    if (property == "items") {
        auto* combo = qobject_cast<QComboBox*>(widget);
        QStringList items;
        for (int row = 0; row < combo->count(); ++row)
            items << combo->itemText(row);
        return items.join(QLatin1Char('|'));
    }
    return widget->property(qPrintable(property)).toString();
}
