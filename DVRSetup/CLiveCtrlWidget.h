#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QWidget>

// The live control panel below the screen wall in the live modes: PTZ,
// preset tour, relay outputs and picture adjustment of the current DVR.
class CLiveCtrlWidget : public QWidget {
    Q_OBJECT

public:
    explicit CLiveCtrlWidget(QWidget* parent = nullptr);
    ~CLiveCtrlWidget() override;

    void setConnectedDVR(const DVR& dvr, int clientId, bool showRelay);
    void setSelectedChannel(int channel);
    void setVisiblePictureCtrl(bool visible);

    virtual void languageChange();

public slots:
    // True while the wall shows a single screen.
    void changeState(bool enable);
};
