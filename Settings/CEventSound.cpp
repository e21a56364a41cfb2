#include "Settings/CEventSound.h"

#include "Settings/CAppSettings.h"

#include <QSoundEffect>
#include <QUrl>

const QString CEventSound::SOUND_RESOURCE = QStringLiteral(":/Viewer/files/sound/AlarmSound.wav");

CEventSound::CEventSound()
    : m_sound(new QSoundEffect(this))
{
    // The resource lives in this static library; nothing else references it.
    Q_INIT_RESOURCE(EventSound);
    m_sound->setSource(QUrl(QStringLiteral("qrc") + SOUND_RESOURCE));
    m_sound->setLoopCount(QSoundEffect::Infinite);
}

CEventSound::~CEventSound() = default;

void CEventSound::setEvent(bool event)
{
    if (!m_enabled)
        return;
    if (event)
        play();
    else
        stop();
}

void CEventSound::UpdateSetting()
{
    m_enabled = CAppSettings().readSetting(CAppSettings::ALARM_SOUND).toBool();
    if (!m_enabled)
        stop();
}

void CEventSound::reset()
{
    stop();
    m_enabled = false;
}

void CEventSound::play()
{
    if (m_playing)
        return;
    m_sound->play();
    m_playing = true;
}

void CEventSound::stop()
{
    if (!m_playing)
        return;
    m_sound->stop();
    m_playing = false;
}
