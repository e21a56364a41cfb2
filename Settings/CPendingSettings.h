#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <functional>

// The operator's choices that this viewer could not write yet, while
// another program holds the settings file: the one place that keeps them.
// A choice is written at once when the file is free, without waiting for
// its lock, so that no click waits for another program; otherwise it stays
// pending, reads as chosen, and is tried again every RETRY_MS on its own
// until it is written. The program's end gives what is still pending its
// one wait, and what even that could not write is told to the operator.
// GUI thread.
class CPendingSettings : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 500;
    // The operator's name of a choice, in the language of the moment it is
    // told.
    using Naming = std::function<QString()>;

    // Lives and goes with the application object.
    static CPendingSettings& ofApplication();

    // Writes the values, with what is still pending, if the file is free;
    // otherwise keeps them (a later value of a key replaces an earlier one).
    void keep(const QMap<QString, QVariant>& values, const Naming& name);
    // The key's pending value, otherwise the stored one.
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    bool isEmpty() const { return m_values.isEmpty(); }
    // Writes what is pending, waiting for the lock as CAppSettings::save
    // does; what that could not write is given up: its names are returned,
    // with the reason.
    QStringList saveOrGiveUp(QString* reason);
    // The operator's sentence for choices given up.
    static QString lostMessage(const QStringList& names, const QString& reason);

signals:
    // Nothing is pending any more: all was written.
    void written();

private:
    explicit CPendingSettings(QObject* parent);
    // True when the file took what was pending (it is then no longer).
    bool write(bool wait, QString* reason);

    QMap<QString, QVariant> m_values;
    QMap<QString, Naming> m_names; // by key
    QTimer m_retry;
};
