#include "CHddParser.h"

#include <QRegularExpression>
#include <QString>

void CHddParser::parse(const std::string& line)
{
    // The disk number is one digit followed by white space, so "HDD10" is
    // not a disk line. PCRE matching keeps very long lines from a DVR safe.
    static const QRegularExpression pattern(
        QStringLiteral("HDD([0-9])\\s:\\sused\\s([0-9]+)MB\\s-\\sfree\\s([0-9]+)MB"));

    m_result.clear();
    const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return;
    for (int i = 1; i <= 3; ++i)
        m_result.push_back(match.captured(i).toStdString());
}
