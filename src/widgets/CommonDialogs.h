#pragma once

#include <QString>
#include <QStringList>

// What askFileName returns from the chosen file.
enum FileNameKind : int {
    fileNameExtension = 0,   // the extension, without its dot
    fileNameTitle = 1,       // the file name without its extension
    fileNameWithExtension = 2,
    fileNameFullPath = 4,    // the only kind the program itself uses
};

// Where a file question starts, how it names its filters, and whether it
// also offers every file.
struct FileQuestion {
    QString startFolder;  // "": the dialog's own choice
    QString allFilesText; // the display text of a last filter "(*)"; "": no such filter
    QString filterFormat = QStringLiteral("%1 files (*.%1)"); // an extension's filter, "%1" the extension
    QString eachOfText = {}; // the name of a first filter over every extension at once; "": no such filter
};

// One file-dialog filter per extension, in order: "ski files (*.ski)" with
// the format "%1 files (*.%1)"; before them "Pictures (*.gif *.png)" when
// eachOfText is "Pictures"; then "All files (*)" when allFilesText is "All
// files".
QStringList fileFilters(const QStringList& extensions, const QString& allFilesText = {},
                        const QString& filterFormat = FileQuestion().filterFormat, const QString& eachOfText = {});

// The open or save file question over the given extensions (without dots).
// The save variant appends the first extension to a typed name that has none;
// an existing file is overwritten without a question. "" when cancelled, and
// for a kind not listed in FileNameKind.
QString askFileName(bool forSaving, int kind, const QStringList& extensions, const FileQuestion& question = {});

// The folder question: true and the folder's path when one was chosen;
// false and an empty path when cancelled.
bool browseForFolder(QString& path);
