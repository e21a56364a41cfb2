#include "CDvrUrl.h"

QByteArray CDvrUrl::text(const QByteArray& address, int port, bool withQuestionMark)
{
    QByteArray url = "http://" + address + ':' + QByteArray::number(port) + "/cgi-bin/webapp.cgi";
    if (withQuestionMark)
        url += '?';
    return url;
}

QUrl CDvrUrl::toUrl(const QByteArray& urlText, const QByteArray& address, int port)
{
    const QUrl url = QUrl::fromEncoded(urlText, QUrl::StrictMode);
    const bool sameHost = !address.isEmpty() && url.host().compare(QLatin1String(address), Qt::CaseInsensitive) == 0;
    if (!url.isValid() || !sameHost || url.port() != port || url.path() != QLatin1String("/cgi-bin/webapp.cgi"))
        return QUrl();
    return url;
}
