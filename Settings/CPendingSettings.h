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
//
// Several viewers share the file, so the later choice of a key stands,
// whichever viewer writes first: each key written here is stored with the
// moment it was chosen (CAppSettings keeps it, also for a value of the key
// saved at once), and a pending choice older than the stored one's is
// given up, logged, and no longer read. A key stored without that moment
// (by another program, or before the moments were kept), or with one too
// far ahead of this computer's clock to be believed, counts as chosen
// before any pending one. The moments are this computer's clock: viewers on
// computers whose clocks differ order their choices by those clocks. A try
// in which every pending choice is given up leaves the file as it is. GUI
// thread.
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
    // Either way they count as chosen now.
    void keep(const QMap<QString, QVariant>& values, const Naming& name);
    // The key's pending value, otherwise the stored one.
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    bool isEmpty() const { return m_choices.isEmpty(); }
    // Writes what is pending, waiting for the lock as CAppSettings::save
    // does; what that could not write is given up: its names are returned,
    // with the reason. Choices given up for later ones are not among them.
    QStringList saveOrGiveUp(QString* reason);
    // The operator's sentence for choices given up.
    static QString lostMessage(const QStringList& names, const QString& reason);

signals:
    // Nothing is pending any more: all was written, or given up for later
    // choices.
    void written();
    // These keys' pending values were given up for later choices stored by
    // another viewer: they now read as stored.
    void overtaken(const QStringList& keys);

private:
    struct Choice {
        QVariant value;
        qint64 chosenAtUs; // since the epoch
        Naming name;
    };

    explicit CPendingSettings(QObject* parent);
    // True when the file took what was pending (it is then no longer).
    bool write(bool wait, QString* reason);

    QMap<QString, Choice> m_choices;
    QTimer m_retry;
};
