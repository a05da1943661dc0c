#pragma once

#include <QString>

// Where the editor finds its language files ("Lng") and default skins
// ("Default"): in the working folder, as it always has, and else in the data
// folder installed with the program, so that an editor started from the
// desktop's menu (working folder: the home folder) finds them too.
class DataFolders {
public:
    // The data folder of an installed program: share/velaskin beside the
    // folder the program lies in; "" when there is none.
    static QString installedFolder();

    // The folder called name (with a "/" at its end) that holds entry (a file
    // or folder inside it): the working folder's, else the installed one. When
    // neither holds it, the first of the two that exists, and the working
    // folder's when neither exists.
    static QString locate(const QString& name, const QString& entry);
};
