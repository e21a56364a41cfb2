#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class CSetupSystem;
}

// A language name as the language list shows it: lower case with a capital
// first letter, whatever case it came in.
QString Capitalize(const QString& text);

// The "System" tab: the DVR's name and ID, time and date formats, time zone
// and NTP, menu language, buzzer and display switches and VGA mode. Every
// edit goes into the held part at once. A time zone or language the lists
// lack goes back as it came until the operator picks one.
class CSetupSystem : public QWidget {
    Q_OBJECT

public:
    explicit CSetupSystem(QWidget* parent = nullptr);
    ~CSetupSystem() override;

    void InitControls();
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::System& system);
    config::System GetConf() const;
    void UpdateControls();
    // An ID of 256 or more becomes 0.
    void MakeConfValid();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedName(const QString& text);
    void OnChangedID(int id);
    void OnChangedTimeFormat(int position);
    void OnChangedDateFormat(int position);
    void OnChangedTimezone(int position);
    void OnChangedNtp(int id);
    void OnChangedNtpAddress(const QString& text);
    void OnChangedLangauge(int position);
    void OnChangedSensor(int id);
    void OnChangedMotion(int id);
    void OnChangedVideoLoss(int id);
    void OnChangedRecordFail(int id);
    void OnChangedRecordWarning(int id);
    void OnChangedCameraName(int id);
    void OnChangedRecordIcon(int id);
    void OnChangedMotionIcon(int id);
    void OnChangedSensorIcon(int id);
    void OnChangedTaskBar(int id);
    void OnChangedVgaMode(int position);

private:
    std::unique_ptr<Ui::CSetupSystem> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::System m_system;
};
