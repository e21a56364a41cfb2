#pragma once

#include "WidgetChild.h"
#include "WireBuilder.h"
#include "sys_conf/proto/dvr_conf.pb.h"
#include "tests/sys_conf/ModelSizedDvrConf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// What the setup page tests share: the DVR models their tables run over,
// identities, and the operator's hand on the pages' controls: single moves
// and ";"-separated steps, with what the pages then show.
namespace SetupPageSupport {

// Models with 0, 4 and 8 sensors from each family (HD-SDI has no model
// without sensors, AHD none with eight); model 8 has a relay but no sensors.
inline void addModelRows(const char* test)
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("vtype");
    const std::pair<const char*, int> models[] = {{"HD-SDI, 4 sensors", 64}, {"HD-SDI, 8 sensors", 65},
        {"AHD, no sensors", 54}, {"AHD, 4 sensors", 51}, {"960H, no sensors", 100}, {"960H, 4 sensors", 6},
        {"960H, 8 sensors", 4}, {"960H, relay without sensors", 8}};
    for (const auto& [name, model] : models) {
        for (int vtype : {0, 1})
            QTest::addRow("%s: %s, %s", test, name, vtype == 0 ? "NTSC" : "PAL") << model << vtype;
    }
}

inline config::DvrConf_DvrInfo identity(int model, int channels, int vtype)
{
    config::DvrConf_DvrInfo info;
    info.set_model(static_cast<unsigned>(model));
    info.set_ch_num(static_cast<unsigned>(channels));
    info.set_vtype(static_cast<unsigned>(vtype));
    return info;
}

// Moves a combo by steps items with the arrow keys, as the operator does.
inline void step(QComboBox* combo, int steps)
{
    for (int i = 0; i < qAbs(steps); ++i)
        QTest::keyClick(combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
}

// Chooses the item with that text by keys, from wherever the combo stands.
inline void choose(QComboBox* combo, const QString& text)
{
    step(combo, combo->findText(text) - combo->currentIndex());
}

// A page loaded as a DVR of that model and video type fills it: its
// identity, then its part of the configuration (part, e.g.
// &config::DvrConf::event) after given changed it. Returns the part loaded.
template <class Page, class Part>
Part loadModel(Page& page, int model, int vtype, const Part& (config::DvrConf::*part)() const,
    const std::function<void(Part&)>& given = {})
{
    const config::DvrConf conf = ModelSizedDvrConf::build(model, static_cast<unsigned>(vtype));
    Part loaded = (conf.*part)();
    if (given)
        given(loaded);
    page.InitDvrInfo(conf.dvr_info());
    page.SetConf(loaded);
    return loaded;
}

// Operator acts on a page for table rows: the combo of that name moved by
// steps items, the button of that name clicked.
template <class Page> std::function<void(Page&)> stepping(const char* name, int steps)
{
    return [name, steps](Page& page) { step(::child<QComboBox>(page, name), steps); };
}

template <class Page> std::function<void(Page&)> clicking(const char* name)
{
    return [name](Page& page) { QTest::mouseClick(::child<QAbstractButton>(page, name), Qt::LeftButton); };
}

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
            QVERIFY2(combo->findText(text) >= 0, qPrintable(step));
            choose(combo, text);
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

// Answers the next modal dialog of type T once it is up, from the event
// loop that runs it.
template <class T> void whenModal(const std::function<void(T*)>& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

template <class Message> QByteArray bytes(const Message& message)
{
    return WireBuilder::bytesOf(message);
}

} // namespace SetupPageSupport
