#include "TestDvrMultipart.h"

namespace {

QByteArray quotedParameter(const QByteArray& header, const QByteArray& name)
{
    const QByteArray key = name + "=\"";
    const qsizetype start = header.indexOf(key);
    if (start < 0)
        return QByteArray();
    const qsizetype valueStart = start + key.size();
    const qsizetype end = header.indexOf('"', valueStart);
    return end < 0 ? QByteArray() : header.mid(valueStart, end - valueStart);
}

bool parsePart(const QByteArray& block, TestDvrUploadPart* part)
{
    const qsizetype headEnd = block.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    for (const QByteArray& line : block.left(headEnd).split('\n')) {
        const QByteArray header = line.trimmed();
        if (header.startsWith("Content-Disposition:")) {
            part->name = quotedParameter(header, "name");
            part->fileName = quotedParameter(header, "filename");
        }
    }
    part->content = block.mid(headEnd + 4);
    return true;
}

} // namespace

QByteArray TestDvrMultipart::boundaryOf(const QByteArray& contentType)
{
    const QByteArray key = "boundary=";
    const qsizetype at = contentType.indexOf(key);
    if (at < 0)
        return QByteArray();
    QByteArray boundary = contentType.mid(at + key.size());
    const qsizetype end = boundary.indexOf(';');
    if (end >= 0)
        boundary.truncate(end);
    return boundary.trimmed();
}

bool TestDvrMultipart::parse(const QByteArray& body, const QByteArray& boundary, QList<TestDvrUploadPart>* parts)
{
    parts->clear();
    if (boundary.isEmpty())
        return false;
    const QByteArray opening = "--" + boundary + "\r\n";
    const QByteArray separator = "\r\n--" + boundary;
    if (!body.startsWith(opening))
        return false;

    qsizetype at = opening.size();
    for (;;) {
        const qsizetype next = body.indexOf(separator, at);
        if (next < 0)
            return false;
        TestDvrUploadPart part;
        if (!parsePart(body.mid(at, next - at), &part))
            return false;
        parts->append(part);
        at = next + separator.size();
        if (body.mid(at) == "--\r\n")
            return true;
        if (body.mid(at, 2) != "\r\n")
            return false;
        at += 2;
    }
}
