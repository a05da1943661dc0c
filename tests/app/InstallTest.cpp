// Installs the programs into a temporary prefix, as `make install PREFIX=...`
// does, and starts the installed editor from a working folder that holds no
// data: it must find the language named in its settings and the default skin
// in the installed data folder and show its window.

#include "document/LanguageTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int installTimeout = 120000;
constexpr int startTimeout = 30000;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root;
    QString prefix;

    QString path(const QString& relative) const { return root.path() + QLatin1Char('/') + relative; }

    // The environment of a user whose home is the test's "home" folder.
    QProcessEnvironment userEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("velaskin.startup.info=true"));
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        return environment;
    }

    // Starts the installed editor in workingFolder and ends it once its window
    // is shown (or start-up failed); what it logged.
    QByteArray startEditor(const QString& workingFolder) const
    {
        QProcess editor;
        editor.setProcessEnvironment(userEnvironment());
        editor.setWorkingDirectory(workingFolder);
        editor.start(prefix + QStringLiteral("/bin/velaskin"), {});
        if (!editor.waitForStarted())
            return "cannot start the editor";
        QByteArray log;
        QElapsedTimer waited;
        waited.start();
        while (!log.contains("window shown") && !log.contains("cannot be loaded")
               && editor.state() == QProcess::Running && waited.elapsed() < startTimeout) {
            editor.waitForReadyRead(500);
            log += editor.readAllStandardError();
        }
        editor.kill();
        editor.waitForFinished();
        return log + editor.readAllStandardError();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        QVERIFY(QDir().mkpath(path(QStringLiteral("home"))));
        prefix = QFileInfo(root.path()).canonicalFilePath() + QStringLiteral("/prefix");

        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(VELASKIN_BUILD_DIR), QStringLiteral("--prefix"), prefix});
        QVERIFY(install.waitForFinished(installTimeout));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
                 install.readAll().constData());
    }

    void filesGoWhereTheDesktopLooksForThem()
    {
        const QStringList files = {
            QStringLiteral("bin/velaskin"),
            QStringLiteral("bin/velaskin-cli"),
            QStringLiteral("libexec/velaskin/velaskin-cli-qt"),
            QStringLiteral("share/velaskin/Lng/English.lng"),
            QStringLiteral("share/velaskin/Lng/Deutsch.lng"),
            QStringLiteral("share/velaskin/Default/Vela/Vela.ski"),
            QStringLiteral("share/velaskin/Default/Vela/Vela.dat"),
            QStringLiteral("share/velaskin/Default/Vela/Vela1.dat"),
            QStringLiteral("share/velaskin/Default/Vela/VelaWall.gif"),
            QStringLiteral("share/applications/velaskin.desktop"),
            QStringLiteral("share/icons/hicolor/16x16/apps/velaskin.png"),
            QStringLiteral("share/icons/hicolor/32x32/apps/velaskin.png"),
            QStringLiteral("share/icons/hicolor/64x64/apps/velaskin.png"),
        };
        for (const QString& file : files)
            QVERIFY2(QFileInfo(prefix + QLatin1Char('/') + file).isFile(), qPrintable(file));
        QVERIFY(QFileInfo(prefix + QStringLiteral("/bin/velaskin")).isExecutable());
        QCOMPARE(readAll(prefix + QStringLiteral("/share/velaskin/Lng/Deutsch.lng")),
                 readAll(QStringLiteral(VELASKIN_DATA_DIR "/Lng/Deutsch.lng")));

        const QByteArray entry = readAll(prefix + QStringLiteral("/share/applications/velaskin.desktop"));
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        for (const char* line : {"Type=Application\n", "Exec=velaskin %f\n", "Icon=velaskin\n", "Name=VelaSkin\n"})
            QVERIFY2(entry.contains(line), line);
    }

    void editorStartedElsewhereOpensWithTheLanguageOfItsSettings()
    {
        // The settings name the language by its file name only.
        QVERIFY(writeAll(path(QStringLiteral("config/VelaSkin.ini")), "[Language]\ndeflanguage=Deutsch.lng\n"));
        const QByteArray log = startEditor(path(QStringLiteral("home")));
        const QString data = prefix + QStringLiteral("/share/velaskin");
        QVERIFY2(log.contains("velaskin.startup: language file " + QFile::encodeName(data) + "/Lng/Deutsch.lng loaded\n"),
                 log.constData());
        QVERIFY2(log.contains("velaskin.startup: default skin " + QFile::encodeName(data) +
                              "/Default/Vela/Vela.ski loaded\n"),
                 log.constData());
        LanguageTable german;
        QVERIFY(german.load(QFile::encodeName(data + QStringLiteral("/Lng/Deutsch.lng")).toStdString()));
        const std::string menu = german.text(100) + " " + german.text(440) + " " + german.text(470) + " " +
                                 german.text(200) + " " + german.text(206) + " " + german.text(300);
        QVERIFY2(log.contains("velaskin.startup: window shown with the menu " + QByteArray::fromStdString(menu) + "\n"),
                 log.constData());
    }

    void languageFilesInTheWorkingFolderComeFirst()
    {
        QVERIFY(writeAll(path(QStringLiteral("config/VelaSkin.ini")), "[Language]\ndeflanguage=Deutsch.lng\n"));
        QVERIFY(writeAll(path(QStringLiteral("project/Lng/Deutsch.lng")), "[Lang]\n100=&Projekt\n"));
        const QByteArray log = startEditor(path(QStringLiteral("project")));
        const QByteArray working = QFile::encodeName(QFileInfo(path(QStringLiteral("project"))).canonicalFilePath());
        QVERIFY2(log.contains("velaskin.startup: language file " + working + "/Lng/Deutsch.lng loaded\n"), log.constData());
        // The default skin is not there: the installed one serves.
        QVERIFY2(log.contains("velaskin.startup: default skin " + QFile::encodeName(prefix) +
                              "/share/velaskin/Default/Vela/Vela.ski loaded\n"),
                 log.constData());
        QVERIFY2(log.contains("velaskin.startup: window shown with the menu &Projekt NULL NULL NULL NULL NULL\n"), log.constData());
    }

    void installedToolChecksTheInstalledDefaultSkin()
    {
        const QString skin = prefix + QStringLiteral("/share/velaskin/Default/Vela/Vela.ski");
        QProcess tool;
        tool.setProcessEnvironment(userEnvironment());
        tool.setWorkingDirectory(path(QStringLiteral("home")));
        tool.start(prefix + QStringLiteral("/bin/velaskin-cli"), {QStringLiteral("check"), QStringLiteral("--default"), skin, skin});
        QVERIFY(tool.waitForFinished(startTimeout));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "InstallTest.moc"
