#include "app/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFolders::installedFolder()
{
    if (!QCoreApplication::instance())
        return {};
    const QString folder =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" VELASKIN_DATA_FROM_PROGRAM));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString DataFolders::locate(const QString& name, const QString& entry)
{
    const QString working = QDir::currentPath() + QLatin1Char('/') + name + QLatin1Char('/');
    QStringList candidates{working};
    if (const QString installed = installedFolder(); !installed.isEmpty())
        candidates << installed + QLatin1Char('/') + name + QLatin1Char('/');
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(folder + entry))
            return folder;
    }
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return working;
}
