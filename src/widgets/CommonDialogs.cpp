#include "widgets/CommonDialogs.h"

#include "services/DialogService.h"

#include <QFileInfo>

QStringList fileFilters(const QStringList& extensions, const QString& allFilesText, const QString& filterFormat,
                        const QString& eachOfText)
{
    QStringList filters;
    if (!eachOfText.isEmpty() && !extensions.isEmpty())
        filters << eachOfText + QStringLiteral(" (*.") + extensions.join(QStringLiteral(" *.")) + QLatin1Char(')');
    for (const QString& extension : extensions)
        filters << QString(filterFormat).replace(QStringLiteral("%1"), extension);
    if (!allFilesText.isEmpty())
        filters << allFilesText + QStringLiteral(" (*)");
    return filters;
}

QString askFileName(bool forSaving, int kind, const QStringList& extensions, const FileQuestion& question)
{
    // The dialog appends only the first of several extensions to a bare name.
    const QString defaultSuffix = extensions.isEmpty() ? QString() : extensions.front();
    const QStringList filters =
        fileFilters(extensions, question.allFilesText, question.filterFormat, question.eachOfText);
    const QString chosen = DialogService::current().askFileName(forSaving, filters, defaultSuffix, question.startFolder);
    if (chosen.isEmpty())
        return {};

    const QFileInfo file(chosen);
    switch (kind) {
    case fileNameFullPath:
        return chosen;
    case fileNameExtension:
        return file.suffix();
    case fileNameTitle:
        return file.completeBaseName();
    case fileNameWithExtension:
        return file.fileName();
    default:
        return {};
    }
}

bool browseForFolder(QString& path)
{
    path = DialogService::current().browseForFolder();
    return !path.isEmpty();
}
