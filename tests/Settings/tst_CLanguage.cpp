#include "Settings/CLanguage.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// The languages on offer come from the embedded translation files, map back
// to their files by exact name, and every translation source is complete.
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
        QCOMPARE(languages.getLanguageCode(), QStringList({"en", "fr", "ko", "nb", "ru", "zh_tw"}));
        QCOMPARE(languages.getLanguageName(),
            QStringList({"English", "French", "Korean", "Norwegian Bokmal", "Russian", "Chinese"}));
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

    void sourcesAreComplete_data()
    {
        QTest::addColumn<QString>("code");
        const CLanguage languages;
        for (const QString& code : languages.getLanguageCode())
            QTest::newRow(qPrintable(code)) << code;
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
