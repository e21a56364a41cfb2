#include "CIniWriter.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringEncoder>

namespace {

const char HEX_DIGITS[] = "0123456789ABCDEF";

bool isHexDigit(char16_t ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

bool isKeyCharacter(char16_t ch)
{
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
        || ch == u'-' || ch == u'.';
}

} // namespace

QByteArray CIniWriter::toIni(const QMap<QString, QVariant>& values)
{
    // The group's name, escaped as a key, and its lines; "" is the top level.
    QMap<QString, QByteArray> groups;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        QByteArray& lines = groups[slash < 0 ? QString() : it.key().left(slash)];
        appendKey(it.key().mid(slash + 1), lines);
        lines += '=';
        appendValue(it.value(), lines);
        lines += '\n';
    }
    QByteArray ini;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        QByteArray name;
        appendKey(it.key(), name);
        // The reader takes [General] for the top level and [%General] for a
        // group of that name.
        if (name.isEmpty())
            name = "General";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            name = "%General";
        if (!ini.isEmpty())
            ini += '\n';
        ini += '[' + name + "]\n" + it.value();
    }
    return ini;
}

void CIniWriter::appendKey(const QString& key, QByteArray& out)
{
    for (const QChar qch : key) {
        char16_t ch = qch.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if (isKeyCharacter(ch)) {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += HEX_DIGITS[ch / 16];
            out += HEX_DIGITS[ch % 16];
        } else {
            out += "%U";
            char code[4];
            for (int i = 3; i >= 0; --i, ch >>= 4)
                code[i] = HEX_DIGITS[ch % 16];
            out.append(code, 4);
        }
    }
}

void CIniWriter::appendValue(const QVariant& value, QByteArray& out)
{
    // A one-item list reads back as its item, as the toolkit's own writer has it.
    const int type = value.metaType().id();
    if (type != QMetaType::QStringList && (type != QMetaType::QVariantList || value.toList().size() == 1)) {
        appendText(valueText(value), out);
        return;
    }
    const QVariantList items = value.toList();
    if (items.isEmpty())
        out += "@Invalid()";
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendText(valueText(items.at(i)), out);
    }
}

QString CIniWriter::valueText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + u')';
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        const QString text = value.toString();
        return text.startsWith(u'@') ? u'@' + text : text;
    }
    default: {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << value;
        return QStringLiteral("@Variant(") + QString::fromLatin1(bytes) + u')';
    }
    }
}

void CIniWriter::appendText(const QString& text, QByteArray& out)
{
    // The @-forms carry bytes as Latin-1 characters; everything else is UTF-8.
    const bool utf8 = !text.startsWith(QLatin1String("@ByteArray(")) && !text.startsWith(QLatin1String("@Variant("));
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    const qsizetype start = out.size();
    bool needsQuotes = false;
    // After a numeric escape, a hex digit would be read as part of it.
    bool escapeHexDigit = false;
    for (const QChar qch : text) {
        const char16_t ch = qch.unicode();
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        if (escapeHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (ch) {
        case u'\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeHexDigit = true;
            } else if (utf8) {
                out += toUtf8(QStringView(&qch, 1));
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (out.size() > start && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}
