#pragma once

#include "TestDvrUploadPart.h"

#include <QByteArray>
#include <QList>

// Splits a "multipart/form-data" body into its parts.
class TestDvrMultipart {
public:
    // The boundary parameter of a Content-Type header, or empty.
    static QByteArray boundaryOf(const QByteArray& contentType);

    // False when the body does not follow the multipart layout for that
    // boundary (the parts found before the fault are kept).
    static bool parse(const QByteArray& body, const QByteArray& boundary, QList<TestDvrUploadPart>* parts);
};
