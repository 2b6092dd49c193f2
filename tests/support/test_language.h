#pragma once
// The language a GUI test runs in: English, the program's own, whatever the
// desktop's language is; or the one GRIDORA_TEST_LANGUAGE names ("de"), for
// the checks that every translated text fits where it is shown.

#include "language.h"

#include <QCoreApplication>

inline void useTestLanguage()
{
    const QString language = qEnvironmentVariable("GRIDORA_TEST_LANGUAGE", QStringLiteral("en_US"));
    gridora::i18n::useLocale(*QCoreApplication::instance(), QLocale(language));
}
