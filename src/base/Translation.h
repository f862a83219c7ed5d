#pragma once
// The program's texts in the user's language: the one asked for (--language xx), else the
// first of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program
// speaks; English where none is. The unit's own texts and the files' formats are never
// translated.

#include <QString>
#include <QStringList>

namespace norva {

// The languages the program speaks besides English, as their codes: "de", "es", "fr".
QStringList TranslatedLanguages();

// Installs the translation into the running application (made before); the language used,
// "en" for none. `requested` empty: the system's.
QString InstallTranslation(const QString& requested = {});

}  // namespace norva
