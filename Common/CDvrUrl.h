#pragma once

#include <QByteArray>
#include <QUrl>

// The URL of a DVR's one CGI endpoint, "http://<address>:<port>/cgi-bin/webapp.cgi".
class CDvrUrl {
public:
    // The URL text; with the question mark, a query can be appended as it stands.
    static QByteArray text(const QByteArray& address, int port, bool withQuestionMark);

    // The URL of a text built by text() (perhaps with a query appended).
    // Invalid when the text is no valid URL or does not lead to exactly that
    // address and port, so that an address holding "/", "?", "#" or "@"
    // cannot send a request elsewhere. The URL type writes percent escapes
    // in upper case: a query that must reach the DVR byte for byte is sent
    // from the text, not from the URL.
    static QUrl toUrl(const QByteArray& urlText, const QByteArray& address, int port);
};
