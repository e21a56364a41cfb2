#include "Settings/CLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>

// The languages on offer come from the embedded translation files, map back
// to their files by exact name, bring the toolkit's texts and locale along,
// can be drawn with the fonts the program gets, and every translation
// source is complete.
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readMessages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    QSet<QString> found;
    const QRegularExpression pattern(QStringLiteral("%L?[0-9]"));
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

} // namespace

class tst_CLanguage : public QObject {
    Q_OBJECT

private slots:
    void offersEveryEmbeddedLanguage()
    {
        const CLanguage languages;
        QStringList codes;
        for (const CLanguage::Language& language : languages.languages())
            codes << language.code;
        QCOMPARE(codes, QStringList({"en", "fr", "ko", "nb", "ru", "zh_tw"}));
        // As the operators' settings hold them.
        QCOMPARE(languages.getLanguageName(),
            QStringList({"English", "French", "Korean", "Norwegian Bokmal", "Russian", "Chinese"}));
    }

    // Whichever name the list shows or the settings hold, it is the same
    // language's; the stored one keeps to the letters first stored.
    void namesMapBack()
    {
        const CLanguage languages;
        for (qsizetype i = 0; i < languages.languages().size(); ++i) {
            const CLanguage::Language& language = languages.languages().at(i);
            QCOMPARE(languages.languageIndex(language.shown), i);
            QCOMPARE(languages.languageIndex(language.stored), i);
            QVERIFY2(!language.shown.isEmpty(), qPrintable(language.code));
            for (const QChar c : language.stored)
                QVERIFY2(c.unicode() < 0x80, qPrintable(language.stored));
        }
    }

    void fileOfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("French") << "French"
                                << "viewer_fr.qm";
        QTest::newRow("code with territory") << "Chinese"
                                             << "viewer_zh_tw.qm";
        QTest::newRow("English") << "English"
                                 << "viewer_en.qm";
        QTest::newRow("Bokmal as stored") << "Norwegian Bokmal"
                                          << "viewer_nb.qm";
        QTest::newRow("Bokmål as spelled") << "Norwegian Bokmål"
                                           << "viewer_nb.qm";
        QTest::newRow("no translation") << "German" << QString();
        QTest::newRow("other case") << "french" << QString();
        QTest::newRow("C locale") << "C" << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void fileOfName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        const CLanguage languages;
        QCOMPARE(languages.getLanguageFileName(name), file);
        if (!file.isEmpty())
            QVERIFY(QFile::exists(CLanguage::LANGUAGE_PATH + QLatin1Char('/') + file));
    }

    void toolkitFollows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("month");
        QTest::newRow("English: the source texts") << "English" << false << "January";
        QTest::newRow("French") << "French" << true << "janvier";
        QTest::newRow("Korean") << "Korean" << true << "1월";
        QTest::newRow("Norwegian Bokmal: the toolkit's Nynorsk") << "Norwegian Bokmal" << true << "januar";
        QTest::newRow("Norwegian Bokmål, as spelled") << "Norwegian Bokmål" << true << "januar";
        QTest::newRow("Russian") << "Russian" << true << "январь";
        QTest::newRow("Chinese") << "Chinese" << true << "1月";
        QTest::newRow("no translation: English") << "German" << false << "January";
    }

    // File dialogs and standard buttons speak the chosen language, and
    // dates follow it whatever the system's locale.
    void toolkitFollows()
    {
        QFETCH(QString, language);
        QFETCH(bool, translated);
        QFETCH(QString, month);
        CLanguage().applyLanguage(language);
        const QString lookIn = QStringLiteral("Look in:");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:") != lookIn, translated);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"), translated);
        QCOMPARE(QLocale().standaloneMonthName(1), month);
        CLanguage().applyLanguage(QString());
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    }

    void scriptsAreDrawn_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Hangul") << "ko";
        QTest::newRow("Traditional Chinese") << "zh_tw";
    }

    // The fonts the program gets hold a glyph for every character of a
    // translated caption, through the font fallback if need be.
    void scriptsAreDrawn()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(CLanguage::LANGUAGE_FILE_PREFIX + code, CLanguage::LANGUAGE_PATH));
        const QString text = translator.translate("ViewerClass", "Configuration");
        QVERIFY(!text.isEmpty() && text.at(0).unicode() > 0x2e80);
        QTextLayout layout(text, QGuiApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (const quint32 glyph : run.glyphIndexes()) {
                QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName() + QLatin1String(" lacks a glyph")));
                ++glyphs;
            }
        }
        QCOMPARE(glyphs, text.size());
    }

    void sourcesAreComplete_data()
    {
        QTest::addColumn<QString>("code");
        const CLanguage languages;
        for (const CLanguage::Language& language : languages.languages())
            QTest::newRow(qPrintable(language.code)) << language.code;
    }

    // English is the source language; every other file translates every
    // text, keeping its placeholders.
    void sourcesAreComplete()
    {
        QFETCH(QString, code);
        const QString path = QStringLiteral(QELM_TRANSLATION_SOURCES "/viewer_%1.ts").arg(code);
        QVERIFY(QFile::exists(path));
        const QList<Message> messages = readMessages(path);
        if (code == QLatin1String("en")) {
            QVERIFY(messages.isEmpty());
            return;
        }
        QVERIFY(!messages.isEmpty());
        for (const Message& message : messages) {
            const QString where = message.context + QLatin1String(": ") + message.source;
            QVERIFY2(message.type.isEmpty(), qPrintable(where + QLatin1String(" is ") + message.type));
            QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(where + QLatin1String(" is empty")));
            QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                qPrintable(where + QLatin1String(" changes its placeholders")));
        }
    }
};

QTEST_MAIN(tst_CLanguage)
#include "tst_CLanguage.moc"
