#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <QWidget>
#include <memory>

namespace Ui {
class CSetupHdd;
}

// The "HDD" tab: how the DVR writes its disks, forced deletion and the
// S.M.A.R.T. check. Every edit goes into the held part at once.
class CSetupHdd : public QWidget {
    Q_OBJECT

public:
    explicit CSetupHdd(QWidget* parent = nullptr);
    ~CSetupHdd() override;

    void InitControls();
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Hdd& hdd);
    config::Hdd GetConf() const;
    // Nothing on this page depends on the model or needs repair.
    void UpdateControls() { }
    void MakeConfValid() { }

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedWriteMode(int row);
    void OnChangedForceDeletion(int row);
    void OnChangedSmart(int id);
    void OnChangedCheckInterval(int row);

private:
    std::unique_ptr<Ui::CSetupHdd> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::Hdd m_hdd;
};
