#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QWidget>

// The DVR information window (information, HDD state and system log) of the
// main window's information mode; the main window places, sizes and hides it.
class CDVRInfoWidget : public QWidget {
    Q_OBJECT

public:
    explicit CDVRInfoWidget(QWidget* parent = nullptr);
    ~CDVRInfoWidget() override;

    // Reads and shows the DVR's information, replacing what was shown.
    void readData(const DVR& dvr);
};
