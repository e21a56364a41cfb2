#include "CEucKr.h"

#include <QTextCodec>
#include <QtDebug>
#include <cstring>

namespace {

QTextCodec* codec()
{
    static QTextCodec* const eucKr = [] {
        QTextCodec* found = QTextCodec::codecForName("EUC-KR");
        if (!found)
            qWarning("[ERROR] no EUC-KR codec: narrow text is read as Latin-1");
        return found;
    }();
    return eucKr;
}

} // namespace

QString CEucKr::toUnicode(QByteArrayView bytes)
{
    if (QTextCodec* eucKr = codec())
        return eucKr->toUnicode(bytes.data(), static_cast<int>(bytes.size()));
    return QString::fromLatin1(bytes);
}

QByteArray CEucKr::fromUnicode(QStringView text)
{
    if (QTextCodec* eucKr = codec())
        return eucKr->fromUnicode(text);
    return text.toLatin1();
}

QString CEucKr::fieldToUnicode(const char* field, qsizetype capacity)
{
    if (!field || capacity <= 0)
        return QString();
    const void* end = std::memchr(field, '\0', static_cast<std::size_t>(capacity));
    const qsizetype length = end ? static_cast<const char*>(end) - field : capacity;
    return toUnicode(QByteArrayView(field, length));
}
