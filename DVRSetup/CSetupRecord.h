#pragma once

#include "DVRSetup/CAllChannelsEdit.h"
#include "ProtoBuf/ModelInfo.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QColor>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <memory>

namespace Ui {
class CSetupRecord;
}

// The "Record" tab of the setup hub: per channel the recording resolution,
// the quality and frame rate at that resolution, the record mode and the
// event quality and frame rate; the four weekly schedules painted hour by
// hour with record-mode brushes; audio, time overlay and the playback
// defaults. Quality and frame rates are kept per resolution, so choosing a
// resolution again brings back what was set for it.
//
// "ALL" on the channel combo shows an entry of its own that stands for every
// channel; it reaches the channels when the part is taken, and only when it
// was changed while shown.
class CSetupRecord : public QWidget {
    Q_OBJECT

public:
    explicit CSetupRecord(QWidget* parent = nullptr);
    ~CSetupRecord() override;

    // The page interface of the setup hub.
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Record& record);
    // The edited part; an edited "ALL" still shown is spread first and stays
    // spread.
    config::Record GetConf();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedChannel(int index);
    void OnChangedResolution(int index);
    void OnChangedQuality(int index);
    void OnChangedFPS(int index);
    void OnChangedMode(int index);
    void OnChangedEventQuality(int index);
    void OnChangedEventFPS(int index);
    void OnChangedAudio(int id);
    void OnChangedTimeOverlay(int id);
    void OnChangedPlaybackChannel(int index);
    void OnChangedStartPoint(int index);
    void OnChangedPlaybackAudio(int id);
    void OnRecordMode();
    void OnChangedScheduleMode(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void OnChangedSchedule(int value);

private:
    void InitControls();
    void InitSchedule();
    void UpdateControls();
    void MakeConfValid();
    void repairChannel(config::Record_Channel& channel) const;

    int channels() const;
    std::size_t sensors() const;
    config::VideoType videoType() const;
    // HD-SDI and AHD DVRs offer no resolution 0: combo position + 1.
    int resolutionOffset() const;
    bool allShown() const;
    // The entry the channel controls edit; null while the combo has none.
    config::Record_Channel* currentEntry();
    int chosenResolution() const;
    // The frame rate of a row of the rate combos.
    google::protobuf::uint32 chosenRate(int row) const;
    void showEntry(int index);
    void showResolutionSlots(const config::Record_Channel& entry);
    void enableEventControls(config::RecordMode mode);
    void noteEdit();
    // Applies an operator's edit from a combo now at row index to the shown
    // entry, if the combo and the channel combo show one.
    void editEntry(int index, const std::function<void(config::Record_Channel&)>& edit);
    void spreadAll();

    void changeCellColor(int row, int column);
    void paintCell(int row, int column, int mode);
    void loadSchedule(int number);

    std::unique_ptr<Ui::CSetupRecord> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::Record m_record;
    config::Record_Channel m_all;
    CAllChannelsEdit m_allEdit;
    config::RecordMode m_brush = config::RECORD_MANUAL;
};
