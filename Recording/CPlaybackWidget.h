#pragma once

#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/DVRList.pb.h"
#include "SysData/HdbFileHeader.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QFileInfoList>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <ctime>

class CDisplayWidget;
class CNoDvrLine;
class CPlaybackFile;
class CRemoteSearch;
class CSearchDataParser;
class CSearchWidget;

namespace Ui {
class CPlaybackWidget;
}

// The page of the search and local playback modes. Remote: it searches the
// current DVR's recordings into its search panel and turns the chosen time
// and the playback buttons into signals the main window serves with a
// playback stream and playback commands. Local: it reads the minute
// databases of a recording folder into the search panel and plays the
// chosen minute, and the ones after it, from the folder's frame files on its
// playback thread, straight into the screen wall.
//
// The last search decides the mode (a DVR: remote, a folder: local); the
// panel starts local. Times are the DVR's wall clock, read as UTC.
class CPlaybackWidget : public QWidget {
    Q_OBJECT

public:
    explicit CPlaybackWidget(QWidget* parent = nullptr);
    ~CPlaybackWidget() override;

    // Clears the search panel and the start time; the hour asked first,
    // and shown, is that of now.
    void clear();
    // Remote search of the entry's DVR, with its account; a client id
    // below 0 asks nothing.
    void search(const DVR& dvr, CDirectoryEntry::Id entry, int channels, int clientId);
    // Local search of the folder's minute databases; an empty name clears
    // the panel, which then holds no folder, and no DVR either.
    void search(const QString& folder);
    void setDisplayWidget(CDisplayWidget* wall);
    // Wires the playback thread to the screen wall (its local-file decoding
    // already started) and to the panel, and lets it play.
    void connectSignal();
    // Pauses the playback thread and removes the connections connectSignal
    // made.
    void disconnectSignal();
    // Stops local playback and closes its files; stopDisplay() follows.
    void PlayStop();
    bool IsLocalPlayback() const { return m_local; }
    int getSelectedChannels() const;
    // The recordings searched are that DVR's (by its address and port),
    // searched for that entry.
    bool searched(const DVR& dvr, CDirectoryEntry::Id entry) const;
    // Shows the last remote reply again, without asking the DVR; false when
    // the search has no reply to show (refused, unanswered or still awaited).
    bool reloadSearchData();
    // The DVR searched is not the one to show any more: its recordings
    // leave the panel, and neither a reload nor a move to another hour asks
    // it again; the panel says it has no DVR to search. Local files stay.
    void forgetDvr();
    virtual void languageChange();

signals:
    void selectedTime(time_t time, int channels);
    void changedPbStatus(const cgi::PbControl::Cmd& cmd);
    void stopDisplay();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnClickPbCtrl();
    void OnSelectedTime(time_t time, int channels);
    void OnChangedTime();
    void OnPlayEnd(bool forward);
    void OnPressedSlider();
    void OnReleasedSlider();

private:
    void displaySearchData(const CSearchDataParser& result);
    void layoutPanel();
    void showStartTime();
    // Remote, with no DVR to search: the panel says so.
    void showNoDvr();
    // Stops the thread, which a full channel buffer of the wall may hold
    // inside a frame: the wall's local decoding stops first.
    void closeFile();
    // Loads the file at the index; false when there is none or it does not load.
    bool loadFile(int index);
    void doLocal(const QString& action);

    Ui::CPlaybackWidget* ui;
    CSearchWidget* m_search;
    CRemoteSearch* m_remote;
    CNoDvrLine* m_noDvr;
    CPlaybackFile* m_thread;
    QPointer<CDisplayWidget> m_display;
    QList<QMetaObject::Connection> m_threadLinks;
    bool m_local = true;
    QString m_folder;
    QFileInfoList m_files;
    HdbFileHeader m_header;
    int m_fileIndex = 0;
    bool m_sliderHeld = false;
    std::time_t m_lastShown = 0;
    QString m_startTime;
};
