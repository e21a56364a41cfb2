#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QList>
#include <QWidget>
#include <ctime>

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
// the stream's progress reports, and it returns to idle when the range is
// complete, when the operator stops, when the backup fails, or when the
// DVR's record changes under it.
//
// Times are the DVR's wall clock, read as UTC.
class CBackupWidget : public QWidget {
    Q_OBJECT

public:
    explicit CBackupWidget(QWidget* parent = nullptr);
    ~CBackupWidget() override;

    // Clears the search panel and the progress; the hour asked first is
    // that of now.
    void clear();
    // Remote search; a client id below 0 asks nothing.
    void search(const DVR& dvr, int channels, int clientId);
    bool isBackup() const;
    void setGroupIndex(int index) { m_groupIndex = index; }
    void setDvrIndex(int index) { m_dvrIndex = index; }
    int getGroupIndex() const { return m_groupIndex; }
    int getDvrIndex() const { return m_dvrIndex; }
    // Shows the last reply again, without asking the DVR.
    void reloadSearchData();
    virtual void languageChange();

public slots:
    void OnBackupStop();
    // Seconds the backup stream moved on; -1 when it reached the range's end.
    void OnUpdateProgress(int value);
    // The backup cannot be completed (the recorder failed, the DVR ended the
    // stream early): back to idle, with the reason shown.
    void OnBackupFailed(const QString& reason);
    // The DVR's record was edited while its backup ran: the backup ends as
    // Stop ends it, and the operator is told why. Nothing while none runs.
    void OnDvrChanged();

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
    // Ends the backup as Stop does; the failure the main window reports
    // while it completes the files, empty when they are complete.
    QString stopAndHearFailure();

    Ui::CBackupWidget* ui;
    CSearchWidget* m_search;
    CRemoteSearch* m_remote;
    QList<QPushButton*> m_rangeButtons;
    int m_groupIndex = 0;
    int m_dvrIndex = 0;
    std::time_t m_start = 0;
    std::time_t m_end = 0;
    bool m_rangeShown = false;
    std::time_t m_lastShown = 0;
    qint64 m_progress = 0;
    // While the panel tells the main window that the backup ends: a failure
    // reported meanwhile (the recorder could not finish its files) is told
    // with, or instead of, the panel's own message.
    bool m_completing = false;
    QString m_failure;
};
