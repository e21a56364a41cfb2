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
    const qint64 chosenAtUs = CAppSettings::nowUs();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_choices.insert(it.key(), {*it, chosenAtUs, name});
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
    const auto pending = m_choices.constFind(key);
    return pending != m_choices.cend() ? pending->value : CAppSettings().readSetting(key, defaultValue);
}

QStringList CPendingSettings::saveOrGiveUp(QString* reason)
{
    if (m_choices.isEmpty() || write(true, reason))
        return {};
    QStringList names;
    for (const Choice& choice : std::as_const(m_choices)) {
        const QString text = choice.name();
        if (!names.contains(text))
            names << text;
    }
    m_choices.clear();
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
    QStringList laterElsewhere;
    // Under the lock, against the file as it is then: no other viewer can
    // store a later choice between the comparison and the save.
    const auto merge = [&] {
        for (auto it = m_choices.cbegin(); it != m_choices.cend(); ++it) {
            const std::optional<qint64> storedAtUs = settings.chosenAt(it.key());
            if (storedAtUs && *storedAtUs > it->chosenAtUs)
                laterElsewhere << it.key();
            else
                settings.writeChosenSetting(it.key(), it->value, it->chosenAtUs);
        }
    };
    const CWholeFileWriter::Result result
        = wait ? settings.saveFilling(merge, reason) : settings.trySaveFilling(merge, reason);
    if (result == CWholeFileWriter::Result::Failed)
        return false;
    m_choices.clear();
    m_retry.stop();
    const QByteArray path = QDir::toNativeSeparators(CAppSettings::fileName()).toLocal8Bit();
    for (const QString& key : std::as_const(laterElsewhere))
        qWarning("note: the choice of %s made on this viewer is not saved to %s: another viewer chose it later",
            qPrintable(key), path.constData());
    emit written();
    if (!laterElsewhere.isEmpty())
        emit overtaken(laterElsewhere);
    return true;
}
