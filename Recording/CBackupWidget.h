#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QWidget>
#include <ctime>

// The backup panel of the main window's backup mode: searches a DVR's
// recordings and backs a time range of chosen channels up into local files.
class CBackupWidget : public QWidget {
    Q_OBJECT

public:
    explicit CBackupWidget(QWidget* parent = nullptr);
    ~CBackupWidget() override;

    // Clears the panel, selects the current time and resets the progress.
    void clear();
    // Remote search; a negative client id requests nothing.
    void search(const DVR& dvr, int channels, int clientId);
    void OnBackupStop();
    bool isBackup() const;
    void setGroupIndex(int index);
    void setDvrIndex(int index);
    int getGroupIndex() const;
    int getDvrIndex() const;
    void reloadSearchData();

public slots:
    void OnUpdateProgress(int value);

signals:
    void backupStart(time_t startTime, time_t endTime, int channels);
    void backupStop();

private:
    int m_groupIndex = -1;
    int m_dvrIndex = -1;
};
