#pragma once

#include "AbortProbe.h"

#include <QByteArray>
#include <QtGlobal>
#include <functional>

// Serializes as the setup hub does: the exact size first, then the bytes.
template <class Message> QByteArray serializedBytes(const Message& message)
{
    QByteArray bytes(static_cast<qsizetype>(message.ByteSizeLong()), Qt::Uninitialized);
    message.SerializeToArray(bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

// Spaced hexadecimal, so that a failed comparison shows where bytes differ.
inline QByteArray hex(const QByteArray& bytes)
{
    return bytes.toHex(' ');
}

// Runs code that must stop the program. The child writes its fatal message to
// its error output instead of the test log.
inline AbortProbe::Outcome expectAbort(const std::function<void()>& code)
{
    return AbortProbe::run([&code] {
        qInstallMessageHandler(nullptr);
        code();
    });
}
