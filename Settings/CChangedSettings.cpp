#include "CChangedSettings.h"

#include "Settings/CAppSettings.h"

#include <algorithm>

void CChangedSettings::setLoaded(const QMap<QString, QVariant>& shown)
{
    m_loaded = shown;
}

QVariant CChangedSettings::loaded(const QString& key) const
{
    return m_loaded.value(key);
}

bool CChangedSettings::showsAny(const QStringList& keys) const
{
    return std::any_of(keys.cbegin(), keys.cend(), [this](const QString& key) { return m_loaded.contains(key); });
}

CWholeFileWriter::Result CChangedSettings::save(const QMap<QString, QVariant>& shown, QString* reason)
{
    CAppSettings settings;
    settings.writeSettings(changes(shown));
    const CWholeFileWriter::Result saved = settings.save(reason);
    if (saved != CWholeFileWriter::Result::Failed)
        m_loaded.insert(shown);
    return saved;
}

void CChangedSettings::keep(const QMap<QString, QVariant>& shown, const CPendingSettings::Naming& name)
{
    CPendingSettings::ofApplication().keep(changes(shown), name);
    m_loaded.insert(shown);
}

QMap<QString, QVariant> CChangedSettings::changes(const QMap<QString, QVariant>& shown) const
{
    QMap<QString, QVariant> changed;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (m_loaded.value(it.key()) != *it)
            changed.insert(it.key(), *it);
    }
    return changed;
}
