#include "CPendingSettings.h"

#include "Common/ApplicationInstance.h"
#include "Settings/CAppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QtDebug>

namespace {

const char INSTANCE_NAME[] = "pendingSettings";

} // namespace

CPendingSettings::CPendingSettings(QObject* parent)
    : QObject(parent)
{
    m_retry.setInterval(RETRY_MS);
    connect(&m_retry, &QTimer::timeout, this, [this] { write(false, nullptr); });
}

CPendingSettings& CPendingSettings::ofApplication()
{
    return applicationInstance<CPendingSettings>(
        INSTANCE_NAME, [](QObject* application) { return new CPendingSettings(application); });
}

void CPendingSettings::keep(const QMap<QString, QVariant>& values, const Naming& name)
{
    if (values.isEmpty())
        return;
    m_values.insert(values);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_names.insert(it.key(), name);
    QString reason;
    if (write(false, &reason))
        return;
    // Told once for each choice, not at every try.
    qWarning("error: settings not saved to %s: %s; kept until it can be written",
        qPrintable(QDir::toNativeSeparators(CAppSettings::fileName())), qPrintable(reason));
    if (!m_retry.isActive())
        m_retry.start();
}

QVariant CPendingSettings::value(const QString& key, const QVariant& defaultValue) const
{
    const auto pending = m_values.constFind(key);
    return pending != m_values.cend() ? *pending : CAppSettings().readSetting(key, defaultValue);
}

QStringList CPendingSettings::saveOrGiveUp(QString* reason)
{
    if (m_values.isEmpty() || write(true, reason))
        return {};
    QStringList names;
    for (const Naming& name : std::as_const(m_names)) {
        const QString text = name();
        if (!names.contains(text))
            names << text;
    }
    m_values.clear();
    m_names.clear();
    m_retry.stop();
    return names;
}

QString CPendingSettings::lostMessage(const QStringList& names, const QString& reason)
{
    return tr("These choices could not be saved to %1 (%2) and are lost:")
               .arg(QDir::toNativeSeparators(CAppSettings::fileName()), reason)
        + QLatin1Char('\n') + names.join(QLatin1Char('\n'));
}

bool CPendingSettings::write(bool wait, QString* reason)
{
    CAppSettings settings;
    settings.writeSettings(m_values);
    const CWholeFileWriter::Result result = wait ? settings.save(reason) : settings.trySave(reason);
    if (result == CWholeFileWriter::Result::Failed)
        return false;
    m_values.clear();
    m_names.clear();
    m_retry.stop();
    emit written();
    return true;
}
