#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <QWidget>

// A setup page that is not built yet: it takes part in the hub's page
// interface and gives back the part it was given, unchanged, so that the
// hub reads, sends, saves and opens whole configurations already. Each page
// replaces its stand-in with the same class name and interface.
template <class Part> class CSetupStandIn : public QWidget {
public:
    explicit CSetupStandIn(QWidget* parent)
        : QWidget(parent)
    {
    }

    void InitDvrInfo(const config::DvrConf_DvrInfo&) { InitConf(); }
    void InitConf()
    {
        Part defaults;
        SetConf(defaults);
    }
    void SetConf(const Part& part) { m_part = part; }
    Part GetConf() const { return m_part; }

private:
    Part m_part;
};
