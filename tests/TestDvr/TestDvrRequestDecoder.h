#pragma once

#include "TestDvrRequest.h"

#include <QByteArray>
#include <QString>

// Decodes a received request as a DVR reads it: what kind it is, which
// dialect, its mode, its parameters (new dialect: the USER and DATA
// messages), its upload parts, and whether its credentials are right.
class TestDvrRequestDecoder {
public:
    static const QByteArray CGI_PATH;

    // The new dialect carries the credentials as UTF-8, the old one as EUC-KR.
    static void decode(TestDvrRequest* request, const QString& user, const QString& password);

    // The pairs of a query: split at "&" and at the first "=" of each piece;
    // a piece without "=" gives an empty value.
    static TestDvrPairs splitQuery(const QByteArray& query);
};
