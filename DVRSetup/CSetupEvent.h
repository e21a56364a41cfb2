#pragma once

#include "DVRSetup/CAllChannelsEdit.h"
#include "ProtoBuf/DVRList.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QByteArray>
#include <QWidget>
#include <memory>

class QButtonGroup;

namespace Ui {
class CSetupEvent;
}

// The "Event" tab of the setup hub: motion detection per channel (with its
// zone drawn over the channel's live picture in the zone editor), the sensor
// inputs, what drives the relay output, the post-alarm recording time and
// the e-mail notification settings. Lists follow the DVR model: one motion
// entry and relay input per channel, one sensor entry and relay input per
// sensor; the sensor controls show only on models with sensors, the relay
// group only on models with a relay output.
//
// "ALL" on the motion channel combo shows an entry of its own that stands
// for every channel; it reaches the channels when the part is taken, and
// only when it was changed while shown.
class CSetupEvent : public QWidget {
    Q_OBJECT

public:
    explicit CSetupEvent(QWidget* parent = nullptr);
    ~CSetupEvent() override;

    // The page interface of the setup hub.
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Event& event);
    // The edited part; an edited "ALL" still shown is spread first and stays
    // spread.
    config::Event GetConf();

    // The DVR the zone editor streams from: the hub's target.
    void setTargetDVR(const DVR& dvr);

    // The detection grid of the held model: HD-SDI 22 x 15 (NTSC) or 22 x 18
    // (PAL), AHD and 960H 16 x 12.
    int getMotionZoneCols() const;
    int getMotionZoneRows() const;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedMotion(int index);
    void OnChangedSensitivity(int value);
    void OnChangedMotionPopup(int id);
    void OnChangedMotionPopdown(int index);
    void OnDetectZone();
    void OnChangedSensor(int index);
    void OnChangedSensorType(int index);
    void OnChangedSensorLink(int index);
    void OnChangedSensorPopup(int id);
    void OnChangedSensorPopdown(int index);
    void OnChangedRelaySensor(int index);
    void OnChangedRelaySensorOutput(int id);
    void OnChangedRelayMotion(int index);
    void OnChangedRelayMotionOutput(int id);
    void OnChangedRecFail(int id);
    void OnChangedRecWarn(int id);
    void OnChangedRelayTime(int index);
    void OnChangedPostAlarmRecord(int index);

    void OnChangedAddress(const QString& text);
    void OnChangedSmtpAddress(const QString& text);
    void OnChangedSmtpPort(int value);
    void OnChangedAuthen(int id);
    void OnChangedAuthenID(const QString& text);
    void OnChangedAuthenPassword(const QString& text);
    void OnChangedSsl(int id);
    void OnChangedMime(int id);
    void OnChangedEmailPeriod(int index);
    void OnChangedProhibition(int id);
    void OnChangedStart(int value);
    void OnChangedEnd(int value);
    void OnChangedMotionContent(int id);
    void OnChangedSensorContent(int id);
    void OnChangedVLossContent(int id);
    void OnChangedRecordContent(int id);
    void OnChangedSystemContent(int id);

private:
    void connectControls();
    void InitControls();
    void UpdateControls();
    void MakeConfValid();
    void loadEmail();

    int channels() const;
    int sensors() const;
    int zoneCells() const;
    QList<QButtonGroup*> buttonGroups() const;
    bool allShown() const;
    // The motion entry at a row of the motion channel combo ("ALL" after the
    // channels); null where there is none.
    config::Event_Motion* motionAt(int index);
    // The motion entry the motion controls edit; null while there is none.
    config::Event_Motion* shownMotion();
    config::Event_Sensor* shownSensor();
    void showMotion(int index);
    void showSensor(int index);
    void showRelaySensor(int index);
    void showRelayMotion(int index);

    std::unique_ptr<Ui::CSetupEvent> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::Event m_event;
    config::Event_Motion m_all;
    CAllChannelsEdit m_allEdit;
    DVR m_dvr;
    // The shown motion entry's zone, one byte per cell (1 detects): what
    // the zone editor edits.
    QByteArray m_zone;
    // Counts the parts loaded, so that the zone editor's result is dropped
    // when another part replaced the edited one while it was open.
    quint64 m_loads = 0;
};
