#pragma once

#include <QString>

class LanguageTable;

// A text for the messages about language files themselves, which are shown
// also while no language file is loaded. From the loaded table; with none,
// from the language file in languageFolder whose entry 0 names the user's
// language (QLocale's default), else from English.lng there, else english.
// The two characters "\n" in a language file's text stand for a line break.
QString languageMessage(const LanguageTable& loaded, int number, const QString& languageFolder,
                        const QString& english);
