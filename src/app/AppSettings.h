#pragma once

#include <QString>
#include <QStringList>

// The settings kept between runs: an INI file named after the program in the
// user's configuration folder. Every entry is read with a default, so a
// missing or unreadable file, a missing entry or a value of the wrong type
// simply gives the default. Writes take effect at once.
class AppSettings {
public:
    static QString filePath();

    // "Language"/"deflanguage": the language file's name inside the language folder.
    static QString languageFile();
    static void setLanguageFile(const QString& name);
    // "FocusRect"/"FocusRect": 1 when the preview draws focus rectangles.
    static int focusRect();
    static void setFocusRect(int value);
    // "DefSkin"/"defskin": the default skin's folder and file name (without ".ski").
    static QString defaultSkinName();
    static void setDefaultSkinName(const QString& name);

    // "RecentSkins"/"1".."5": the skins opened or saved last, newest first.
    static QStringList recentSkins();
    // Puts path first (once), keeping at most recentSkinCount entries.
    static void rememberRecentSkin(const QString& path);
    static void forgetRecentSkin(const QString& path);
    static constexpr int recentSkinCount = 5;

    static QString defaultLanguageFile() { return QStringLiteral("English.lng"); }
    static QString defaultDefaultSkinName() { return QStringLiteral("Vela"); }
};
