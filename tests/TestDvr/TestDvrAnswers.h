#pragma once

#include "TestDvrContent.h"
#include "TestDvrReply.h"
#include "TestDvrRequest.h"

namespace google::protobuf {
class MessageLite;
}

// The answers of a well-behaved DVR, built from its content.
class TestDvrAnswers {
public:
    // Answer codes of a response packet.
    static constexpr quint8 ANSWER_ACCEPTED = 0;
    static constexpr quint8 ANSWER_USER_UNKNOWN = 1;
    static constexpr quint8 ANSWER_PASSWORD_MISS = 2;
    static constexpr quint8 ANSWER_PERMISSION_DENIED = 4;
    // The old dialect's response packet type.
    static constexpr quint8 OLD_RESPONSE_TYPE = 1;

    static TestDvrReply standard(const TestDvrRequest& request, const TestDvrContent& content);
    // A request whose credentials are wrong: a response packet with the code.
    static TestDvrReply refusal(const TestDvrRequest& request, const TestDvrContent& content);

    // New-dialect stream: an accepting response packet, the DVR's identity,
    // then a status packet now and then for as long as the client stays.
    static TestDvrReply stream(const TestDvrContent& content, int mode);

    static QByteArray messagePacket(quint8 clientId, quint8 type, const google::protobuf::MessageLite& message);
    static QByteArray responsePacket(quint8 clientId, quint8 code, bool oldDialect);

private:
    static TestDvrReply newDialect(const TestDvrRequest& request, const TestDvrContent& content);
    static TestDvrReply oldDialect(const TestDvrRequest& request, const TestDvrContent& content);
};
