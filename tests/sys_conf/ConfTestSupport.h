#pragma once

#include "AbortProbe.h"
#include "sys_conf/types/CConfParser.h"

#include <QByteArray>
#include <QTest>
#include <QtGlobal>
#include <csignal>
#include <functional>

using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

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

// Rows of a golden-vector table: columns written, expected, parsed, reparsed.
inline void addGoldenColumns()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QByteArray>("reparsed");
}

// message must serialize to expected, and expected must parse back into a
// message that serializes the same.
template <class Message> void addGoldenRow(const char* name, const Message& message, const QByteArray& expected)
{
    Message parsed;
    const bool ok = CConfParser::parse(expected, parsed);
    QTest::newRow(name) << hex(serializedBytes(message)) << hex(expected) << ok << hex(serializedBytes(parsed));
}

template <class Message> void addGoldenRow(const char* name, const Message& message, const char* expectedHex)
{
    addGoldenRow(name, message, QByteArray::fromHex(expectedHex));
}

inline void checkGoldenRow()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QFETCH(bool, parsed);
    QFETCH(QByteArray, reparsed);
    QCOMPARE(written, expected);
    QVERIFY(parsed);
    QCOMPARE(reparsed, expected);
}

// Rows of a parsing table: the input parses and is written back as writtenHex.
inline void addParseColumns()
{
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");
}

template <class Message> void addParseRow(const char* name, const char* inputHex, const char* writtenHex)
{
    Message message;
    const bool ok = CConfParser::parse(QByteArray::fromHex(inputHex), message);
    QTest::newRow(name) << ok << hex(serializedBytes(message)) << hex(QByteArray::fromHex(writtenHex));
}

inline void checkParseRow()
{
    QFETCH(bool, parsed);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QVERIFY(parsed);
    QCOMPARE(written, expected);
}

// Rows of calls that must stop the program, naming the function and source.
inline void addAbortColumns()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("source");
}

// Runs the row's action in a child process. The child writes its fatal message
// to its error output instead of the test log, and dies without the test
// library's crash report.
inline void checkAbortRow()
{
    QFETCH(Action, action);
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, source);

    const AbortProbe::Outcome outcome = AbortProbe::run([&action] {
        qInstallMessageHandler(nullptr);
        std::signal(SIGABRT, SIG_DFL);
        action();
    });

    QVERIFY(outcome.aborted);
    QVERIFY2(outcome.errorOutput.contains(function), outcome.errorOutput.constData());
    QVERIFY2(outcome.errorOutput.contains(source), outcome.errorOutput.constData());
}
