#pragma once

#include "DefaultSkinText.h"
#include "ScriptedDialogs.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <string>

// A window's title as it names the skin, without the place of the modified marker.
inline QString titleOf(const QWidget& window)
{
    return window.windowTitle().remove(QStringLiteral("[*]"));
}

// A throw-away working folder for one test: the shipped language files in
// "Lng", a small valid default skin "Default/Vela/Vela.ski", and a private
// configuration folder for the settings file. The process's current folder
// and configuration folder point into it while it lives.
class TestWorkspace {
public:
    TestWorkspace() : previousFolder(QDir::currentPath()), previousConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
        QDir::setCurrent(dir.path());
    }
    ~TestWorkspace()
    {
        QDir::setCurrent(previousFolder);
        if (previousConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", previousConfig);
    }
    TestWorkspace(const TestWorkspace&) = delete;
    TestWorkspace& operator=(const TestWorkspace&) = delete;

    QString path(const QString& relative = {}) const
    {
        return relative.isEmpty() ? dir.path() : dir.path() + QLatin1Char('/') + relative;
    }

    // Copies the shipped "Lng" folder.
    void addShippedLanguages() const
    {
        QDir().mkpath(path(QStringLiteral("Lng")));
        const QDir shipped(QStringLiteral(VELASKIN_DATA_DIR "/Lng"));
        for (const QString& name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(shipped.filePath(name), path(QStringLiteral("Lng/") + name));
    }

    // Copies the shipped default skin "Vela" with its data files and wallpaper.
    void addShippedDefaultSkin() const
    {
        QDir().mkpath(path(QStringLiteral("Default/Vela")));
        const QDir shipped(QStringLiteral(VELASKIN_DATA_DIR "/Default/Vela"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), path(QStringLiteral("Default/Vela/") + name));
    }

    void writeFile(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    QByteArray readFile(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A default skin the editor accepts, of lineCount lines. marker is
    // number 1's value, so that tests can tell two default skins apart.
    static QByteArray defaultSkinBytes(int marker = 7, int lineCount = minimumDefaultSkinLines)
    {
        return QByteArray::fromStdString(
            testing_support::defaultSkinText({"2 1 " + std::to_string(marker)}, lineCount));
    }

    void addDefaultSkin(const QString& name = QStringLiteral("Vela"), int marker = 7) const
    {
        writeFile(QStringLiteral("Default/%1/%1.ski").arg(name), defaultSkinBytes(marker));
    }

    // The settings file's text, "" while it does not exist.
    QByteArray settingsText() const { return readFile(QStringLiteral("config/VelaSkin.ini")); }
    void writeSettings(const QByteArray& text) const { writeFile(QStringLiteral("config/VelaSkin.ini"), text); }

private:
    QTemporaryDir dir;
    QString previousFolder;
    QByteArray previousConfig;
};

// What every window test function starts from: a fresh workspace and
// scripted answers to every question, both gone when the function ends.
// Test classes call startSession() in init() and endSession() in cleanup().
class WorkspaceSession {
protected:
    void startSession()
    {
        workspace = std::make_unique<TestWorkspace>();
        dialogs = std::make_unique<ScriptedDialogs>();
        scope = std::make_unique<DialogServiceScope>(*dialogs);
    }
    void endSession()
    {
        scope.reset();
        dialogs.reset();
        workspace.reset();
    }
    // A file or folder of the workspace.
    QString path(const QString& relative) const { return workspace->path(relative); }

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<ScriptedDialogs> dialogs;

private:
    std::unique_ptr<DialogServiceScope> scope;
};
