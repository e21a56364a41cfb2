#pragma once

#include "TestDvrUploadPart.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <optional>

using TestDvrPairs = QList<QPair<QByteArray, QByteArray>>;

// One request as the test DVR received it, with what it decoded from it, so
// a test can assert exactly what a client sent.
struct TestDvrRequest {
    enum Kind {
        Command, // POST of a query as the body
        DataRead, // GET with the query appended to the URL
        Upload, // POST of a multipart body
        StreamRequest, // raw "GET <target>\r\n\r\n" without an HTTP version
        Malformed // not a request the DVR understands
    };
    enum Dialect { NewDialect, OldDialect };

    // As received.
    QByteArray method;
    QByteArray target;
    QByteArray version; // empty for a raw stream request
    QByteArray path;
    QByteArray query; // the query of a GET or a command body, byte for byte
    TestDvrPairs headers; // in the order received
    QByteArray body;

    // Decoded.
    Kind kind = Malformed;
    Dialect dialect = OldDialect;
    int mode = -1;
    TestDvrPairs params; // the query's (or the upload's) pairs, values as sent
    cgi::User user; // new dialect: the USER message
    bool userDecoded = false;
    QByteArray data; // new dialect: the bytes of the DATA message
    bool dataDecoded = false;
    QList<TestDvrUploadPart> parts;
    bool userKnown = false; // the user id is the DVR's
    bool authorized = false; // user id and password are right
    bool guest = false; // authorized as the account that may not steer the cameras

    QByteArray header(const QByteArray& name) const; // case-insensitive; empty when absent
    bool hasParam(const QByteArray& key) const;
    QByteArray param(const QByteArray& key) const; // as sent (still escaped)
    QByteArray decodedParam(const QByteArray& key) const; // URL-unescaped
    // A relay command of either dialect: whether it switches the relay on.
    std::optional<bool> relayOn() const;
};
