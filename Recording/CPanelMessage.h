#pragma once

#include <QString>

class QWidget;

// A message of the recording panels to the operator. It does not wait for
// the operator: the panels go on serving replies, streams and the playback
// thread while it is shown. Without a parent it is a window of its own.
class CPanelMessage {
public:
    static void show(QWidget* parent, const QString& text);
};
