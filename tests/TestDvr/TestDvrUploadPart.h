#pragma once

#include <QByteArray>

// One part of a multipart upload as the test DVR received it.
struct TestDvrUploadPart {
    QByteArray name;
    QByteArray fileName; // empty when the part carries no file
    QByteArray content;
};
