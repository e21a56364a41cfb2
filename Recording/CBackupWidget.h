#pragma once

#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QList>
#include <QWidget>
#include <ctime>

class CNoDvrLine;
class CRemoteSearch;
class CSearchDataParser;
class CSearchWidget;
class QPushButton;

namespace Ui {
class CBackupWidget;
}

// The page of the backup mode: searches the current DVR's recordings as the
// playback panel does, lets the operator mark a range by its start and end
// (or a length of 10, 30 or 60 minutes from the start) and the channels,
// and asks the main window to back it up. While the backup runs it sums
// the stream's progress reports. With no DVR to search it says so, and
// there is nothing to start.
//
// Every end of a backup goes one way, the way Stop goes: the range complete,
// Stop, a failure, or the main window ending it (a mode change, a lost
// connection, an act in the DVR tree). The main window stops the stream and
// completes the files while the page still runs, so that the page hears a
// failure to complete them; then the page is idle, and the operator reads
// why the backup ended when it was not Stop or its end, and the failure.
//
// Times are the DVR's wall clock, read as UTC.
class CBackupWidget : public QWidget {
    Q_OBJECT

public:
    explicit CBackupWidget(QWidget* parent = nullptr);
    ~CBackupWidget() override;

    // Clears the search panel and the progress; the hour asked first, and
    // shown, is that of now.
    void clear();
    // Remote search of the entry's DVR, with its account; a client id
    // below 0 asks nothing.
    void search(const DVR& dvr, CDirectoryEntry::Id entry, int channels, int clientId);
    bool isBackup() const;
    // The recordings searched are that DVR's (by its address and port),
    // searched for that entry.
    bool searched(const DVR& dvr, CDirectoryEntry::Id entry) const;
    // Shows the last reply again, without asking the DVR; false when the
    // search has no reply to show (refused, unanswered or still awaited).
    bool reloadSearchData();
    // The DVR searched is not the one to show any more: its recordings and
    // the range chosen in them leave the page, and neither a reload nor a
    // move to another hour asks it again; the page says it has no DVR to
    // search.
    void forgetDvr();
    virtual void languageChange();

public slots:
    // Stop, also for the main window. Nothing while none runs.
    void OnBackupStop();
    // Seconds the backup stream moved on; -1 when it reached the range's end.
    void OnUpdateProgress(int value);
    // The backup cannot be completed (the recorder failed, the DVR ended the
    // stream early), or its files could not be completed as it ended.
    void OnBackupFailed(const QString& reason);
    // The main window ends the backup for another reason than Stop: the
    // operator is told why. Nothing while none runs.
    void OnBackupEnded(const QString& why);

signals:
    void backupStart(time_t startTime, time_t endTime, int channels);
    void backupStop();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnBackupStart();
    void OnSelectedStart(bool checked);
    void OnSelectedEnd(bool checked);
    void OnSetupRange();
    void OnChangedTime();
    void updateSelectedRange();

private:
    void displaySearchData(const CSearchDataParser& result);
    void displayTime();
    void layoutPanel();
    void setRunning(bool running);
    // Whether there is a DVR to search and back up: the line, and Start
    // while idle, follow it.
    void showNoDvr();
    // Every end of a backup: the operator reads why (when given), the failure
    // to complete the files, or else `otherwise` (when given).
    void end(const QString& why, const QString& otherwise = QString());

    Ui::CBackupWidget* ui;
    CSearchWidget* m_search;
    CRemoteSearch* m_remote;
    CNoDvrLine* m_noDvr;
    QList<QPushButton*> m_rangeButtons;
    std::time_t m_start = 0;
    std::time_t m_end = 0;
    bool m_rangeShown = false;
    // A search was started whose first reply is still to be shown.
    bool m_rangeDue = false;
    std::time_t m_lastShown = 0;
    qint64 m_progress = 0;
    // While the main window completes the backup's files: a failure
    // reported meanwhile is told with the end.
    bool m_completing = false;
    QString m_failure;
};
