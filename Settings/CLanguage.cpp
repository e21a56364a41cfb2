#include "CLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

QTranslator g_translator;
QTranslator g_toolkitTranslator;

const QString CLanguage::LANGUAGE_PATH = QStringLiteral(":/Viewer/files/translations");
const QString CLanguage::LANGUAGE_FILE_PREFIX = QStringLiteral("viewer_");
const QString CLanguage::LANGUAGE_FILE_REGEX = QStringLiteral("viewer_([a-z_]+).qm");

namespace {

const QString FILE_FILTER = QStringLiteral("viewer_*.qm");
const QString FILE_SUFFIX = QStringLiteral(".qm");
const QString TOOLKIT_PREFIX = QStringLiteral("qt");

// The toolkit ships no Bokmal texts; Nynorsk reads far closer to it than the
// English source texts.
QString toolkitCode(const QString& code)
{
    return code == QLatin1String("nb") ? QStringLiteral("nn") : code;
}

// The toolkit's English name of the language of that code.
QString toolkitName(const QString& code)
{
    return QLocale::languageToString(QLocale(code).language());
}

// The toolkit's English name drops the letters of some languages' own names.
// Like the other names in the list it is English in every language.
QString shownName(const QString& code)
{
    return code == QLatin1String("nb") ? QStringLiteral("Norwegian Bokm\u00e5l") : toolkitName(code);
}

} // namespace

CLanguage::CLanguage()
{
    LoadLanguageList();
}

CLanguage::~CLanguage() = default;

QString CLanguage::storedName(const QString& code)
{
    // Stored settings name a language as the toolkit first spelled it,
    // without accents; a later toolkit's accented spelling must not change
    // what is stored.
    const QString decomposed = toolkitName(code).normalized(QString::NormalizationForm_D);
    QString folded;
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    }
    return folded;
}

QStringList CLanguage::getLanguageName() const
{
    QStringList names;
    for (const Language& language : m_languages)
        names << language.stored;
    return names;
}

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
        m_languages.append({code, storedName(code), shownName(code)});
    }
}

qsizetype CLanguage::languageIndex(const QString& languageName) const
{
    const auto position = [this](auto isNamed) {
        const auto found = std::find_if(m_languages.cbegin(), m_languages.cend(), isNamed);
        return found == m_languages.cend() ? qsizetype(-1) : qsizetype(found - m_languages.cbegin());
    };
    const qsizetype stored = position([&](const Language& language) { return language.stored == languageName; });
    return stored >= 0 ? stored : position([&](const Language& language) { return language.shown == languageName; });
}

QString CLanguage::getLanguageFileName(const QString& languageName) const
{
    const qsizetype index = languageIndex(languageName);
    if (index < 0)
        return QString();
    return LANGUAGE_FILE_PREFIX + m_languages.at(index).code + FILE_SUFFIX;
}

bool CLanguage::applyLanguage(const QString& languageName) const
{
    // Installing twice would list a translator twice.
    QCoreApplication::removeTranslator(&g_translator);
    QCoreApplication::removeTranslator(&g_toolkitTranslator);
    const qsizetype index = languageIndex(languageName);
    const QString code = index < 0 ? QStringLiteral("en") : m_languages.at(index).code;
    QLocale::setDefault(QLocale(code));
    if (g_toolkitTranslator.load(QLocale(toolkitCode(code)), TOOLKIT_PREFIX, QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&g_toolkitTranslator);
    const QString file = getLanguageFileName(languageName);
    if (file.isEmpty() || !g_translator.load(file, LANGUAGE_PATH))
        return false;
    return QCoreApplication::installTranslator(&g_translator);
}
