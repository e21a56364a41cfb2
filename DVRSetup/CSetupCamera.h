#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <QList>
#include <QWidget>
#include <memory>

class CChannelWidget;
class CSeqWidget;
class QButtonGroup;
class QLineEdit;

namespace Ui {
class CSetupCamera;
}

// The "Camera" tab: channel names and covert channels, PTZ settings per
// channel, sharpness, the spot output's mode with its channels, and the
// sequence. Names, PTZ and sharpness edits go into the held part at once;
// covert channels, the sequence and the spot are collected by GetConf.
class CSetupCamera : public QWidget {
    Q_OBJECT

public:
    explicit CSetupCamera(QWidget* parent = nullptr);
    ~CSetupCamera() override;

    void InitControls();
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Camera& camera);
    config::Camera GetConf();
    void UpdateControls();
    void MakeConfValid();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedName(const QString& text);
    void OnChangedPtzChannel(int ch);
    void OnChangedPtzModel(int index);
    void OnChangedPtzID(int id);
    void OnChangedPan(int id);
    void OnChangedTilt(int id);
    void OnChangedZoom(int id);
    void OnChangedFocus(int id);
    void OnChangedBaudRate(int index);
    void OnChangedSharpness(int index);
    void OnChangedSpot(int index);
    void OnChangedSpotMode(int index);

private:
    int channelCount() const;
    // The PTZ entry that the channel spin box names; null when none.
    config::Camera_Ptz* shownPtz();
    // A reversal switch of the shown PTZ entry from its radio pair.
    void setReverse(void (config::Camera_Ptz::*set)(bool), const QButtonGroup* group);
    void showSpot(int index);
    void saveSpotToConf(int index);

    std::unique_ptr<Ui::CSetupCamera> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::Camera m_camera;
    QList<QLineEdit*> m_names;
    CSeqWidget* m_seq;
    CChannelWidget* m_covert;
    CChannelWidget* m_spotSingle;
    CChannelWidget* m_spotQuad;
    CChannelWidget* m_spotNona;
    CSeqWidget* m_spotSeq;
    int m_shownSpot = 0;
    bool m_hdSdi = false;
    // What the spot controls showed when the shown spot was loaded: a
    // stored channel or mode they cannot show goes back as it came unless
    // the operator changes them.
    unsigned long m_loadedSingleMask = 0;
    bool m_spotModePicked = false;
};
