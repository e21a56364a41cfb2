#include "TestDvrRequestReader.h"

TestDvrRequestReader::Result TestDvrRequestReader::take(QByteArray& buffer, TestDvrRequest* request)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return buffer.size() > MAX_HEAD_SIZE ? Bad : NeedMore;
    if (headEnd > MAX_HEAD_SIZE)
        return Bad;

    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    QList<QByteArray> requestLine;
    for (const QByteArray& token : lines.first().trimmed().split(' ')) {
        if (!token.isEmpty())
            requestLine << token;
    }
    if (requestLine.size() != 2 && requestLine.size() != 3)
        return Bad;

    TestDvrRequest parsed;
    parsed.method = requestLine.at(0);
    parsed.target = requestLine.at(1);
    parsed.version = requestLine.value(2);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return Bad;
        parsed.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    if (!parsed.header("Transfer-Encoding").isEmpty())
        return Bad;

    qsizetype bodyLength = 0;
    const QByteArray lengthText = parsed.header("Content-Length");
    if (!lengthText.isEmpty()) {
        bool ok = false;
        bodyLength = lengthText.toLongLong(&ok);
        if (!ok || bodyLength < 0 || bodyLength > MAX_BODY_SIZE)
            return Bad;
    }
    const qsizetype bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < bodyLength)
        return NeedMore;

    parsed.body = buffer.mid(bodyStart, bodyLength);
    const qsizetype question = parsed.target.indexOf('?');
    parsed.path = question < 0 ? parsed.target : parsed.target.left(question);
    if (question >= 0)
        parsed.query = parsed.target.mid(question + 1);
    buffer.remove(0, bodyStart + bodyLength);
    *request = parsed;
    return Complete;
}
