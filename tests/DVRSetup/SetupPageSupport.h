#pragma once

#include "WireBuilder.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <functional>

// What the setup page tests share: the DVR models their tables run over,
// identities, and the operator's hand on the pages' controls.
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
