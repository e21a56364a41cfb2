#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// Writes settings as INI text that QSettings reads back to the same keys
// and values, by the rules of QSettings' own INI writer, so that the toolkit
// stays the one reader of the settings file: keys without a group go to
// [General], the first '/' of a key splits off its group, keys and texts
// are escaped as the toolkit escapes them, and values other than texts,
// numbers and lists are written in the toolkit's own @-forms. No state; any
// thread; cannot fail.
class CIniWriter {
public:
    static QByteArray toIni(const QMap<QString, QVariant>& values);

private:
    static void appendKey(const QString& key, QByteArray& out);
    static void appendValue(const QVariant& value, QByteArray& out);
    static QString valueText(const QVariant& value);
    static void appendText(const QString& text, QByteArray& out);
};
