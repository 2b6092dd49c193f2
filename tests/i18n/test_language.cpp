// Which language the desktop program speaks, from the user's languages in
// order, and that choosing one brings Qt's own dialogs along.

#include "language.h"

#include <QCoreApplication>
#include <QTest>

using gridora::i18n::chooseLocale;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void chosenFromTheUsersLanguages_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("decimalPoint");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de_DE" << ",";
        QTest::newRow("Swiss German writes a point") << QStringList{"de-CH", "de"} << "de_CH" << ".";
        QTest::newRow("French after a language without a catalogue") << QStringList{"it-IT", "fr-CA"} << "fr_CA" << ",";
        QTest::newRow("Spanish") << QStringList{"es-ES"} << "es_ES" << ",";
        QTest::newRow("English before German stays English") << QStringList{"en-GB", "de-DE"} << "en_US" << ".";
        QTest::newRow("no language Gridora speaks") << QStringList{"ja-JP", "it"} << "en_US" << ".";
        QTest::newRow("the C locale") << QStringList{"C"} << "en_US" << ".";
        QTest::newRow("nothing") << QStringList{} << "en_US" << ".";
    }

    void chosenFromTheUsersLanguages()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QFETCH(QString, decimalPoint);
        const QLocale locale = chooseLocale(uiLanguages);
        QCOMPARE(locale.name(), chosen);
        QCOMPARE(locale.decimalPoint(), decimalPoint);
    }

    // Last: a language once installed stays for the rest of the run.
    void aLanguageBringsQtsOwnDialogsAlong()
    {
        const QString english = QCoreApplication::translate("QPrintDialog", "Print");
        gridora::i18n::useLocale(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        const QString german = QCoreApplication::translate("QPrintDialog", "Print");
        QVERIFY2(!german.isEmpty() && german != english, qPrintable(german));

        // The core's sentences in German: each part looked up, the file's
        // name as it is, even where it looks like a filler.
        using gridora::Message;
        const Message fault = Message::words(
            "Class lists", "%1 %2.",
            {Message::words("Class lists", "Line %1 of %2", {Message::plain("2"), Message::plain("7b %2.txt")}),
             Message::words("Class lists", "is not UTF-8 text")});
        QCOMPARE(gridora::i18n::say(fault), QStringLiteral("Zeile 2 von 7b %2.txt ist kein UTF-8-Text."));
        QCOMPARE(fault.english(), std::string("Line 2 of 7b %2.txt is not UTF-8 text."));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
