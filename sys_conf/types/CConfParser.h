#pragma once

#include <QByteArray>
#include <QtGlobal>

// The one way configuration bytes from a DVR or a file become messages.
//
// The protobuf runtime keeps fields it does not know, and enumeration values
// outside their range, as unknown fields and writes them back when the message
// is serialized. A configuration is edited and sent back to the DVR, so such
// bytes are dropped here, right after parsing, at every level of the message:
// what this program does not understand never travels back to a DVR or a file.
//
// parse() accepts every message type of the configuration schema (config::DvrConf
// and each of its parts and sub-messages).
class CConfParser {
public:
    // Replaces message with the parsed bytes and returns true. Malformed
    // bytes (a truncated varint or length, a length beyond the end, nesting too
    // deep) return false and leave message as it was.
    template <class Message> static bool parse(const char* data, qint64 size, Message& message);

    template <class Message> static bool parse(const QByteArray& bytes, Message& message)
    {
        return parse(bytes.constData(), bytes.size(), message);
    }
};
