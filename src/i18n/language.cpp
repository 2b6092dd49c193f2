#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gridora::i18n {

QLocale chooseLocale(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::English)
            break;
        if (kTranslatedLanguages.contains(QLocale::languageToCode(locale.language())))
            return locale;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

void useLocale(QCoreApplication &application, const QLocale &locale)
{
    QLocale::setDefault(locale);
    if (locale.language() == QLocale::English)
        return;
    const QString language = QLocale::languageToCode(locale.language());
    // Owned by the application, and installed for as long as it runs.
    auto *own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/i18n/gridora_") + language))
        application.installTranslator(own);
    // The print and file dialogs are Qt's: their words come with Qt. Without
    // them (the package not installed) those dialogs stay English.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qt);
}

QString say(const Message &message)
{
    const QString text = QString::fromStdString(message.text);
    if (message.context.empty())
        return text;
    const QString words = QCoreApplication::translate(message.context.c_str(), message.text.c_str());
    // One pass, so that a filler holding "%2" is never filled again.
    QString said;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const qsizetype n = i + 1 < words.size() ? words[i + 1].digitValue() - 1 : -1;
        if (words[i] == QLatin1Char('%') && n >= 0 && static_cast<std::size_t>(n) < message.args.size()) {
            said += say(message.args[static_cast<std::size_t>(n)]);
            ++i;
        } else {
            said += words[i];
        }
    }
    return said;
}

void useSystemLanguage(QCoreApplication &application)
{
    useLocale(application, chooseLocale(QLocale::system().uiLanguages()));
}

} // namespace gridora::i18n
