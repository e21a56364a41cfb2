#include "TestDvrRequestDecoder.h"

#include "Common/CEucKr.h"
#include "TestDvrMultipart.h"
#include "dvr_protocol/base64.h"
#include "dvr_protocol/cgi_protocol.h"
#include "dvr_types/urlencode.h"

const QByteArray TestDvrRequestDecoder::CGI_PATH = "/cgi-bin/webapp.cgi";

namespace {

std::string text(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TestDvrRequest::Kind kindOf(const TestDvrRequest& request)
{
    if (request.path != TestDvrRequestDecoder::CGI_PATH)
        return TestDvrRequest::Malformed;
    if (request.method == "GET")
        return request.version.isEmpty() ? TestDvrRequest::StreamRequest : TestDvrRequest::DataRead;
    if (request.method != "POST" || request.version.isEmpty())
        return TestDvrRequest::Malformed;
    if (request.header("Content-Type").startsWith("multipart/form-data"))
        return TestDvrRequest::Upload;
    return TestDvrRequest::Command;
}

void decodeNewDialect(TestDvrRequest* request, const QString& user, const QString& password)
{
    request->mode = cgi::Url2Mode(text(request->param("MODE")));
    request->userDecoded = cgi::Url2User(text(request->param("USER")), &request->user) == 0;

    std::string bytes;
    request->dataDecoded = from64tobits(urldecode(text(request->param("DATA"))), &bytes) == 0;
    request->data = QByteArray::fromStdString(bytes);

    request->userKnown = request->userDecoded && request->user.name() == user.toStdString();
    request->authorized = request->userKnown && request->user.password() == password.toStdString();
}

void decodeOldDialect(TestDvrRequest* request, const QString& user, const QString& password)
{
    bool ok = false;
    request->mode = request->decodedParam("MODE").toInt(&ok);
    if (!ok)
        request->mode = -1;
    // Commands that name a stream by its client id carry no credentials.
    if (!request->hasParam("ID") && !request->hasParam("PW")) {
        request->userKnown = true;
        request->authorized = true;
        return;
    }
    // Old DVRs take the values as they stand: no escape is decoded.
    request->userKnown = request->param("ID") == CEucKr::fromUnicode(user);
    request->authorized = request->userKnown && request->param("PW") == CEucKr::fromUnicode(password);
}

} // namespace

TestDvrPairs TestDvrRequestDecoder::splitQuery(const QByteArray& query)
{
    TestDvrPairs pairs;
    if (query.isEmpty())
        return pairs;
    for (const QByteArray& piece : query.split('&')) {
        const qsizetype equals = piece.indexOf('=');
        if (equals < 0)
            pairs.append({piece, QByteArray()});
        else
            pairs.append({piece.left(equals), piece.mid(equals + 1)});
    }
    return pairs;
}

void TestDvrRequestDecoder::decode(TestDvrRequest* request, const QString& user, const QString& password)
{
    request->kind = kindOf(*request);
    switch (request->kind) {
    case TestDvrRequest::Malformed:
        return;
    case TestDvrRequest::Command:
        request->query = request->body;
        request->params = splitQuery(request->body);
        break;
    case TestDvrRequest::DataRead:
    case TestDvrRequest::StreamRequest:
        request->params = splitQuery(request->query);
        break;
    case TestDvrRequest::Upload: {
        const QByteArray boundary = TestDvrMultipart::boundaryOf(request->header("Content-Type"));
        if (!TestDvrMultipart::parse(request->body, boundary, &request->parts)) {
            request->kind = TestDvrRequest::Malformed;
            return;
        }
        for (const TestDvrUploadPart& part : request->parts) {
            if (part.fileName.isEmpty() && part.name != "agree")
                request->params.append({part.name, part.content});
        }
        break;
    }
    }

    request->dialect = request->hasParam("USER") ? TestDvrRequest::NewDialect : TestDvrRequest::OldDialect;
    if (request->dialect == TestDvrRequest::NewDialect)
        decodeNewDialect(request, user, password);
    else
        decodeOldDialect(request, user, password);
}
