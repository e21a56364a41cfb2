#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "ProtoBuf/ModelInfo.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class CReadDVRData;
class CSetupAccount;
class CSetupCamera;
class CSetupEtc;
class CSetupEvent;
class CSetupHdd;
class CSetupNetwork;
class CSetupRecord;
class CSetupSystem;
class CUpgrade;
class QMessageBox;
class UpLoader;

namespace Ui {
class CSetupWidget;
}

// The DVR setup mode: one DVR's whole configuration spread over seven tab
// pages, read from the DVR, sent back (the current tab's part or all parts),
// kept in ".conf" files or prepared offline for a chosen model; plus the
// clock and reset overlay and the firmware overlay. Every request after the
// first read asks for the DVR's address, port and administrator password
// and goes as user "admin".
//
// Page interface: each page keeps its part and offers InitDvrInfo(identity)
// (sizes its choices for the model and shows its defaults), InitConf()
// (shows the defaults), SetConf(part) and GetConf(); the hub drives the
// pages always in the order system, clock, network, record, HDD, event,
// account, camera.
class CSetupWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int DEFAULT_TIME_LIMIT_MS = 30000;

    explicit CSetupWidget(QWidget* parent = nullptr);
    ~CSetupWidget() override;

    // On every entry to setup mode: no DVR, model 4, every page at its
    // defaults; a read still running is cancelled.
    void Init();
    // On every way out of setup mode: a read still running is abandoned and
    // delivers nothing, and the notice of a failed read closes. Uploads and
    // upgrades under way go on and report.
    void leave();
    // Reads the configuration of the current view's DVR (not of an
    // old-protocol one). The channel count and video type are not used.
    void readData(const DVR& dvr, int channels, config::VideoType videoType);

    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::DvrConf& conf);
    // Applies a whole configuration: 0, or -1 when its model or channel
    // count is unknown (then nothing changes and problem says why).
    int SetDvrConf(const config::DvrConf& conf, QString* problem = nullptr);
    // The current tab's part, or with all every part, with the identity and
    // the limits part.
    void Make_DvrConf(bool all, config::DvrConf& conf, bool applyNetworkTcpIp);
    void Send_DvrConf(const config::DvrConf& conf);
    // A configuration from a reply to the read: 0, or -1 when the reply is
    // not one whole configuration packet (problem says why).
    static int Byte2Conf(const QByteArray& data, config::DvrConf& conf, QString* problem = nullptr);
    // The address, port and password prompt: true when confirmed.
    bool checkConnectedDVR();

    // How long a configuration read, or an upload after its body, waits for
    // a silent DVR; for requests started after the call.
    void setTimeLimit(int milliseconds);

    virtual void languageChange();

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
    void OnCloseUpgrade();
    void OnCloseDateTime();
    void OnReloadCompleted(const QByteArray& data);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void FinishUpload(bool error, bool aborted, const QString& text);

private:
    template <class Action> void forEachPage(Action action);
    void startRead();
    void cancelRead();
    void sendConf(bool all);
    void showOverlay(QWidget* overlay, QWidget* other);
    void tellReadFailed(const QString& reason);

    std::unique_ptr<Ui::CSetupWidget> m_ui;
    CSetupSystem* m_system;
    CSetupNetwork* m_network;
    CSetupRecord* m_record;
    CSetupHdd* m_hdd;
    CSetupEvent* m_event;
    CSetupAccount* m_account;
    CSetupCamera* m_camera;
    CUpgrade* m_upgrade;
    CSetupEtc* m_etc;
    config::DvrConf_DvrInfo m_dvrInfo;
    DVR m_target;
    UpLoader* m_upLoader;
    CReadDVRData* m_reader = nullptr;
    QPointer<QMessageBox> m_readNotice;
    bool m_pagesShowDefaults = true;
    int m_timeLimitMs = DEFAULT_TIME_LIMIT_MS;
};
