#pragma once

#include <QByteArray>
#include <QList>
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

    // "Window/geometry": the main window's place and size as Qt encodes
    // them; empty while none is kept.
    static QByteArray windowGeometry();
    static void setWindowGeometry(const QByteArray& geometry);
    // "Window/elementColumns": the element page's widths of preview, tree
    // and panel; empty while none are kept or what is kept is no three widths.
    static QList<int> elementColumns();
    static void setElementColumns(const QList<int>& widths);
    // "View/zoom": the preview's enlargement, 1 to 8 (1 for anything else).
    static int zoom();
    static void setZoom(int zoom);
    // "View/pixelGrid": 1 draws the pixel grid over an enlarged preview (default 0).
    static bool pixelGrid();
    static void setPixelGrid(bool shown);

    static QString defaultLanguageFile() { return QStringLiteral("English.lng"); }
    static QString defaultDefaultSkinName() { return QStringLiteral("Vela"); }
};
