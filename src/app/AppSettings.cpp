#include "app/AppSettings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace {

const QString languageKey = QStringLiteral("Language/deflanguage");
const QString focusRectKey = QStringLiteral("FocusRect/FocusRect");
const QString defaultSkinKey = QStringLiteral("DefSkin/defskin");
const QString recentSkinsGroup = QStringLiteral("RecentSkins");
const QString geometryKey = QStringLiteral("Window/geometry");
const QString columnsKey = QStringLiteral("Window/elementColumns");
const QString zoomKey = QStringLiteral("View/zoom");
const QString gridKey = QStringLiteral("View/pixelGrid");

constexpr int defaultZoom = 1;
constexpr int largestZoom = 8;
constexpr int elementColumnCount = 3;
// A column's width in pixels, as a screen can show it.
constexpr int largestColumn = 100000;

// The stored value, or an invalid one when the file cannot be read or lacks the entry.
QVariant storedValue(const QString& key)
{
    const QSettings settings(AppSettings::filePath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    return settings.value(key);
}

QString readString(const QString& key, const QString& fallback)
{
    const QVariant value = storedValue(key);
    // A value with a comma reads back as a list, "@ByteArray(...)" as bytes: neither is a name.
    if (value.typeId() != QMetaType::QString)
        return fallback;
    return value.toString();
}

int readInt(const QString& key, int fallback)
{
    const QVariant value = storedValue(key);
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::Int)
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

void write(const QString& key, const QVariant& value)
{
    QSettings settings(AppSettings::filePath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

} // namespace

QString AppSettings::filePath()
{
    // Looked up on every use, so that a changed configuration folder takes effect.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/VelaSkin.ini");
}

QString AppSettings::languageFile()
{
    return readString(languageKey, defaultLanguageFile());
}

void AppSettings::setLanguageFile(const QString& name)
{
    write(languageKey, name);
}

int AppSettings::focusRect()
{
    return readInt(focusRectKey, 0);
}

void AppSettings::setFocusRect(int value)
{
    write(focusRectKey, value);
}

QString AppSettings::defaultSkinName()
{
    return readString(defaultSkinKey, defaultDefaultSkinName());
}

void AppSettings::setDefaultSkinName(const QString& name)
{
    write(defaultSkinKey, name);
}

QStringList AppSettings::recentSkins()
{
    QStringList paths;
    for (int entry = 1; entry <= recentSkinCount; ++entry) {
        const QString path = readString(recentSkinsGroup + QLatin1Char('/') + QString::number(entry), {});
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

namespace {

void writeRecentSkins(const QStringList& paths)
{
    QSettings settings(AppSettings::filePath(), QSettings::IniFormat);
    settings.remove(recentSkinsGroup);
    for (int entry = 1; entry <= paths.size() && entry <= AppSettings::recentSkinCount; ++entry)
        settings.setValue(recentSkinsGroup + QLatin1Char('/') + QString::number(entry), paths[entry - 1]);
    settings.sync();
}

} // namespace

void AppSettings::rememberRecentSkin(const QString& path)
{
    QStringList paths = recentSkins();
    paths.removeAll(path);
    paths.prepend(path);
    writeRecentSkins(paths);
}

void AppSettings::forgetRecentSkin(const QString& path)
{
    QStringList paths = recentSkins();
    paths.removeAll(path);
    writeRecentSkins(paths);
}

QByteArray AppSettings::windowGeometry()
{
    const QVariant value = storedValue(geometryKey);
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

void AppSettings::setWindowGeometry(const QByteArray& geometry)
{
    write(geometryKey, geometry);
}

QList<int> AppSettings::elementColumns()
{
    // Widths apart by blanks: a comma would make the entry a list.
    const QStringList words = readString(columnsKey, QString()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != elementColumnCount)
        return {};
    QList<int> widths;
    for (const QString& word : words) {
        bool ok = false;
        const int width = word.toInt(&ok);
        if (!ok || width < 0 || width > largestColumn)
            return {};
        widths << width;
    }
    return widths;
}

void AppSettings::setElementColumns(const QList<int>& widths)
{
    QStringList words;
    for (const int width : widths)
        words << QString::number(width);
    write(columnsKey, words.join(QLatin1Char(' ')));
}

int AppSettings::zoom()
{
    const int zoom = readInt(zoomKey, defaultZoom);
    return zoom >= defaultZoom && zoom <= largestZoom ? zoom : defaultZoom;
}

void AppSettings::setZoom(int zoom)
{
    write(zoomKey, zoom);
}

bool AppSettings::pixelGrid()
{
    return readInt(gridKey, 0) == 1;
}

void AppSettings::setPixelGrid(bool shown)
{
    write(gridKey, shown ? 1 : 0);
}
