#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The user-interface languages on offer: one per compiled translation file
// "viewer_<code>.qm" in the resource folder LANGUAGE_PATH. The Language
// setting names a language by its English name as Qt spelled it when the
// program first stored it, without accents; the list shows the name spelled
// as the language spells itself. Either spelling maps back to the file.
// Immutable once built.
class CLanguage : public QObject {
    Q_OBJECT

public:
    static const QString LANGUAGE_PATH;
    static const QString LANGUAGE_FILE_PREFIX;
    static const QString LANGUAGE_FILE_REGEX;

    // One language on offer.
    struct Language {
        QString code; // of its file
        QString stored; // its name in the settings
        QString shown; // its name in the list
    };

    CLanguage();
    ~CLanguage() override;

    // In the folder's order (by name, ignoring case).
    const QList<Language>& languages() const { return m_languages; }
    // Their stored names, in the same order.
    QStringList getLanguageName() const;
    // The stored name of the language of that code (for example "nb"),
    // whether or not it is on offer.
    static QString storedName(const QString& code);
    // The position of the language stored or shown under that name (exact,
    // case-sensitive; the first of equal names), -1 for none.
    qsizetype languageIndex(const QString& languageName) const;
    // "viewer_<code>.qm" for a known name, otherwise empty. Load it from
    // LANGUAGE_PATH.
    QString getLanguageFileName(const QString& languageName) const;

    // Loads the language's file into g_translator and installs it, whether
    // or not it was installed before. An unknown name or a file that does
    // not load takes the translator away, so the source texts show. False
    // then, and for a file without translations. Beside it, the toolkit's
    // own texts (file dialogs, standard buttons) come from the toolkit's
    // translation of the language when the system has one, and the
    // language's locale becomes the default, so dates and numbers read in
    // it too (English for an unknown name).
    bool applyLanguage(const QString& languageName) const;

private:
    void LoadLanguageList();

    QList<Language> m_languages;
};

// The program's one translator: installed at start-up when the language's
// file loads, reloaded when the operator chooses another language.
extern QTranslator g_translator;
// The toolkit's texts in the same language, loaded and installed with it.
extern QTranslator g_toolkitTranslator;
