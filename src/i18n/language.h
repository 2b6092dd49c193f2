#pragma once
// The language the desktop program speaks: the first of the user's languages
// (LANGUAGE, then LANG) that Gridora is translated into, or English, its own.
// Numbers are written as that language writes them: "0,61 c" in German.

#include "message.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace gridora::i18n {

/// The languages with a catalogue of their own, besides English.
inline const QStringList kTranslatedLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

/// The first of `uiLanguages` (in order of preference, as
/// QLocale::uiLanguages gives them) that is English or has a catalogue, with
/// its region, so that Swiss German writes "0.61"; English when none is.
QLocale chooseLocale(const QStringList &uiLanguages);

/// Makes `locale` the program's: its catalogue and Qt's own dialogs' (from
/// the system's Qt translations) installed in `application`, and its numbers
/// the default for every widget. English installs no catalogue.
void useLocale(QCoreApplication &application, const QLocale &locale);

/// useLocale for the system's languages.
void useSystemLanguage(QCoreApplication &application);

/// A message of the core in the installed language: its words looked up in
/// the catalogue by context and English text, each %N filled in turn, plain
/// text (a printer's or a file's name) as it is.
QString say(const Message &message);

} // namespace gridora::i18n
