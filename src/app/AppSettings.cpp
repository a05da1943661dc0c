#include "app/AppSettings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace {

const QString languageKey = QStringLiteral("Language/deflanguage");
const QString focusRectKey = QStringLiteral("FocusRect/FocusRect");
const QString defaultSkinKey = QStringLiteral("DefSkin/defskin");
const QString recentSkinsGroup = QStringLiteral("RecentSkins");

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
