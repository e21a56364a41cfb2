#pragma once

#include <QObject>

class QSoundEffect;

// The event alarm: a short sound repeated without end while the wall shows a
// motion or sensor event, switched on and off by the AlarmSound setting.
// GUI thread only.
class CEventSound : public QObject {
    Q_OBJECT

public:
    static const QString SOUND_RESOURCE;

    CEventSound();
    ~CEventSound() override;

    // Starts the sound on an event and stops it when the event is over; does
    // nothing while the alarm is switched off.
    void setEvent(bool event);
    // Re-reads AlarmSound (absent: off); switching off silences the sound.
    void UpdateSetting();
    // Silences the sound and switches the alarm off until UpdateSetting.
    void reset();
    void play();
    void stop();

    bool isPlaying() const { return m_playing; }
    bool isEnabled() const { return m_enabled; }

private:
    QSoundEffect* m_sound;
    bool m_playing = false;
    bool m_enabled = false;
};
