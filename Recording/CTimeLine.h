#pragma once

#include <QList>
#include <QWidget>

class CHour;
class CHourData;
class CMinData;
class CMinute;
class QPushButton;

// The search time line: the hour bar of a day over the minute grid of one
// hour, one row per channel, with an "ALL" button and a button per channel
// beside the rows. The operator moves the chosen hour and minute with the
// mouse, chooses a recorded minute by double click and picks the channels
// with the buttons.
class CTimeLine : public QWidget {
    Q_OBJECT

public:
    // Rows for the channel count; a count outside 1-16 (none known, or more
    // than a time line can hold) gives 16.
    CTimeLine(int channels, QWidget* parent = nullptr);

    void clear();
    void ClearHourData();
    void ClearMinData();
    void SetHourData(const CHourData& data);
    void SetMinData(const CMinData& data);

    // Moves both cursors without timeChanged().
    void setSelectedTime(int hour, int minute);
    int getHour() const { return m_hour; }
    int getMinute() const { return m_minute; }
    // Bit i for each checked button of channel i + 1.
    int getSelectedChannels() const;
    // Marks minutes firstMinute to endMinute - 1 of the shown hour on the
    // channels of the mask.
    void updateSelectedRange(int channels, int firstMinute, int endMinute);

    void languageChange();

signals:
    // The operator moved the hour or minute cursor to another time.
    void timeChanged();
    // The operator double-clicked a minute that holds recordings.
    void timeSelected();
    // The operator clicked "ALL" or a channel button.
    void channelsChanged();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedTime();
    void OnSelectedTime();
    void OnAllBnClicked();
    void OnChBnClicked();

private:
    void createChButtons(int channels);
    QPushButton* createButton(int top);

    CHour* m_hourBar;
    CMinute* m_minuteGrid;
    QPushButton* m_allButton = nullptr;
    QList<QPushButton*> m_channelButtons;
    int m_hour = 0;
    int m_minute = 0;
};
