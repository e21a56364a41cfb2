#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QWidget>
#include <ctime>

class CDisplayWidget;

// The search and playback panel of the main window's search and local
// playback modes: searches a DVR's or a folder's recordings, offers their
// times, and plays local files into the screen wall.
class CPlaybackWidget : public QWidget {
    Q_OBJECT

public:
    explicit CPlaybackWidget(QWidget* parent = nullptr);
    ~CPlaybackWidget() override;

    // Clears the panel and selects the PC's current date and time.
    void clear();
    // Remote search; a negative client id requests nothing.
    void search(const DVR& dvr, int channels, int clientId);
    // Local search of a folder's recordings; an empty folder only clears.
    void search(const QString& folder);
    void setDisplayWidget(CDisplayWidget* wall);
    void connectSignal();
    void disconnectSignal();
    void PlayStop();
    bool IsLocalPlayback() const;
    int getSelectedChannels() const;
    void setGroupIndex(int index);
    void setDvrIndex(int index);
    int getGroupIndex() const;
    int getDvrIndex() const;
    void reloadSearchData();

signals:
    void selectedTime(time_t time, int channels);
    void changedPbStatus(const cgi::PbControl::Cmd& cmd);
    void stopDisplay();

private:
    int m_groupIndex = -1;
    int m_dvrIndex = -1;
};
