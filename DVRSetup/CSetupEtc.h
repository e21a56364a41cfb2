#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QWidget>
#include <memory>

class CSendCommand;
class CSetupWidget;

namespace Ui {
class CSetupEtc;
}

// The setup hub's clock and reset overlay: sets the DVR's clock to the date
// and time in its fields, and resets the DVR, in the DVR's dialect. It
// follows the configuration's date and time display formats and adds
// nothing to an upload.
class CSetupEtc : public QWidget {
    Q_OBJECT

public:
    explicit CSetupEtc(CSetupWidget* parent);
    ~CSetupEtc() override;

    // The page interface of the hub; the identity clears the target.
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::System& system);

    // The DVR the clock and reset requests go to.
    void setTarget(const DVR& target);
    // Sends the reset command at once, without asking.
    void ResetDVR();

    virtual void languageChange();

public slots:
    void SetCurrentTime();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void ApplyTime();

private:
    void send(const std::optional<QString>& query);

    std::unique_ptr<Ui::CSetupEtc> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::System m_system;
    DVR m_target;
    std::unique_ptr<CSendCommand> m_command;
};
