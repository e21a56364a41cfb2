#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "ProtoBuf/ModelInfo.pb.h"

#include <QWidget>

// The DVR setup hub of the main window's setup mode; the buttons of the main
// window's configuration page drive it.
class CSetupWidget : public QWidget {
    Q_OBJECT

public:
    explicit CSetupWidget(QWidget* parent = nullptr);
    ~CSetupWidget() override;

    // Offline defaults: no DVR, every page at its defaults.
    void Init();
    // The DVR to configure; channels and videoType are not used.
    void readData(const DVR& dvr, int channels, config::VideoType videoType);

public slots:
    void OnOpenFiles();
    void OnSaveFiles();
    void OnSetupModel();
    void OnLoadDefault();
    void OnReload();
    void OnSend();
    void OnSendAll();
    void OnUpgrade();
    void OnDateTime();
    void OnResetDVR();
};
