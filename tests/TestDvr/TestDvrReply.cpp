#include "TestDvrReply.h"

TestDvrReply TestDvrReply::http(int status, const QByteArray& body, const QByteArray& contentType)
{
    TestDvrReply reply;
    reply.status = status;
    reply.body = body;
    reply.contentType = contentType;
    return reply;
}

TestDvrReply TestDvrReply::streamed(StreamFactory factory)
{
    TestDvrReply reply;
    reply.stream = std::move(factory);
    return reply;
}

QByteArray TestDvrReply::reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}
