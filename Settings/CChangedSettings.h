#pragma once

#include "Common/CWholeFileWriter.h"
#include "Settings/CPendingSettings.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// What a page of settings showed when it loaded them, so that its save
// writes only the keys whose value the operator changed on this viewer
// since: what another viewer saved meanwhile under the others stays. A
// value the page shows otherwise than stored (one no control offers) counts
// as loaded, and stays stored as it is unless the operator changes it. The
// settings store is opened for each save; a failed save (the reason as
// CAppSettings::save gives it) keeps the changes pending for the next one;
// a page whose choices are saved as they are made hands them to
// CPendingSettings instead, which keeps them until the file takes them.
// GUI thread.
class CChangedSettings {
public:
    // The keys and values shown once the page has loaded them.
    void setLoaded(const QMap<QString, QVariant>& shown);
    QVariant loaded(const QString& key) const;
    // One of those keys is the page's: the page shows a value of it.
    bool showsAny(const QStringList& keys) const;
    // Writes the keys of `shown` whose value differs from the loaded one,
    // all or none; unless Failed, they are then the loaded values.
    CWholeFileWriter::Result save(const QMap<QString, QVariant>& shown, QString* reason = nullptr);
    // Hands those keys to the application's pending settings, written at
    // once when the file is free; they are then the loaded values.
    void keep(const QMap<QString, QVariant>& shown, const CPendingSettings::Naming& name);

private:
    QMap<QString, QVariant> changes(const QMap<QString, QVariant>& shown) const;

    QMap<QString, QVariant> m_loaded;
};
