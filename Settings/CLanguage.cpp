#include "CLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>

QTranslator g_translator;

const QString CLanguage::LANGUAGE_PATH = QStringLiteral(":/Viewer/files/translations");
const QString CLanguage::LANGUAGE_FILE_PREFIX = QStringLiteral("viewer_");
const QString CLanguage::LANGUAGE_FILE_REGEX = QStringLiteral("viewer_([a-z_]+).qm");

namespace {

const QString FILE_FILTER = QStringLiteral("viewer_*.qm");
const QString FILE_SUFFIX = QStringLiteral(".qm");

} // namespace

CLanguage::CLanguage()
{
    LoadLanguageList();
}

CLanguage::~CLanguage() = default;

void CLanguage::LoadLanguageList()
{
    const QRegularExpression pattern(LANGUAGE_FILE_REGEX);
    const QStringList files
        = QDir(LANGUAGE_PATH).entryList({FILE_FILTER}, QDir::AllEntries, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = pattern.match(file);
        if (!match.hasMatch())
            continue;
        const QString code = match.captured(1);
        m_codes << code;
        m_names << QLocale::languageToString(QLocale(code).language());
    }
}

QString CLanguage::getLanguageFileName(const QString& languageName) const
{
    const qsizetype index = m_names.indexOf(languageName);
    if (index < 0)
        return QString();
    return LANGUAGE_FILE_PREFIX + m_codes.at(index) + FILE_SUFFIX;
}

bool CLanguage::applyLanguage(const QString& languageName) const
{
    // Installing twice would list the translator twice.
    QCoreApplication::removeTranslator(&g_translator);
    const QString file = getLanguageFileName(languageName);
    if (file.isEmpty() || !g_translator.load(file, LANGUAGE_PATH))
        return false;
    return QCoreApplication::installTranslator(&g_translator);
}
